#include "core/Locale.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

namespace laytime {
namespace {

struct TClockCase {
  const char* Name;
  const char* Text;
  std::optional<int> Seconds; // nothing when the reading fails
};

class ClockReading : public testing::TestWithParam<TClockCase> {};

TEST_P(ClockReading, ReadsLikeTheSystem) {
  const TClockCase& c = GetParam();
  const std::optional<double> read = EnglishUSLocale().ReadTime(c.Text);
  ASSERT_EQ(read.has_value(), c.Seconds.has_value());
  if (read) {
    EXPECT_DOUBLE_EQ(*read * 86400.0, *c.Seconds);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ClockReading,
    testing::Values(
        TClockCase{"HoursMinutes", "8:30", 30600}, TClockCase{"WithSeconds", "08:30:45", 30645},
        TClockCase{"Blanks", " 8 : 30 ", 30600}, TClockCase{"PmAfter", "8:30 PM", 73800},
        TClockCase{"PmBefore", "pm 8:30", 73800}, TClockCase{"MidnightAm", "12:00 AM", 0},
        TClockCase{"NoonPm", "12:00 pm", 43200}, TClockCase{"HourOnly", "7", 25200},
        TClockCase{"ThirteenPm", "13:00 PM", std::nullopt},
        TClockCase{"ZeroAm", "0:30 AM", std::nullopt}, TClockCase{"Hour24", "24:00", std::nullopt},
        TClockCase{"Minute60", "8:60", std::nullopt},
        TClockCase{"MissingMinutes", "8:", std::nullopt},
        TClockCase{"TrailingWord", "8:30x", std::nullopt},
        TClockCase{"LongNumber", "00008:30", std::nullopt}, TClockCase{"Empty", "", std::nullopt}),
    [](const testing::TestParamInfo<TClockCase>& info) { return info.param.Name; });

TEST(LocaleTest, ClockReadingTakesTheLocaleSeparatorBesidesTheColon) {
  EXPECT_DOUBLE_EQ(*ReadClockTime("8.30", ".", "", "") * 1440.0, 510.0);
  EXPECT_DOUBLE_EQ(*ReadClockTime("8:30", ".", "", "") * 1440.0, 510.0);
  EXPECT_EQ(ReadClockTime("8,30", ".", "", ""), std::nullopt);
}

TEST(LocaleTest, GermanClockStillUnderstandsEnglishMarkers) {
  EXPECT_DOUBLE_EQ(*GermanLocale().ReadTime("8:30 PM") * 1440.0, 1230.0);
  EXPECT_DOUBLE_EQ(*GermanLocale().ReadTime("20:30") * 1440.0, 1230.0);
}

TEST(LocaleTest, FixedLocalesCarryTheirValues) {
  EXPECT_EQ(EnglishUSLocale().ShortDateFormat(), "M/d/yyyy");
  EXPECT_EQ(EnglishUSLocale().LongMonthName(12), "December");
  EXPECT_EQ(GermanLocale().ShortDateFormat(), "dd.MM.yyyy");
  EXPECT_EQ(GermanLocale().DecimalSeparator(), ",");
  EXPECT_EQ(GermanLocale().ThousandSeparator(), ".");
  EXPECT_EQ(GermanLocale().LongMonthName(3), "M\xC3\xA4rz");
  EXPECT_EQ(IsoLocale().ShortDateFormat(), "yyyy-MM-dd");
  EXPECT_EQ(IsoLocale().ShortMonthName(1), "Jan");
}

TEST(LocaleTest, MonthOutsideTheYearIsAProgrammingError) {
  EXPECT_THROW(EnglishUSLocale().ShortMonthName(0), std::out_of_range);
  EXPECT_THROW(EnglishUSLocale().LongMonthName(13), std::out_of_range);
}

} // namespace
} // namespace laytime
