// One line of a port's statement of facts: the stored end of its period and its derived start.
#pragma once

#include "core/DayTime.h"
#include "model/TSoFRec.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace laytime {

class TSoFCollection;

/// A line knows its collection and position; it is created and destroyed by its collection only.
/// The setters do nothing when the value is unchanged, otherwise store it and raise the
/// collection's change notification. The texts are kept storable: characters Windows-1252
/// cannot hold are replaced and the text is cut on a character boundary so that it takes at
/// most 255 bytes in Windows-1252.
class TSoFLine {
public:
  TSoFLine(TSoFCollection& collection, int index);
  TSoFLine(const TSoFLine&) = delete;
  TSoFLine& operator=(const TSoFLine&) = delete;

  /// Until date and time empty, no condition, percentage EmptyReal, both texts empty and no
  /// counted minutes. Does not notify.
  void ClearData();
  /// Copies until date and time, condition, display string, percentage and remark through the
  /// setters; the counted minutes are not copied.
  void Assign(const TSoFLine& source);
  /// Stores a whole record through the setters, including the counted minutes.
  void SetSoFRec(const TSoFRec& rec);

  const TSoFRec& SoFRec() const { return FSoFRec; }
  TDayNumber UntilDate() const { return FSoFRec.FUntilDate; }
  TMinuteOfDay UntilTime() const { return FSoFRec.FUntilTime; }
  TFactCode Condition() const { return FSoFRec.FCondition; }
  double Pct() const { return FSoFRec.FPct; }
  const std::string& PctDisplayString() const { return FSoFRec.FPctDisplayString; }
  const std::string& Remark() const { return FSoFRec.FRemark; }
  std::int32_t ResMinsToCount() const { return FSoFRec.FResMinsToCount; }

  void SetUntilDate(TDayNumber value);
  void SetUntilTime(TMinuteOfDay value);
  void SetCondition(TFactCode value);
  void SetPct(double value);
  void SetPctDisplayString(std::string_view value);
  void SetRemark(std::string_view value);
  /// Written by the calculation; does not notify.
  void SetResMinsToCount(std::int32_t value) { FSoFRec.FResMinsToCount = value; }

  /// The start of the line's period. A later line starts where the line before it ends (even
  /// when that end is empty). The first line starts at its port's effective start of counting;
  /// a first line that ends at or before that start describes time before laytime and has no
  /// start (EmptyDay, EmptyTime), as has a first line of a collection without a port.
  TDayNumber GetFromDate() const { return GetFrom().Day; }
  TMinuteOfDay GetFromTime() const { return GetFrom().Minute; }
  TDayTime GetFrom() const;

  /// The line's position in its collection.
  int Index() const { return FIndex; }
  TSoFCollection& Collection() const { return *FCollection; }

private:
  friend class TSoFCollection;
  void Changed();

  TSoFCollection* FCollection;
  int FIndex;
  TSoFRec FSoFRec;
};

} // namespace laytime
