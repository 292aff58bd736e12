#include "report/qt/ReportOutput.h"

#include "report/RtfWriter.h"
#include "report/qt/QtFontMetrics.h"
#include "report/qt/ReportPainter.h"

#include <QAction>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <functional>

namespace laytime {
namespace {

// Enough for sharp rules and exact text positions; fonts are embedded whatever the resolution.
constexpr int PdfResolution = 1200;

[[noreturn]] void CannotCreate(const QString& path) {
  throw EReportOutputError("Report module cannot create " + path.toStdString());
}

QPageLayout A4FullPage() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                     QPageLayout::Point);
}

// Paints the pages first..last-1 of the report.
void PaintPages(QPainter& painter, const TReportDocument& doc, double dotsPerPoint,
                const std::function<bool()>& newPage, std::size_t first, std::size_t last) {
  TReportPainter pages(doc);
  for (std::size_t i = first; i < last; ++i) {
    if (i > first && !newPage()) {
      return;
    }
    pages.PaintPage(painter, i, dotsPerPoint);
  }
}

void PaintAllPages(QPainter& painter, const TReportDocument& doc, double dotsPerPoint,
                   const std::function<bool()>& newPage) {
  PaintPages(painter, doc, dotsPerPoint, newPage, 0, doc.Pages.size());
}

// Paints pages first..last-1 on a printer set to A4 portrait in full page mode.
bool PrintPages(const TReportDocument& doc, QPrinter& printer, std::size_t first,
                std::size_t last) {
  printer.setFullPage(true);
  printer.setPageLayout(A4FullPage());
  QPainter painter;
  if (!painter.begin(&printer)) {
    return false;
  }
  PaintPages(
      painter, doc, printer.resolution() / 72.0, [&printer] { return printer.newPage(); }, first,
      last);
  return painter.end();
}

} // namespace

void WriteReportPdf(const TReportDocument& doc, const QString& path) {
  QPdfWriter writer(path);
  writer.setResolution(PdfResolution);
  writer.setPageLayout(A4FullPage());
  writer.setCreator(QStringLiteral("Quillmark Laytime Calculation"));
  writer.setTitle(QStringLiteral("Laytime Calculation"));
  QPainter painter;
  if (!painter.begin(&writer)) {
    CannotCreate(path);
  }
  PaintAllPages(painter, doc, PdfResolution / 72.0, [&writer] { return writer.newPage(); });
  if (!painter.end()) {
    CannotCreate(path);
  }
}

void WriteReportRtf(const TReportDocument& doc, const QString& path) {
  const std::string rtf = RenderReportRtf(doc);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    CannotCreate(path);
  }
  if (file.write(rtf.data(), static_cast<qint64>(rtf.size())) != static_cast<qint64>(rtf.size()) ||
      !file.flush()) {
    CannotCreate(path);
  }
}

bool PrintReportPages(const TReportDocument& doc, QPrinter& printer) {
  // A printer draws every page it is given, so the range chosen in the print dialog is kept
  // here; a range reaching beyond the report ends with its last page.
  std::size_t first = 0;
  std::size_t last = doc.Pages.size();
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    first = static_cast<std::size_t>(printer.fromPage() - 1);
    last = std::min(last, static_cast<std::size_t>(std::max(printer.toPage(), printer.fromPage())));
  }
  if (first >= last) {
    return true;
  }
  return PrintPages(doc, printer, first, last);
}

TReportDocument TQtResultReport::Build(const TCalculation& calculation,
                                       const TFormatContext& format,
                                       const std::string& calcDisplayName) const {
  const TQtFontMetrics metrics;
  return Report.Build(calculation, {format, metrics, calcDisplayName});
}

void TQtResultReport::ExportPDF(const TCalculation& calculation, const TFormatContext& format,
                                const std::string& calcDisplayName, const QString& path) const {
  WriteReportPdf(Build(calculation, format, calcDisplayName), path);
}

void TQtResultReport::ExportRTFFile(const TCalculation& calculation, const TFormatContext& format,
                                    const std::string& calcDisplayName, const QString& path) const {
  WriteReportRtf(Build(calculation, format, calcDisplayName), path);
}

bool TQtResultReport::PrintWithDialog(const TCalculation& calculation, const TFormatContext& format,
                                      const std::string& calcDisplayName, QPrinter& printer,
                                      QWidget* parent) const {
  const TReportDocument doc = Build(calculation, format, calcDisplayName);
  printer.setFromTo(1, static_cast<int>(doc.Pages.size()));
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, static_cast<int>(doc.Pages.size()));
  if (dialog.exec() != QDialog::Accepted) {
    return false;
  }
  PrintReportPages(doc, printer);
  return true;
}

void TQtResultReport::Preview(const TCalculation& calculation, const TFormatContext& format,
                              const std::string& calcDisplayName, QPrinter& printer,
                              QWidget* parent) const {
  const TReportDocument doc = Build(calculation, format, calcDisplayName);
  QPrintPreviewDialog dialog(&printer, parent);
  // The report is always A4 portrait, so the preview offers no page setup or orientation.
  for (QAction* action : dialog.findChildren<QAction*>()) {
    const QString text = action->text().remove(QLatin1Char('&'));
    if (text.compare(QLatin1String("Page setup"), Qt::CaseInsensitive) == 0 ||
        text.compare(QLatin1String("Portrait"), Qt::CaseInsensitive) == 0 ||
        text.compare(QLatin1String("Landscape"), Qt::CaseInsensitive) == 0) {
      action->setVisible(false);
    }
  }
  // The preview shows every page, whatever range an earlier print dialog left on the printer.
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                   [&doc](QPrinter* target) { PrintPages(doc, *target, 0, doc.Pages.size()); });
  dialog.exec();
}

} // namespace laytime
