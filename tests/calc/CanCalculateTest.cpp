#include "calc/CanCalculate.h"

#include "model/TCalculation.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

/// A calculation with one loading and one discharging port, valid in the non-reversible mode;
/// each case changes what it tests.
class CanCalculateTest : public ::testing::Test {
protected:
  CanCalculateTest() {
    calc.Ports.Clear();
    AddPort("Loadport", true, 1000);
    AddPort("Dischport", false, 1010);
    calc.Voyage.PortMode = TPortMode::NonReversible;
  }

  void AddPort(const std::string& name, bool loading, TDayNumber day) {
    TPortRec& port = calc.Ports.Add().PortData;
    port.PortName = name;
    port.OpLoading = loading;
    port.OpDischarging = !loading;
    port.PortLoadUnits = TLoadUnits::load_units_p_day;
    port.PortLoadRate = 10000;
    port.PortDespatchMode = TCalcDespatch::calcWorktime;
    port.PortDemurrageRate = 10000;
    port.PortDespatchRate = 5000;
    port.CargoQuantity = 20000;
    port.LayTimeCountFrom = {day, 600, "start"};
    port.LayTimeOpCompleted = {day + 3, 600, "end"};
  }

  void SetGroupRates(double demurrage, double despatch) {
    TVoyageRec& v = calc.Voyage;
    v.DemurrageRateAllPorts = v.DemurrageRateLoading = v.DemurrageRateDischarging = demurrage;
    v.DespatchRateAllPorts = v.DespatchRateLoading = v.DespatchRateDischarging = despatch;
  }

  TProgramSettings settings;
  TCalculation calc{settings};
};

TEST_F(CanCalculateTest, ValidNonReversibleCalculationPasses) {
  const TCalcFinding finding = CanCalculate(calc, TProRataCheck::Check);
  EXPECT_TRUE(finding.Valid()) << finding.Message;
  EXPECT_TRUE(calc.Voyage.AllDataValid);
}

struct TVoyageCase {
  const char* Name;
  TPortMode Mode;
  double Demurrage;
  double Despatch;
  bool DespatchDisabled;
  TVoyageError Expected;
};

class VoyageCheckTable : public CanCalculateTest,
                         public ::testing::WithParamInterface<TVoyageCase> {};

TEST_P(VoyageCheckTable, FirstFailingTestDecides) {
  const TVoyageCase& c = GetParam();
  calc.Voyage.PortMode = c.Mode;
  calc.TemplateSettings.DefaultDespatchDisabled = c.DespatchDisabled;
  SetGroupRates(c.Demurrage, c.Despatch);
  EXPECT_EQ(VoyageCheck(calc), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VoyageCheckTable,
    ::testing::Values(TVoyageCase{"Undefined", TPortMode::Undef_PortMode, 100, 100, false,
                                  TVoyageError::vePortModeUndefined},
                      TVoyageCase{"NonReversibleNoCheck", TPortMode::NonReversible, EmptyReal,
                                  EmptyReal, false, TVoyageError::veOK},
                      TVoyageCase{"AllDemurrageMissing", TPortMode::AllReversible, EmptyReal, 100,
                                  false, TVoyageError::veDemurrageRateAllPortsMissing},
                      TVoyageCase{"AllDespatchMissing", TPortMode::AllAverage, 100, EmptyReal,
                                  false, TVoyageError::veDespatchRateAllPortsMissing},
                      TVoyageCase{"AllDespatchTooSmall", TPortMode::AllReversible, 100, 5.0, false,
                                  TVoyageError::veDespatchRateAllPortsTooSmall},
                      TVoyageCase{"AllDespatchDisabled", TPortMode::AllReversible, 100, 5.0, true,
                                  TVoyageError::veDespatchDisabled},
                      TVoyageCase{"AllDemurrageTooSmall", TPortMode::AllReversible, 50, 100, false,
                                  TVoyageError::veDemurrageRateAllPortsTooSmall},
                      TVoyageCase{"ZeroAndHundredPass", TPortMode::AllReversible, 0, 100, false,
                                  TVoyageError::veOK},
                      TVoyageCase{"LoadingTooSmall", TPortMode::LoadingReversible, 50, 100, false,
                                  TVoyageError::veDemurrageRateLoadingTooSmall},
                      TVoyageCase{"DischargingMissing", TPortMode::DischargingReversible, EmptyReal,
                                  100, false, TVoyageError::veDemurrageRateDischargingMissing},
                      TVoyageCase{"BothGroupsLoadingWins", TPortMode::LoadDischReversible, 50, 100,
                                  false, TVoyageError::veDemurrageRateLoadingTooSmall}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CanCalculateTest, GroupLoadRateEmptyPassesButZeroFails) {
  calc.Voyage.PortMode = TPortMode::LoadingReversible;
  SetGroupRates(20000, 10000);
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veOK);
  calc.Voyage.LoadRateLoading = 0;
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veLoadRateLoading);
}

