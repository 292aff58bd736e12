#include "calc/CalculateVoyage.h"

#include "calc/CountPortTime.h"
#include "calc/TCalcTankers.h"
#include "core/DayTime.h"
#include "core/VoyageRules.h"
#include "model/PriceTieredDemurrage.h"
#include "model/TCalculation.h"
#include "model/TTieredTimes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <vector>

namespace laytime {

namespace {

constexpr int DaysPerWeek = 7;

std::int32_t ClampToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min() + 1,
                               std::numeric_limits<std::int32_t>::max()));
}

// The balance of a port or a group: allowance − used − waited; above 0 time saved, below 0
// time lost.
TDuration Balance(std::int64_t allowed, std::int64_t used, std::int64_t waited) {
  return ClampToInt32(allowed - used - waited);
}

// |minutes| as a real, never a negative zero.
double AbsMinutes(TDuration minutes) {
  return static_cast<double>(std::llabs(std::int64_t{minutes}));
}

// A group rate is an amount per day; an empty one (possible where despatch is disabled) counts 0.
double GroupRate(double rate) {
  return EmptyToZero(rate);
}

// The result fields of one of the voyage's three sets (AllPorts, Loading, Discharging).
struct TResultSet {
  TDuration& Laytime;
  TDuration& TimeUsed;
  TDuration& TimeWaited;
  TDuration& TimeAllowed;
  TDuration& TimeSaved;
  TDuration& M1;
  double& Demurrage;
  double& Despatch;
  double& Commission;

  void AddTimes(const TPortRec& port) const {
    Laytime = ClampToInt32(std::int64_t{Laytime} + port.Laytime);
    TimeUsed = ClampToInt32(std::int64_t{TimeUsed} + port.TimeUsed);
    TimeWaited = ClampToInt32(std::int64_t{TimeWaited} + port.TimeWaited);
    TimeSaved = ClampToInt32(std::int64_t{TimeSaved} + port.TimeSaved);
  }

  void AddAmounts(const TPortRec& port) const {
    Demurrage += port.Demurrage;
    Despatch += port.Despatch;
    Commission += port.Commission;
  }
};

TResultSet AllPortsSet(TVoyageRec& v) {
  return {v.LaytimeAllPorts,     v.TimeUsedAllPorts,  v.TimeWaitedAllPorts,
          v.TimeAllowedAllPorts, v.TimeSavedAllPorts, v.M1AllPorts,
          v.DemurrageAllPorts,   v.DespatchAllPorts,  v.CommissionAllPorts};
}

TResultSet LoadingSet(TVoyageRec& v) {
  return {v.LaytimeLoading,     v.TimeUsedLoading,  v.TimeWaitedLoading,
          v.TimeAllowedLoading, v.TimeSavedLoading, v.M1Loading,
          v.DemurrageLoading,   v.DespatchLoading,  v.CommissionLoading};
}

TResultSet DischargingSet(TVoyageRec& v) {
  return {v.LaytimeDischarging,     v.TimeUsedDischarging,  v.TimeWaitedDischarging,
          v.TimeAllowedDischarging, v.TimeSavedDischarging, v.M1Discharging,
          v.DemurrageDischarging,   v.DespatchDischarging,  v.CommissionDischarging};
}

// The C/P terms of a group of ports counted together.
struct TGroupTerms {
  bool AllPurpose;
  TLoadUnits LoadUnits;
  double LoadRate;
  TDayNumber AddDays;
  int AddTime;
  TCalcDespatch DespatchMode;
  double DemurrageRate;
  double DespatchRate;
  double CommissionPct;
};

TGroupTerms AllPortsTerms(const TVoyageRec& v) {
  return {v.AllPurposeAllPorts,       v.LoadUnitsAllPorts,        v.LoadRateAllPorts,
          v.AddAllowanceDaysAllPorts, v.AddAllowanceTimeAllPorts, v.DespatchModeAllPorts,
          v.DemurrageRateAllPorts,    v.DespatchRateAllPorts,     v.CommissionPctAllPorts};
}

