#include "model/TSoFLine.h"

#include "model/ShortString.h"
#include "model/TSoFCollection.h"

namespace laytime {

TSoFLine::TSoFLine(TSoFCollection& collection, int index)
    : FCollection(&collection), FIndex(index) {}

void TSoFLine::ClearData() {
  FSoFRec = TSoFRec{};
}

void TSoFLine::Changed() {
  FCollection->Changed();
}

void TSoFLine::SetUntilDate(TDayNumber value) {
  if (value == FSoFRec.FUntilDate)
    return;
  FSoFRec.FUntilDate = value;
  Changed();
}

void TSoFLine::SetUntilTime(TMinuteOfDay value) {
  if (value == FSoFRec.FUntilTime)
    return;
  FSoFRec.FUntilTime = value;
  Changed();
}

void TSoFLine::SetCondition(TFactCode value) {
  if (value == FSoFRec.FCondition)
    return;
  FSoFRec.FCondition = value;
  Changed();
}

void TSoFLine::SetPct(double value) {
  if (value == FSoFRec.FPct)
    return;
  FSoFRec.FPct = value;
  Changed();
}

void TSoFLine::SetPctDisplayString(std::string_view value) {
  std::string storable = StorableShortString(value);
  if (storable == FSoFRec.FPctDisplayString)
    return;
  FSoFRec.FPctDisplayString = std::move(storable);
  Changed();
}

void TSoFLine::SetRemark(std::string_view value) {
  std::string storable = StorableShortString(value);
  if (storable == FSoFRec.FRemark)
    return;
  FSoFRec.FRemark = std::move(storable);
  Changed();
}

void TSoFLine::Assign(const TSoFLine& source) {
  if (&source == this)
    return;
  SetUntilDate(source.UntilDate());
  SetUntilTime(source.UntilTime());
  SetCondition(source.Condition());
  SetPctDisplayString(source.PctDisplayString());
  SetPct(source.Pct());
  SetRemark(source.Remark());
}

void TSoFLine::SetSoFRec(const TSoFRec& rec) {
  SetUntilDate(rec.FUntilDate);
  SetUntilTime(rec.FUntilTime);
  SetCondition(rec.FCondition);
  SetPctDisplayString(rec.FPctDisplayString);
  SetPct(rec.FPct);
  SetRemark(rec.FRemark);
  SetResMinsToCount(rec.FResMinsToCount);
}

TDayTime TSoFLine::GetFrom() const {
  return FCollection->GetFrom(FIndex);
}

} // namespace laytime
