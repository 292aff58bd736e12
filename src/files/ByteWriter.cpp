#include "files/ByteWriter.h"

#include "core/Windows1252.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <stdexcept>
#include <string>

namespace laytime {

namespace {

template <typename Unsigned>
void AppendLittleEndian(std::vector<std::uint8_t>& bytes, Unsigned value) {
  for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
    bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

void TByteWriter::WriteU8(std::uint8_t value) {
  Bytes_.push_back(value);
}

void TByteWriter::WriteI16(std::int16_t value) {
  AppendLittleEndian(Bytes_, static_cast<std::uint16_t>(value));
}

void TByteWriter::WriteU16(std::uint16_t value) {
  AppendLittleEndian(Bytes_, value);
}

void TByteWriter::WriteI32(std::int32_t value) {
  AppendLittleEndian(Bytes_, static_cast<std::uint32_t>(value));
}

void TByteWriter::WriteU32(std::uint32_t value) {
  AppendLittleEndian(Bytes_, value);
}

void TByteWriter::WriteF64(double value) {
  AppendLittleEndian(Bytes_, std::bit_cast<std::uint64_t>(value));
}

void TByteWriter::WriteBytes(const void* data, std::size_t count) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  Bytes_.insert(Bytes_.end(), bytes, bytes + count);
}

void TByteWriter::WriteShortString(std::string_view bytes) {
  const std::size_t length = std::min<std::size_t>(bytes.size(), 255);
  WriteU8(static_cast<std::uint8_t>(length));
  WriteBytes(bytes.data(), length);
}

void TByteWriter::WriteFixedShortString(std::string_view bytes, std::size_t fieldSize) {
  assert(fieldSize >= 1);
  const std::size_t length = std::min<std::size_t>({bytes.size(), fieldSize - 1, 255});
  WriteU8(static_cast<std::uint8_t>(length));
  WriteBytes(bytes.data(), length);
  WriteZeros(fieldSize - 1 - length);
}

void TByteWriter::WriteZeros(std::size_t count) {
  Bytes_.insert(Bytes_.end(), count, 0);
}

void TByteWriter::WriteString(std::string_view text, TStringEncoding encoding) {
  const std::string bytes =
      encoding == TStringEncoding::Utf16LE ? Utf8ToUtf16LE(text) : Utf8ToWindows1252(text);
  WriteI32(static_cast<std::int32_t>(bytes.size()));
  WriteBytes(bytes.data(), bytes.size());
}

void TByteWriter::PatchU32(std::size_t offset, std::uint32_t value) {
  if (offset + 4 > Bytes_.size())
    throw std::out_of_range("TByteWriter::PatchU32: offset " + std::to_string(offset) +
                            " lies outside the " + std::to_string(Bytes_.size()) +
                            " bytes written");
  for (std::size_t i = 0; i < 4; ++i)
    Bytes_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace laytime
