#include "core/TextUtil.h"

#include "core/Utf8.h"

#include <charconv>

namespace laytime {

namespace {

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

char32_t UpperCaseCodePoint(char32_t c) {
  const bool asciiLower = c >= 'a' && c <= 'z';
  const bool latinLower = c >= 0xE0 && c <= 0xFE && c != 0xF7;
  if (asciiLower || latinLower)
    return c - 0x20;
  // The small letters of the code page's 0x80..0x9F range and ÿ, whose capitals lie outside
  // Latin-1: š œ ž ÿ become Š Œ Ž Ÿ, as the system's ANSI upper-casing gives them.
  switch (c) {
  case 0x161:
    return 0x160;
  case 0x153:
    return 0x152;
  case 0x17E:
    return 0x17D;
  case 0xFF:
    return 0x178;
  }
  return c;
}

} // namespace

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string SplitToken(std::string& text, char separator) {
  const std::size_t at = text.find(separator);
  if (at == std::string::npos) {
    std::string all = std::move(text);
    text.clear();
    return all;
  }
  std::string token = text.substr(0, at);
  text.erase(0, at + 1);
  return token;
}

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
  // from_chars knows only the minus sign, so a plus sign is taken off first.
  const bool plus = !text.empty() && text.front() == '+';
  if (plus)
    text.remove_prefix(1);
  const bool minus = !plus && !text.empty() && text.front() == '-';
  const std::string_view digits = minus ? text.substr(1) : text;
  if (digits.empty() || digits.front() < '0' || digits.front() > '9')
    return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

std::string UpperCaseText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = pos;
    const char32_t c = NextCodePoint(text, pos);
    if (c == ReplacementCharacter) {
      // Bytes that are not UTF-8 are kept as they are, so that comparisons stay exact.
      out.append(text.substr(start, pos - start));
      continue;
    }
    AppendUtf8(out, UpperCaseCodePoint(c));
  }
  return out;
}

} // namespace laytime
