#include "core/LaytimeAllowance.h"

#include "core/Errors.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace laytime {
namespace {

constexpr double DefaultLoadDaysLimit = 99.99;

struct AllowanceCase {
  const char* name;
  double quantity;
  double rate;
  TLoadUnits units;
  TDayNumber addDays;
  int addTime;
  bool isCQD;
  TDuration expected;
};

TEST(LaytimeAllowanceTest, EachUnitGivesItsAllowance) {
  using enum TLoadUnits;
  const AllowanceCase cases[] = {
      {"units per day", 10000, 5000, load_units_p_day, EmptyDay, EmptyTime, false, 2880},
      {"customary quick despatch", 10000, 5000, load_units_p_day, 1, 60, true, 0},
      {"units per hour", 1000, 100, load_units_p_hour, EmptyDay, EmptyTime, false, 600},
      {"days", 10000, 2.5, load_days, EmptyDay, EmptyTime, false, 3600},
      {"days without quantity", EmptyReal, 2.5, load_days, EmptyDay, EmptyTime, false, 3600},
      {"hours", 10000, 36, load_hours, EmptyDay, EmptyTime, false, 2160},
      {"undefined small rate as days", 10000, 2, load_undef, EmptyDay, EmptyTime, false, 2880},
      {"undefined rate at the limit as days", 10000, 99.99, load_undef, EmptyDay, EmptyTime, false,
       143986},
      {"undefined large rate per day", 10000, 2000, load_undef, EmptyDay, EmptyTime, false, 7200},
      {"undefined rate just above the limit", 10000, 100, load_undef, EmptyDay, EmptyTime, false,
       144000},
      {"per day without quantity", 0, 5000, load_units_p_day, EmptyDay, EmptyTime, false, 0},
      {"per day with empty quantity", EmptyReal, 5000, load_units_p_day, 1, EmptyTime, false, 1440},
      {"per hour without quantity", -3, 100, load_units_p_hour, EmptyDay, EmptyTime, false, 0},
      {"additional allowance added", 10000, 5000, load_units_p_day, 1, 360, false, 4680},
      {"additional time alone", 10000, 5000, load_units_p_day, EmptyDay, 90, false, 2970},
      {"negative rate: additional only", 10000, -5, load_units_p_day, 1, 120, false, 1560},
      {"zero rate: additional only", 10000, 0, load_days, 2, EmptyTime, false, 2880},
      {"empty rate: additional only", 10000, EmptyReal, load_hours, EmptyDay, 30, false, 30},
      {"nothing at all", EmptyReal, EmptyReal, load_units_p_day, EmptyDay, EmptyTime, false, 0},
  };
  for (const AllowanceCase& c : cases) {
    EXPECT_EQ(LaytimeMinutes(c.quantity, c.rate, c.units, c.addDays, c.addTime, c.isCQD,
                             DefaultLoadDaysLimit),
              c.expected)
        << c.name;
  }
}

TEST(LaytimeAllowanceTest, LoadDaysLimitComesFromTheCaller) {
  EXPECT_EQ(LaytimeMinutes(10000, 120, TLoadUnits::load_undef, EmptyDay, EmptyTime, false, 150.0),
            172800);
  EXPECT_EQ(LaytimeMinutes(10000, 2, TLoadUnits::load_undef, EmptyDay, EmptyTime, false, 1.5),
            7200000);
}

TEST(LaytimeAllowanceTest, RateProductIsRoundedByTheMode) {
  struct Case {
    double quantity; // at 2880 units per day, so that the allowance is quantity / 2 minutes
    TRoundingMode mode;
    TDuration expected;
  };
  using enum TRoundingMode;
  const Case cases[] = {
      {5, Nearest, 2},  {7, Nearest, 4},  {1, Nearest, 0}, {5, Down, 2},
      {5, Up, 3},       {5, Truncate, 2}, {1, Up, 1},      {1, Down, 0},
      {1, Truncate, 0}, {9, Up, 5},       {9, Nearest, 4}, {8, Up, 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LaytimeMinutes(c.quantity, 2880, TLoadUnits::load_units_p_day, EmptyDay, EmptyTime,
                             false, DefaultLoadDaysLimit, c.mode),
              c.expected)
        << c.quantity << " mode " << static_cast<int>(c.mode);
  }
  // 10000 at 7000 per day is 2057.14 minutes.
  EXPECT_EQ(LaytimeMinutes(10000, 7000, TLoadUnits::load_units_p_day, EmptyDay, EmptyTime, false,
                           DefaultLoadDaysLimit, TRoundingMode::Up),
            2058);
  EXPECT_EQ(LaytimeMinutes(10000, 7000, TLoadUnits::load_units_p_day, EmptyDay, EmptyTime, false,
                           DefaultLoadDaysLimit),
            2057);
}

TEST(LaytimeAllowanceTest, DecimalAllowancesAreExactUnderEveryMode) {
  // 2.3 days and 0.7 units at 0.3 per day are whole minutes, 2.075 hours a tie; binary
  // arithmetic misses them by a hair.
  struct Case {
    double quantity;
    double rate;
    TLoadUnits units;
    TRoundingMode mode;
    TDuration expected;
  };
  const Case cases[] = {
      {0, 2.3, TLoadUnits::load_days, TRoundingMode::Down, 3312},
      {0, 1.1, TLoadUnits::load_days, TRoundingMode::Up, 1584},
      {0.7, 0.3, TLoadUnits::load_units_p_day, TRoundingMode::Down, 3360},
      {1.1, 1.1, TLoadUnits::load_units_p_hour, TRoundingMode::Down, 60},
      {0, 2.075, TLoadUnits::load_hours, TRoundingMode::Nearest, 124},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LaytimeMinutes(c.quantity, c.rate, c.units, EmptyDay, EmptyTime, false,
                             DefaultLoadDaysLimit, c.mode),
              c.expected)
        << c.quantity << " at " << c.rate << " mode " << static_cast<int>(c.mode);
  }
}

