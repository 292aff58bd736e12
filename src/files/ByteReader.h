// A cursor over the bytes of a file that reads fields in sequence and remembers the first failure.
#pragma once

#include "files/FileFormat.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace laytime {

/// Where and why reading first failed.
struct TReadError {
  std::size_t Offset = 0;
  std::string Reason;

  bool operator==(const TReadError&) const = default;
};

/// Reads little-endian fields from a byte image. The first failure (a field that would run past
/// the end, a count larger than the bytes left) is recorded with its offset and reason; from then
/// on every read returns zero or empty and the position stays put, so a record is read in one go
/// and the error checked once afterwards. Counts are checked against the bytes left before the
/// caller allocates anything for them.
class TByteReader {
public:
  explicit TByteReader(std::span<const std::uint8_t> data, std::size_t position = 0);

  std::uint8_t ReadU8();
  /// Any byte other than 0 reads as true.
  bool ReadBool() { return ReadU8() != 0; }
  std::int16_t ReadI16();
  std::uint16_t ReadU16();
  std::int32_t ReadI32();
  std::uint32_t ReadU32();
  double ReadF64();
  /// `count` raw bytes.
  std::string ReadBytes(std::size_t count);
  /// A length byte and that many bytes.
  std::string ReadShortString();
  /// A short string in a field of `fieldSize` bytes; the unused tail is skipped. A length byte
  /// larger than the field fails.
  std::string ReadFixedShortString(std::size_t fieldSize);
  void Skip(std::size_t count);
  /// An i32 length in bytes and the text in the file's encoding, returned as UTF-8. A length of
  /// 0 or less is the empty text; a length beyond the bytes left fails. An odd length of a
  /// UTF-16 text is read whole, its last byte standing for U+FFFD. Reading a text in the middle
  /// of a pass in blocks is a mistake of the program: it throws EFileError ("Internal error:
  /// ReadBlock mode not allowed for HandleStringIOA", or "…IOU" for UTF-16).
  std::string ReadString(TStringEncoding encoding);

  /// The next bytes as they stand, at most `maxCount` of them; empty at the end. This is the
  /// pass of the checksum over a whole file: the reader stays in it, and texts cannot be read,
  /// until Seek.
  std::span<const std::uint8_t> ReadBlock(std::size_t maxCount);
  /// Moves to `position` (at most the end) to read fields from there.
  void Seek(std::size_t position);

  /// Reads an i32 count of elements that take at least `minElementSize` bytes each; a negative
  /// count, or one whose elements cannot fit into the bytes left, fails and gives 0. `what` names
  /// the count in the reason.
  std::int32_t ReadCount(std::size_t minElementSize, const char* what);
  /// The same for a u16 count.
  std::uint16_t ReadCount16(std::size_t minElementSize, const char* what);

  /// Records a failure at the current position unless one is recorded already.
  void Fail(std::string reason);

  bool Ok() const { return !Error_; }
  const std::optional<TReadError>& Error() const { return Error_; }
  std::size_t Position() const { return Position_; }
  std::size_t Remaining() const { return Data_.size() - Position_; }
  std::span<const std::uint8_t> Data() const { return Data_; }

private:
  /// True when `count` more bytes can be read; otherwise records the failure.
  bool Take(std::size_t count, const char* what);
  bool CountFits(std::uint64_t count, std::size_t minElementSize, const char* what);

  std::span<const std::uint8_t> Data_;
  std::size_t Position_;
  bool InBlockPass_ = false;
  std::optional<TReadError> Error_;
};

} // namespace laytime
