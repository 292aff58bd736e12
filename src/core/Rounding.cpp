#include "core/Rounding.h"

#include <cmath>

namespace laytime {

namespace {

// Half-even rounding kept in doubles, so that values beyond the 64-bit range stay exact.
double RoundHalfEvenReal(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction > 0.5)
    return below + 1.0;
  if (fraction < 0.5)
    return below;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace

std::int64_t RoundHalfEven(double value) {
  return static_cast<std::int64_t>(RoundHalfEvenReal(value));
}

std::int64_t RoundWithMode(double value, TRoundingMode mode) {
  switch (mode) {
  case TRoundingMode::Nearest:
    return RoundHalfEven(value);
  case TRoundingMode::Down:
    return static_cast<std::int64_t>(std::floor(value));
  case TRoundingMode::Up:
    return static_cast<std::int64_t>(std::ceil(value));
  case TRoundingMode::Truncate:
    return static_cast<std::int64_t>(std::trunc(value));
  }
  return RoundHalfEven(value);
}

double RoundToDecimals(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return RoundHalfEvenReal(value * scale) / scale;
}

} // namespace laytime
