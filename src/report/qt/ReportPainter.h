// Draws the pages of a report with a QPainter: on a PDF writer, a printer or a preview.
#pragma once

#include "report/ReportDocument.h"
#include "report/qt/QtFontMetrics.h"

class QPainter;

namespace laytime {

/// Draws the pages of one paginated report; it keeps the fonts and metrics it has made, so one
/// painter serves all pages of a run.
class TReportPainter {
public:
  explicit TReportPainter(const TReportDocument& doc) : FDoc(doc) {}

  /// Draws page `pageIndex` (0-based). `dotsPerPoint` is the device's resolution divided by 72;
  /// the page's top left corner is at the device origin. Throws std::out_of_range for a page
  /// outside the report.
  void PaintPage(QPainter& painter, std::size_t pageIndex, double dotsPerPoint);

private:
  void PaintBand(QPainter& painter, const TPlacedBand& placed, int pageNumber, double k);

  const TReportDocument& FDoc;
  TQtFontCache FFonts;
  TQtFontMetrics FMetrics;
};

} // namespace laytime
