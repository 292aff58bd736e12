// Demurrage and despatch rates: plain amounts per day against amounts per cargo unit and day,
// and the per-hour form in which the user may enter and see them.
#pragma once

#include "core/Enums.h"

namespace laytime {

/// Whether a demurrage or despatch rate is a plain amount per day: at least `perUnitLimit` or
/// at most 0.005 (which includes 0 and EmptyReal). A rate in between is an amount per cargo
/// unit and day.
bool IsPlainDailyRate(double rate, double perUnitLimit);

/// The amount per day: the rate itself when it is entered and a plain daily amount, otherwise
/// quantity × rate when both are entered, otherwise 0.
double EffectiveDailyRate(double quantity, double rate, double perUnitLimit);

/// A rate as the user typed it turned into the stored daily rate: × 24 for `druPerHour`,
/// unchanged for `druPerDay`. EmptyReal stays EmptyReal; a unit value outside the enumeration
/// gives 0.
double PerHourToStoredRate(double rate, TDemurrateRateUnit unit);

/// A stored daily rate as the user sees it: / 24 truncated to two decimals for `druPerHour`,
/// unchanged for `druPerDay`. EmptyReal stays EmptyReal; a unit value outside the enumeration
/// gives 0. A rate typed per hour with at most two decimals reads back exactly as typed.
double StoredRateToPerHour(double rate, TDemurrateRateUnit unit);

} // namespace laytime
