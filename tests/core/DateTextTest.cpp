#include "core/DateText.h"

#include "core/Calendar.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

TDayNumber Day(int year, int month, int day) {
  return TryEncodeDate(year, month, day).value();
}

const TDayNumber March28 = 45379; // Thursday 28 March 2024

TFixedLocale LocaleWithFormat(std::string format, std::string separator) {
  return TFixedLocale(
      {std::move(format),
       std::move(separator),
       ".",
       ",",
       {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
       {"January", "February", "March", "April", "May", "June", "July", "August", "September",
        "October", "November", "December"},
       ":",
       "AM",
       "PM"});
}

// ---- Writing dates ----

struct TDateTextCase {
  const char* Name;
  const ILocale* Locale;
  int Setting;
  TDayNumber Day;
  std::string Display;
  std::string Editing;
};

class DateTextForms : public testing::TestWithParam<TDateTextCase> {};

TEST_P(DateTextForms, WritesDisplayAndEditingForm) {
  const TDateTextCase& c = GetParam();
  const TFormatContext context{*c.Locale, c.Setting};
  EXPECT_EQ(ZQDateToStr(c.Day, false, context), c.Display);
  EXPECT_EQ(ZQDateToStr(c.Day, true, context), c.Editing);
}

const TFixedLocale NamedMonthLocale = LocaleWithFormat("dd-MMM-yyyy", "-");
const TFixedLocale WeekdayLocale = LocaleWithFormat("dddd, d/MMMM/yy", ".");
const TFixedLocale QuotedLocale = LocaleWithFormat("d 'de' MMM \"de\" yyyy", "/");

INSTANTIATE_TEST_SUITE_P(
    Settings, DateTextForms,
    testing::Values(
        TDateTextCase{"EnglishSystem", &EnglishUSLocale(), 0, March28, "3/28/2024", "3/28/2024"},
        TDateTextCase{"EnglishSystemUnpadded", &EnglishUSLocale(), 0, Day(2024, 1, 5), "1/5/2024",
                      "1/5/2024"},
        TDateTextCase{"GermanSystem", &GermanLocale(), 0, Day(2024, 1, 5), "05.01.2024",
                      "05.01.2024"},
        TDateTextCase{"IsoSystem", &IsoLocale(), 0, March28, "2024-03-28", "2024-03-28"},
        TDateTextCase{"Ansi", &EnglishUSLocale(), 1, Day(2024, 1, 5), "2024-01-05", "2024-01-05"},
        TDateTextCase{"European", &EnglishUSLocale(), 2, Day(2024, 1, 5), "05.01.2024",
                      "05.01.2024"},
        TDateTextCase{"UsEnglish", &GermanLocale(), 3, Day(2024, 1, 5), "01/05/2024", "01/05/2024"},
        TDateTextCase{"UnknownSettingIsSystem", &GermanLocale(), 7, March28, "28.03.2024",
                      "28.03.2024"},
        TDateTextCase{"MonthNameOnlyForDisplay", &NamedMonthLocale, 0, March28, "28-Mar-2024",
                      "28-03-2024"},
        TDateTextCase{"WeekdayNamesDropped", &WeekdayLocale, 0, March28, "28, 28.March.24",
                      "28, 28.03.24"},
        TDateTextCase{"QuotedLiterals", &QuotedLocale, 0, March28, "28 de Mar de 2024",
                      "28 de 03 de 2024"},
        TDateTextCase{"SettingsIgnoreMonthNames", &NamedMonthLocale, 2, March28, "28.03.2024",
                      "28.03.2024"},
        TDateTextCase{"Empty", &GermanLocale(), 0, EmptyDay, "", ""}),
    [](const testing::TestParamInfo<TDateTextCase>& info) { return info.param.Name; });

TEST(DateTextTest, FormatStringsAndSeparatorsOfTheSettings) {
  const ILocale& german = GermanLocale();
  EXPECT_EQ(DateFormatString({german, 0}), "dd.MM.yyyy");
  EXPECT_EQ(DateFormatString({german, 1}), "yyyy\"-\"mm\"-\"dd");
  EXPECT_EQ(DateFormatString({german, 2}), "dd\".\"mm\".\"yyyy");
  EXPECT_EQ(DateFormatString({german, 3}), "mm\"/\"dd\"/\"yyyy");
  EXPECT_EQ(DateSeparatorOf({german, 0}), ".");
  EXPECT_EQ(DateSeparatorOf({german, 1}), "-");
  EXPECT_EQ(DateSeparatorOf({german, 2}), ".");
  EXPECT_EQ(DateSeparatorOf({german, 3}), "/");
  EXPECT_EQ(DateFormatCaptions[1], "ANSI/Int'l     (yyyy-mm-dd)");
}

// ---- Weekday names ----

struct TWeekdayCase {
  TDayNumber Day;
  std::string Long;
  std::string Short;
};

class WeekdayNames : public testing::TestWithParam<TWeekdayCase> {};

TEST_P(WeekdayNames, NamesTheDay) {
  const TWeekdayCase& c = GetParam();
  EXPECT_EQ(WeekdayName(c.Day, true), c.Long);
  EXPECT_EQ(WeekdayName(c.Day, false), c.Short);
}

INSTANTIATE_TEST_SUITE_P(Days, WeekdayNames,
                         testing::Values(TWeekdayCase{0, "Saturday", "Sat"},
                                         TWeekdayCase{1, "Sunday", "Sun"},
                                         TWeekdayCase{2, "Monday", "Mon"},
                                         TWeekdayCase{March28, "Thursday", "Thu"},
                                         TWeekdayCase{2147483647, "Sunday", "Sun"},
                                         TWeekdayCase{-1, "", ""}, TWeekdayCase{EmptyDay, "", ""}));

// ---- Reading dates ----

struct TReadDateCase {
  const char* Name;
  const ILocale* Locale;
  int Setting;
  std::string Text;
  TDayNumber DefaultDay;
  TDayNumber StartDay; // the value of the field before reading, the base of relative entries
  bool AssumeFuture;
  bool Read;
  TDayNumber Expected;
};

class DateReading : public testing::TestWithParam<TReadDateCase> {};

TEST_P(DateReading, ReadsTypedText) {
  const TReadDateCase& c = GetParam();
  const TFixedClock clock(Day(2023, 6, 15));
  const TFormatContext context{*c.Locale, c.Setting, clock};
  TDayNumber day = c.StartDay;
  EXPECT_EQ(StrToZQDate(c.Text, c.DefaultDay, day, c.AssumeFuture, context), c.Read);
  EXPECT_EQ(day, c.Expected);
}

const ILocale* const English = &EnglishUSLocale();
const ILocale* const German = &GermanLocale();

INSTANTIATE_TEST_SUITE_P(
    European, DateReading,
    testing::Values(
        TReadDateCase{"DayInFuture", English, 2, "3", March28, EmptyDay, true, true,
                      Day(2024, 4, 3)},
        TReadDateCase{"DayThisMonth", English, 2, "3", March28, EmptyDay, false, true,
                      Day(2024, 3, 3)},
        TReadDateCase{"SameDayStays", English, 2, "28", March28, EmptyDay, true, true, March28},
        TReadDateCase{"DayRollsIntoJanuary", English, 2, "3", Day(2024, 12, 28), EmptyDay, true,
                      true, Day(2025, 1, 3)},
        TReadDateCase{"DayMonthInFuture", English, 2, "1.2", March28, EmptyDay, true, true,
                      Day(2025, 2, 1)},
        TReadDateCase{"DayMonthThisYear", English, 2, "1.2", March28, EmptyDay, false, true,
                      Day(2024, 2, 1)},
        TReadDateCase{"EarlierDayOfBaseMonth", English, 2, "27.3", March28, EmptyDay, true, true,
                      Day(2025, 3, 27)},
        TReadDateCase{"BaseDayIsNotPast", English, 2, "28.3", March28, EmptyDay, true, true,
                      March28},
        TReadDateCase{"SixDigits", English, 2, "010581", March28, EmptyDay, false, true,
                      Day(1981, 5, 1)},
        TReadDateCase{"FiveDigits", English, 2, "10523", March28, EmptyDay, false, true,
                      Day(2023, 5, 1)},
        TReadDateCase{"FourDigits", English, 2, "1005", March28, EmptyDay, false, true,
                      Day(2024, 5, 10)},
        TReadDateCase{"ThreeDigits", English, 2, "105", March28, EmptyDay, false, true,
                      Day(2024, 5, 1)},
        TReadDateCase{"EightDigits", English, 2, "10052024", March28, EmptyDay, false, true,
                      Day(2024, 5, 10)},
        TReadDateCase{"Year80Is2080", English, 2, "01.05.80", March28, EmptyDay, false, true,
                      Day(2080, 5, 1)},
        TReadDateCase{"Year81Is1981", English, 2, "1.5.81", March28, EmptyDay, false, true,
                      Day(1981, 5, 1)},
        TReadDateCase{"Year0Is2000", English, 2, "1.5.0", March28, EmptyDay, false, true,
                      Day(2000, 5, 1)},
        TReadDateCase{"Year100StaysAsTyped", English, 2, "1.5.100", March28, EmptyDay, false, true,
                      Day(100, 5, 1)},
        TReadDateCase{"FullDate", English, 2, "29.2.2024", March28, EmptyDay, false, true,
                      Day(2024, 2, 29)},
        TReadDateCase{"NoSuchDay", English, 2, "31.2.2024", March28, March28, false, false,
                      EmptyDay},
        TReadDateCase{"NoLeapDay", English, 2, "29.2.2023", March28, EmptyDay, false, false,
                      EmptyDay},
        TReadDateCase{"Month13", English, 2, "1.13.2024", March28, EmptyDay, false, false,
                      EmptyDay},
        TReadDateCase{"Day0", English, 2, "0", March28, EmptyDay, false, false, EmptyDay},
        TReadDateCase{"EnglishMonthName", English, 2, "1.mar.2024", March28, EmptyDay, false, true,
                      Day(2024, 3, 1)},
        TReadDateCase{"LongMonthName", English, 2, "1.MARCH.2024", March28, EmptyDay, false, true,
                      Day(2024, 3, 1)},
        TReadDateCase{"MonthNameOfTwo", English, 2, "5.may", March28, EmptyDay, false, true,
                      Day(2024, 5, 5)},
        TReadDateCase{"GermanMonthName", German, 0, "1.m\xC3\xA4rz.2024", March28, EmptyDay, false,
                      true, Day(2024, 3, 1)},
        TReadDateCase{"GermanShortMonthName", German, 0, "1.M\xC3\x84R.24", March28, EmptyDay,
                      false, true, Day(2024, 3, 1)},
        TReadDateCase{"BlanksAroundTokens", English, 2, " 1 . 3 . 2024 ", March28, EmptyDay, false,
                      true, Day(2024, 3, 1)},
        TReadDateCase{"DoubleSeparatorSkipped", English, 2, "1..3.2024", March28, EmptyDay, false,
                      true, Day(2024, 3, 1)},
        TReadDateCase{"LeadingSeparatorSkipped", English, 2, ".1.3", March28, EmptyDay, false, true,
                      Day(2024, 3, 1)},
        TReadDateCase{"OnlyThreeTokensRead", English, 2, "1.2.2024.7", March28, EmptyDay, false,
                      true, Day(2024, 2, 1)},
        TReadDateCase{"OnlySeparators", English, 2, "..", March28, March28, false, false, EmptyDay},
        TReadDateCase{"Empty", English, 2, "  ", March28, March28, false, true, EmptyDay},
        TReadDateCase{"TodayIsTheBase", English, 2, "5", EmptyDay, EmptyDay, false, true,
                      Day(2023, 6, 5)}),
    [](const testing::TestParamInfo<TReadDateCase>& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    Relative, DateReading,
    testing::Values(
        TReadDateCase{"PlusFromDefault", English, 2, "+2", March28, EmptyDay, false, true,
                      Day(2024, 3, 30)},
        TReadDateCase{"MinusWithoutAnyBase", English, 2, "-5", EmptyDay, EmptyDay, false, false,
                      EmptyDay},
        TReadDateCase{"ValueBeforeDefault", English, 2, "-5", March28, Day(2024, 1, 10), false,
                      true, Day(2024, 1, 5)},
        TReadDateCase{"NotBeforeDayZero", English, 2, "-3", March28, 2, false, false, EmptyDay},
        TReadDateCase{"DayZeroReached", English, 2, "-2", March28, 2, false, true, 0},
        TReadDateCase{"NotANumber", English, 2, "+2x", March28, March28, false, false, EmptyDay},
        TReadDateCase{"BeyondThirtyTwoBits", English, 2, "+99999999999", March28, March28, false,
                      false, EmptyDay},
        TReadDateCase{"BeyondTheLastValidDate", English, 2, "+2147483000", March28, March28, false,
                      false, EmptyDay},
        TReadDateCase{"MinusUnderYearFirstFormat", English, 1, "-1", March28, EmptyDay, false, true,
                      Day(2024, 3, 27)}),
    [](const testing::TestParamInfo<TReadDateCase>& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    OtherOrders, DateReading,
    testing::Values(TReadDateCase{"AnsiTwoTokens", English, 1, "5-31", March28, EmptyDay, false,
                                  true, Day(2024, 5, 31)},
                    TReadDateCase{"AnsiFullDate", English, 1, "2024-03-01", March28, EmptyDay,
                                  false, true, Day(2024, 3, 1)},
                    TReadDateCase{"AnsiShortYear", English, 1, "24-3-1", March28, EmptyDay, false,
                                  true, Day(2024, 3, 1)},
                    TReadDateCase{"AnsiMonthNameFirstOfTwo", English, 1, "mar-5", March28, EmptyDay,
                                  false, true, Day(2024, 3, 5)},
                    TReadDateCase{"UsFullDate", German, 3, "3/1/2024", March28, EmptyDay, false,
                                  true, Day(2024, 3, 1)},
                    TReadDateCase{"UsTwoTokensInFuture", German, 3, "3/1", March28, EmptyDay, true,
                                  true, Day(2025, 3, 1)},
                    TReadDateCase{"UsMonthName", English, 3, "March/1/2024", March28, EmptyDay,
                                  false, true, Day(2024, 3, 1)},
                    TReadDateCase{"EnglishSystem", English, 0, "3/28", Day(2023, 1, 1), EmptyDay,
                                  false, true, Day(2023, 3, 28)},
                    TReadDateCase{"EnglishSystemDigits", English, 0, "0328", Day(2023, 1, 1),
                                  EmptyDay, false, true, Day(2023, 3, 28)},
                    TReadDateCase{"IsoSystem", &IsoLocale(), 0, "2024-3-28", EmptyDay, EmptyDay,
                                  false, true, March28},
                    TReadDateCase{"GermanSystem", German, 0, "28.3.24", EmptyDay, EmptyDay, false,
                                  true, March28}),
    [](const testing::TestParamInfo<TReadDateCase>& info) { return info.param.Name; });

struct TDateErrorCase {
  const char* Name;
  const ILocale* Locale;
  int Setting;
  std::string Text;
  std::string Message;
};

class DateReadingErrors : public testing::TestWithParam<TDateErrorCase> {};

const TFixedLocale NoYearLocale = LocaleWithFormat("dd.MM", ".");

TEST_P(DateReadingErrors, RaisesWithTheExactMessage) {
  const TDateErrorCase& c = GetParam();
  const TFixedClock clock(March28);
  const TFormatContext context{*c.Locale, c.Setting, clock};
  TDayNumber day = March28;
  try {
    StrToZQDate(c.Text, March28, day, false, context);
    FAIL() << "no error for " << c.Text;
  } catch (const EConvertError& error) {
    EXPECT_EQ(std::string(error.what()), c.Message);
  }
  EXPECT_EQ(day, March28) << "a failed reading with an error leaves the value";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DateReadingErrors,
    testing::Values(TDateErrorCase{"WordAtDay", English, 2, "x.3.2024",
                                   "StrToZQDate: Invalid token in source string: \"x\""},
                    TDateErrorCase{"UnknownMonthName", English, 2, "1.foo.2024",
                                   "StrToZQDate: Invalid token in source string: \"foo\""},
                    TDateErrorCase{"GermanNameUnderEnglish", English, 2, "1.Okt.2024",
                                   "StrToZQDate: Invalid token in source string: \"Okt\""},
                    TDateErrorCase{"WordAtYear", English, 2, "1.3.y24",
                                   "StrToZQDate: Invalid token in source string: \"y24\""},
                    TDateErrorCase{"SingleWord", English, 2, "mar.",
                                   "StrToZQDate: Invalid token in source string: \"mar\""},
                    TDateErrorCase{"DigitsSplitIntoAWord", English, 2, "1mar24",
                                   "StrToZQDate: Invalid token in source string: \"1m\""},
                    // A month name stands only where the month stands among the tokens typed:
                    // of two tokens under a year-first format that is the first, and a single
                    // token is always the day, whatever the format's first letter.
                    TDateErrorCase{"AnsiMonthNameSecondOfTwo", English, 1, "5-mar",
                                   "StrToZQDate: Invalid token in source string: \"mar\""},
                    TDateErrorCase{"UsSingleMonthName", English, 3, "mar/",
                                   "StrToZQDate: Invalid token in source string: \"mar\""},
                    TDateErrorCase{
                        "FormatWithoutYear", &NoYearLocale, 0, "1.3",
                        "StrToZQDate: Unexpected error in translating DateFormat dd.MM"}),
    [](const testing::TestParamInfo<TDateErrorCase>& info) { return info.param.Name; });

TEST(DateTextTest, RelativeEntriesNeedNoDateFormat) {
  const TFormatContext context{NoYearLocale, 0};
  TDayNumber day = March28;
  EXPECT_TRUE(StrToZQDate("+1", EmptyDay, day, false, context));
  EXPECT_EQ(day, March28 + 1);
}

TEST(DateTextTest, WrittenDatesReadBack) {
  for (const ILocale* locale : {English, German, &IsoLocale()}) {
    for (int setting = 0; setting <= 3; ++setting) {
      const TFormatContext context{*locale, setting};
      for (const TDayNumber written : {TDayNumber{1}, March28, Day(2080, 12, 31)}) {
        TDayNumber read = EmptyDay;
        ASSERT_TRUE(
            StrToZQDate(ZQDateToStr(written, true, context), March28, read, false, context));
        EXPECT_EQ(read, written) << ZQDateToStr(written, true, context);
      }
    }
  }
}

} // namespace
} // namespace laytime
