#include "report/RtfWriter.h"

#include "core/Utf8.h"
#include "report/PngEncoder.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace laytime {
namespace {

int Twips(double points) {
  return static_cast<int>(std::lround(points * 20.0));
}

void AppendEscaped(std::string& out, const std::string& text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t c = NextCodePoint(text, pos);
    if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      out += ' ';
    } else if (c <= 0xFFFF) {
      // \uN takes a signed 16-bit number; the '?' is what readers without Unicode show.
      out += "\\u" + std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(c))) + "?";
    } else {
      const char32_t v = c - 0x10000;
      for (const char32_t unit : {0xD800 + (v >> 10), 0xDC00 + (v & 0x3FF)}) {
        out += "\\u" + std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(unit))) +
               "?";
      }
    }
  }
}

class TRtfWriter {
public:
  explicit TRtfWriter(const TReportDocument& doc) : FDoc(doc) { CollectFonts(); }

  std::string Write() {
    std::string body;
    body += "{\\header ";
    WriteBand(body, FDoc.PageHeader, false);
    WriteBand(body, FDoc.VesselLine, false);
    body += "}\n{\\footer ";
    WriteBand(body, FDoc.PageFooter, false);
    body += "}\n";
    for (std::size_t i = 0; i < FDoc.Body.size(); ++i) {
      const TReportBand& band = FDoc.Body[i];
      WriteBand(body, band, true);
      if (band.PageBreakAfter && i + 1 < FDoc.Body.size()) {
        body += "\\page\n";
      }
    }

    const TPageSetup& page = FDoc.Page;
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (std::size_t i = 0; i < FFonts.size(); ++i) {
      out += "{\\f" + std::to_string(i) + "\\fswiss\\fcharset0 ";
      AppendEscaped(out, FFonts[i]);
      out += ";}";
    }
    out += "}\n";
    out += "\\paperw" + std::to_string(Twips(page.Width)) + "\\paperh" +
           std::to_string(Twips(page.Height));
    out += "\\margl" + std::to_string(Twips(page.Margin)) + "\\margr" +
           std::to_string(Twips(page.Margin));
    out += "\\margt" +
           std::to_string(Twips(page.Margin + FDoc.PageHeader.Height + FDoc.VesselLine.Height));
    out += "\\margb" + std::to_string(Twips(page.Margin + FDoc.PageFooter.Height));
    out += "\\headery" + std::to_string(Twips(page.Margin)) + "\\footery" +
           std::to_string(Twips(page.Margin)) + "\n";
    out += body;
    out += "}\n";
    return out;
  }

private:
  struct TRow {
    double Top = 0.0;
    bool IsRule = false;
    const TReportRule* Rule = nullptr;
    std::vector<const TReportCaption*> Captions;
    std::vector<const TReportPicture*> Pictures;
  };

  void CollectFonts() {
    FFonts.push_back("Arial");
    auto add = [this](const TReportBand& band) {
      for (const TReportCaption& caption : band.Captions) {
        if (std::find(FFonts.begin(), FFonts.end(), caption.Font.Family) == FFonts.end()) {
          FFonts.push_back(caption.Font.Family);
        }
      }
    };
    add(FDoc.PageHeader);
    add(FDoc.VesselLine);
    add(FDoc.PageFooter);
    for (const TReportBand& band : FDoc.Body) {
      add(band);
    }
  }

  int FontIndex(const std::string& family) const {
    const auto found = std::find(FFonts.begin(), FFonts.end(), family);
    return static_cast<int>(found - FFonts.begin());
  }

  static std::vector<TRow> Rows(const TReportBand& band) {
    std::map<double, TRow> textRows;
    for (const TReportCaption& caption : band.Captions) {
      TRow& row = textRows[caption.Top];
      row.Top = caption.Top;
      row.Captions.push_back(&caption);
    }
    for (const TReportPicture& picture : band.Pictures) {
      TRow& row = textRows[picture.Top];
      row.Top = picture.Top;
      row.Pictures.push_back(&picture);
    }
    std::vector<TRow> rows;
    for (const TReportRule& rule : band.Rules) {
      TRow row;
      row.Top = rule.Top;
      row.IsRule = true;
      row.Rule = &rule;
      rows.push_back(row);
    }
    for (auto& [top, row] : textRows) {
      std::sort(row.Captions.begin(), row.Captions.end(),
                [](const TReportCaption* a, const TReportCaption* b) { return a->Left < b->Left; });
      rows.push_back(std::move(row));
    }
    // A rule sorts before the texts of the same top: it is drawn above them.
    std::stable_sort(rows.begin(), rows.end(), [](const TRow& a, const TRow& b) {
      if (a.Top != b.Top) {
        return a.Top < b.Top;
      }
      return a.IsRule && !b.IsRule;
    });
    return rows;
  }

