// The two notices a calculation records for the result commands, which show them before
// printing unless the user has switched them off.
#pragma once

#include "core/Enums.h"
#include "core/ZQTypes.h"

namespace laytime {

/// The first period inside a port's SHEX window that ends inside it, neither at midnight nor at
/// the window's end, and whose condition the window overrides: the user probably meant a
/// working period during the weekend. Not recorded while the notice is suppressed.
struct TWeekendEntryNotice {
  TDayNumber Day = EmptyDay;
  TMinuteOfDay Time = EmptyTime;
  TFactCode Condition = TFactCode::undef_tfact;

  bool IsSet() const { return Day != EmptyDay; }
  bool operator==(const TWeekendEntryNotice&) const = default;
};

/// The beginning of the first shifting period that counted in full because the vessel was
/// already on demurrage (once on demurrage, always on demurrage).
struct TShiftingNotice {
  TDayNumber Day = EmptyDay;
  TMinuteOfDay Time = EmptyTime;

  bool IsSet() const { return Day != EmptyDay; }
  bool operator==(const TShiftingNotice&) const = default;
};

/// Both notices of one voyage calculation, each holding the first occurrence over all ports in
/// port order.
struct TCalcNotices {
  TWeekendEntryNotice WeekendEntry;
  TShiftingNotice Shifting;
};

} // namespace laytime
