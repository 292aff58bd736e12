#include "files/TransferScrambler.h"

#include "core/TextUtil.h"
#include "files/Crc32.h"
#include "files/TransferIni.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace laytime {

namespace {

std::uint16_t NextKey(std::uint16_t key, std::uint8_t stored) {
  const std::uint32_t next =
      (static_cast<std::uint32_t>(key) + stored) * TransferScrambleMultiplier +
      TransferScrambleAddend;
  return static_cast<std::uint16_t>(next & 0xFFFFu);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && AsciiUpperCase(text.substr(0, prefix.size())) == prefix;
}

} // namespace

std::vector<std::uint8_t> ScrambleTransferText(std::string_view text,
                                               const TScrambleHeader& header) {
  std::vector<std::uint8_t> image;
  image.reserve(ScrambleHeaderSize + text.size());
  for (const std::uint16_t word : header) {
    image.push_back(static_cast<std::uint8_t>(word & 0xFFu));
    image.push_back(static_cast<std::uint8_t>(word >> 8));
  }
  std::uint16_t key = header[3];
  for (const char c : text) {
    const auto stored = static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) ^
                                                  static_cast<std::uint8_t>(key >> 8));
    image.push_back(stored);
    key = NextKey(key, stored);
  }
  return image;
}

std::string UnscrambleTransferText(std::span<const std::uint8_t> image) {
  if (image.size() <= ScrambleHeaderSize)
    return {};
  std::uint16_t key = static_cast<std::uint16_t>(image[6] | (image[7] << 8));
  std::string text;
  text.reserve(image.size() - ScrambleHeaderSize);
  for (std::size_t i = ScrambleHeaderSize; i < image.size(); ++i) {
    const std::uint8_t stored = image[i];
    text += static_cast<char>(stored ^ static_cast<std::uint8_t>(key >> 8));
    key = NextKey(key, stored);
  }
  return text;
}

bool IsPlainTransferText(std::span<const std::uint8_t> image) {
  const std::string_view start(reinterpret_cast<const char*>(image.data()),
                               std::min<std::size_t>(image.size(), 6));
  return StartsWithIgnoringCase(start, "[ZQLAY");
}

std::uint32_t TransferTextChecksum(std::string_view text) {
  std::uint32_t crc = Crc32Start;
  for (const std::string_view line : SplitLines(text)) {
    if (!line.empty())
      Crc32Update(line.data(), line.size(), crc);
  }
  return crc;
}

std::string TransferChecksumLine(std::uint32_t checksum) {
  return "CRC=" + std::to_string(checksum);
}

TChecksumCheck CheckTransferChecksum(std::string_view text) {
  std::vector<std::string_view> lines = SplitLines(text);
  while (!lines.empty() && lines.back().empty())
    lines.pop_back();
  if (lines.empty() || !StartsWithIgnoringCase(lines.back(), "CRC="))
    return TChecksumCheck::NoChecksumLine;

  // The export writes the checksum unsigned; a peer that wrote it as a signed 32-bit number
  // means the same 32 bits, so both ranges are read.
  std::string_view number = Trim(lines.back().substr(4));
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  const bool readable = !number.empty() && error == std::errc() &&
                        end == number.data() + number.size() && value >= INT32_MIN &&
                        value <= static_cast<std::int64_t>(UINT32_MAX);
  if (!readable)
    return TChecksumCheck::Differs;
  const auto stored = static_cast<std::uint32_t>(value);

  std::uint32_t crc = Crc32Start;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (!lines[i].empty())
      Crc32Update(lines[i].data(), lines[i].size(), crc);
  }
  return crc == stored ? TChecksumCheck::Matches : TChecksumCheck::Differs;
}

} // namespace laytime
