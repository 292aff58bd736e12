#include "calc/CountPortTime.h"

#include "calc/SyntheticLineMarker.h"
#include "core/DayTime.h"
#include "core/Rounding.h"
#include "model/TCalculation.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

namespace laytime {

namespace {

// Moments are handled as 64-bit minute stamps inside the count, so that the midnight after the
// last representable day cannot overflow.
using TStamp = std::int64_t;

constexpr int DaysPerWeek = 7;

// The line that carries all-time-saved counting on after the statement of facts has run out
// ends at day 1489868, 24:00.
constexpr TStamp EndlessLineEnd = TStamp{1489868} * MinutesPerDay + MinutesPerDay;

TStamp Stamp(TDayNumber day, int minute) {
  return DayTimeToMinutes(day, minute);
}

TDayNumber DayOf(TStamp stamp) {
  TStamp day = stamp / MinutesPerDay;
  if (stamp % MinutesPerDay < 0)
    --day;
  return static_cast<TDayNumber>(day);
}

TStamp StartOfDay(TDayNumber day) {
  return TStamp{day} * MinutesPerDay;
}

// 0 Sunday … 6 Saturday; day 0 is a Saturday.
int Weekday(TDayNumber day) {
  int remainder = day % DaysPerWeek;
  if (remainder < 0)
    remainder += DaysPerWeek;
  return (remainder + 6) % DaysPerWeek;
}

std::int32_t ClampToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min() + 1,
                               std::numeric_limits<std::int32_t>::max()));
}

// A percentage outside 0..100 never passes validation; unchecked data are held within those
// bounds (an empty percentage counts 0) so that they cannot turn into absurd counts.
double BoundedPct(double pct) {
  if (!(pct > 0.0))
    return 0.0;
  return std::min(pct, 100.0);
}

// Minutes to the nearest whole minute, ties to even. The rounding ignores binary noise: 750
// minutes at 2.2 % are the tie 16.5, which counts 16, although the product comes out a hair
// above it.
std::int64_t NearestMinute(double minutes) {
  return RoundWithMode(minutes, TRoundingMode::Nearest);
}

// The minutes a period counts: elapsed × percentage / 100, to the nearest minute, ties to even.
std::int64_t CountedMinutes(std::int64_t elapsed, double pct) {
  const double bounded = BoundedPct(pct);
  // Most periods count in full or not at all; those need no rounding.
  if (bounded == 100.0)
    return elapsed;
  if (bounded == 0.0)
    return 0;
  return NearestMinute(static_cast<double>(elapsed) * bounded / 100.0);
}

bool IsOneOf(TFactCode code, std::initializer_list<TFactCode> codes) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// Conditions that keep their own percentage inside the SHEX window.
bool KeepsCountingInShex(TFactCode code) {
  return IsOneOf(code, {TFactCode::alwpart_tfact, TFactCode::excl_tfact, TFactCode::shinc_tfact,
                        TFactCode::shpart_tfact});
}

// Conditions that do not count in full once on demurrage, always on demurrage.
bool KeepsOwnCountOnDemurrage(TFactCode code) {
  return IsOneOf(code, {TFactCode::alwpart_tfact, TFactCode::excl_tfact, TFactCode::wait_tfact});
}

// Conditions inside the window that do not suggest a working period entered by mistake.
bool IsExpectedInShex(TFactCode code) {
  return IsOneOf(code, {TFactCode::undef_tfact, TFactCode::shinc_tfact, TFactCode::shpart_tfact});
}

// The line a period takes its condition from: a statement-of-facts line or a filler line.
// The texts point into the statement of facts, the template settings or constants, all of
// which outlive the count.
struct TCountLine {
  TStamp End = 0;
  TFactCode Condition = TFactCode::undef_tfact;
  double Pct = 0.0;
  std::string_view PctDisplay;
  std::string_view Remark;
};