TGroupTerms LoadingTerms(const TVoyageRec& v) {
  return {v.AllPurposeLoading,       v.LoadUnitsLoading,        v.LoadRateLoading,
          v.AddAllowanceDaysLoading, v.AddAllowanceTimeLoading, v.DespatchModeLoading,
          v.DemurrageRateLoading,    v.DespatchRateLoading,     v.CommissionPctLoading};
}

TGroupTerms DischargingTerms(const TVoyageRec& v) {
  return {v.AllPurposeDischarging,       v.LoadUnitsDischarging,        v.LoadRateDischarging,
          v.AddAllowanceDaysDischarging, v.AddAllowanceTimeDischarging, v.DespatchModeDischarging,
          v.DemurrageRateDischarging,    v.DespatchRateDischarging,     v.CommissionPctDischarging};
}

// Whether a port takes part in the amounts of the mode: the averaged mode prices only the
// voyage's balance.
enum class TPortAmounts : std::uint8_t { Priced, NotPriced };

class TVoyageCalculator {
public:
  explicit TVoyageCalculator(TCalculation& calculation)
      : FCalculation(calculation), FVoyage(calculation.Voyage),
        FSettings(calculation.TemplateSettings) {}

  TVoyageCalcResult Run();

private:
  bool CountByMode();
  void PreparePorts();
  void CountAlone(int portIdx, const TResultSet& set, TPortAmounts amounts);
  void PricePort(int portIdx);
  void CountGroup(const std::vector<int>& group, const TGroupTerms& terms, const TResultSet& set);
  void CountAveraged();
  TDuration PortAllowance(int portIdx) const;
  template <typename Predicate> std::vector<int> PortsWhere(Predicate predicate) const;
  TPortRec& Port(int portIdx) { return FCalculation.Ports.GetItem(portIdx).PortData; }
  bool DespatchPaid() const { return !FVoyage.DespatchDisabled; }

  TCalculation& FCalculation;
  TVoyageRec& FVoyage;
  const TTemplateSettings& FSettings;
  TCalcNotices FNotices;
};

TVoyageCalcResult TVoyageCalculator::Run() {
  ClearVoyageResults(FVoyage);
  PreparePorts();
  const bool produced = CountByMode();
  if (produced) {
    const TRoundingMode mode =
        ProRataRoundingMode(FCalculation.ProgramSettings().ProRataRoundingMethod);
    TCalcTankers::CalcDemurrageAndCommission(FCalculation, mode);
  }
  FVoyage.ResultValid = produced;
  return {produced, FNotices};
}

bool TVoyageCalculator::CountByMode() {
  const auto loads = [](const TPortRec& port) { return port.OpLoading; };
  const auto discharges = [](const TPortRec& port) { return port.OpDischarging; };
  const auto notLoading = [](const TPortRec& port) { return !port.OpLoading; };
  const auto notDischarging = [](const TPortRec& port) { return !port.OpDischarging; };
  const auto any = [](const TPortRec&) { return true; };

  switch (FVoyage.PortMode) {
  case TPortMode::Undef_PortMode:
    return false;
  case TPortMode::NonReversible:
    for (const int portIdx : PortsWhere(any))
      CountAlone(portIdx, AllPortsSet(FVoyage), TPortAmounts::Priced);
    return true;
  case TPortMode::LoadingReversible:
    CountGroup(PortsWhere(loads), LoadingTerms(FVoyage), LoadingSet(FVoyage));
    for (const int portIdx : PortsWhere(notLoading))
      CountAlone(portIdx, DischargingSet(FVoyage), TPortAmounts::Priced);
    return true;
  case TPortMode::DischargingReversible:
    CountGroup(PortsWhere(discharges), DischargingTerms(FVoyage), DischargingSet(FVoyage));
    for (const int portIdx : PortsWhere(notDischarging))
      CountAlone(portIdx, LoadingSet(FVoyage), TPortAmounts::Priced);
    return true;
  case TPortMode::LoadDischReversible:
    CountGroup(PortsWhere(loads), LoadingTerms(FVoyage), LoadingSet(FVoyage));
    CountGroup(PortsWhere(discharges), DischargingTerms(FVoyage), DischargingSet(FVoyage));
    return true;
  case TPortMode::AllReversible:
    CountGroup(PortsWhere(any), AllPortsTerms(FVoyage), AllPortsSet(FVoyage));
    return true;
  case TPortMode::AllAverage:
    CountAveraged();
    return true;
  }
  return false;
}

