#include "core/VoyageRules.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

// A voyage in which every field holds something other than its cleared value.
TVoyageRec FilledVoyage() {
  TVoyageRec v;
  v.AllPurposeAllPorts = v.AllPurposeLoading = v.AllPurposeDischarging = true;
  v.LoadUnitsAllPorts = v.LoadUnitsLoading = v.LoadUnitsDischarging = TLoadUnits::load_days;
  v.LoadRateAllPorts = v.LoadRateLoading = v.LoadRateDischarging = 3.0;
  v.AddAllowanceDaysAllPorts = v.AddAllowanceDaysLoading = v.AddAllowanceDaysDischarging = 1;
  v.AddAllowanceTimeAllPorts = v.AddAllowanceTimeLoading = v.AddAllowanceTimeDischarging = 60;
  v.NoOfHatches = 5;
  v.VesselName = v.CPForm = v.VoyInfo1 = v.VoyInfo2 = v.VoyInfo3 = "x";
  v.CPDate = v.LastUpdate = v.BL_date = 45000;
  v.PortMode = TPortMode::AllAverage;
  v.total_time_allowed = v.total_time_used = v.total_time_saved = 100;
  v.Modified = v.Locked = true;
  v.Currency = v.FixtureNo = v.UniqueFileName = v.ContractNo = v.InvoiceAddress = "x";
  v.Remarks = v.StatusInfo = v.Reference = v.YourSign = v.OurSign = v.unused_TemplateName = "x";
  v.AlwaysOnDemurrage = false;
  v.DespatchModeAllPorts = v.DespatchModeLoading = v.DespatchModeDischarging =
      TCalcDespatch::calcWorktime;
  v.VoyageId = 17;
  v.DemurrageRateAllPorts = v.DespatchRateAllPorts = v.CommissionPctAllPorts = 1.0;
  v.DemurrageRateLoading = v.DespatchRateLoading = v.CommissionPctLoading = 1.0;
  v.DemurrageRateDischarging = v.DespatchRateDischarging = v.CommissionPctDischarging = 1.0;
  v.ShexDisabled = v.DespatchDisabled = true;
  v.HintProRataCalcMethod = v.HintProRataRoundingMethod = v.HintDemurrageRateUnit = 1;
  v.AllDataValid = v.ResultValid = true;
  v.AvgsTimeSaved = v.AvgsTimeLost = 7;
  v.LaytimeAllPorts = v.TimeUsedAllPorts = v.TimeWaitedAllPorts = v.TimeAllowedAllPorts = 7;
  v.TimeRemainingAllPorts = v.TimeSavedAllPorts = v.M1AllPorts = 7;
  v.DemurrageAllPorts = v.DespatchAllPorts = v.CommissionAllPorts = 7.5;
  v.DemurrageDateAllPorts = 45001;
  v.DemurrageTimeAllPorts = 600;
  v.LaytimeLoading = v.TimeUsedLoading = v.TimeWaitedLoading = v.TimeAllowedLoading = 7;
  v.TimeRemainingLoading = v.TimeSavedLoading = v.M1Loading = 7;
  v.DemurrageLoading = v.DespatchLoading = v.CommissionLoading = 7.5;
  v.DemurrageDateLoading = 45001;
  v.DemurrageTimeLoading = 600;
  v.LaytimeDischarging = v.TimeUsedDischarging = v.TimeWaitedDischarging = 7;
  v.TimeAllowedDischarging = v.TimeRemainingDischarging = v.TimeSavedDischarging = 7;
  v.M1Discharging = 7;
  v.DemurrageDischarging = v.DespatchDischarging = v.CommissionDischarging = 7.5;
  v.DemurrageDateDischarging = 45001;
  v.DemurrageTimeDischarging = 600;
  return v;
}

void ExpectResultsCleared(const TVoyageRec& v) {
  EXPECT_FALSE(v.AllDataValid);
  EXPECT_FALSE(v.ResultValid);
  EXPECT_EQ(v.AvgsTimeSaved, 0);
  EXPECT_EQ(v.AvgsTimeLost, 0);
  for (TDuration d : {v.LaytimeAllPorts,
                      v.TimeUsedAllPorts,
                      v.TimeWaitedAllPorts,
                      v.TimeAllowedAllPorts,
                      v.TimeRemainingAllPorts,
                      v.TimeSavedAllPorts,
                      v.M1AllPorts,
                      v.LaytimeLoading,
                      v.TimeUsedLoading,
                      v.TimeWaitedLoading,
                      v.TimeAllowedLoading,
                      v.TimeRemainingLoading,
                      v.TimeSavedLoading,
                      v.M1Loading,
                      v.LaytimeDischarging,
                      v.TimeUsedDischarging,
                      v.TimeWaitedDischarging,
                      v.TimeAllowedDischarging,
                      v.TimeRemainingDischarging,
                      v.TimeSavedDischarging,
                      v.M1Discharging}) {
    EXPECT_EQ(d, 0);
  }
  for (double amount : {v.DemurrageAllPorts, v.DespatchAllPorts, v.CommissionAllPorts,
                        v.DemurrageLoading, v.DespatchLoading, v.CommissionLoading,
                        v.DemurrageDischarging, v.DespatchDischarging, v.CommissionDischarging}) {
    EXPECT_EQ(amount, 0.0);
  }
  for (TDayNumber day :
       {v.DemurrageDateAllPorts, v.DemurrageDateLoading, v.DemurrageDateDischarging}) {
    EXPECT_EQ(day, EmptyDay);
  }
  for (TMinuteOfDay time :
       {v.DemurrageTimeAllPorts, v.DemurrageTimeLoading, v.DemurrageTimeDischarging}) {
    EXPECT_EQ(time, EmptyTime);
  }
}

