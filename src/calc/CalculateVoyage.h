// The one entry of the laytime calculation.
#pragma once

#include "calc/TCalcNotices.h"

namespace laytime {

class TCalculation;

/// What a voyage calculation hands back besides the results it writes into the records.
struct TVoyageCalcResult {
  /// False for an undefined calculation mode; also stored in the voyage's ResultValid.
  bool ResultProduced = false;
  /// The weekend-entry and shifting notices of this calculation, first occurrence over all
  /// ports in port order; empty when nothing was recorded.
  TCalcNotices Notices;
};

/// Calculates the open calculation under its mode: resets the voyage results, counts every
/// port (CountPortTime), pools the allowances of reversible groups, works out the balances and
/// the demurrage, despatch and commission amounts per port, per group and for the voyage, and
/// refreshes the pro-rata details of every partner at every port.
///
/// Two inputs are rewritten and stay so: a SHEX window that runs over the end of the week gets
/// its end day stored a week later (Friday until Monday becomes 5 until 8), and a completion at
/// 00:00 becomes 24:00 of the day before. With despatch disabled for the voyage no despatch is
/// paid, whatever rates are entered.
///
/// The inputs must have been validated. A range error of an undefined load unit, or a
/// tiered price without tiers, propagates; the records then hold partial results and
/// ResultValid stays false.
TVoyageCalcResult CalculateVoyage(TCalculation& calculation);

} // namespace laytime
