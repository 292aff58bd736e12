// The picture the page header shows when the template names no logo file of its own.
#pragma once

#include "report/ReportDocument.h"

#include <memory>

namespace laytime {

/// A small badge with a ship on the sea, 72 × 40 pixels, drawn once and shared.
std::shared_ptr<const TReportImage> BuiltinLogo();

} // namespace laytime
