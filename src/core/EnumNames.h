// The names of enumeration values: the texts under which the user sees them, and the
// identifiers under which the JSON form and other text formats of a calculation write them.
#pragma once

#include "core/Enums.h"
#include "core/Rounding.h"

#include <optional>
#include <string_view>

namespace laytime {

/// "Pro rata on cargo quantity" (0), "Pro rata on time" (1), empty for other values.
std::string_view ProRataCalcMethodName(int method);

/// "Nearest" (0), "Down" (1), "Up" (2), "Truncate" (3), empty for other values.
std::string_view ProRataRoundingMethodName(int method);

/// "per day" (0), "per hour" (1), empty for other values.
std::string_view DemurrageRateUnitName(int unit);

/// The name under which a counting condition is listed and printed ("Full/Normal", "TF err 07",
/// "Partial detention"); empty for `undef_tfact` and for values outside the enumeration.
std::string_view FactCodeName(TFactCode code);

/// The identifier of a value, as its enumerator is spelled ("NonReversible", "load_days",
/// "PartDetention_Tfact"); empty for a value outside the enumeration, such as an unknown byte
/// read from a file.
std::string_view Identifier(TPortMode value);
std::string_view Identifier(TCalcDespatch value);
std::string_view Identifier(TLoadUnits value);
std::string_view Identifier(TPortOpAction value);
std::string_view Identifier(TProRataCalcMethod value);
std::string_view Identifier(TDemurrateRateUnit value);
std::string_view Identifier(TFactCode value);
std::string_view Identifier(TRoundingMode value);

/// The value whose identifier is exactly `text` (case matters); nothing for any other text.
/// Defined for the enumerations that have an Identifier overload above.
template <typename E> std::optional<E> ParseIdentifier(std::string_view text);

} // namespace laytime
