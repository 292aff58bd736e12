#include "core/DailyRates.h"

#include "core/ZQTypes.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

constexpr double DefaultPerUnitLimit = 100.0;

TEST(DailyRatesTest, PlainDailyRateIsAtLeastTheLimitOrNearlyNothing) {
  struct Case {
    double rate;
    bool expected;
  };
  for (const Case& c :
       {Case{15000, true}, Case{100, true}, Case{0, true}, Case{0.005, true}, Case{EmptyReal, true},
        Case{-5, true}, Case{0.5, false}, Case{99.99, false}, Case{0.0051, false}}) {
    EXPECT_EQ(IsPlainDailyRate(c.rate, DefaultPerUnitLimit), c.expected) << c.rate;
  }
  EXPECT_TRUE(IsPlainDailyRate(60, 50.0));
  EXPECT_FALSE(IsPlainDailyRate(120, 150.0));
}

TEST(DailyRatesTest, EffectiveDailyRate) {
  struct Case {
    const char* name;
    double quantity;
    double rate;
    double expected;
  };
  const Case cases[] = {
      {"plain daily amount", 10000, 15000, 15000},
      {"plain daily amount without quantity", EmptyReal, 15000, 15000},
      {"rate per cargo unit", 10000, 0.5, 5000},
      {"rate per cargo unit without quantity", EmptyReal, 0.5, 0},
      {"empty rate", 10000, EmptyReal, 0},
      {"zero rate", 10000, 0, 0},
      {"rate at the limit", 10000, 100, 100},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(EffectiveDailyRate(c.quantity, c.rate, DefaultPerUnitLimit), c.expected)
        << c.name;
  }
  EXPECT_DOUBLE_EQ(EffectiveDailyRate(10000, 60, 50.0), 60);
}

TEST(DailyRatesTest, PerHourConversions) {
  struct Case {
    const char* name;
    double rate;
    TDemurrateRateUnit unit;
    double stored;
    double shown;
  };
  const auto unit7 = static_cast<TDemurrateRateUnit>(7);
  const Case cases[] = {
      {"per hour", 100, TDemurrateRateUnit::druPerHour, 2400, 4.16},
      {"per day", 100.123, TDemurrateRateUnit::druPerDay, 100.123, 100.123},
      {"empty per hour", EmptyReal, TDemurrateRateUnit::druPerHour, EmptyReal, EmptyReal},
      {"empty per day", EmptyReal, TDemurrateRateUnit::druPerDay, EmptyReal, EmptyReal},
      {"undefined unit", 100, unit7, 0, 0},
      {"negative per hour", -48.5, TDemurrateRateUnit::druPerHour, -1164, -2.02},
      {"zero per hour", 0, TDemurrateRateUnit::druPerHour, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(PerHourToStoredRate(c.rate, c.unit), c.stored) << c.name;
    EXPECT_DOUBLE_EQ(StoredRateToPerHour(c.rate, c.unit), c.shown) << c.name;
  }
}

TEST(DailyRatesTest, StoredRateIsShownTruncatedToCents) {
  struct Case {
    double stored;
    double shown;
  };
  for (const Case& c : {Case{2400, 100}, Case{23.99, 0.99}, Case{35000, 1458.33}, Case{0.239, 0},
                        Case{0.24, 0.01}, Case{1000.01, 41.66}}) {
    EXPECT_DOUBLE_EQ(StoredRateToPerHour(c.stored, TDemurrateRateUnit::druPerHour), c.shown)
        << c.stored;
  }
}

TEST(DailyRatesTest, RateTypedPerHourReadsBackAsTyped) {
  int mismatches = 0;
  for (int cents = 1; cents <= 200000; ++cents) {
    const double typed = cents / 100.0;
    const double stored = PerHourToStoredRate(typed, TDemurrateRateUnit::druPerHour);
    if (StoredRateToPerHour(stored, TDemurrateRateUnit::druPerHour) != typed && ++mismatches < 5)
      ADD_FAILURE() << typed << " per hour reads back as "
                    << StoredRateToPerHour(stored, TDemurrateRateUnit::druPerHour);
  }
  EXPECT_EQ(mismatches, 0);
}

} // namespace
} // namespace laytime
