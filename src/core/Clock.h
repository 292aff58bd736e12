// Where "today" comes from. Readings of typed dates take the current date as their base when
// no default date is given; tests pass a fixed clock.
#pragma once

#include "core/ZQTypes.h"

namespace laytime {

class IClock {
public:
  virtual ~IClock() = default;
  /// The day number of the current local date.
  virtual TDayNumber Today() const = 0;
};

/// The host's clock in its local time zone.
const IClock& SystemClock();

/// A clock that always reads the same day.
class TFixedClock final : public IClock {
public:
  explicit TFixedClock(TDayNumber today) : FToday(today) {}
  TDayNumber Today() const override { return FToday; }

private:
  TDayNumber FToday;
};

} // namespace laytime
