#include "core/DateText.h"

#include "core/Calendar.h"
#include "core/Errors.h"
#include "core/TextUtil.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

namespace laytime {

namespace {

constexpr std::array<std::string_view, 7> WeekdayNames = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

bool IsSystemSetting(int dateFormat) {
  return dateFormat < 1 || dateFormat > 3;
}

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::size_t RunLength(std::string_view format, std::size_t start) {
  const char letter = LowerAscii(format[start]);
  std::size_t end = start;
  while (end < format.size() && LowerAscii(format[end]) == letter)
    ++end;
  return end - start;
}

// Shortens every run of three or more `letter`s (either case) to `replacement`.
std::string ShortenRuns(std::string_view format, char letter, std::string_view replacement) {
  std::string out;
  std::size_t i = 0;
  while (i < format.size()) {
    if (LowerAscii(format[i]) != letter) {
      out += format[i++];
      continue;
    }
    const std::size_t run = RunLength(format, i);
    out += run >= 3 ? replacement : format.substr(i, run);
    i += run;
  }
  return out;
}

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

std::string FourDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d", value);
  return buffer;
}

// Writes a date by the platform's format letters: d and dd for the day, M to MMMM for the
// month as number or name, yy and yyyy for the year, quoted literals, and '/' for the
// locale's date separator.
std::string FormatDate(const TCalendarDate& date, std::string_view format, const ILocale& locale) {
  std::string out;
  std::size_t i = 0;
  while (i < format.size()) {
    const char c = format[i];
    if (c == '"' || c == '\'') {
      const std::size_t close = format.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? format.size() : close;
      out += format.substr(i + 1, end - i - 1);
      i = end + 1;
      continue;
    }
    const char letter = LowerAscii(c);
    if (letter != 'd' && letter != 'm' && letter != 'y') {
      if (c == '/')
        out += locale.DateSeparator();
      else
        out += c;
      ++i;
      continue;
    }
    const std::size_t run = RunLength(format, i);
    i += run;
    if (letter == 'd') {
      out += run == 1 ? std::to_string(date.Day) : TwoDigits(date.Day);
    } else if (letter == 'y') {
      out += run <= 2 ? TwoDigits(date.Year % 100) : FourDigits(date.Year);
    } else if (run <= 2) {
      out += run == 1 ? std::to_string(date.Month) : TwoDigits(date.Month);
    } else {
      out += run == 3 ? locale.ShortMonthName(date.Month) : locale.LongMonthName(date.Month);
    }
  }
  return out;
}

// The positions 1..3 of day, month and year in the format.
struct TDateOrder {
  int Day = 0;
  int Month = 0;
  int Year = 0;
};

TDateOrder DateOrderOf(const std::string& format) {
  const std::string upper = UpperCaseText(format);
  const std::size_t day = upper.find('D');
  const std::size_t month = upper.find('M');
  const std::size_t year = upper.find('Y');
  const auto npos = std::string::npos;
  if (day == npos || month == npos || year == npos)
    throw EConvertError("StrToZQDate: Unexpected error in translating DateFormat " + format);
  const auto rank = [](std::size_t own, std::size_t other1, std::size_t other2) {
    return 1 + (other1 < own ? 1 : 0) + (other2 < own ? 1 : 0);
  };
  return {rank(day, month, year), rank(month, day, year), rank(year, day, month)};
}

// Puts the separator between the groups of a date typed as digits only: after the first and
// third character of an odd length, after the second and fourth of an even length.
std::string InsertSeparators(std::string text, const std::string& separator) {
  const std::size_t length = text.size();
  const bool odd = length % 2 != 0;
  const std::size_t first = odd ? 1 : 2;
  const std::size_t second = odd ? 3 : 4;
  if (length > second)
    text.insert(second, separator);
  if (length > first)
    text.insert(first, separator);
  return text;
}

// Up to three non-empty, trimmed tokens between the separators.
std::vector<std::string> DateTokens(std::string_view text, const std::string& separator) {
  std::vector<std::string> tokens;
  while (tokens.size() < 3 && !text.empty()) {
    const std::size_t at = text.find(separator);
    const std::string_view token = Trim(text.substr(0, at));
    text = at == std::string_view::npos ? std::string_view() : text.substr(at + separator.size());
    if (!token.empty())
      tokens.emplace_back(token);
  }
  return tokens;
}

std::optional<int> MonthByName(const std::string& token, const ILocale& locale) {
  const std::string upper = UpperCaseText(token);
  for (int month = 1; month <= 12; ++month) {
    if (upper == UpperCaseText(locale.ShortMonthName(month)) ||
        upper == UpperCaseText(locale.LongMonthName(month)))
      return month;
  }
  return std::nullopt;
}

[[noreturn]] void ThrowInvalidToken(const std::string& token) {
  throw EConvertError("StrToZQDate: Invalid token in source string: \"" + token + "\"");
}

// The value of each token; a word is read as a month name at `monthIndex` only.
std::vector<int> TokenValues(const std::vector<std::string>& tokens, std::size_t monthIndex,
                             const ILocale& locale) {
  std::vector<int> values;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (const std::optional<std::int32_t> number = TryStrToInt(tokens[i])) {
      values.push_back(*number);
      continue;
    }
    if (i != monthIndex)
      ThrowInvalidToken(tokens[i]);
    const std::optional<int> month = MonthByName(tokens[i], locale);
    if (!month)
      ThrowInvalidToken(tokens[i]);
    values.push_back(*month);
  }
  return values;
}

