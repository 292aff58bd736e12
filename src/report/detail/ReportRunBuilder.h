// What the sources of the result report share: the layout of its bands and the builder of one
// run, whose bands are defined in one source per concern (page frame, port terms, dated rows and
// statement of facts, results, tiers, commission, group results, balances, partner shares).
#pragma once

#include "core/FormatContext.h"
#include "core/Settings.h"
#include "model/TCalculation.h"
#include "model/TTieredTimes.h"
#include "report/BandBuilder.h"
#include "report/FigureTexts.h"
#include "report/ResultReport.h"

#include <cstdint>
#include <string>
#include <vector>

namespace laytime::detail {

// Row heights in points.
inline constexpr double BodyRow = 12.5;
inline constexpr double SoFRow = 11.0;
inline constexpr double FooterRow = 9.0;

// Columns of the port's term bands: label, unit text, right-aligned value, text.
inline constexpr double TermLabelWidth = 120.0;
inline constexpr double TermUnit = 125.0;
inline constexpr double TermValueLeft = 185.0;
inline constexpr double TermValueRight = 275.0;
inline constexpr double TermText = 285.0;

// Columns of the dated rows: weekday, date, time, text.
inline constexpr double DateWeekday = 0.0;
inline constexpr double DateDay = 25.0;
inline constexpr double DateTime = 95.0;
inline constexpr double DateText = 135.0;

// Columns of the statement of facts (9 point).
inline constexpr double SoFWeekday = 0.0;
inline constexpr double SoFDate = 24.0;
inline constexpr double SoFFrom = 80.0;
inline constexpr double SoFUntil = 110.0;
inline constexpr double SoFPctRight = 178.0;
inline constexpr double SoFRemark = 186.0;
inline constexpr double SoFRemarkWidth = 194.0;
inline constexpr double SoFUsedRight = 425.0;
inline constexpr double SoFDaysRight = 490.0;

// The form days, d, hh:mm of the time accounts, and the second figure beside it.
inline constexpr double AccountLabelWidth = 185.0;
inline constexpr double AccountDaysLeft = 190.0;
inline constexpr double AccountDaysRight = 230.0;
inline constexpr double AccountD = 234.0;
inline constexpr double AccountClock = 244.0;
inline constexpr double AccountRuleRight = 280.0;
inline constexpr double SideLabel = 300.0;
inline constexpr double SideDaysLeft = 380.0;
inline constexpr double SideDaysRight = 410.0;
inline constexpr double SideD = 414.0;
inline constexpr double SideClock = 424.0;

// The amount line: caption, time figure, time unit, currency, rate, rate unit, currency, amount.
inline constexpr double AmountCaptionWidth = 125.0;
inline constexpr double AmountTimeRight = 190.0;
inline constexpr double AmountTimeUnit = 195.0;
inline constexpr double AmountCurrency1 = 280.0;
inline constexpr double AmountRateRight = 380.0;
inline constexpr double AmountRateUnit = 384.0;
inline constexpr double AmountCurrency2 = 430.0;
inline constexpr double AmountValueLeft = 460.0;

// Partner shares on quantity.
inline constexpr double ShareQtyRight = 200.0;
inline constexpr double ShareOf = 205.0;
inline constexpr double ShareTotalRight = 300.0;
inline constexpr double ShareEquals = 305.0;
inline constexpr double SharePctRight = 365.0;
inline constexpr double SharePctSign = 368.0;

// Balances: label, second word.
inline constexpr double BalanceLabel = 195.0;
inline constexpr double BalanceWord = 280.0;

inline const TReportFont BodyFont{"Arial", 10.0};
inline const TReportFont SoFFont{"Arial", 9.0};
inline const TReportFont FooterFont{"Arial", 7.0};

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
TDuration Magnitude(TDuration minutes);

// Used plus waited time, held within the range of a duration.
TDuration UsedAndWaited(TDuration used, TDuration waited);

std::string Formatted(const char* format, const std::string& a, const std::string& b,
                      const std::string& c);

// One run of the report: the state of the walk over passes and ports, and the bands it yields.
class TReportRunBuilder {
public:
  TReportRunBuilder(const TResultReport& report, const TCalculation& calculation,
                    const TReportRun& run);
  TReportDocument Build();

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
  bool MorePassesFollow() const;
  bool PartnersPresent() const;

  // The partner index names an existing partner line. Only the tier rows ask; every other band
  // that shows a share reads the partner line and so fails on an index the caller got wrong.
  bool HasPartner() const { return FPartner >= 0 && FPartner < PartnerLines(); }
  bool OnTimeMethod() const;
  bool OnQuantityMethod() const { return !OnTimeMethod(); }
  bool OnTimeWithPartners() const { return OnTimeMethod() && PartnersPresent(); }
  bool IsGroupPort() const;
  bool IsGroupLastPort() const;
  bool ShowsPortResult() const;
  bool HasAmountBlock() const;
  bool IsAveragedLast() const;
  bool IsVoyageLast() const;
  bool CommissionApplies() const;
  bool TieredAmountPositive() const;

