// The PDF and RTF files of a report, read back with real readers (pdftotext, pdffonts, unrtf).
#include "ReportFixture.h"

#include "report/qt/QtFontMetrics.h"
#include "report/qt/ReportOutput.h"

#include <QDir>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <memory>
#include <regex>
#include <sstream>

namespace laytime::test {
namespace {

// The fonts and the PDF writer need a GUI application; the tests run headless.
class QtEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "report_qt_tests";
    static char* argv[] = {name, nullptr};
    FApp = std::make_unique<QGuiApplication>(argc, argv);
  }
  void TearDown() override { FApp.reset(); }

private:
  std::unique_ptr<QGuiApplication> FApp;
};

const auto* const Environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

bool ToolPresent(const std::string& tool) {
  return std::system(("command -v " + tool + " > /dev/null 2>&1").c_str()) == 0;
}

// What a command writes to its standard output.
std::string Output(const std::string& command) {
  std::string out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) {
    return out;
  }
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) {
    out.append(buffer.data(), n);
  }
  return out;
}

class ReportOutputTest : public ReportFixture {
protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    Calc.Voyage.PortMode = TPortMode::NonReversible;
    Calc.Voyage.VesselName = "Nordic Star";
    LoadingPort(0, "Rouen");
    SoF(0, Monday, 12 * 60, TFactCode::full_tfact, 100, "Loading");
    SoF(0, Monday + 1, 1440, TFactCode::rain_tfact, 0, "Rain");
    SoF(0, Monday + 2, 6 * 60, TFactCode::full_tfact, 100, "Loading resumed");
    LoadingPort(1, "Antwerp");
    SoF(1, Monday + 2, 6 * 60, TFactCode::full_tfact, 100, "Loading");
    CalculateVoyage(Calc);
  }

  std::string PathOf(const char* name) const { return Dir.filePath(name).toStdString(); }

  TQtResultReport Qt;
  QTemporaryDir Dir;
};

TEST_F(ReportOutputTest, PdfHoldsTheReportAsTextInEmbeddedFonts) {
  if (!ToolPresent("pdftotext") || !ToolPresent("pdffonts")) {
    GTEST_SKIP() << "poppler-utils are not installed";
  }
  const std::string path = PathOf("Result.pdf");
  Qt.ExportPDF(Calc, Format, "Voyage 12", QString::fromStdString(path));

  const std::string text = Output("pdftotext -layout '" + path + "' -");
  for (const char* expected : {"Navarune: Laytime Calculation", "Page: 1", "Page: 2", "Nordic Star",
                               "Rouen", "Antwerp", "Remarks/Description", "Loading resumed",
                               "Despatch due:", "7,916.67", "Voyage 12", "2024-03-20"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  // Each port's block ends a page.
  EXPECT_TRUE(std::regex_search(Output("pdfinfo '" + path + "'"), std::regex("Pages:\\s+2\\n")));
  // Every font is embedded: the column "emb" reads yes on every line of the font list.
  std::istringstream fonts(Output("pdffonts '" + path + "'"));
  std::string header;
  std::getline(fonts, header);
  const std::size_t emb = header.find("emb");
  ASSERT_NE(emb, std::string::npos);
  std::string line;
  std::getline(fonts, line); // the rule under the header
  int fontCount = 0;
  while (std::getline(fonts, line)) {
    EXPECT_EQ(line.substr(emb, 3), "yes") << line;
    ++fontCount;
  }
  EXPECT_GT(fontCount, 0);
}

TEST_F(ReportOutputTest, RtfReadsBackWithItsTexts) {
  if (!ToolPresent("unrtf")) {
    GTEST_SKIP() << "unrtf is not installed";
  }
  const std::string path = PathOf("Result.rtf");
  Qt.ExportRTFFile(Calc, Format, "Voyage 12", QString::fromStdString(path));
  const std::string text = Output("unrtf --text '" + path + "' 2>/dev/null");
  // The reader leaves out page header and footer, which hold the vessel line.
  for (const char* expected : {"Rouen", "Antwerp", "Time allowed:", "Despatch due:", "7,916.67",
                               "Loading resumed", "Remarks/Description"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
}

TEST_F(ReportOutputTest, UnwritableFileIsReportedWithItsName) {
  const QString path = Dir.filePath("missing/folder/Result.pdf");
  try {
    Qt.ExportPDF(Calc, Format, "", path);
    FAIL() << "no error";
  } catch (const EReportOutputError& error) {
    EXPECT_EQ(std::string(error.what()), "Report module cannot create " + path.toStdString());
  }
  EXPECT_THROW(Qt.ExportRTFFile(Calc, Format, "", path), EReportOutputError);
}

TEST_F(ReportOutputTest, PrinterPrintsThePagesChosenInThePrintDialog) {
  if (!ToolPresent("pdfinfo") || !ToolPresent("pdftotext")) {
    GTEST_SKIP() << "poppler-utils are not installed";
  }
  const TReportDocument doc = Qt.Build(Calc, Format, "Voyage 12");
  ASSERT_EQ(doc.Pages.size(), 2u);
  const std::string path = PathOf("Printed.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setPrintRange(QPrinter::PageRange);
  printer.setFromTo(2, 5); // a range beyond the last page ends with it
  ASSERT_TRUE(PrintReportPages(doc, printer));
  EXPECT_TRUE(std::regex_search(Output("pdfinfo '" + path + "'"), std::regex("Pages:\\s+1\\n")));
  const std::string text = Output("pdftotext -layout '" + path + "' -");
  EXPECT_NE(text.find("Page: 2"), std::string::npos) << text;
  EXPECT_EQ(text.find("Rouen"), std::string::npos) << text;

  printer.setPrintRange(QPrinter::AllPages);
  ASSERT_TRUE(PrintReportPages(doc, printer));
  EXPECT_TRUE(std::regex_search(Output("pdfinfo '" + path + "'"), std::regex("Pages:\\s+2\\n")));
}

TEST(QtFontMetricsTest, ArialWidthsMatchTheApproximation) {
  const TQtFontMetrics qt;
  const TApproxFontMetrics approx;
  const TReportFont font{"Arial", 10.0};
  const std::string text = "Total time remaining for loading 1,234.56";
  EXPECT_NEAR(qt.TextWidth(font, text), approx.TextWidth(font, text), 2.0);
  EXPECT_GT(qt.LineHeight(font), 10.0);
}

} // namespace
} // namespace laytime::test
