#include "core/DailyRates.h"

#include "core/Rounding.h"
#include "core/ZQTypes.h"

#include <cmath>

namespace laytime {

namespace {

// Rates at or below this are no rates per cargo unit: nothing, or not entered.
constexpr double SmallestUnitRate = 0.005;

constexpr double HoursPerDay = 24.0;

} // namespace

bool IsPlainDailyRate(double rate, double perUnitLimit) {
  return rate >= perUnitLimit || rate <= SmallestUnitRate;
}

double EffectiveDailyRate(double quantity, double rate, double perUnitLimit) {
  if (rate == EmptyReal)
    return 0.0;
  if (IsPlainDailyRate(rate, perUnitLimit))
    return rate;
  if (quantity == EmptyReal)
    return 0.0;
  return quantity * rate;
}

double PerHourToStoredRate(double rate, TDemurrateRateUnit unit) {
  if (rate == EmptyReal)
    return rate;
  switch (unit) {
  case TDemurrateRateUnit::druPerDay:
    return rate;
  case TDemurrateRateUnit::druPerHour:
    return rate * HoursPerDay;
  }
  return 0.0;
}

double StoredRateToPerHour(double rate, TDemurrateRateUnit unit) {
  if (rate == EmptyReal)
    return rate;
  switch (unit) {
  case TDemurrateRateUnit::druPerDay:
    return rate;
  case TDemurrateRateUnit::druPerHour: {
    // The cents are truncated, but only after the noise of the division has been rounded
    // away: 0.29 per hour is stored as 6.96 per day, and 6.96 / 24 × 100 comes out a hair
    // below 29 in binary arithmetic, which must still show as 0.29.
    const double hundredths = RoundToDecimals(rate / HoursPerDay * 100.0, 6);
    return std::trunc(hundredths) / 100.0;
  }
  }
  return 0.0;
}

} // namespace laytime
