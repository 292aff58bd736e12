// The count of one port's laytime from its statement of facts.
#pragma once

#include "calc/TCalcNotices.h"
#include "core/Enums.h"
#include "core/ZQTypes.h"

#include <cstdint>

namespace laytime {

class TCalculation;

/// Where a port stands in the group it is counted with. A port counted alone is the last of
/// its group. Only the last port of a group goes on counting after completion under the
/// all-time-saved clause.
enum class TGroupPosition : std::uint8_t { LastOfGroup, EarlierInGroup };

/// The remark of the caption line that marks the laytime start when lines before it are listed.
inline constexpr const char* BeginOfLaytimeText = "Begin of laytime calculation";

/// Counts the laytime of port `portIndex` of `calculation`, starting with `allowance` minutes,
/// and writes the port's time results (TimeAllowed, TimeRemaining, Laytime, TimeUsed,
/// TimeWaited, TimeSaved, the demurrage start, the end of counting; M1 and the amounts 0) and
/// its result lines (SoFResultCollection, rebuilt from nothing).
///
/// Counting begins at the port's effective start and walks the statement of facts period by
/// period; a period never crosses midnight and is cut at the SHEX window's edges, at completion
/// and where the allowance runs out. A completion at 00:00 is rewritten in the port record as
/// 24:00 of the day before and stays so. `despatchMode` is the port's or its group's time-saved
/// clause. `onDemurrage` carries the state from the previous port of a group (false for a port
/// counted alone) and holds the state after the last period on return. The notices record only
/// their first occurrence: an already recorded notice is left alone.
///
/// Throws std::out_of_range for a position outside the port list.
void CountPortTime(TCalculation& calculation, int portIndex, TGroupPosition position,
                   TCalcDespatch despatchMode, TDuration allowance, bool& onDemurrage,
                   TCalcNotices& notices);

} // namespace laytime
