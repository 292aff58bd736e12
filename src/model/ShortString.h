// Texts that the files store as short strings: a length byte and up to 255 Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>

namespace laytime {

inline constexpr std::size_t ShortStringMaxBytes = 255;

/// The UTF-8 text as it survives a short string: every character Windows-1252 lacks becomes
/// '?', and the text is cut after the character that fills the 255th byte.
std::string StorableShortString(std::string_view utf8);

} // namespace laytime
