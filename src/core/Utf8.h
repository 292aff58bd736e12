// Decoding and encoding of UTF-8, the encoding of every text held in memory. Decoding never
// fails: a byte that does not start a well-formed sequence reads as one replacement character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace laytime {

inline constexpr char32_t ReplacementCharacter = 0xFFFD;

/// Reads the code point at `pos` and moves `pos` past it. Overlong forms, surrogates, values
/// above U+10FFFF and truncated sequences give `ReplacementCharacter` and consume one byte, so
/// the next call resynchronises at the following byte. `pos` must be below `text.size()`.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

/// Appends the UTF-8 form of `codePoint`; a surrogate or a value above U+10FFFF is appended
/// as the replacement character.
void AppendUtf8(std::string& out, char32_t codePoint);

} // namespace laytime
