// What the text forms of dates, times and numbers depend on, passed to every conversion.
#pragma once

#include "core/Clock.h"
#include "core/Locale.h"

namespace laytime {

struct TFormatContext {
  const ILocale& Locale;
  /// The date-format setting (TProgramSettings::DateFormat): 0 the locale's short date
  /// format, 1 yyyy-mm-dd, 2 dd.mm.yyyy, 3 mm/dd/yyyy. Any other value counts as 0.
  int DateFormat = 0;
  /// The base of typed dates when no default date is given.
  const IClock& Clock = SystemClock();
};

} // namespace laytime
