// The check, after a calculation file was opened, of the settings it was saved under against
// the settings in force now.
#pragma once

#include "core/Settings.h"
#include "core/VoyageRecords.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace laytime {

/// A difference between a file's hints and the current settings. The values are those of the
/// voyage findings (23 to 25) under which the Open command shows them as warnings.
enum class THintDifference : std::uint8_t {
  ProRataCalcMethod = 23,
  ProRataRoundingMethod = 24,
  DemurrageRateUnit = 25,
};

/// "This ZQL file was made in combination with a different Pro Rata Calculation method" and
/// the like.
std::string_view HintDifferenceText(THintDifference difference);

/// Compares the hints of `voyage`, read from a file of sub-version `fileSubVersion`, with
/// `settings`: from sub-version 28 the pro-rata method, and, when the current method is pro rata
/// on time, the rounding method; from sub-version 30 the demurrage rate unit. Each difference
/// appends a line "%s (%s)\r\n" with its text and the name of the file's value to `warnings`.
/// True when a line was produced.
bool CheckSettingsHints(const TVoyageRec& voyage, std::int32_t fileSubVersion,
                        const TProgramSettings& settings, std::string& warnings);

} // namespace laytime
