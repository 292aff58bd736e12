// Writes a picture of the report as a PNG file image, for the formats that embed pictures as
// PNG (RTF).
#pragma once

#include "report/ReportDocument.h"

#include <cstdint>
#include <vector>

namespace laytime {

/// The picture as an 8-bit RGBA PNG, its image data in uncompressed deflate blocks (the pictures
/// of a report are small). A picture whose pixel count does not match its size gives an empty
/// result.
std::vector<std::uint8_t> EncodePng(const TReportImage& image);

} // namespace laytime