// One period: from the cursor to at most the next midnight.
struct TPeriod {
  TStamp Begin = 0;
  TStamp End = 0;
  TDayNumber Day = 0;
  TFactCode Condition = TFactCode::undef_tfact;
  double Pct = 0.0;
  std::string_view PctDisplay;
  std::string_view Remark;
  std::int64_t MinutesToCount = 0; ///< the minutes the result line shows

  std::int64_t Elapsed() const { return End - Begin; }
  TMinuteOfDay BeginMinute() const { return static_cast<TMinuteOfDay>(Begin - StartOfDay(Day)); }
  /// 1440 when the period ends at midnight: a result line keeps 24:00 of its own day.
  TMinuteOfDay EndMinute() const { return static_cast<TMinuteOfDay>(End - StartOfDay(Day)); }
};

class TPortCounter {
public:
  TPortCounter(TCalculation& calculation, int portIndex, TGroupPosition position,
               TCalcDespatch despatchMode, TDuration allowance, bool& onDemurrage,
               TCalcNotices& notices);

  void Run();

private:
  void Prepare();
  bool NextCountPeriod(TPeriod& period);
  void ApplyShexWindow(TPeriod& period);
  void ApplyCompletion(TPeriod& period);
  void ApplyLaytimeExpiry(TPeriod& period);
  void AccumulatePeriod(TPeriod& period);
  void RecordDemurrageStart(const TPeriod& period);
  void WritePeriod(const TPeriod& period);
  void WriteResults();

  bool MayCountAfterCompletion() const;
  bool EndlessLineApplies() const;
  bool ShexWindowCoversWholeWeek() const;
  bool QualifiesForMerge(double pct, TFactCode condition) const;
  std::int64_t CountedBeforeCompletion(const TPeriod& period) const;
  std::string_view CompletionRemark() const;
  static std::string BuildCompletionRemark(const TPortRec& port);
  TCountLine SoFLine(int index) const;
  TCountLine FillerToCompletion() const;
  static TCountLine EndlessLine();
  static void CutAfter(TPeriod& period, std::int64_t minutesToCount);
  static void StorePctDisplay(TSoFLine& line, std::string_view text);
  static void StoreRemark(TSoFLine& line, std::string_view text);
  void AppendLine(TDayNumber day, TMinuteOfDay minute, TFactCode condition, double pct,
                  std::string_view pctDisplay, std::string_view remark, std::int64_t minutes);
  void AppendCaption(TDayNumber day, TMinuteOfDay minute, std::string_view text);

  TPortRec& FRec;
  const TSoFCollection& FSoF;
  TSoFCollection& FResults;
  int FResultCount = 0; ///< result lines written by this count; later ones are left from the last
  const TTemplateSettings& FSettings;
  const bool FAlwaysOnDemurrage;
  const bool FSuppressShexMsg;
  const bool FIsCQD;
  const bool FIsLastOfGroup;
  const TCalcDespatch FDespatchMode;
  bool& FOnDemurrage;
  TCalcNotices& FNotices;
  const std::string FBuiltCompletionRemark;

  bool FHasShex = false;
  int FShexStartDay = 0;
  TStamp FShexStart = 0; ///< S: start day × 1440 + start time
  TStamp FShexEnd = 0;   ///< E: end day (a week later when past the week's end) × 1440 + end time

  TDayTime FStartDayTime;
  TStamp FStart = 0;
  TStamp FCompletion = 0;
  TStamp FCursor = 0;

  TCountLine FCurrent;
  int FNextLine = 0;
  int FLineCount = 0;
  bool FExhausted = false;
  bool FReachesCompletion = false;
  bool FPastCompletion = false;
  bool FPrevOnDemurrage = false;
  bool FInShex = false;
  bool FPrevInShex = false;

