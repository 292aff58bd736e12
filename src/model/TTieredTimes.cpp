#include "model/TTieredTimes.h"

#include "core/ZQTypes.h"

namespace laytime {

void TTieredTimes::AddToTier(int index, std::int64_t timeInMinutes) {
  FItems[index] += timeInMinutes;
}

std::int64_t TTieredTimes::GetMinutesAllocatedToTier(int index) const {
  const auto found = FItems.find(index);
  return found == FItems.end() ? 0 : found->second;
}

Currency TTieredTimes::Calc(int index, double rate) const {
  if (rate == EmptyReal)
    return Currency();
  const double days = static_cast<double>(GetMinutesAllocatedToTier(index)) / MinutesPerDay;
  return Currency(days * rate).RoundToCents();
}

} // namespace laytime
