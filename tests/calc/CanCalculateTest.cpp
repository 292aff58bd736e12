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

struct TVoyageText {
  TVoyageError Code;
  const char* Text;
};

// Every finding with the exact text the user sees.
const TVoyageText VoyageTexts[] = {
    {TVoyageError::veOK, "OK"},
    {TVoyageError::vePortModeUndefined, "Port calculation mode undefined."},
    {TVoyageError::veDemurrageRateAllPortsMissing,
     "Demurrage rate (for all ports) missing or invalid"},
    {TVoyageError::veDespatchRateAllPortsMissing,
     "Despatch rate (for all ports) missing or invalid"},
    {TVoyageError::veDemurrageRateAllPortsTooSmall,
     "Demurrage rate (for all ports) too small, please enter a valid rate per day"},
    {TVoyageError::veDespatchRateAllPortsTooSmall,
     "Despatch rate (for all ports) too small, please enter a valid rate per day"},
    {TVoyageError::veDemurrageRateLoadingMissing,
     "Demurrage rate for loading ports missing or invalid"},
    {TVoyageError::veDespatchRateLoadingMissing,
     "Despatch rate for loading ports missing or invalid"},
    {TVoyageError::veDemurrageRateLoadingTooSmall,
     "Demurrage rate for loading ports too small, please enter a valid rate per day"},
    {TVoyageError::veDespatchRateLoadingTooSmall,
     "Despatch rate for loading ports too small, please enter a valid rate per day"},
    {TVoyageError::veDemurrageRateDischargingMissing,
     "Demurrage rate for discharging ports missing or invalid"},
    {TVoyageError::veDespatchRateDischargingMissing,
     "Despatch rate for discharging ports missing or invalid"},
    {TVoyageError::veDemurrageRateDischargingTooSmall,
     "Demurrage rate for discharging ports too small, please enter a valid rate per day"},
    {TVoyageError::veDespatchRateDischargingTooSmall,
     "Despatch rate for discharging ports too small, please enter a valid rate per day"},
    {TVoyageError::veAllPurposeUnitAllPorts, "All purpose time used: Load/Disch. unit invalid, "
                                             "please enter total days or hours for Time allowance"},
    {TVoyageError::veAllPurposeUnitLoading,
     "All purpose time used: Load unit invalid for load port(s), please enter total days or hours "
     "for Time allowance"},
    {TVoyageError::veAllPurposeUnitDischarging,
     "All purpose time used: Discharge unit invalid for discharge port(s), please enter total days "
     "or for hours Time allowance"},
    {TVoyageError::veLoadRateAllPorts, "Load/Discharge rate invalid"},
    {TVoyageError::veLoadRateLoading, "Load rate invalid for load port(s)"},
    {TVoyageError::veLoadRateDischarging, "Discharge rate invalid for discharge port(s)"},
    {TVoyageError::veDespatchDisabled, "A despatch rate is specified but will be ignored because "
                                       "despatch calculation is disabled. Check configuration."},
    {TVoyageError::veProRataOnTimeNeedsNonReversible,
     "Port calculation mode should be set to Non reversible when using Pro rata on time"},
    {TVoyageError::veUnused22, ""},
    {TVoyageError::veHintProRataCalcMethod,
     "This ZQL file was made in combination with a different Pro Rata Calculation method"},
    {TVoyageError::veHintProRataRoundingMethod,
     "This ZQL file was made in combination with a different Pro Rata Rounding method"},
    {TVoyageError::veHintDemurrageRateUnit,
     "This ZQL file was made in combination with a different Demurrage Rate unit"},
};

TEST(VoyageErrorMessageTest, EveryFindingHasItsExactText) {
  for (const TVoyageText& expected : VoyageTexts)
    EXPECT_EQ(VoyageErrorMessage(expected.Code), expected.Text) << static_cast<int>(expected.Code);
  EXPECT_EQ(VoyageErrorMessage(static_cast<TVoyageError>(26)), "");
}

TEST_F(CanCalculateTest, AllReversibleRefusesANegativeLoadRateButNotTheEmptyOne) {
  calc.Voyage.PortMode = TPortMode::AllReversible;
  SetGroupRates(20000, 10000);
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veOK);
  calc.Voyage.LoadRateAllPorts = -5;
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veLoadRateAllPorts);
  // Averaged ports do not check the load rate at all.
  calc.Voyage.PortMode = TPortMode::AllAverage;
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veOK);
  // The unit of an all-purpose allowance is tested before the load rate.
  calc.Voyage.PortMode = TPortMode::AllReversible;
  calc.Voyage.AllPurposeAllPorts = true;
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veAllPurposeUnitAllPorts);
}

TEST_F(CanCalculateTest,
       LoadingAndDischargingReversibleKeepsTheDischargingFindingWhenLoadingPasses) {
  calc.Voyage.PortMode = TPortMode::LoadDischReversible;
  SetGroupRates(20000, 10000);
  calc.Voyage.DespatchRateDischarging = EmptyReal;
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veDespatchRateDischargingMissing);
  calc.Voyage.LoadRateLoading = 0;
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veLoadRateLoading);
  // A group without a port of its own is not checked.
  calc.Ports.GetItem(0).PortData.OpLoading = false;
  calc.Ports.GetItem(0).PortData.OpDischarging = true;
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veDespatchRateDischargingMissing);
  calc.Voyage.PortMode = TPortMode::LoadingReversible;
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veOK);
}

TEST_F(CanCalculateTest, GroupDespatchRateWithDespatchDisabledComesBeforeTooSmallDemurrage) {
  calc.Voyage.PortMode = TPortMode::DischargingReversible;
  calc.TemplateSettings.DefaultDespatchDisabled = true;
  SetGroupRates(50, 5000);
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veDespatchDisabled);
  // Without despatch a missing or small despatch rate is no finding.
  SetGroupRates(20000, EmptyReal);
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veOK);
  SetGroupRates(20000, 0);
  EXPECT_EQ(VoyageCheck(calc), TVoyageError::veOK);
}

TEST_F(CanCalculateTest, TheDespatchWarningIsAFindingOfTheQuietValidation) {
  calc.Voyage.PortMode = TPortMode::AllReversible;
  calc.TemplateSettings.DefaultDespatchDisabled = true;
  SetGroupRates(20000, 5.0);
  const TCalcFinding finding = CanCalculate(calc, TProRataCheck::Skip);
  EXPECT_EQ(finding.Place, TFindingPlace::Voyage);
  EXPECT_EQ(finding.Message, "A despatch rate is specified but will be ignored because despatch "
                             "calculation is disabled. Check configuration.");
  EXPECT_EQ(finding.Port, -1);
  EXPECT_EQ(finding.Line, -1);
  EXPECT_FALSE(calc.Voyage.AllDataValid);
}

} // namespace
} // namespace laytime
