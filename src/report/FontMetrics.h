// Text widths for laying out the report. The builder asks an IFontMetrics so that it needs no
// toolkit; the PDF renderer supplies the toolkit's real metrics, tests and the command-line tool
// the fixed approximation below.
#pragma once

#include "report/ReportDocument.h"

#include <string_view>

namespace laytime {

class IFontMetrics {
public:
  virtual ~IFontMetrics() = default;
  /// Advance width of a UTF-8 text in points.
  virtual double TextWidth(const TReportFont& font, std::string_view text) const = 0;
  /// Distance from one line to the next in points.
  virtual double LineHeight(const TReportFont& font) const = 0;
};

/// A fixed metric with the advance widths of Arial (and its metric twins) for the printable ASCII
/// characters; every other character counts as wide as a digit. Bold text is taken 7 % wider.
class TApproxFontMetrics final : public IFontMetrics {
public:
  double TextWidth(const TReportFont& font, std::string_view text) const override;
  double LineHeight(const TReportFont& font) const override;
};

} // namespace laytime
