#include "report/ReportDocument.h"

#include <stdexcept>

namespace laytime {

const TReportBand& TReportDocument::BandOf(const TPlacedBand& placed) const {
  switch (placed.Kind) {
  case TBandKind::PageHeader:
    return PageHeader;
  case TBandKind::VesselLine:
    return VesselLine;
  case TBandKind::PageFooter:
    return PageFooter;
  case TBandKind::Body:
    break;
  }
  if (placed.BodyIndex >= Body.size()) {
    throw std::out_of_range("report band " + std::to_string(placed.BodyIndex) +
                            " is outside the report's " + std::to_string(Body.size()) + " bands");
  }
  return Body[placed.BodyIndex];
}

std::string CaptionText(const TReportCaption& caption, int pageNumber) {
  switch (caption.Field) {
  case TCaptionField::None:
    return caption.Text;
  case TCaptionField::PageNumber:
    return caption.Text + std::to_string(pageNumber);
  }
  return caption.Text;
}

} // namespace laytime
