#include "core/TextUtil.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

struct TSplitCase {
  const char* Name;
  std::string Text;
  char Separator;
  std::string Token;
  std::string Rest;
};

class SplitTokenCases : public testing::TestWithParam<TSplitCase> {};

TEST_P(SplitTokenCases, TakesThePartBeforeTheSeparator) {
  const TSplitCase& c = GetParam();
  std::string text = c.Text;
  EXPECT_EQ(SplitToken(text, c.Separator), c.Token);
  EXPECT_EQ(text, c.Rest);
}

INSTANTIATE_TEST_SUITE_P(Texts, SplitTokenCases,
                         testing::Values(TSplitCase{"Middle", "a;b;c", ';', "a", "b;c"},
                                         TSplitCase{"Leading", ";b", ';', "", "b"},
                                         TSplitCase{"Trailing", "a;", ';', "a", ""},
                                         TSplitCase{"Missing", "abc", ';', "abc", ""},
                                         TSplitCase{"Empty", "", ';', "", ""}),
                         [](const testing::TestParamInfo<TSplitCase>& info) {
                           return info.param.Name;
                         });

TEST(TextUtilTest, TrimRemovesBlanksAndControlsAtBothEnds) {
  EXPECT_EQ(Trim(" \t 8:30\r\n"), "8:30");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("a b"), "a b");
}

TEST(TextUtilTest, TryStrToIntAcceptsOnlyASignAndDigits) {
  EXPECT_EQ(TryStrToInt("42"), 42);
  EXPECT_EQ(TryStrToInt("+42"), 42);
  EXPECT_EQ(TryStrToInt("-42"), -42);
  EXPECT_EQ(TryStrToInt("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(TryStrToInt("2147483648"), std::nullopt);
  EXPECT_EQ(TryStrToInt("+-4"), std::nullopt);
  EXPECT_EQ(TryStrToInt("--4"), std::nullopt);
  EXPECT_EQ(TryStrToInt("4a"), std::nullopt);
  EXPECT_EQ(TryStrToInt(" 4"), std::nullopt);
  EXPECT_EQ(TryStrToInt("+"), std::nullopt);
  EXPECT_EQ(TryStrToInt(""), std::nullopt);
}

// Every small letter of the Windows-1252 code page has its capital, as the system's ANSI
// upper-casing gives it: š œ ž ÿ (bytes 0x9A 0x9C 0x9E 0xFF) become Š Œ Ž Ÿ (0x8A 0x8C 0x8E
// 0x9F). Letters without a capital in the code page (ß, µ) stay.
struct TUpperCaseCase {
  const char* Name;
  std::string Text;
  std::string Upper;
};

class UpperCaseLetters : public testing::TestWithParam<TUpperCaseCase> {};

TEST_P(UpperCaseLetters, GivesTheCapital) {
  EXPECT_EQ(UpperCaseText(GetParam().Text), GetParam().Upper);
}

INSTANTIATE_TEST_SUITE_P(
    CodePage, UpperCaseLetters,
    testing::Values(TUpperCaseCase{"Ascii", "abz", "ABZ"},
                    TUpperCaseCase{"AUmlaut", "\xC3\xA4", "\xC3\x84"},
                    TUpperCaseCase{"Thorn", "\xC3\xBE", "\xC3\x9E"},
                    TUpperCaseCase{"DivisionSignStays", "\xC3\xB7", "\xC3\xB7"},
                    TUpperCaseCase{"SCaron", "\xC5\xA1", "\xC5\xA0"},
                    TUpperCaseCase{"OeLigature", "\xC5\x93", "\xC5\x92"},
                    TUpperCaseCase{"ZCaron", "\xC5\xBE", "\xC5\xBD"},
                    TUpperCaseCase{"YDiaeresis", "\xC3\xBF", "\xC5\xB8"},
                    TUpperCaseCase{"SharpSStays", "\xC3\x9F", "\xC3\x9F"},
                    TUpperCaseCase{"MicroStays", "\xC2\xB5", "\xC2\xB5"},
                    TUpperCaseCase{"CapitalsStay", "\xC5\xA0\xC5\x92\xC5\xBD",
                                   "\xC5\xA0\xC5\x92\xC5\xBD"}),
    [](const testing::TestParamInfo<TUpperCaseCase>& info) { return info.param.Name; });

TEST(TextUtilTest, UpperCaseCoversLatinLetters) {
  EXPECT_EQ(UpperCaseText("m\xC3\xA4rz"), "M\xC3\x84RZ");
  EXPECT_EQ(UpperCaseText("Mar 1"), "MAR 1");
  EXPECT_EQ(UpperCaseText("\xFF"
                          "a"),
            "\xFF"
            "A"); // a byte that is not UTF-8 stays
}

} // namespace
} // namespace laytime
