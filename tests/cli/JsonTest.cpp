#include "cli/Json.h"

#include <gtest/gtest.h>

namespace laytime::cli {
namespace {

TEST(JsonTest, WritesMembersInOrderAndReadsThemBack) {
  TJsonValue object = TJsonValue::Object();
  object.Set("zeta", TJsonValue::Integer(-2147483647));
  object.Set("alpha", TJsonValue::Number(0.1));
  object.Set("text", TJsonValue::String("Line\r\n\"quoted\" \xC3\xBF\x01\xC3\xBF"));
  TJsonValue array = TJsonValue::Array();
  array.Append(TJsonValue());
  array.Append(TJsonValue::Boolean(true));
  object.Set("list", std::move(array));
  object.Set("empty", TJsonValue::Object());
  const std::string text = WriteJson(object);
  EXPECT_EQ(text, "{\n"
                  "  \"zeta\": -2147483647,\n"
                  "  \"alpha\": 0.1,\n"
                  "  \"text\": \"Line\\r\\n\\\"quoted\\\" \xC3\xBF\\u0001\xC3\xBF\",\n"
                  "  \"list\": [\n"
                  "    null,\n"
                  "    true\n"
                  "  ],\n"
                  "  \"empty\": {}\n"
                  "}\n");
  const TJsonValue back = ParseJson(text);
  EXPECT_EQ(WriteJson(back), text);
  EXPECT_TRUE(back.Find("zeta")->IsInteger());
  EXPECT_EQ(back.Find("alpha")->AsNumber(), 0.1);
  EXPECT_EQ(back.Find("text")->AsString(), "Line\r\n\"quoted\" \xC3\xBF\x01\xC3\xBF");
}

TEST(JsonTest, DoublesKeepEveryBit) {
  for (const double value : {1e36, -1e-300, 12345.675, 2.0 / 3.0, 99.99}) {
    const TJsonValue back = ParseJson(WriteJson(TJsonValue::Number(value)));
    EXPECT_EQ(back.AsNumber(), value);
  }
}

TEST(JsonTest, EscapesAndSurrogatePairs) {
  EXPECT_EQ(ParseJson(R"("\u00e9\ud83d\ude00\/")").AsString(), "\xC3\xA9\xF0\x9F\x98\x80/");
}

struct TSyntaxCase {
  const char* Name;
  const char* Text;
  const char* Message;
};

class JsonSyntaxTable : public ::testing::TestWithParam<TSyntaxCase> {};

TEST_P(JsonSyntaxTable, RefusesWithLineAndColumn) {
  try {
    ParseJson(GetParam().Text);
    FAIL() << "no error";
  } catch (const EJsonSyntaxError& error) {
    EXPECT_EQ(std::string(error.what()), GetParam().Message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonSyntaxTable,
    ::testing::Values(
        TSyntaxCase{"TrailingComma", "{\"a\": 1,}",
                    "JSON error at line 1, column 9: a member name in double quotes expected"},
        TSyntaxCase{"Duplicate", "{\"a\": 1,\n \"a\": 2}",
                    "JSON error at line 2, column 5: the member \"a\" occurs twice"},
        TSyntaxCase{"Trailing", "[] x",
                    "JSON error at line 1, column 4: unexpected text after "
                    "the document"},
        TSyntaxCase{"LeadingZero", "01",
                    "JSON error at line 1, column 1: invalid number "
                    "(leading zero)"},
        TSyntaxCase{"LoneSurrogate", "\"\\udc00\"",
                    "JSON error at line 1, column 8: unpaired surrogate in \\u escape"},
        TSyntaxCase{"BadUtf8", "\"\xC3(\"",
                    "JSON error at line 1, column 2: invalid UTF-8 in a "
                    "string"},
        TSyntaxCase{"Unterminated", "\"abc",
                    "JSON error at line 1, column 5: unterminated "
                    "string"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(JsonTest, DeepNestingIsRefusedWithoutExhaustingTheStack) {
  const std::string deep(100000, '[');
  EXPECT_THROW(ParseJson(deep), EJsonSyntaxError);
}

} // namespace
} // namespace laytime::cli
