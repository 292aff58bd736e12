#include "model/TSoFCollection.h"

#include "core/NumberText.h"
#include "model/TCalculation.h"
#include "model/TPortItem.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace laytime {

namespace {

bool IsAllowedCondition(TFactCode condition, TConditionSet conditions) {
  const int code = static_cast<int>(condition);
  if (conditions == TConditionSet::CQD)
    return code >= static_cast<int>(TFactCode::CQDNormal_tfact) &&
           code <= static_cast<int>(TFactCode::PartDetention_Tfact);
  return code >= static_cast<int>(TFactCode::full_tfact) &&
         code <= static_cast<int>(TFactCode::shpart_tfact);
}

/// The percentage a condition sets; nothing for the partial conditions, which keep the
/// user's figure, and EmptyReal for a condition that is not a counting condition.
std::optional<double> DefaultPct(TFactCode condition) {
  switch (condition) {
  case TFactCode::full_tfact:
  case TFactCode::wait_tfact:
  case TFactCode::shinc_tfact:
  case TFactCode::FullDetention_tfact:
    return 100.0;
  case TFactCode::rain_tfact:
  case TFactCode::ntc_tfact:
  case TFactCode::sntc_tfact:
  case TFactCode::excl_tfact:
  case TFactCode::CQDNormal_tfact:
    return 0.0;
  case TFactCode::htc_tfact:
    return 50.0;
  case TFactCode::part_tfact:
  case TFactCode::alwpart_tfact:
  case TFactCode::shpart_tfact:
  case TFactCode::PartDetention_Tfact:
    return std::nullopt;
  default:
    // The reserved codes, no condition, and bytes beyond the enumeration read from a file.
    return EmptyReal;
  }
}

bool HasUntilMoment(const TSoFLine& line) {
  return line.UntilDate() != EmptyDay && line.UntilTime() != EmptyTime;
}

} // namespace

TSoFCollection::TSoFCollection(TPortItem* owner) : FOwner(owner) {}

TSoFCollection::~TSoFCollection() = default;

void TSoFCollection::Changed() {
  if (OnChange)
    OnChange();
}

void TSoFCollection::CheckIndex(int index, const char* operation) const {
  if (index < 0 || index >= Count())
    throw std::out_of_range(std::string("TSoFCollection::") + operation + ": line " +
                            std::to_string(index) + " outside 0.." + std::to_string(Count() - 1));
}

void TSoFCollection::Renumber(int from) {
  for (int i = from; i < Count(); ++i)
    FLines[static_cast<std::size_t>(i)]->FIndex = i;
}

TSoFLine& TSoFCollection::GetItem(int index) {
  CheckIndex(index, "GetItem");
  return *FLines[static_cast<std::size_t>(index)];
}

const TSoFLine& TSoFCollection::GetItem(int index) const {
  CheckIndex(index, "GetItem");
  return *FLines[static_cast<std::size_t>(index)];
}

void TSoFCollection::SetItem(int index, const TSoFLine& line) {
  GetItem(index).Assign(line);
}

TSoFLine& TSoFCollection::Add() {
  return Insert(Count());
}

TSoFLine& TSoFCollection::Insert(int index) {
  if (index < 0 || index > Count())
    throw std::out_of_range("TSoFCollection::Insert: line " + std::to_string(index) +
                            " outside 0.." + std::to_string(Count()));
  auto it = FLines.insert(FLines.begin() + index, std::make_unique<TSoFLine>(*this, index));
  Renumber(index + 1);
  return **it;
}

void TSoFCollection::Delete(int index) {
  CheckIndex(index, "Delete");
  FLines.erase(FLines.begin() + index);
  Renumber(index);
}

void TSoFCollection::Clear() {
  FLines.clear();
  RowLimit = 0;
  TopRow = 0;
  ActiveRow = 0;
  ActiveCol = 0;
}

void TSoFCollection::Assign(const TSoFCollection& source) {
  if (&source == this)
    return;
  FLines.clear();
  for (const auto& line : source.FLines)
    Add().SetSoFRec(line->SoFRec());
}

