#include "report/FontMetrics.h"

#include <array>

namespace laytime {
namespace {

// Advance widths of the characters 32..126 in thousandths of the font size.
constexpr std::array<int, 95> AsciiWidths = {
    278, 278, 355, 556, 556, 889, 667,  191, 333, 333, 389, 584, 278, 333, 278, 278, // ' '..'/'
    556, 556, 556, 556, 556, 556, 556,  556, 556, 556,                               // '0'..'9'
    278, 278, 584, 584, 584, 556, 1015,                                              // ':'..'@'
    667, 667, 722, 722, 667, 611, 778,  722, 278, 500, 667, 556, 833,                // 'A'..'M'
    722, 778, 667, 778, 722, 667, 611,  722, 667, 944, 667, 667, 611,                // 'N'..'Z'
    278, 278, 278, 469, 556, 333,                                                    // '['..'`'
    556, 556, 500, 556, 556, 278, 556,  556, 222, 222, 500, 222, 833,                // 'a'..'m'
    556, 556, 556, 556, 333, 500, 278,  556, 500, 722, 500, 500, 500,                // 'n'..'z'
    334, 260, 334, 584};                                                             // '{'..'~'

constexpr int DefaultWidth = 556;

} // namespace

double TApproxFontMetrics::TextWidth(const TReportFont& font, std::string_view text) const {
  long units = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 32 && byte <= 126) {
      units += AsciiWidths[byte - 32];
    } else if ((byte & 0xC0) != 0x80) { // the lead byte of a multi-byte character counts once
      units += DefaultWidth;
    }
  }
  const double width = static_cast<double>(units) * font.Size / 1000.0;
  return font.Bold ? width * 1.07 : width;
}

double TApproxFontMetrics::LineHeight(const TReportFont& font) const {
  return font.Size * 1.15;
}

} // namespace laytime
