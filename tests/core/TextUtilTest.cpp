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
