// The checks that guard every result: the voyage-level check of the group rates and units, and
// the quiet validation of the whole calculation before it is calculated.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace laytime {

class TCalculation;

/// The findings of the voyage-level check, with the hints of an opened file (23 to 25).
enum class TVoyageError : std::uint8_t {
  veOK = 0,
  vePortModeUndefined = 1,
  veDemurrageRateAllPortsMissing = 2,
  veDespatchRateAllPortsMissing = 3,
  veDemurrageRateAllPortsTooSmall = 4,
  veDespatchRateAllPortsTooSmall = 5,
  veDemurrageRateLoadingMissing = 6,
  veDespatchRateLoadingMissing = 7,
  veDemurrageRateLoadingTooSmall = 8,
  veDespatchRateLoadingTooSmall = 9,
  veDemurrageRateDischargingMissing = 10,
  veDespatchRateDischargingMissing = 11,
  veDemurrageRateDischargingTooSmall = 12,
  veDespatchRateDischargingTooSmall = 13,
  veAllPurposeUnitAllPorts = 14,
  veAllPurposeUnitLoading = 15,
  veAllPurposeUnitDischarging = 16,
  veLoadRateAllPorts = 17,
  veLoadRateLoading = 18,
  veLoadRateDischarging = 19,
  veDespatchDisabled = 20,
  veProRataOnTimeNeedsNonReversible = 21,
  veUnused22 = 22,
  veHintProRataCalcMethod = 23,
  veHintProRataRoundingMethod = 24,
  veHintDemurrageRateUnit = 25,
};

/// The text shown for a finding ("Port calculation mode undefined."); empty for 22 and for
/// values outside the enumeration.
std::string_view VoyageErrorMessage(TVoyageError code);

/// The voyage-level check of the calculation mode and the rates, units and load rates of the
/// groups that the mode pools; the first failing test decides. Non reversible has no check.
/// Reads the voyage, the ports (is there a loading or discharging port) and the template
/// setting that disables despatch; changes nothing.
TVoyageError VoyageCheck(const TCalculation& calculation);

/// Whether the pro-rata lines are part of a quiet validation.
enum class TProRataCheck : std::uint8_t { Skip, Check };

/// Where the quiet validation found what.
enum class TFindingPlace : std::uint8_t { None, Voyage, Port, StatementOfFacts, ProRata };

struct TCalcFinding {
  TFindingPlace Place = TFindingPlace::None;
  /// The text shown for the finding; empty when nothing was found.
  std::string Message;
  /// The port of a port or statement-of-facts finding; −1 otherwise.
  int Port = -1;
  /// The line of a statement-of-facts or pro-rata finding; −1 otherwise.
  int Line = -1;

  bool Valid() const { return Place == TFindingPlace::None; }
};

/// The quiet validation (no dialogs, no focus changes), stopping at the first finding: the
/// voyage check (the despatch warning counts as a finding here); pro rata on time outside the
/// non-reversible mode; the ports, with a long port time accepted; each port's statement of
/// facts ("Invalid SoF entry: " and the line's finding); and with TProRataCheck::Check the
/// pro-rata lines ("Invalid ProRata entry: " and the line's finding). Sets the voyage's
/// AllDataValid to whether nothing was found.
TCalcFinding CanCalculate(TCalculation& calculation, TProRataCheck proRata);

} // namespace laytime
