// The Gregorian calendar behind day numbers: day 0 is Saturday 30 December 1899 and valid
// dates run from 1 January 0001 to 31 December 9999.
#pragma once

#include "core/ZQTypes.h"

#include <optional>

namespace laytime {

struct TCalendarDate {
  int Year = 0;
  int Month = 0; ///< 1..12
  int Day = 0;   ///< 1..31

  bool operator==(const TCalendarDate&) const = default;
};

/// The day number of 1 January 0001 and of 31 December 9999.
inline constexpr TDayNumber FirstValidDay = -693593;
inline constexpr TDayNumber LastValidDay = 2958465;

bool IsLeapYear(int year);

/// 28..31; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

/// True for a year of 1..9999 with a month and day that exist in it.
bool IsValidDate(int year, int month, int day);

/// The day number of a valid date; nothing for an invalid one.
std::optional<TDayNumber> TryEncodeDate(int year, int month, int day);

/// The date of a day number. Days outside the valid range are decoded by the same proleptic
/// calendar, so any number gives some date and never fails.
TCalendarDate DecodeDate(TDayNumber day);

} // namespace laytime
