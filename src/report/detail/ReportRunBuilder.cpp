// The walk over passes and ports, and the conditions that decide which bands a port gets.
#include "report/detail/ReportRunBuilder.h"

#include "report/ReportPaging.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace laytime::detail {

TDuration Magnitude(TDuration minutes) {
  if (minutes == std::numeric_limits<TDuration>::min()) {
    return std::numeric_limits<TDuration>::max();
  }
  return minutes < 0 ? -minutes : minutes;
}

TDuration UsedAndWaited(TDuration used, TDuration waited) {
  const std::int64_t sum = static_cast<std::int64_t>(used) + waited;
  return static_cast<TDuration>(std::clamp<std::int64_t>(sum, std::numeric_limits<TDuration>::min(),
                                                         std::numeric_limits<TDuration>::max()));
}

std::string Formatted(const char* format, const std::string& a, const std::string& b,
                      const std::string& c) {
  std::string out = format;
  for (const std::string* arg : {&a, &b, &c}) {
    const auto at = out.find("%s");
    if (at == std::string::npos) {
      break;
    }
    out.replace(at, 2, *arg);
  }
  return out;
}

TReportRunBuilder::TReportRunBuilder(const TResultReport& report, const TCalculation& calculation,
                                     const TReportRun& run)
    : FReport(report), FCalc(calculation), FVoyage(calculation.Voyage),
      FTemplate(calculation.TemplateSettings), FSettings(calculation.ProgramSettings()), FRun(run),
      FFigures(run.Format, calculation.ProgramSettings()), FPortCount(calculation.Ports.Count()) {
  for (int i = 0; i < FPortCount; ++i) {
    const TPortRec& port = FCalc.Ports.GetItem(i).PortData;
    if (port.OpLoading) {
      FLastLoadingPort = i;
    }
    if (port.OpDischarging) {
      FLastDischargingPort = i;
    }
  }
}

TReportDocument TReportRunBuilder::Build() {
  BuildPageFrame();
  if (FPortCount > 0) {
    FPartner = FReport.PrintAllProRata ? 0 : FReport.ProRataIndex;
    while (true) {
      for (FPort = 0; FPort < FPortCount; ++FPort) {
        BuildPort();
      }
      if (!MorePassesFollow()) {
        break;
      }
      ++FPartner;
    }
  }
  PaginateReport(FDoc);
  return std::move(FDoc);
}

bool TReportRunBuilder::MorePassesFollow() const {
  const int lines = PartnerLines();
  return FReport.PrintAllProRata && FPartner < lines - 1 &&
         !(FPartner + 2 == lines && FCalc.ProRata.IsEmptyRec(lines - 1));
}

bool TReportRunBuilder::PartnersPresent() const {
  const int lines = PartnerLines();
  return lines > 0 && !(lines == 1 && FCalc.ProRata.IsEmptyRec(0));
}

bool TReportRunBuilder::OnTimeMethod() const {
  return FSettings.ProRataCalculation == TProRataCalcMethod::prcOnTimeForTankers;
}

bool TReportRunBuilder::IsGroupPort() const {
  switch (Mode()) {
  case TPortMode::LoadingReversible:
    return Loads();
  case TPortMode::DischargingReversible:
    return Discharges();
  case TPortMode::LoadDischReversible:
  case TPortMode::AllReversible:
    return true;
  case TPortMode::Undef_PortMode:
  case TPortMode::NonReversible:
  case TPortMode::AllAverage:
    break;
  }
  return false;
}

bool TReportRunBuilder::IsGroupLastPort() const {
  const bool lastLoading = Loads() && FPort == FLastLoadingPort;
  const bool lastDischarging = Discharges() && FPort == FLastDischargingPort;
  switch (Mode()) {
  case TPortMode::LoadingReversible:
    return lastLoading;
  case TPortMode::DischargingReversible:
    return lastDischarging;
  case TPortMode::LoadDischReversible:
    return lastLoading || lastDischarging;
  case TPortMode::AllReversible:
    return IsLastPort();
  case TPortMode::Undef_PortMode:
  case TPortMode::NonReversible:
  case TPortMode::AllAverage:
    break;
  }
  return false;
}

