#include "core/TimeText.h"

#include "core/Errors.h"
#include "core/Rounding.h"
#include "core/TextUtil.h"

#include <cstdio>
#include <optional>

namespace laytime {

namespace {

[[noreturn]] void ThrowOutOfRange(long long value) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "ZQTimeToStr: Value %lld out of range %d..%d", value, 0,
                MinutesPerDay);
  throw EConvertError(buffer);
}

std::string HoursAndMinutes(long long minutes) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02lld:%02lld", minutes / 60, minutes % 60);
  return buffer;
}

bool Fail(TMinuteOfDay& minute) {
  minute = EmptyTime;
  return false;
}

bool Accept(TMinuteOfDay& minute, long long value) {
  minute = static_cast<TMinuteOfDay>(value);
  return true;
}

bool IsZeroDigits(std::string_view part) {
  return !part.empty() && part.size() <= 2 && part.find_first_not_of('0') == std::string_view::npos;
}

// 24:00, or 24:00:00, and nothing else: the end of the day, which no clock reading knows.
bool IsEndOfDay(std::string_view text) {
  std::string rest(text);
  const std::string hour(Trim(SplitToken(rest, ':')));
  if (hour != "24" || rest.empty())
    return false;
  const std::string minutes(Trim(SplitToken(rest, ':')));
  if (!IsZeroDigits(minutes))
    return false;
  return rest.empty() || IsZeroDigits(Trim(rest));
}

bool ReadRelativeTime(std::string_view text, TMinuteOfDay& minute) {
  const std::optional<std::int32_t> offset = TryStrToInt(text);
  if (!offset || minute == EmptyTime)
    return Fail(minute);
  const long long moved = static_cast<long long>(minute) + *offset;
  if (moved < 0 || moved > MinutesPerDay)
    return Fail(minute);
  return Accept(minute, moved);
}

bool ReadDigitsTime(std::string_view text, TMinuteOfDay& minute) {
  const std::optional<std::int32_t> value = TryStrToInt(text);
  if (!value || *value < 0)
    return Fail(minute);
  const int hour = text.size() <= 2 ? *value : *value / 100;
  const int minutes = text.size() <= 2 ? 0 : *value % 100;
  const bool withinDay = minutes < 60 && hour < 24;
  const bool endOfDay = hour == 24 && minutes == 0;
  if (!withinDay && !endOfDay)
    return Fail(minute);
  return Accept(minute, hour * 60 + minutes);
}

bool ReadColonTime(std::string_view text, TMinuteOfDay& minute, const ILocale& locale) {
  std::string completed(text);
  if (completed.back() == ':')
    completed += "00";
  if (completed.front() == ':')
    completed = "0" + completed;
  if (IsEndOfDay(completed))
    return Accept(minute, MinutesPerDay);
  const std::optional<double> fraction = locale.ReadTime(completed);
  if (!fraction || *fraction < 0.0 || *fraction > 1.0)
    return Fail(minute);
  return Accept(minute, RoundHalfEven(*fraction * MinutesPerDay));
}

} // namespace

std::string ZQTimeToStr(int minute) {
  if (minute == EmptyTime)
    return {};
  if (minute < 0 || minute > MinutesPerDay)
    ThrowOutOfRange(minute);
  return HoursAndMinutes(minute);
}

std::string ZQDurationToStr(std::int32_t minutes) {
  if (minutes == EmptyTime)
    return {};
  if (minutes < 0)
    ThrowOutOfRange(minutes);
  return HoursAndMinutes(minutes);
}

bool StrToZQTime(std::string_view text, TMinuteOfDay& minute, const TFormatContext& context) {
  const std::string_view trimmed = Trim(text);
  if (trimmed.empty()) {
    minute = EmptyTime;
    return true;
  }
  if (trimmed.find_first_of("+-") != std::string_view::npos)
    return ReadRelativeTime(trimmed, minute);
  if (trimmed.find(':') == std::string_view::npos)
    return ReadDigitsTime(trimmed, minute);
  return ReadColonTime(trimmed, minute, context.Locale);
}

TMinuteOfDay StrToZQTimeValue(std::string_view text, const TFormatContext& context) {
  TMinuteOfDay minute = EmptyTime;
  StrToZQTime(text, minute, context);
  return minute;
}

} // namespace laytime
