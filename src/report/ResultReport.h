// The result report of a finished calculation: per pass over the ports (one per pro-rata
// partner when all shares are printed) each port's terms, dated events, counted statement of
// facts and result figures, followed by the group, voyage and partner totals.
#pragma once

#include "core/FormatContext.h"
#include "core/Settings.h"
#include "report/FontMetrics.h"
#include "report/HeaderLayout.h"
#include "report/ReportDocument.h"

#include <memory>
#include <string>

namespace laytime {

class TCalculation;

/// The report title as the page header prints it.
struct TReportTitle {
  std::string Text = "Navarune: Laytime Calculation";
  TReportFont Font{"Arial", 14.0, true, true, false, false};
};

/// What a run needs besides the calculation: the locale of the figures (its clock gives the
/// date of the page header), the text metrics for the layout, and the display name of the
/// calculation that the page footer shows.
struct TReportRun {
  const TFormatContext& Format;
  const IFontMetrics& Metrics;
  std::string CalcDisplayName;
};

/// The report object lives as long as the main window and is reused for every run. A run reads
/// the calculation as it is when the run starts and builds its state afresh, so runs do not
/// influence each other; the object itself only keeps what the caller set.
class TResultReport {
public:
  /// Print one pass over all ports for every pro-rata partner line (an empty last line gets no
  /// pass); otherwise one pass for ProRataIndex, which must name a partner line whenever a
  /// partner's share is printed (without partner lines it has no meaning).
  bool PrintAllProRata = false;
  int ProRataIndex = 0;

  TReportTitle Title;
  /// The picture at the left of the page header: the built-in logo unless a template names one.
  std::shared_ptr<const TReportImage> Logo;
  /// The logo is shown at its pixel size divided by this (values below 1 count as 1).
  int LogoScale = 1;

  TResultReport();

  /// Takes title text, font and position and the logo scale from a template. `logo` is the
  /// template's picture, or nullptr for the built-in one.
  void LoadHeaderFromTemplate(const TTemplateSettings& settings,
                              std::shared_ptr<const TReportImage> logo);

  /// Chooses where title and logo stand: 0 title centred, 1 or 2 title at the left; any other
  /// value leaves them where the last valid position put them.
  void AdjustHeader(int position) {
    if (position >= 0 && position <= 2) {
      FTitlePosition = position;
    }
  }
  int TitlePosition() const { return FTitlePosition; }

  /// The header layout of a run in layout units, for the current title, logo and position.
  THeaderLayout HeaderLayout(const IFontMetrics& metrics) const;

  /// Builds and paginates the whole report. The calculation must have been calculated; the
  /// report only reads it. A text conversion that fails (a figure outside the range of its
  /// text form) raises its EConvertError and ends the run; a ProRataIndex naming no partner
  /// line raises std::out_of_range when a share would be printed.
  TReportDocument Build(const TCalculation& calculation, const TReportRun& run) const;

private:
  int FTitlePosition = 0;
};

/// The imprint line at the right of the page footer.
inline constexpr const char* ReportImprint =
    "Quillmark Laytime Calculation - results as calculated from the data entered";

} // namespace laytime
