#include "core/Rounding.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

TEST(RoundingTest, HalfEvenTiesGoToTheEvenNeighbour) {
  struct Case {
    double value;
    std::int64_t expected;
  };
  for (const Case& c : {Case{2.5, 2}, Case{3.5, 4}, Case{-2.5, -2}, Case{-3.5, -4}, Case{0.5, 0},
                        Case{2.4999, 2}, Case{2.5001, 3}, Case{-0.4, 0}, Case{7.0, 7}}) {
    EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
  }
}

TEST(RoundingTest, ModesRoundInTheirDirection) {
  struct Case {
    double value;
    TRoundingMode mode;
    std::int64_t expected;
  };
  for (const Case& c : {Case{33.5, TRoundingMode::Nearest, 34}, Case{32.5, TRoundingMode::Nearest, 32},
                        Case{33.9, TRoundingMode::Down, 33}, Case{-33.1, TRoundingMode::Down, -34},
                        Case{33.1, TRoundingMode::Up, 34}, Case{-33.9, TRoundingMode::Up, -33},
                        Case{-33.9, TRoundingMode::Truncate, -33}, Case{33.9, TRoundingMode::Truncate, 33}}) {
    EXPECT_EQ(RoundWithMode(c.value, c.mode), c.expected) << c.value;
  }
}

TEST(RoundingTest, DecimalsKeepLargeValuesAndRoundCents) {
  EXPECT_DOUBLE_EQ(RoundToDecimals(12345.675, 2), 12345.68);
  EXPECT_DOUBLE_EQ(RoundToDecimals(0.125, 2), 0.12);
  EXPECT_DOUBLE_EQ(RoundToDecimals(1.0E30, 2), 1.0E30);
}

} // namespace
} // namespace laytime
