#include "core/DayTime.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace laytime
