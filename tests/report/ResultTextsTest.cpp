#include "report/ResultTexts.h"

#include "core/Clock.h"
#include "core/Locale.h"
#include "report/FigureTexts.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

struct TModeTextCase {
  const char* Name;
  TPortMode Mode;
  bool DespatchDisabled;
  bool AlwaysOnDemurrage;
  const char* Expected;
};

TEST(ResultTextsTest, CalculationModeText) {
  const TModeTextCase cases[] = {
      {"non reversible", TPortMode::NonReversible, false, true,
       "Non reversible; Once on demurrage, always on demurrage"},
      {"loading reversible", TPortMode::LoadingReversible, false, true,
       "Loading ports: Reversible, All time saved; Discharging ports: non reversible; Once on "
       "demurrage, always on demurrage"},
      {"discharging reversible", TPortMode::DischargingReversible, false, false,
       "Loading ports: non reversible; Discharging ports: reversible, Working time saved; Not "
       "always on demurrage"},
      {"both groups", TPortMode::LoadDischReversible, false, true,
       "Loading ports: Reversible, All time saved; Discharging ports: reversible, Working time "
       "saved; Once on demurrage, always on demurrage"},
      {"all reversible, despatch disabled", TPortMode::AllReversible, true, false,
       "All ports reversible; Not always on demurrage"},
      {"all reversible, clause undefined", TPortMode::AllReversible, false, true,
       "All ports reversibleERROR: DespMode undefined; Once on demurrage, always on demurrage"},
      {"averaged", TPortMode::AllAverage, false, true,
       "Averaged; Once on demurrage, always on demurrage"},
      {"undefined", TPortMode::Undef_PortMode, false, false,
       "ERROR: undefined calculation mode, contact Quillmark; Not always on demurrage"},
  };
  for (const TModeTextCase& c : cases) {
    TVoyageRec voyage;
    voyage.PortMode = c.Mode;
    voyage.DespatchDisabled = c.DespatchDisabled;
    voyage.AlwaysOnDemurrage = c.AlwaysOnDemurrage;
    voyage.DespatchModeLoading = TCalcDespatch::calcSavedtime;
    voyage.DespatchModeDischarging = TCalcDespatch::calcWorktime;
    voyage.DespatchModeAllPorts = TCalcDespatch::calcUndef;
    EXPECT_EQ(CalculationModeText(voyage), c.Expected) << c.Name;
  }
}

struct TPortTextCase {
  const char* Name;
  TPortMode Mode;
  bool Loading;
  bool Discharging;
  bool DespatchDisabled;
  const char* Expected;
};

TEST(ResultTextsTest, PortModeText) {
  const TPortTextCase cases[] = {
      {"non reversible, own clause", TPortMode::NonReversible, true, false, false,
       "Non reversible; Counting working time saved"},
      {"discharging port of loading reversible", TPortMode::LoadingReversible, false, true, false,
       "Non reversible; Counting all time saved"},
      {"loading port of loading reversible", TPortMode::LoadingReversible, true, false, false,
       "Reversible against other load ports; Counting all time saved"},
      {"discharging port of discharging reversible", TPortMode::DischargingReversible, false, true,
       false, "Reversible against other discharge ports; Counting working time saved"},
      {"port loading and discharging, both groups", TPortMode::LoadDischReversible, true, true,
       false, "Reversible against other load ports; Counting all time saved"},
      {"discharging port, both groups", TPortMode::LoadDischReversible, false, true, false,
       "Reversible against other discharge ports; Counting working time saved"},
      {"all reversible, despatch disabled", TPortMode::AllReversible, true, false, true,
       "Reversible"},
      {"averaged", TPortMode::AllAverage, false, true, false, "Averaged; Counting all time saved"},
      {"undefined", TPortMode::Undef_PortMode, false, true, false,
       "PORTMODE ERROR: undefined calculation mode, contact Quillmark; Counting working time "
       "saved"},
  };
  for (const TPortTextCase& c : cases) {
    TVoyageRec voyage;
    voyage.PortMode = c.Mode;
    voyage.DespatchDisabled = c.DespatchDisabled;
    voyage.DespatchModeLoading = TCalcDespatch::calcSavedtime;
    voyage.DespatchModeDischarging = TCalcDespatch::calcWorktime;
    voyage.DespatchModeAllPorts = TCalcDespatch::calcWorktime;
    TPortRec port;
    port.OpLoading = c.Loading;
    port.OpDischarging = c.Discharging;
    port.PortDespatchMode = c.Loading ? TCalcDespatch::calcWorktime : TCalcDespatch::calcSavedtime;
    EXPECT_EQ(PortModeText(voyage, port), c.Expected) << c.Name;
  }
}

