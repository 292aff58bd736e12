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

void PaintAllPages(QPainter& painter, const TReportDocument& doc, double dotsPerPoint,
                   const std::function<bool()>& newPage) {
  TReportPainter pages(doc);
  for (std::size_t i = 0; i < doc.Pages.size(); ++i) {
    if (i > 0 && !newPage()) {
      return;
    }
    pages.PaintPage(painter, i, dotsPerPoint);
  }
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
  printer.setFullPage(true);
  printer.setPageLayout(A4FullPage());
  QPainter painter;
  if (!painter.begin(&printer)) {
    return false;
  }
  PaintAllPages(painter, doc, printer.resolution() / 72.0,
                [&printer] { return printer.newPage(); });
  return painter.end();
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
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                   [&doc](QPrinter* target) { PrintReportPages(doc, *target); });
  dialog.exec();
}

} // namespace laytime
