#include "core/Clock.h"

#include "core/Calendar.h"

#include <ctime>

namespace laytime {

namespace {

class TSystemClock final : public IClock {
public:
  TDayNumber Today() const override {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr)
      return EmptyDay;
    return TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).value_or(EmptyDay);
  }
};

} // namespace

const IClock& SystemClock() {
  static const TSystemClock clock;
  return clock;
}

} // namespace laytime
