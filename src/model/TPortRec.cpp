#include "model/TPortRec.h"

#include <cstdint>

namespace laytime {

namespace {

// Moments compared in 64 bits, so that absurd day numbers read from a file cannot wrap into
// a plausible order; empty parts count 0 as in DayTimeToMinutes.
std::int64_t Stamp(std::int64_t day, int minute) {
  const std::int64_t dayPart = (day == EmptyDay || day == EmptyTime) ? 0 : day * MinutesPerDay;
  return dayPart + (minute == EmptyTime ? 0 : minute);
}

bool IsPreAdviceComplete(const TPortRec& port) {
  return port.PreAdvDate > 0 && port.PreAdvTime != EmptyTime && port.PreAdvOffsDays >= 0 &&
         port.PreAdvOffsTime != EmptyTime;
}

} // namespace

TDayTime EffectiveCountStart(const TPortRec& port) {
  const TDayTime countFrom{port.LayTimeCountFrom.Date, port.LayTimeCountFrom.Time};
  const bool countFromGiven = countFrom.Day > 0 && countFrom.Minute != EmptyTime;
  if (!IsPreAdviceComplete(port) || !countFromGiven)
    return countFrom;

  // The offset time is added to the stamp, so 08:00 plus 1380 minutes is 07:00 of the next day.
  const std::int64_t earliest =
      Stamp(std::int64_t{port.PreAdvDate} + port.PreAdvOffsDays, port.PreAdvTime) +
      port.PreAdvOffsTime;
  if (earliest <= Stamp(countFrom.Day, countFrom.Minute))
    return countFrom;
  return {static_cast<TDayNumber>(earliest / MinutesPerDay),
          static_cast<TMinuteOfDay>(earliest % MinutesPerDay)};
}

bool IsShexGiven(const TPortRec& port) {
  return port.ShexStartDay >= 0 || port.ShexEndDay >= 0 || port.ShexStartTime != EmptyTime ||
         port.ShexEndTime != EmptyTime;
}

} // namespace laytime
