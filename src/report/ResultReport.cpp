#include "report/ResultReport.h"

#include "report/BuiltinLogo.h"
#include "report/detail/ReportRunBuilder.h"

#include <algorithm>
#include <cmath>

namespace laytime {

using detail::BodyFont;
using detail::TReportRunBuilder;

TResultReport::TResultReport() : Logo(BuiltinLogo()) {}

void TResultReport::LoadHeaderFromTemplate(const TTemplateSettings& settings,
                                           std::shared_ptr<const TReportImage> logo) {
  Title.Text = settings.ReportTitle;
  Title.Font.Family =
      settings.ReportTitleFontName.empty() ? std::string("Arial") : settings.ReportTitleFontName;
  Title.Font.Size = settings.ReportTitleFontSize < 2 ? 10.0 : settings.ReportTitleFontSize;
  Title.Font.Bold = (settings.ReportTitleFontStyle & 1) != 0;
  Title.Font.Italic = (settings.ReportTitleFontStyle & 2) != 0;
  Title.Font.Underline = (settings.ReportTitleFontStyle & 4) != 0;
  Title.Font.StrikeOut = (settings.ReportTitleFontStyle & 8) != 0;
  Logo = logo ? std::move(logo) : BuiltinLogo();
  LogoScale = settings.LogoScale;
  AdjustHeader(settings.ReportTitlePosition);
}

THeaderLayout TResultReport::HeaderLayout(const IFontMetrics& metrics) const {
  auto units = [](double points) {
    return static_cast<int>(std::ceil(points / PointsPerLayoutUnit));
  };
  const int scale = std::max(LogoScale, 1);
  THeaderLayout design;
  design.Logo = {8, 4, Logo ? Logo->Width / scale : 0, Logo ? Logo->Height / scale : 0};
  design.Title = {100, 4, units(metrics.TextWidth(Title.Font, Title.Text)),
                  units(metrics.LineHeight(Title.Font))};
  design.Date = {HeaderDateLeft, 4, 100, units(metrics.LineHeight(BodyFont))};
  design.PageNumber = {HeaderUsableWidth - 60, 4, 60, units(metrics.LineHeight(BodyFont))};
  return laytime::AdjustHeader(FTitlePosition, design);
}

TReportDocument TResultReport::Build(const TCalculation& calculation, const TReportRun& run) const {
  return TReportRunBuilder(*this, calculation, run).Build();
}

} // namespace laytime
