// Pricing of a period on demurrage through the tiers of a port.
#pragma once

#include "model/Currency.h"

#include <cstdint>

namespace laytime {

class ITieredTimes;
class TTieredRates;

/// Spreads `minutes` on demurrage over the tiers from the first, each tier taking at most its
/// size and the last tier the rest, leaves that allocation in `times` (cleared first) and
/// returns the total price: the sum over the tiers that are not empty of times.Calc(index,
/// rate), so every tier is rounded to cents on its own. Minutes that end exactly where a tier
/// ends go wholly to that tier; the next tier gets no entry. An empty tier in the middle keeps
/// its length (its minutes are allocated) but adds nothing to the price; a tier of no length
/// (tiers out of order) receives nothing. No minutes, or a negative count, costs nothing.
///
/// `rates` must not be empty (files repair their tiers, the dialog keeps the first one): an
/// empty list is a programming error that asserts, and throws std::logic_error where
/// assertions are compiled out.
Currency PriceTieredDemurrage(const TTieredRates& rates, ITieredTimes& times, std::int64_t minutes);

} // namespace laytime
