#include "core/Rounding.h"

#include <gtest/gtest.h>

#include <limits>

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
  for (const Case& c :
       {Case{33.5, TRoundingMode::Nearest, 34}, Case{32.5, TRoundingMode::Nearest, 32},
        Case{33.9, TRoundingMode::Down, 33}, Case{-33.1, TRoundingMode::Down, -34},
        Case{33.1, TRoundingMode::Up, 34}, Case{-33.9, TRoundingMode::Up, -33},
        Case{-33.9, TRoundingMode::Truncate, -33}, Case{33.9, TRoundingMode::Truncate, 33}}) {
    EXPECT_EQ(RoundWithMode(c.value, c.mode), c.expected) << c.value;
  }
}

TEST(RoundingTest, ModesIgnoreTheBinaryNoiseOfDecimalArithmetic) {
  // Whole or half numbers computed from decimal inputs come out a hair off in binary, which must
  // neither cost nor gain a whole unit nor move a tie; genuine fractions keep their rounding.
  struct Case {
    const char* name;
    double value;
    TRoundingMode mode;
    std::int64_t expected;
  };
  for (const Case& c : {
           Case{"2.3 days", 2.3 * 1440, TRoundingMode::Down, 3312},
           Case{"2.3 days", 2.3 * 1440, TRoundingMode::Truncate, 3312},
           Case{"1.1 days", 1.1 * 1440, TRoundingMode::Up, 1584},
           Case{"0.7 per 0.3 a day", 0.7 * 1440 / 0.3, TRoundingMode::Down, 3360},
           Case{"2.075 hours", 2.075 * 60, TRoundingMode::Nearest, 124},
           Case{"1.025 hours", 1.025 * 60, TRoundingMode::Nearest, 62},
           Case{"750 at 2.2 %", 750 * 2.2 / 100, TRoundingMode::Nearest, 16},
           Case{"a third", 100.0 / 3, TRoundingMode::Up, 34},
           Case{"just below a whole", 3311.999, TRoundingMode::Down, 3311},
           Case{"just above a tie", 124.5001, TRoundingMode::Nearest, 125},
           Case{"negative", -2.3 * 1440, TRoundingMode::Up, -3312},
       }) {
    EXPECT_EQ(RoundWithMode(c.value, c.mode), c.expected) << c.name;
  }
}

// A value beyond the 64-bit range (read from a damaged file, say) is held at the end of the
// range, and one that is no number gives 0, instead of an undefined conversion.
TEST(RoundingTest, ValuesBeyondTheRangeAreHeldAtItsEnds) {
  constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t Smallest = std::numeric_limits<std::int64_t>::min();
  const double infinity = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    double value;
    std::int64_t expected;
  };
  for (const Case& c :
       {Case{"huge", 1e300, Largest}, Case{"two to the 63", 9223372036854775808.0, Largest},
        Case{"infinity", infinity, Largest}, Case{"minus huge", -1e300, Smallest},
        Case{"minus infinity", -infinity, Smallest},
        Case{"minus two to the 63", -9223372036854775808.0, Smallest}, Case{"no number", nan, 0},
        Case{"largest exact", 9007199254740992.0, 9007199254740992}}) {
    EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.name;
    for (const TRoundingMode mode :
         {TRoundingMode::Nearest, TRoundingMode::Down, TRoundingMode::Up, TRoundingMode::Truncate})
      EXPECT_EQ(RoundWithMode(c.value, mode), c.expected) << c.name;
  }
}

TEST(RoundingTest, DecimalsKeepLargeValuesAndRoundCents) {
  EXPECT_DOUBLE_EQ(RoundToDecimals(12345.675, 2), 12345.68);
  EXPECT_DOUBLE_EQ(RoundToDecimals(0.125, 2), 0.12);
  EXPECT_DOUBLE_EQ(RoundToDecimals(1.0E30, 2), 1.0E30);
}

} // namespace
} // namespace laytime