TEST(LaytimeAllowanceTest, UndefinedUnitIsARangeError) {
  for (int unit : {5, 255}) {
    try {
      LaytimeMinutes(10000, 5000, static_cast<TLoadUnits>(unit), EmptyDay, EmptyTime, false,
                     DefaultLoadDaysLimit);
      ADD_FAILURE() << "no error for unit " << unit;
    } catch (const ERangeError& error) {
      EXPECT_EQ(std::string(error.what()), "<Result> LoadUnit undefined: " + std::to_string(unit) +
                                               " is not within the valid range of 0..4");
    }
  }
}

TEST(LaytimeAllowanceTest, UndefinedUnitIsNotLookedAtWhenTheRateDoesNotCount) {
  const auto unit5 = static_cast<TLoadUnits>(5);
  EXPECT_EQ(LaytimeMinutes(10000, 5000, unit5, 1, 0, true, DefaultLoadDaysLimit), 0);
  EXPECT_EQ(LaytimeMinutes(10000, EmptyReal, unit5, 1, 0, false, DefaultLoadDaysLimit), 1440);
}

TEST(LaytimeAllowanceTest, AbsurdInputsAreHeldAtTheEndsOfTheRange) {
  constexpr TDuration Largest = std::numeric_limits<TDuration>::max();
  const double infinity = std::numeric_limits<double>::infinity();
  const double notANumber = std::numeric_limits<double>::quiet_NaN();
  const AllowanceCase cases[] = {
      {"huge quantity", 1.0E12, 1, TLoadUnits::load_units_p_day, EmptyDay, EmptyTime, false,
       Largest},
      {"huge day count", 10000, 5000, TLoadUnits::load_units_p_day, 2000000, 0, false, Largest},
      {"rate part and days beyond the range together", 1.0E9, 1000, TLoadUnits::load_units_p_day,
       1000000, 0, false, Largest},
      {"huge negative day count", 10000, EmptyReal, TLoadUnits::load_days, -2000000, 0, false,
       EmptyInt + 1},
      {"infinite rate in days", 0, infinity, TLoadUnits::load_days, EmptyDay, EmptyTime, false,
       Largest},
      {"infinite quantity and rate", infinity, infinity, TLoadUnits::load_units_p_day, EmptyDay,
       EmptyTime, false, 0},
      {"rate not a number", 10000, notANumber, TLoadUnits::load_days, 1, 0, false, 1440},
      {"quantity not a number", notANumber, 5000, TLoadUnits::load_units_p_day, EmptyDay, EmptyTime,
       false, 0},
  };
  for (const AllowanceCase& c : cases) {
    EXPECT_EQ(LaytimeMinutes(c.quantity, c.rate, c.units, c.addDays, c.addTime, c.isCQD,
                             DefaultLoadDaysLimit),
              c.expected)
        << c.name;
  }
}

} // namespace
} // namespace laytime
