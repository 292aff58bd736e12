// The result report of a long voyage written as PDF: build, layout with the real font metrics,
// and the PDF file with its embedded fonts.
#include "calc/CalculateVoyage.h"
#include "core/Clock.h"
#include "core/FormatContext.h"
#include "core/Locale.h"
#include "model/TCalculation.h"
#include "report/qt/ReportOutput.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace laytime {
namespace {

// The PDF writer and the fonts need a GUI application; the benchmark runs headless.
void EnsureGuiApplication() {
  static std::unique_ptr<QGuiApplication> app;
  if (QGuiApplication::instance() != nullptr) {
    return;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "laytime_bench";
  static char* argv[] = {name, nullptr};
  app = std::make_unique<QGuiApplication>(argc, argv);
}

// `ports` loading ports, each with `lines` statement-of-facts lines of three hours.
void FillVoyage(TCalculation& calc, int ports, int lines) {
  constexpr TDayNumber start = 45355;
  calc.Voyage.PortMode = TPortMode::NonReversible;
  calc.Voyage.Currency = "USD";
  calc.Voyage.VesselName = "Benchmark Carrier";
  for (int p = 0; p < ports; ++p) {
    TPortItem& item = p == 0 ? calc.Ports.GetItem(0) : calc.Ports.Add();
    TPortRec& port = item.PortData;
    port.PortName = "Port " + std::to_string(p + 1);
    port.OpLoading = true;
    port.PortLoadUnits = TLoadUnits::load_units_p_day;
    port.PortLoadRate = 8000.0;
    port.CargoQuantity = 100000.0;
    port.CargoName = "Iron ore";
    port.PortDespatchMode = TCalcDespatch::calcWorktime;
    port.PortDemurrageRate = 20000.0;
    port.PortDespatchRate = 10000.0;
    port.PortCommissionPct = 2.5;
    port.LayTimeCountFrom = {start, 0, "Laytime commenced"};
    const int minutes = lines * 180;
    port.LayTimeOpCompleted = {start + minutes / 1440, static_cast<TMinuteOfDay>(minutes % 1440),
                               "Loading completed"};
    for (int i = 1; i <= lines; ++i) {
      TSoFLine& line = item.SoFCollection.Add();
      const int end = i * 180;
      line.SetUntilDate(start + end / 1440);
      line.SetUntilTime(static_cast<TMinuteOfDay>(end % 1440));
      const bool rain = i % 7 == 0;
      line.SetCondition(rain ? TFactCode::rain_tfact : TFactCode::full_tfact);
      line.SetPct(rain ? 0.0 : 100.0);
      line.SetPctDisplayString(rain ? "0" : "100");
      line.SetRemark(rain ? "Rain, hatches closed" : "Loading by shore cranes");
    }
  }
  CalculateVoyage(calc);
}

void ReportPdf(benchmark::State& state) {
  EnsureGuiApplication();
  const TProgramSettings settings;
  TCalculation calc(settings);
  FillVoyage(calc, 20, 200);
  const TFixedClock clock(45400);
  const TFormatContext format{IsoLocale(), 0, clock};
  const TQtResultReport report;
  QTemporaryDir dir;
  const QString path = dir.filePath("Result.pdf");
  for (auto _ : state) {
    report.ExportPDF(calc, format, "Benchmark voyage", path);
  }
}

BENCHMARK(ReportPdf)->Name("ReportPdf/20x200")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace laytime