  std::int64_t FTimeAllowed = 0;
  std::int64_t FTimeRemaining = 0;
  std::int64_t FLaytime = 0;
  std::int64_t FTimeUsed = 0;
  std::int64_t FTimeWaited = 0;
  std::int64_t FTimeSaved = 0;
  TDayNumber FDemurrageDate = EmptyDay;
  TMinuteOfDay FDemurrageTime = EmptyTime;
  TDayNumber FCalcEndDate = EmptyDay;
  TMinuteOfDay FCalcEndTime = EmptyTime;
};

TPortCounter::TPortCounter(TCalculation& calculation, int portIndex, TGroupPosition position,
                           TCalcDespatch despatchMode, TDuration allowance, bool& onDemurrage,
                           TCalcNotices& notices)
    : FRec(calculation.Ports.GetItem(portIndex).PortData),
      FSoF(calculation.Ports.GetItem(portIndex).SoFCollection),
      FResults(calculation.Ports.GetItem(portIndex).SoFResultCollection),
      FSettings(calculation.TemplateSettings),
      FAlwaysOnDemurrage(calculation.Voyage.AlwaysOnDemurrage),
      FSuppressShexMsg(calculation.ProgramSettings().SuppressShexMsg),
      FIsCQD(calculation.Ports.CalculateCQD(portIndex)),
      FIsLastOfGroup(position == TGroupPosition::LastOfGroup), FDespatchMode(despatchMode),
      FOnDemurrage(onDemurrage), FNotices(notices),
      FBuiltCompletionRemark(BuildCompletionRemark(FRec)), FTimeAllowed(allowance),
      FTimeRemaining(allowance) {
  FHasShex = FRec.ShexStartDay >= 0 && FRec.ShexEndDay >= 0 && FRec.ShexStartTime != EmptyTime &&
             FRec.ShexEndTime != EmptyTime;
  if (FHasShex) {
    FShexStartDay = FRec.ShexStartDay;
    FShexStart = TStamp{FRec.ShexStartDay} * MinutesPerDay + FRec.ShexStartTime;
    FShexEnd = TStamp{FRec.ShexEndDay} * MinutesPerDay + FRec.ShexEndTime;
  }
}

void TPortCounter::Run() {
  Prepare();
  TPeriod period;
  while (NextCountPeriod(period)) {
    AccumulatePeriod(period);
    if (FOnDemurrage && !FPrevOnDemurrage && !FPastCompletion && !FIsCQD)
      RecordDemurrageStart(period);
    WritePeriod(period);
    FPrevInShex = FInShex;
    FPrevOnDemurrage = FOnDemurrage;
    FCursor = period.End;
    FCalcEndDate = period.Day;
    FCalcEndTime = period.EndMinute();
  }
  WriteResults();
}

void TPortCounter::Prepare() {
  // The result lines are rebuilt from nothing. The lines of the previous count are overwritten
  // rather than freed and allocated again, and the surplus is removed at the end: a calculation
  // repeated on unchanged data (the live figures of the statement-of-facts page) then stores
  // the same texts again without converting them.
  FResultCount = 0;
  FResults.RowLimit = 0;
  FResults.TopRow = 0;
  FResults.ActiveRow = 0;
  FResults.ActiveCol = 0;

  // A completion at 00:00 is the end of the day before; the record keeps the rewritten moment.
  TDateTimeInfoRec& completed = FRec.LayTimeOpCompleted;
  if (completed.Time == 0 && completed.Date != EmptyDay) {
    --completed.Date;
    completed.Time = MinutesPerDay;
  }

  FStartDayTime = EffectiveCountStart(FRec);
  FStart = Stamp(FStartDayTime.Day, FStartDayTime.Minute);
  FCompletion = Stamp(completed.Date, completed.Time);
  FCursor = FStart;

  FReachesCompletion = FCompletion <= FStart;
  FPastCompletion = false;
  FPrevOnDemurrage = FOnDemurrage;
  FPrevInShex = false;

  FLineCount = FSoF.Count();
  if (FLineCount > 0 && FSoF.IsEmptyRec(FLineCount - 1))
    --FLineCount;
  FExhausted =
      FLineCount == 0 || (FReachesCompletion && FDespatchMode != TCalcDespatch::calcSavedtime);

  // Lines that end at or before the laytime start describe time before laytime: they are
  // listed for the record with nothing to count, followed by a caption at the start.
  bool passedOver = false;
  while (!FExhausted) {
    const TSoFRec& line = FSoF.GetItem(FNextLine).SoFRec();
    if (Stamp(line.FUntilDate, line.FUntilTime) > FStart)
      break;
    AppendLine(line.FUntilDate, line.FUntilTime, line.FCondition, 0.0, {}, line.FRemark, 0);
    passedOver = true;
    ++FNextLine;
    FExhausted = FNextLine >= FLineCount;
  }
  if (passedOver)
    AppendCaption(FStartDayTime.Day, FStartDayTime.Minute, BeginOfLaytimeText);

  if (!FExhausted) {
    FCurrent = SoFLine(FNextLine++);
    return;
  }
  FCurrent = FillerToCompletion();
  FExhausted = FDespatchMode == TCalcDespatch::calcWorktime || !FIsLastOfGroup;
}

