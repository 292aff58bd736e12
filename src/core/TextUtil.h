// Small text helpers shared by the conversions: trimming, token splitting and upper case.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace laytime {

/// Removes leading and trailing blanks and control characters (every byte up to the space).
std::string_view Trim(std::string_view text);

/// Returns the part of `text` before the first `separator` and removes that part and the
/// separator from `text`; without a separator the whole text is returned and `text` emptied.
std::string SplitToken(std::string& text, char separator);

/// A whole number of 32 bits: an optional sign and decimal digits, nothing else.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

/// Upper case of ASCII letters and of the letters of the Latin-1 range (ä becomes Ä);
/// the texts compared this way are month names and clock markers.
std::string UpperCaseText(std::string_view text);

} // namespace laytime
