// The ports of the calculation in port order, with their validation and the facts the
// calculation and the report ask of them.
#pragma once

#include "core/DayTime.h"
#include "model/TPortError.h"
#include "model/TPortItem.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace laytime {

class TCalculation;

/// Whether port validation reports a port time beyond the configured maximum. The user accepts
/// a long port time by passing over that warning once.
enum class TLongPortTime : std::uint8_t { Warn, Accept };

/// Which ports a question is about.
enum class TPortOperations : std::uint8_t { Loading = 1, Discharging = 2, Both = 3 };

class TPortCollection {
public:
  /// A new collection already holds one empty port.
  explicit TPortCollection(TCalculation& calculation);
  TPortCollection(const TPortCollection&) = delete;
  TPortCollection& operator=(const TPortCollection&) = delete;
  ~TPortCollection();

  int Count() const { return static_cast<int>(FPorts.size()); }
  /// Positions are 0-based; throws std::out_of_range outside the collection.
  TPortItem& GetItem(int index);
  const TPortItem& GetItem(int index) const;
  /// Copies `item` into the port at `index` (TPortItem::Assign).
  void SetItem(int index, const TPortItem& item);
  /// Appends a cleared port.
  TPortItem& Add();
  /// Inserts a cleared port before `index` (0..Count()).
  TPortItem& Insert(int index);
  void Delete(int index);
  /// Removes every port (TCalculation::Clear adds the empty first port again).
  void Clear();

  TCalculation& Calculation() const { return *FCalculation; }

  /// No name, cargo, quantity, laytime window, SHEX days, pre-advice or tanker minimum, and
  /// every informative entry without a date.
  bool IsEmptyRec(int index) const;
  /// Runs the fifteen checks of a port in order; the first failing one sets `errCode`.
  /// `errCode` is prOK exactly when the result is true. Never throws for a position inside
  /// the collection.
  bool IsValidRec(int index, TPortError& errCode,
                  TLongPortTime longPortTime = TLongPortTime::Warn) const;
  /// Validates the ports in order and stops at the first invalid one. All valid: true,
  /// errPortNum −1 and prOK.
  bool AllRecsValid(int& errPortNum, TPortError& errCode,
                    TLongPortTime longPortTime = TLongPortTime::Warn) const;

  /// Position of the first loading (discharging) port; −1 when there is none.
  int GetFirstLoadPortIdx() const;
  int GetFirstDiscPortIdx() const;
  /// The port is calculated as customary quick despatch: a valid position, PortCalcCQD set and
  /// the voyage in NonReversible mode.
  bool CalculateCQD(int portIdx) const;
  /// Sum of the cargo quantities (empty as 0) of the ports with the given operations;
  /// EmptyReal when their cargo units differ (compared trimmed, ignoring case).
  double GetTotalCargo(TPortOperations operations) const;
  /// The port's effective start of counting (see ::EffectiveCountStart).
  TDayTime EffectiveCountStart(int index) const;

private:
  void CheckIndex(int index, const char* operation) const;

  TCalculation* FCalculation;
  std::vector<std::unique_ptr<TPortItem>> FPorts;
};

} // namespace laytime
