#include "core/DayTime.h"

#include "core/Rounding.h"

#include <cmath>

namespace laytime {

namespace {
bool IsEmptyDay(TDayNumber day) {
  return day == EmptyDay || day == EmptyTime;
}
} // namespace

TMinuteStamp DayTimeToMinutes(TDayNumber day, int minute) {
  // The product wraps like the 32-bit arithmetic the stored stamps were made with.
  const std::uint32_t dayPart = IsEmptyDay(day) ? 0u : static_cast<std::uint32_t>(day) * 1440u;
  const std::uint32_t minutePart = minute == EmptyTime ? 0u : static_cast<std::uint32_t>(minute);
  return static_cast<TMinuteStamp>(dayPart + minutePart);
}

TDayTime MinutesToDayTime(TMinuteStamp stamp) {
  if (stamp == EmptyInt)
    return {};
  return {stamp / MinutesPerDay, static_cast<TMinuteOfDay>(stamp % MinutesPerDay)};
}

double DayTimeToDateTime(TDayNumber day, int minute) {
  const double fraction = minute == EmptyTime ? 0.0 : minute / 1440.0;
  return IsEmptyDay(day) ? fraction : fraction + day;
}

TDayTime DateTimeToDayTime(double moment) {
  const double day = std::trunc(moment);
  // A moment that is no number, or whose day no 32-bit day number holds, has no day and time.
  const bool hasDay = day >= -2147483648.0 && day <= 2147483647.0;
  if (!hasDay)
    return {};
  const auto minute = RoundHalfEven((moment - day) * 1440.0);
  return {static_cast<TDayNumber>(day), static_cast<TMinuteOfDay>(minute)};
}

} // namespace laytime
