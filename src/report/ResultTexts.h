// The texts that describe how a calculation was made and the net totals it came to, shared by
// the bands of the result report. They only read the records of a finished calculation.
#pragma once

#include "core/VoyageRecords.h"
#include "model/TPortRec.h"

#include <string>

namespace laytime {

/// The calculation basis of the voyage, for instance "Loading ports: Reversible, All time saved;
/// Discharging ports: non reversible; Once on demurrage, always on demurrage". The despatch
/// clause of a reversible group is left out when the voyage has despatch disabled.
std::string CalculationModeText(const TVoyageRec& voyage);

/// The calculation basis of one port, for instance "Reversible against other load ports;
/// Counting all time saved". The despatch clause is left out when the voyage has despatch
/// disabled.
std::string PortModeText(const TVoyageRec& voyage, const TPortRec& port);

struct TNetAmounts {
  double DemurrageNet = 0.0; ///< demurrage less commission
  double Despatch = 0.0;
};

/// The net demurrage and the despatch of the whole voyage: from the all-ports results in the
/// modes that count all ports as one set (non reversible, all reversible, averaged), as the sum
/// of the loading and discharging results in the partly reversible modes, 0 otherwise. An empty
/// amount counts 0.
TNetAmounts GetNetAmounts(const TVoyageRec& voyage);

} // namespace laytime
