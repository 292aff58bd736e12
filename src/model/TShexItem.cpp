#include "model/TShexItem.h"

#include "model/ShortString.h"
#include "model/TSHexCollection.h"

namespace laytime {

int ShexWeekday(int storedDay) {
  return storedDay < 0 ? -1 : storedDay % 7;
}

TShexItem::TShexItem(TSHexCollection* collection) : FCollection(collection) {}

void TShexItem::ClearData() {
  FSHexRec = TShexRec{};
}

void TShexItem::Changed() {
  if (FCollection != nullptr)
    FCollection->Changed();
}

int TShexItem::GetFromDay() const {
  return ShexWeekday(FSHexRec.FromDay);
}

int TShexItem::GetUntilDay() const {
  return ShexWeekday(FSHexRec.UntilDay);
}

void TShexItem::SetFromDay(int day) {
  const auto stored = day < 0 ? EmptyTime : static_cast<std::int16_t>(day % 7);
  if (stored != FSHexRec.FromDay) {
    FSHexRec.FromDay = stored;
    Changed();
  }
  // Keep the period running forward: an until day before the new from day is in the next week.
  if (FSHexRec.UntilDay >= 0 && FSHexRec.UntilDay < FSHexRec.FromDay)
    FSHexRec.UntilDay = static_cast<std::int16_t>(FSHexRec.UntilDay + 7);
}

void TShexItem::SetUntilDay(int day) {
  if (day == GetUntilDay())
    return;
  std::int16_t stored = EmptyTime;
  if (day >= 0) {
    const int weekday = day % 7;
    stored = static_cast<std::int16_t>(weekday < FSHexRec.FromDay ? weekday + 7 : weekday);
  }
  if (stored == FSHexRec.UntilDay)
    return;
  FSHexRec.UntilDay = stored;
  Changed();
}

void TShexItem::SetFromTime(std::int16_t value) {
  if (value == FSHexRec.FromTime)
    return;
  FSHexRec.FromTime = value;
  Changed();
}

void TShexItem::SetUntilTime(std::int16_t value) {
  if (value == FSHexRec.UntilTime)
    return;
  FSHexRec.UntilTime = value;
  Changed();
}

void TShexItem::SetRemark(std::string_view value) {
  std::string storable = StorableShortString(value);
  if (storable == FSHexRec.Remark)
    return;
  FSHexRec.Remark = std::move(storable);
  Changed();
}

void TShexItem::SetShexRec(const TShexRec& rec) {
  // The week rule is applied to the given weekdays alone, not to what this preset held before.
  TShexRec next;
  const int fromDay = ShexWeekday(rec.FromDay);
  const int untilDay = ShexWeekday(rec.UntilDay);
  next.FromDay = fromDay < 0 ? EmptyTime : static_cast<std::int16_t>(fromDay);
  if (untilDay >= 0)
    next.UntilDay = static_cast<std::int16_t>(untilDay < next.FromDay ? untilDay + 7 : untilDay);
  next.FromTime = rec.FromTime;
  next.UntilTime = rec.UntilTime;
  next.Remark = StorableShortString(rec.Remark);
  if (next == FSHexRec)
    return;
  FSHexRec = std::move(next);
  Changed();
}

void TShexItem::Assign(const TShexItem& source) {
  if (&source == this)
    return;
  SetShexRec(source.FSHexRec);
}

} // namespace laytime