void TVoyageCalculator::PreparePorts() {
  for (int portIdx = 0; portIdx < FCalculation.Ports.Count(); ++portIdx) {
    TPortRec& port = Port(portIdx);
    port.M1 = 0;
    port.Laytime = 0;
    port.TimeUsed = 0;
    port.TimeWaited = 0;
    port.TimeAllowed = 0;
    port.TimeRemaining = 0;
    port.TimeSaved = 0;
    port.Demurrage = 0.0;
    port.Despatch = 0.0;
    port.Commission = 0.0;
    port.DemurrageDate = EmptyDay;
    port.DemurrageTime = EmptyTime;
    // The tier allocation is a result too: a mode without tiers must not leave the allocation
    // of an earlier calculation for the report to print.
    if (port.TieredTimes)
      port.TieredTimes->Clear();
    // A window that runs over the end of the week ends a week later.
    if (port.ShexStartDay >= 0 && port.ShexEndDay >= 0 && port.ShexEndDay < port.ShexStartDay)
      port.ShexEndDay += DaysPerWeek;
  }
}

TDuration TVoyageCalculator::PortAllowance(int portIdx) const {
  const TPortRec& port = FCalculation.Ports.GetItem(portIdx).PortData;
  return LaytimeMinutes(port.CargoQuantity, port.PortLoadRate, port.PortLoadUnits,
                        port.PortAddAllowanceDays, port.PortAddAllowanceTime,
                        FCalculation.Ports.CalculateCQD(portIdx), FSettings.LoadDaysLimit);
}

template <typename Predicate>
std::vector<int> TVoyageCalculator::PortsWhere(Predicate predicate) const {
  std::vector<int> ports;
  for (int portIdx = 0; portIdx < FCalculation.Ports.Count(); ++portIdx)
    if (predicate(FCalculation.Ports.GetItem(portIdx).PortData))
      ports.push_back(portIdx);
  return ports;
}

void TVoyageCalculator::CountAlone(int portIdx, const TResultSet& set, TPortAmounts amounts) {
  bool onDemurrage = false;
  const TDuration allowance = PortAllowance(portIdx);
  set.TimeAllowed = ClampToInt32(std::int64_t{set.TimeAllowed} + allowance);
  TPortRec& port = Port(portIdx);
  CountPortTime(FCalculation, portIdx, TGroupPosition::LastOfGroup, port.PortDespatchMode,
                allowance, onDemurrage, FNotices);
  port.M1 = Balance(port.TimeAllowed, port.TimeUsed, port.TimeWaited);
  if (amounts == TPortAmounts::Priced)
    PricePort(portIdx);
  set.AddTimes(port);
  if (amounts == TPortAmounts::Priced)
    set.AddAmounts(port);
}

void TVoyageCalculator::PricePort(int portIdx) {
  TPortItem& item = FCalculation.Ports.GetItem(portIdx);
  TPortRec& port = item.PortData;
  const bool nonReversible = FVoyage.PortMode == TPortMode::NonReversible;
  const double perUnitLimit = FSettings.PerUnitRateLimit;

  if (nonReversible) {
    if (!port.TieredTimes)
      port.TieredTimes = std::make_shared<TTieredTimes>();
    port.TieredTimes->Clear();
  }
  if (nonReversible && port.UseTieredDemurrage && port.M1 < 0) {
    port.Demurrage =
        PriceTieredDemurrage(item.TieredDemurrageRates, *port.TieredTimes, -std::int64_t{port.M1})
            .ToDouble();
  } else if (port.M1 < 0) {
    port.Demurrage = EffectiveDailyRate(port.CargoQuantity, port.PortDemurrageRate, perUnitLimit) *
                     AbsMinutes(port.M1) / MinutesPerDay;
  }

  if (port.M1 >= 0) {
    // A CQD port pays detention for its time used and never earns despatch.
    const bool cqd = nonReversible && FCalculation.Ports.CalculateCQD(portIdx);
    const double rate = EffectiveDailyRate(port.CargoQuantity, port.PortDespatchRate, perUnitLimit);
    const TDuration minutes =
        port.PortDespatchMode == TCalcDespatch::calcSavedtime ? port.TimeSaved : port.M1;
    port.Despatch = cqd || !DespatchPaid() ? 0.0 : rate * minutes / MinutesPerDay;
  }

  if (port.M1 < 0 && port.PortCommissionPct > 0.0)
    port.Commission = port.Demurrage * port.PortCommissionPct / 100.0;
}

