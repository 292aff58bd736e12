// The findings of pro-rata validation, their messages and which of them are warnings.
#pragma once

#include <cstdint>
#include <string_view>

namespace laytime {

enum class TProRataError : std::uint8_t {
  ProRataOK = 0,
  ProRataEmptyRec = 1, ///< never produced by the validation
  ProRataNameMissing = 2,
  ProRataQtyInvalid = 3,
  ProRataQtyMissing = 4,
  ProRataSumDifference = 5, ///< never produced by the validation
};

/// The message shown for a finding ("Name missing", "Cargo quantity missing", ...).
std::string_view ProRataErrorMessage(TProRataError code);

/// Warnings may be passed over by the user: ProRataNameMissing and ProRataSumDifference.
/// The other findings stop the calculation.
bool IsProRataErrorWarning(TProRataError code);

} // namespace laytime
