#include "model/TPortError.h"

namespace laytime {

std::string_view PortErrorMessage(TPortError code) {
  switch (code) {
  case TPortError::prOK:
    return "OK";
  case TPortError::prEmptyRec:
    return "Port description is empty";
  case TPortError::prShexStartDayMissing:
  case TPortError::prShexStartTimeMissing:
  case TPortError::prShexEndDayMissing:
  case TPortError::prShexEndTimeMissing:
    return "SHEX description incomplete or invalid";
  case TPortError::prShexDisabled:
    return "A SHEX period is specified although Shex is currently disabled. Check configuration.";
  case TPortError::prDischargeRateTooSmall:
    return "Loading/Discharging rate too small. Please note: this entry has usual three "
           "decimals.\rExample: five thousand is shown as 5,000.000 and 5.000 is five only.";
  case TPortError::prCargoQtyRequiredForDespatch:
    return "Cargo quantity for this port required to calculate despatch rate";
  case TPortError::prCargoQtyRequiredForDemurrage:
    return "Cargo quantity for this port required to calculate demurrage rate";
  case TPortError::prCargoQuantityMissing:
    return "Cargo quantity for this port missing or possibly invalid Loading/Discharging rate "
           "definition";
  case TPortError::prPortLoadRateMissing:
    return "Loading rate rsp. time allowed for this port missing";
  case TPortError::prPortLoadUnitsMissing:
    return "Select unit specification for load rate rsp. time allowed";
  case TPortError::prPortTimeTooLong:
    return "Possibly invalid end date (port time too long)";
  case TPortError::prCountDateMissing:
    return "Date at which lay time counting begins is required to calculate";
  case TPortError::prCountTimeMissing:
    return "Time at which lay time counting begins is required to calculate";
  case TPortError::prCompletedDateMissing:
    return "Date at which lay time counting ends is required to calculate";
  case TPortError::prCompletedTimeMissing:
    return "Time at which lay time counting ends is required to calculate";
  case TPortError::prOperationNotSpecified:
    return "Port operation (loading/discharging) not specified";
  case TPortError::prDemurrageMissing:
    return "Demurrage rate missing";
  case TPortError::prDespatchMissing:
    return "Despatch rate missing";
  case TPortError::prDemurrageTooSmall:
    return "Demurrage rate too small, please enter a valid rate per day.";
  case TPortError::prDespatchTooSmall:
    return "Despatch rate too small, please enter a valid rate per day";
  case TPortError::prDespatchDisabled:
    return "A despatch rate is specified but will be ignored because despatch calculation is "
           "disabled. Check configuration.";
  case TPortError::prUndefDespatchMode:
    return "No \"saved time\" clause selected";
  case TPortError::prUndefPortMode:
    return "Calculation mode undefined.";
  case TPortError::prPreAdvDateInvalid:
    return "Pre advise date is missing or invalid";
  case TPortError::prPreAdvTimeInvalid:
    return "Pre advise time is missing or invalid";
  case TPortError::prPreAdvOffsTimeInvalid:
    return "Pre advise offset time is missing or invalid";
  case TPortError::prPreAdvOffsDaysInvalid:
    return "Pre advise offset days missing or invalid";
  case TPortError::prTankerMinTimeAllowanceInvalid:
    return "Tanker minimun time allowed is missing or invalid";
  }
  return {};
}

bool IsPortErrorWarning(TPortError code) {
  return code == TPortError::prPortTimeTooLong || code == TPortError::prDemurrageTooSmall ||
         code == TPortError::prDespatchTooSmall || code == TPortError::prDespatchDisabled;
}

} // namespace laytime
