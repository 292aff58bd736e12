#include "core/Calendar.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

struct TKnownDay {
  TDayNumber Day;
  TCalendarDate Date;
};

class CalendarKnownDays : public testing::TestWithParam<TKnownDay> {};

TEST_P(CalendarKnownDays, EncodesAndDecodes) {
  const TKnownDay& c = GetParam();
  EXPECT_EQ(TryEncodeDate(c.Date.Year, c.Date.Month, c.Date.Day), c.Day);
  EXPECT_EQ(DecodeDate(c.Day), c.Date);
}

INSTANTIATE_TEST_SUITE_P(Days, CalendarKnownDays,
                         testing::Values(TKnownDay{0, {1899, 12, 30}}, TKnownDay{1, {1899, 12, 31}},
                                         TKnownDay{2, {1900, 1, 1}}, TKnownDay{-1, {1899, 12, 29}},
                                         TKnownDay{36585, {2000, 2, 29}},
                                         TKnownDay{45379, {2024, 3, 28}},
                                         TKnownDay{FirstValidDay, {1, 1, 1}},
                                         TKnownDay{LastValidDay, {9999, 12, 31}}));

struct TDateCase {
  const char* Name;
  int Year;
  int Month;
  int Day;
  bool Valid;
};

class CalendarValidity : public testing::TestWithParam<TDateCase> {};

TEST_P(CalendarValidity, KnowsWhichDatesExist) {
  const TDateCase& c = GetParam();
  EXPECT_EQ(IsValidDate(c.Year, c.Month, c.Day), c.Valid);
  EXPECT_EQ(TryEncodeDate(c.Year, c.Month, c.Day).has_value(), c.Valid);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, CalendarValidity,
    testing::Values(
        TDateCase{"LeapDay2024", 2024, 2, 29, true}, TDateCase{"NoLeapDay2023", 2023, 2, 29, false},
        TDateCase{"LeapDay2000", 2000, 2, 29, true}, TDateCase{"NoLeapDay1900", 1900, 2, 29, false},
        TDateCase{"April31", 2024, 4, 31, false}, TDateCase{"Month13", 2024, 13, 1, false},
        TDateCase{"Month0", 2024, 0, 1, false}, TDateCase{"Day0", 2024, 1, 0, false},
        TDateCase{"Year0", 0, 1, 1, false}, TDateCase{"Year10000", 10000, 1, 1, false}),
    [](const testing::TestParamInfo<TDateCase>& info) { return info.param.Name; });

TEST(CalendarTest, EveryValidDayRoundTrips) {
  for (TDayNumber day = FirstValidDay; day <= LastValidDay; day += 97) {
    const TCalendarDate date = DecodeDate(day);
    ASSERT_EQ(TryEncodeDate(date.Year, date.Month, date.Day), day) << day;
  }
}

TEST(CalendarTest, DayNumbersBeyondTheValidRangeDecodeWithoutFailing) {
  for (const TDayNumber day : {EmptyDay, TDayNumber{2147483647}, TDayNumber{LastValidDay + 1}}) {
    const TCalendarDate date = DecodeDate(day);
    EXPECT_GE(date.Month, 1);
    EXPECT_LE(date.Month, 12);
    EXPECT_FALSE(IsValidDate(date.Year, date.Month, date.Day));
  }
}

} // namespace
} // namespace laytime
