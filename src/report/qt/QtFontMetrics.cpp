#include "report/qt/QtFontMetrics.h"

#include "core/Utf8.h"

#include <QFontDatabase>
#include <QString>

#include <algorithm>

namespace laytime {
namespace {

// Metrics are asked at a fixed resolution in points: a font of size s gets s × 100 pixels, and
// the results are scaled back, so that rounding to whole pixels does not distort them.
constexpr double MetricsScale = 100.0;

} // namespace

QFont ToQFont(const TReportFont& font) {
  QString family = QString::fromStdString(font.Family);
  if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0 &&
      !QFontDatabase::hasFamily(family) && QFontDatabase::hasFamily("Liberation Sans")) {
    family = QStringLiteral("Liberation Sans");
  }
  QFont qfont(family);
  qfont.setPointSizeF(font.Size);
  qfont.setBold(font.Bold);
  qfont.setItalic(font.Italic);
  qfont.setUnderline(font.Underline);
  qfont.setStrikeOut(font.StrikeOut);
  return qfont;
}

const QFont& TQtFontCache::Font(const TReportFont& font) {
  const auto found = std::find_if(FFonts.begin(), FFonts.end(),
                                  [&font](const auto& entry) { return entry.first == font; });
  if (found != FFonts.end()) {
    return found->second;
  }
  FFonts.emplace_back(font, ToQFont(font));
  return FFonts.back().second;
}

struct TQtFontMetrics::TMeasuredFont {
  TReportFont Font;
  QFontMetricsF Metrics;
  std::unordered_map<char32_t, double> Advances; ///< in points
};

TQtFontMetrics::TQtFontMetrics() = default;
TQtFontMetrics::~TQtFontMetrics() = default;

TQtFontMetrics::TMeasuredFont& TQtFontMetrics::Measured(const TReportFont& font) const {
  const auto found = std::find_if(FFonts.begin(), FFonts.end(),
                                  [&font](const auto& entry) { return entry->Font == font; });
  if (found != FFonts.end()) {
    return **found;
  }
  QFont qfont = ToQFont(font);
  qfont.setPixelSize(static_cast<int>(font.Size * MetricsScale));
  FFonts.push_back(std::make_unique<TMeasuredFont>(TMeasuredFont{font, QFontMetricsF(qfont), {}}));
  return *FFonts.back();
}

double TQtFontMetrics::TextWidth(const TReportFont& font, std::string_view text) const {
  TMeasuredFont& measured = Measured(font);
  double width = 0.0;
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t c = NextCodePoint(text, pos);
    auto advance = measured.Advances.find(c);
    if (advance == measured.Advances.end()) {
      const char32_t units[] = {c, 0};
      advance = measured.Advances
                    .emplace(c, measured.Metrics.horizontalAdvance(QString::fromUcs4(units, 1)) /
                                    MetricsScale)
                    .first;
    }
    width += advance->second;
  }
  return width;
}

double TQtFontMetrics::LineHeight(const TReportFont& font) const {
  return Measured(font).Metrics.lineSpacing() / MetricsScale;
}

double TQtFontMetrics::Ascent(const TReportFont& font) const {
  return Measured(font).Metrics.ascent() / MetricsScale;
}

double TQtFontMetrics::Descent(const TReportFont& font) const {
  return Measured(font).Metrics.descent() / MetricsScale;
}

} // namespace laytime
