#include "model/TTieredRates.h"

#include "core/ZQTypes.h"

#include <gtest/gtest.h>

#include <optional>
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

std::optional<std::int64_t> TierSize(const TTieredRates& rates, int index) {
  std::int64_t size = -999;
  if (!rates.TryGetTierSizeInMinutes(index, size))
    return std::nullopt;
  return size;
}

TEST(TTieredRates, AddBeginsOneDayAfterTheLastTierAtItsTime) {
  TTieredRates rates;
  EXPECT_EQ(rates.Add(), (TTieredRate{0, 0, EmptyReal}));
  rates.GetItem(0).Rate = 10000;
  rates.Add() = TTieredRate{3, 360, 15000};
  EXPECT_EQ(rates.Add(), (TTieredRate{4, 360, EmptyReal}));
  EXPECT_EQ(rates.GetCount(), 3);

  TTieredRates farOut = Tiers({{0, 0, 1}, {2147483647, 0, 1}});
  EXPECT_EQ(farOut.Add().FromDay, 2147483647);
}

TEST(TTieredRates, FirstTierIsNeverEmpty) {
  const TTieredRates rates = Tiers({{0, 0, EmptyReal}, {1, 0, EmptyReal}, {2, 0, 5.0}});
  EXPECT_FALSE(rates.IsEmptyRec(0));
  EXPECT_TRUE(rates.IsEmptyRec(1));
  EXPECT_FALSE(rates.IsEmptyRec(2));
}

TEST(TTieredRates, PackRemovesEmptyTiersAfterTheFirst) {
  TTieredRates rates = Tiers(
      {{0, 0, EmptyReal}, {1, 0, EmptyReal}, {2, 0, 5.0}, {3, 0, EmptyReal}, {4, 0, EmptyReal}});
  rates.Pack();
  EXPECT_EQ(rates, Tiers({{0, 0, EmptyReal}, {2, 0, 5.0}}));
}

TEST(TTieredRates, RepairInsertsAFreeFirstTierWhenNoneBeginsAtDayZero) {
  TTieredRates rates = Tiers({{2, 0, 15000}});
  rates.RepairIfNeeded();
  EXPECT_EQ(rates, Tiers({{0, 0, 0.0}, {2, 0, 15000}}));

  TTieredRates empty;
  empty.RepairIfNeeded();
  EXPECT_EQ(empty, Tiers({{0, 0, 0.0}}));

  TTieredRates sound = Tiers({{0, 0, 10000}, {2, 0, 15000}});
  sound.RepairIfNeeded();
  EXPECT_EQ(sound, Tiers({{0, 0, 10000}, {2, 0, 15000}}));

  TTieredRates notAtMidnight = Tiers({{0, 360, 10000}});
  notAtMidnight.RepairIfNeeded();
  EXPECT_EQ(notAtMidnight, Tiers({{0, 0, 0.0}, {0, 360, 10000}}));
}

TEST(TTieredRates, DefaultsFromReplacesAllTiers) {
  TTieredRates rates = Tiers({{0, 0, 1}, {1, 0, 2}});
  rates.DefaultsFrom(24000);
  EXPECT_EQ(rates, Tiers({{0, 0, 24000}}));
}

struct SizeCase {
  const char* name;
  TTieredRate tier;
  TTieredRate next;
  std::int64_t size;
};

class TierSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(TierSizeTest, IsTheDistanceBetweenBeginnings) {
  const TTieredRates rates = Tiers({GetParam().tier, GetParam().next});
  EXPECT_EQ(TierSize(rates, 0), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TierSizeTest,
    testing::Values(SizeCase{"ThreeDays", {0, 0, 1}, {3, 0, 1}, 4320},
                    SizeCase{"SameDay", {1, 360, 1}, {1, 1080, 1}, 720},
                    SizeCase{"NextDayEarlierTime", {0, 1080, 1}, {1, 360, 1}, 720},
                    SizeCase{"DaysAndHours", {0, 0, 1}, {2, 360, 1}, 3240},
                    SizeCase{"OutOfOrderSameDay", {1, 1080, 1}, {1, 360, 1}, -720},
                    SizeCase{"OutOfOrderDays", {3, 0, 1}, {1, 0, 1}, 1440},
                    SizeCase{"FarApartDays", {0, 0, 1}, {2147483647, 0, 1}, 3092376451680}),
    [](const auto& info) { return info.param.name; });

TEST(TTieredRates, LastTierAndIndicesOutsideHaveNoSize) {
  const TTieredRates rates = Tiers({{0, 0, 1}, {3, 0, 1}});
  EXPECT_EQ(TierSize(rates, 1), std::nullopt);
  EXPECT_EQ(TierSize(rates, 2), std::nullopt);
  EXPECT_EQ(TierSize(rates, -1), std::nullopt);
  EXPECT_EQ(TierSize(TTieredRates(), 0), std::nullopt);
}

TEST(TTieredRates, IndexOutsideTheListThrows) {
  TTieredRates rates = Tiers({{0, 0, 1}});
  EXPECT_THROW(rates.GetItem(1), std::out_of_range);
  EXPECT_THROW(rates.GetItem(-1), std::out_of_range);
  EXPECT_THROW(rates.IsEmptyRec(1), std::out_of_range);
  EXPECT_THROW(rates.Delete(1), std::out_of_range);
}

} // namespace
} // namespace laytime
