#include "app/logic/TemplatePassword.h"

#include "core/Windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace laytime {
namespace {

// Known answers of the scrambler; they change only if its seed, multiplier or addend change,
// which would lock every protected template.
TEST(TemplatePasswordTest, KnownScrambledForms) {
  struct TRow {
    const char* Typed;
    std::string Stored; // UTF-8
  };
  const TRow rows[] = {
      {"SECRET", "\x1F\xC3\x80\xC2\xBAvn\xC2\xB7"},     // bytes 1F C0 BA 76 6E B7
      {"\xC3\x84RGER", "\xCB\x86\x38\x0E\xC3\x8F\x31"}, // ÄRGER: bytes 88 38 0E CF 31
      {"A", "\x0D"},
      {"L", std::string(1, '\0')}, // the scrambled byte 0
      {"\xC3\x8D", "\xC2\x81"},    // Í gives the byte 0x81, which the code page leaves undefined
      {"", ""},
      {"   ", ""},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Typed);
    EXPECT_EQ(ScrambleTemplatePassword(row.Typed), row.Stored);
  }
}

TEST(TemplatePasswordTest, CaseAndSurroundingBlanksDoNotMatter) {
  const std::string stored = ScrambleTemplatePassword("SECRET");
  struct TRow {
    const char* Typed;
    bool Matches;
  };
  const TRow rows[] = {
      {"SECRET", true},   {"secret   ", true}, {"  Secret\t", true}, {"SEC RET", false},
      {"SECRET1", false}, {"SECRE", false},    {"", false},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Typed);
    EXPECT_EQ(TemplatePasswordMatches(row.Typed, stored), row.Matches);
  }
  EXPECT_TRUE(TemplatePasswordMatches("\xC3\xA4rger", ScrambleTemplatePassword("\xC3\x84RGER")));
  EXPECT_TRUE(TemplatePasswordMatches("  ", ""));
}

// The scrambled bytes take every value 0..255; the stored text must give them all back.
TEST(TemplatePasswordTest, EveryScrambledByteSurvivesTheCodePageRoundTrip) {
  for (int value = 0; value < 256; ++value) {
    const std::string byte(1, static_cast<char>(value));
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(byte)), byte) << "byte " << value;
  }
  // Í scrambles to the undefined byte 0x81, which must not come back as '?'.
  EXPECT_EQ(Utf8ToWindows1252(ScrambleTemplatePassword("\xC3\x8D")), "\x81");
}

} // namespace
} // namespace laytime
