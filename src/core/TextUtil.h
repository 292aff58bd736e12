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

/// Upper case of ASCII letters and of every small letter of the Windows-1252 code page (ä
/// becomes Ä, š becomes Š, ÿ becomes Ÿ), as the system's ANSI upper-casing gives it; the texts
/// compared this way are month names, clock markers and template passwords.
std::string UpperCaseText(std::string_view text);

} // namespace laytime
