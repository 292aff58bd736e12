// The result report as an RTF document for a word processor.
#pragma once

#include "report/ReportDocument.h"

#include <string>

namespace laytime {

/// The report as RTF: page header and vessel line in the document's header, the page footer in
/// its footer (the page number as a PAGE field), and the body bands as paragraphs, one per line
/// of captions, each caption at its own tab stop (left, right or centred as the caption is
/// aligned) so that the columns line up. Rules become paragraph borders over their width. A band
/// is kept together on one page, and a new page begins after every band marked PageBreakAfter;
/// all other page breaks are left to the word processor. Pictures are embedded as PNG.
std::string RenderReportRtf(const TReportDocument& doc);

} // namespace laytime
