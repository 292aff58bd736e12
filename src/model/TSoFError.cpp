#include "model/TSoFError.h"

namespace laytime {

std::string_view SoFErrorMessage(TSoFError code) {
  switch (code) {
  case TSoFError::sofrOK:
    return "OK";
  case TSoFError::sofrEmptyRec:
    return "line is empty";
  case TSoFError::sofrFromDateMissing:
    return "From-Date is missing";
  case TSoFError::sofrFromTimeMissing:
    return "From-Time is missing";
  case TSoFError::sofrUntilDateMissing:
    return "Until-Date is missing";
  case TSoFError::sofrUntilTimeMissing:
    return "Until-Time is missing";
  case TSoFError::sofrConditionMissing:
    return "Condition is missing. Please specify how this period is to count";
  case TSoFError::sofrPctMissing:
    return "Percent of time to count is missing. For this condition you must specify the "
           "precentage of time to count.";
  case TSoFError::sofrFromDateInvalid:
    return "From-Date in not in ascending sequence.\r\n\r\nDate and time must be in "
           "chronological order with the previous and next entry.";
  case TSoFError::sofrFromTimeInvalid:
    return "From-Time in not in ascending sequence.\r\n\r\nDate and time must be in "
           "chronological order with the previous and next entry.";
  case TSoFError::sofrUntilDateInvalid:
    return "Until-Date in not in ascending sequence.\r\n\r\nDate and time must be in "
           "chronological order with the previous and next entry.";
  case TSoFError::sofrUntilTimeInvalid:
    return "Until-Time in not in ascending sequence.\r\n\r\nDate and time must be in "
           "chronological order with the previous and next entry.";
  case TSoFError::sofrConditionInvalid:
    return "Condition is invalid for this port";
  case TSoFError::sofrPctInvalid:
    return "Value for Pct to count is invalid. Valid range is 0%..100% or a result of 0..1 if a "
           "math expression like 3/4 is used";
  }
  return {};
}

} // namespace laytime
