#include "core/Utf8.h"

#include <cassert>

namespace laytime {

namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

bool IsSurrogate(char32_t codePoint) {
  return codePoint >= 0xD800 && codePoint <= 0xDFFF;
}

} // namespace

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  assert(pos < text.size());
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }

  std::size_t length = 0;
  char32_t codePoint = 0;
  char32_t smallest = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    codePoint = lead & 0x1F;
    smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    codePoint = lead & 0x0F;
    smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    codePoint = lead & 0x07;
    smallest = 0x10000;
  } else {
    ++pos;
    return ReplacementCharacter;
  }

  if (text.size() - pos < length) {
    ++pos;
    return ReplacementCharacter;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[pos + i]);
    if (!IsContinuation(byte)) {
      ++pos;
      return ReplacementCharacter;
    }
    codePoint = (codePoint << 6) | (byte & 0x3F);
  }
  if (codePoint < smallest || codePoint > 0x10FFFF || IsSurrogate(codePoint)) {
    ++pos;
    return ReplacementCharacter;
  }
  pos += length;
  return codePoint;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint > 0x10FFFF || IsSurrogate(codePoint))
    codePoint = ReplacementCharacter;
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
    return;
  }
  if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
    return;
  }
  if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
    return;
  }
  out += static_cast<char>(0xF0 | (codePoint >> 18));
  out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
  out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
  out += static_cast<char>(0x80 | (codePoint & 0x3F));
}

} // namespace laytime