TEST(VoyageRulesTest, ClearVoyageResultsLeavesTheInputs) {
  TVoyageRec voyage = FilledVoyage();
  ClearVoyageResults(voyage);
  ExpectResultsCleared(voyage);
  EXPECT_EQ(voyage.VesselName, "x");
  EXPECT_EQ(voyage.LoadRateLoading, 3.0);
  EXPECT_EQ(voyage.PortMode, TPortMode::AllAverage);
  EXPECT_EQ(voyage.total_time_used, 100);
  EXPECT_TRUE(voyage.Modified);
}

TEST(VoyageRulesTest, ClearVoyageEmptiesEveryInput) {
  TVoyageRec v = FilledVoyage();
  ClearVoyage(v, TTemplateSettings{});
  ExpectResultsCleared(v);
  for (bool flag : {v.AllPurposeAllPorts, v.AllPurposeLoading, v.AllPurposeDischarging, v.Modified,
                    v.Locked, v.DespatchDisabled, v.ShexDisabled}) {
    EXPECT_FALSE(flag);
  }
  for (TLoadUnits units : {v.LoadUnitsAllPorts, v.LoadUnitsLoading, v.LoadUnitsDischarging})
    EXPECT_EQ(units, TLoadUnits::load_units_p_day);
  for (double real :
       {v.LoadRateAllPorts, v.LoadRateLoading, v.LoadRateDischarging, v.DemurrageRateAllPorts,
        v.DespatchRateAllPorts, v.CommissionPctAllPorts, v.DemurrageRateLoading,
        v.DespatchRateLoading, v.CommissionPctLoading, v.DemurrageRateDischarging,
        v.DespatchRateDischarging, v.CommissionPctDischarging}) {
    EXPECT_EQ(real, EmptyReal);
  }
  for (TDayNumber days :
       {v.AddAllowanceDaysAllPorts, v.AddAllowanceDaysLoading, v.AddAllowanceDaysDischarging})
    EXPECT_EQ(days, EmptyDay);
  for (std::int16_t time : {v.AddAllowanceTimeAllPorts, v.AddAllowanceTimeLoading,
                            v.AddAllowanceTimeDischarging, v.NoOfHatches})
    EXPECT_EQ(time, EmptyTime);
  for (const std::string* text :
       {&v.VesselName, &v.CPForm, &v.VoyInfo1, &v.VoyInfo2, &v.VoyInfo3, &v.Currency, &v.FixtureNo,
        &v.UniqueFileName, &v.ContractNo, &v.InvoiceAddress, &v.Remarks, &v.StatusInfo,
        &v.Reference, &v.YourSign, &v.OurSign, &v.unused_TemplateName})
    EXPECT_TRUE(text->empty());
  for (std::int32_t value : {v.CPDate, v.LastUpdate, v.BL_date, v.VoyageId, v.total_time_allowed,
                             v.total_time_used, v.total_time_saved})
    EXPECT_EQ(value, -2147483647);
  EXPECT_EQ(v.PortMode, TPortMode::NonReversible);
  EXPECT_TRUE(v.AlwaysOnDemurrage);
  for (TCalcDespatch mode :
       {v.DespatchModeAllPorts, v.DespatchModeLoading, v.DespatchModeDischarging})
    EXPECT_EQ(mode, TCalcDespatch::calcUndef);
  for (std::uint8_t hint :
       {v.HintProRataCalcMethod, v.HintProRataRoundingMethod, v.HintDemurrageRateUnit})
    EXPECT_EQ(hint, 0);
}

