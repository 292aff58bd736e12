// Builds one band row by row: captions at fixed columns on the current row, rules between rows.
#pragma once

#include "report/FontMetrics.h"
#include "report/ReportDocument.h"

#include <string>
#include <vector>

namespace laytime::detail {

enum class TStyle : std::uint8_t { Regular, Bold, Italic, BoldUnderline };

class TBandBuilder {
public:
  TBandBuilder(std::string name, const TReportFont& font, double rowHeight);

  /// A caption on the current row. Empty texts are still placed, as a band prints its
  /// captions whether or not they have a text.
  void Text(double left, double width, std::string text, TCaptionAlign align = TCaptionAlign::Left,
            TStyle style = TStyle::Regular);
  /// A right-aligned caption ending at `right`.
  void Right(double left, double right, std::string text, TStyle style = TStyle::Regular) {
    Text(left, right - left, std::move(text), TCaptionAlign::Right, style);
  }
  void NextRow() { FTop += FRowHeight; }
  /// A rule at the current position, then a small gap.
  void Rule(double left, double right, TRuleStyle style = TRuleStyle::Single);
  void Gap(double points) { FTop += points; }

  /// Lines of `text` that fit `width` in the band's font: split at line breaks, then at blanks
  /// (a word longer than the width is cut where it no longer fits).
  std::vector<std::string> Wrap(const std::string& text, double width,
                                const IFontMetrics& metrics) const;

  double Top() const { return FTop; }
  TReportBand Finish();

private:
  TReportBand FBand;
  TReportFont FFont;
  double FRowHeight;
  double FTop = 0.0;
};

inline constexpr double RuleGap = 3.0;

} // namespace laytime::detail
