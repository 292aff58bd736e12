#include "files/TransferScrambler.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

const std::string SampleText = "[ZQLaytimeCalculation]\r\n"
                               "ProgramInfo1=\"Navarune: Laytime Calculation\"\r\n"
                               "\r\n"
                               "[Identification]\r\n"
                               "SubversionCode=27\r\n";

TEST(TransferScramblerTest, UnscramblingGivesBackTheText) {
  for (const TScrambleHeader& header :
       {TScrambleHeader{0, 0, 0, 0}, TScrambleHeader{1, 2, 3, 0xFFFF},
        TScrambleHeader{9, 8, 7, 0x1234}}) {
    const std::vector<std::uint8_t> image = ScrambleTransferText(SampleText, header);
    ASSERT_EQ(image.size(), SampleText.size() + ScrambleHeaderSize);
    EXPECT_EQ(UnscrambleTransferText(image), SampleText);
    EXPECT_FALSE(IsPlainTransferText(image));
  }
}

TEST(TransferScramblerTest, TheHeaderIsStoredLittleEndianAndTheFourthWordIsTheKey) {
  const std::vector<std::uint8_t> image =
      ScrambleTransferText("A", TScrambleHeader{0x0102, 0x0304, 0x0506, 0xAB07});
  const std::vector<std::uint8_t> expected{
      0x02, 0x01, 0x04, 0x03, 0x06, 0x05, 0x07, 0xAB, static_cast<std::uint8_t>('A' ^ 0xAB)};
  EXPECT_EQ(image, expected);
}

TEST(TransferScramblerTest, TheKeyAdvancesWithEachStoredByte) {
  // Key 0: the first byte is stored as it is; the key becomes (0 + 'x') × 40503 + 12829.
  const std::vector<std::uint8_t> image = ScrambleTransferText("xy", TScrambleHeader{0, 0, 0, 0});
  const std::uint16_t key = static_cast<std::uint16_t>(('x' * 40503u + 12829u) & 0xFFFFu);
  EXPECT_EQ(image[8], 'x');
  EXPECT_EQ(image[9], static_cast<std::uint8_t>('y' ^ (key >> 8)));
}

TEST(TransferScramblerTest, AFileOfFewerThanNineBytesUnscramblesToNothing) {
  EXPECT_EQ(UnscrambleTransferText(std::vector<std::uint8_t>(8, 0x41)), "");
  EXPECT_EQ(UnscrambleTransferText({}), "");
}

TEST(TransferScramblerTest, RecognisesUnscrambledText) {
  const auto bytes = [](std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
  };
  EXPECT_TRUE(IsPlainTransferText(bytes("[ZQLaytimeCalculation]\r\n")));
  EXPECT_TRUE(IsPlainTransferText(bytes("[zqlay")));
  EXPECT_FALSE(IsPlainTransferText(bytes("[ZQLA")));
  EXPECT_FALSE(IsPlainTransferText(bytes(" [ZQLaytimeCalculation]")));
}

TEST(TransferScramblerTest, ChecksumLineCoversTheNonEmptyLines) {
  const std::uint32_t checksum = TransferTextChecksum(SampleText);
  // Empty lines and line ends do not count.
  EXPECT_EQ(TransferTextChecksum("[ZQLaytimeCalculation]\n"
                                 "ProgramInfo1=\"Navarune: Laytime Calculation\"\n"
                                 "[Identification]\n"
                                 "SubversionCode=27"),
            checksum);
  EXPECT_EQ(TransferTextChecksum(""), 0xFFFFFFFFu);
  EXPECT_EQ(TransferTextChecksum("123456789\r\n"), 0x340BC6D9u);
  EXPECT_EQ(TransferChecksumLine(0x340BC6D9u), "CRC=873187033");
}

struct CheckCase {
  const char* Name;
  std::string Text;
  TChecksumCheck Expected;
};

class TransferChecksumCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(TransferChecksumCheckTest, Checks) {
  EXPECT_EQ(CheckTransferChecksum(GetParam().Text), GetParam().Expected);
}

const std::string Signed = SampleText + TransferChecksumLine(TransferTextChecksum(SampleText));

INSTANTIATE_TEST_SUITE_P(
    Cases, TransferChecksumCheckTest,
    testing::Values(CheckCase{"Matches", Signed + "\r\n", TChecksumCheck::Matches},
                    CheckCase{"WithoutLastLineEnd", Signed, TChecksumCheck::Matches},
                    CheckCase{"TrailingEmptyLines", Signed + "\r\n\r\n", TChecksumCheck::Matches},
                    CheckCase{"LowerCaseKey",
                              "a=1\r\ncrc=" + std::to_string(TransferTextChecksum("a=1")),
                              TChecksumCheck::Matches},
                    CheckCase{"ChangedLine", "X" + Signed, TChecksumCheck::Differs},
                    CheckCase{"NotANumber", SampleText + "CRC=12ab", TChecksumCheck::Differs},
                    CheckCase{"Empty", SampleText + "CRC=", TChecksumCheck::Differs},
                    CheckCase{"TooBig", SampleText + "CRC=99999999999", TChecksumCheck::Differs},
                    // The checksum of no line at all is 0xFFFFFFFF: above the signed range, read
                    // as the unsigned number written, and also as the signed one a peer may write.
                    CheckCase{"Unsigned", "CRC=4294967295", TChecksumCheck::Matches},
                    CheckCase{"Signed", "CRC=-1", TChecksumCheck::Matches},
                    CheckCase{"SignedOtherValue", "CRC=-2", TChecksumCheck::Differs},
                    CheckCase{"BelowSignedRange", "CRC=-4294967297", TChecksumCheck::Differs},
                    CheckCase{"NoChecksumLine", SampleText, TChecksumCheck::NoChecksumLine},
                    CheckCase{"NothingAtAll", "", TChecksumCheck::NoChecksumLine}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.Name; });

} // namespace
} // namespace laytime
