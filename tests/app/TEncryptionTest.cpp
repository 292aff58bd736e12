#include "app/logic/TEncryption.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>

namespace laytime {
namespace {

const std::string Failure(1, '\x01');
const std::string Key = "0123456789ABCDEF";

bool HasDistinctCharacters(const std::string& text) {
  return std::set<char>(text.begin(), text.end()).size() == text.size();
}

bool IsFromAlphabet(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    return TEncryption::Alphabet.find(c) != std::string_view::npos;
  });
}

TEST(TEncryptionTest, AlphabetHoldsDigitsLettersAndTwoSigns) {
  const std::string alphabet(TEncryption::Alphabet);
  EXPECT_EQ(alphabet.size(), 64u);
  EXPECT_TRUE(HasDistinctCharacters(alphabet));
  const auto count = [&](auto predicate) {
    return std::count_if(alphabet.begin(), alphabet.end(), predicate);
  };
  EXPECT_EQ(count([](char c) { return c >= '0' && c <= '9'; }), 10);
  EXPECT_EQ(count([](char c) { return c >= 'A' && c <= 'Z'; }), 26);
  EXPECT_EQ(count([](char c) { return c >= 'a' && c <= 'z'; }), 26);
}

TEST(TEncryptionTest, SecurityStringsAreSixteenDistinctCharactersOfTheAlphabet) {
  TEncryption encryption;
  for (int i = 0; i < 50; ++i) {
    const std::string securityString = encryption.GenerateSecurityString();
    EXPECT_EQ(securityString.size(), 16u);
    EXPECT_TRUE(HasDistinctCharacters(securityString)) << securityString;
    EXPECT_TRUE(IsFromAlphabet(securityString)) << securityString;
  }
  EXPECT_EQ(TEncryption(7).GenerateSecurityString(), TEncryption(7).GenerateSecurityString());
  EXPECT_NE(TEncryption(7).GenerateSecurityString(), TEncryption(8).GenerateSecurityString());
}

TEST(TEncryptionTest, RandomStringsNeverRepeatACharacter) {
  struct TRow {
    const char* Name;
    std::string Charset;
    int Length;
    std::string Expected; // the characters drawn, in sorted order
  };
  const TRow rows[] = {
      {"part of the set", "ABCDEFGH", 3, ""},
      {"the whole set", "ABC", 3, "ABC"},
      {"longer than the set", "ABC", 10, "ABC"},
      {"repeated characters count once", "AABBB", 5, "AB"},
      {"zero length", "ABC", 0, ""},
      {"negative length", "ABC", -4, ""},
      {"empty set", "", 5, ""},
  };
  TEncryption encryption(1);
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Name);
    std::string drawn = encryption.GenerateRandomStringByChars(row.Charset, row.Length);
    EXPECT_TRUE(HasDistinctCharacters(drawn)) << drawn;
    EXPECT_TRUE(std::all_of(drawn.begin(), drawn.end(),
                            [&](char c) { return row.Charset.find(c) != std::string::npos; }));
    if (row.Expected.empty() && row.Length > 0 && !row.Charset.empty()) {
      EXPECT_EQ(drawn.size(), static_cast<std::size_t>(row.Length));
      continue;
    }
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, row.Expected);
  }
}

// Without filler (both bounds 0) the code is fixed: 'A' (0x41) is key[1], then, the key turned
// right to "F0123456789ABCDE", key[4].
TEST(TEncryptionTest, KnownCodesWithoutFiller) {
  TEncryption encryption(1);
  EXPECT_EQ(encryption.Encode("A", Key, 0, 0), "13");
  EXPECT_EQ(encryption.Encode("AB", Key, 0, 0), "1301");
  EXPECT_EQ(encryption.Encode(std::string(1, '\0'), Key, 0, 0), "0F");
  EXPECT_EQ(encryption.Decode("1301", Key), "AB");
  EXPECT_EQ(encryption.Decode("1-3_0z1y", Key), "AB"); // filler between the codes is skipped
}

TEST(TEncryptionTest, DecodeReturnsTheEncodedTextForAnyBounds) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> textLength(0, 40);
  std::uniform_int_distribution<int> bound(-20, 150);
  TEncryption encryption(99);
  for (int i = 0; i < 300; ++i) {
    std::string text;
    for (int n = textLength(random); n > 0; --n)
      text += static_cast<char>(byte(random));
    const int minLength = bound(random);
    const int maxLength = bound(random);
    const std::string securityString = encryption.GenerateSecurityString();
    const std::string encoded = encryption.Encode(text, securityString, minLength, maxLength);
    SCOPED_TRACE("bounds " + std::to_string(minLength) + ", " + std::to_string(maxLength));
    EXPECT_TRUE(IsFromAlphabet(encoded));
    EXPECT_EQ(encryption.Decode(encoded, securityString), text);
  }
}

