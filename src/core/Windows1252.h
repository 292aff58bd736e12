// Conversions between the UTF-8 text held in memory and the encodings of stored files: the
// single-byte Windows-1252 code page of older files and the UTF-16LE strings of newer ones.
// None of them fails; what cannot be represented is replaced.
#pragma once

#include <string>
#include <string_view>

namespace laytime {

/// Each character becomes its Windows-1252 byte; a character the code page lacks, and each
/// byte of malformed UTF-8, becomes '?'. U+0081, U+008D, U+008F, U+0090 and U+009D become the
/// bytes of the same value, so that every byte string survives a round trip.
std::string Utf8ToWindows1252(std::string_view utf8);

/// Each byte becomes its character; the five bytes the code page leaves undefined
/// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081 and so on.
std::string Windows1252ToUtf8(std::string_view bytes);

/// UTF-16LE bytes (two per code unit, no byte order mark); malformed UTF-8 becomes U+FFFD.
std::string Utf8ToUtf16LE(std::string_view utf8);

/// Reads UTF-16LE bytes; an unpaired surrogate or a last odd byte becomes U+FFFD.
std::string Utf16LEToUtf8(std::string_view bytes);

} // namespace laytime
