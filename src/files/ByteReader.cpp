#include "files/ByteReader.h"

#include "core/Windows1252.h"
#include "files/FileErrors.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace laytime {

namespace {

template <typename Unsigned>
Unsigned LittleEndianAt(std::span<const std::uint8_t> data, std::size_t offset) {
  Unsigned value = 0;
  for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
    value |= static_cast<Unsigned>(static_cast<Unsigned>(data[offset + i]) << (8 * i));
  return value;
}

} // namespace

TByteReader::TByteReader(std::span<const std::uint8_t> data, std::size_t position)
    : Data_(data), Position_(position <= data.size() ? position : data.size()) {}

void TByteReader::Fail(std::string reason) {
  if (!Error_)
    Error_ = TReadError{Position_, std::move(reason)};
}

bool TByteReader::Take(std::size_t count, const char* what) {
  if (Error_)
    return false;
  if (count > Remaining()) {
    Fail(std::string(what) + " of " + std::to_string(count) + " bytes runs past the end (" +
         std::to_string(Remaining()) + " bytes left)");
    return false;
  }
  return true;
}

std::uint8_t TByteReader::ReadU8() {
  if (!Take(1, "a byte"))
    return 0;
  return Data_[Position_++];
}

std::int16_t TByteReader::ReadI16() {
  return static_cast<std::int16_t>(ReadU16());
}

std::uint16_t TByteReader::ReadU16() {
  if (!Take(2, "a 16-bit number"))
    return 0;
  const auto value = LittleEndianAt<std::uint16_t>(Data_, Position_);
  Position_ += 2;
  return value;
}

std::int32_t TByteReader::ReadI32() {
  return static_cast<std::int32_t>(ReadU32());
}

std::uint32_t TByteReader::ReadU32() {
  if (!Take(4, "a 32-bit number"))
    return 0;
  const auto value = LittleEndianAt<std::uint32_t>(Data_, Position_);
  Position_ += 4;
  return value;
}

double TByteReader::ReadF64() {
  if (!Take(8, "a real"))
    return 0.0;
  const auto bits = LittleEndianAt<std::uint64_t>(Data_, Position_);
  Position_ += 8;
  return std::bit_cast<double>(bits);
}

std::string TByteReader::ReadBytes(std::size_t count) {
  if (!Take(count, "a text"))
    return {};
  std::string bytes(reinterpret_cast<const char*>(Data_.data() + Position_), count);
  Position_ += count;
  return bytes;
}

std::string TByteReader::ReadShortString() {
  const std::uint8_t length = ReadU8();
  return ReadBytes(length);
}

std::string TByteReader::ReadFixedShortString(std::size_t fieldSize) {
  if (!Take(fieldSize, "a fixed text field"))
    return {};
  const std::uint8_t length = Data_[Position_];
  if (fieldSize == 0 || length > fieldSize - 1) {
    Fail("a text length of " + std::to_string(length) + " exceeds its field of " +
         std::to_string(fieldSize) + " bytes");
    return {};
  }
  std::string bytes(reinterpret_cast<const char*>(Data_.data() + Position_ + 1), length);
  Position_ += fieldSize;
  return bytes;
}

std::string TByteReader::ReadString(TStringEncoding encoding) {
  if (InBlockPass_)
    throw EFileError(encoding == TStringEncoding::Utf16LE
                         ? "Internal error: ReadBlock mode not allowed for HandleStringIOU"
                         : "Internal error: ReadBlock mode not allowed for HandleStringIOA");
  const std::int32_t length = ReadI32();
  if (length <= 0)
    return {};
  const std::string bytes = ReadBytes(static_cast<std::size_t>(length));
  if (!Ok())
    return {};
  return encoding == TStringEncoding::Utf16LE ? Utf16LEToUtf8(bytes) : Windows1252ToUtf8(bytes);
}

std::span<const std::uint8_t> TByteReader::ReadBlock(std::size_t maxCount) {
  InBlockPass_ = true;
  if (Error_)
    return {};
  const std::size_t count = std::min(maxCount, Remaining());
  const std::span<const std::uint8_t> block = Data_.subspan(Position_, count);
  Position_ += count;
  return block;
}

void TByteReader::Seek(std::size_t position) {
  InBlockPass_ = false;
  Position_ = std::min(position, Data_.size());
}

void TByteReader::Skip(std::size_t count) {
  if (Take(count, "a skipped field"))
    Position_ += count;
}

bool TByteReader::CountFits(std::uint64_t count, std::size_t minElementSize, const char* what) {
  if (Error_)
    return false;
  // Divide rather than multiply so that a hostile count cannot overflow the check.
  if (minElementSize != 0 && count > Remaining() / minElementSize) {
    Fail(std::string(what) + " count " + std::to_string(count) + " exceeds the " +
         std::to_string(Remaining()) + " bytes left");
    return false;
  }
  return true;
}

std::int32_t TByteReader::ReadCount(std::size_t minElementSize, const char* what) {
  const std::size_t start = Position_;
  const std::int32_t count = ReadI32();
  if (!Ok())
    return 0;
  if (count < 0) {
    Position_ = start;
    Fail(std::string(what) + " count " + std::to_string(count) + " is negative");
    return 0;
  }
  if (!CountFits(static_cast<std::uint64_t>(count), minElementSize, what)) {
    Error_->Offset = start;
    return 0;
  }
  return count;
}

std::uint16_t TByteReader::ReadCount16(std::size_t minElementSize, const char* what) {
  const std::size_t start = Position_;
  const std::uint16_t count = ReadU16();
  if (!Ok())
    return 0;
  if (!CountFits(count, minElementSize, what)) {
    Error_->Offset = start;
    return 0;
  }
  return count;
}

} // namespace laytime
