// The regression lists of net results: "Create Result List" writes the net result of every
// calculation file of a data folder, "Compare Result List" recalculates the files of such a
// list and compares their net results with the listed ones.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace laytime {
class TCalculation;
}

namespace laytime::cli {

/// The net result of one file, or the reason why there is none.
struct TNetResult {
  bool Ok = false;
  double Value = 0.0;
  std::string Reason;
};

/// Loads, validates and calculates one file; never throws for a file that cannot be used.
using TNetResultSource = std::function<TNetResult(const std::string& path)>;

/// The net result of a loaded calculation: the quiet validation without pro rata must pass
/// ("{reason}: {file}") and the calculation must succeed ("Unable to calculate: {file}").
/// The value is despatch less (demurrage less commission), each amount rounded to cents, from
/// the all-ports totals, or the sum of the loading and discharging groups in the partly
/// reversible modes.
TNetResult NetResultOfCalculation(TCalculation& calculation, const std::string& path);

/// Writes "ResultList Lay {version}.TXT" in `folder` (or `listPath`): the line "; {list}",
/// then "{path};{value}" (20 characters, 3 decimals) or "{path};{reason}" for every .ZQL file
/// of the folder in name order. Returns the exit status: 1 when a file had no value.
int CreateResultList(const std::string& folder, const std::optional<std::string>& listPath,
                     const TNetResultSource& source, std::ostream& out, bool quiet);

/// Compares the files of `listPath` with their listed values and writes "LAY7OK.TXT" and
/// "LAY7ERROR.TXT" in `folder` (the list's folder by default). Returns 1 when a value
/// differs or a file has no value, 0 otherwise.
int CompareResultList(const std::string& listPath, const std::optional<std::string>& folder,
                      const TNetResultSource& source, std::ostream& out, bool quiet);

} // namespace laytime::cli
