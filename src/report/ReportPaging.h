// Places the bands of a report on A4 pages.
#pragma once

#include "report/ReportDocument.h"

namespace laytime {

/// Fills doc.Pages: every page starts with the page header and the vessel line and ends with the
/// page footer; body bands follow one another, a band that does not fit moves to the next page,
/// and a new page begins after a band marked PageBreakAfter (unless nothing follows it). A band
/// taller than a whole page is placed alone at the top of its page and runs over the bottom. A
/// report without body bands still has one page.
void PaginateReport(TReportDocument& doc);

} // namespace laytime
