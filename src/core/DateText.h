// Dates as text: the display and editing forms of day numbers under the date-format setting,
// the reading of typed dates, and the English weekday names.
#pragma once

#include "core/FormatContext.h"
#include "core/ZQTypes.h"

#include <array>
#include <string>
#include <string_view>

namespace laytime {

/// The entries of the date-format list, by setting 0..3.
inline constexpr std::array<std::string_view, 4> DateFormatCaptions = {
    "Windows default", "ANSI/Int'l     (yyyy-mm-dd)", "European     (dd.mm.yyyy)",
    "US-English   (mm/dd/yyyy)"};

/// The date format of the setting: the locale's short date format for setting 0, else
/// yyyy"-"mm"-"dd, dd"."mm"."yyyy or mm"/"dd"/"yyyy.
std::string DateFormatString(const TFormatContext& context);

/// The date separator of the setting: the locale's for setting 0, else '-', '.' or '/'.
std::string DateSeparatorOf(const TFormatContext& context);

/// The text of a day; EmptyDay gives the empty string. The editing form (`numericMonth` set)
/// writes the month as a number where the locale's format names it; both forms drop weekday
/// names. Settings 1..3 give the same text in both forms.
std::string ZQDateToStr(TDayNumber day, bool numericMonth, const TFormatContext& context);

/// "Saturday" for day 0 and so on (the first three letters when `longName` is unset);
/// a negative day, EmptyDay included, gives the empty string.
std::string WeekdayName(TDayNumber day, bool longName);

/// Reads a typed date into `day` and returns true, or empties `day` and returns false.
///
/// - Empty text gives EmptyDay (true).
/// - "+n" or "-n" moves `day` by n days; an empty `day` moves from `defaultDay` instead.
/// - Digits without a separator are split by position: 1005 is 10.05, 10523 is 1.05.23,
///   100523 is 10.05.23 (the groups in the order of the format).
/// - One number is a day, two are day and month, three a full date; the missing parts come
///   from `defaultDay`, or from today when it is empty. With `assumeFuture` a day or day and
///   month before that base date move on to the next month or year.
/// - The month may be a short or long month name of the locale; years 81..99 are 1981..1999
///   and 0..80 are 2000..2080.
///
/// Raises EConvertError for a word where no month name may stand, and for a date format
/// that lacks the day, month or year.
bool StrToZQDate(std::string_view text, TDayNumber defaultDay, TDayNumber& day, bool assumeFuture,
                 const TFormatContext& context);

} // namespace laytime
