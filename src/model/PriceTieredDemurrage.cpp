#include "model/PriceTieredDemurrage.h"

#include "model/ITieredTimes.h"
#include "model/TTieredRates.h"

#include <algorithm>
#include <cassert>
#include <stdexcept>

namespace laytime {

Currency PriceTieredDemurrage(const TTieredRates& rates, ITieredTimes& times,
                              std::int64_t minutes) {
  times.Clear();
  assert(rates.GetCount() > 0 && "PriceTieredDemurrage needs at least one tier");
  if (rates.GetCount() == 0)
    throw std::logic_error("PriceTieredDemurrage: the port has no demurrage tier");

  std::int64_t remaining = minutes;
  for (int index = 0; remaining > 0; ++index) {
    std::int64_t size = 0;
    if (!rates.TryGetTierSizeInMinutes(index, size) || remaining <= size) {
      times.AddToTier(index, remaining);
      break;
    }
    // A tier out of order has no length of its own; it must not hand minutes back.
    size = std::max<std::int64_t>(size, 0);
    if (size > 0)
      times.AddToTier(index, size);
    remaining -= size;
  }

  Currency total;
  for (int index = 0; index < rates.GetCount(); ++index)
    if (!rates.IsEmptyRec(index))
      total += times.Calc(index, rates.GetItem(index).Rate);
  return total;
}

} // namespace laytime
