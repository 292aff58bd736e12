#include "files/FileImage.h"

#include "files/Crc32.h"
#include "model/TCalculation.h"

#include <algorithm>

namespace laytime {

std::uint32_t ChecksumOfImage(std::span<const std::uint8_t> image, std::size_t checksumOffset) {
  std::uint32_t crc = Crc32Start;
  const std::size_t headEnd = std::min(checksumOffset, image.size());
  Crc32Update(image.data(), headEnd, crc);
  const std::size_t bodyStart = std::min(checksumOffset + 4, image.size());
  Crc32Update(image.data() + bodyStart, image.size() - bodyStart, crc);
  return crc;
}

void WriteCalculationRecords(TByteWriter& writer, const TCalculation& calculation,
                             const TRecordFormat& format, std::string_view decimalSeparator) {
  WriteStatus(writer, calculation.Status, format);
  WriteVoyage(writer, calculation.Voyage, format);
  WriteProRataSection(writer, calculation.ProRata, calculation.Ports.Count(), format);
  WritePortSection(writer, calculation.Ports, format, decimalSeparator);
}

std::vector<std::uint8_t> WriteFileImage(const TCalculation& calculation,
                                         const TRecordFormat& format,
                                         std::string_view decimalSeparator) {
  TByteWriter writer;
  const std::size_t checksumOffset = WriteHeader(writer, format);
  if (format.IsTemplate())
    WriteSettingsBlock(writer, calculation.TemplateSettings, format);
  WriteCalculationRecords(writer, calculation, format, decimalSeparator);
  writer.PatchU32(checksumOffset, ChecksumOfImage(writer.Bytes(), checksumOffset));
  return writer.Bytes();
}

} // namespace laytime
