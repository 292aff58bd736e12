// The report's fonts in Qt: the font of a caption and the real text metrics for the layout.
#pragma once

#include "report/FontMetrics.h"

#include <QFont>
#include <QFontMetricsF>

#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace laytime {

/// The Qt font of a report font. Arial is taken as Liberation Sans, its metric twin, on hosts
/// that lack Arial, so that texts keep the widths the layout was made with.
QFont ToQFont(const TReportFont& font);

/// The Qt fonts of the few report fonts a run uses, made once each: looking a family up in the
/// font database for every caption would cost more than drawing it.
class TQtFontCache {
public:
  const QFont& Font(const TReportFont& font);

private:
  std::vector<std::pair<TReportFont, QFont>> FFonts;
};

/// Text widths from the fonts that the PDF and the printer draw with. The width of a text is
/// the sum of its characters' advances, each asked of the font once and remembered: a report
/// measures tens of thousands of captions made of a few dozen distinct characters.
class TQtFontMetrics final : public IFontMetrics {
public:
  TQtFontMetrics();
  ~TQtFontMetrics() override;

  double TextWidth(const TReportFont& font, std::string_view text) const override;
  double LineHeight(const TReportFont& font) const override;
  /// Height above and below the baseline, in points.
  double Ascent(const TReportFont& font) const;
  double Descent(const TReportFont& font) const;

private:
  struct TMeasuredFont;
  TMeasuredFont& Measured(const TReportFont& font) const;

  mutable std::vector<std::unique_ptr<TMeasuredFont>> FFonts;
};

} // namespace laytime
