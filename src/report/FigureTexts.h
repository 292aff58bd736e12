// The ways the result report prints durations, decimal times, rates and amounts.
#pragma once

#include "core/FormatContext.h"
#include "core/Settings.h"
#include "core/ZQTypes.h"
#include "model/Currency.h"

#include <string>

namespace laytime {

/// Fills captions with a duration. With a days caption, the whole days go into it as a plain
/// integer and the rest into the time caption as hh:mm (3 days 6 hours give 3 and 06:00);
/// without one, the time caption gets hours beyond 24 (78:00). A negative duration, which the
/// calculation never passes here, is shown with a minus before the days (or the hours).
void ShowDaysAndTime(TDuration minutes, std::string* daysCaption, std::string& timeCaption);

/// The text forms of the report's figures under the display settings.
class TFigureTexts {
public:
  TFigureTexts(const TFormatContext& context, const TProgramSettings& settings);

  /// Two decimals, grouped.
  std::string Money(double amount) const;
  std::string Money(Currency amount) const;
  /// NumDecimals, grouped.
  std::string Quantity(double quantity) const;
  /// PctDecimals, grouped (commission percentages).
  std::string CommissionPct(double percentage) const;
  /// PctDecimals, not grouped (pro-rata shares and percentages to count).
  std::string SharePct(double percentage) const;
  /// DayDecimals, grouped.
  std::string DecimalDays(TDuration minutes) const;
  std::string DecimalHours(TDuration minutes) const;
  /// Whole days, " d ", hh:mm of the rest ("1 d 06:00").
  std::string DaysAndClock(TDuration minutes) const;

  struct TRate {
    std::string Rate;
    std::string Unit; ///< "/day =" or "/hour ="
  };
  /// A daily rate in the demurrage rate unit: per day as it is, per hour divided by 24.
  TRate RateByUnit(double dailyRate) const;
  /// The rate alone in the demurrage rate unit, two decimals, grouped.
  std::string RateInUnit(double dailyRate) const;

  bool PerHour() const { return FSettings.DemurrageRateUnit == TDemurrateRateUnit::druPerHour; }
  const TFormatContext& Context() const { return FContext; }
  const TProgramSettings& Settings() const { return FSettings; }

private:
  const TFormatContext& FContext;
  const TProgramSettings& FSettings;
};

} // namespace laytime
