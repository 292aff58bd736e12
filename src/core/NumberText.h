// Reals and whole numbers as text in the locale's separators, with the empty markers.
#pragma once

#include "core/FormatContext.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace laytime {

/// The value with `decimals` places (0..18) after the locale's decimal separator, rounded
/// from at most 15 significant digits, and grouped by the thousands separator when `grouped`
/// is set; EmptyReal gives the empty string. A value of 10^15 or more is written in
/// exponent form (1.00000000000000E+15), as no fixed form keeps its digits.
std::string RealToStr(double value, int decimals, bool grouped, const TFormatContext& context);

/// The trimmed text without any thousands separator, read with the locale's decimal separator
/// and an optional exponent; an empty or unreadable text gives EmptyReal.
double StrToReal(std::string_view text, const TFormatContext& context);

/// The decimal digits of the value, grouped when `grouped` is set; EmptyInt gives the empty
/// string.
std::string IntToStrOrEmpty(std::int32_t value, bool grouped, const TFormatContext& context);

/// The trimmed text without any thousands separator, read as a whole number of 32 bits;
/// an empty or unreadable text gives EmptyInt.
std::int32_t StrToIntOrEmpty(std::string_view text, const TFormatContext& context);

} // namespace laytime
