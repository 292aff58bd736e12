#include "core/LaytimeAllowance.h"

#include "core/DayTime.h"
#include "core/Errors.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace laytime {

namespace {

constexpr std::int64_t LargestAllowance = std::numeric_limits<TDuration>::max();
// One above the smallest 32-bit value, which is the marker of a duration not computed.
constexpr std::int64_t SmallestAllowance = EmptyInt + 1;

std::int64_t RoundMinutes(double minutes, TRoundingMode mode) {
  if (std::isnan(minutes))
    return 0;
  // Held inside a range that every rounding mode can turn into a 64-bit integer; anything
  // beyond it is out of the 32-bit range anyway and is held there by the caller.
  constexpr double Bound = 1.0E15;
  return RoundWithMode(std::clamp(minutes, -Bound, Bound), mode);
}

double RatePartMinutes(double quantity, double rate, TLoadUnits units, double loadDaysLimit) {
  switch (units) {
  case TLoadUnits::load_units_p_day:
    return quantity > 0.0 ? quantity * MinutesPerDay / rate : 0.0;
  case TLoadUnits::load_units_p_hour:
    return quantity > 0.0 ? quantity * 60.0 / rate : 0.0;
  case TLoadUnits::load_days:
    return rate * MinutesPerDay;
  case TLoadUnits::load_hours:
    return rate * 60.0;
  case TLoadUnits::load_undef:
    if (rate <= loadDaysLimit)
      return rate * MinutesPerDay;
    return quantity > 0.0 ? quantity * MinutesPerDay / rate : 0.0;
  }
  throw ERangeError("<Result> LoadUnit undefined: " + std::to_string(static_cast<int>(units)) +
                    " is not within the valid range of 0..4");
}

// The minutes of DayTimeToMinutes(days, time), with the same markers counting as empty, but
// added in 64 bits: the stored stamps wrap round at 32 bits, an allowance must not.
std::int64_t AdditionalAllowanceMinutes(TDayNumber days, int time) {
  const bool emptyDays = days == EmptyDay || days == EmptyTime;
  const std::int64_t dayPart = emptyDays ? 0 : static_cast<std::int64_t>(days) * MinutesPerDay;
  return dayPart + EmptyTimeToZero(time);
}

} // namespace

TDuration LaytimeMinutes(double quantity, double rate, TLoadUnits units, TDayNumber addDays,
                         int addTime, bool isCQD, double loadDaysLimit, TRoundingMode mode) {
  if (isCQD)
    return 0;
  // A rate that is not a number fails the comparison and counts as not entered.
  const bool rateCounts = rate > 0.0;
  const std::int64_t ratePart =
      rateCounts ? RoundMinutes(RatePartMinutes(quantity, rate, units, loadDaysLimit), mode) : 0;
  const std::int64_t total = ratePart + AdditionalAllowanceMinutes(addDays, addTime);
  return static_cast<TDuration>(std::clamp(total, SmallestAllowance, LargestAllowance));
}

} // namespace laytime
