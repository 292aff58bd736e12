#include "report/FigureTexts.h"

#include "core/NumberText.h"
#include "core/TimeText.h"

#include <cstdlib>

namespace laytime {
namespace {

std::string Sign(TDuration minutes) {
  return minutes < 0 ? "-" : "";
}

} // namespace

void ShowDaysAndTime(TDuration minutes, std::string* daysCaption, std::string& timeCaption) {
  const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(minutes));
  if (daysCaption == nullptr) {
    timeCaption = Sign(minutes) + ZQDurationToStr(static_cast<std::int32_t>(magnitude));
    return;
  }
  *daysCaption = Sign(minutes) + std::to_string(magnitude / MinutesPerDay);
  timeCaption = ZQTimeToStr(static_cast<int>(magnitude % MinutesPerDay));
}

TFigureTexts::TFigureTexts(const TFormatContext& context, const TProgramSettings& settings)
    : FContext(context), FSettings(settings) {}

std::string TFigureTexts::Money(double amount) const {
  return RealToStr(amount, 2, true, FContext);
}

std::string TFigureTexts::Money(Currency amount) const {
  return Money(amount.ToDouble());
}

std::string TFigureTexts::Quantity(double quantity) const {
  return RealToStr(quantity, FSettings.NumDecimals, true, FContext);
}

std::string TFigureTexts::CommissionPct(double percentage) const {
  return RealToStr(percentage, FSettings.PctDecimals, true, FContext);
}

std::string TFigureTexts::SharePct(double percentage) const {
  return RealToStr(percentage, FSettings.PctDecimals, false, FContext);
}

std::string TFigureTexts::DecimalDays(TDuration minutes) const {
  return RealToStr(static_cast<double>(minutes) / MinutesPerDay, FSettings.DayDecimals, true,
                   FContext);
}

std::string TFigureTexts::DecimalHours(TDuration minutes) const {
  return RealToStr(static_cast<double>(minutes) / 60.0, FSettings.DayDecimals, true, FContext);
}

std::string TFigureTexts::DaysAndClock(TDuration minutes) const {
  std::string days;
  std::string time;
  ShowDaysAndTime(minutes, &days, time);
  return days + " d " + time;
}

std::string TFigureTexts::RateInUnit(double dailyRate) const {
  if (dailyRate == EmptyReal) {
    return {};
  }
  return RealToStr(PerHour() ? dailyRate / 24.0 : dailyRate, 2, true, FContext);
}

TFigureTexts::TRate TFigureTexts::RateByUnit(double dailyRate) const {
  return {RateInUnit(dailyRate), PerHour() ? "/hour =" : "/day ="};
}

} // namespace laytime
