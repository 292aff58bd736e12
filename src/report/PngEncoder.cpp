#include "report/PngEncoder.h"

#include "files/Crc32.h"

#include <algorithm>
#include <string_view>

namespace laytime {
namespace {

void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value >> 24));
  out.push_back(static_cast<std::uint8_t>(value >> 16));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
  out.push_back(static_cast<std::uint8_t>(value));
}

// A chunk is its length, its type, its data and the CRC-32 of type and data.
void PutChunk(std::vector<std::uint8_t>& out, std::string_view type,
              const std::vector<std::uint8_t>& data) {
  PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  std::uint32_t crc = Crc32Start;
  Crc32Update(out.data() + typeAt, type.size() + data.size(), crc);
  PutBigEndian32(out, ~crc); // PNG stores the register inverted, as the usual CRC-32 does
}

// Adler-32 of the uncompressed data, which ends a zlib stream.
std::uint32_t Adler32(const std::vector<std::uint8_t>& data) {
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const std::uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

std::vector<std::uint8_t> StoredZlibStream(const std::vector<std::uint8_t>& raw) {
  std::vector<std::uint8_t> out = {0x78, 0x01}; // deflate, 32K window, no preset dictionary
  constexpr std::size_t MaxBlock = 65535;
  std::size_t pos = 0;
  do {
    const std::size_t length = std::min(MaxBlock, raw.size() - pos);
    const bool last = pos + length == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<std::uint8_t>(length));
    out.push_back(static_cast<std::uint8_t>(length >> 8));
    out.push_back(static_cast<std::uint8_t>(~length));
    out.push_back(static_cast<std::uint8_t>(~length >> 8));
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
               raw.begin() + static_cast<std::ptrdiff_t>(pos + length));
    pos += length;
  } while (pos < raw.size());
  PutBigEndian32(out, Adler32(raw));
  return out;
}

} // namespace

std::vector<std::uint8_t> EncodePng(const TReportImage& image) {
  if (image.Width <= 0 || image.Height <= 0 ||
      image.Pixels.size() != static_cast<std::size_t>(image.Width) * image.Height) {
    return {};
  }
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

  std::vector<std::uint8_t> header;
  PutBigEndian32(header, static_cast<std::uint32_t>(image.Width));
  PutBigEndian32(header, static_cast<std::uint32_t>(image.Height));
  header.insert(header.end(),
                {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no filter set, no interlace
  PutChunk(png, "IHDR", header);

  std::vector<std::uint8_t> raw;
  raw.reserve(image.Pixels.size() * 4 + static_cast<std::size_t>(image.Height));
  for (int y = 0; y < image.Height; ++y) {
    raw.push_back(0); // no filter on this row
    for (int x = 0; x < image.Width; ++x) {
      const std::uint32_t argb = image.Pixels[static_cast<std::size_t>(y) * image.Width + x];
      raw.push_back(static_cast<std::uint8_t>(argb >> 16));
      raw.push_back(static_cast<std::uint8_t>(argb >> 8));
      raw.push_back(static_cast<std::uint8_t>(argb));
      raw.push_back(static_cast<std::uint8_t>(argb >> 24));
    }
  }
  PutChunk(png, "IDAT", StoredZlibStream(raw));
  PutChunk(png, "IEND", {});
  return png;
}

} // namespace laytime
