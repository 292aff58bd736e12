// The value kinds every part of the calculation shares: day numbers, minutes of day,
// minute stamps, durations and reals, each with the marker of a value not entered.
#pragma once

#include <cstdint>
#include <string>

namespace laytime {

/// Whole days since 30 December 1899; day 0 is a Saturday.
using TDayNumber = std::int32_t;
/// 0..1440 minutes after midnight; 1440 is 24:00, the end of the day it belongs to.
using TMinuteOfDay = std::int16_t;
/// Day number × 1440 + minute of day; used to compare and subtract moments.
using TMinuteStamp = std::int32_t;
/// Whole minutes; negative for time saved.
using TDuration = std::int32_t;

inline constexpr TDayNumber EmptyDay = -2147483647;
inline constexpr TMinuteOfDay EmptyTime = -32767;
/// A minute stamp, duration or 32-bit count that has not been computed or entered.
inline constexpr std::int32_t EmptyInt = -2147483647;
inline constexpr double EmptyReal = -1.0E36;

inline constexpr int MinutesPerDay = 1440;

/// A moment with the free text shown beside it (laytime commences, completed, informative entries).
struct TDateTimeInfoRec {
  TDayNumber Date = EmptyDay;
  TMinuteOfDay Time = EmptyTime;
  std::string Text;

  bool operator==(const TDateTimeInfoRec&) const = default;
};

} // namespace laytime