  // The current partner's detail at the current port; std::out_of_range when the partner index
  // names no partner line.
  TDetailView Detail() const;

  // ---- Bands of the page frame ------------------------------------------------------------
  void BuildPageFrame();
  void BuildPageHeader();
  void BuildVesselLine();

  // ---- The bands of a port ----------------------------------------------------------------
  void BuildPort();
  void Add(TBandBuilder& builder) { FDoc.Body.push_back(builder.Finish()); }
  double Width() const { return FDoc.Page.UsableWidth(); }
  void BuildVoyageHeader();
  void BuildVoyageMemo();

  // The allowance source of the port: a group's all-purpose terms or the port's own.
  struct TAllowanceSource {
    std::string Note;
    double Rate = EmptyReal;
    TLoadUnits Units = TLoadUnits::load_undef;
    std::int32_t AddDays = EmptyDay;
    std::int16_t AddTime = EmptyTime;
  };

  TAllowanceSource AllowanceSource() const;

  // The cargo unit as the port details print it: only beside a quantity.
  std::string PrintedCargoUnits() const;
  void BuildPortDetails();
  static std::string LoadUnitText(TLoadUnits units, const std::string& cargoUnits);
  void BuildAddAllowance();
  void BuildCalculatedTimeAllowed();
  void BuildMinTimeAllowed();

  // The rate unit text: currency per day or hour, and per cargo unit for a port's own rate that
  // is not a plain daily amount. The cargo unit is the one the port details print, so a port
  // without a quantity reads "unit".
  std::string RateUnitText(double rate, bool asEntered) const;
  void RateBand(const char* name, const char* label, double rate, bool asEntered);
  void BuildRates();
  void BuildPortShex();
  void DatedRow(TBandBuilder& b, TDayNumber date, int time, const std::string& text, TStyle style);
  void BuildPreAdvise();
  void BuildSpacer();
  void BuildDateTimeInfo();
  void BuildStatementOfFacts();
  void BuildSoFLine(const TSoFLine& line, bool last);
  static void WriteRemark(TBandBuilder& b, const std::vector<std::string>& lines, TStyle style);

  // ---- Result bands -----------------------------------------------------------------------
  void BuildResults();
  void DaysClockCaptions(TBandBuilder& b, double daysLeft, double daysRight, double d, double clock,
                         TDuration minutes, TStyle style = TStyle::Regular);
  void AccountRow(TBandBuilder& b, const std::string& label, TDuration minutes,
                  TStyle style = TStyle::Regular);
  void WaitedBeside(TBandBuilder& b, TDuration waited);
  void BuildPortResult();
  TDuration PortSavedFigure() const;

  // The time of a saved figure: decimal days when the end result shows them, else days and
  // clock; despatch time is never shown in hours.
  void SavedTime(TAmountLine& line, TDuration minutes) const;

  // The time of a lost figure: decimal days or decimal hours by the rate unit when the end
  // result shows decimal days, else days and clock.
  void LostTime(TAmountLine& line, TDuration minutes, const char* daysUnit,
                const char* hoursUnit) const;
  void SetRate(TAmountLine& line, double dailyRate) const;
  TAmountLine ZeroDemurrageLine(double demurrageRate) const;
  TAmountLine PortAmountLine() const;
  void AddAmountLine(const TAmountLine& line);
  void BuildTierRows();
  void BuildTieredSummary();
  void ShareRows(TBandBuilder& b, double quantity, double total, double percentage, double amount,
                 TStyle amountStyle);
  void BuildSharePerPort();
  void BalanceRow(TBandBuilder& b, const std::string& label, const std::string& word, double amount,
                  TStyle labelStyle = TStyle::Regular);
  std::string GroupWord() const;
  void BuildGroupAccount();
  TGroupSet GroupSet() const;
  void BuildGroupResult();
  void BuildAveragedResult();
  TCommissionValues AllPortsCommission() const;

  // The commission values of the band that owns the port's amount line.
  TCommissionValues CommissionOfOwner() const;
  void CommissionRows(TBandBuilder& b, const std::string& percentage, double commission,
                      double net);
  void BuildCommission(const TCommissionValues& values);
  bool VoyageSummaryApplies() const;
  void BuildBalance();
  void BuildBalanceNoDespatch();
  void BuildProRata();
  void BuildTankerProRata();
  void BuildTankerProRataBalance();
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

} // namespace laytime::detail
