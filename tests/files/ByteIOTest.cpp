#include "files/ByteReader.h"
#include "files/ByteWriter.h"

#include "core/ZQTypes.h"
#include "files/FileErrors.h"

#include <gtest/gtest.h>

#include <vector>

namespace laytime {
namespace {

TEST(ByteIOTest, NumbersAreLittleEndian) {
  TByteWriter writer;
  writer.WriteI16(-2);
  writer.WriteI32(0x01020304);
  writer.WriteU16(0xABCD);
  writer.WriteF64(1.0);
  const std::vector<std::uint8_t> expected = {0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0xCD, 0xAB,
                                              0,    0,    0,    0,    0,    0,    0xF0, 0x3F};
  EXPECT_EQ(writer.Bytes(), expected);
}

TEST(ByteIOTest, FieldsRoundTripIncludingEmptyMarkers) {
  TByteWriter writer;
  writer.WriteU8(200);
  writer.WriteBool(true);
  writer.WriteI16(EmptyTime);
  writer.WriteI32(EmptyDay);
  writer.WriteU32(0xFFFFFFFFu);
  writer.WriteF64(EmptyReal);
  writer.WriteShortString("NVR70");
  writer.WriteFixedShortString("Weekend", 256);
  writer.WriteString("Zürich – 5 €", TStringEncoding::Utf16LE);
  writer.WriteString("Zürich – 5 €", TStringEncoding::Windows1252);
  writer.WriteString("", TStringEncoding::Utf16LE);

  TByteReader reader(writer.Bytes());
  EXPECT_EQ(reader.ReadU8(), 200);
  EXPECT_TRUE(reader.ReadBool());
  EXPECT_EQ(reader.ReadI16(), EmptyTime);
  EXPECT_EQ(reader.ReadI32(), EmptyDay);
  EXPECT_EQ(reader.ReadU32(), 0xFFFFFFFFu);
  EXPECT_EQ(reader.ReadF64(), EmptyReal);
  EXPECT_EQ(reader.ReadShortString(), "NVR70");
  EXPECT_EQ(reader.ReadFixedShortString(256), "Weekend");
  EXPECT_EQ(reader.ReadString(TStringEncoding::Utf16LE), "Zürich – 5 €");
  EXPECT_EQ(reader.ReadString(TStringEncoding::Windows1252), "Zürich – 5 €");
  EXPECT_EQ(reader.ReadString(TStringEncoding::Utf16LE), "");
  EXPECT_TRUE(reader.Ok());
  EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(ByteIOTest, StringLengthIsInBytesOfTheEncoding) {
  TByteWriter utf16;
  utf16.WriteString("Aé", TStringEncoding::Utf16LE);
  EXPECT_EQ(utf16.Bytes(), (std::vector<std::uint8_t>{4, 0, 0, 0, 'A', 0, 0xE9, 0}));
  TByteWriter ansi;
  ansi.WriteString("Aé", TStringEncoding::Windows1252);
  EXPECT_EQ(ansi.Bytes(), (std::vector<std::uint8_t>{2, 0, 0, 0, 'A', 0xE9}));
}

TEST(ByteIOTest, FixedShortStringIsCutAndPadded) {
  TByteWriter writer;
  writer.WriteFixedShortString(std::string(300, 'x'), 256);
  ASSERT_EQ(writer.Size(), 256u);
  EXPECT_EQ(writer.Bytes()[0], 255);
  TByteWriter small;
  small.WriteFixedShortString("ab", 5);
  EXPECT_EQ(small.Bytes(), (std::vector<std::uint8_t>{2, 'a', 'b', 0, 0}));
}

TEST(ByteIOTest, PatchOutsideTheWrittenBytesIsAProgrammingError) {
  TByteWriter writer;
  writer.WriteI16(0);
  EXPECT_THROW(writer.PatchU32(0, 1), std::out_of_range);
}

struct FailureCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  std::size_t offset;
  std::string reason;
};

TEST(ByteIOTest, FirstFailureIsStickyWithOffsetAndReason) {
  // Each case reads: an i32, then a string (UTF-16), then an i32 count of 8-byte elements.
  const std::vector<FailureCase> cases = {
      {"number cut short",
       {1, 0},
       0,
       "a 32-bit number of 4 bytes runs past the end (2 bytes left)"},
      {"string longer than the rest",
       {1, 0, 0, 0, 100, 0, 0, 0, 'a', 0},
       8,
       "a text of 100 bytes runs past the end (2 bytes left)"},
      {"negative count",
       {1, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF},
       8,
       "port count -1 is negative"},
      {"hostile count",
       {1, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3, 4, 5, 6, 7, 8},
       8,
       "port count 2147483647 exceeds the 8 bytes left"},
  };
  for (const FailureCase& c : cases) {
    TByteReader reader(c.bytes);
    reader.ReadI32();
    reader.ReadString(TStringEncoding::Utf16LE);
    const std::int32_t count = reader.ReadCount(8, "port");
    EXPECT_EQ(count, 0) << c.name;
    ASSERT_FALSE(reader.Ok()) << c.name;
    EXPECT_EQ(*reader.Error(), (TReadError{c.offset, c.reason})) << c.name;
    // Later reads give zero and keep the first error.
    EXPECT_EQ(reader.ReadI32(), 0) << c.name;
    EXPECT_EQ(reader.Error()->Offset, c.offset) << c.name;
  }
}

TEST(ByteIOTest, CountThatFitsIsReturned) {
  TByteWriter writer;
  writer.WriteI32(2);
  writer.WriteF64(1.0);
  writer.WriteF64(2.0);
  TByteReader reader(writer.Bytes());
  EXPECT_EQ(reader.ReadCount(8, "item"), 2);
  EXPECT_TRUE(reader.Ok());
}

TEST(ByteIOTest, FixedShortStringWithLengthBeyondItsFieldFails) {
  std::vector<std::uint8_t> bytes(4, 0);
  bytes[0] = 9;
  TByteReader reader(bytes);
  reader.ReadFixedShortString(4);
  ASSERT_FALSE(reader.Ok());
  EXPECT_EQ(reader.Error()->Reason, "a text length of 9 exceeds its field of 4 bytes");
}

TEST(ByteIOTest, OddLengthOfAUtf16StringIsReadWhole) {
  // Three bytes: one code unit and a stray byte, then the next field.
  const std::vector<std::uint8_t> bytes = {3, 0, 0, 0, 'A', 0, 'B', 7, 0};
  TByteReader reader(bytes);
  EXPECT_EQ(reader.ReadString(TStringEncoding::Utf16LE), "A\xEF\xBF\xBD"); // A and U+FFFD
  EXPECT_EQ(reader.ReadI16(), 7);
  EXPECT_TRUE(reader.Ok());
}

TEST(ByteIOTest, BlocksAreTheBytesAsTheyStandUpToTheEnd) {
  const std::vector<std::uint8_t> bytes = {1, 2, 3, 4, 5};
  TByteReader reader(bytes, 1);
  const auto first = reader.ReadBlock(3);
  EXPECT_EQ(std::vector<std::uint8_t>(first.begin(), first.end()),
            (std::vector<std::uint8_t>{2, 3, 4}));
  const auto last = reader.ReadBlock(3);
  EXPECT_EQ(std::vector<std::uint8_t>(last.begin(), last.end()), (std::vector<std::uint8_t>{5}));
  EXPECT_TRUE(reader.ReadBlock(3).empty());
  EXPECT_TRUE(reader.Ok());
  // Back at a field, fields can be read again.
  reader.Seek(0);
  EXPECT_EQ(reader.ReadU8(), 1);
}

TEST(ByteIOTest, StringsCannotBeReadInTheMiddleOfABlockPass) {
  struct Case {
    TStringEncoding encoding;
    const char* expected;
  };
  for (const Case& c : {Case{TStringEncoding::Windows1252,
                             "Internal error: ReadBlock mode not allowed for HandleStringIOA"},
                        Case{TStringEncoding::Utf16LE,
                             "Internal error: ReadBlock mode not allowed for HandleStringIOU"}}) {
    const std::vector<std::uint8_t> bytes = {0, 0, 0, 0, 0, 0, 0, 0};
    TByteReader reader(bytes);
    reader.ReadBlock(4);
    try {
      reader.ReadString(c.encoding);
      ADD_FAILURE() << "no error for " << c.expected;
    } catch (const EFileError& error) {
      EXPECT_STREQ(error.what(), c.expected);
    }
  }
}

} // namespace
} // namespace laytime
