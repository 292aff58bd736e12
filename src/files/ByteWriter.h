// A growing buffer that fields are written into in the files' little-endian encodings.
#pragma once

#include "files/FileFormat.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace laytime {

/// Appends fields to an in-memory image of a file. Numbers are little-endian whatever the host;
/// texts are passed as bytes already in the file's encoding.
class TByteWriter {
public:
  void WriteU8(std::uint8_t value);
  void WriteBool(bool value) { WriteU8(value ? 1 : 0); }
  void WriteI16(std::int16_t value);
  void WriteU16(std::uint16_t value);
  void WriteI32(std::int32_t value);
  void WriteU32(std::uint32_t value);
  /// The IEEE bit pattern, so EmptyReal is stored exactly.
  void WriteF64(double value);
  void WriteBytes(const void* data, std::size_t count);
  /// A length byte and the bytes; more than 255 bytes are cut to 255.
  void WriteShortString(std::string_view bytes);
  /// A short string in a field of `fieldSize` bytes: length byte, bytes, zeros in the rest.
  /// The text is cut to fit (at most fieldSize − 1 and 255 bytes).
  void WriteFixedShortString(std::string_view bytes, std::size_t fieldSize);
  void WriteZeros(std::size_t count);
  /// An i32 length in bytes, then the UTF-8 `text` in the file's encoding (Windows-1252 bytes,
  /// '?' for what the code page lacks, or UTF-16LE). An empty text is the length 0 alone.
  void WriteString(std::string_view text, TStringEncoding encoding);

  /// Overwrites four bytes written earlier (the checksum field).
  void PatchU32(std::size_t offset, std::uint32_t value);

  std::size_t Size() const { return Bytes_.size(); }
  const std::vector<std::uint8_t>& Bytes() const { return Bytes_; }

private:
  std::vector<std::uint8_t> Bytes_;
};

} // namespace laytime