TEST_F(CanCalculateTest, AllPurposeNeedsTotalTimeUnit) {
  calc.Voyage.PortMode = TPortMode::AllReversible;
  SetGroupRates(20000, 10000);
  calc.Voyage.AllPurposeAllPorts = true;
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veAllPurposeUnitAllPorts);
  calc.Voyage.LoadUnitsAllPorts = TLoadUnits::load_days;
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veOK);
}

TEST_F(CanCalculateTest, FindingsInOrderWithTextAndPlace) {
  calc.Ports.GetItem(1).PortData.PortDespatchMode = TCalcDespatch::calcUndef;
  TCalcFinding finding = CanCalculate(calc, TProRataCheck::Check);
  EXPECT_EQ(finding.Place, TFindingPlace::Port);
  EXPECT_EQ(finding.Port, 1);
  EXPECT_EQ(finding.Message, "No \"saved time\" clause selected");
  EXPECT_FALSE(calc.Voyage.AllDataValid);

  calc.Ports.GetItem(1).PortData.PortDespatchMode = TCalcDespatch::calcWorktime;
  TSoFLine& line = calc.Ports.GetItem(0).SoFCollection.Add();
  line.SetUntilDate(1001);
  finding = CanCalculate(calc, TProRataCheck::Check);
  EXPECT_EQ(finding.Place, TFindingPlace::StatementOfFacts);
  EXPECT_EQ(finding.Port, 0);
  EXPECT_EQ(finding.Line, 0);
  EXPECT_EQ(finding.Message, "Invalid SoF entry: Until-Time is missing");

  calc.Ports.GetItem(0).SoFCollection.Clear();
  calc.ProRata.Add().ProRataRec.Charterer = "Alpha";
  calc.ProRata.Add().ProRataRec.Remark = "no name";
  finding = CanCalculate(calc, TProRataCheck::Skip);
  EXPECT_TRUE(finding.Valid());
  finding = CanCalculate(calc, TProRataCheck::Check);
  EXPECT_EQ(finding.Place, TFindingPlace::ProRata);
  EXPECT_EQ(finding.Line, 0);
  EXPECT_EQ(finding.Message, "Invalid ProRata entry: Cargo quantity missing");
}

TEST_F(CanCalculateTest, LongPortTimeIsAcceptedQuietly) {
  calc.Ports.GetItem(0).PortData.LayTimeOpCompleted.Date = 1000 + 60;
  EXPECT_TRUE(CanCalculate(calc, TProRataCheck::Check).Valid());
}

TEST_F(CanCalculateTest, ProRataOnTimeNeedsNonReversible) {
  settings.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
  calc.Voyage.PortMode = TPortMode::AllReversible;
  SetGroupRates(20000, 10000);
  const TCalcFinding finding = CanCalculate(calc, TProRataCheck::Check);
  EXPECT_EQ(finding.Place, TFindingPlace::Voyage);
  EXPECT_EQ(finding.Message,
            "Port calculation mode should be set to Non reversible when using Pro rata on time");
}

} // namespace
} // namespace laytime