TEST(TEncryptionTest, FillerLengthsFollowTheNormalisedBounds) {
  struct TRow {
    const char* Name;
    int MinLength, MaxLength;
    int LeadLow, LeadHigh;   // the filler in front
    int InnerLow, InnerHigh; // the filler after each code character
  };
  const TRow rows[] = {
      {"settings dialog", 0, 5, 1, 5, 0, 4},
      {"swapped", 5, 0, 1, 5, 0, 4},
      {"negative minimum", -3, 4, 1, 4, 0, 3},
      {"maximum beyond the filler characters", 10, 200, 11, 48, 10, 48},
      {"equal bounds", 3, 3, 3, 3, 2, 2},
      {"both zero", 0, 0, 0, 0, 0, 0},
      {"both negative", -5, -2, 0, 0, 0, 0},
  };
  TEncryption encryption(5);
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Name);
    for (int i = 0; i < 40; ++i) {
      const std::string empty = encryption.Encode("", Key, row.MinLength, row.MaxLength);
      EXPECT_GE(static_cast<int>(empty.size()), row.LeadLow);
      EXPECT_LE(static_cast<int>(empty.size()), row.LeadHigh);
      EXPECT_EQ(empty.find_first_of(Key), std::string::npos) << empty;
      EXPECT_TRUE(HasDistinctCharacters(empty)) << empty;

      // Split the code of "xy" at its four code characters into its five fillers.
      const std::string encoded = encryption.Encode("xy", Key, row.MinLength, row.MaxLength);
      std::size_t start = 0;
      for (int filler = 0; filler < 5; ++filler) {
        const std::size_t end = filler < 4 ? encoded.find_first_of(Key, start) : encoded.size();
        ASSERT_NE(end, std::string::npos) << encoded;
        const int length = static_cast<int>(end - start);
        EXPECT_GE(length, filler == 0 ? row.LeadLow : row.InnerLow) << encoded;
        EXPECT_LE(length, filler == 0 ? row.LeadHigh : row.InnerHigh) << encoded;
        start = end + 1;
      }
    }
  }
}

TEST(TEncryptionTest, AnotherSecurityStringFailsOrGivesAnotherText) {
  TEncryption encryption(3);
  const std::string token = "eyJhbGciOiJIUzI1NiJ9.token-of-the-service";
  for (int i = 0; i < 100; ++i) {
    const std::string securityString = encryption.GenerateSecurityString();
    const std::string encoded = encryption.Encode(token, securityString, 0, 5);
    std::string other = encryption.GenerateSecurityString();
    if (other == securityString)
      continue;
    EXPECT_NE(encryption.Decode(encoded, other), token);
  }
}

TEST(TEncryptionTest, UnusableSecurityStrings) {
  struct TRow {
    const char* Name;
    std::string SecurityString;
  };
  const TRow rows[] = {
      {"repeated character", "0123456789ABCDE0"},
      {"character outside the alphabet", "0123456789ABCDE!"},
      {"non-ASCII character", "0123456789ABCD\xC3\xA9"},
  };
  TEncryption encryption(4);
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Name);
    EXPECT_EQ(encryption.Encode("token", row.SecurityString, 0, 5), "");
    EXPECT_EQ(encryption.Decode("0123456789", row.SecurityString), Failure);
  }
}

TEST(TEncryptionTest, ShortSecurityStringRaisesOnEncodeAndFailsOnDecode) {
  TEncryption encryption(6);
  for (const std::string securityString : {"", "0123456789ABCDE"}) {
    SCOPED_TRACE(securityString);
    try {
      encryption.Encode("token", securityString, 0, 5);
      ADD_FAILURE() << "EInvalidSecurityHash expected";
    } catch (const EInvalidSecurityHash& error) {
      EXPECT_STREQ(error.what(), "The given securitystring is invalid");
    }
    EXPECT_EQ(encryption.Decode("0123", securityString), Failure);
  }
  EXPECT_THROW(encryption.Encode("", "0123", 0, 5), ELaytimeError);
}

TEST(TEncryptionTest, DecodeFailures) {
  const TEncryption encryption(8);
  EXPECT_EQ(encryption.Decode("130", Key), Failure); // an odd number of code characters
  EXPECT_EQ(encryption.Decode("", Key), "");         // nothing to read
  EXPECT_EQ(encryption.Decode("xyz-_", Key), "");    // filler only
  const std::string longKey = Key + "G";             // positions 16 and up hold no half
  EXPECT_EQ(encryption.Decode("G0", longKey), Failure);
  TEncryption encoder(8);
  EXPECT_EQ(encoder.Decode(encoder.Encode("token", longKey, 0, 5), longKey), "token");
}

} // namespace
} // namespace laytime
