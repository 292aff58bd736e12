// The complete image of a calculation or template file: header, body and checksum.
#pragma once

#include "files/LayItemIO.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace laytime {

class TCalculation;

/// The checksum of a file image: the register (Crc32Update from Crc32Start) over every byte
/// except the four of the checksum field at `checksumOffset`.
std::uint32_t ChecksumOfImage(std::span<const std::uint8_t> image, std::size_t checksumOffset);

/// The body sections after the settings block, in file order: status, voyage, pro-rata
/// section and port section.
void WriteCalculationRecords(TByteWriter& writer, const TCalculation& calculation,
                             const TRecordFormat& format, std::string_view decimalSeparator);

/// The whole file of `calculation` in the given kind and sub-version: header, the settings
/// block for a template, the records, and the checksum. Nothing in the calculation changes
/// (status stamps and hints are the caller's business).
std::vector<std::uint8_t> WriteFileImage(const TCalculation& calculation,
                                         const TRecordFormat& format,
                                         std::string_view decimalSeparator);

} // namespace laytime
