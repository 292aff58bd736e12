#include "report/RtfWriter.h"
#include "report/BuiltinLogo.h"
#include "report/PngEncoder.h"
#include "report/ReportPaging.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

TReportCaption Caption(const std::string& text, double left, double width, TCaptionAlign align) {
  TReportCaption caption;
  caption.Text = text;
  caption.Left = left;
  caption.Width = width;
  caption.Height = 12.0;
  caption.Align = align;
  return caption;
}

TEST(RtfWriterTest, CaptionsSitAtTabStopsOfTheirAlignment) {
  TReportDocument doc;
  TReportBand band;
  band.Height = 12.0;
  band.Captions = {Caption("Time allowed:", 0.0, 100.0, TCaptionAlign::Left),
                   Caption("3", 100.0, 20.0, TCaptionAlign::Right),
                   Caption("06:00", 130.0, 40.0, TCaptionAlign::Left)};
  band.Captions[1].Font.Bold = true;
  doc.Body = {band};
  const std::string rtf = RenderReportRtf(doc);
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
  EXPECT_NE(rtf.find("\\paperw11906\\paperh16838\\margl567\\margr567"), std::string::npos);
  EXPECT_NE(rtf.find("\\tqr\\tx2400\\tx2600"), std::string::npos);
  EXPECT_NE(rtf.find("{\\f0\\fs20 Time allowed:}\\tab{\\f0\\fs20\\b 3}\\tab{\\f0\\fs20 06:00}"),
            std::string::npos);
}

TEST(RtfWriterTest, TextIsEscapedAndPageBreaksFollowMarkedBands) {
  TReportDocument doc;
  TReportBand band;
  band.Height = 12.0;
  band.Captions = {Caption("{a}\\b Café €", 0.0, 100.0, TCaptionAlign::Left)};
  band.PageBreakAfter = true;
  doc.Body = {band, band};
  const std::string rtf = RenderReportRtf(doc);
  EXPECT_NE(rtf.find("\\{a\\}\\\\b Caf\\u233? \\u8364?"), std::string::npos);
  // One break between the two bands, none after the last.
  EXPECT_EQ(rtf.find("\\page"), rtf.rfind("\\page"));
}

TEST(RtfWriterTest, PageNumberIsAField) {
  TReportDocument doc;
  TReportCaption page = Caption("Page: ", 400.0, 138.0, TCaptionAlign::Right);
  page.Field = TCaptionField::PageNumber;
  doc.PageHeader.Captions.push_back(page);
  doc.PageHeader.Height = 20.0;
  const std::string rtf = RenderReportRtf(doc);
  EXPECT_NE(rtf.find("{\\header "), std::string::npos);
  EXPECT_NE(rtf.find("Page: {\\field{\\*\\fldinst{ PAGE }}{\\fldrslt{1}}}"), std::string::npos);
}

TEST(PngEncoderTest, WritesSignatureChunksAndStoredPixels) {
  TReportImage image;
  image.Width = 2;
  image.Height = 1;
  image.Pixels = {0xFF102030, 0x80405060};
  const std::vector<std::uint8_t> png = EncodePng(image);
  const std::vector<std::uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  ASSERT_GT(png.size(), 8u);
  EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
  // IHDR: length 13, type, width 2, height 1, 8-bit RGBA; its CRC as any PNG reader checks it.
  const std::vector<std::uint8_t> ihdr = {0, 0, 0, 13, 'I', 'H', 'D', 'R', 0,    0,    0,    2,   0,
                                          0, 0, 1, 8,  6,   0,   0,   0,   0xF4, 0x22, 0x7F, 0x8A};
  // The CRC bytes above are those of this IHDR under the standard CRC-32.
  EXPECT_TRUE(std::equal(ihdr.begin(), ihdr.end(), png.begin() + 8));
  // The filter byte and the pixels appear in RGBA order inside the stored block.
  const std::vector<std::uint8_t> row = {0, 0x10, 0x20, 0x30, 0xFF, 0x40, 0x50, 0x60, 0x80};
  EXPECT_NE(std::search(png.begin(), png.end(), row.begin(), row.end()), png.end());
  // A size that does not match the pixels gives nothing.
  image.Width = 3;
  EXPECT_TRUE(EncodePng(image).empty());
}

TEST(BuiltinLogoTest, IsASharedPictureOfItsSize) {
  const auto logo = BuiltinLogo();
  ASSERT_TRUE(logo);
  EXPECT_EQ(logo->Width, 72);
  EXPECT_EQ(logo->Height, 40);
  EXPECT_EQ(logo->Pixels.size(), 72u * 40u);
  EXPECT_EQ(logo.get(), BuiltinLogo().get());
  EXPECT_EQ(logo->Pixels.front() >> 24, 0u); // the badge's corners are transparent
}

} // namespace
} // namespace laytime