TDayTime TSoFCollection::GetFrom(int index) const {
  const TSoFLine& line = GetItem(index);
  if (index > 0) {
    const TSoFLine& previous = *FLines[static_cast<std::size_t>(index - 1)];
    return {previous.UntilDate(), previous.UntilTime()};
  }
  if (FOwner == nullptr)
    return {};
  const TDayTime start = EffectiveCountStart(FOwner->PortData);
  // A first line that ends at or before the start describes time before laytime could begin
  // (waiting for berth until laytime commences, or 24:00 of the day before a 00:00 start).
  if (HasUntilMoment(line) && DayTimeToMinutes(line.UntilDate(), line.UntilTime()) <=
                                  DayTimeToMinutes(start.Day, start.Minute))
    return {};
  return start;
}

bool TSoFCollection::IsEmptyRec(int index) const {
  const TSoFLine& line = GetItem(index);
  return line.UntilDate() == EmptyDay && line.UntilTime() == EmptyTime &&
         line.Condition() == TFactCode::undef_tfact && line.PctDisplayString().empty();
}

TSoFError TSoFCollection::IsValidRec(int index, TConditionSet conditions) const {
  const TSoFLine& line = GetItem(index);
  if (index == Count() - 1 && IsEmptyRec(index))
    return TSoFError::sofrOK;

  if (line.UntilDate() == EmptyDay)
    return TSoFError::sofrUntilDateMissing;
  if (line.UntilTime() == EmptyTime)
    return TSoFError::sofrUntilTimeMissing;
  if (line.Condition() == TFactCode::undef_tfact)
    return TSoFError::sofrConditionMissing;
  if (!IsAllowedCondition(line.Condition(), conditions))
    return TSoFError::sofrConditionInvalid;
  if (line.PctDisplayString().empty())
    return TSoFError::sofrPctMissing;
  // Written so that a percentage that is not a number fails as well.
  if (!(line.Pct() >= 0.0 && line.Pct() <= 100.0))
    return TSoFError::sofrPctInvalid;

  // A line without a start (before laytime) has an empty from date and passes both checks.
  const TDayTime from = GetFrom(index);
  if (line.UntilDate() < from.Day)
    return TSoFError::sofrUntilDateInvalid;
  if (line.UntilDate() == from.Day && line.UntilTime() <= from.Minute)
    return TSoFError::sofrUntilTimeInvalid;
  return TSoFError::sofrOK;
}

bool TSoFCollection::AllRecsValid(int& errLine, TSoFError& errCode,
                                  TConditionSet conditions) const {
  for (int i = 0; i < Count(); ++i) {
    const TSoFError code = IsValidRec(i, conditions);
    if (code != TSoFError::sofrOK) {
      errLine = i;
      errCode = code;
      return false;
    }
  }
  errLine = -1;
  errCode = TSoFError::sofrOK;
  return true;
}

void TSoFCollection::ApplyConditionDefaults(TSoFLine& line, const TFormatContext& context) const {
  if (FOwner == nullptr)
    throw std::logic_error(
        "TSoFCollection::ApplyConditionDefaults: the statement of facts belongs to no port");
  const TCalculation& calculation = FOwner->Calculation();
  ApplyConditionDefaults(line, calculation.TemplateSettings,
                         calculation.ProgramSettings().PctDecimals, context);
}

void TSoFCollection::ApplyConditionDefaults(TSoFLine& line, const TTemplateSettings& settings,
                                            int pctDecimals, const TFormatContext& context) {
  if (const std::optional<double> pct = DefaultPct(line.Condition()))
    line.SetPct(*pct);
  line.SetPctDisplayString(RealToStr(line.Pct(), pctDecimals, false, context));

  const auto code = static_cast<std::size_t>(line.Condition());
  if (!settings.AutoRemark || !line.Remark().empty() || code >= settings.RemarkLists.size())
    return;
  const std::vector<std::string>& remarks = settings.RemarkLists[code];
  if (!remarks.empty())
    line.SetRemark(remarks.front());
}

bool TSoFCollection::IsEmptySoF() const {
  return Count() == 0 || (Count() == 1 && IsEmptyRec(0));
}

} // namespace laytime
