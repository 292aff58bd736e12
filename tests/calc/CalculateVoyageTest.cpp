// The voyage calculation: the six modes, pooled allowances, amounts and the failure paths.
// Rates of 14400 per day are 10 per minute and 7200 per day 5 per minute.
#include "calc/CalculateVoyage.h"

#include "ScenarioBuilder.h"
#include "core/Errors.h"
#include "model/TTieredTimes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace laytime {
namespace {

using scenario::DateOf;
using scenario::TimeOf;
using scenario::TScenario;
using Lines = std::vector<std::string>;

// Three ports with their own allowance and time used (working time saved):
//   P1 loads,     allowance 2880, uses 2160 (balance +720)
//   P2 loads,     allowance 1440, uses 2520 (balance -1080)
//   P3 discharges, allowance 4320, uses 3600 (balance +720)
constexpr const char* ThreePorts = R"(
  port "P1" load 10000 at 5000/day dem 14400 des 7200 comm 5 from 2024-03-04 00:00 to 2024-03-05 12:00
  port "P2" load 5000 at 5000/day dem 14400 des 7200 comm 5 from 2024-03-11 00:00 to 2024-03-12 18:00
  port "P3" disch 15000 at 5000/day dem 14400 des 7200 comm 5 from 2024-03-18 00:00 to 2024-03-20 12:00
)";

void SetGroupRates(TVoyageRec& v) {
  v.DemurrageRateAllPorts = v.DemurrageRateLoading = v.DemurrageRateDischarging = 28800.0;
  v.DespatchRateAllPorts = v.DespatchRateLoading = v.DespatchRateDischarging = 14400.0;
  v.CommissionPctAllPorts = v.CommissionPctLoading = v.CommissionPctDischarging = 10.0;
  v.DespatchModeAllPorts = v.DespatchModeLoading = v.DespatchModeDischarging =
      TCalcDespatch::calcWorktime;
}

struct TSetFigures {
  TDuration TimeAllowed = 0;
  TDuration TimeUsed = 0;
  TDuration M1 = 0;
  double Demurrage = 0.0;
  double Despatch = 0.0;
  double Commission = 0.0;
};

struct TPortFigures {
  TDuration TimeAllowed = 0;
  TDuration M1 = 0;
  double Demurrage = 0.0;
  double Despatch = 0.0;
  double Commission = 0.0;
};

struct TModeCase {
  const char* Name;
  TPortMode Mode;
  TSetFigures AllPorts;
  TSetFigures Loading;
  TSetFigures Discharging;
  TPortFigures Ports[3];
};

void PrintTo(const TModeCase& c, std::ostream* os) {
  *os << c.Name;
}

class VoyageModes : public testing::TestWithParam<TModeCase> {};

void ExpectSet(const char* name, TDuration allowed, TDuration used, TDuration m1, double dem,
               double des, double comm, const TSetFigures& expected) {
  SCOPED_TRACE(name);
  EXPECT_EQ(allowed, expected.TimeAllowed);
  EXPECT_EQ(used, expected.TimeUsed);
  EXPECT_EQ(m1, expected.M1);
  EXPECT_DOUBLE_EQ(dem, expected.Demurrage);
  EXPECT_DOUBLE_EQ(des, expected.Despatch);
  EXPECT_DOUBLE_EQ(comm, expected.Commission);
}

