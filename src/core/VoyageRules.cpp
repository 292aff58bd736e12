#include "core/VoyageRules.h"

namespace laytime {

void ClearVoyageResults(TVoyageRec& voyage) {
  voyage.AllDataValid = false;
  voyage.ResultValid = false;
  voyage.AvgsTimeSaved = 0;
  voyage.AvgsTimeLost = 0;

  voyage.LaytimeAllPorts = 0;
  voyage.TimeUsedAllPorts = 0;
  voyage.TimeWaitedAllPorts = 0;
  voyage.TimeAllowedAllPorts = 0;
  voyage.TimeRemainingAllPorts = 0;
  voyage.TimeSavedAllPorts = 0;
  voyage.M1AllPorts = 0;
  voyage.DemurrageAllPorts = 0.0;
  voyage.DespatchAllPorts = 0.0;
  voyage.CommissionAllPorts = 0.0;
  voyage.DemurrageDateAllPorts = EmptyDay;
  voyage.DemurrageTimeAllPorts = EmptyTime;

  voyage.LaytimeLoading = 0;
  voyage.TimeUsedLoading = 0;
  voyage.TimeWaitedLoading = 0;
  voyage.TimeAllowedLoading = 0;
  voyage.TimeRemainingLoading = 0;
  voyage.TimeSavedLoading = 0;
  voyage.M1Loading = 0;
  voyage.DemurrageLoading = 0.0;
  voyage.DespatchLoading = 0.0;
  voyage.CommissionLoading = 0.0;
  voyage.DemurrageDateLoading = EmptyDay;
  voyage.DemurrageTimeLoading = EmptyTime;

  voyage.LaytimeDischarging = 0;
  voyage.TimeUsedDischarging = 0;
  voyage.TimeWaitedDischarging = 0;
  voyage.TimeAllowedDischarging = 0;
  voyage.TimeRemainingDischarging = 0;
  voyage.TimeSavedDischarging = 0;
  voyage.M1Discharging = 0;
  voyage.DemurrageDischarging = 0.0;
  voyage.DespatchDischarging = 0.0;
  voyage.CommissionDischarging = 0.0;
  voyage.DemurrageDateDischarging = EmptyDay;
  voyage.DemurrageTimeDischarging = EmptyTime;
}

void ClearVoyage(TVoyageRec& voyage, const TTemplateSettings& settings) {
  // A fresh record holds the cleared inputs and results, so that a field added to the record
  // later cannot be forgotten here; only what outlives the clearing is carried over.
  const bool proRataPerPort = voyage.ProRataPerPort;
  voyage = TVoyageRec{};
  voyage.ProRataPerPort = proRataPerPort;
  voyage.PortMode = settings.DefaultPortMode;
  voyage.AlwaysOnDemurrage = settings.DefaultAlwaysOnDemurrage;
  voyage.DespatchModeAllPorts = settings.DefaultDespatchMode;
  voyage.DespatchModeLoading = settings.DefaultDespatchMode;
  voyage.DespatchModeDischarging = settings.DefaultDespatchMode;
  voyage.DespatchDisabled = settings.DefaultDespatchDisabled;
  voyage.ShexDisabled = settings.DefaultShexDisabled;
}

// A fresh record holds the cleared history and totals.
void ClearStatus(TStatusRec& status) {
  status = TStatusRec{};
}

void StampHints(TVoyageRec& voyage, const TProgramSettings& settings) {
  voyage.HintProRataCalcMethod = static_cast<std::uint8_t>(settings.ProRataCalculation);
  voyage.HintProRataRoundingMethod = settings.ProRataRoundingMethod;
  voyage.HintDemurrageRateUnit = static_cast<std::uint8_t>(settings.DemurrageRateUnit);
}

bool IsAllPortsAllPurpose(const TVoyageRec& voyage) {
  return voyage.AllPurposeAllPorts && voyage.PortMode == TPortMode::AllReversible;
}

} // namespace laytime