bool TPortCounter::NextCountPeriod(TPeriod& period) {
  FInShex = false;
  FPastCompletion = FPastCompletion || FReachesCompletion;
  FReachesCompletion = false;

  if (FPastCompletion && !MayCountAfterCompletion())
    return false;

  if (FCursor >= FCurrent.End) {
    if (FExhausted)
      return false;
    if (FNextLine < FLineCount) {
      FCurrent = SoFLine(FNextLine++);
    } else if (EndlessLineApplies()) {
      FCurrent = EndlessLine();
      FExhausted = true;
    } else if (FCursor >= FCompletion) {
      return false;
    } else {
      FCurrent = FillerToCompletion();
      FExhausted = true;
    }
  }

  period.Begin = FCursor;
  period.Day = DayOf(FCursor);
  const TStamp midnight = StartOfDay(period.Day) + MinutesPerDay;
  // A line that ends before the cursor (only possible in unchecked data) gives an empty period
  // rather than one running backwards.
  period.End = std::max(FCursor, std::min(FCurrent.End, midnight));
  period.Condition = FCurrent.Condition;
  period.Pct = FCurrent.Pct;
  period.PctDisplay = FCurrent.PctDisplay;
  period.Remark = FCurrent.Remark;
  period.MinutesToCount = 0;

  ApplyShexWindow(period);
  ApplyCompletion(period);
  ApplyLaytimeExpiry(period);
  FReachesCompletion = period.End >= FCompletion;
  return true;
}

void TPortCounter::ApplyShexWindow(TPeriod& period) {
  if (!FHasShex)
    return;
  // The day's place in the week of the window: days before the window's start day belong to
  // the window's week that began the week before.
  int weekday = Weekday(period.Day);
  if (weekday < FShexStartDay)
    weekday += DaysPerWeek;
  const TStamp dayStart = StartOfDay(period.Day);
  const TStamp weekdayStart = TStamp{weekday} * MinutesPerDay;
  const TStamp a = weekdayStart + (period.Begin - dayStart);
  TStamp b = weekdayStart + (period.End - dayStart);

  if (b >= FShexStart && a < FShexStart) {
    period.End = dayStart + (FShexStart - weekdayStart);
    b = FShexStart;
  }
  if (b > FShexEnd && a < FShexEnd) {
    period.End = dayStart + (FShexEnd - weekdayStart);
    b = FShexEnd;
    period.Remark = " ";
  }
  if (a < FShexStart || b > FShexEnd)
    return;

  if (!FSuppressShexMsg && !FNotices.WeekendEntry.IsSet() && b < FShexEnd &&
      period.EndMinute() < MinutesPerDay && !IsExpectedInShex(period.Condition))
    FNotices.WeekendEntry = {period.Day, period.BeginMinute(), period.Condition};

  if (KeepsCountingInShex(period.Condition))
    return;
  FInShex = true;
  period.Condition = FIsCQD ? TFactCode::undef_tfact : TFactCode::ntc_tfact;
  period.Pct = 0.0;
  const bool remarksDropped = FOnDemurrage && FSettings.SkipIrrelevantEntries && FAlwaysOnDemurrage;
  if (!FSettings.ShexText.empty() && (period.Remark.empty() || FSettings.ReplaceRemarks) &&
      !remarksDropped)
    period.Remark = FSettings.ShexText;
}

