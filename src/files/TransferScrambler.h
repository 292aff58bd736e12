// The scrambling of transfer files on disk, and the checksum line of their text.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace laytime {

/// The key step of the scrambler: after each stored byte b the 16-bit key becomes
/// (key + b) × TransferScrambleMultiplier + TransferScrambleAddend, modulo 65536. Both values
/// are this program's own choice and must never change, or files written earlier become
/// unreadable: the multiplier is the 16-bit golden-ratio constant (odd, so every step permutes
/// the key space), the addend an arbitrary odd number.
inline constexpr std::uint16_t TransferScrambleMultiplier = 40503;
inline constexpr std::uint16_t TransferScrambleAddend = 12829;

/// The header of a scrambled file: four 16-bit words of random value, stored little-endian.
/// The fourth is the starting key.
using TScrambleHeader = std::array<std::uint16_t, 4>;
inline constexpr std::size_t ScrambleHeaderSize = 8;

/// The file image of `text`: the header, then each text byte combined by exclusive-or with the
/// high byte of the key, the key advancing with the stored byte.
std::vector<std::uint8_t> ScrambleTransferText(std::string_view text,
                                               const TScrambleHeader& header);

/// The text of a scrambled file image. An image of fewer than 9 bytes gives the empty text.
std::string UnscrambleTransferText(std::span<const std::uint8_t> image);

/// True when the image starts with "[ZQLAY" (ignoring case): a transfer text stored without
/// scrambling, as a user may have saved it after looking at it. A scrambled file never starts
/// so, because the export draws a new header until it does not.
bool IsPlainTransferText(std::span<const std::uint8_t> image);

/// The checksum of a transfer text: the CRC-32 register of Crc32Update, from Crc32Start and
/// without final inversion, run over the bytes of every non-empty line in order, without
/// their line ends.
std::uint32_t TransferTextChecksum(std::string_view text);

/// The line appended after the text: "CRC=" and the checksum as an unsigned decimal number.
std::string TransferChecksumLine(std::uint32_t checksum);

enum class TChecksumCheck {
  NoChecksumLine, ///< the last line does not start with "CRC=": accepted without a check
  Matches,
  Differs, ///< also when the number after "CRC=" is not a number
};

/// Checks a text as read: the last non-empty line is the checksum line when it starts with
/// "CRC=" (ignoring case); all non-empty lines before it are run through the CRC. The number is
/// read as unsigned (as written) or as a signed 32-bit number of the same bits.
TChecksumCheck CheckTransferChecksum(std::string_view text);

} // namespace laytime
