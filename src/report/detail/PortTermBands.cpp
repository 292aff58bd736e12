// The port header bands: voyage header and remarks, port details, allowances, rates and SHEX.
#include "report/detail/ReportRunBuilder.h"

#include "core/DailyRates.h"
#include "core/DateText.h"
#include "core/DayTime.h"
#include "core/NumberText.h"
#include "core/TextUtil.h"
#include "core/TimeText.h"
#include "report/ResultTexts.h"

#include <array>

namespace laytime::detail {

void TReportRunBuilder::BuildVoyageHeader() {
  TBandBuilder b("qrbPortHeader", BodyFont, BodyRow);
  const std::array<std::pair<std::string, std::string>, 5> rows = {{
      {FTemplate.VoyInfo1Caption, FVoyage.VoyInfo1},
      {FTemplate.VoyInfo2Caption, FVoyage.VoyInfo2},
      {FTemplate.VoyInfo3Caption, FVoyage.VoyInfo3},
      {FTemplate.CPFormCaption, FVoyage.CPForm},
      {"Calculating", CalculationModeText(FVoyage)},
  }};
  b.Gap(2.0);
  for (const auto& [label, value] : rows) {
    b.Text(0.0, TermLabelWidth, label);
    b.Text(TermUnit, Width() - TermUnit, value);
    b.NextRow();
  }
  Add(b);
}

void TReportRunBuilder::BuildVoyageMemo() {
  if (Trim(FVoyage.Remarks).empty()) {
    return;
  }
  TBandBuilder b("qrbVoyMemo", BodyFont, BodyRow);
  b.Text(0.0, TermLabelWidth, "Remarks");
  for (std::string& line : b.Wrap(FVoyage.Remarks, Width() - TermUnit, FRun.Metrics)) {
    b.Text(TermUnit, Width() - TermUnit, std::move(line));
    b.NextRow();
  }
  Add(b);
}

TReportRunBuilder::TAllowanceSource TReportRunBuilder::AllowanceSource() const {
  const bool loadingModes =
      Mode() == TPortMode::LoadingReversible || Mode() == TPortMode::LoadDischReversible;
  const bool dischargingModes =
      Mode() == TPortMode::DischargingReversible || Mode() == TPortMode::LoadDischReversible;
  if (FVoyage.AllPurposeAllPorts && Mode() == TPortMode::AllReversible) {
    return {"All purpose loading and discharging", FVoyage.LoadRateAllPorts,
            FVoyage.LoadUnitsAllPorts, FVoyage.AddAllowanceDaysAllPorts,
            FVoyage.AddAllowanceTimeAllPorts};
  }
  if (FVoyage.AllPurposeLoading && loadingModes && Loads()) {
    return {"Loading all purpose", FVoyage.LoadRateLoading, FVoyage.LoadUnitsLoading,
            FVoyage.AddAllowanceDaysLoading, FVoyage.AddAllowanceTimeLoading};
  }
  if (FVoyage.AllPurposeDischarging && dischargingModes && Discharges()) {
    return {"Discharging all purpose", FVoyage.LoadRateDischarging, FVoyage.LoadUnitsDischarging,
            FVoyage.AddAllowanceDaysDischarging, FVoyage.AddAllowanceTimeDischarging};
  }
  const TPortRec& port = Port();
  return {"", port.PortLoadRate, port.PortLoadUnits, port.PortAddAllowanceDays,
          port.PortAddAllowanceTime};
}

std::string TReportRunBuilder::PrintedCargoUnits() const {
  return FFigures.Quantity(Port().CargoQuantity).empty() ? "" : Port().CargoUnits;
}

void TReportRunBuilder::BuildPortDetails() {
  const TPortRec& port = Port();
  TBandBuilder b("qrbPortDetails", BodyFont, BodyRow);
  b.Rule(0.0, Width());

  std::string operation;
  if (port.OpLoading) {
    operation = "Loading";
  }
  if (port.OpDischarging) {
    operation += operation.empty() ? "Discharging" : " / Discharging";
  }
  b.Text(0.0, TermLabelWidth, operation);
  b.Text(TermUnit, 20.0, "at");
  b.Text(TermUnit + 20.0, Width() - TermUnit - 20.0, port.PortName, TCaptionAlign::Left,
         TStyle::Bold);
  b.NextRow();

  // A port flagged CQD outside the non-reversible mode was calculated with its allowance,
  // so the report describes it by the calculation that was made.
  const bool cqd = IsCQD();
  std::string basis = PortModeText(FVoyage, port);
  if (cqd) {
    basis = FSettings.DetentionTerminology == 1 ? "Detention" : "Customary quick despatch";
  }
  b.Text(0.0, TermLabelWidth, "Calculating");
  b.Text(TermUnit, Width() - TermUnit, basis);
  b.NextRow();

  const std::string quantity = FFigures.Quantity(port.CargoQuantity);
  const std::string cargoUnits = PrintedCargoUnits();
  b.Text(0.0, TermLabelWidth, "Cargo");
  b.Text(TermUnit, TermValueLeft - TermUnit, cargoUnits);
  b.Right(TermValueLeft, TermValueRight, quantity);
  b.Text(TermText, Width() - TermText, port.CargoName);
  b.NextRow();

  const TAllowanceSource source = AllowanceSource();
  std::string rate = FFigures.Quantity(source.Rate);
  std::string unit = LoadUnitText(source.Units, cargoUnits);
  if (cqd) {
    unit = "N/A";
    rate.clear();
  } else if (Trim(rate).empty()) {
    unit.clear();
  }
  b.Text(0.0, TermLabelWidth, "Allowance");
  b.Text(TermUnit, TermValueLeft - TermUnit, unit);
  b.Right(TermValueLeft, TermValueRight, rate);
  b.Text(TermText, Width() - TermText, source.Note);
  b.NextRow();
  Add(b);
}

std::string TReportRunBuilder::LoadUnitText(TLoadUnits units, const std::string& cargoUnits) {
  std::string name;
  switch (units) {
  case TLoadUnits::load_units_p_day:
    name = "#/day";
    break;
  case TLoadUnits::load_units_p_hour:
    name = "#/hour";
    break;
  case TLoadUnits::load_days:
    name = "days";
    break;
  case TLoadUnits::load_hours:
    name = "hours";
    break;
  case TLoadUnits::load_undef:
    break;
  }
  if (name.empty()) {
    return "???";
  }
  const auto hash = name.find('#');
  if (hash != std::string::npos) {
    name.replace(hash, 1, cargoUnits);
  }
  return name;
}

void TReportRunBuilder::BuildAddAllowance() {
  const TAllowanceSource source = AllowanceSource();
  // −32767 is an empty 16-bit value widened to 32 bits: no days were given either.
  const bool daysGiven = source.AddDays != EmptyDay && source.AddDays != EmptyTime;
  if (!daysGiven && (source.AddTime == EmptyTime || IsCQD())) {
    return;
  }
  TBandBuilder b("qrbAddAllowance", BodyFont, BodyRow);
  b.Text(0.0, TermLabelWidth, "Add. allowance");
  b.Right(TermUnit, 160.0,
          daysGiven ? IntToStrOrEmpty(source.AddDays, false, FRun.Format) : std::string());
  b.Text(165.0, 30.0, daysGiven && (source.AddDays == 1 || source.AddDays == -1) ? "day" : "days");
  b.Right(195.0, 230.0, ZQTimeToStr(source.AddTime));
  b.Text(235.0, 40.0, "hh:mm");
  b.NextRow();
  Add(b);
}

void TReportRunBuilder::BuildCalculatedTimeAllowed() {
  if (!OnTimeMethod() || EmptyToZero(FCalc.ProRata.TotalQuantity()) == 0.0) {
    return;
  }
  const TDetailView d = Detail();
  const TDuration allowed = Port().TimeAllowed;
  std::string allowedText = ZQTimeToStr(static_cast<int>(allowed % MinutesPerDay));
  if (allowed / MinutesPerDay > 0) {
    allowedText = std::to_string(allowed / MinutesPerDay) + " d " + allowedText;
  }
  TBandBuilder b("qrbCalculatedTimeAllowed", BodyFont, BodyRow);
  b.Text(0.0, TermLabelWidth, "Pro rata allowance");
  b.Text(TermUnit, TermValueLeft - TermUnit, "hours");
  b.Right(TermValueLeft, TermValueRight, ZQDurationToStr(d.AllowanceBeforeMinimum));
  b.Text(TermText, Width() - TermText,
         Formatted("( %s / %s ) * %s", FFigures.Quantity(d.Quantity),
                   FFigures.Quantity(FCalc.ProRata.TotalQuantityForPort(FPort)), allowedText));
  b.NextRow();
  Add(b);
}

void TReportRunBuilder::BuildMinTimeAllowed() {
  const int minimum = EmptyTimeToZero(Port().TankerMinTimeAllowance);
  if (!OnTimeMethod() || minimum == 0) {
    return;
  }
  TBandBuilder b("qrbMinTimeAllowed", BodyFont, BodyRow);
  b.Text(0.0, TermLabelWidth, "Min.time allowance");
  b.Text(TermUnit, TermValueLeft - TermUnit, "hours");
  b.Right(TermValueLeft, TermValueRight, ZQTimeToStr(minimum));
  b.NextRow();
  Add(b);
}

std::string TReportRunBuilder::RateUnitText(double rate, bool asEntered) const {
  std::string unit = FVoyage.Currency + (FFigures.PerHour() ? "/hour" : "/day");
  if (asEntered && !IsPlainDailyRate(rate, FTemplate.PerUnitRateLimit)) {
    const std::string cargo(Trim(PrintedCargoUnits()));
    unit += "/" + (cargo.empty() ? std::string("unit") : cargo);
  }
  return unit;
}

void TReportRunBuilder::RateBand(const char* name, const char* label, double rate, bool asEntered) {
  TBandBuilder b(name, BodyFont, BodyRow);
  b.Text(0.0, TermLabelWidth, label);
  b.Text(TermUnit, TermValueLeft - TermUnit, RateUnitText(rate, asEntered));
  b.Right(TermValueLeft, TermValueRight, FFigures.RateInUnit(rate));
  b.NextRow();
  Add(b);
}

void TReportRunBuilder::BuildRates() {
  const TPortRec& port = Port();
  const bool cqd = IsCQD();
  double demurrage = port.PortDemurrageRate;
  double despatch = port.PortDespatchRate;
  bool asEntered = true;
  switch (Mode()) {
  case TPortMode::NonReversible:
  case TPortMode::Undef_PortMode:
    break;
  case TPortMode::LoadingReversible:
    if (port.OpLoading && !port.OpDischarging) {
      demurrage = FVoyage.DemurrageRateLoading;
      despatch = FVoyage.DespatchRateLoading;
      asEntered = false;
    }
    break;
  case TPortMode::DischargingReversible:
    if (port.OpDischarging && !port.OpLoading) {
      demurrage = FVoyage.DemurrageRateDischarging;
      despatch = FVoyage.DespatchRateDischarging;
      asEntered = false;
    }
    break;
  case TPortMode::LoadDischReversible:
    asEntered = false;
    if (port.OpDischarging) {
      demurrage = FVoyage.DemurrageRateDischarging;
      despatch = FVoyage.DespatchRateDischarging;
    } else {
      demurrage = FVoyage.DemurrageRateLoading;
      despatch = FVoyage.DespatchRateLoading;
    }
    break;
  case TPortMode::AllReversible:
  case TPortMode::AllAverage:
    demurrage = FVoyage.DemurrageRateAllPorts;
    despatch = FVoyage.DespatchRateAllPorts;
    asEntered = false;
    break;
  }
  if (cqd) {
    demurrage = port.PortDemurrageRate;
    asEntered = true;
  }
  if (!port.UseTieredDemurrage) {
    RateBand("qrbDemurrageRate", cqd ? "Detention rate" : "Demurrage rate", demurrage, asEntered);
  }
  if (!cqd && !FTemplate.DefaultDespatchDisabled) {
    RateBand("qrbDespatchRate", "Despatch rate", despatch, asEntered);
  }
}

void TReportRunBuilder::BuildPortShex() {
  const TPortRec& port = Port();
  if (!FSettings.PrintSHINC && port.ShexStartDay < 0) {
    return;
  }
  TBandBuilder b("qrbPortShex", BodyFont, BodyRow);
  if (port.ShexStartDay < 0) {
    b.Text(0.0, TermLabelWidth, "Terms");
    b.Text(TermUnit, 60.0, "SHINC");
  } else {
    b.Text(0.0, TermLabelWidth, "Excluded");
    b.Text(TermUnit, 25.0, "from");
    b.Text(150.0, 25.0, WeekdayName(port.ShexStartDay + 1, false));
    b.Text(175.0, 35.0, ZQTimeToStr(port.ShexStartTime));
    b.Text(210.0, 25.0, "until");
    b.Text(235.0, 25.0, WeekdayName(port.ShexEndDay + 1, false));
    b.Text(260.0, 35.0, ZQTimeToStr(port.ShexEndTime));
  }
  b.NextRow();
  Add(b);
}

} // namespace laytime::detail
