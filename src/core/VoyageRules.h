// The rules that reset and stamp the voyage-wide records. The other shared rules of the
// voyage are included as well, so that one include gives a caller all of them.
#pragma once

#include "core/DailyRates.h"
#include "core/EnumNames.h"
#include "core/LaytimeAllowance.h"
#include "core/OperationWords.h"
#include "core/Settings.h"
#include "core/VoyageRecords.h"

namespace laytime {

/// Empties the results of the voyage: both validity flags false, every duration and amount of
/// the three groups and of the averaged mode 0, and each group's demurrage moment empty.
void ClearVoyageResults(TVoyageRec& voyage);

/// Empties the whole voyage for a new calculation. The calculation mode, always-on-demurrage,
/// the time-saved clause of the three groups and the despatch and SHEX switches take the
/// template's defaults. `ProRataPerPort` keeps its value: it belongs to the pro-rata list,
/// which is cleared on its own.
void ClearVoyage(TVoyageRec& voyage, const TTemplateSettings& settings);

/// Empties the history and totals of a calculation file.
void ClearStatus(TStatusRec& status);

/// Records the pro-rata method, rounding method and demurrage rate unit in force, so that a
/// file opened later under other settings can say so. Done before every save.
void StampHints(TVoyageRec& voyage, const TProgramSettings& settings);

/// All ports share one allowance: all-purpose time over all ports in the all-reversible mode.
bool IsAllPortsAllPurpose(const TVoyageRec& voyage);

} // namespace laytime
