// The result report as plain data: bands made of positioned captions, rules and pictures, and the
// pages they were placed on. The report builder fills it once per run; every renderer (text, RTF,
// PDF, printer) only draws it. All lengths are in points (1/72 inch).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace laytime {

inline constexpr double PointsPerMillimetre = 72.0 / 25.4;

struct TReportFont {
  std::string Family = "Arial";
  double Size = 10.0; ///< points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;

  bool operator==(const TReportFont&) const = default;
};

enum class TCaptionAlign : std::uint8_t { Left, Right, Center };

/// A caption whose text the paging completes: the page number follows the caption's text.
enum class TCaptionField : std::uint8_t { None, PageNumber };

/// One line of text in a box. Left is measured from the left margin, Top from the top of the band.
struct TReportCaption {
  double Left = 0.0;
  double Top = 0.0;
  double Width = 0.0;
  double Height = 0.0;
  TCaptionAlign Align = TCaptionAlign::Left;
  TReportFont Font;
  std::string Text; ///< UTF-8, one line
  TCaptionField Field = TCaptionField::None;
};

enum class TRuleStyle : std::uint8_t { Single, Double };

/// A horizontal line from Left to Right at Top, measured like a caption's box.
struct TReportRule {
  double Left = 0.0;
  double Right = 0.0;
  double Top = 0.0;
  TRuleStyle Style = TRuleStyle::Single;
};

/// A raster picture: Width × Height pixels, row by row from the top, each 0xAARRGGBB.
struct TReportImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;
};

/// A picture stretched into its box, measured like a caption's box.
struct TReportPicture {
  double Left = 0.0;
  double Top = 0.0;
  double Width = 0.0;
  double Height = 0.0;
  std::shared_ptr<const TReportImage> Image;
};

/// A strip across the page, printed or skipped as a whole.
struct TReportBand {
  std::string Name; ///< the report's own name for the band, such as qrbPortDetails
  double Height = 0.0;
  std::vector<TReportCaption> Captions;
  std::vector<TReportRule> Rules;
  std::vector<TReportPicture> Pictures;
  /// A new page begins after this band (the end of a port's block when more follow).
  bool PageBreakAfter = false;
};

enum class TBandKind : std::uint8_t { PageHeader, VesselLine, Body, PageFooter };

/// A band at its place on a page; Top is measured from the top edge of the paper.
struct TPlacedBand {
  TBandKind Kind = TBandKind::Body;
  std::size_t BodyIndex = 0; ///< position in TReportDocument::Body for body bands
  double Top = 0.0;
};

struct TReportPage {
  int Number = 0;
  std::vector<TPlacedBand> Bands; ///< page header, vessel line, body bands, page footer
};

/// A4 portrait with margins of 10 mm.
struct TPageSetup {
  double Width = 210.0 * PointsPerMillimetre;
  double Height = 297.0 * PointsPerMillimetre;
  double Margin = 10.0 * PointsPerMillimetre;

  double UsableWidth() const { return Width - 2.0 * Margin; }
};

struct TReportDocument {
  TPageSetup Page;
  TReportBand PageHeader; ///< on every page, the first included
  TReportBand VesselLine; ///< below the page header on every page
  TReportBand PageFooter; ///< on every page, the last included
  std::vector<TReportBand> Body;
  std::vector<TReportPage> Pages; ///< filled by PaginateReport

  /// The band a placement refers to (std::out_of_range for a body index outside Body).
  const TReportBand& BandOf(const TPlacedBand& placed) const;
};

/// The text a caption shows on the page it is placed on.
std::string CaptionText(const TReportCaption& caption, int pageNumber);

} // namespace laytime
