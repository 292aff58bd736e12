#include "core/NumberText.h"

#include "core/ZQTypes.h"

#include <gtest/gtest.h>

#include <limits>

namespace laytime {
namespace {

const ILocale* const English = &EnglishUSLocale();
const ILocale* const German = &GermanLocale();

struct TRealTextCase {
  const char* Name;
  const ILocale* Locale;
  double Value;
  int Decimals;
  bool Grouped;
  std::string Text;
};

class RealTexts : public testing::TestWithParam<TRealTextCase> {};

TEST_P(RealTexts, WritesTheValue) {
  const TRealTextCase& c = GetParam();
  EXPECT_EQ(RealToStr(c.Value, c.Decimals, c.Grouped, {*c.Locale}), c.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RealTexts,
    testing::Values(TRealTextCase{"EnglishGrouped", English, 1234567.891, 2, true, "1,234,567.89"},
                    TRealTextCase{"EnglishPlain", English, 1234567.891, 2, false, "1234567.89"},
                    TRealTextCase{"GermanGrouped", German, 1234567.891, 2, true, "1.234.567,89"},
                    TRealTextCase{"GermanPlain", German, 0.5, 2, false, "0,50"},
                    TRealTextCase{"IsoGrouped", &IsoLocale(), 1234.5, 1, true, "1,234.5"},
                    TRealTextCase{"NegativeGrouped", English, -1234.5, 1, true, "-1,234.5"},
                    TRealTextCase{"ThreeDigitsNotGrouped", English, 999.0, 0, true, "999"},
                    TRealTextCase{"HalfRoundsUp", English, 2.5, 0, false, "3"},
                    TRealTextCase{"NegativeHalfRoundsAway", English, -2.5, 0, false, "-3"},
                    TRealTextCase{"DecimalTieOfFifteenDigits", English, 2.675, 2, false, "2.68"},
                    TRealTextCase{"CarryIntoNewGroup", English, 999.995, 2, true, "1,000.00"},
                    TRealTextCase{"SumOfTenths", English, 0.1 + 0.2, 2, false, "0.30"},
                    TRealTextCase{"TinyNegativeIsZero", English, -0.001, 2, false, "0.00"},
                    TRealTextCase{"Zero", German, 0.0, 3, true, "0,000"},
                    TRealTextCase{"VerySmall", English, 1e-20, 3, false, "0.000"},
                    TRealTextCase{"FifteenDigitsAtMost", English, 123456789012345.67, 2, false,
                                  "123456789012346.00"},
                    TRealTextCase{"PaddedPastFifteenDigits", English, 0.1, 18, false,
                                  "0.100000000000000000"},
                    TRealTextCase{"DecimalsClampedAtZero", English, 1.5, -1, false, "2"},
                    TRealTextCase{"ExponentForm", English, 1e15, 2, true, "1.00000000000000E+15"},
                    TRealTextCase{"Empty", English, EmptyReal, 2, true, ""}),
    [](const testing::TestParamInfo<TRealTextCase>& info) { return info.param.Name; });

TEST(NumberTextTest, NonFiniteValuesHaveNames) {
  const TFormatContext context{EnglishUSLocale()};
  EXPECT_EQ(RealToStr(std::numeric_limits<double>::quiet_NaN(), 2, false, context), "NAN");
  EXPECT_EQ(RealToStr(std::numeric_limits<double>::infinity(), 2, false, context), "INF");
  EXPECT_EQ(RealToStr(-std::numeric_limits<double>::infinity(), 2, false, context), "-INF");
}

struct TReadRealCase {
  const char* Name;
  const ILocale* Locale;
  std::string Text;
  double Value;
};

class RealReading : public testing::TestWithParam<TReadRealCase> {};

TEST_P(RealReading, ReadsTheText) {
  const TReadRealCase& c = GetParam();
  EXPECT_EQ(StrToReal(c.Text, {*c.Locale}), c.Value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RealReading,
    testing::Values(TReadRealCase{"EnglishGrouped", English, "1,234.5", 1234.5},
                    TReadRealCase{"GermanGrouped", German, "1.234,5", 1234.5},
                    TReadRealCase{"GermanDecimals", German, "1,5", 1.5},
                    TReadRealCase{"GermanDotIsGrouping", German, "1.5", 15.0},
                    TReadRealCase{"GroupingAnywhere", English, "1,2,3", 123.0},
                    TReadRealCase{"Blanks", English, "  12.5 ", 12.5},
                    TReadRealCase{"Exponent", English, "1.5e3", 1500.0},
                    TReadRealCase{"NegativeFraction", English, "-.5", -0.5},
                    TReadRealCase{"PlusSign", English, "+3", 3.0},
                    TReadRealCase{"TrailingSeparator", English, "1.", 1.0},
                    TReadRealCase{"SeparatorAlone", English, ".", EmptyReal},
                    TReadRealCase{"Empty", English, "", EmptyReal},
                    TReadRealCase{"Word", English, "abc", EmptyReal},
                    TReadRealCase{"InnerBlank", English, "12 5", EmptyReal},
                    TReadRealCase{"OpenExponent", English, "1e", EmptyReal},
                    TReadRealCase{"Overflow", English, "1e400", EmptyReal},
                    TReadRealCase{"TwoSigns", English, "+-1", EmptyReal},
                    TReadRealCase{"Infinity", English, "inf", EmptyReal}),
    [](const testing::TestParamInfo<TReadRealCase>& info) { return info.param.Name; });

TEST(NumberTextTest, WrittenRealsReadBack) {
  for (const ILocale* locale : {English, German}) {
    const TFormatContext context{*locale};
    for (const double value : {0.0, 1234567.125, -0.5, 42.0})
      EXPECT_EQ(StrToReal(RealToStr(value, 3, true, context), context), value);
  }
}

struct TIntTextCase {
  const char* Name;
  const ILocale* Locale;
  std::int32_t Value;
  bool Grouped;
  std::string Text;
};

class IntTexts : public testing::TestWithParam<TIntTextCase> {};

TEST_P(IntTexts, WritesTheValue) {
  const TIntTextCase& c = GetParam();
  EXPECT_EQ(IntToStrOrEmpty(c.Value, c.Grouped, {*c.Locale}), c.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IntTexts,
    testing::Values(TIntTextCase{"EnglishGrouped", English, 1234567, true, "1,234,567"},
                    TIntTextCase{"GermanGrouped", German, 1234567, true, "1.234.567"},
                    TIntTextCase{"Plain", German, 1234567, false, "1234567"},
                    TIntTextCase{"NegativeGrouped", English, -1234, true, "-1,234"},
                    TIntTextCase{"Smallest", English, -2147483647 - 1, true, "-2,147,483,648"},
                    TIntTextCase{"Zero", English, 0, true, "0"},
                    TIntTextCase{"Empty", English, EmptyInt, true, ""}),
    [](const testing::TestParamInfo<TIntTextCase>& info) { return info.param.Name; });

TEST(NumberTextTest, IntegerReadingGivesEmptyWhenUnreadable) {
  const TFormatContext english{EnglishUSLocale()};
  EXPECT_EQ(StrToIntOrEmpty("1,234", english), 1234);
  EXPECT_EQ(StrToIntOrEmpty(" -5 ", english), -5);
  EXPECT_EQ(StrToIntOrEmpty("1.234", {GermanLocale()}), 1234);
  EXPECT_EQ(StrToIntOrEmpty("1.5", english), EmptyInt);
  EXPECT_EQ(StrToIntOrEmpty("99999999999", english), EmptyInt);
  EXPECT_EQ(StrToIntOrEmpty("", english), EmptyInt);
}

} // namespace
} // namespace laytime
