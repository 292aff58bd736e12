#include "files/Crc32.h"

#include <gtest/gtest.h>

#include <string_view>

namespace laytime {
namespace {

std::uint32_t CrcOf(std::string_view text) {
  std::uint32_t crc = Crc32Start;
  Crc32Update(text.data(), text.size(), crc);
  return crc;
}

TEST(Crc32Test, KnownAnswersWithoutFinalInversion) {
  struct Case {
    const char* name;
    std::string_view input;
    std::uint32_t expected;
  };
  // The usual CRC-32 values inverted: "123456789" is 0xCBF43926 there.
  for (const Case& c : {Case{"check value", "123456789", 0x340BC6D9u},
                        Case{"empty input keeps the start value", "", 0xFFFFFFFFu},
                        Case{"single a", "a", ~0xE8B7BE43u},
                        Case{"fox", "The quick brown fox jumps over the lazy dog", ~0x414FA339u}}) {
    EXPECT_EQ(CrcOf(c.input), c.expected) << c.name;
  }
}

TEST(Crc32Test, PiecesGiveTheSameRegisterAsTheWhole) {
  std::uint32_t crc = Crc32Start;
  Crc32Update("1234", 4, crc);
  Crc32Update("56789", 5, crc);
  EXPECT_EQ(crc, 0x340BC6D9u);
}

} // namespace
} // namespace laytime
