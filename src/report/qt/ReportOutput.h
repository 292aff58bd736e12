// The outputs of the result report that the main window starts: PDF and RTF files, the printer
// and the print preview.
#pragma once

#include "core/Errors.h"
#include "core/FormatContext.h"
#include "report/ReportDocument.h"
#include "report/ResultReport.h"

#include <QString>

#include <string>

class QPrinter;
class QWidget;

namespace laytime {

class TCalculation;

/// A report file that could not be written; the text names the file.
class EReportOutputError : public ELaytimeError {
public:
  using ELaytimeError::ELaytimeError;
};

/// Writes a paginated report as a PDF file: A4 portrait, text as real text in embedded fonts.
/// Throws EReportOutputError "Report module cannot create {file}" when the file cannot be
/// written.
void WriteReportPdf(const TReportDocument& doc, const QString& path);

/// Writes the report as an RTF file (see RenderReportRtf); same error as WriteReportPdf.
void WriteReportRtf(const TReportDocument& doc, const QString& path);

/// Prints the pages of a paginated report that `printer` names (its page range as the print
/// dialog left it, or every page) on `printer`, which is set to A4 portrait in full page mode.
/// Returns false when the printer could not be started.
bool PrintReportPages(const TReportDocument& doc, QPrinter& printer);

/// The result report as the main window uses it: the report object with its settings, and the
/// runs that build it over the open calculation with Qt's text metrics and send it to a file,
/// the printer or the preview. Every run builds the report afresh from the calculation.
class TQtResultReport {
public:
  TResultReport Report;

  /// Builds the report with the real metrics of the fonts it is drawn with.
  TReportDocument Build(const TCalculation& calculation, const TFormatContext& format,
                        const std::string& calcDisplayName) const;

  void ExportPDF(const TCalculation& calculation, const TFormatContext& format,
                 const std::string& calcDisplayName, const QString& path) const;
  void ExportRTFFile(const TCalculation& calculation, const TFormatContext& format,
                     const std::string& calcDisplayName, const QString& path) const;

  /// Shows the print dialog for `printer` (printer, pages, copies) and prints unless the user
  /// cancels. Returns false when the dialog was cancelled.
  bool PrintWithDialog(const TCalculation& calculation, const TFormatContext& format,
                       const std::string& calcDisplayName, QPrinter& printer,
                       QWidget* parent) const;

  /// Shows the report in a modal print preview on `printer`. The preview offers no page setup:
  /// the report is always A4 portrait.
  void Preview(const TCalculation& calculation, const TFormatContext& format,
               const std::string& calcDisplayName, QPrinter& printer, QWidget* parent) const;
};

} // namespace laytime
