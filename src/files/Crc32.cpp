#include "files/Crc32.h"

#include <array>

namespace laytime {

namespace {

constexpr std::uint32_t Polynomial = 0xEDB88320u;

constexpr std::array<std::uint32_t, 256> MakeTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t index = 0; index < 256; ++index) {
    std::uint32_t value = index;
    for (int bit = 0; bit < 8; ++bit)
      value = (value & 1u) != 0 ? (value >> 1) ^ Polynomial : value >> 1;
    table[index] = value;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> Table = MakeTable();

} // namespace

void Crc32Update(const void* data, std::size_t count, std::uint32_t& crc) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  std::uint32_t value = crc;
  for (std::size_t i = 0; i < count; ++i)
    value = (value >> 8) ^ Table[(value ^ bytes[i]) & 0xFFu];
  crc = value;
}

} // namespace laytime