void TVoyageCalculator::CountGroup(const std::vector<int>& group, const TGroupTerms& terms,
                                   const TResultSet& set) {
  // A group without ports has no allowance to save or to lose.
  if (group.empty())
    return;

  std::int64_t pool = 0;
  if (terms.AllPurpose) {
    // An all-purpose allowance is given in days or hours; it does not depend on the cargo.
    pool = LaytimeMinutes(0.0, terms.LoadRate, terms.LoadUnits, terms.AddDays, terms.AddTime, false,
                          FSettings.LoadDaysLimit);
  } else {
    for (const int portIdx : group)
      pool += PortAllowance(portIdx);
  }
  set.TimeAllowed = ClampToInt32(pool);

  // The allowance left over and the demurrage state run on from port to port.
  bool onDemurrage = false;
  for (std::size_t i = 0; i < group.size(); ++i) {
    const int portIdx = group[i];
    const TGroupPosition position =
        i + 1 == group.size() ? TGroupPosition::LastOfGroup : TGroupPosition::EarlierInGroup;
    CountPortTime(FCalculation, portIdx, position, terms.DespatchMode, ClampToInt32(pool),
                  onDemurrage, FNotices);
    TPortRec& port = Port(portIdx);
    port.M1 = Balance(port.TimeAllowed, port.TimeUsed, port.TimeWaited);
    pool = std::max<std::int64_t>(pool - port.TimeUsed - port.TimeWaited, 0);
    set.AddTimes(port);
  }

  set.M1 = Balance(set.TimeAllowed, set.TimeUsed, set.TimeWaited);
  if (set.M1 < 0) {
    set.Demurrage = GroupRate(terms.DemurrageRate) * AbsMinutes(set.M1) / MinutesPerDay;
    if (terms.CommissionPct > 0.0)
      set.Commission = set.Demurrage * terms.CommissionPct / 100.0;
    return;
  }
  const TDuration minutes =
      terms.DespatchMode == TCalcDespatch::calcSavedtime ? set.TimeSaved : set.M1;
  set.Despatch = DespatchPaid() ? GroupRate(terms.DespatchRate) * minutes / MinutesPerDay : 0.0;
}

void TVoyageCalculator::CountAveraged() {
  const TResultSet set = AllPortsSet(FVoyage);
  std::int64_t saved = 0;
  std::int64_t lost = 0;
  for (int portIdx = 0; portIdx < FCalculation.Ports.Count(); ++portIdx) {
    CountAlone(portIdx, set, TPortAmounts::NotPriced);
    const TPortRec& port = Port(portIdx);
    if (port.M1 > 0)
      saved += port.PortDespatchMode == TCalcDespatch::calcSavedtime ? port.TimeSaved : port.M1;
    else
      lost -= port.M1;
  }
  FVoyage.AvgsTimeSaved = ClampToInt32(saved);
  FVoyage.AvgsTimeLost = ClampToInt32(lost);
  FVoyage.M1AllPorts = ClampToInt32(saved - lost);

  if (FVoyage.M1AllPorts > 0) {
    FVoyage.DespatchAllPorts = DespatchPaid() ? GroupRate(FVoyage.DespatchRateAllPorts) *
                                                    FVoyage.M1AllPorts / MinutesPerDay
                                              : 0.0;
    return;
  }
  FVoyage.DemurrageAllPorts =
      GroupRate(FVoyage.DemurrageRateAllPorts) * AbsMinutes(FVoyage.M1AllPorts) / MinutesPerDay;
  if (FVoyage.CommissionPctAllPorts > 0.0)
    FVoyage.CommissionAllPorts = FVoyage.DemurrageAllPorts * FVoyage.CommissionPctAllPorts / 100.0;
}

} // namespace

TVoyageCalcResult CalculateVoyage(TCalculation& calculation) {
  return TVoyageCalculator(calculation).Run();
}

} // namespace laytime
