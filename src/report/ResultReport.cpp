#include "report/ResultReport.h"

#include "calc/SyntheticLineMarker.h"
#include "core/DailyRates.h"
#include "core/DateText.h"
#include "core/DayTime.h"
#include "core/NumberText.h"
#include "core/OperationWords.h"
#include "core/TextUtil.h"
#include "core/TimeText.h"
#include "model/TCalculation.h"
#include "model/TTieredTimes.h"
#include "report/BandBuilder.h"
#include "report/BuiltinLogo.h"
#include "report/FigureTexts.h"
#include "report/ReportPaging.h"
#include "report/ResultTexts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace laytime {

using detail::TBandBuilder;
using detail::TStyle;

namespace {

// Row heights in points.
constexpr double BodyRow = 12.5;
constexpr double SoFRow = 11.0;
constexpr double FooterRow = 9.0;

// Columns of the port's term bands: label, unit text, right-aligned value, text.
constexpr double TermLabelWidth = 120.0;
constexpr double TermUnit = 125.0;
constexpr double TermValueLeft = 185.0;
constexpr double TermValueRight = 275.0;
constexpr double TermText = 285.0;

// Columns of the dated rows: weekday, date, time, text.
constexpr double DateWeekday = 0.0;
constexpr double DateDay = 25.0;
constexpr double DateTime = 95.0;
constexpr double DateText = 135.0;

// Columns of the statement of facts (9 point).
constexpr double SoFWeekday = 0.0;
constexpr double SoFDate = 24.0;
constexpr double SoFFrom = 80.0;
constexpr double SoFUntil = 110.0;
constexpr double SoFPctRight = 178.0;
constexpr double SoFRemark = 186.0;
constexpr double SoFRemarkWidth = 194.0;
constexpr double SoFUsedRight = 425.0;
constexpr double SoFDaysRight = 490.0;

// The form days, d, hh:mm of the time accounts, and the second figure beside it.
constexpr double AccountLabelWidth = 185.0;
constexpr double AccountDaysLeft = 190.0;
constexpr double AccountDaysRight = 230.0;
constexpr double AccountD = 234.0;
constexpr double AccountClock = 244.0;
constexpr double AccountRuleRight = 280.0;
constexpr double SideLabel = 300.0;
constexpr double SideDaysLeft = 380.0;
constexpr double SideDaysRight = 410.0;
constexpr double SideD = 414.0;
constexpr double SideClock = 424.0;

// The amount line: caption, time figure, time unit, currency, rate, rate unit, currency, amount.
constexpr double AmountCaptionWidth = 125.0;
constexpr double AmountTimeRight = 190.0;
constexpr double AmountTimeUnit = 195.0;
constexpr double AmountCurrency1 = 280.0;
constexpr double AmountRateRight = 380.0;
constexpr double AmountRateUnit = 384.0;
constexpr double AmountCurrency2 = 430.0;
constexpr double AmountValueLeft = 460.0;

// Partner shares on quantity.
constexpr double ShareQtyRight = 200.0;
constexpr double ShareOf = 205.0;
constexpr double ShareTotalRight = 300.0;
constexpr double ShareEquals = 305.0;
constexpr double SharePctRight = 365.0;
constexpr double SharePctSign = 368.0;

// Balances: label, second word.
constexpr double BalanceLabel = 195.0;
constexpr double BalanceWord = 280.0;

const TReportFont BodyFont{"Arial", 10.0};
const TReportFont SoFFont{"Arial", 9.0};
const TReportFont FooterFont{"Arial", 7.0};

// The reading of a partner's port detail; a detail that does not exist reads as zeros, which is
// what a newly created detail holds.
struct TDetailView {
  double Quantity = 0.0;
  double Percentage = 0.0;
  TDuration AllowanceBeforeMinimum = 0;
  TDuration AllocatedMinutes = 0;
  TDuration SharedMinutes = 0;
  bool LessThanMinimum = false;
  Currency DemurrageAmount;
  Currency DespatchAmount;
  Currency CommissionAmount;
  Currency NetAmount;
  const ITieredTimes* TieredTimes = nullptr;
};

// The set of voyage results a reversible group writes into.
struct TGroupSet {
  TDuration TimeAllowed = 0;
  TDuration TimeUsed = 0;
  TDuration TimeWaited = 0;
  TDuration TimeSaved = 0;
  TDuration M1 = 0;
  double Demurrage = 0.0;
  double Despatch = 0.0;
  double Commission = 0.0;
  double DemurrageRate = EmptyReal;
  double DespatchRate = EmptyReal;
  double CommissionPct = EmptyReal;
  TCalcDespatch DespatchMode = TCalcDespatch::calcUndef;
};

// The values of the commission line, given by the owner of a port's amount line.
struct TCommissionValues {
  double Percentage = EmptyReal;
  double Commission = 0.0;
  double Net = 0.0;
};

// What the amount line shows.
struct TAmountLine {
  std::string Caption;
  std::string Time;
  std::string TimeUnit;
  std::string Rate;
  std::string RateUnit;
  double Amount = 0.0;
  bool RuledAbove = false;
};

// The size of a duration; the most negative 32-bit value, which only damaged data can hold,
// gives the largest positive one instead of overflowing.
TDuration Magnitude(TDuration minutes) {
  if (minutes == std::numeric_limits<TDuration>::min()) {
    return std::numeric_limits<TDuration>::max();
  }
  return minutes < 0 ? -minutes : minutes;
}

// Used plus waited time, held within the range of a duration.
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

// One run of the report: the state of the walk over passes and ports, and the bands it yields.
class TReportRunBuilder {
public:
  TReportRunBuilder(const TResultReport& report, const TCalculation& calculation,
                    const TReportRun& run)
      : FReport(report), FCalc(calculation), FVoyage(calculation.Voyage),
        FTemplate(calculation.TemplateSettings), FSettings(calculation.ProgramSettings()),
        FRun(run), FFigures(run.Format, calculation.ProgramSettings()),
        FPortCount(calculation.Ports.Count()) {
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

  TReportDocument Build() {
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

private:
  // ---- Conditions -------------------------------------------------------------------------

  TPortMode Mode() const { return FVoyage.PortMode; }
  const TPortItem& Item() const { return FCalc.Ports.GetItem(FPort); }
  const TPortRec& Port() const { return Item().PortData; }
  bool Loads() const { return Port().OpLoading; }
  bool Discharges() const { return Port().OpDischarging; }
  bool IsLastPort() const { return FPort == FPortCount - 1; }
  bool IsCQD() const { return FCalc.Ports.CalculateCQD(FPort); }
  int PartnerLines() const { return FCalc.ProRata.Count(); }

  bool MorePortsFollow() const { return FPort < FPortCount - 1; }
  bool MorePassesFollow() const {
    const int lines = PartnerLines();
    return FReport.PrintAllProRata && FPartner < lines - 1 &&
           !(FPartner + 2 == lines && FCalc.ProRata.IsEmptyRec(lines - 1));
  }
  bool PartnersPresent() const {
    const int lines = PartnerLines();
    return lines > 0 && !(lines == 1 && FCalc.ProRata.IsEmptyRec(0));
  }
  // The partner index names an existing partner line. Only the tier rows ask; every other band
  // that shows a share reads the partner line and so fails on an index the caller got wrong.
  bool HasPartner() const { return FPartner >= 0 && FPartner < PartnerLines(); }
  bool OnTimeMethod() const {
    return FSettings.ProRataCalculation == TProRataCalcMethod::prcOnTimeForTankers;
  }
  bool OnQuantityMethod() const { return !OnTimeMethod(); }
  bool OnTimeWithPartners() const { return OnTimeMethod() && PartnersPresent(); }

  bool IsGroupPort() const {
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
  bool IsGroupLastPort() const {
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
  bool ShowsPortResult() const {
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
  bool HasAmountBlock() const {
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
  bool IsAveragedLast() const {
    return Mode() == TPortMode::AllAverage && IsLastPort() && FPortCount > 1;
  }
  bool IsVoyageLast() const {
    return Mode() != TPortMode::AllReversible && Mode() != TPortMode::AllAverage && IsLastPort();
  }
  bool CommissionApplies() const {
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
  bool TieredAmountPositive() const {
    if (!PartnersPresent()) {
      return Port().Demurrage > 0;
    }
    return Detail().DemurrageAmount > Currency();
  }

  // The current partner's detail at the current port; std::out_of_range when the partner index
  // names no partner line.
  TDetailView Detail() const {
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

  // ---- Bands of the page frame ------------------------------------------------------------

  void BuildPageFrame() {
    BuildPageHeader();
    BuildVesselLine();
    TBandBuilder footer("qrbSummary", FooterFont, FooterRow);
    footer.Text(0.0, 250.0, FRun.CalcDisplayName);
    footer.Text(250.0, Width() - 250.0, ReportImprint, TCaptionAlign::Right, TStyle::Italic);
    footer.NextRow();
    FDoc.PageFooter = footer.Finish();
  }

  void BuildPageHeader() {
    const THeaderLayout layout = FReport.HeaderLayout(FRun.Metrics);
    auto pt = [](int units) { return units * PointsPerLayoutUnit; };
    TReportBand& band = FDoc.PageHeader;
    band.Name = "qrbPageHeader";
    band.Height = pt(layout.HeaderHeight);
    if (FReport.Logo && layout.Logo.Width > 0 && layout.Logo.Height > 0) {
      band.Pictures.push_back({pt(layout.Logo.Left), pt(layout.Logo.Top), pt(layout.Logo.Width),
                               pt(layout.Logo.Height), FReport.Logo});
    }
    TReportCaption title;
    title.Left = pt(layout.Title.Left);
    title.Top = pt(layout.Title.Top);
    title.Width = pt(layout.Title.Width);
    title.Height = pt(layout.Title.Height);
    title.Font = FReport.Title.Font;
    title.Text = FReport.Title.Text;
    band.Captions.push_back(title);

    // The date as the system formats it, whatever the date-format setting says.
    const TFormatContext systemDates{FRun.Format.Locale, 0, FRun.Format.Clock};
    TReportCaption date;
    date.Left = pt(layout.Date.Left);
    date.Top = pt(layout.Date.Top);
    date.Width = pt(layout.PageNumber.Left - layout.Date.Left);
    date.Height = pt(layout.Date.Height);
    date.Font = BodyFont;
    date.Text = ZQDateToStr(FRun.Format.Clock.Today(), false, systemDates);
    band.Captions.push_back(date);

    TReportCaption page = date;
    page.Left = pt(layout.PageNumber.Left);
    page.Width = pt(layout.PageNumber.Width);
    page.Align = TCaptionAlign::Right;
    page.Text = "Page: ";
    page.Field = TCaptionField::PageNumber;
    band.Captions.push_back(page);
  }

  void BuildVesselLine() {
    TBandBuilder b("qrbVesselName", BodyFont, BodyRow);
    b.Gap(2.0);
    b.Text(0.0, 25.0, "M/V");
    b.Text(25.0, 250.0, FVoyage.VesselName, TCaptionAlign::Left, TStyle::Bold);
    std::string cpDate;
    if (FVoyage.CPDate != EmptyDay) {
      cpDate = FTemplate.CPFormCaption + " " + ZQDateToStr(FVoyage.CPDate, false, FRun.Format);
    }
    b.Right(280.0, 430.0, cpDate, TStyle::Bold);
    b.Right(430.0, Width(), FVoyage.FixtureNo.empty() ? "" : "No. " + FVoyage.FixtureNo,
            TStyle::Bold);
    b.NextRow();
    b.Rule(0.0, Width());
    FDoc.VesselLine = b.Finish();
  }

  // ---- The bands of a port ----------------------------------------------------------------

  void BuildPort() {
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

  void Add(TBandBuilder& builder) { FDoc.Body.push_back(builder.Finish()); }

  double Width() const { return FDoc.Page.UsableWidth(); }

  void BuildVoyageHeader() {
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

  void BuildVoyageMemo() {
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

  // The allowance source of the port: a group's all-purpose terms or the port's own.
  struct TAllowanceSource {
    std::string Note;
    double Rate = EmptyReal;
    TLoadUnits Units = TLoadUnits::load_undef;
    std::int32_t AddDays = EmptyDay;
    std::int16_t AddTime = EmptyTime;
  };

  TAllowanceSource AllowanceSource() const {
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

  // The cargo unit as the port details print it: only beside a quantity.
  std::string PrintedCargoUnits() const {
    return FFigures.Quantity(Port().CargoQuantity).empty() ? "" : Port().CargoUnits;
  }

  void BuildPortDetails() {
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

  static std::string LoadUnitText(TLoadUnits units, const std::string& cargoUnits) {
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

  void BuildAddAllowance() {
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
    b.Text(165.0, 30.0,
           daysGiven && (source.AddDays == 1 || source.AddDays == -1) ? "day" : "days");
    b.Right(195.0, 230.0, ZQTimeToStr(source.AddTime));
    b.Text(235.0, 40.0, "hh:mm");
    b.NextRow();
    Add(b);
  }

  void BuildCalculatedTimeAllowed() {
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

  void BuildMinTimeAllowed() {
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

  // The rate unit text: currency per day or hour, and per cargo unit for a port's own rate that
  // is not a plain daily amount. The cargo unit is the one the port details print, so a port
  // without a quantity reads "unit".
  std::string RateUnitText(double rate, bool asEntered) const {
    std::string unit = FVoyage.Currency + (FFigures.PerHour() ? "/hour" : "/day");
    if (asEntered && !IsPlainDailyRate(rate, FTemplate.PerUnitRateLimit)) {
      const std::string cargo(Trim(PrintedCargoUnits()));
      unit += "/" + (cargo.empty() ? std::string("unit") : cargo);
    }
    return unit;
  }

  void RateBand(const char* name, const char* label, double rate, bool asEntered) {
    TBandBuilder b(name, BodyFont, BodyRow);
    b.Text(0.0, TermLabelWidth, label);
    b.Text(TermUnit, TermValueLeft - TermUnit, RateUnitText(rate, asEntered));
    b.Right(TermValueLeft, TermValueRight, FFigures.RateInUnit(rate));
    b.NextRow();
    Add(b);
  }

  void BuildRates() {
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

  void BuildPortShex() {
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

  void DatedRow(TBandBuilder& b, TDayNumber date, int time, const std::string& text, TStyle style) {
    b.Text(DateWeekday, DateDay - DateWeekday, WeekdayName(date, false));
    b.Text(DateDay, DateTime - DateDay, ZQDateToStr(date, false, FRun.Format), TCaptionAlign::Left,
           style);
    b.Text(DateTime, DateText - DateTime, ZQTimeToStr(time), TCaptionAlign::Left, style);
    b.Text(DateText, Width() - DateText, text);
    b.NextRow();
  }

  void BuildPreAdvise() {
    const TPortRec& port = Port();
    if (!(port.PreAdvDate > 0 || port.PreAdvTime >= 0)) {
      return;
    }
    TBandBuilder b("qrbPreAdvise", BodyFont, BodyRow);
    DatedRow(b, port.PreAdvDate, port.PreAdvTime, "Pre advise given", TStyle::Regular);
    Add(b);
  }

  void BuildSpacer() {
    TBandBuilder b("qrbSpacer", BodyFont, BodyRow);
    b.Gap(BodyRow / 2.0);
    Add(b);
  }

  void BuildDateTimeInfo() {
    const TPortItem& item = Item();
    const TPortRec& port = item.PortData;
    const TPortInfoCollection& infos = item.PortInfoCollection;
    for (int i = 0; i < infos.Count(); ++i) {
      const TDateTimeInfoRec& info = infos.GetItem(i).FDateTimeInfoRec;
      if (!(info.Date > 0) && info.Time == EmptyTime) {
        continue;
      }
      TBandBuilder b("qrbDateTimeInfo", BodyFont, BodyRow);
      DatedRow(b, info.Date, info.Time, AdaptOperationWords(info.Text, port.OpLoading),
               TStyle::Regular);
      Add(b);
    }
    for (const TDateTimeInfoRec* info : {&port.LayTimeCountFrom, &port.LayTimeOpCompleted}) {
      TBandBuilder b("qrbDateTimeInfo", BodyFont, BodyRow);
      DatedRow(b, info->Date, info->Time, AdaptOperationWords(info->Text, port.OpLoading),
               TStyle::Bold);
      Add(b);
    }
  }

  void BuildStatementOfFacts() {
    const TSoFCollection& lines = Item().SoFResultCollection;
    if (lines.Count() == 0) {
      return;
    }
    TBandBuilder header("qrbSoFHeader", SoFFont, SoFRow);
    header.Gap(3.0);
    header.Rule(0.0, Width());
    header.Text(SoFWeekday, SoFFrom - SoFWeekday, "Date");
    header.Text(SoFFrom, SoFUntil - SoFFrom, "From");
    header.Text(SoFUntil, 30.0, "Until");
    header.Right(130.0, SoFPctRight, "% to count");
    header.Text(SoFRemark, SoFRemarkWidth, "Remarks/Description");
    header.Right(380.0, SoFUsedRight, "Time used");
    header.Right(430.0, Width(), "Total time   days  hh:mm");
    header.NextRow();
    header.Rule(0.0, Width());
    Add(header);

    for (int i = 0; i < lines.Count(); ++i) {
      BuildSoFLine(lines.GetItem(i), i + 1 == lines.Count());
    }
  }

  void BuildSoFLine(const TSoFLine& line, bool last) {
    const TSoFRec& rec = line.SoFRec();
    TDayNumber day = EmptyDay;
    int minute = EmptyTime;
    const TMinuteStamp stamp = DayTimeToMinutes(line.GetFromDate(), line.GetFromTime());
    if (stamp > 0) {
      const TDayTime start = MinutesToDayTime(stamp);
      day = start.Day;
      minute = start.Minute;
    }
    const bool showDate = day != FLastPrintedDate;
    FLastPrintedDate = day;
    FRunningTotal += rec.FResMinsToCount;

    TBandBuilder b("qrbSoFLine", SoFFont, SoFRow);
    if (showDate) {
      b.Text(SoFWeekday, SoFDate - SoFWeekday, WeekdayName(day, false));
      b.Text(SoFDate, SoFFrom - SoFDate, ZQDateToStr(day, false, FRun.Format));
    }
    std::vector<std::string> remark;
    if (IsSyntheticRemark(rec.FRemark)) {
      b.Text(SoFFrom, SoFUntil - SoFFrom, ZQTimeToStr(rec.FUntilTime));
      remark = b.Wrap(rec.FRemark.substr(SyntheticLineMarker.size()), SoFRemarkWidth, FRun.Metrics);
      WriteRemark(b, remark, TStyle::Bold);
    } else {
      b.Text(SoFFrom, SoFUntil - SoFFrom, ZQTimeToStr(minute));
      b.Text(SoFUntil, SoFPctRight - SoFUntil - 40.0, ZQTimeToStr(rec.FUntilTime));
      b.Right(SoFPctRight - 40.0, SoFPctRight, FFigures.SharePct(rec.FPct));
      b.Right(SoFRemark + SoFRemarkWidth, SoFUsedRight, ZQTimeToStr(rec.FResMinsToCount),
              TStyle::Bold);
      std::string days;
      std::string time;
      ShowDaysAndTime(FRunningTotal, &days, time);
      b.Right(SoFUsedRight + 5.0, SoFDaysRight, days);
      b.Right(SoFDaysRight + 5.0, Width(), time);
      remark = b.Wrap(rec.FRemark, SoFRemarkWidth, FRun.Metrics);
      WriteRemark(b, remark, TStyle::Regular);
    }
    if (last) {
      b.Rule(0.0, Width());
    }
    Add(b);
  }

  static void WriteRemark(TBandBuilder& b, const std::vector<std::string>& lines, TStyle style) {
    for (const std::string& text : lines) {
      b.Text(SoFRemark, SoFRemarkWidth, text, TCaptionAlign::Left, style);
      b.NextRow();
    }
  }

  // ---- Result bands -----------------------------------------------------------------------

  void BuildResults() {
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

  void DaysClockCaptions(TBandBuilder& b, double daysLeft, double daysRight, double d, double clock,
                         TDuration minutes, TStyle style = TStyle::Regular) {
    std::string days;
    std::string time;
    ShowDaysAndTime(minutes, &days, time);
    b.Right(daysLeft, daysRight, days, style);
    b.Text(d, 10.0, "d", TCaptionAlign::Left, style);
    b.Text(clock, 35.0, time, TCaptionAlign::Left, style);
  }

  void AccountRow(TBandBuilder& b, const std::string& label, TDuration minutes,
                  TStyle style = TStyle::Regular) {
    b.Text(0.0, AccountLabelWidth, label, TCaptionAlign::Left, style);
    DaysClockCaptions(b, AccountDaysLeft, AccountDaysRight, AccountD, AccountClock, minutes, style);
  }

  void WaitedBeside(TBandBuilder& b, TDuration waited) {
    if (waited <= 0) {
      return;
    }
    b.Text(SideLabel, SideDaysLeft - SideLabel, "thereof waited:");
    DaysClockCaptions(b, SideDaysLeft, SideDaysRight, SideD, SideClock, waited);
  }

  void BuildPortResult() {
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

  TDuration PortSavedFigure() const {
    const TPortRec& port = Port();
    return port.PortDespatchMode == TCalcDespatch::calcSavedtime ? port.TimeSaved : port.M1;
  }

  // The time of a saved figure: decimal days when the end result shows them, else days and
  // clock; despatch time is never shown in hours.
  void SavedTime(TAmountLine& line, TDuration minutes) const {
    if (FSettings.ShowDecimalDayResult) {
      line.Time = FFigures.DecimalDays(minutes);
      line.TimeUnit = "days at";
      return;
    }
    line.Time = FFigures.DaysAndClock(minutes);
    line.TimeUnit = "hrs  at";
  }

  // The time of a lost figure: decimal days or decimal hours by the rate unit when the end
  // result shows decimal days, else days and clock.
  void LostTime(TAmountLine& line, TDuration minutes, const char* daysUnit,
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

  void SetRate(TAmountLine& line, double dailyRate) const {
    const TFigureTexts::TRate rate = FFigures.RateByUnit(dailyRate);
    line.Rate = rate.Rate;
    line.RateUnit = rate.Unit;
  }

  TAmountLine ZeroDemurrageLine(double demurrageRate) const {
    TAmountLine line;
    line.Caption = "Demurrage due:";
    line.Time = RealToStr(0.0, FSettings.DayDecimals, true, FRun.Format);
    line.TimeUnit = "days at";
    SetRate(line, demurrageRate);
    line.Amount = 0.0;
    return line;
  }

  TAmountLine PortAmountLine() const {
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

  void AddAmountLine(const TAmountLine& line) {
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
    b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency,
           TCaptionAlign::Left, TStyle::Bold);
    b.Right(AmountValueLeft, Width(), FFigures.Money(line.Amount), TStyle::Bold);
    b.NextRow();
    if (!CommissionApplies()) {
      b.Rule(0.0, Width());
    }
    Add(b);
  }

  void BuildTierRows() {
    const TPortItem& item = Item();
    const TTieredRates& rates = item.TieredDemurrageRates;
    const ITieredTimes* times = item.PortData.TieredTimes.get();
    if (FVoyage.ProRataPerPort && HasPartner()) {
      const TDetailView d = Detail();
      times = d.TieredTimes != nullptr ? d.TieredTimes : &FNoTiers;
    }
    if (times == nullptr) {
      times = &FNoTiers;
    }
    for (int i = 0; i < rates.GetCount(); ++i) {
      const TTieredRate& tier = rates.GetItem(i);
      const Currency amount = times->Calc(i, tier.Rate);
      if (rates.IsEmptyRec(i) || amount == Currency()) {
        continue;
      }
      const auto minutes = static_cast<TDuration>(times->GetMinutesAllocatedToTier(i));
      TAmountLine line;
      LostTime(line, minutes, "days at", "hrs  at");
      SetRate(line, tier.Rate);
      TBandBuilder b("qrbAmountDueTiered", BodyFont, BodyRow);
      b.Right(AmountCaptionWidth, AmountTimeRight, line.Time);
      b.Text(AmountTimeUnit, AmountCurrency1 - AmountTimeUnit, line.TimeUnit);
      b.Text(AmountCurrency1, 30.0, FVoyage.Currency);
      b.Right(AmountCurrency1 + 30.0, AmountRateRight, line.Rate);
      b.Text(AmountRateUnit, AmountCurrency2 - AmountRateUnit, line.RateUnit);
      b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency);
      b.Right(AmountValueLeft, Width(), FFigures.Money(amount), TStyle::Bold);
      b.NextRow();
      Add(b);
    }
  }

  void BuildTieredSummary() {
    const double amount =
        OnTimeWithPartners() ? Detail().DemurrageAmount.ToDouble() : Port().Demurrage;
    TBandBuilder b("qrbTieredSummary", BodyFont, BodyRow);
    b.Rule(AmountCurrency2, Width());
    b.Text(0.0, AmountCaptionWidth, "Demurrage due:", TCaptionAlign::Left, TStyle::Bold);
    b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency);
    b.Right(AmountValueLeft, Width(), FFigures.Money(amount), TStyle::Bold);
    b.NextRow();
    b.Rule(AmountCurrency2, Width());
    Add(b);
  }

  void ShareRows(TBandBuilder& b, double quantity, double total, double percentage, double amount,
                 TStyle amountStyle) {
    b.Text(0.0, AmountCaptionWidth, "Share of:");
    b.Text(AmountCaptionWidth, Width() - AmountCaptionWidth,
           FCalc.ProRata.GetItem(FPartner).ProRataRec.Charterer);
    b.NextRow();
    b.Text(0.0, AmountCaptionWidth, "Cargo quantity:");
    b.Right(AmountCaptionWidth, ShareQtyRight, FFigures.Quantity(quantity));
    b.Text(ShareOf, 15.0, "of");
    b.Right(ShareOf + 15.0, ShareTotalRight, FFigures.Quantity(total));
    b.Text(ShareEquals, 10.0, "=");
    b.Right(ShareEquals + 10.0, SharePctRight, FFigures.SharePct(percentage));
    b.Text(SharePctSign, 10.0, "%");
    b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency,
           TCaptionAlign::Left, TStyle::Bold);
    b.Right(AmountValueLeft, Width(), FFigures.Money(amount), amountStyle);
    b.NextRow();
  }

  void BuildSharePerPort() {
    if (!(PartnersPresent() && FVoyage.ProRataPerPort && OnQuantityMethod())) {
      return;
    }
    const TDetailView d = Detail();
    TBandBuilder b("qrbProRataSharePerPort", BodyFont, BodyRow);
    ShareRows(b, d.Quantity, FCalc.ProRata.TotalQuantityForPort(FPort), d.Percentage,
              std::abs((d.DemurrageAmount - d.DespatchAmount).ToDouble()), TStyle::BoldUnderline);
    Add(b);
    if (IsLastPort() && FSettings.PrintMultiplePortSummary) {
      const TProRataItem& partner = FCalc.ProRata.GetItem(FPartner);
      TBandBuilder t("qrbProRataSharePerPortBalance", BodyFont, BodyRow);
      BalanceRow(t, "Total Demurrage net", "", partner.TotalDemurrageValue().ToDouble());
      BalanceRow(t, "Total Despatch", "", partner.TotalDespatchValue().ToDouble());
      BalanceRow(t, "Total Commission", "", partner.TotalCommissionValue().ToDouble());
      t.Rule(AmountCurrency2, Width());
      BalanceRow(t, "Balance:", "", partner.NetAmountDue().ToDouble(), TStyle::Bold);
      t.Rule(AmountCurrency2, Width(), TRuleStyle::Double);
      Add(t);
    }
  }

  void BalanceRow(TBandBuilder& b, const std::string& label, const std::string& word, double amount,
                  TStyle labelStyle = TStyle::Regular) {
    b.Text(BalanceLabel, BalanceWord - BalanceLabel, label, TCaptionAlign::Left, labelStyle);
    b.Text(BalanceWord, AmountCurrency2 - BalanceWord, word);
    b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency);
    b.Right(AmountValueLeft, Width(), FFigures.Money(amount), labelStyle);
    b.NextRow();
  }

  std::string GroupWord() const {
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

  void BuildGroupAccount() {
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

  TGroupSet GroupSet() const {
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

  void BuildGroupResult() {
    const TGroupSet set = GroupSet();
    TBandBuilder b("qrbPortSummaryResult", BodyFont, BodyRow);
    AccountRow(b, "Total time allowed for " + GroupWord(), set.TimeAllowed);
    b.NextRow();
    AccountRow(b, "Total time used:", UsedAndWaited(set.TimeUsed, set.TimeWaited));
    WaitedBeside(b, set.TimeWaited);
    b.NextRow();
    b.Rule(0.0, AccountRuleRight);
    const TDuration saved =
        set.DespatchMode == TCalcDespatch::calcSavedtime ? set.TimeSaved : set.M1;
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

  void BuildAveragedResult() {
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
    AccountRow(b, saved ? "Resulting time saved:" : "Resulting time lost:", difference,
               TStyle::Bold);
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

  TCommissionValues AllPortsCommission() const {
    return {FVoyage.CommissionPctAllPorts, FVoyage.CommissionAllPorts,
            FVoyage.DemurrageAllPorts - FVoyage.CommissionAllPorts};
  }

  // The commission values of the band that owns the port's amount line.
  TCommissionValues CommissionOfOwner() const {
    if (IsAveragedLast()) {
      return AllPortsCommission();
    }
    if (IsGroupLastPort()) {
      const TGroupSet set = GroupSet();
      return {set.CommissionPct, set.Commission, set.Demurrage - set.Commission};
    }
    if (Mode() == TPortMode::AllAverage) {
      return AllPortsCommission();
    }
    const TPortRec& port = Port();
    return {port.PortCommissionPct, port.Commission, port.Demurrage - port.Commission};
  }

  void CommissionRows(TBandBuilder& b, const std::string& percentage, double commission,
                      double net) {
    b.Text(AmountCaptionWidth, 25.0, "Less");
    b.Right(AmountCaptionWidth + 25.0, AmountTimeRight, percentage);
    b.Text(AmountTimeUnit, AmountCurrency1 - AmountTimeUnit, "% Commission");
    b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency);
    b.Right(AmountValueLeft, Width(), FFigures.Money(commission));
    b.NextRow();
    b.Rule(AmountCurrency2, Width());
    b.Text(AmountTimeUnit, AmountCurrency2 - AmountTimeUnit, "Amount due", TCaptionAlign::Left,
           TStyle::Bold);
    b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency,
           TCaptionAlign::Left, TStyle::Bold);
    b.Right(AmountValueLeft, Width(), FFigures.Money(net), TStyle::Bold);
    b.NextRow();
  }

  void BuildCommission(const TCommissionValues& values) {
    TBandBuilder b("qrbCommission", BodyFont, BodyRow);
    CommissionRows(b, FFigures.CommissionPct(values.Percentage), values.Commission, values.Net);
    b.Rule(0.0, Width());
    Add(b);
  }

  bool VoyageSummaryApplies() const {
    return IsVoyageLast() && FSettings.PrintMultiplePortSummary && FPortCount > 1 &&
           !FVoyage.ProRataPerPort;
  }

  void BuildBalance() {
    if (!(VoyageSummaryApplies() && !FVoyage.DespatchDisabled && OnQuantityMethod())) {
      return;
    }
    const TNetAmounts net = GetNetAmounts(FVoyage);
    TBandBuilder b("qrbBalance", BodyFont, BodyRow);
    b.Gap(2.0);
    BalanceRow(b, "Total Demurrage net", "", net.DemurrageNet);
    BalanceRow(b, "Total Despatch", "", net.Despatch);
    b.Rule(AmountCurrency2, Width());
    if (net.DemurrageNet >= net.Despatch) {
      BalanceRow(b, "Balance:", "Demurrage", net.DemurrageNet - net.Despatch, TStyle::Bold);
    } else {
      BalanceRow(b, "Balance:", "Despatch", net.Despatch - net.DemurrageNet, TStyle::Bold);
    }
    b.Rule(AmountCurrency2, Width(), TRuleStyle::Double);
    Add(b);
  }

  void BuildBalanceNoDespatch() {
    if (!(VoyageSummaryApplies() && FVoyage.DespatchDisabled && !OnTimeWithPartners())) {
      return;
    }
    const TNetAmounts net = GetNetAmounts(FVoyage);
    TBandBuilder b("qrbBalanceNoDespatch", BodyFont, BodyRow);
    b.Gap(2.0);
    b.Rule(AmountCurrency2, Width());
    BalanceRow(b, "Total Demurrage", "", std::max(net.DemurrageNet - net.Despatch, 0.0),
               TStyle::Bold);
    b.Rule(AmountCurrency2, Width(), TRuleStyle::Double);
    Add(b);
  }

  void BuildProRata() {
    if (!(IsLastPort() && PartnersPresent() && OnQuantityMethod() && !FVoyage.ProRataPerPort)) {
      return;
    }
    const TProRataItem& partner = FCalc.ProRata.GetItem(FPartner);
    const TNetAmounts net = GetNetAmounts(FVoyage);
    const double percentage = EmptyToZero(partner.Percentage());
    double share = 0.0;
    if (!(FVoyage.DespatchDisabled && net.Despatch > net.DemurrageNet)) {
      share = std::abs(net.DemurrageNet - net.Despatch) * percentage / 100.0;
    }
    TBandBuilder b("qrbProRata", BodyFont, BodyRow);
    b.Gap(2.0);
    ShareRows(b, partner.ProRataRec.Quantity, FCalc.ProRata.TotalQuantity(), partner.Percentage(),
              share, TStyle::Bold);
    b.Rule(0.0, Width());
    Add(b);
  }

  void BuildTankerProRata() {
    if (!OnTimeWithPartners()) {
      return;
    }
    const TPortRec& port = Port();
    const TDetailView d = Detail();
    TBandBuilder b("qrbTankerProRata", BodyFont, BodyRow);
    b.Gap(2.0);
    b.Text(0.0, AccountLabelWidth, "Share of:");
    b.Text(AccountDaysLeft, Width() - AccountDaysLeft,
           FCalc.ProRata.GetItem(FPartner).ProRataRec.Charterer);
    b.NextRow();
    AccountRow(b, "Time allowed:", d.AllocatedMinutes);
    b.Text(SideLabel, Width() - SideLabel,
           d.LessThanMinimum ? "Minimum Allowance" : "Pro Rata Allowance");
    b.NextRow();
    AccountRow(b, "Time used:", d.SharedMinutes);
    b.Text(SideLabel, 30.0, "Share:");
    b.Right(SideLabel + 25.0, 365.0, FFigures.SharePct(d.Percentage));
    b.Text(368.0, 10.0, "%");
    b.Text(382.0, 15.0, "of");
    DaysClockCaptions(b, 395.0, 425.0, 429.0, 439.0, UsedAndWaited(port.TimeUsed, port.TimeWaited));
    b.NextRow();
    b.Rule(0.0, AccountRuleRight);
    const TDuration balance = d.AllocatedMinutes - d.SharedMinutes;
    if (balance > 0) {
      AccountRow(b, "Time saved:", balance, TStyle::Bold);
    } else {
      AccountRow(b, "Time lost:", -balance, TStyle::Bold);
    }
    b.NextRow();
    b.Rule(0.0, Width());
    Add(b);

    TAmountLine line;
    line.Caption = "Partner demurrage due:";
    LostTime(line, std::max(d.SharedMinutes - d.AllocatedMinutes, 0), "days pro rata at",
             "hrs pro rata at");
    SetRate(line, port.PortDemurrageRate);
    TBandBuilder due("qrbTankerProRataDue", BodyFont, BodyRow);
    due.Text(0.0, AmountCaptionWidth, line.Caption, TCaptionAlign::Left, TStyle::Bold);
    due.Right(AmountCaptionWidth, AmountTimeRight, line.Time);
    due.Text(AmountTimeUnit, AmountCurrency1 - AmountTimeUnit, line.TimeUnit);
    due.Text(AmountCurrency1, 30.0, FVoyage.Currency);
    due.Right(AmountCurrency1 + 30.0, AmountRateRight, line.Rate);
    due.Text(AmountRateUnit, AmountCurrency2 - AmountRateUnit, line.RateUnit);
    due.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency);
    due.Right(AmountValueLeft, Width(), FFigures.Money(d.DemurrageAmount), TStyle::Bold);
    due.NextRow();
    Add(due);

    const double pct = EmptyToZero(port.PortCommissionPct);
    if (!FVoyage.ProRataPerPort && pct != 0.0) {
      TBandBuilder c("qrbTankerProRataCommission", BodyFont, BodyRow);
      CommissionRows(c, FFigures.SharePct(port.PortCommissionPct), d.CommissionAmount.ToDouble(),
                     d.NetAmount.ToDouble());
      Add(c);
    }
  }

  void BuildTankerProRataBalance() {
    if (!(IsLastPort() && OnTimeWithPartners() && FPortCount > 1)) {
      return;
    }
    TBandBuilder b("qrbTankerProRataBalance", BodyFont, BodyRow);
    b.Gap(2.0);
    b.Rule(AmountCurrency2, Width());
    BalanceRow(b, "Total Amount due", "", FCalc.ProRata.GetItem(FPartner).NetAmountDue().ToDouble(),
               TStyle::Bold);
    b.Rule(AmountCurrency2, Width(), TRuleStyle::Double);
    Add(b);
  }

  const TResultReport& FReport;
  const TCalculation& FCalc;
  const TVoyageRec& FVoyage;
  const TTemplateSettings& FTemplate;
  const TProgramSettings& FSettings;
  const TReportRun& FRun;
  TFigureTexts FFigures;
  const int FPortCount;
  const TTieredTimes FNoTiers;

  TReportDocument FDoc;
  int FPort = -1;
  int FPartner = 0;
  int FLastLoadingPort = -1;
  int FLastDischargingPort = -1;
  TDayNumber FLastPrintedDate = EmptyDay;
  TDuration FRunningTotal = 0;
};

} // namespace

TResultReport::TResultReport() : Logo(BuiltinLogo()) {}

void TResultReport::LoadHeaderFromTemplate(const TTemplateSettings& settings,
                                           std::shared_ptr<const TReportImage> logo) {
  Title.Text = settings.ReportTitle;
  Title.Font.Family =
      settings.ReportTitleFontName.empty() ? std::string("Arial") : settings.ReportTitleFontName;
  Title.Font.Size = settings.ReportTitleFontSize < 2 ? 10.0 : settings.ReportTitleFontSize;
  Title.Font.Bold = (settings.ReportTitleFontStyle & 1) != 0;
  Title.Font.Italic = (settings.ReportTitleFontStyle & 2) != 0;
  Title.Font.Underline = (settings.ReportTitleFontStyle & 4) != 0;
  Title.Font.StrikeOut = (settings.ReportTitleFontStyle & 8) != 0;
  Logo = logo ? std::move(logo) : BuiltinLogo();
  LogoScale = settings.LogoScale;
  AdjustHeader(settings.ReportTitlePosition);
}

THeaderLayout TResultReport::HeaderLayout(const IFontMetrics& metrics) const {
  auto units = [](double points) {
    return static_cast<int>(std::ceil(points / PointsPerLayoutUnit));
  };
  const int scale = std::max(LogoScale, 1);
  THeaderLayout design;
  design.Logo = {8, 4, Logo ? Logo->Width / scale : 0, Logo ? Logo->Height / scale : 0};
  design.Title = {100, 4, units(metrics.TextWidth(Title.Font, Title.Text)),
                  units(metrics.LineHeight(Title.Font))};
  design.Date = {HeaderDateLeft, 4, 100, units(metrics.LineHeight(BodyFont))};
  design.PageNumber = {HeaderUsableWidth - 60, 4, 60, units(metrics.LineHeight(BodyFont))};
  return laytime::AdjustHeader(FTitlePosition, design);
}

TReportDocument TResultReport::Build(const TCalculation& calculation, const TReportRun& run) const {
  return TReportRunBuilder(*this, calculation, run).Build();
}

} // namespace laytime
