#include "model/TTieredRates.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace laytime {

void TTieredRates::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount())
    throw std::out_of_range("TTieredRates: tier index " + std::to_string(index) + " outside 0.." +
                            std::to_string(GetCount() - 1));
}

TTieredRate& TTieredRates::Add() {
  TTieredRate tier;
  if (!FRates.empty()) {
    // A day read from a file may already be the largest a tier can begin at.
    tier.FromDay = FRates.back().FromDay == std::numeric_limits<std::int32_t>::max()
                       ? FRates.back().FromDay
                       : FRates.back().FromDay + 1;
    tier.FromTimeInMinutes = FRates.back().FromTimeInMinutes;
  }
  return FRates.emplace_back(tier);
}

TTieredRate& TTieredRates::GetItem(int index) {
  CheckIndex(index);
  return FRates[static_cast<std::size_t>(index)];
}

const TTieredRate& TTieredRates::GetItem(int index) const {
  CheckIndex(index);
  return FRates[static_cast<std::size_t>(index)];
}

void TTieredRates::Delete(int index) {
  CheckIndex(index);
  FRates.erase(FRates.begin() + index);
}

bool TTieredRates::IsEmptyRec(int index) const {
  const TTieredRate& tier = GetItem(index);
  return index != 0 && tier.IsEmpty();
}

void TTieredRates::Pack() {
  for (int index = GetCount() - 1; index >= 1; --index)
    if (IsEmptyRec(index))
      Delete(index);
}

void TTieredRates::RepairIfNeeded() {
  const bool hasFirstTier = std::any_of(FRates.begin(), FRates.end(), [](const TTieredRate& tier) {
    return tier.FromDay == 0 && tier.FromTimeInMinutes == 0;
  });
  if (hasFirstTier)
    return;
  FRates.insert(FRates.begin(), TTieredRate{0, 0, 0.0});
}

bool TTieredRates::TryGetTierSizeInMinutes(int tierIndex, std::int64_t& sizeInMinutes) const {
  if (tierIndex < 0 || tierIndex >= GetCount() - 1)
    return false;
  const TTieredRate& tier = FRates[static_cast<std::size_t>(tierIndex)];
  const TTieredRate& next = FRates[static_cast<std::size_t>(tierIndex) + 1];
  // 64-bit throughout: days read from a file may be anything a 32-bit field holds.
  const std::int64_t wholeDaysBetween =
      std::max<std::int64_t>(std::int64_t{next.FromDay} - tier.FromDay - 1, 0);
  sizeInMinutes = wholeDaysBetween * MinutesPerDay;
  if (next.FromDay == tier.FromDay)
    sizeInMinutes += std::int64_t{next.FromTimeInMinutes} - tier.FromTimeInMinutes;
  else
    sizeInMinutes += MinutesPerDay - std::int64_t{tier.FromTimeInMinutes} + next.FromTimeInMinutes;
  return true;
}

void TTieredRates::DefaultsFrom(double defaultRate) {
  FRates.assign(1, TTieredRate{0, 0, defaultRate});
}

} // namespace laytime
