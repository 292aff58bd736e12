#include "core/Windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace laytime {
namespace {

struct TEncodingCase {
  const char* Name;
  std::string Utf8;
  std::string Windows1252;
};

class Windows1252RoundTrip : public testing::TestWithParam<TEncodingCase> {};

TEST_P(Windows1252RoundTrip, ConvertsBothWays) {
  const TEncodingCase& c = GetParam();
  EXPECT_EQ(Utf8ToWindows1252(c.Utf8), c.Windows1252);
  EXPECT_EQ(Windows1252ToUtf8(c.Windows1252), c.Utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Windows1252RoundTrip,
    testing::Values(TEncodingCase{"Ascii", "Laytime 24:00", "Laytime 24:00"},
                    TEncodingCase{"Euro", "\xE2\x82\xAC 100", "\x80 100"},
                    TEncodingCase{"Umlauts", "M\xC3\xA4rz \xC3\x9F", "M\xE4rz \xDF"},
                    TEncodingCase{"Quotes", "\xE2\x80\x9Cok\xE2\x80\x9D", "\x93ok\x94"},
                    TEncodingCase{"YDiaeresis", "\xC5\xB8\xC3\xBF", "\x9F\xFF"},
                    TEncodingCase{"UndefinedBytes", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D",
                                  "\x81\x8D\x8F\x90\x9D"},
                    TEncodingCase{"Empty", "", ""}),
    [](const testing::TestParamInfo<TEncodingCase>& info) { return info.param.Name; });

TEST(Windows1252Test, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte)
    all += static_cast<char>(byte);
  EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
}

TEST(Windows1252Test, UnrepresentableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToWindows1252("Port \xE6\xB8\xAF"), "Port ?"); // CJK
  EXPECT_EQ(Utf8ToWindows1252("\xF0\x9F\x9A\xA2!"), "?!");     // ship emoji
  EXPECT_EQ(Utf8ToWindows1252("\xC2\x85"), "?");               // a C1 control the page lacks
}

TEST(Windows1252Test, MalformedUtf8BecomesOneQuestionMarkPerByte) {
  EXPECT_EQ(Utf8ToWindows1252("a\xFF"
                              "b"),
            "a?b");
  EXPECT_EQ(Utf8ToWindows1252("\xC3"), "?");           // truncated sequence
  EXPECT_EQ(Utf8ToWindows1252("\xC0\xAF"), "??");      // overlong slash
  EXPECT_EQ(Utf8ToWindows1252("\xED\xA0\x80"), "???"); // encoded surrogate
}

struct TUtf16Case {
  const char* Name;
  std::string Utf8;
  std::string Utf16LE;
};

class Utf16RoundTrip : public testing::TestWithParam<TUtf16Case> {};

TEST_P(Utf16RoundTrip, ConvertsBothWays) {
  const TUtf16Case& c = GetParam();
  EXPECT_EQ(Utf8ToUtf16LE(c.Utf8), c.Utf16LE);
  EXPECT_EQ(Utf16LEToUtf8(c.Utf16LE), c.Utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Utf16RoundTrip,
    testing::Values(TUtf16Case{"Ascii", "Ab", std::string("A\0b\0", 4)},
                    TUtf16Case{"Euro", "\xE2\x82\xAC", "\xAC\x20"},
                    TUtf16Case{"Umlaut", "\xC3\xA4", std::string("\xE4\0", 2)},
                    TUtf16Case{"SurrogatePair", "\xF0\x9F\x9A\xA2", "\x3D\xD8\xA2\xDE"},
                    TUtf16Case{"Empty", "", ""}),
    [](const testing::TestParamInfo<TUtf16Case>& info) { return info.param.Name; });

TEST(Utf16Test, MalformedInputBecomesReplacementCharacters) {
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(Utf16LEToUtf8(std::string("A\0B", 3)), "A" + replacement); // odd last byte
  EXPECT_EQ(Utf16LEToUtf8("\x3D\xD8"), replacement);                   // lone high surrogate
  EXPECT_EQ(Utf16LEToUtf8(std::string("\xA2\xDE"
                                      "A\0",
                                      4)),
            replacement + "A"); // lone low
  EXPECT_EQ(Utf16LEToUtf8(std::string("\x3D\xD8"
                                      "A\0",
                                      4)),
            replacement + "A");
  EXPECT_EQ(Utf8ToUtf16LE("\xFF"), "\xFD\xFF");
}

} // namespace
} // namespace laytime
