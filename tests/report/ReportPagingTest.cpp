#include "report/ReportPaging.h"
#include "report/TextRenderer.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

TReportBand Band(const std::string& name, double height, bool breakAfter = false) {
  TReportBand band;
  band.Name = name;
  band.Height = height;
  band.PageBreakAfter = breakAfter;
  TReportCaption caption;
  caption.Text = name;
  caption.Width = 100.0;
  caption.Height = 12.0;
  band.Captions.push_back(caption);
  return band;
}

// A document whose body area is exactly 100 points high.
TReportDocument SmallPages() {
  TReportDocument doc;
  doc.Page.Height = 2.0 * doc.Page.Margin + 130.0;
  doc.PageHeader.Height = 15.0;
  doc.VesselLine.Height = 10.0;
  doc.PageFooter.Height = 5.0;
  return doc;
}

std::vector<std::vector<std::string>> BodyNamesPerPage(const TReportDocument& doc) {
  std::vector<std::vector<std::string>> pages;
  for (const TReportPage& page : doc.Pages) {
    std::vector<std::string> names;
    for (const TPlacedBand& placed : page.Bands) {
      if (placed.Kind == TBandKind::Body) {
        names.push_back(doc.BandOf(placed).Name);
      }
    }
    pages.push_back(names);
  }
  return pages;
}

using Pages = std::vector<std::vector<std::string>>;

TEST(ReportPagingTest, BandThatDoesNotFitMovesToTheNextPage) {
  TReportDocument doc = SmallPages();
  doc.Body = {Band("a", 40), Band("b", 60), Band("c", 1)};
  PaginateReport(doc);
  EXPECT_EQ(BodyNamesPerPage(doc), (Pages{{"a", "b"}, {"c"}}));
  ASSERT_EQ(doc.Pages.size(), 2u);
  EXPECT_EQ(doc.Pages[1].Number, 2);
  // Every page has header and vessel line first and the footer last.
  const TReportPage& second = doc.Pages[1];
  EXPECT_EQ(second.Bands.front().Kind, TBandKind::PageHeader);
  EXPECT_EQ(second.Bands[1].Kind, TBandKind::VesselLine);
  EXPECT_EQ(second.Bands.back().Kind, TBandKind::PageFooter);
  EXPECT_DOUBLE_EQ(second.Bands[2].Top, doc.Page.Margin + 25.0);
  EXPECT_DOUBLE_EQ(second.Bands.back().Top, doc.Page.Height - doc.Page.Margin - 5.0);
}

TEST(ReportPagingTest, PageBreakAfterABandButNotAfterTheLast) {
  TReportDocument doc = SmallPages();
  doc.Body = {Band("a", 10, true), Band("b", 10), Band("c", 10, true)};
  PaginateReport(doc);
  EXPECT_EQ(BodyNamesPerPage(doc), (Pages{{"a"}, {"b", "c"}}));
}

TEST(ReportPagingTest, OversizedBandStandsAloneAndEmptyReportHasOnePage) {
  TReportDocument doc = SmallPages();
  doc.Body = {Band("a", 10), Band("huge", 250), Band("b", 10)};
  PaginateReport(doc);
  EXPECT_EQ(BodyNamesPerPage(doc), (Pages{{"a"}, {"huge"}, {"b"}}));

  TReportDocument empty = SmallPages();
  PaginateReport(empty);
  EXPECT_EQ(empty.Pages.size(), 1u);
}

TEST(ReportPagingTest, TextRenderingPutsCaptionsInColumnsAndDrawsRules) {
  TReportDocument doc = SmallPages();
  TReportCaption page;
  page.Text = "Page: ";
  page.Field = TCaptionField::PageNumber;
  page.Left = 100.0;
  page.Width = 50.0;
  page.Align = TCaptionAlign::Right;
  doc.PageHeader.Captions.push_back(page);

  TReportBand band;
  band.Height = 30.0;
  TReportCaption label;
  label.Text = "Time used:";
  label.Width = 60.0;
  TReportCaption days = label;
  days.Text = "3";
  days.Left = 60.0;
  days.Width = 20.0;
  days.Align = TCaptionAlign::Right;
  TReportCaption clock = label;
  clock.Text = "06:00";
  clock.Left = 85.0;
  band.Captions = {clock, label, days};
  band.Rules.push_back({0.0, 50.0, 0.0, TRuleStyle::Single});
  band.Rules.push_back({0.0, 50.0, 30.0, TRuleStyle::Double});
  doc.Body = {band, band};
  doc.Body[0].PageBreakAfter = true;
  PaginateReport(doc);

  EXPECT_EQ(RenderReportText(doc), "                       Page: 1\n"
                                   "----------\n"
                                   "Time used:     3 06:00\n"
                                   "==========\n"
                                   "\f\n"
                                   "                       Page: 2\n"
                                   "----------\n"
                                   "Time used:     3 06:00\n"
                                   "==========\n");
}

} // namespace
} // namespace laytime
