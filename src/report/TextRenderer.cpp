#include "report/TextRenderer.h"

#include "core/Utf8.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace laytime {
namespace {

constexpr double PointsPerColumn = 5.0;

int Column(double points) {
  return static_cast<int>(std::lround(points / PointsPerColumn));
}

std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) {
    NextCodePoint(text, pos);
  }
  return count;
}

struct TPlacedText {
  double Left = 0.0;
  int StartColumn = 0;
  std::string Text;
};

// The items of one printed line: either texts sharing a top, or a single rule.
struct TTextLine {
  std::vector<TPlacedText> Texts;
  bool IsRule = false;
  int RuleFrom = 0;
  int RuleTo = 0;
  char RuleChar = '-';
};

std::string ComposeTexts(std::vector<TPlacedText> texts) {
  std::sort(texts.begin(), texts.end(),
            [](const TPlacedText& a, const TPlacedText& b) { return a.Left < b.Left; });
  std::string line;
  std::size_t used = 0; // characters in `line`
  for (const TPlacedText& text : texts) {
    auto column = static_cast<std::size_t>(std::max(text.StartColumn, 0));
    if (used > 0 && column <= used) {
      column = used + 1; // never run two captions together
    }
    line.append(column - used, ' ');
    line += text.Text;
    used = column + CharacterCount(text.Text);
  }
  return line;
}

} // namespace

std::string RenderReportText(const TReportDocument& doc) {
  std::string out;
  bool firstPage = true;
  for (const TReportPage& page : doc.Pages) {
    if (!firstPage) {
      out += "\f\n";
    }
    firstPage = false;
    // Lines keyed by their top; rules sort before texts of the same top.
    std::multimap<std::pair<double, int>, TTextLine> lines;
    std::map<double, TTextLine*> textLineAt;
    for (const TPlacedBand& placed : page.Bands) {
      const TReportBand& band = doc.BandOf(placed);
      for (const TReportRule& rule : band.Rules) {
        TTextLine line;
        line.IsRule = true;
        line.RuleFrom = Column(rule.Left);
        line.RuleTo = Column(rule.Right);
        line.RuleChar = rule.Style == TRuleStyle::Double ? '=' : '-';
        lines.emplace(std::make_pair(placed.Top + rule.Top, 0), line);
      }
      for (const TReportCaption& caption : band.Captions) {
        const std::string text = CaptionText(caption, page.Number);
        if (text.empty()) {
          continue;
        }
        const double top = placed.Top + caption.Top;
        auto found = textLineAt.find(top);
        if (found == textLineAt.end()) {
          auto inserted = lines.emplace(std::make_pair(top, 1), TTextLine{});
          found = textLineAt.emplace(top, &inserted->second).first;
        }
        const auto length = static_cast<int>(CharacterCount(text));
        int start = Column(caption.Left);
        switch (caption.Align) {
        case TCaptionAlign::Left:
          break;
        case TCaptionAlign::Right:
          start = Column(caption.Left + caption.Width) - length;
          break;
        case TCaptionAlign::Center:
          start = Column(caption.Left + caption.Width / 2.0) - length / 2;
          break;
        }
        found->second->Texts.push_back({caption.Left, start, text});
      }
    }
    for (const auto& [key, line] : lines) {
      if (line.IsRule) {
        const int from = std::max(line.RuleFrom, 0);
        out.append(static_cast<std::size_t>(from), ' ');
        out.append(static_cast<std::size_t>(std::max(line.RuleTo - from, 1)), line.RuleChar);
      } else {
        out += ComposeTexts(line.Texts);
      }
      out += '\n';
    }
  }
  return out;
}

} // namespace laytime
