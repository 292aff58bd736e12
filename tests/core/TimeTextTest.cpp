#include "core/TimeText.h"

#include "core/Errors.h"

#include <gtest/gtest.h>

#include <functional>

namespace laytime {
namespace {

// ---- Writing times and durations ----

struct TTimeTextCase {
  const char* Name;
  int Minutes;
  std::string Time;
  std::string Duration;
};

class TimeTextForms : public testing::TestWithParam<TTimeTextCase> {};

TEST_P(TimeTextForms, WritesHoursAndMinutes) {
  const TTimeTextCase& c = GetParam();
  EXPECT_EQ(ZQTimeToStr(c.Minutes), c.Time);
  EXPECT_EQ(ZQDurationToStr(c.Minutes), c.Duration);
}

INSTANTIATE_TEST_SUITE_P(Values, TimeTextForms,
                         testing::Values(TTimeTextCase{"Midnight", 0, "00:00", "00:00"},
                                         TTimeTextCase{"HalfPastEight", 510, "08:30", "08:30"},
                                         TTimeTextCase{"EndOfDay", 1440, "24:00", "24:00"},
                                         TTimeTextCase{"Empty", EmptyTime, "", ""}),
                         [](const testing::TestParamInfo<TTimeTextCase>& info) {
                           return info.param.Name;
                         });

TEST(TimeTextTest, DurationsGoBeyondADay) {
  EXPECT_EQ(ZQDurationToStr(1500), "25:00");
  EXPECT_EQ(ZQDurationToStr(6001), "100:01");
  EXPECT_EQ(ZQDurationToStr(59), "00:59");
}

struct TTimeErrorCase {
  const char* Name;
  std::function<std::string()> Convert;
  std::string Message;
};

class TimeTextErrors : public testing::TestWithParam<TTimeErrorCase> {};

TEST_P(TimeTextErrors, RaisesWithTheExactMessage) {
  try {
    GetParam().Convert();
    FAIL() << "no error";
  } catch (const EConvertError& error) {
    EXPECT_EQ(std::string(error.what()), GetParam().Message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, TimeTextErrors,
    testing::Values(TTimeErrorCase{"TimeAfterMidnight", [] { return ZQTimeToStr(1441); },
                                   "ZQTimeToStr: Value 1441 out of range 0..1440"},
                    TTimeErrorCase{"NegativeTime", [] { return ZQTimeToStr(-1); },
                                   "ZQTimeToStr: Value -1 out of range 0..1440"},
                    TTimeErrorCase{"NegativeDuration", [] { return ZQDurationToStr(-5); },
                                   "ZQTimeToStr: Value -5 out of range 0..1440"},
                    TTimeErrorCase{"UncomputedDuration", [] { return ZQDurationToStr(EmptyInt); },
                                   "ZQTimeToStr: Value -2147483647 out of range 0..1440"}),
    [](const testing::TestParamInfo<TTimeErrorCase>& info) { return info.param.Name; });

// ---- Reading times ----

struct TReadTimeCase {
  const char* Name;
  std::string Text;
  int Start; // the value before reading, the base of relative entries
  bool Read;
  int Expected;
};

class TimeReading : public testing::TestWithParam<TReadTimeCase> {};

TEST_P(TimeReading, ReadsTypedText) {
  const TReadTimeCase& c = GetParam();
  const TFormatContext context{EnglishUSLocale(), 0};
  auto minute = static_cast<TMinuteOfDay>(c.Start);
  EXPECT_EQ(StrToZQTime(c.Text, minute, context), c.Read);
  EXPECT_EQ(minute, c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Digits, TimeReading,
    testing::Values(TReadTimeCase{"OneDigitHour", "8", EmptyTime, true, 480},
                    TReadTimeCase{"TwoDigitHour", "08", EmptyTime, true, 480},
                    TReadTimeCase{"FourDigits", "0830", EmptyTime, true, 510},
                    TReadTimeCase{"ThreeDigits", "830", EmptyTime, true, 510},
                    TReadTimeCase{"EndOfDay", "2400", EmptyTime, true, 1440},
                    TReadTimeCase{"Hour24", "24", EmptyTime, true, 1440},
                    TReadTimeCase{"PastEndOfDay", "2430", 600, false, EmptyTime},
                    TReadTimeCase{"Minute60", "0860", 600, false, EmptyTime},
                    TReadTimeCase{"Hour25", "25", 600, false, EmptyTime},
                    TReadTimeCase{"FiveDigits", "10830", 600, false, EmptyTime},
                    TReadTimeCase{"Word", "8h", 600, false, EmptyTime},
                    TReadTimeCase{"Empty", " ", 600, true, EmptyTime}),
    [](const testing::TestParamInfo<TReadTimeCase>& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    Colon, TimeReading,
    testing::Values(TReadTimeCase{"EndOfDay", "24:00", EmptyTime, true, 1440},
                    TReadTimeCase{"EndOfDayWithSeconds", "24:00:00", EmptyTime, true, 1440},
                    TReadTimeCase{"TrailingColon", "8:", EmptyTime, true, 480},
                    TReadTimeCase{"LeadingColon", ":30", EmptyTime, true, 30},
                    TReadTimeCase{"ColonAlone", ":", EmptyTime, true, 0},
                    TReadTimeCase{"EndOfDayByColon", "24:", EmptyTime, true, 1440},
                    TReadTimeCase{"Blanks", "  8:30  ", EmptyTime, true, 510},
                    TReadTimeCase{"Evening", "8:30 PM", EmptyTime, true, 1230},
                    TReadTimeCase{"SecondsRoundDown", "8:30:29", EmptyTime, true, 510},
                    TReadTimeCase{"HalfMinuteToEven", "8:30:30", EmptyTime, true, 510},
                    TReadTimeCase{"HalfMinuteToEvenUp", "8:31:30", EmptyTime, true, 512},
                    TReadTimeCase{"LastSecondsAreEndOfDay", "23:59:45", EmptyTime, true, 1440},
                    TReadTimeCase{"SecondsWithHour24", "10:24:00", EmptyTime, true, 624},
                    TReadTimeCase{"MinutesOf24", "00:24", EmptyTime, true, 24},
                    TReadTimeCase{"Hour124", "124:00", 600, false, EmptyTime},
                    TReadTimeCase{"PastEndOfDay", "24:30", 600, false, EmptyTime},
                    TReadTimeCase{"Garbage", "8:3x", 600, false, EmptyTime}),
    [](const testing::TestParamInfo<TReadTimeCase>& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    Relative, TimeReading,
    testing::Values(TReadTimeCase{"PlusOnValue", "+30", 480, true, 510},
                    TReadTimeCase{"PlusOnEmpty", "+30", EmptyTime, false, EmptyTime},
                    TReadTimeCase{"BelowMidnight", "-600", 480, false, EmptyTime},
                    TReadTimeCase{"DownToMidnight", "-480", 480, true, 0},
                    TReadTimeCase{"UpToEndOfDay", "+960", 480, true, 1440},
                    TReadTimeCase{"PastEndOfDay", "+961", 480, false, EmptyTime},
                    TReadTimeCase{"SignAfterNumber", "30+", 480, false, EmptyTime},
                    TReadTimeCase{"SignInsideTime", "8:30-1", 480, false, EmptyTime},
                    TReadTimeCase{"Huge", "+99999999999", 480, false, EmptyTime}),
    [](const testing::TestParamInfo<TReadTimeCase>& info) { return info.param.Name; });

TEST(TimeTextTest, ValueReadingStartsEmpty) {
  const TFormatContext context{GermanLocale(), 2};
  EXPECT_EQ(StrToZQTimeValue("8:30", context), 510);
  EXPECT_EQ(StrToZQTimeValue("2400", context), 1440);
  EXPECT_EQ(StrToZQTimeValue("bad", context), EmptyTime);
  EXPECT_EQ(StrToZQTimeValue("+30", context), EmptyTime);
}

TEST(TimeTextTest, EveryMinuteReadsBackFromItsText) {
  const TFormatContext context{GermanLocale(), 0};
  for (int minute = 0; minute <= MinutesPerDay; ++minute)
    ASSERT_EQ(StrToZQTimeValue(ZQTimeToStr(minute), context), minute) << minute;
}

} // namespace
} // namespace laytime
