#include "report/BandBuilder.h"

#include "core/Utf8.h"

namespace laytime::detail {

TBandBuilder::TBandBuilder(std::string name, const TReportFont& font, double rowHeight)
    : FFont(font), FRowHeight(rowHeight) {
  FBand.Name = std::move(name);
}

void TBandBuilder::Text(double left, double width, std::string text, TCaptionAlign align,
                        TStyle style) {
  TReportCaption caption;
  caption.Left = left;
  caption.Top = FTop;
  caption.Width = width;
  caption.Height = FRowHeight;
  caption.Align = align;
  caption.Font = FFont;
  caption.Font.Bold = style == TStyle::Bold || style == TStyle::BoldUnderline;
  caption.Font.Italic = style == TStyle::Italic;
  caption.Font.Underline = style == TStyle::BoldUnderline;
  caption.Text = std::move(text);
  FBand.Captions.push_back(std::move(caption));
}

void TBandBuilder::Rule(double left, double right, TRuleStyle style) {
  FBand.Rules.push_back({left, right, FTop, style});
  FTop += RuleGap;
}

std::vector<std::string> TBandBuilder::Wrap(const std::string& text, double width,
                                            const IFontMetrics& metrics) const {
  std::vector<std::string> lines;
  std::string paragraph;
  auto wrapParagraph = [&](const std::string& para) {
    std::string line;
    std::size_t pos = 0;
    while (pos <= para.size()) {
      const std::size_t blank = para.find(' ', pos);
      const std::size_t end = blank == std::string::npos ? para.size() : blank;
      const std::string word = para.substr(pos, end - pos);
      const std::string candidate = line.empty() ? word : line + ' ' + word;
      if (line.empty() || metrics.TextWidth(FFont, candidate) <= width) {
        line = candidate;
      } else {
        lines.push_back(line);
        line = word;
      }
      // A single word wider than the column is cut on a character boundary.
      while (metrics.TextWidth(FFont, line) > width) {
        std::size_t cut = 0;
        std::size_t next = 0;
        while (next < line.size()) {
          std::size_t probe = next;
          NextCodePoint(line, probe);
          if (cut > 0 && metrics.TextWidth(FFont, line.substr(0, probe)) > width) {
            break;
          }
          cut = next = probe;
        }
        if (cut == 0 || cut >= line.size()) {
          break;
        }
        lines.push_back(line.substr(0, cut));
        line = line.substr(cut);
      }
      if (blank == std::string::npos) {
        break;
      }
      pos = blank + 1;
    }
    lines.push_back(line);
  };
  for (const char c : text) {
    if (c == '\n') {
      wrapParagraph(paragraph);
      paragraph.clear();
    } else if (c != '\r') {
      paragraph += c;
    }
  }
  wrapParagraph(paragraph);
  return lines;
}

TReportBand TBandBuilder::Finish() {
  FBand.Height = FTop;
  return std::move(FBand);
}

} // namespace laytime::detail
