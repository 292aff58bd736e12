// A port of the calculation with the collections it owns: informative entries, statement of
// facts, counted result lines and tiered demurrage rates.
#pragma once

#include "core/Settings.h"
#include "model/TPortInfoCollection.h"
#include "model/TPortRec.h"
#include "model/TSoFCollection.h"
#include "model/TTieredRates.h"

#include <vector>

namespace laytime {

class TCalculation;

/// Not copyable and not movable: its collections know it as their owner.
class TPortItem {
public:
  /// A cleared port of `calculation` (ClearData).
  explicit TPortItem(TCalculation& calculation);
  TPortItem(const TPortItem&) = delete;
  TPortItem& operator=(const TPortItem&) = delete;
  ~TPortItem();

  /// Resets the port to the defaults of a new port: texts of the laytime window from the first
  /// entries of the template's text lists, the default informative entries of the calculation,
  /// an empty statement of facts, no results, a new TieredTimes, and tiers reset from the
  /// (now empty) demurrage rate. ShexOption and UseTieredDemurrage keep their values.
  void ClearData();
  /// Copies the whole record, the statement of facts, the result lines and the informative
  /// entries of another port. The tiered rates are not copied; the port keeps its own
  /// TieredTimes, filled with a copy of the source's allocation.
  void Assign(const TPortItem& source);

  /// Copies a chosen preset into the port's SHEX fields (until day as a weekday 0..6) and
  /// records its position in ShexOption.
  void ApplyShexPreset(const TShexRec& preset, int position);
  /// After the SHEX fields were edited directly: ShexOption becomes the position of the first
  /// matching preset, −1 when none matches.
  void UpdateShexOption(const std::vector<TShexRec>& presets);

  TCalculation& Calculation() const { return *FCalculation; }

  TPortRec PortData;
  TPortInfoCollection PortInfoCollection{this};
  TSoFCollection SoFCollection{this};       ///< the statement of facts as entered
  TSoFCollection SoFResultCollection{this}; ///< the counted lines written by the calculation
  TTieredRates TieredDemurrageRates;

private:
  TCalculation* FCalculation;
};

} // namespace laytime