void TPortCounter::ApplyCompletion(TPeriod& period) {
  if (period.End < FCompletion || period.Begin >= FCompletion)
    return;
  period.End = FCompletion;
  // The completion remark goes to this period only when laytime does not run out inside it
  // (then the rest of the period, up to completion, gets it).
  const bool remarkFree = period.Remark.empty() || period.Remark == FSettings.ShexText;
  const bool notCutByExpiry =
      FTimeRemaining <= 0 || FTimeRemaining >= CountedBeforeCompletion(period);
  if (remarkFree && notCutByExpiry && !FIsCQD)
    period.Remark = CompletionRemark();
}

void TPortCounter::ApplyLaytimeExpiry(TPeriod& period) {
  if (FTimeRemaining > 0 || FIsCQD) {
    FOnDemurrage = false;
    if (!FIsCQD) {
      if (FPastCompletion && FDespatchMode == TCalcDespatch::calcSavedtime) {
        if (!FSettings.TimeSavedText.empty() && (period.Remark.empty() || FSettings.ReplaceRemarks))
          period.Remark = FSettings.TimeSavedText;
        const std::int64_t left = FTimeRemaining - FTimeWaited;
        if (CountedMinutes(period.Elapsed(), period.Pct) > left)
          CutAfter(period, left);
      } else {
        const std::int64_t counted = FPastCompletion ? CountedMinutes(period.Elapsed(), period.Pct)
                                                     : CountedBeforeCompletion(period);
        if (counted > FTimeRemaining)
          CutAfter(period, FTimeRemaining);
      }
    }
  }
  if (FTimeRemaining <= 0 && !FIsCQD)
    FOnDemurrage = true;
}

void TPortCounter::AccumulatePeriod(TPeriod& period) {
  const std::int64_t elapsed = period.Elapsed();
  if (FTimeRemaining <= 0 && !FIsCQD) {
    FOnDemurrage = true;
    // Once on demurrage, always on demurrage: the period counts in full.
    if (FAlwaysOnDemurrage && !KeepsOwnCountOnDemurrage(period.Condition)) {
      period.Pct = 100.0;
      period.PctDisplay = {};
      if (period.Condition == TFactCode::sntc_tfact && !FNotices.Shifting.IsSet())
        FNotices.Shifting = {period.Day, period.BeginMinute()};
      period.Condition = TFactCode::undef_tfact;
      if (FSettings.SkipIrrelevantEntries && !FReachesCompletion)
        period.Remark = {};
    }
  }

  std::int64_t counted = 0;
  if (period.Condition == TFactCode::wait_tfact)
    FTimeWaited += elapsed;
  else
    counted = CountedMinutes(elapsed, period.Pct);

  if (FPastCompletion && !FOnDemurrage)
    FTimeSaved += FDespatchMode == TCalcDespatch::calcWorktime ? counted : elapsed;
  if (!FPastCompletion || FOnDemurrage || FDespatchMode == TCalcDespatch::calcWorktime) {
    FLaytime += elapsed;
    FTimeUsed += counted;
    period.MinutesToCount = counted;
  }
  FTimeRemaining -= counted;
}

