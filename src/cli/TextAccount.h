// The short human-readable account of a calculated voyage that `laytime-cli calc` prints.
#pragma once

#include "calc/TCalcNotices.h"
#include "core/FormatContext.h"

#include <string>

namespace laytime {
class TCalculation;
}

namespace laytime::cli {

/// Per port the time allowed, used, waited, saved or lost and the amounts; the results of the
/// groups the mode fills; the net totals and the net balance (despatch less net demurrage);
/// and the notices of the calculation. Durations are days and hh:mm, amounts have two
/// decimals, as the result report shows them.
std::string TextAccount(const TCalculation& calculation, const TFormatContext& context,
                        const TCalcNotices& notices);

} // namespace laytime::cli