  void WriteBand(std::string& out, const TReportBand& band, bool keepTogether) {
    const std::vector<TRow> rows = Rows(band);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const TRow& row = rows[i];
      const double next = i + 1 < rows.size() ? rows[i + 1].Top : band.Height;
      const double height = std::max(next - row.Top, 1.0);
      out += "\\pard\\plain";
      if (keepTogether) {
        out += "\\keep";
        if (i + 1 < rows.size()) {
          out += "\\keepn";
        }
      }
      if (row.IsRule) {
        WriteRule(out, *row.Rule);
        continue;
      }
      out += "\\sl-" + std::to_string(Twips(height)) + "\\slmult0";
      WriteTabStops(out, row);
      for (const TReportPicture* picture : row.Pictures) {
        WritePicture(out, *picture);
      }
      for (const TReportCaption* caption : row.Captions) {
        WriteCaption(out, *caption);
      }
      out += "\\par\n";
    }
  }

  void WriteRule(std::string& out, const TReportRule& rule) {
    const int left = Twips(rule.Left);
    const int right = Twips(FDoc.Page.UsableWidth() - rule.Right);
    out += "\\li" + std::to_string(std::max(left, 0)) + "\\ri" + std::to_string(std::max(right, 0));
    out += "\\sl-20\\slmult0\\fs2\\brdrb";
    out += rule.Style == TRuleStyle::Double ? "\\brdrdb" : "\\brdrs";
    out += "\\brdrw10\\brsp0 \\par\n";
  }

  static void WriteTabStops(std::string& out, const TRow& row) {
    std::vector<std::pair<int, const char*>> stops;
    for (const TReportCaption* caption : row.Captions) {
      switch (caption->Align) {
      case TCaptionAlign::Left:
        if (Twips(caption->Left) > 0) {
          stops.emplace_back(Twips(caption->Left), "");
        }
        break;
      case TCaptionAlign::Right:
        stops.emplace_back(Twips(caption->Left + caption->Width), "\\tqr");
        break;
      case TCaptionAlign::Center:
        stops.emplace_back(Twips(caption->Left + caption->Width / 2.0), "\\tqc");
        break;
      }
    }
    std::sort(stops.begin(), stops.end());
    for (const auto& [position, kind] : stops) {
      out += kind;
      out += "\\tx" + std::to_string(position);
    }
  }

  void WriteCaption(std::string& out, const TReportCaption& caption) {
    const bool atLeftEdge = caption.Align == TCaptionAlign::Left && Twips(caption.Left) <= 0;
    if (!atLeftEdge) {
      out += "\\tab";
    }
    const TReportFont& font = caption.Font;
    out += "{\\f" + std::to_string(FontIndex(font.Family)) + "\\fs" +
           std::to_string(static_cast<int>(std::lround(font.Size * 2.0)));
    if (font.Bold) {
      out += "\\b";
    }
    if (font.Italic) {
      out += "\\i";
    }
    if (font.Underline) {
      out += "\\ul";
    }
    if (font.StrikeOut) {
      out += "\\strike";
    }
    out += ' ';
    AppendEscaped(out, caption.Text);
    if (caption.Field == TCaptionField::PageNumber) {
      out += "{\\field{\\*\\fldinst{ PAGE }}{\\fldrslt{1}}}";
    }
    out += '}';
  }

  static void WritePicture(std::string& out, const TReportPicture& picture) {
    if (!picture.Image || picture.Image->Width <= 0 || picture.Image->Height <= 0) {
      return;
    }
    const std::vector<std::uint8_t> png = EncodePng(*picture.Image);
    out += "{\\pict\\pngblip\\picw" + std::to_string(picture.Image->Width) + "\\pich" +
           std::to_string(picture.Image->Height) + "\\picwgoal" +
           std::to_string(Twips(picture.Width)) + "\\pichgoal" +
           std::to_string(Twips(picture.Height)) + "\n";
    static constexpr char Hex[] = "0123456789abcdef";
    for (std::size_t i = 0; i < png.size(); ++i) {
      out += Hex[png[i] >> 4];
      out += Hex[png[i] & 0xF];
      if (i % 64 == 63) {
        out += '\n';
      }
    }
    out += "}";
  }

  const TReportDocument& FDoc;
  std::vector<std::string> FFonts;
};

} // namespace

std::string RenderReportRtf(const TReportDocument& doc) {
  return TRtfWriter(doc).Write();
}

} // namespace laytime
