// One line of a statement of facts: the end of a period and how the period counts.
#pragma once

#include "core/Enums.h"
#include "core/ZQTypes.h"

#include <cstdint>
#include <string>

namespace laytime {

/// Fields in the order of the line image in calculation files. The two texts are short strings:
/// at most 255 bytes in Windows-1252 (TSoFLine's setters keep them so).
struct TSoFRec {
  TDayNumber FUntilDate = EmptyDay;
  TMinuteOfDay FUntilTime = EmptyTime;
  TFactCode FCondition = TFactCode::undef_tfact;
  double FPct = EmptyReal; ///< percentage of the period that counts, 0..100
  std::string FPctDisplayString;
  std::string FRemark;
  std::int32_t FResMinsToCount = 0; ///< result: minutes of the period that count

  bool operator==(const TSoFRec&) const = default;
};

} // namespace laytime
