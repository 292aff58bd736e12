#include "model/PriceTieredDemurrage.h"

#include "core/ZQTypes.h"
#include "model/TTieredRates.h"
#include "model/TTieredTimes.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <vector>

namespace laytime {
namespace {

TTieredRates Tiers(const std::vector<TTieredRate>& tiers) {
  TTieredRates rates;
  for (const TTieredRate& tier : tiers)
    rates.Add() = tier;
  return rates;
}

using Allocation = std::map<std::int32_t, std::int64_t>;

struct PricingCase {
  const char* name;
  std::vector<TTieredRate> tiers;
  std::int64_t minutes;
  Allocation allocation;
  double price;
};

class PricingTest : public testing::TestWithParam<PricingCase> {};

TEST_P(PricingTest, AllocatesAndPrices) {
  const PricingCase& c = GetParam();
  TTieredTimes times;
  times.AddToTier(7, 99); // a leftover of an earlier pricing is cleared
  const Currency price = PriceTieredDemurrage(Tiers(c.tiers), times, c.minutes);
  EXPECT_EQ(times.Items(), c.allocation);
  EXPECT_EQ(price, Currency(c.price));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PricingTest,
    testing::Values(
        PricingCase{
            "TwoTiers", {{0, 0, 10000}, {3, 0, 15000}}, 7920, {{0, 4320}, {1, 3600}}, 67500.00},
        PricingCase{
            "EndsAtTierBoundary", {{0, 0, 10000}, {3, 0, 15000}}, 4320, {{0, 4320}}, 30000.00},
        PricingCase{"SingleTier", {{0, 0, 24000}}, 7920, {{0, 7920}}, 132000.00},
        PricingCase{"EmptyMiddleTierKeepsItsLength",
                    {{0, 0, 10000}, {1, 0, EmptyReal}, {2, 0, 20000}},
                    4320,
                    {{0, 1440}, {1, 1440}, {2, 1440}},
                    30000.00},
        PricingCase{"RepairedFirstTierIsFree",
                    {{0, 0, 0.0}, {2, 0, 15000}},
                    3600,
                    {{0, 2880}, {1, 720}},
                    7500.00},
        PricingCase{"SameDayTiers",
                    {{0, 0, 1440}, {0, 360, 2880}, {0, 1080, 4320}},
                    1440,
                    {{0, 360}, {1, 720}, {2, 360}},
                    2880.00},
        // 0.69444 per tier: three rounded tiers make 2.07, not 2.08.
        PricingCase{"EachTierRoundedToCents",
                    {{0, 0, 1000}, {0, 1, 1000}, {0, 2, 1000}},
                    3,
                    {{0, 1}, {1, 1}, {2, 1}},
                    2.07},
        // The middle tier begins after the one that follows it: it has no length and must not
        // give minutes back.
        PricingCase{"OutOfOrderTierReceivesNothing",
                    {{0, 0, 10000}, {1, 1080, 99999}, {1, 360, 20000}},
                    4320,
                    {{0, 2520}, {2, 1800}},
                    42500.00},
        PricingCase{"NoMinutes", {{0, 0, 10000}}, 0, {}, 0.0},
        PricingCase{"NegativeMinutes", {{0, 0, 10000}}, -60, {}, 0.0},
        PricingCase{"EmptyFirstRateCountsZero", {{0, 0, EmptyReal}}, 1440, {{0, 1440}}, 0.0}),
    [](const auto& info) { return info.param.name; });

TEST(PriceTieredDemurrage, EmptyTierListIsAProgrammingError) {
  TTieredTimes times;
#ifdef NDEBUG
  EXPECT_THROW(PriceTieredDemurrage(TTieredRates(), times, 60), std::logic_error);
#else
  EXPECT_DEATH(PriceTieredDemurrage(TTieredRates(), times, 60), "at least one tier");
#endif
}

TEST(TTieredTimes, AccumulatesAndPricesPerTier) {
  TTieredTimes times;
  EXPECT_EQ(times.GetMinutesAllocatedToTier(0), 0);
  times.AddToTier(1, 720);
  times.AddToTier(1, 60);
  EXPECT_EQ(times.GetMinutesAllocatedToTier(1), 780);
  EXPECT_EQ(times.Calc(1, 14400), Currency(7800.0));
  // 1 minute at 1000 per day is 0.69444 → 0.6944 → 0.69.
  times.AddToTier(2, 1);
  EXPECT_EQ(times.Calc(2, 1000), Currency(0.69));
  EXPECT_EQ(times.Calc(1, EmptyReal), Currency());
  EXPECT_EQ(times.Calc(5, 1000), Currency());
  times.Clear();
  EXPECT_TRUE(times.Items().empty());
}

} // namespace
} // namespace laytime