TEST(ResultTextsTest, NetAmountsOfTheGroupsAreAddedInPartlyReversibleModes) {
  TVoyageRec voyage;
  voyage.PortMode = TPortMode::LoadDischReversible;
  voyage.DemurrageLoading = 1000.0;
  voyage.CommissionLoading = 25.0;
  voyage.DespatchDischarging = 300.0;
  voyage.DemurrageAllPorts = 99999.0; // not read in this mode
  const TNetAmounts net = GetNetAmounts(voyage);
  EXPECT_DOUBLE_EQ(net.DemurrageNet, 975.0);
  EXPECT_DOUBLE_EQ(net.Despatch, 300.0);
}

TEST(ResultTextsTest, NetAmountsReadEmptyAmountsAsZero) {
  TVoyageRec voyage;
  voyage.PortMode = TPortMode::AllAverage;
  voyage.DemurrageAllPorts = 500.0;
  voyage.CommissionAllPorts = EmptyReal;
  voyage.DespatchAllPorts = EmptyReal;
  const TNetAmounts net = GetNetAmounts(voyage);
  EXPECT_DOUBLE_EQ(net.DemurrageNet, 500.0);
  EXPECT_DOUBLE_EQ(net.Despatch, 0.0);

  voyage.PortMode = TPortMode::Undef_PortMode;
  EXPECT_DOUBLE_EQ(GetNetAmounts(voyage).DemurrageNet, 0.0);
}

} // namespace
} // namespace laytime

namespace laytime {
namespace {

TEST(FigureTextsTest, DurationsWithAndWithoutADaysCaption) {
  std::string days;
  std::string time;
  ShowDaysAndTime(3 * 1440 + 360, &days, time);
  EXPECT_EQ(days, "3");
  EXPECT_EQ(time, "06:00");
  ShowDaysAndTime(3 * 1440 + 360, nullptr, time);
  EXPECT_EQ(time, "78:00");
  ShowDaysAndTime(-90, &days, time);
  EXPECT_EQ(days + " " + time, "-0 01:30");
}

TEST(FigureTextsTest, FormsOfTheReport) {
  TProgramSettings settings;
  settings.NumDecimals = 1;
  settings.PctDecimals = 3;
  settings.DayDecimals = 2;
  const TFixedClock clock(45371);
  const TFormatContext context{GermanLocale(), 0, clock};
  const TFigureTexts texts(context, settings);
  EXPECT_EQ(texts.Money(1234567.891), "1.234.567,89");
  EXPECT_EQ(texts.Money(Currency(1234.5)), "1.234,50");
  EXPECT_EQ(texts.Quantity(10000.0), "10.000,0");
  EXPECT_EQ(texts.Quantity(EmptyReal), "");
  EXPECT_EQ(texts.CommissionPct(1250.0), "1.250,000");
  EXPECT_EQ(texts.SharePct(1250.0), "1250,000");
  EXPECT_EQ(texts.DecimalDays(1800), "1,25");
  EXPECT_EQ(texts.DecimalHours(1800), "30,00");
  EXPECT_EQ(texts.DaysAndClock(1800), "1 d 06:00");
  EXPECT_EQ(texts.RateByUnit(5000.0).Rate, "5.000,00");
  EXPECT_EQ(texts.RateByUnit(5000.0).Unit, "/day =");
  settings.DemurrageRateUnit = TDemurrateRateUnit::druPerHour;
  EXPECT_EQ(texts.RateByUnit(5000.0).Rate, "208,33");
  EXPECT_EQ(texts.RateByUnit(5000.0).Unit, "/hour =");
  EXPECT_EQ(texts.RateInUnit(EmptyReal), "");
}

} // namespace
} // namespace laytime
