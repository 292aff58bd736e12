#include "report/qt/QtFontMetrics.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QString>

namespace laytime {
namespace {

// Metrics are asked at a fixed resolution in points: a font of size s gets s × 100 pixels, and
// the results are scaled back, so that rounding to whole pixels does not distort them.
constexpr double MetricsScale = 100.0;

QFont MetricsFont(const TReportFont& font) {
  QFont qfont = ToQFont(font);
  qfont.setPixelSize(static_cast<int>(font.Size * MetricsScale));
  return qfont;
}

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

double TQtFontMetrics::TextWidth(const TReportFont& font, std::string_view text) const {
  const QFontMetricsF metrics(MetricsFont(font));
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return metrics.horizontalAdvance(qtext) / MetricsScale;
}

double TQtFontMetrics::LineHeight(const TReportFont& font) const {
  const QFontMetricsF metrics(MetricsFont(font));
  return metrics.lineSpacing() / MetricsScale;
}

} // namespace laytime
