#include "core/Windows1252.h"

#include "core/Utf8.h"

#include <array>

namespace laytime {

namespace {

// The characters of the bytes 0x80..0x9F; the undefined bytes stand for themselves.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToWindows1252(char32_t codePoint) {
  const bool sameValue = codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF);
  if (sameValue)
    return static_cast<char>(codePoint);
  for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
    if (HighControlRange[i] == codePoint)
      return static_cast<char>(0x80 + i);
  }
  return '?';
}

void AppendUtf16LE(std::string& out, char16_t unit) {
  out += static_cast<char>(unit & 0xFF);
  out += static_cast<char>(unit >> 8);
}

} // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size())
    out += ToWindows1252(NextCodePoint(utf8, pos));
  return out;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    const bool inHighControlRange = value >= 0x80 && value <= 0x9F;
    AppendUtf8(out, inHighControlRange ? HighControlRange[value - 0x80] : char32_t{value});
  }
  return out;
}

std::string Utf8ToUtf16LE(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() * 2);
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t codePoint = NextCodePoint(utf8, pos);
    if (codePoint < 0x10000) {
      AppendUtf16LE(out, static_cast<char16_t>(codePoint));
      continue;
    }
    const char32_t offset = codePoint - 0x10000;
    AppendUtf16LE(out, static_cast<char16_t>(0xD800 + (offset >> 10)));
    AppendUtf16LE(out, static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
  }
  return out;
}

std::string Utf16LEToUtf8(std::string_view bytes) {
  const auto unitAt = [&bytes](std::size_t index) {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * index]) |
                                 (static_cast<unsigned char>(bytes[2 * index + 1]) << 8));
  };
  const std::size_t unitCount = bytes.size() / 2;
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < unitCount; ++i) {
    const char16_t unit = unitAt(i);
    const bool isHigh = unit >= 0xD800 && unit <= 0xDBFF;
    const bool isLow = unit >= 0xDC00 && unit <= 0xDFFF;
    if (isHigh && i + 1 < unitCount) {
      const char16_t next = unitAt(i + 1);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (next - 0xDC00));
        ++i;
        continue;
      }
    }
    AppendUtf8(out, isHigh || isLow ? ReplacementCharacter : char32_t{unit});
  }
  if (bytes.size() % 2 != 0)
    AppendUtf8(out, ReplacementCharacter);
  return out;
}

} // namespace laytime
