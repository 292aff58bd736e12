// The whole voyage calculation on ten ports with long statements of facts: periods of one to
// four hours in mixed conditions, a SHEX window over every weekend, laytime running out halfway.
#include "calc/CalculateVoyage.h"
#include "core/Settings.h"
#include "model/TCalculation.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

using namespace laytime;

constexpr int PortCount = 10;
constexpr TDayNumber FirstDay = 45355; // Monday 4 March 2024

struct TLineKind {
  TFactCode Condition;
  double Pct;
  const char* Remark;
};

constexpr std::array<TLineKind, 12> LineKinds{{
    {TFactCode::full_tfact, 100.0, ""},
    {TFactCode::full_tfact, 100.0, "Loading"},
    {TFactCode::rain_tfact, 0.0, "Rain"},
    {TFactCode::htc_tfact, 50.0, ""},
    {TFactCode::part_tfact, 30.0, "One crane only"},
    {TFactCode::wait_tfact, 100.0, "Waiting for cargo"},
    {TFactCode::shinc_tfact, 100.0, ""},
    {TFactCode::ntc_tfact, 0.0, "Holidays"},
    {TFactCode::full_tfact, 100.0, ""},
    {TFactCode::sntc_tfact, 0.0, "Shifting to berth 4"},
    {TFactCode::alwpart_tfact, 40.0, ""},
    {TFactCode::excl_tfact, 0.0, "Strike"},
}};

// Fills port `index` with `lineCount` lines; laytime runs out about halfway through them.
void FillPort(TCalculation& calculation, int index, int lineCount) {
  TPortItem& item = index == 0 ? calculation.Ports.GetItem(0) : calculation.Ports.Add();
  TPortRec& port = item.PortData;
  port.PortName = "Port " + std::to_string(index + 1);
  port.OpLoading = index % 2 == 0;
  port.OpDischarging = !port.OpLoading;
  port.PortDespatchMode = TCalcDespatch::calcWorktime;
  port.PortLoadUnits = TLoadUnits::load_hours;
  port.PortLoadRate = lineCount * 2.5 * 0.4;
  port.PortDemurrageRate = 20000.0;
  port.PortDespatchRate = 10000.0;
  port.PortCommissionPct = 2.5;
  port.ShexStartDay = 6;
  port.ShexStartTime = 12 * 60;
  port.ShexEndDay = 1;
  port.ShexEndTime = 8 * 60;
  port.LayTimeCountFrom.Date = FirstDay;
  port.LayTimeCountFrom.Time = 8 * 60;

  TMinuteStamp until = FirstDay * MinutesPerDay + 8 * 60;
  for (int i = 0; i < lineCount; ++i) {
    until += 60 * (1 + (i * 7 + index) % 4);
    const TLineKind& kind = LineKinds[static_cast<std::size_t>(i * 5 + index) % LineKinds.size()];
    TSoFLine& line = item.SoFCollection.Add();
    line.SetUntilDate(until / MinutesPerDay);
    line.SetUntilTime(static_cast<TMinuteOfDay>(until % MinutesPerDay));
    line.SetCondition(kind.Condition);
    line.SetPct(kind.Pct);
    line.SetPctDisplayString(std::to_string(static_cast<int>(kind.Pct)));
    line.SetRemark(kind.Remark);
  }
  port.LayTimeOpCompleted.Date = until / MinutesPerDay;
  port.LayTimeOpCompleted.Time = static_cast<TMinuteOfDay>(until % MinutesPerDay);
}

// Whether each calculation finds the result lines of the one before (a repeated calculation,
// as the live figures of the statement-of-facts page make) or has to create them all.
enum class TResultLines { Kept, Fresh };

void CalculateVoyageBenchmark(benchmark::State& state, int lineCount, TResultLines resultLines) {
  const TProgramSettings settings;
  TCalculation calculation(settings);
  calculation.Voyage.PortMode = TPortMode::NonReversible;
  calculation.TemplateSettings.ShexText = "SHEX";
  calculation.TemplateSettings.VesOnDemurrageText = "Vessel on demurrage";
  for (int index = 0; index < PortCount; ++index)
    FillPort(calculation, index, lineCount);

  for (auto _ : state) {
    if (resultLines == TResultLines::Fresh) {
      state.PauseTiming();
      for (int index = 0; index < PortCount; ++index)
        calculation.Ports.GetItem(index).SoFResultCollection.Clear();
      state.ResumeTiming();
    }
    const TVoyageCalcResult result = CalculateVoyage(calculation);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations() * PortCount * lineCount);
}

void CalculateVoyage10x1000(benchmark::State& state) {
  CalculateVoyageBenchmark(state, 1000, TResultLines::Kept);
}

void CalculateVoyage10x10000(benchmark::State& state) {
  CalculateVoyageBenchmark(state, 10000, TResultLines::Kept);
}

void CalculateVoyageFresh10x1000(benchmark::State& state) {
  CalculateVoyageBenchmark(state, 1000, TResultLines::Fresh);
}

void CalculateVoyageFresh10x10000(benchmark::State& state) {
  CalculateVoyageBenchmark(state, 10000, TResultLines::Fresh);
}

BENCHMARK(CalculateVoyage10x1000)->Name("CalculateVoyage/10x1000")->Unit(benchmark::kMillisecond);
BENCHMARK(CalculateVoyage10x10000)->Name("CalculateVoyage/10x10000")->Unit(benchmark::kMillisecond);
BENCHMARK(CalculateVoyageFresh10x1000)
    ->Name("CalculateVoyageFreshResults/10x1000")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CalculateVoyageFresh10x10000)
    ->Name("CalculateVoyageFreshResults/10x10000")
    ->Unit(benchmark::kMillisecond);

} // namespace
