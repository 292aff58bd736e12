#include "report/qt/ReportPainter.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include <stdexcept>
#include <string>

namespace laytime {
namespace {

constexpr double RuleWidth = 0.5; // points
constexpr double DoubleGap = 1.2; // points between the lines of a double rule

QImage ToQImage(const TReportImage& image) {
  // The pixels are 0xAARRGGBB words, which is what Format_ARGB32 holds; copy() detaches the
  // picture from the vector it was read from.
  const QImage view(reinterpret_cast<const uchar*>(image.Pixels.data()), image.Width, image.Height,
                    image.Width * 4, QImage::Format_ARGB32);
  return view.copy();
}

bool IsDrawable(const TReportPicture& picture) {
  return picture.Image && picture.Image->Width > 0 && picture.Image->Height > 0 &&
         picture.Image->Pixels.size() ==
             static_cast<std::size_t>(picture.Image->Width) * picture.Image->Height;
}

} // namespace

void TReportPainter::PaintPage(QPainter& painter, std::size_t pageIndex, double dotsPerPoint) {
  if (pageIndex >= FDoc.Pages.size()) {
    throw std::out_of_range("report page " + std::to_string(pageIndex) + " is outside the " +
                            std::to_string(FDoc.Pages.size()) + " pages of the report");
  }
  const TReportPage& page = FDoc.Pages[pageIndex];
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (const TPlacedBand& placed : page.Bands) {
    PaintBand(painter, placed, page.Number, dotsPerPoint);
  }
  painter.restore();
}

void TReportPainter::PaintBand(QPainter& painter, const TPlacedBand& placed, int pageNumber,
                               double k) {
  const TReportBand& band = FDoc.BandOf(placed);
  const double left = FDoc.Page.Margin;
  const double top = placed.Top;

  for (const TReportPicture& picture : band.Pictures) {
    if (!IsDrawable(picture)) {
      continue;
    }
    const QRectF target((left + picture.Left) * k, (top + picture.Top) * k, picture.Width * k,
                        picture.Height * k);
    painter.drawImage(target, ToQImage(*picture.Image));
  }

  QPen pen(Qt::black);
  pen.setWidthF(RuleWidth * k);
  painter.setPen(pen);
  for (const TReportRule& rule : band.Rules) {
    const double y = (top + rule.Top) * k;
    painter.drawLine(QPointF((left + rule.Left) * k, y), QPointF((left + rule.Right) * k, y));
    if (rule.Style == TRuleStyle::Double) {
      const double y2 = y + DoubleGap * k;
      painter.drawLine(QPointF((left + rule.Left) * k, y2), QPointF((left + rule.Right) * k, y2));
    }
  }

  for (const TReportCaption& caption : band.Captions) {
    const std::string text = CaptionText(caption, pageNumber);
    if (text.empty()) {
      continue;
    }
    // The text is placed by its own width and the font's ascent rather than laid out in its
    // box, which is many times faster on a report of thousands of captions.
    const double width = FMetrics.TextWidth(caption.Font, text);
    double x = left + caption.Left;
    switch (caption.Align) {
    case TCaptionAlign::Left:
      break;
    case TCaptionAlign::Right:
      x += caption.Width - width;
      break;
    case TCaptionAlign::Center:
      x += (caption.Width - width) / 2.0;
      break;
    }
    const double baseline =
        top + caption.Top +
        (caption.Height + FMetrics.Ascent(caption.Font) - FMetrics.Descent(caption.Font)) / 2.0;
    painter.setFont(FFonts.Font(caption.Font));
    painter.drawText(QPointF(x * k, baseline * k), QString::fromStdString(text));
  }
}

} // namespace laytime
