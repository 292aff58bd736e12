// One tier of a port's tiered demurrage: the rate that applies from a given time on demurrage.
#pragma once

#include "core/ZQTypes.h"

#include <cstdint>

namespace laytime {

struct TTieredRate {
  /// Whole days after the start of demurrage at which the tier begins.
  std::int32_t FromDay = 0;
  /// Minutes (0..1440) added to FromDay.
  std::int32_t FromTimeInMinutes = 0;
  /// Amount per day; EmptyReal marks a tier whose rate was not entered.
  double Rate = EmptyReal;

  bool IsEmpty() const { return Rate == EmptyReal; }

  bool operator==(const TTieredRate&) const = default;
};

} // namespace laytime
