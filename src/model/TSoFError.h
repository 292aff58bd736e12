// The findings of statement-of-facts validation and their messages.
#pragma once

#include <cstdint>
#include <string_view>

namespace laytime {

enum class TSoFError : std::uint8_t {
  sofrOK = 0,
  sofrEmptyRec = 1,
  sofrFromDateMissing = 2,
  sofrFromTimeMissing = 3,
  sofrUntilDateMissing = 4,
  sofrUntilTimeMissing = 5,
  sofrConditionMissing = 6,
  sofrPctMissing = 7,
  sofrFromDateInvalid = 8,
  sofrFromTimeInvalid = 9,
  sofrUntilDateInvalid = 10,
  sofrUntilTimeInvalid = 11,
  sofrConditionInvalid = 12,
  sofrPctInvalid = 13,
};

/// The message shown for a finding ("\r\n" breaks the line).
std::string_view SoFErrorMessage(TSoFError code);

} // namespace laytime
