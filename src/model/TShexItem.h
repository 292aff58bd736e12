// One SHEX preset: a named weekly excepted period, kept so that its until day never lies before
// its from day.
#pragma once

#include "core/Settings.h"

#include <cstdint>
#include <string_view>

namespace laytime {

class TSHexCollection;

/// The weekday 0..6 of a stored SHEX day (a day a week on, 7..13, reads as its weekday);
/// −1 for a negative day, which marks no day.
int ShexWeekday(int storedDay);

/// Created and destroyed by its collection only. Weekdays are 0 Sunday … 6 Saturday; a period
/// over the end of the week keeps its until day a week on (Friday until Monday is from 5 until 8).
class TShexItem {
public:
  explicit TShexItem(TSHexCollection* collection = nullptr);
  TShexItem(const TShexItem&) = delete;
  TShexItem& operator=(const TShexItem&) = delete;

  /// Remark empty, the four day and time fields EmptyTime. Does not notify.
  void ClearData();
  /// Copies the days through the setters (the week rule applies again), the times and the remark.
  void Assign(const TShexItem& source);
  /// Stores a record as read from settings or files: the days through the setters, then the
  /// times and the remark.
  void SetShexRec(const TShexRec& rec);

  const TShexRec& SHexRec() const { return FSHexRec; }

  /// −1 when no day is set, else the weekday 0..6.
  int GetFromDay() const;
  /// −1 when no day is set, else the weekday 0..6 (a stored 8 reads as 1, Monday).
  int GetUntilDay() const;
  /// A negative day clears the from day; otherwise it is stored as a weekday, and an until day
  /// that now lies before it moves a week on.
  void SetFromDay(int day);
  /// A negative day clears the until day; otherwise it is stored as a weekday, a week on when it
  /// lies before the from day.
  void SetUntilDay(int day);

  std::int16_t FromTime() const { return FSHexRec.FromTime; }
  std::int16_t UntilTime() const { return FSHexRec.UntilTime; }
  const std::string& Remark() const { return FSHexRec.Remark; }
  void SetFromTime(std::int16_t value);
  void SetUntilTime(std::int16_t value);
  /// Kept storable like the remarks of the statement of facts (at most 255 Windows-1252 bytes).
  void SetRemark(std::string_view value);

private:
  void Changed();

  TSHexCollection* FCollection;
  TShexRec FSHexRec;
};

} // namespace laytime