int CompleteYear(int year) {
  if (year < 0 || year > 99)
    return year;
  return year > 80 ? 1900 + year : 2000 + year;
}

bool ReadRelativeDate(std::string_view text, TDayNumber defaultDay, TDayNumber& day) {
  const std::optional<std::int32_t> offset = TryStrToInt(text);
  const TDayNumber base = day != EmptyDay ? day : defaultDay;
  if (!offset || base == EmptyDay) {
    day = EmptyDay;
    return false;
  }
  // Neither before day 0 nor beyond the last valid date, so the result always has a text.
  const std::int64_t moved = std::int64_t{base} + *offset;
  if (moved < 0 || moved > LastValidDay) {
    day = EmptyDay;
    return false;
  }
  day = static_cast<TDayNumber>(moved);
  return true;
}

} // namespace

std::string DateFormatString(const TFormatContext& context) {
  switch (context.DateFormat) {
  case 1:
    return "yyyy\"-\"mm\"-\"dd";
  case 2:
    return "dd\".\"mm\".\"yyyy";
  case 3:
    return "mm\"/\"dd\"/\"yyyy";
  default:
    return context.Locale.ShortDateFormat();
  }
}

std::string DateSeparatorOf(const TFormatContext& context) {
  switch (context.DateFormat) {
  case 1:
    return "-";
  case 2:
    return ".";
  case 3:
    return "/";
  default:
    break;
  }
  std::string separator = context.Locale.DateSeparator();
  // An empty separator could not split anything; the platform's usual one stands in.
  return separator.empty() ? "/" : separator;
}

std::string ZQDateToStr(TDayNumber day, bool numericMonth, const TFormatContext& context) {
  if (day == EmptyDay)
    return {};
  std::string format = DateFormatString(context);
  if (IsSystemSetting(context.DateFormat)) {
    format = ShortenRuns(format, 'd', "dd");
    if (numericMonth)
      format = ShortenRuns(format, 'm', "MM");
  }
  return FormatDate(DecodeDate(day), format, context.Locale);
}

std::string WeekdayName(TDayNumber day, bool longName) {
  if (day < 0)
    return {};
  const std::string_view name = WeekdayNames[static_cast<std::size_t>((std::int64_t{day} + 5) % 7)];
  return std::string(longName ? name : name.substr(0, 3));
}

bool StrToZQDate(std::string_view text, TDayNumber defaultDay, TDayNumber& day, bool assumeFuture,
                 const TFormatContext& context) {
  const std::string_view trimmed = Trim(text);
  if (trimmed.empty()) {
    day = EmptyDay;
    return true;
  }
  if (trimmed.front() == '+' || trimmed.front() == '-')
    return ReadRelativeDate(trimmed, defaultDay, day);

  const std::string separator = DateSeparatorOf(context);
  std::string work(trimmed);
  if (work.find(separator) == std::string::npos)
    work = InsertSeparators(std::move(work), separator);
  const TDateOrder order = DateOrderOf(DateFormatString(context));

  const std::vector<std::string> tokens = DateTokens(work, separator);
  const bool dayBeforeMonth = order.Day < order.Month;
  std::size_t monthIndex = std::string::npos;
  if (tokens.size() == 2)
    monthIndex = dayBeforeMonth ? 1 : 0;
  else if (tokens.size() == 3)
    monthIndex = static_cast<std::size_t>(order.Month - 1);
  const std::vector<int> values = TokenValues(tokens, monthIndex, context.Locale);

  const TCalendarDate base =
      DecodeDate(defaultDay != EmptyDay ? defaultDay : context.Clock.Today());
  TCalendarDate date = base;
  switch (values.size()) {
  case 1:
    date.Day = values[0];
    if (assumeFuture && date.Day < base.Day) {
      date.Month = base.Month == 12 ? 1 : base.Month + 1;
      date.Year = base.Month == 12 ? base.Year + 1 : base.Year;
    }
    break;
  case 2: {
    date.Day = dayBeforeMonth ? values[0] : values[1];
    date.Month = dayBeforeMonth ? values[1] : values[0];
    const bool beforeBase =
        date.Month < base.Month || (date.Month == base.Month && date.Day < base.Day);
    if (assumeFuture && beforeBase)
      ++date.Year;
    break;
  }
  case 3:
    date.Day = values[static_cast<std::size_t>(order.Day - 1)];
    date.Month = values[static_cast<std::size_t>(order.Month - 1)];
    date.Year = CompleteYear(values[static_cast<std::size_t>(order.Year - 1)]);
    break;
  default:
    day = EmptyDay;
    return false;
  }

  const std::optional<TDayNumber> read = TryEncodeDate(date.Year, date.Month, date.Day);
  day = read.value_or(EmptyDay);
  return read.has_value();
}

} // namespace laytime