void TPortCounter::RecordDemurrageStart(const TPeriod& period) {
  FDemurrageDate = period.Day;
  FDemurrageTime = period.BeginMinute();
  FRec.OnDemurrageAt = DayTimeToDateTime(FDemurrageDate, FDemurrageTime);
  if (FSettings.PrintVesselOnDemurrage)
    AppendCaption(FDemurrageDate, FDemurrageTime, FSettings.VesOnDemurrageText);
}

bool TPortCounter::QualifiesForMerge(double pct, TFactCode condition) const {
  return pct >= 100.0 || (FInShex && condition == TFactCode::ntc_tfact && pct == 0.0);
}

void TPortCounter::WritePeriod(const TPeriod& period) {
  const bool mergeable = FSettings.SkipIrrelevantEntries &&
                         ((FOnDemurrage && FPrevOnDemurrage) || (FInShex && FPrevInShex)) &&
                         FResultCount > 0 && !IsSyntheticRemark(period.Remark) &&
                         QualifiesForMerge(period.Pct, period.Condition);
  if (mergeable) {
    TSoFLine& last = FResults.GetItem(FResultCount - 1);
    const bool endsInsideItsDay = last.UntilTime() > 0 && last.UntilTime() < MinutesPerDay;
    if (endsInsideItsDay && QualifiesForMerge(last.Pct(), last.Condition())) {
      last.SetUntilDate(period.Day);
      last.SetUntilTime(period.EndMinute());
      last.SetCondition(period.Condition);
      StorePctDisplay(last, period.PctDisplay);
      last.SetPct(period.Pct);
      const bool keepRemark = FReachesCompletion || (FInShex && FSettings.ReplaceRemarks);
      StoreRemark(last, keepRemark ? period.Remark : std::string_view{});
      last.SetResMinsToCount(ClampToInt32(last.ResMinsToCount() + period.MinutesToCount));
      return;
    }
  }
  AppendLine(period.Day, period.EndMinute(), period.Condition, period.Pct, period.PctDisplay,
             period.Remark, period.MinutesToCount);
}

void TPortCounter::WriteResults() {
  while (FResults.Count() > FResultCount)
    FResults.Delete(FResults.Count() - 1);
  FRec.CalcEndDate = FCalcEndDate;
  FRec.CalcEndTime = FCalcEndTime;
  FRec.TimeAllowed = ClampToInt32(FTimeAllowed);
  FRec.TimeRemaining = ClampToInt32(FTimeRemaining);
  FRec.Laytime = ClampToInt32(FLaytime);
  FRec.TimeUsed = ClampToInt32(FTimeUsed);
  FRec.TimeWaited = ClampToInt32(FTimeWaited);
  FRec.TimeSaved = ClampToInt32(FTimeSaved);
  FRec.M1 = 0;
  FRec.Demurrage = 0.0;
  FRec.Despatch = 0.0;
  FRec.Commission = 0.0;
  FRec.DemurrageDate = FDemurrageDate;
  FRec.DemurrageTime = FDemurrageTime;
  if (FDemurrageDate == EmptyDay)
    FRec.OnDemurrageAt = 0.0;
}

bool TPortCounter::MayCountAfterCompletion() const {
  if (FOnDemurrage || FDespatchMode == TCalcDespatch::calcWorktime || !FIsLastOfGroup)
    return false;
  return FDespatchMode != TCalcDespatch::calcSavedtime || FTimeRemaining - FTimeWaited > 0;
}

bool TPortCounter::EndlessLineApplies() const {
  return FDespatchMode == TCalcDespatch::calcSavedtime && !FIsCQD && FIsLastOfGroup &&
         FTimeRemaining - FTimeWaited > 0 && !ShexWindowCoversWholeWeek();
}

// A window that takes in every minute of the week would keep the saved time from ever running
// out: the endless line would then be walked day by day to its end and report centuries of
// time saved.
bool TPortCounter::ShexWindowCoversWholeWeek() const {
  const TStamp weekStart = TStamp{FShexStartDay} * MinutesPerDay;
  return FHasShex && FShexStart <= weekStart &&
         FShexEnd >= weekStart + TStamp{DaysPerWeek} * MinutesPerDay;
}

