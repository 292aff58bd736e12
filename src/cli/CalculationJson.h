// The open JSON form of calculations and templates ("laytime-calculation/1"): the whole
// calculation as one document, and the reading of a possibly partial document back into it.
#pragma once

#include "calc/TCalcNotices.h"
#include "cli/Json.h"
#include "core/Errors.h"
#include "files/FileFormat.h"

namespace laytime {
class TCalculation;
}

namespace laytime::cli {

inline constexpr std::string_view CalculationFormatName = "laytime-calculation/1";

/// A document that does not describe a calculation: an unknown key, a value of the wrong type
/// or an impossible value. The text names the key and its place ("ports[1].sof[0].UntilTime").
class EJsonFormError : public ELaytimeError {
public:
  using ELaytimeError::ELaytimeError;
};

/// Whether the result lines and tier allocations of a calculation are part of the document.
enum class TJsonResults { Omit, Include };

/// The document of the open calculation: status, voyage, the settings block (templates),
/// pro-rata partners with their port details, and the ports with their informative entries,
/// statement of facts and tiers; with TJsonResults::Include also each port's counted lines
/// ("sofResult") and tier allocation ("tieredTimes").
TJsonValue CalculationToJson(const TCalculation& calculation, TFileKind kind, TJsonResults results);

/// The notices of a calculation as the members "weekendEntry" and "shifting" (null when not
/// recorded).
TJsonValue NoticesToJson(const TCalcNotices& notices);

/// Reads a document into the calculation, which is cleared first: the settings block of a
/// template document is taken first (the built-in settings for what it leaves out), then the
/// calculation is cleared under them, and every record named in the document is filled from
/// its members. Members left out keep the values of a cleared record. Returns the kind the
/// document declares. Throws EJsonFormError at the first problem; the calculation is then in
/// an unspecified but valid state.
TFileKind CalculationFromJson(const TJsonValue& document, TCalculation& calculation);

} // namespace laytime::cli
