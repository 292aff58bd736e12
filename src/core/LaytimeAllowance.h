// The laytime allowance that follows from a cargo quantity, a rate and the rate's unit.
#pragma once

#include "core/Enums.h"
#include "core/Rounding.h"
#include "core/ZQTypes.h"

namespace laytime {

/// The allowance in minutes. A customary-quick-despatch port has none. A rate that is not
/// above 0 (EmptyReal included) contributes nothing, so only the additional allowance counts.
/// Otherwise the rate part is quantity × 1440 / rate (units per day, only for a quantity above
/// 0), quantity × 60 / rate (units per hour), rate × 1440 (days) or rate × 60 (hours); an
/// undefined unit reads a rate up to `loadDaysLimit` as days and a larger one as units per day.
/// The rate part is rounded to a whole minute by `mode`; then the additional allowance
/// (`addDays` days and `addTime` minutes, each counting 0 when empty) is added.
/// An allowance beyond the 32-bit range is held at its largest (or smallest) value, so that
/// an absurd input stays recognisably too long instead of wrapping into a plausible figure.
/// Throws ERangeError for a unit value outside 0..4 when the rate counts.
TDuration LaytimeMinutes(double quantity, double rate, TLoadUnits units, TDayNumber addDays,
                         int addTime, bool isCQD, double loadDaysLimit,
                         TRoundingMode mode = TRoundingMode::Nearest);

} // namespace laytime
