// The port record: a port's C/P terms, its laytime window, SHEX terms and pre-advice, and the
// results the calculation writes back into it.
#pragma once

#include "core/DayTime.h"
#include "core/Enums.h"
#include "core/ZQTypes.h"

#include <cstdint>
#include <memory>
#include <string>

namespace laytime {

class ITieredTimes;

/// One port. Fields are in the order of the port record in calculation files; the defaults are
/// those of a cleared port.
struct TPortRec {
  std::string PortName;
  bool OpLoading = false;
  bool OpDischarging = false;
  TLoadUnits PortLoadUnits = TLoadUnits::load_units_p_day;
  double PortLoadRate = EmptyReal; ///< rate or fixed allowance in PortLoadUnits
  TCalcDespatch PortDespatchMode = TCalcDespatch::calcUndef;
  bool PortCalcCQD = false; ///< customary quick despatch; only effective in NonReversible mode
  double PortDemurrageRate = EmptyReal; ///< per day, or per cargo unit per day below the limit
  double PortDespatchRate = EmptyReal;
  double PortCommissionPct = EmptyReal;
  std::string CargoName;
  double CargoQuantity = EmptyReal;
  std::string CargoUnits = "mts";
  TDateTimeInfoRec LayTimeCountFrom;   ///< laytime counting begins
  TDateTimeInfoRec LayTimeOpCompleted; ///< laytime counting ends (operations completed)
  std::int32_t ShexOption = -1;   ///< position of the chosen SHEX preset; −1 when typed directly
  std::int32_t ShexStartDay = -1; ///< 0 Sunday … 6 Saturday; −1 none
  std::int32_t ShexEndDay = -1;
  std::int16_t ShexStartTime = EmptyTime;
  std::int16_t ShexEndTime = EmptyTime;
  std::int32_t PortAddAllowanceDays = EmptyDay;
  std::int16_t PortAddAllowanceTime = EmptyTime;
  TDayNumber PreAdvDate = EmptyDay;
  TMinuteOfDay PreAdvTime = EmptyTime;
  std::int32_t PreAdvOffsDays = EmptyDay;  ///< 0..999
  std::int16_t PreAdvOffsTime = EmptyTime; ///< 0..1440
  std::string pRemarks;

  // Results of the calculation.
  TDayNumber CalcEndDate = EmptyDay;
  TMinuteOfDay CalcEndTime = EmptyTime;
  TDuration M1 = 0;
  TDuration Laytime = 0;
  TDuration TimeUsed = 0;
  TDuration TimeWaited = 0;
  TDuration TimeAllowed = 0;
  TDuration TimeRemaining = 0;
  TDuration TimeSaved = 0;
  double Demurrage = 0.0;
  double Despatch = 0.0;
  double Commission = 0.0;
  TDayNumber DemurrageDate = EmptyDay;
  TMinuteOfDay DemurrageTime = EmptyTime;

  std::int16_t TankerMinTimeAllowance = EmptyTime; ///< 0..1440 minutes
  bool UseTieredDemurrage = false;
  /// Result: demurrage minutes per tier. Shared ownership, so a copied record shares the
  /// allocation; TPortItem gives every port its own.
  std::shared_ptr<ITieredTimes> TieredTimes;
  double OnDemurrageAt = 0.0; ///< result: platform moment on demurrage
};

/// The moment from which laytime counting can begin: the count-from moment, or the end of the
/// pre-advice delay when the pre-advice is complete and ends later. On equality the count-from
/// moment is taken; an offset time may carry into the next day.
TDayTime EffectiveCountStart(const TPortRec& port);

/// True when any of the four SHEX fields of the port is given.
bool IsShexGiven(const TPortRec& port);

} // namespace laytime
