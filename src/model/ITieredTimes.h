// The split of a period on demurrage into the tiers of a port, and the price of each tier.
#pragma once

#include "model/Currency.h"

#include <cstdint>

namespace laytime {

/// Held by every port record (TPortRec::TieredTimes) and every pro-rata port detail; the last
/// pricing (PriceTieredDemurrage) leaves its allocation here and the report prints it.
class ITieredTimes {
public:
  virtual ~ITieredTimes() = default;

  /// Forgets every allocation.
  virtual void Clear() = 0;

  /// Adds `timeInMinutes` to the total of tier `index`, creating its entry.
  virtual void AddToTier(int index, std::int64_t timeInMinutes) = 0;

  /// The minutes allocated to tier `index`; 0 for a tier without entry.
  virtual std::int64_t GetMinutesAllocatedToTier(int index) const = 0;

  /// The price of the tier's minutes at `rate` per day: minutes / 1440 × rate taken to four
  /// decimals, then rounded to cents (both ties to even). An empty rate (EmptyReal) counts 0.
  virtual Currency Calc(int index, double rate) const = 0;

protected:
  ITieredTimes() = default;
  ITieredTimes(const ITieredTimes&) = default;
  ITieredTimes& operator=(const ITieredTimes&) = default;
};

} // namespace laytime