bool TReportRunBuilder::ShowsPortResult() const {
  switch (Mode()) {
  case TPortMode::NonReversible:
    return !IsCQD();
  case TPortMode::LoadingReversible:
    return !Loads();
  case TPortMode::DischargingReversible:
    return !Discharges();
  case TPortMode::AllAverage:
    return true;
  case TPortMode::Undef_PortMode:
  case TPortMode::LoadDischReversible:
  case TPortMode::AllReversible:
    break;
  }
  return false;
}

bool TReportRunBuilder::HasAmountBlock() const {
  switch (Mode()) {
  case TPortMode::NonReversible:
    return true;
  case TPortMode::LoadingReversible:
    if (!Loads()) {
      return true;
    }
    break;
  case TPortMode::DischargingReversible:
    if (!Discharges()) {
      return true;
    }
    break;
  case TPortMode::AllAverage:
    if (IsLastPort()) {
      return true;
    }
    break;
  case TPortMode::Undef_PortMode:
  case TPortMode::LoadDischReversible:
  case TPortMode::AllReversible:
    break;
  }
  return IsGroupLastPort();
}

bool TReportRunBuilder::IsAveragedLast() const {
  return Mode() == TPortMode::AllAverage && IsLastPort() && FPortCount > 1;
}

bool TReportRunBuilder::IsVoyageLast() const {
  return Mode() != TPortMode::AllReversible && Mode() != TPortMode::AllAverage && IsLastPort();
}

bool TReportRunBuilder::CommissionApplies() const {
  if (!HasAmountBlock()) {
    return false;
  }
  const TPortRec& port = Port();
  const bool loadingGroup = FVoyage.CommissionLoading > 0 && FVoyage.M1Loading < 0;
  const bool dischargingGroup = FVoyage.CommissionDischarging > 0 && FVoyage.M1Discharging < 0;
  switch (Mode()) {
  case TPortMode::NonReversible:
    return port.Commission > 0;
  case TPortMode::LoadingReversible:
    return Loads() ? loadingGroup : port.Commission > 0;
  case TPortMode::DischargingReversible:
    return Discharges() ? dischargingGroup : port.Commission > 0;
  case TPortMode::LoadDischReversible:
    return (Loads() && loadingGroup) || (Discharges() && dischargingGroup);
  case TPortMode::AllReversible:
  case TPortMode::AllAverage:
    return FVoyage.CommissionAllPorts > 0 && FVoyage.M1AllPorts < 0;
  case TPortMode::Undef_PortMode:
    break;
  }
  return false;
}

bool TReportRunBuilder::TieredAmountPositive() const {
  if (!PartnersPresent()) {
    return Port().Demurrage > 0;
  }
  return Detail().DemurrageAmount > Currency();
}

TDetailView TReportRunBuilder::Detail() const {
  TDetailView view;
  const TProRataPortCalculation* detail = FCalc.ProRata.GetItem(FPartner).FindPortDetails(FPort);
  if (detail == nullptr) {
    return view;
  }
  view.Quantity = detail->Quantity();
  view.Percentage = detail->Percentage();
  view.AllowanceBeforeMinimum = detail->PortTimeAllowanceBeforeMinimum();
  view.AllocatedMinutes = detail->AllocatedMinutes();
  view.SharedMinutes = detail->SharedMinutes();
  view.LessThanMinimum = detail->LessThanMinimum();
  view.DemurrageAmount = detail->DemurrageAmount();
  view.DespatchAmount = detail->DespatchAmount();
  view.CommissionAmount = detail->CommissionAmount();
  view.NetAmount = detail->NetAmount();
  view.TieredTimes = &detail->TieredTimes();
  return view;
}

void TReportRunBuilder::BuildPort() {
  const std::size_t firstBand = FDoc.Body.size();
  FLastPrintedDate = EmptyDay;
  FRunningTotal = 0;
  if (FPort == 0) {
    BuildVoyageHeader();
    BuildVoyageMemo();
  }
  BuildPortDetails();
  BuildAddAllowance();
  BuildCalculatedTimeAllowed();
  BuildMinTimeAllowed();
  BuildRates();
  BuildPortShex();
  BuildPreAdvise();
  BuildSpacer();
  BuildDateTimeInfo();
  BuildStatementOfFacts();
  BuildResults();
  if ((MorePortsFollow() || MorePassesFollow()) && FDoc.Body.size() > firstBand) {
    FDoc.Body.back().PageBreakAfter = true;
  }
}

} // namespace laytime::detail
