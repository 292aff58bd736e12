// Draws the pages of a report with a QPainter: on a PDF writer, a printer or a preview.
#pragma once

#include "report/ReportDocument.h"

class QPainter;

namespace laytime {

/// Draws page `pageIndex` (0-based) of a paginated report. `dotsPerPoint` is the device's
/// resolution divided by 72; the page's top left corner is at the device origin. Throws
/// std::out_of_range for a page outside the report.
void PaintReportPage(QPainter& painter, const TReportDocument& doc, std::size_t pageIndex,
                     double dotsPerPoint);

} // namespace laytime
