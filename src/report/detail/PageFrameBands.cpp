// The page header, the vessel line and the page footer of every page.
#include "report/detail/ReportRunBuilder.h"

#include "core/DateText.h"

namespace laytime::detail {

void TReportRunBuilder::BuildPageFrame() {
  BuildPageHeader();
  BuildVesselLine();
  TBandBuilder footer("qrbSummary", FooterFont, FooterRow);
  footer.Text(0.0, 250.0, FRun.CalcDisplayName);
  footer.Text(250.0, Width() - 250.0, ReportImprint, TCaptionAlign::Right, TStyle::Italic);
  footer.NextRow();
  FDoc.PageFooter = footer.Finish();
}

void TReportRunBuilder::BuildPageHeader() {
  const THeaderLayout layout = FReport.HeaderLayout(FRun.Metrics);
  auto pt = [](int units) { return units * PointsPerLayoutUnit; };
  TReportBand& band = FDoc.PageHeader;
  band.Name = "qrbPageHeader";
  band.Height = pt(layout.HeaderHeight);
  if (FReport.Logo && layout.Logo.Width > 0 && layout.Logo.Height > 0) {
    band.Pictures.push_back({pt(layout.Logo.Left), pt(layout.Logo.Top), pt(layout.Logo.Width),
                             pt(layout.Logo.Height), FReport.Logo});
  }
  TReportCaption title;
  title.Left = pt(layout.Title.Left);
  title.Top = pt(layout.Title.Top);
  title.Width = pt(layout.Title.Width);
  title.Height = pt(layout.Title.Height);
  title.Font = FReport.Title.Font;
  title.Text = FReport.Title.Text;
  band.Captions.push_back(title);

  // The date as the system formats it, whatever the date-format setting says.
  const TFormatContext systemDates{FRun.Format.Locale, 0, FRun.Format.Clock};
  TReportCaption date;
  date.Left = pt(layout.Date.Left);
  date.Top = pt(layout.Date.Top);
  date.Width = pt(layout.PageNumber.Left - layout.Date.Left);
  date.Height = pt(layout.Date.Height);
  date.Font = BodyFont;
  date.Text = ZQDateToStr(FRun.Format.Clock.Today(), false, systemDates);
  band.Captions.push_back(date);

  TReportCaption page = date;
  page.Left = pt(layout.PageNumber.Left);
  page.Width = pt(layout.PageNumber.Width);
  page.Align = TCaptionAlign::Right;
  page.Text = "Page: ";
  page.Field = TCaptionField::PageNumber;
  band.Captions.push_back(page);
}

void TReportRunBuilder::BuildVesselLine() {
  TBandBuilder b("qrbVesselName", BodyFont, BodyRow);
  b.Gap(2.0);
  b.Text(0.0, 25.0, "M/V");
  b.Text(25.0, 250.0, FVoyage.VesselName, TCaptionAlign::Left, TStyle::Bold);
  std::string cpDate;
  if (FVoyage.CPDate != EmptyDay) {
    cpDate = FTemplate.CPFormCaption + " " + ZQDateToStr(FVoyage.CPDate, false, FRun.Format);
  }
  b.Right(280.0, 430.0, cpDate, TStyle::Bold);
  b.Right(430.0, Width(), FVoyage.FixtureNo.empty() ? "" : "No. " + FVoyage.FixtureNo,
          TStyle::Bold);
  b.NextRow();
  b.Rule(0.0, Width());
  FDoc.VesselLine = b.Finish();
}

} // namespace laytime::detail
