// One informative entry of a port: a dated remark that the report prints but the count ignores.
#pragma once

#include "core/ZQTypes.h"

namespace laytime {

class TPortInfoItem {
public:
  TPortInfoItem() = default;
  TPortInfoItem(const TPortInfoItem&) = delete;
  TPortInfoItem& operator=(const TPortInfoItem&) = delete;

  /// Text empty, date EmptyDay, time EmptyTime.
  void ClearData() { FDateTimeInfoRec = TDateTimeInfoRec{}; }
  /// Copies date, time and text.
  void Assign(const TPortInfoItem& source) { FDateTimeInfoRec = source.FDateTimeInfoRec; }

  TDateTimeInfoRec FDateTimeInfoRec;
};

} // namespace laytime
