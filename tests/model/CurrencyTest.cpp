#include "model/Currency.h"

#include "core/Errors.h"
#include "core/ZQTypes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace laytime {
namespace {

struct FromDoubleCase {
  const char* name;
  double value;
  std::int64_t raw;
};

class CurrencyFromDouble : public testing::TestWithParam<FromDoubleCase> {};

TEST_P(CurrencyFromDouble, RoundsToFourDecimalsHalfEven) {
  EXPECT_EQ(Currency(GetParam().value).Raw(), GetParam().raw);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CurrencyFromDouble,
    testing::Values(
        FromDoubleCase{"Zero", 0.0, 0}, FromDoubleCase{"Whole", 12345.0, 123450000},
        FromDoubleCase{"FourDecimals", 12345.675, 123456750},
        FromDoubleCase{"TieUpToEven", 1.23455, 12346},
        FromDoubleCase{"TieDownToEven", 1.23465, 12346},
        FromDoubleCase{"AboveTie", 1.234551, 12346}, FromDoubleCase{"BelowTie", 1.234549, 12345},
        FromDoubleCase{"NegativeTie", -1.23455, -12346},
        FromDoubleCase{"SmallestTieGoesToZero", 0.00005, 0},
        FromDoubleCase{"SmallestUnitTieGoesToTwo", 0.00015, 2}, FromDoubleCase{"Tiny", 1e-300, 0},
        FromDoubleCase{"ThirdOfOne", 1.0 / 3.0, 3333}, FromDoubleCase{"EmptyIsZero", EmptyReal, 0},
        FromDoubleCase{"Largest", 922337203685477.0, 9223372036854770000}),
    [](const auto& info) { return info.param.name; });

TEST(Currency, ValuesOutsideTheRangeThrow) {
  EXPECT_THROW(Currency(1e15), ERangeError);
  EXPECT_THROW(Currency(-1e15), ERangeError);
  EXPECT_THROW(Currency(std::numeric_limits<double>::quiet_NaN()), ERangeError);
  EXPECT_THROW(Currency(std::numeric_limits<double>::infinity()), ERangeError);
}

struct CentsCase {
  const char* name;
  std::int64_t raw;
  std::int64_t cents;
};

class CurrencyRoundToCents : public testing::TestWithParam<CentsCase> {};

TEST_P(CurrencyRoundToCents, RoundsHalfEven) {
  EXPECT_EQ(Currency::FromRaw(GetParam().raw).RoundToCents().Raw(), GetParam().cents);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CurrencyRoundToCents,
    testing::Values(CentsCase{"Exact", 12300, 12300},
                    CentsCase{"TieToEvenUp", 123456750, 123456800},
                    CentsCase{"TieToEvenDown", 25250, 25200}, CentsCase{"TieOddUp", 25350, 25400},
                    CentsCase{"BelowTie", 25249, 25200}, CentsCase{"AboveTie", 25251, 25300},
                    CentsCase{"NegativeTieToEven", -25250, -25200},
                    CentsCase{"NegativeTieOdd", -25350, -25400},
                    CentsCase{"NegativeAboveTie", -25251, -25300},
                    CentsCase{"HalfCentToZero", 50, 0}, CentsCase{"OneAndHalfCentToTwo", 150, 200}),
    [](const auto& info) { return info.param.name; });

TEST(Currency, TypedDecimalsRoundAsWrittenNotAsStored) {
  // 2.535 is stored a little below the tie; the amount still rounds up to the even 2.54.
  EXPECT_EQ(Currency(2.535).RoundToCents(), Currency(2.54));
  EXPECT_EQ(Currency(2.525).RoundToCents(), Currency(2.52));
}

TEST(Currency, RoundedToCentsRoundsOnceHalfEven) {
  EXPECT_EQ(Currency::RoundedToCents(1286.86501), Currency(1286.87));
  EXPECT_EQ(Currency::RoundedToCents(12345.675), Currency(12345.68));
  EXPECT_EQ(Currency::RoundedToCents(2.525), Currency(2.52));
  EXPECT_EQ(Currency::RoundedToCents(-2.535), Currency(-2.54));
  EXPECT_EQ(Currency::RoundedToCents(EmptyReal), Currency());
}

TEST(Currency, ArithmeticIsExact) {
  const Currency a(0.1);
  const Currency b(0.2);
  EXPECT_EQ(a + b, Currency(0.3));
  EXPECT_EQ(b - a, a);
  EXPECT_EQ(-a, Currency(-0.1));
  Currency sum;
  for (int i = 0; i < 10; ++i)
    sum += a;
  EXPECT_EQ(sum, Currency(1.0));
  sum -= Currency(0.5);
  EXPECT_DOUBLE_EQ(sum.ToDouble(), 0.5);
  EXPECT_LT(a, b);
}

TEST(Currency, ProductRoundsToFourDecimals) {
  EXPECT_EQ(Currency(12345.68) * 0.6, Currency(7407.408));
  EXPECT_EQ(Currency(10.0) * (1.0 / 3.0), Currency::FromRaw(33333));
  EXPECT_THROW(Currency(900000000000000.0) * 2.0, ERangeError);
}

TEST(Currency, OverflowThrowsInsteadOfWrapping) {
  const Currency big = Currency::FromRaw(std::numeric_limits<std::int64_t>::max() - 1);
  EXPECT_THROW(big + Currency(1.0), ERangeError);
  EXPECT_THROW(-big - Currency(1.0), ERangeError);
  // Rounding to cents stays inside the range at both ends.
  EXPECT_EQ(big.RoundToCents().Raw(), 9223372036854775800);
  EXPECT_EQ(Currency::FromRaw(std::numeric_limits<std::int64_t>::min()).RoundToCents().Raw(),
            -9223372036854775800);
  EXPECT_THROW(-Currency::FromRaw(std::numeric_limits<std::int64_t>::min()), ERangeError);
}

} // namespace
} // namespace laytime
