// Rounding of reals to whole numbers without touching the processor's rounding state:
// the mode is always a parameter.
#pragma once

#include <cstdint>

namespace laytime {

/// The pro-rata rounding methods, stored as one byte (0..3) in settings and files.
enum class TRoundingMode : std::uint8_t { Nearest = 0, Down = 1, Up = 2, Truncate = 3 };

/// Nearest whole number, a tie going to the even neighbour (2.5 → 2, 3.5 → 4, −2.5 → −2).
/// A value beyond the 64-bit range gives the nearer end of the range; one that is not a
/// number gives 0. The same holds for RoundWithMode.
std::int64_t RoundHalfEven(double value);

/// Whole number by the given mode: Nearest as RoundHalfEven, Down toward −∞, Up toward +∞,
/// Truncate toward zero. The value is first freed of the binary noise of decimal arithmetic:
/// within 1e-12 of its size from a whole or half number it is taken as that number, so that
/// 2.3 × 1440 (3311.9999999999995) gives 3312 also under Down, and 2.075 × 60
/// (124.50000000000001) is the tie that goes to 124.
std::int64_t RoundWithMode(double value, TRoundingMode mode);

/// value rounded to `decimals` places, ties to even (value × 10^decimals rounded, then divided
/// back).
double RoundToDecimals(double value, int decimals);

} // namespace laytime
