// The demurrage tiers of one port, in the order the user entered them.
#pragma once

#include "model/TTieredRate.h"

#include <cstdint>
#include <vector>

namespace laytime {

/// The first tier begins at day 0, 00:00 and is never treated as empty (RepairIfNeeded and the
/// entry dialog keep it so). Tiers are meant to be in ascending order of their beginning;
/// nothing sorts them. An index outside the list throws std::out_of_range.
class TTieredRates {
public:
  /// Appends a tier with an empty rate. It begins one day after the last tier, at the last
  /// tier's time of day; the first tier of an empty list begins at day 0, 00:00. The reference
  /// is valid until the list changes.
  TTieredRate& Add();

  int GetCount() const { return static_cast<int>(FRates.size()); }

  TTieredRate& GetItem(int index);
  const TTieredRate& GetItem(int index) const;

  /// Removes the tier at `index`.
  void Delete(int index);

  /// Removes every tier. The list must be refilled (or repaired) before it is priced.
  void Clear() { FRates.clear(); }

  /// False for the first tier, which always counts; otherwise whether the tier's rate is empty.
  bool IsEmptyRec(int index) const;

  /// Removes every empty tier after the first.
  void Pack();

  /// Puts a tier at day 0, 00:00 with rate 0 in front when no tier begins there, so that a
  /// list read from a file always has a first tier (an empty list gets that single tier).
  /// Minutes before the next tier then cost nothing.
  void RepairIfNeeded();

  /// The number of minutes tier `tierIndex` lasts until the next tier begins. False for the
  /// last tier, which has no end, and for an index outside the list. For tiers in ascending
  /// order this is the distance between their beginnings; for tiers out of order it may be 0
  /// or negative, which the pricing treats as a tier of no length.
  bool TryGetTierSizeInMinutes(int tierIndex, std::int64_t& sizeInMinutes) const;

  /// Replaces all tiers by one tier at day 0, 00:00 with `defaultRate`.
  void DefaultsFrom(double defaultRate);

  bool operator==(const TTieredRates&) const = default;

private:
  void CheckIndex(int index) const;

  std::vector<TTieredRate> FRates;
};

} // namespace laytime
