// The result of a port: its time account and the amount line of time saved or lost.
#include "report/detail/ReportRunBuilder.h"

#include "core/DailyRates.h"
#include "core/NumberText.h"

namespace laytime::detail {

void TReportRunBuilder::BuildResults() {
  const TPortRec& port = Port();
  const bool produced = ShowsPortResult() || IsCQD();
  bool amountPrinted = false;
  bool tieredTotalPrinted = false;

  if (produced) {
    if (ShowsPortResult() && (OnQuantityMethod() || FCalc.ProRata.CountItems() == 0)) {
      BuildPortResult();
    }
    if (HasAmountBlock() && !IsAveragedLast()) {
      const bool replaced = (OnTimeMethod() && FCalc.ProRata.CountItems() > 0) ||
                            (port.UseTieredDemurrage && TieredAmountPositive());
      if (!replaced) {
        AddAmountLine(PortAmountLine());
        amountPrinted = true;
      }
    }
    if (amountPrinted) {
      BuildSharePerPort();
    }
    if (port.UseTieredDemurrage) {
      BuildTierRows();
      if (TieredAmountPositive()) {
        BuildTieredSummary();
        tieredTotalPrinted = true;
      }
    }
    if (tieredTotalPrinted && !amountPrinted) {
      BuildSharePerPort();
    }
  }
  if (IsGroupPort()) {
    BuildGroupAccount();
    if (IsGroupLastPort()) {
      BuildGroupResult();
    }
  }
  if (IsAveragedLast()) {
    BuildAveragedResult();
  }
  if (CommissionApplies() && !FVoyage.ProRataPerPort) {
    BuildCommission(CommissionOfOwner());
  }
  BuildBalance();
  BuildBalanceNoDespatch();
  BuildProRata();
  BuildTankerProRata();
  BuildTankerProRataBalance();
}

void TReportRunBuilder::DaysClockCaptions(TBandBuilder& b, double daysLeft, double daysRight,
                                          double d, double clock, TDuration minutes, TStyle style) {
  std::string days;
  std::string time;
  ShowDaysAndTime(minutes, &days, time);
  b.Right(daysLeft, daysRight, days, style);
  b.Text(d, 10.0, "d", TCaptionAlign::Left, style);
  b.Text(clock, 35.0, time, TCaptionAlign::Left, style);
}

void TReportRunBuilder::AccountRow(TBandBuilder& b, const std::string& label, TDuration minutes,
                                   TStyle style) {
  b.Text(0.0, AccountLabelWidth, label, TCaptionAlign::Left, style);
  DaysClockCaptions(b, AccountDaysLeft, AccountDaysRight, AccountD, AccountClock, minutes, style);
}

void TReportRunBuilder::WaitedBeside(TBandBuilder& b, TDuration waited) {
  if (waited <= 0) {
    return;
  }
  b.Text(SideLabel, SideDaysLeft - SideLabel, "thereof waited:");
  DaysClockCaptions(b, SideDaysLeft, SideDaysRight, SideD, SideClock, waited);
}

void TReportRunBuilder::BuildPortResult() {
  const TPortRec& port = Port();
  TBandBuilder b("qrbPortResult", BodyFont, BodyRow);
  b.Rule(0.0, Width());
  AccountRow(b, "Time allowed:", port.TimeAllowed);
  b.NextRow();
  AccountRow(b, "Time used:", UsedAndWaited(port.TimeUsed, port.TimeWaited));
  WaitedBeside(b, port.TimeWaited);
  b.NextRow();
  b.Rule(0.0, AccountRuleRight);
  if (port.M1 > 0) {
    AccountRow(b, "Time saved", PortSavedFigure(), TStyle::Bold);
  } else {
    AccountRow(b, "Time lost", Magnitude(port.M1), TStyle::Bold);
  }
  b.NextRow();
  b.Rule(0.0, Width());
  Add(b);
}

TDuration TReportRunBuilder::PortSavedFigure() const {
  const TPortRec& port = Port();
  return port.PortDespatchMode == TCalcDespatch::calcSavedtime ? port.TimeSaved : port.M1;
}

void TReportRunBuilder::SavedTime(TAmountLine& line, TDuration minutes) const {
  if (FSettings.ShowDecimalDayResult) {
    line.Time = FFigures.DecimalDays(minutes);
    line.TimeUnit = "days at";
    return;
  }
  line.Time = FFigures.DaysAndClock(minutes);
  line.TimeUnit = "hrs  at";
}

void TReportRunBuilder::LostTime(TAmountLine& line, TDuration minutes, const char* daysUnit,
                                 const char* hoursUnit) const {
  if (!FSettings.ShowDecimalDayResult) {
    line.Time = FFigures.DaysAndClock(minutes);
    line.TimeUnit = hoursUnit;
    return;
  }
  if (FFigures.PerHour()) {
    line.Time = FFigures.DecimalHours(minutes);
    line.TimeUnit = hoursUnit;
    return;
  }
  line.Time = FFigures.DecimalDays(minutes);
  line.TimeUnit = daysUnit;
}

void TReportRunBuilder::SetRate(TAmountLine& line, double dailyRate) const {
  const TFigureTexts::TRate rate = FFigures.RateByUnit(dailyRate);
  line.Rate = rate.Rate;
  line.RateUnit = rate.Unit;
}

TAmountLine TReportRunBuilder::ZeroDemurrageLine(double demurrageRate) const {
  TAmountLine line;
  line.Caption = "Demurrage due:";
  line.Time = RealToStr(0.0, FSettings.DayDecimals, true, FRun.Format);
  line.TimeUnit = "days at";
  SetRate(line, demurrageRate);
  line.Amount = 0.0;
  return line;
}

TAmountLine TReportRunBuilder::PortAmountLine() const {
  const TPortRec& port = Port();
  const double demurrageRate =
      EffectiveDailyRate(port.CargoQuantity, port.PortDemurrageRate, FTemplate.PerUnitRateLimit);
  if (port.M1 > 0 && FVoyage.DespatchDisabled) {
    return ZeroDemurrageLine(demurrageRate);
  }
  TAmountLine line;
  if (port.M1 > 0) {
    line.Caption = "Despatch due:";
    SavedTime(line, PortSavedFigure());
    SetRate(line, EffectiveDailyRate(port.CargoQuantity, port.PortDespatchRate,
                                     FTemplate.PerUnitRateLimit));
    line.Amount = Mode() == TPortMode::AllAverage ? FVoyage.DespatchAllPorts : port.Despatch;
    return line;
  }
  const bool cqd = IsCQD();
  line.Caption = cqd ? "Detention due:" : "Demurrage due:";
  line.RuledAbove = cqd;
  if (port.UseTieredDemurrage) {
    LostTime(line, Magnitude(port.M1), "days", "hrs");
  } else {
    LostTime(line, Magnitude(port.M1), "days at", "hrs  at");
    SetRate(line, demurrageRate);
  }
  line.Amount = Mode() == TPortMode::AllAverage ? FVoyage.DemurrageAllPorts : port.Demurrage;
  return line;
}

void TReportRunBuilder::AddAmountLine(const TAmountLine& line) {
  TBandBuilder b("qrbAmountDue", BodyFont, BodyRow);
  if (line.RuledAbove) {
    b.Rule(0.0, Width());
  }
  b.Text(0.0, AmountCaptionWidth, line.Caption, TCaptionAlign::Left, TStyle::Bold);
  b.Right(AmountCaptionWidth, AmountTimeRight, line.Time);
  b.Text(AmountTimeUnit, AmountCurrency1 - AmountTimeUnit, line.TimeUnit);
  b.Text(AmountCurrency1, 30.0, FVoyage.Currency);
  b.Right(AmountCurrency1 + 30.0, AmountRateRight, line.Rate);
  b.Text(AmountRateUnit, AmountCurrency2 - AmountRateUnit, line.RateUnit);
  b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency, TCaptionAlign::Left,
         TStyle::Bold);
  b.Right(AmountValueLeft, Width(), FFigures.Money(line.Amount), TStyle::Bold);
  b.NextRow();
  if (!CommissionApplies()) {
    b.Rule(0.0, Width());
  }
  Add(b);
}

} // namespace laytime::detail
