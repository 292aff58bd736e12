// The findings of port validation, their messages and which of them are warnings.
#pragma once

#include <cstdint>
#include <string_view>

namespace laytime {

enum class TPortError : std::uint8_t {
  prOK = 0,
  prEmptyRec = 1,
  prShexStartDayMissing = 2,
  prShexStartTimeMissing = 3,
  prShexEndDayMissing = 4,
  prShexEndTimeMissing = 5,
  prShexDisabled = 6,
  prDischargeRateTooSmall = 7,
  prCargoQtyRequiredForDespatch = 8,
  prCargoQtyRequiredForDemurrage = 9,
  prCargoQuantityMissing = 10,
  prPortLoadRateMissing = 11,
  prPortLoadUnitsMissing = 12,
  prPortTimeTooLong = 13,
  prCountDateMissing = 14,
  prCountTimeMissing = 15,
  prCompletedDateMissing = 16,
  prCompletedTimeMissing = 17,
  prOperationNotSpecified = 18,
  prDemurrageMissing = 19,
  prDespatchMissing = 20,
  prDemurrageTooSmall = 21,
  prDespatchTooSmall = 22,
  prDespatchDisabled = 23,
  prUndefDespatchMode = 24,
  prUndefPortMode = 25,
  prPreAdvDateInvalid = 26,
  prPreAdvTimeInvalid = 27,
  prPreAdvOffsTimeInvalid = 28,
  prPreAdvOffsDaysInvalid = 29,
  prTankerMinTimeAllowanceInvalid = 30,
};

/// The message shown for a finding; "\r" breaks the line in a message box.
std::string_view PortErrorMessage(TPortError code);

/// Warnings may be passed over by the user: prPortTimeTooLong, prDemurrageTooSmall,
/// prDespatchTooSmall and prDespatchDisabled. Every other finding stops the calculation.
bool IsPortErrorWarning(TPortError code);

} // namespace laytime
