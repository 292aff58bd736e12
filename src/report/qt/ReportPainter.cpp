#include "report/qt/ReportPainter.h"

#include "report/qt/QtFontMetrics.h"

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

Qt::Alignment ToAlignment(TCaptionAlign align) {
  switch (align) {
  case TCaptionAlign::Left:
    return Qt::AlignLeft;
  case TCaptionAlign::Right:
    return Qt::AlignRight;
  case TCaptionAlign::Center:
    return Qt::AlignHCenter;
  }
  return Qt::AlignLeft;
}

QImage ToQImage(const TReportImage& image) {
  // The pixels are 0xAARRGGBB words, which is what Format_ARGB32 holds; copy() detaches the
  // picture from the vector it was read from.
  const QImage view(reinterpret_cast<const uchar*>(image.Pixels.data()), image.Width, image.Height,
                    image.Width * 4, QImage::Format_ARGB32);
  return view.copy();
}

void PaintBand(QPainter& painter, const TReportDocument& doc, const TPlacedBand& placed,
               int pageNumber, double k) {
  const TReportBand& band = doc.BandOf(placed);
  const double left = doc.Page.Margin;
  const double top = placed.Top;

  for (const TReportPicture& picture : band.Pictures) {
    if (!picture.Image || picture.Image->Width <= 0 || picture.Image->Height <= 0 ||
        picture.Image->Pixels.size() !=
            static_cast<std::size_t>(picture.Image->Width) * picture.Image->Height) {
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
    painter.setFont(ToQFont(caption.Font));
    const QRectF box((left + caption.Left) * k, (top + caption.Top) * k, caption.Width * k,
                     caption.Height * k);
    painter.drawText(
        box, ToAlignment(caption.Align) | Qt::AlignVCenter | Qt::TextDontClip | Qt::TextSingleLine,
        QString::fromStdString(text));
  }
}

} // namespace

void PaintReportPage(QPainter& painter, const TReportDocument& doc, std::size_t pageIndex,
                     double dotsPerPoint) {
  if (pageIndex >= doc.Pages.size()) {
    throw std::out_of_range("report page " + std::to_string(pageIndex) + " is outside the " +
                            std::to_string(doc.Pages.size()) + " pages of the report");
  }
  const TReportPage& page = doc.Pages[pageIndex];
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (const TPlacedBand& placed : page.Bands) {
    PaintBand(painter, doc, placed, page.Number, dotsPerPoint);
  }
  painter.restore();
}

} // namespace laytime
