// A small demonstration of the foundation until the command-line tool exists: a laytime
// allowance, a demurrage rate per cargo unit and the text forms of dates and times.
#include "core/DateText.h"
#include "core/DayTime.h"
#include "core/FormatContext.h"
#include "core/Locale.h"
#include "core/NumberText.h"
#include "core/Settings.h"
#include "core/TimeText.h"
#include "core/VoyageRules.h"

#include <exception>
#include <iostream>
#include <string>

namespace {

using namespace laytime;

// "2 days 06:00 (54:00)"
std::string DurationText(TDuration minutes) {
  const TDayTime parts = MinutesToDayTime(minutes);
  return std::to_string(parts.Day) + (parts.Day == 1 ? " day " : " days ") +
         ZQTimeToStr(parts.Minute) + " (" + ZQDurationToStr(minutes) + ")";
}

void ShowAllowance(const TTemplateSettings& settings, const TFormatContext& context) {
  const double quantity = 10000;
  const double rate = 5000;
  std::cout << "Laytime allowance\n";
  const TDuration plain = LaytimeMinutes(quantity, rate, TLoadUnits::load_units_p_day, EmptyDay,
                                         EmptyTime, false, settings.LoadDaysLimit);
  std::cout << "  " << RealToStr(quantity, 0, true, context) << " mts at "
            << RealToStr(rate, 0, true, context) << " mts/day: " << DurationText(plain) << "\n";
  const TDuration extended = LaytimeMinutes(quantity, rate, TLoadUnits::load_units_p_day, 0, 360,
                                            false, settings.LoadDaysLimit);
  std::cout << "  with 06:00 additional allowance: " << DurationText(extended) << "\n";
  const TDuration inDays = LaytimeMinutes(quantity, 3.5, TLoadUnits::load_undef, EmptyDay,
                                          EmptyTime, false, settings.LoadDaysLimit);
  std::cout << "  rate 3.5 without unit (read as days): " << DurationText(inDays) << "\n";
  const double perUnit = 0.35;
  std::cout << "  demurrage " << RealToStr(perUnit, 2, false, context) << " per mts and day: "
            << RealToStr(EffectiveDailyRate(quantity, perUnit, settings.PerUnitRateLimit), 2, true,
                         context)
            << " per day\n";
  std::cout << "  \"Loading completed\" at a discharging port: \""
            << AdaptOperationWords("Loading completed", false) << "\"\n";
}

void ShowDateForms(const ILocale& locale, const char* localeName, const IClock& clock) {
  const TDayNumber day = 45379; // Thursday, 28 March 2024
  std::cout << "Dates in " << localeName << "\n";
  for (int format = 0; format < 4; ++format) {
    const TFormatContext context{locale, format, clock};
    std::cout << "  " << DateFormatCaptions[format] << ": " << ZQDateToStr(day, false, context)
              << " " << WeekdayName(day, true) << "\n";
  }
}

void ShowReadings(const ILocale& locale, const IClock& clock) {
  const TFormatContext context{locale, 2, clock};
  std::cout << "Typed dates and times (dd.mm.yyyy, today "
            << ZQDateToStr(clock.Today(), false, context) << ")\n";
  for (const char* typed : {"1005", "3.4", "+7", "12.01.25"}) {
    TDayNumber day = EmptyDay;
    const bool read = StrToZQDate(typed, clock.Today(), day, false, context);
    std::cout << "  \"" << typed << "\" -> " << (read ? ZQDateToStr(day, false, context) : "?")
              << "\n";
  }
  for (const char* typed : {"8", "830", "17:45", "2400"}) {
    TMinuteOfDay minute = EmptyTime;
    const bool read = StrToZQTime(typed, minute, context);
    std::cout << "  \"" << typed << "\" -> " << (read ? ZQTimeToStr(minute) : "?") << "\n";
  }
}

} // namespace

int main() {
  try {
    const TTemplateSettings settings;
    const TFixedClock clock(45379);
    ShowAllowance(settings, TFormatContext{EnglishUSLocale(), 0, clock});
    ShowDateForms(EnglishUSLocale(), "English (United States)", clock);
    ShowDateForms(GermanLocale(), "German (Germany)", clock);
    ShowReadings(GermanLocale(), clock);
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return 0;
}
