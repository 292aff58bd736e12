// The allocation of minutes on demurrage to tiers, kept as a map from tier index to minutes.
#pragma once

#include "model/ITieredTimes.h"

#include <cstdint>
#include <map>

namespace laytime {

class TTieredTimes final : public ITieredTimes {
public:
  TTieredTimes() = default;
  TTieredTimes(const TTieredTimes&) = default;
  TTieredTimes& operator=(const TTieredTimes&) = default;

  void Clear() override { FItems.clear(); }
  void AddToTier(int index, std::int64_t timeInMinutes) override;
  std::int64_t GetMinutesAllocatedToTier(int index) const override;
  Currency Calc(int index, double rate) const override;

  /// The tiers that have an entry, with their minutes, in tier order.
  const std::map<std::int32_t, std::int64_t>& Items() const { return FItems; }

private:
  std::map<std::int32_t, std::int64_t> FItems;
};

} // namespace laytime
