// The report's fonts in Qt: the font of a caption and the real text metrics for the layout.
#pragma once

#include "report/FontMetrics.h"

#include <QFont>

namespace laytime {

/// The Qt font of a report font. Arial is taken as Liberation Sans, its metric twin, on hosts
/// that lack Arial, so that texts keep the widths the layout was made with.
QFont ToQFont(const TReportFont& font);

/// Text widths from the fonts that the PDF and the printer draw with.
class TQtFontMetrics final : public IFontMetrics {
public:
  double TextWidth(const TReportFont& font, std::string_view text) const override;
  double LineHeight(const TReportFont& font) const override;
};

} // namespace laytime
