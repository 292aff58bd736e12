#include "model/TProRataError.h"

namespace laytime {

std::string_view ProRataErrorMessage(TProRataError code) {
  switch (code) {
  case TProRataError::ProRataOK:
    return "OK";
  case TProRataError::ProRataEmptyRec:
    return "Line is empty";
  case TProRataError::ProRataNameMissing:
    return "Name missing";
  case TProRataError::ProRataQtyInvalid:
    return "Invalid cargo quantity";
  case TProRataError::ProRataQtyMissing:
    return "Cargo quantity missing";
  case TProRataError::ProRataSumDifference:
    return "Sum of pro-rated cargoes does not match quantity loaded/discharged";
  }
  return {};
}

bool IsProRataErrorWarning(TProRataError code) {
  return code == TProRataError::ProRataNameMissing || code == TProRataError::ProRataSumDifference;
}

} // namespace laytime
