#include "report/ReportPaging.h"

namespace laytime {
namespace {

TReportPage StartPage(const TReportDocument& doc, int number) {
  TReportPage page;
  page.Number = number;
  const double top = doc.Page.Margin;
  page.Bands.push_back({TBandKind::PageHeader, 0, top});
  page.Bands.push_back({TBandKind::VesselLine, 0, top + doc.PageHeader.Height});
  return page;
}

void FinishPage(const TReportDocument& doc, TReportPage& page, std::vector<TReportPage>& pages) {
  const double footerTop = doc.Page.Height - doc.Page.Margin - doc.PageFooter.Height;
  page.Bands.push_back({TBandKind::PageFooter, 0, footerTop});
  pages.push_back(std::move(page));
}

} // namespace

void PaginateReport(TReportDocument& doc) {
  std::vector<TReportPage> pages;
  const double bodyTop = doc.Page.Margin + doc.PageHeader.Height + doc.VesselLine.Height;
  const double bodyBottom = doc.Page.Height - doc.Page.Margin - doc.PageFooter.Height;

  TReportPage page = StartPage(doc, 1);
  double y = bodyTop;
  bool pageHasBody = false;
  for (std::size_t i = 0; i < doc.Body.size(); ++i) {
    const TReportBand& band = doc.Body[i];
    if (pageHasBody && y + band.Height > bodyBottom) {
      FinishPage(doc, page, pages);
      page = StartPage(doc, page.Number + 1);
      y = bodyTop;
    }
    page.Bands.push_back({TBandKind::Body, i, y});
    y += band.Height;
    pageHasBody = true;
    if (band.PageBreakAfter && i + 1 < doc.Body.size()) {
      FinishPage(doc, page, pages);
      page = StartPage(doc, page.Number + 1);
      y = bodyTop;
      pageHasBody = false;
    }
  }
  FinishPage(doc, page, pages);
  doc.Pages = std::move(pages);
}

} // namespace laytime