// Before completion a waiting period counts nothing, so it can never use up the allowance:
// it is not cut where laytime expires and does not keep the completion remark from its period.
std::int64_t TPortCounter::CountedBeforeCompletion(const TPeriod& period) const {
  if (period.Condition == TFactCode::wait_tfact)
    return 0;
  return CountedMinutes(period.Elapsed(), period.Pct);
}

std::string_view TPortCounter::CompletionRemark() const {
  if (!FSettings.OpCompletedText.empty())
    return FSettings.OpCompletedText;
  return FBuiltCompletionRemark;
}

// The completion remark when the template has none: the port's operation followed by
// " completed" (Loading completed).
std::string TPortCounter::BuildCompletionRemark(const TPortRec& port) {
  std::string_view operation = "Operation";
  if (port.OpLoading)
    operation = "Loading";
  else if (port.OpDischarging)
    operation = "Discharging";
  return std::string(operation) + " completed";
}

TCountLine TPortCounter::SoFLine(int index) const {
  const TSoFRec& line = FSoF.GetItem(index).SoFRec();
  return {Stamp(line.FUntilDate, line.FUntilTime), line.FCondition, line.FPct,
          line.FPctDisplayString, line.FRemark};
}

TCountLine TPortCounter::FillerToCompletion() const {
  return {FCompletion, TFactCode::undef_tfact, FIsCQD ? 0.0 : 100.0, {}, {}};
}

TCountLine TPortCounter::EndlessLine() {
  return {EndlessLineEnd, TFactCode::undef_tfact, 100.0, {}, {}};
}

// A line holds its texts in the form a file can store, so a text equal to the stored one is
// stored already; storing it again would only convert it once more.
void TPortCounter::StorePctDisplay(TSoFLine& line, std::string_view text) {
  if (line.PctDisplayString() != text)
    line.SetPctDisplayString(text);
}

void TPortCounter::StoreRemark(TSoFLine& line, std::string_view text) {
  if (line.Remark() != text)
    line.SetRemark(text);
}

// Shortens the period so that it counts `minutesToCount` at its percentage.
void TPortCounter::CutAfter(TPeriod& period, std::int64_t minutesToCount) {
  const double pct = BoundedPct(period.Pct);
  assert(pct > 0.0 && "only a period that counts more than is left is cut");
  const std::int64_t length = NearestMinute(static_cast<double>(minutesToCount) * 100.0 / pct);
  period.End = period.Begin + std::clamp<std::int64_t>(length, 0, period.Elapsed());
}

void TPortCounter::AppendLine(TDayNumber day, TMinuteOfDay minute, TFactCode condition, double pct,
                              std::string_view pctDisplay, std::string_view remark,
                              std::int64_t minutes) {
  TSoFLine& line =
      FResultCount < FResults.Count() ? FResults.GetItem(FResultCount) : FResults.Add();
  ++FResultCount;
  line.SetUntilDate(day);
  line.SetUntilTime(minute);
  line.SetCondition(condition);
  line.SetPct(pct);
  StorePctDisplay(line, pctDisplay);
  StoreRemark(line, remark);
  line.SetResMinsToCount(ClampToInt32(minutes));
}

void TPortCounter::AppendCaption(TDayNumber day, TMinuteOfDay minute, std::string_view text) {
  std::string remark(SyntheticLineMarker);
  remark += text;
  AppendLine(day, minute, TFactCode::undef_tfact, EmptyReal, {}, remark, 0);
}

} // namespace

void CountPortTime(TCalculation& calculation, int portIndex, TGroupPosition position,
                   TCalcDespatch despatchMode, TDuration allowance, bool& onDemurrage,
                   TCalcNotices& notices) {
  TPortCounter(calculation, portIndex, position, despatchMode, allowance, onDemurrage, notices)
      .Run();
}

} // namespace laytime
