// One pro-rata partner line: a charterer and its cargo quantity for the whole voyage.
#pragma once

#include "core/ZQTypes.h"

#include <string>

namespace laytime {

struct TProRataRec {
  std::string Charterer; ///< partner name
  std::string Remark;
  double Quantity = EmptyReal;    ///< cargo quantity for the whole voyage; EmptyReal when not given
  double SharedHours = EmptyReal; ///< kept for the file layout; not used by the calculation
  double AllocatedHours = EmptyReal; ///< kept for the file layout; not used by the calculation

  bool operator==(const TProRataRec&) const = default;
};

} // namespace laytime
