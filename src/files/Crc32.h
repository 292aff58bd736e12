// The checksum of calculation, template and transfer files.
#pragma once

#include <cstddef>
#include <cstdint>

namespace laytime {

/// The value the checksum register starts from.
inline constexpr std::uint32_t Crc32Start = 0xFFFFFFFFu;

/// Runs `count` bytes at `data` through the checksum register `crc`.
///
/// The checksum is the reflected, table-driven CRC-32 of IEEE 802.3: polynomial 0xEDB88320
/// (0x04C11DB7 reflected), input and output reflected, register started at 0xFFFFFFFF
/// (Crc32Start). Unlike the usual CRC-32 the register is kept as it stands after the last byte,
/// without the final inversion, and that is the value files store. Check value: the nine bytes
/// "123456789" leave the register at 0x340BC6D9 (the inverse of the usual 0xCBF43926).
/// Feeding a message in pieces gives the same register as feeding it at once.
void Crc32Update(const void* data, std::size_t count, std::uint32_t& crc);

} // namespace laytime
