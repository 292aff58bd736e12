#include "model/Currency.h"

#include "core/Errors.h"
#include "core/Rounding.h"
#include "core/ZQTypes.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace laytime {

namespace {

// Amounts are limited to what 64-bit ten-thousandths hold; the bound is kept a little inside
// the exact limit so that rounding up cannot leave the range.
constexpr double MaxAmount = 922337203685477.0;

[[noreturn]] void ThrowOutOfRange(double value) {
  throw ERangeError("Amount out of range: " + std::to_string(value));
}

std::int64_t Checked(std::int64_t value, bool overflow) {
  if (overflow)
    throw ERangeError("Amount out of range");
  return value;
}

// Rounds the magnitude of `value` to ten-thousandths, ties to even, on its shortest decimal
// form: the digits after the fourth decimal decide, "5" alone being the tie.
std::int64_t RoundedTenThousandths(double magnitude) {
  // Below a tenth of the last place nothing can round up, and the fixed form of such tiny
  // numbers would be long.
  if (magnitude < 1e-5)
    return 0;
  std::array<char, 64> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                          std::chars_format::fixed);
  if (error != std::errc())
    ThrowOutOfRange(magnitude);

  std::int64_t result = 0;
  const char* cursor = buffer.data();
  for (; cursor != end && *cursor != '.'; ++cursor)
    result = result * 10 + (*cursor - '0');
  if (cursor != end)
    ++cursor;
  for (int decimal = 0; decimal < 4; ++decimal) {
    const int digit = cursor != end ? *cursor++ - '0' : 0;
    result = result * 10 + digit;
  }
  if (cursor == end || *cursor < '5')
    return result;
  if (*cursor > '5')
    return result + 1;
  for (const char* rest = cursor + 1; rest != end; ++rest)
    if (*rest != '0')
      return result + 1;
  return result % 2 == 0 ? result : result + 1;
}

} // namespace

Currency::Currency(double value) {
  if (value == EmptyReal)
    return;
  if (!std::isfinite(value) || std::fabs(value) > MaxAmount)
    ThrowOutOfRange(value);
  const std::int64_t magnitude = RoundedTenThousandths(std::fabs(value));
  FValue = value < 0 ? -magnitude : magnitude;
}

Currency Currency::RoundedToCents(double amount) {
  constexpr double LargestInCents = 1.0e13;
  if (amount == EmptyReal || !(std::fabs(amount) < LargestInCents))
    return Currency(amount).RoundToCents();
  constexpr std::int64_t RawPerCent = Scale / 100;
  return FromRaw(RoundWithMode(amount * 100.0, TRoundingMode::Nearest) * RawPerCent);
}

Currency Currency::RoundToCents() const {
  // Worked on the signed value, so that no amount needs to be negated.
  constexpr std::int64_t Cent = Scale / 100;
  std::int64_t cents = FValue / Cent;
  const std::int64_t rest = FValue % Cent;
  const bool odd = cents % 2 != 0;
  if (rest > Cent / 2 || (rest == Cent / 2 && odd))
    ++cents;
  else if (rest < -Cent / 2 || (rest == -Cent / 2 && odd))
    --cents;
  // Cannot leave the range: the limits end in ...07 and ...08 ten-thousandths, so the amounts
  // next to them round towards zero.
  return FromRaw(cents * Cent);
}

Currency Currency::operator+(Currency other) const {
  std::int64_t sum = 0;
  return FromRaw(Checked(sum, __builtin_add_overflow(FValue, other.FValue, &sum)));
}

Currency Currency::operator-(Currency other) const {
  std::int64_t difference = 0;
  return FromRaw(Checked(difference, __builtin_sub_overflow(FValue, other.FValue, &difference)));
}

Currency Currency::operator-() const {
  return Currency() - *this;
}

Currency& Currency::operator+=(Currency other) {
  return *this = *this + other;
}

Currency& Currency::operator-=(Currency other) {
  return *this = *this - other;
}

Currency Currency::operator*(double factor) const {
  const double product = ToDouble() * factor;
  // A product that happens to equal the empty marker is out of range, not "not entered".
  if (product == EmptyReal)
    ThrowOutOfRange(product);
  return Currency(product);
}

} // namespace laytime
