// The time account of a reversible group and the group and averaged results.
#include "report/detail/ReportRunBuilder.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace laytime::detail {

std::string TReportRunBuilder::GroupWord() const {
  switch (Mode()) {
  case TPortMode::LoadingReversible:
    return "loading";
  case TPortMode::DischargingReversible:
    return "discharging";
  case TPortMode::LoadDischReversible:
    if (Loads()) {
      return "loading";
    }
    return Discharges() ? "discharging" : "??";
  case TPortMode::AllReversible:
    return "all ports";
  case TPortMode::Undef_PortMode:
  case TPortMode::NonReversible:
  case TPortMode::AllAverage:
    break;
  }
  return "???";
}

void TReportRunBuilder::BuildGroupAccount() {
  const TPortRec& port = Port();
  TBandBuilder b("qrbPortSummary", BodyFont, BodyRow);
  b.Rule(0.0, Width());
  AccountRow(b, "Total time remaining for " + GroupWord(), port.TimeAllowed);
  b.NextRow();
  AccountRow(b, "Time used in this port:", UsedAndWaited(port.TimeUsed, port.TimeWaited));
  WaitedBeside(b, port.TimeWaited);
  b.NextRow();
  b.Rule(0.0, AccountRuleRight);
  AccountRow(b, "Time remaining:", std::max(port.M1, 0));
  b.NextRow();
  b.Rule(0.0, Width());
  Add(b);
}

TGroupSet TReportRunBuilder::GroupSet() const {
  const TVoyageRec& v = FVoyage;
  const bool loading = Mode() == TPortMode::LoadingReversible ||
                       (Mode() == TPortMode::LoadDischReversible && Loads());
  const bool discharging = Mode() == TPortMode::DischargingReversible ||
                           (Mode() == TPortMode::LoadDischReversible && Discharges());
  if (loading) {
    return {v.TimeAllowedLoading,
            v.TimeUsedLoading,
            v.TimeWaitedLoading,
            v.TimeSavedLoading,
            v.M1Loading,
            v.DemurrageLoading,
            v.DespatchLoading,
            v.CommissionLoading,
            v.DemurrageRateLoading,
            v.DespatchRateLoading,
            v.CommissionPctLoading,
            v.DespatchModeLoading};
  }
  if (discharging) {
    return {v.TimeAllowedDischarging,
            v.TimeUsedDischarging,
            v.TimeWaitedDischarging,
            v.TimeSavedDischarging,
            v.M1Discharging,
            v.DemurrageDischarging,
            v.DespatchDischarging,
            v.CommissionDischarging,
            v.DemurrageRateDischarging,
            v.DespatchRateDischarging,
            v.CommissionPctDischarging,
            v.DespatchModeDischarging};
  }
  return {v.TimeAllowedAllPorts,
          v.TimeUsedAllPorts,
          v.TimeWaitedAllPorts,
          v.TimeSavedAllPorts,
          v.M1AllPorts,
          v.DemurrageAllPorts,
          v.DespatchAllPorts,
          v.CommissionAllPorts,
          v.DemurrageRateAllPorts,
          v.DespatchRateAllPorts,
          v.CommissionPctAllPorts,
          v.DespatchModeAllPorts};
}

void TReportRunBuilder::BuildGroupResult() {
  const TGroupSet set = GroupSet();
  TBandBuilder b("qrbPortSummaryResult", BodyFont, BodyRow);
  AccountRow(b, "Total time allowed for " + GroupWord(), set.TimeAllowed);
  b.NextRow();
  AccountRow(b, "Total time used:", UsedAndWaited(set.TimeUsed, set.TimeWaited));
  WaitedBeside(b, set.TimeWaited);
  b.NextRow();
  b.Rule(0.0, AccountRuleRight);
  const TDuration saved = set.DespatchMode == TCalcDespatch::calcSavedtime ? set.TimeSaved : set.M1;
  if (set.M1 > 0) {
    AccountRow(b, "Total time saved:", saved, TStyle::Bold);
  } else {
    AccountRow(b, "Total time lost:", Magnitude(set.M1), TStyle::Bold);
  }
  b.NextRow();
  b.Rule(0.0, AccountRuleRight, TRuleStyle::Double);
  Add(b);

  if (set.M1 > 0 && FVoyage.DespatchDisabled) {
    AddAmountLine(ZeroDemurrageLine(set.DemurrageRate));
    return;
  }
  TAmountLine line;
  if (set.M1 > 0) {
    line.Caption = "Despatch due:";
    SavedTime(line, saved);
    SetRate(line, set.DespatchRate);
    line.Amount = set.Despatch;
  } else {
    line.Caption = "Demurrage due:";
    SavedTime(line, Magnitude(set.M1));
    SetRate(line, set.DemurrageRate);
    line.Amount = set.Demurrage;
  }
  AddAmountLine(line);
}

void TReportRunBuilder::BuildAveragedResult() {
  const TVoyageRec& v = FVoyage;
  const bool saved = v.AvgsTimeSaved >= v.AvgsTimeLost;
  const TDuration difference = static_cast<TDuration>(std::min<std::int64_t>(
      std::llabs(static_cast<std::int64_t>(v.AvgsTimeSaved) - v.AvgsTimeLost),
      std::numeric_limits<TDuration>::max()));
  TBandBuilder b("qrbAveragedResult", BodyFont, BodyRow);
  AccountRow(b, "Total time saved:", v.AvgsTimeSaved);
  b.NextRow();
  AccountRow(b, "Total time lost:", v.AvgsTimeLost);
  b.NextRow();
  b.Rule(0.0, AccountRuleRight);
  AccountRow(b, saved ? "Resulting time saved:" : "Resulting time lost:", difference, TStyle::Bold);
  b.NextRow();
  b.Rule(0.0, AccountRuleRight, TRuleStyle::Double);
  Add(b);

  if (saved && v.DespatchDisabled) {
    AddAmountLine(ZeroDemurrageLine(v.DemurrageRateAllPorts));
    return;
  }
  TAmountLine line;
  SavedTime(line, difference);
  if (saved) {
    line.Caption = "Despatch due:";
    SetRate(line, v.DespatchRateAllPorts);
    line.Amount = v.DespatchAllPorts;
  } else {
    line.Caption = "Demurrage due:";
    SetRate(line, v.DemurrageRateAllPorts);
    line.Amount = v.DemurrageAllPorts;
  }
  AddAmountLine(line);
}

} // namespace laytime::detail
