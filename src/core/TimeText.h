// Minutes of day and durations as text, and the reading of typed times.
#pragma once

#include "core/FormatContext.h"
#include "core/ZQTypes.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace laytime {

/// hh:mm for a minute of day 0..1440 (1440 is 24:00); EmptyTime gives the empty string.
/// Raises EConvertError "ZQTimeToStr: Value %d out of range %d..%d" for any other value.
std::string ZQTimeToStr(int minute);

/// Hours and minutes of a duration, the hours with at least two digits (1500 is 25:00);
/// EmptyTime gives the empty string. A negative duration raises the error of ZQTimeToStr.
std::string ZQDurationToStr(std::int32_t minutes);

/// Reads a typed time into `minute` and returns true, or empties `minute` and returns false.
///
/// - Empty text gives EmptyTime (true).
/// - "+n" or "-n" moves a non-empty `minute` by n minutes within 0..1440.
/// - Digits alone: up to two are the hour (8 is 08:00), more are hhmm (830 is 08:30);
///   2400 is 24:00.
/// - With a colon the locale reads the time; "8:" is 08:00, ":30" is 00:30 and 24:00 is 1440.
///   Seconds are rounded to the nearest minute.
bool StrToZQTime(std::string_view text, TMinuteOfDay& minute, const TFormatContext& context);

/// The time read from `text` as StrToZQTime reads it, starting from an empty value, or
/// EmptyTime when it cannot be read.
TMinuteOfDay StrToZQTimeValue(std::string_view text, const TFormatContext& context);

} // namespace laytime
