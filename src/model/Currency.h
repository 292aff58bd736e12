// The money type of tiered demurrage prices and pro-rata shares: a signed 64-bit count of
// ten-thousandths, so that sums of amounts stay exact and a rounding to cents can be decided
// on the decimal digits a user sees rather than on the binary approximation of a double.
#pragma once

#include <compare>
#include <cstdint>

namespace laytime {

class Currency {
public:
  /// Ten-thousandths per unit of money.
  static constexpr std::int64_t Scale = 10000;

  /// Zero.
  constexpr Currency() = default;

  /// The amount rounded to four decimals, ties to the even neighbour. The rounding is decided
  /// on the shortest decimal form of the double (the number as it is printed or was typed), so
  /// 1.23455 becomes 1.2346 although its binary value lies a little below the tie.
  /// EmptyReal, a value not entered, converts to 0: an amount nobody entered is no money.
  /// Throws ERangeError for NaN, an infinity or a value beyond ±922337203685477.5807.
  explicit Currency(double value);

  /// The amount of exactly `tenThousandths` / 10000 units.
  static constexpr Currency FromRaw(std::int64_t tenThousandths) {
    Currency result;
    result.FValue = tenThousandths;
    return result;
  }

  /// `amount` rounded once to two decimals, ties to the even neighbour, the tie judged without
  /// the binary noise of decimal arithmetic (12345.675 → 12345.68). Rounding to four decimals
  /// first, as the constructor does, could turn 1286.86501 into the tie 1286.8650 and lose the
  /// cent. Amounts too large for a double to hold their cents go through the constructor,
  /// which refuses those beyond the range.
  static Currency RoundedToCents(double amount);

  /// The count of ten-thousandths.
  constexpr std::int64_t Raw() const { return FValue; }

  /// The amount rounded to two decimals, ties to the even neighbour (12345.675 → 12345.68,
  /// 2.525 → 2.52, −2.535 → −2.54).
  Currency RoundToCents() const;

  /// The amount as a double (exact for amounts below about 900 billion).
  double ToDouble() const { return static_cast<double>(FValue) / Scale; }

  /// Sums and differences are exact; a result outside the range throws ERangeError.
  Currency operator+(Currency other) const;
  Currency operator-(Currency other) const;
  Currency operator-() const;
  Currency& operator+=(Currency other);
  Currency& operator-=(Currency other);

  /// The product rounded to four decimals as by the constructor (a share of an amount, a
  /// percentage of it). Throws ERangeError when the product is outside the range.
  Currency operator*(double factor) const;

  constexpr auto operator<=>(const Currency&) const = default;

private:
  std::int64_t FValue = 0;
};

} // namespace laytime