TEST_P(VoyageModes, FillTheirSetsAndPriceThePortsCountedAlone) {
  const TModeCase& c = GetParam();
  TScenario s(ThreePorts);
  SetGroupRates(s.Calc.Voyage);
  s.Calc.Voyage.PortMode = c.Mode;
  const TVoyageCalcResult result = s.Calculate();
  ASSERT_TRUE(result.ResultProduced);
  EXPECT_TRUE(s.Calc.Voyage.ResultValid);

  const TVoyageRec& v = s.Calc.Voyage;
  ExpectSet("AllPorts", v.TimeAllowedAllPorts, v.TimeUsedAllPorts, v.M1AllPorts,
            v.DemurrageAllPorts, v.DespatchAllPorts, v.CommissionAllPorts, c.AllPorts);
  ExpectSet("Loading", v.TimeAllowedLoading, v.TimeUsedLoading, v.M1Loading, v.DemurrageLoading,
            v.DespatchLoading, v.CommissionLoading, c.Loading);
  ExpectSet("Discharging", v.TimeAllowedDischarging, v.TimeUsedDischarging, v.M1Discharging,
            v.DemurrageDischarging, v.DespatchDischarging, v.CommissionDischarging, c.Discharging);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE("port " + std::to_string(i + 1));
    const TPortRec& port = s.Rec(i);
    EXPECT_EQ(port.TimeAllowed, c.Ports[i].TimeAllowed);
    EXPECT_EQ(port.M1, c.Ports[i].M1);
    EXPECT_DOUBLE_EQ(port.Demurrage, c.Ports[i].Demurrage);
    EXPECT_DOUBLE_EQ(port.Despatch, c.Ports[i].Despatch);
    EXPECT_DOUBLE_EQ(port.Commission, c.Ports[i].Commission);
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllModes, VoyageModes,
    testing::Values(
        TModeCase{"NonReversible",
                  TPortMode::NonReversible,
                  {8640, 8280, 0, 10800, 7200, 540},
                  {},
                  {},
                  {{2880, 720, 0, 3600, 0}, {1440, -1080, 10800, 0, 540}, {4320, 720, 0, 3600, 0}}},
        // The loading pool of 4320 leaves P2 2160 minutes; P2 goes on demurrage after them.
        TModeCase{"LoadingReversible",
                  TPortMode::LoadingReversible,
                  {},
                  {4320, 4680, -360, 7200, 0, 720},
                  {4320, 3600, 0, 0, 3600, 0},
                  {{4320, 2160, 0, 0, 0}, {2160, -360, 0, 0, 0}, {4320, 720, 0, 3600, 0}}},
        TModeCase{"DischargingReversible",
                  TPortMode::DischargingReversible,
                  {},
                  {4320, 4680, 0, 10800, 3600, 540},
                  {4320, 3600, 720, 0, 7200, 0},
                  {{2880, 720, 0, 3600, 0}, {1440, -1080, 10800, 0, 540}, {4320, 720, 0, 0, 0}}},
        TModeCase{"LoadDischReversible",
                  TPortMode::LoadDischReversible,
                  {},
                  {4320, 4680, -360, 7200, 0, 720},
                  {4320, 3600, 720, 0, 7200, 0},
                  {{4320, 2160, 0, 0, 0}, {2160, -360, 0, 0, 0}, {4320, 720, 0, 0, 0}}},
        TModeCase{"AllReversible",
                  TPortMode::AllReversible,
                  {8640, 8280, 360, 0, 3600, 0},
                  {},
                  {},
                  {{8640, 6480, 0, 0, 0}, {6480, 3960, 0, 0, 0}, {3960, 360, 0, 0, 0}}},
        // Saved 720 + 720, lost 1080: despatch for 360 minutes at the all-ports rate.
        TModeCase{"AllAverage",
                  TPortMode::AllAverage,
                  {8640, 8280, 360, 0, 3600, 0},
                  {},
                  {},
                  {{2880, 720, 0, 0, 0}, {1440, -1080, 0, 0, 0}, {4320, 720, 0, 0, 0}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(CalculateVoyage, AveragedModeChargesTheBalanceOfTimeLostOverTimeSaved) {
  TScenario s(R"(
    port "A" load 5000 at 5000/day dem 14400 des 7200 from 2024-03-04 00:00 to 2024-03-04 22:00
    port "B" disch 5000 at 5000/day dem 14400 des 7200 from 2024-03-11 00:00 to 2024-03-12 03:20
  )");
  s.Calc.Voyage.PortMode = TPortMode::AllAverage;
  s.Calc.Voyage.DemurrageRateAllPorts = 14400.0;
  s.Calc.Voyage.DespatchRateAllPorts = 7200.0;
  s.Calc.Voyage.CommissionPctAllPorts = 2.5;
  s.Calculate();

  const TVoyageRec& v = s.Calc.Voyage;
  EXPECT_EQ(s.Rec(0).M1, 120);
  EXPECT_EQ(s.Rec(1).M1, -200);
  EXPECT_EQ(v.AvgsTimeSaved, 120);
  EXPECT_EQ(v.AvgsTimeLost, 200);
  EXPECT_EQ(v.M1AllPorts, -80);
  EXPECT_DOUBLE_EQ(v.DemurrageAllPorts, 800.0);
  EXPECT_DOUBLE_EQ(v.CommissionAllPorts, 20.0);
  EXPECT_DOUBLE_EQ(v.DespatchAllPorts, 0.0);
  for (int i = 0; i < 2; ++i) {
    EXPECT_DOUBLE_EQ(s.Rec(i).Demurrage, 0.0);
    EXPECT_DOUBLE_EQ(s.Rec(i).Despatch, 0.0);
  }
}

TEST(CalculateVoyage, EmptyOrDisabledDespatchRatesPayNoDespatch) {
  const struct {
    const char* Name;
    TPortMode Mode;
    bool DespatchDisabled;
    double GroupDespatchRate;
  } cases[] = {
      {"averaged, disabled, empty rate", TPortMode::AllAverage, true, EmptyReal},
      {"averaged, disabled, rate left", TPortMode::AllAverage, true, 7200.0},
      {"group, empty rate", TPortMode::AllReversible, false, EmptyReal},
      {"group, disabled, rate left", TPortMode::AllReversible, true, 7200.0},
      {"ports alone, disabled, rate left", TPortMode::NonReversible, true, 7200.0},
  };
  for (const auto& c : cases) {
    // One port saving 720 minutes.
    TScenario s(R"(
      port "A" load 10000 at 5000/day dem 14400 des 7200 from 2024-03-04 00:00 to 2024-03-05 12:00
    )");
    TVoyageRec& v = s.Calc.Voyage;
    v.PortMode = c.Mode;
    v.DespatchDisabled = c.DespatchDisabled;
    v.DespatchRateAllPorts = c.GroupDespatchRate;
    v.DemurrageRateAllPorts = 14400.0;
    v.DespatchModeAllPorts = TCalcDespatch::calcWorktime;
    s.Calculate();
    EXPECT_EQ(s.Rec(0).M1, 720) << c.Name;
    EXPECT_DOUBLE_EQ(v.DespatchAllPorts, 0.0) << c.Name;
    EXPECT_DOUBLE_EQ(s.Rec(0).Despatch, 0.0) << c.Name;
  }
}

TEST(CalculateVoyage, DespatchPerCargoUnitIsPricedOnTheQuantity) {
  // 0.72 per tonne and day on 10000 tonnes is 7200 per day.
  TScenario s(R"(
    port "A" load 10000 at 5000/day dem 1.44 des 0.72 from 2024-03-04 00:00 to 2024-03-05 12:00
  )");
  s.Calculate();
  EXPECT_DOUBLE_EQ(s.Rec(0).Despatch, 3600.0);
}

TEST(CalculateVoyage, AllTimeSavedInAGroupIsSavedOnlyByItsLastPort) {
  TScenario s(R"(
    port "A" load 10000 at 5000/day from 2024-03-04 00:00 to 2024-03-04 12:00
    port "B" load 10000 at 5000/day from 2024-03-11 00:00 to 2024-03-11 12:00
  )");
  TVoyageRec& v = s.Calc.Voyage;
  SetGroupRates(v);
  v.PortMode = TPortMode::AllReversible;
  v.DespatchModeAllPorts = TCalcDespatch::calcSavedtime;
  s.Calculate();

  // The pool of 5760 minutes: A uses 720 and stops at completion; B uses 720 and then saves
  // the 4320 minutes left.
  EXPECT_EQ(s.Rec(0).TimeSaved, 0);
  EXPECT_EQ(s.Rec(1).TimeAllowed, 5040);
  EXPECT_EQ(s.Rec(1).TimeSaved, 4320);
  EXPECT_EQ(v.TimeSavedAllPorts, 4320);
  EXPECT_EQ(v.M1AllPorts, 4320);
  EXPECT_DOUBLE_EQ(v.DespatchAllPorts, 43200.0);
}

TEST(CalculateVoyage, AGroupPortAfterThePoolIsUsedUpStartsOnDemurrage) {
  const struct {
    const char* Name;
    const char* FirstPortCompletion;
    TDuration FirstPortM1;
    TDayNumber SecondDemurrageDate;
    Lines SecondLines;
  } cases[] = {
      // A ends on demurrage: B carries the state on and records no demurrage start of its own.
      {"previous port on demurrage",
       "2024-03-06 12:00",
       -720,
       EmptyDay,
       {"03-11 12:00 - 100 720 \"Discharging completed\""}},
      // A uses the pool exactly: B starts with nothing left and goes on demurrage at its start.
      {"pool used up exactly",
       "2024-03-06 00:00",
       0,
       DateOf("2024-03-11"),
       {"03-11 00:00 >> Vessel on demurrage", "03-11 12:00 - 100 720 \"Discharging completed\""}},
  };
  for (const auto& c : cases) {
    TScenario s(std::string(R"(
      port "A" load 5000 at 5000/day from 2024-03-04 00:00 to )") +
                c.FirstPortCompletion + R"(
      port "B" disch 5000 at 5000/day from 2024-03-11 00:00 to 2024-03-11 12:00
    )");
    s.Calc.TemplateSettings.VesOnDemurrageText = "Vessel on demurrage";
    TVoyageRec& v = s.Calc.Voyage;
    SetGroupRates(v);
    v.PortMode = TPortMode::AllReversible;
    s.Calculate();

    SCOPED_TRACE(c.Name);
    EXPECT_EQ(s.Rec(0).M1, c.FirstPortM1);
    EXPECT_EQ(s.Rec(1).TimeAllowed, 0);
    EXPECT_EQ(s.Rec(1).TimeUsed, 720);
    EXPECT_EQ(s.Rec(1).M1, -720);
    EXPECT_EQ(s.Rec(1).DemurrageDate, c.SecondDemurrageDate);
    EXPECT_EQ(s.ResultLines(1), c.SecondLines);
    EXPECT_EQ(v.TimeAllowedAllPorts, 2880);
    EXPECT_EQ(v.M1AllPorts, c.FirstPortM1 - 720);
    EXPECT_DOUBLE_EQ(v.DemurrageAllPorts, 28800.0 * (720 - c.FirstPortM1) / 1440);
  }
}

TEST(CalculateVoyage, AllPurposeGroupSharesOneAllowanceGivenInDays) {
  TScenario s(ThreePorts);
  TVoyageRec& v = s.Calc.Voyage;
  SetGroupRates(v);
  v.PortMode = TPortMode::LoadingReversible;
  v.AllPurposeLoading = true;
  v.LoadUnitsLoading = TLoadUnits::load_days;
  v.LoadRateLoading = 5.0;
  s.Calculate();

  // 7200 minutes for P1 and P2 together, which use 4680.
  EXPECT_EQ(v.TimeAllowedLoading, 7200);
  EXPECT_EQ(v.M1Loading, 2520);
  EXPECT_DOUBLE_EQ(v.DespatchLoading, 25200.0);
  EXPECT_EQ(s.Rec(1).TimeAllowed, 5040);
}

TEST(CalculateVoyage, AGroupWithoutPortsHasNoBalance) {
  TScenario s(R"(
    port "D" disch 10000 at 5000/day dem 14400 des 7200 from 2024-03-04 00:00 to 2024-03-05 12:00
  )");
  TVoyageRec& v = s.Calc.Voyage;
  SetGroupRates(v);
  v.PortMode = TPortMode::LoadingReversible;
  v.AllPurposeLoading = true;
  v.LoadUnitsLoading = TLoadUnits::load_days;
  v.LoadRateLoading = 5.0;
  s.Calculate();

  // No loading port: the all-purpose allowance is not paid out as despatch.
  EXPECT_EQ(v.TimeAllowedLoading, 0);
  EXPECT_EQ(v.M1Loading, 0);
  EXPECT_DOUBLE_EQ(v.DespatchLoading, 0.0);
  EXPECT_DOUBLE_EQ(v.DespatchDischarging, 3600.0);
}

TEST(CalculateVoyage, TieredDemurrageIsPricedForPortsCountedAloneOnly) {
  // 5 days 12 hours on demurrage: 3 days at 10000 and 2.5 days at 15000.
  const char* text = R"(
    port "T" load 10000 at 1 days dem 14400 comm 5 tiered from 2024-03-04 00:00 to 2024-03-10 12:00
    tier 0 00:00 10000
    tier 3 00:00 15000
  )";
  {
    TScenario s(text);
    s.Calculate();
    const TPortRec& port = s.Rec(0);
    EXPECT_EQ(port.M1, -7920);
    EXPECT_DOUBLE_EQ(port.Demurrage, 67500.0);
    EXPECT_DOUBLE_EQ(port.Commission, 3375.0);
    EXPECT_EQ(port.TieredTimes->GetMinutesAllocatedToTier(0), 4320);
    EXPECT_EQ(port.TieredTimes->GetMinutesAllocatedToTier(1), 3600);
    EXPECT_DOUBLE_EQ(s.Calc.Voyage.DemurrageAllPorts, 67500.0);
  }
  {
    TScenario s(text);
    s.Calculate();
    s.Calc.Voyage.PortMode = TPortMode::DischargingReversible;
    s.Calculate();
    // Counted alone into the loading set, but outside the non-reversible mode: the daily rate.
    const TPortRec& port = s.Rec(0);
    EXPECT_DOUBLE_EQ(port.Demurrage, 79200.0);
    EXPECT_EQ(port.TieredTimes->GetMinutesAllocatedToTier(0), 0);
    EXPECT_EQ(port.TieredTimes->GetMinutesAllocatedToTier(1), 0);
  }
}

TEST(CalculateVoyage, UndefinedModeProducesNoResult) {
  TScenario s(ThreePorts);
  s.Calc.Voyage.PortMode = TPortMode::Undef_PortMode;
  s.Calc.Voyage.ResultValid = true;
  const TVoyageCalcResult result = s.Calculate();
  EXPECT_FALSE(result.ResultProduced);
  EXPECT_FALSE(s.Calc.Voyage.ResultValid);
  EXPECT_EQ(s.Rec(0).TimeUsed, 0);
}

TEST(CalculateVoyage, UndefinedLoadUnitRaisesTheRangeErrorAndLeavesNoValidResult) {
  TScenario s(ThreePorts);
  s.Rec(1).PortLoadUnits = static_cast<TLoadUnits>(7);
  try {
    s.Calculate();
    FAIL() << "no error raised";
  } catch (const ERangeError& error) {
    EXPECT_STREQ(error.what(),
                 "<Result> LoadUnit undefined: 7 is not within the valid range of 0..4");
  }
  EXPECT_FALSE(s.Calc.Voyage.ResultValid);
  EXPECT_EQ(s.Rec(0).TimeUsed, 2160);
}

TEST(CalculateVoyage, NoticesAreRecordedAfreshByEachCalculation) {
  TScenario s(R"(
    port "A" load 5000 at 5000/day dem 14400 from 2024-03-04 00:00 to 2024-03-05 12:00
    sof 2024-03-05 00:00 full
    sof 2024-03-05 06:00 shifting
  )");
  EXPECT_TRUE(s.Calculate().Notices.Shifting.IsSet());
  s.Calc.Voyage.AlwaysOnDemurrage = false;
  EXPECT_FALSE(s.Calculate().Notices.Shifting.IsSet());
}

} // namespace
} // namespace laytime
