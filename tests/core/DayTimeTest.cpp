#include "core/DayTime.h"

#include <gtest/gtest.h>

#include <limits>

namespace laytime {
namespace {

TEST(DayTimeTest, StampsTreatEmptyPartsAsZero) {
  EXPECT_EQ(DayTimeToMinutes(EmptyDay, 600), 600);
  EXPECT_EQ(DayTimeToMinutes(EmptyDay, EmptyTime), 0);
  EXPECT_EQ(DayTimeToMinutes(EmptyTime, 30), 30);
  EXPECT_EQ(DayTimeToMinutes(2, 1440), 3 * 1440);
}

TEST(DayTimeTest, EmptyStampGivesBothMarkers) {
  EXPECT_EQ(MinutesToDayTime(EmptyInt), (TDayTime{EmptyDay, EmptyTime}));
  EXPECT_EQ(MinutesToDayTime(1441), (TDayTime{1, 1}));
  EXPECT_EQ(MinutesToDayTime(-1441), (TDayTime{-1, -1}));
}

TEST(DayTimeTest, MomentJustBeforeMidnightIsMinute1440OfTheSameDay) {
  const double moment = 45000.0 + (1440.0 * 60.0 - 20.0) / 86400.0;
  EXPECT_EQ(DateTimeToDayTime(moment), (TDayTime{45000, 1440}));
  EXPECT_DOUBLE_EQ(DayTimeToDateTime(45000, 720), 45000.5);
  EXPECT_DOUBLE_EQ(DayTimeToDateTime(EmptyDay, 720), 0.5);
  EXPECT_DOUBLE_EQ(DayTimeToDateTime(45000, EmptyTime), 45000.0);
}

TEST(DayTimeTest, EmptyToZeroForRealsAndMinutes) {
  EXPECT_EQ(EmptyToZero(EmptyReal), 0.0);
  EXPECT_EQ(EmptyToZero(2.5), 2.5);
  EXPECT_EQ(EmptyToZero(EmptyTime), 0);
  EXPECT_EQ(EmptyToZero(TMinuteOfDay{1440}), 1440);
  EXPECT_EQ(EmptyTimeToZero(EmptyTime), 0);
  EXPECT_EQ(EmptyTimeToZero(600), 600);
}

// The day is the moment truncated toward zero, so a moment before day 0 keeps day 0 and gives a
// negative minute. A moment that is no number or lies beyond every 32-bit day gives the empty
// markers instead of an undefined conversion.
TEST(DayTimeTest, MomentsOutsideTheDayRange) {
  EXPECT_EQ(DateTimeToDayTime(-0.25), (TDayTime{0, -360}));
  EXPECT_EQ(DateTimeToDayTime(-1.5), (TDayTime{-1, -720}));
  EXPECT_EQ(DateTimeToDayTime(2958465.5), (TDayTime{2958465, 720}));
  const double beyond[] = {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(),
                           1e300,
                           -1e300,
                           2147483648.0,
                           -2147483649.0};
  for (const double moment : beyond)
    EXPECT_EQ(DateTimeToDayTime(moment), (TDayTime{EmptyDay, EmptyTime})) << moment;
}

} // namespace
} // namespace laytime
