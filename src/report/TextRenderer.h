// A plain-text drawing of a paged report, for tests and the command-line tool.
#pragma once

#include "report/ReportDocument.h"

#include <string>

namespace laytime {

/// Every page as lines of text: captions at the character column nearest their position (one
/// column is five points, so a line holds about 108 characters), captions that share a top on
/// one line, single rules as runs of '-' and double rules as runs of '=' on lines of their own.
/// Pictures are left out. Pages are separated by a form feed on a line of its own. The document
/// must have been paginated.
std::string RenderReportText(const TReportDocument& doc);

} // namespace laytime
