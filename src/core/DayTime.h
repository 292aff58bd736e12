// Conversions between day numbers, minutes of day, minute stamps and the platform's
// real-valued moments. None of them fails; the empty markers pass through as specified.
#pragma once

#include "core/ZQTypes.h"

namespace laytime {

/// (0 for an empty day, else day × 1440) + (0 for an empty minute, else minute), in 32 bits.
/// A day of −32767 (an empty time widened to 32 bits) counts as empty too.
TMinuteStamp DayTimeToMinutes(TDayNumber day, int minute);

struct TDayTime {
  TDayNumber Day = EmptyDay;
  TMinuteOfDay Minute = EmptyTime;

  bool operator==(const TDayTime&) const = default;
};

/// EmptyInt gives both empty markers; otherwise truncating division by 1440
/// (a negative stamp gives a negative minute).
TDayTime MinutesToDayTime(TMinuteStamp stamp);

/// Days since 30 December 1899 with the time of day as the fraction.
double DayTimeToDateTime(TDayNumber day, int minute);

/// The day is the moment truncated toward zero; the minute is the fraction × 1440 rounded
/// half-even, so a moment less than half a minute before midnight gives minute 1440.
/// A moment that is not a number or lies beyond the 32-bit day numbers gives both empty markers.
TDayTime DateTimeToDayTime(double moment);

/// The empty marker becomes 0; any other value passes unchanged.
inline double EmptyToZero(double value) {
  return value == EmptyReal ? 0.0 : value;
}
inline TMinuteOfDay EmptyToZero(TMinuteOfDay minute) {
  return minute == EmptyTime ? TMinuteOfDay{0} : minute;
}
/// As EmptyToZero for a minute of day that has been widened to an int.
inline int EmptyTimeToZero(int minute) {
  return minute == EmptyTime ? 0 : minute;
}

} // namespace laytime
