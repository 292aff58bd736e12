#include "core/Rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

// Products and quotients of decimal inputs miss a whole or half number by a few units of the
// last binary place, about 1e-16 of the value (2.3 days are 3311.9999999999995 minutes); a
// genuine fraction of inputs with a few decimals is practically never that close to one.
constexpr double BinaryNoise = 1e-12;

// The value, or the whole or half number it lies within binary noise of.
double WithoutBinaryNoise(double value) {
  const double halves = RoundHalfEvenReal(value * 2.0) / 2.0;
  const double tolerance = BinaryNoise * std::max(1.0, std::fabs(value));
  return std::fabs(value - halves) <= tolerance ? halves : value;
}

// A whole number as a 64-bit integer: held at the ends of the range beyond them, 0 for what is no
// number, so that no value converts undefined.
std::int64_t ToInt64(double whole) {
  // 2^63, the first value above the range; everything below it down to -2^63 converts exactly.
  constexpr double Beyond = 9223372036854775808.0;
  if (std::isnan(whole))
    return 0;
  if (whole >= Beyond)
    return std::numeric_limits<std::int64_t>::max();
  if (whole < -Beyond)
    return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(whole);
}

} // namespace

std::int64_t RoundHalfEven(double value) {
  return ToInt64(RoundHalfEvenReal(value));
}

std::int64_t RoundWithMode(double value, TRoundingMode mode) {
  value = WithoutBinaryNoise(value);
  switch (mode) {
  case TRoundingMode::Nearest:
    return RoundHalfEven(value);
  case TRoundingMode::Down:
    return ToInt64(std::floor(value));
  case TRoundingMode::Up:
    return ToInt64(std::ceil(value));
  case TRoundingMode::Truncate:
    return ToInt64(std::trunc(value));
  }
  return RoundHalfEven(value);
}

double RoundToDecimals(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return RoundHalfEvenReal(value * scale) / scale;
}

} // namespace laytime