TEST(VoyageRulesTest, ClearVoyageTakesTheTemplateDefaults) {
  TTemplateSettings settings;
  settings.DefaultPortMode = TPortMode::LoadDischReversible;
  settings.DefaultAlwaysOnDemurrage = false;
  settings.DefaultDespatchMode = TCalcDespatch::calcSavedtime;
  settings.DefaultDespatchDisabled = true;
  settings.DefaultShexDisabled = true;
  TVoyageRec v = FilledVoyage();
  ClearVoyage(v, settings);
  EXPECT_EQ(v.PortMode, TPortMode::LoadDischReversible);
  EXPECT_FALSE(v.AlwaysOnDemurrage);
  EXPECT_EQ(v.DespatchModeAllPorts, TCalcDespatch::calcSavedtime);
  EXPECT_EQ(v.DespatchModeLoading, TCalcDespatch::calcSavedtime);
  EXPECT_EQ(v.DespatchModeDischarging, TCalcDespatch::calcSavedtime);
  EXPECT_TRUE(v.DespatchDisabled);
  EXPECT_TRUE(v.ShexDisabled);
}

TEST(VoyageRulesTest, ClearVoyageKeepsProRataPerPort) {
  for (bool perPort : {true, false}) {
    TVoyageRec v = FilledVoyage();
    v.ProRataPerPort = perPort;
    ClearVoyage(v, TTemplateSettings{});
    EXPECT_EQ(v.ProRataPerPort, perPort);
  }
}

TEST(VoyageRulesTest, NewVoyageEqualsAClearedOne) {
  TVoyageRec v = FilledVoyage();
  ClearVoyage(v, TTemplateSettings{});
  EXPECT_EQ(v, TVoyageRec{});
}

TEST(VoyageRulesTest, ClearStatusEmptiesHistoryAndTotals) {
  TStatusRec s;
  s.TemplateName = s.OriginalName = s.Password = s.CreatedBy = s.LastSavedBy = s.sRemarks = "x";
  s.CreateDate = s.LastSaveDate = s.LastPrintDate = 45000;
  s.CreateTime = s.LastSaveTime = s.LastPrintTime = 600;
  s.TotalEditTime = s.BeginEdit = 2.5;
  s.CalculationValid = true;
  s.EditCount = 4;
  s.LoadingPortTime = s.DischargingPortTime = s.TotalPortTime = 9;
  s.TotalLaytime = s.TotalTimeSaved = s.TotalTimeLost = 9;
  s.TotalDemurrage = s.TotalDespatch = 9.5;

  ClearStatus(s);
  for (const std::string* text :
       {&s.TemplateName, &s.OriginalName, &s.Password, &s.CreatedBy, &s.LastSavedBy, &s.sRemarks})
    EXPECT_TRUE(text->empty());
  for (TDayNumber day : {s.CreateDate, s.LastSaveDate, s.LastPrintDate})
    EXPECT_EQ(day, EmptyDay);
  for (TMinuteOfDay time : {s.CreateTime, s.LastSaveTime, s.LastPrintTime})
    EXPECT_EQ(time, EmptyTime);
  EXPECT_EQ(s.TotalEditTime, 0.0);
  EXPECT_EQ(s.BeginEdit, 0.0);
  EXPECT_FALSE(s.CalculationValid);
  EXPECT_EQ(s.EditCount, 0);
  for (TDuration total : {s.LoadingPortTime, s.DischargingPortTime, s.TotalPortTime, s.TotalLaytime,
                          s.TotalTimeSaved, s.TotalTimeLost})
    EXPECT_EQ(total, -2147483647);
  EXPECT_EQ(s.TotalDemurrage, EmptyReal);
  EXPECT_EQ(s.TotalDespatch, EmptyReal);
  EXPECT_EQ(s, TStatusRec{});
}

TEST(VoyageRulesTest, StampHintsRecordsTheSettingsInForce) {
  TProgramSettings settings;
  settings.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
  settings.ProRataRoundingMethod = 3;
  settings.DemurrageRateUnit = TDemurrateRateUnit::druPerHour;
  TVoyageRec v;
  StampHints(v, settings);
  EXPECT_EQ(v.HintProRataCalcMethod, 1);
  EXPECT_EQ(v.HintProRataRoundingMethod, 3);
  EXPECT_EQ(v.HintDemurrageRateUnit, 1);

  StampHints(v, TProgramSettings{});
  EXPECT_EQ(v.HintProRataCalcMethod, 0);
  EXPECT_EQ(v.HintProRataRoundingMethod, 0);
  EXPECT_EQ(v.HintDemurrageRateUnit, 0);
}

TEST(VoyageRulesTest, AllPortsAllPurposeNeedsTheFlagAndTheAllReversibleMode) {
  struct Case {
    bool allPurpose;
    TPortMode mode;
    bool expected;
  };
  for (const Case& c :
       {Case{true, TPortMode::AllReversible, true}, Case{false, TPortMode::AllReversible, false},
        Case{true, TPortMode::LoadingReversible, false},
        Case{true, TPortMode::AllAverage, false}}) {
    TVoyageRec v;
    v.AllPurposeAllPorts = c.allPurpose;
    v.PortMode = c.mode;
    EXPECT_EQ(IsAllPortsAllPurpose(v), c.expected) << static_cast<int>(c.mode);
  }
}

} // namespace
} // namespace laytime
