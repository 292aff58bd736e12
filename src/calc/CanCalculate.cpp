#include "calc/CanCalculate.h"

#include "core/DailyRates.h"
#include "model/TCalculation.h"

namespace laytime {

std::string_view VoyageErrorMessage(TVoyageError code) {
  switch (code) {
  case TVoyageError::veOK:
    return "OK";
  case TVoyageError::vePortModeUndefined:
    return "Port calculation mode undefined.";
  case TVoyageError::veDemurrageRateAllPortsMissing:
    return "Demurrage rate (for all ports) missing or invalid";
  case TVoyageError::veDespatchRateAllPortsMissing:
    return "Despatch rate (for all ports) missing or invalid";
  case TVoyageError::veDemurrageRateAllPortsTooSmall:
    return "Demurrage rate (for all ports) too small, please enter a valid rate per day";
  case TVoyageError::veDespatchRateAllPortsTooSmall:
    return "Despatch rate (for all ports) too small, please enter a valid rate per day";
  case TVoyageError::veDemurrageRateLoadingMissing:
    return "Demurrage rate for loading ports missing or invalid";
  case TVoyageError::veDespatchRateLoadingMissing:
    return "Despatch rate for loading ports missing or invalid";
  case TVoyageError::veDemurrageRateLoadingTooSmall:
    return "Demurrage rate for loading ports too small, please enter a valid rate per day";
  case TVoyageError::veDespatchRateLoadingTooSmall:
    return "Despatch rate for loading ports too small, please enter a valid rate per day";
  case TVoyageError::veDemurrageRateDischargingMissing:
    return "Demurrage rate for discharging ports missing or invalid";
  case TVoyageError::veDespatchRateDischargingMissing:
    return "Despatch rate for discharging ports missing or invalid";
  case TVoyageError::veDemurrageRateDischargingTooSmall:
    return "Demurrage rate for discharging ports too small, please enter a valid rate per day";
  case TVoyageError::veDespatchRateDischargingTooSmall:
    return "Despatch rate for discharging ports too small, please enter a valid rate per day";
  case TVoyageError::veAllPurposeUnitAllPorts:
    return "All purpose time used: Load/Disch. unit invalid, please enter total days or hours "
           "for Time allowance";
  case TVoyageError::veAllPurposeUnitLoading:
    return "All purpose time used: Load unit invalid for load port(s), please enter total days "
           "or hours for Time allowance";
  case TVoyageError::veAllPurposeUnitDischarging:
    return "All purpose time used: Discharge unit invalid for discharge port(s), please enter "
           "total days or for hours Time allowance";
  case TVoyageError::veLoadRateAllPorts:
    return "Load/Discharge rate invalid";
  case TVoyageError::veLoadRateLoading:
    return "Load rate invalid for load port(s)";
  case TVoyageError::veLoadRateDischarging:
    return "Discharge rate invalid for discharge port(s)";
  case TVoyageError::veDespatchDisabled:
    return "A despatch rate is specified but will be ignored because despatch calculation is "
           "disabled. Check configuration.";
  case TVoyageError::veProRataOnTimeNeedsNonReversible:
    return "Port calculation mode should be set to Non reversible when using Pro rata on time";
  case TVoyageError::veUnused22:
    return "";
  case TVoyageError::veHintProRataCalcMethod:
    return "This ZQL file was made in combination with a different Pro Rata Calculation method";
  case TVoyageError::veHintProRataRoundingMethod:
    return "This ZQL file was made in combination with a different Pro Rata Rounding method";
  case TVoyageError::veHintDemurrageRateUnit:
    return "This ZQL file was made in combination with a different Demurrage Rate unit";
  }
  return "";
}

namespace {

/// The rates, units and codes of one group of ports.
struct TGroupCheck {
  double DemurrageRate;
  double DespatchRate;
  bool AllPurpose;
  TLoadUnits LoadUnits;
  double LoadRate;
  TVoyageError DemurrageMissing;
  TVoyageError DespatchMissing;
  TVoyageError DemurrageTooSmall;
  TVoyageError DespatchTooSmall;
  TVoyageError AllPurposeUnit;
  TVoyageError LoadRateInvalid;
};

/// An all-purpose allowance is a total time, so only days or hours make sense as its unit.
bool IsTotalTimeUnit(TLoadUnits units) {
  return units == TLoadUnits::load_days || units == TLoadUnits::load_hours;
}

/// The rate tests every pooled group shares: missing, given while despatch is off, too small,
/// and an all-purpose unit that is not a total time.
TVoyageError CheckGroupRates(const TGroupCheck& group, bool despatchDisabled, double perUnitLimit) {
  if (group.DemurrageRate < 0)
    return group.DemurrageMissing;
  if (!despatchDisabled && group.DespatchRate < 0)
    return group.DespatchMissing;
  if (despatchDisabled && group.DespatchRate > 0)
    return TVoyageError::veDespatchDisabled;
  if (!IsPlainDailyRate(group.DemurrageRate, perUnitLimit))
    return group.DemurrageTooSmall;
  if (!despatchDisabled && !IsPlainDailyRate(group.DespatchRate, perUnitLimit))
    return group.DespatchTooSmall;
  if (group.AllPurpose && !IsTotalTimeUnit(group.LoadUnits))
    return group.AllPurposeUnit;
  return TVoyageError::veOK;
}

/// The check of the loading or the discharging group: the rate tests, then a load rate of at
/// most 0, where an empty load rate is accepted in the modes that pool the group.
TVoyageError CheckPortGroup(const TGroupCheck& group, TPortMode mode, TPortMode ownReversibleMode,
                            bool despatchDisabled, double perUnitLimit) {
  const TVoyageError rates = CheckGroupRates(group, despatchDisabled, perUnitLimit);
  if (rates != TVoyageError::veOK)
    return rates;
  const bool emptyAccepted = group.LoadRate == EmptyReal &&
                             (mode == ownReversibleMode || mode == TPortMode::LoadDischReversible ||
                              mode == TPortMode::AllReversible);
  if (group.LoadRate <= 0 && !emptyAccepted)
    return group.LoadRateInvalid;
  return TVoyageError::veOK;
}

TGroupCheck LoadingGroup(const TVoyageRec& v) {
  return {v.DemurrageRateLoading,
          v.DespatchRateLoading,
          v.AllPurposeLoading,
          v.LoadUnitsLoading,
          v.LoadRateLoading,
          TVoyageError::veDemurrageRateLoadingMissing,
          TVoyageError::veDespatchRateLoadingMissing,
          TVoyageError::veDemurrageRateLoadingTooSmall,
          TVoyageError::veDespatchRateLoadingTooSmall,
          TVoyageError::veAllPurposeUnitLoading,
          TVoyageError::veLoadRateLoading};
}

TGroupCheck DischargingGroup(const TVoyageRec& v) {
  return {v.DemurrageRateDischarging,
          v.DespatchRateDischarging,
          v.AllPurposeDischarging,
          v.LoadUnitsDischarging,
          v.LoadRateDischarging,
          TVoyageError::veDemurrageRateDischargingMissing,
          TVoyageError::veDespatchRateDischargingMissing,
          TVoyageError::veDemurrageRateDischargingTooSmall,
          TVoyageError::veDespatchRateDischargingTooSmall,
          TVoyageError::veAllPurposeUnitDischarging,
          TVoyageError::veLoadRateDischarging};
}

TGroupCheck AllPortsGroup(const TVoyageRec& v) {
  return {v.DemurrageRateAllPorts,
          v.DespatchRateAllPorts,
          v.AllPurposeAllPorts,
          v.LoadUnitsAllPorts,
          v.LoadRateAllPorts,
          TVoyageError::veDemurrageRateAllPortsMissing,
          TVoyageError::veDespatchRateAllPortsMissing,
          TVoyageError::veDemurrageRateAllPortsTooSmall,
          TVoyageError::veDespatchRateAllPortsTooSmall,
          TVoyageError::veAllPurposeUnitAllPorts,
          TVoyageError::veLoadRateAllPorts};
}

} // namespace

TVoyageError VoyageCheck(const TCalculation& calculation) {
  const TVoyageRec& voyage = calculation.Voyage;
  const bool despatchDisabled = calculation.TemplateSettings.DefaultDespatchDisabled;
  const double limit = calculation.TemplateSettings.PerUnitRateLimit;
  const bool hasLoadingPort = calculation.Ports.GetFirstLoadPortIdx() >= 0;
  const bool hasDischargingPort = calculation.Ports.GetFirstDiscPortIdx() >= 0;
  const TPortMode mode = voyage.PortMode;

  switch (mode) {
  case TPortMode::NonReversible:
    return TVoyageError::veOK;
  case TPortMode::AllReversible:
  case TPortMode::AllAverage: {
    const TGroupCheck all = AllPortsGroup(voyage);
    const TVoyageError rates = CheckGroupRates(all, despatchDisabled, limit);
    if (rates != TVoyageError::veOK)
      return rates;
    if (mode == TPortMode::AllReversible && all.LoadRate < 0 && all.LoadRate != EmptyReal)
      return TVoyageError::veLoadRateAllPorts;
    return TVoyageError::veOK;
  }
  case TPortMode::LoadingReversible:
    if (!hasLoadingPort)
      return TVoyageError::veOK;
    return CheckPortGroup(LoadingGroup(voyage), mode, TPortMode::LoadingReversible,
                          despatchDisabled, limit);
  case TPortMode::DischargingReversible:
    if (!hasDischargingPort)
      return TVoyageError::veOK;
    return CheckPortGroup(DischargingGroup(voyage), mode, TPortMode::DischargingReversible,
                          despatchDisabled, limit);
  case TPortMode::LoadDischReversible: {
    // Both groups are checked; a finding of the loading group replaces one of the
    // discharging group.
    TVoyageError result = TVoyageError::veOK;
    if (hasDischargingPort)
      result = CheckPortGroup(DischargingGroup(voyage), mode, TPortMode::DischargingReversible,
                              despatchDisabled, limit);
    if (hasLoadingPort) {
      const TVoyageError loading = CheckPortGroup(
          LoadingGroup(voyage), mode, TPortMode::LoadingReversible, despatchDisabled, limit);
      if (loading != TVoyageError::veOK)
        result = loading;
    }
    return result;
  }
  case TPortMode::Undef_PortMode:
    return TVoyageError::vePortModeUndefined;
  }
  return TVoyageError::vePortModeUndefined;
}

TCalcFinding CanCalculate(TCalculation& calculation, TProRataCheck proRata) {
  calculation.Voyage.AllDataValid = false;
  TCalcFinding finding;

  const TVoyageError voyageError = VoyageCheck(calculation);
  if (voyageError != TVoyageError::veOK) {
    finding.Place = TFindingPlace::Voyage;
    finding.Message = VoyageErrorMessage(voyageError);
    return finding;
  }
  if (calculation.ProgramSettings().ProRataCalculation == TProRataCalcMethod::prcOnTimeForTankers &&
      calculation.Voyage.PortMode != TPortMode::NonReversible) {
    finding.Place = TFindingPlace::Voyage;
    finding.Message = VoyageErrorMessage(TVoyageError::veProRataOnTimeNeedsNonReversible);
    return finding;
  }

  int errPort = -1;
  TPortError portError = TPortError::prOK;
  if (!calculation.Ports.AllRecsValid(errPort, portError, TLongPortTime::Accept)) {
    finding.Place = TFindingPlace::Port;
    finding.Message = PortErrorMessage(portError);
    finding.Port = errPort;
    return finding;
  }

  for (int p = 0; p < calculation.Ports.Count(); ++p) {
    const TPortItem& port = calculation.Ports.GetItem(p);
    int errLine = -1;
    TSoFError sofError = TSoFError::sofrOK;
    if (!port.SoFCollection.AllRecsValid(errLine, sofError,
                                         ConditionSetFor(port.PortData.PortCalcCQD))) {
      finding.Place = TFindingPlace::StatementOfFacts;
      finding.Message = "Invalid SoF entry: " + std::string(SoFErrorMessage(sofError));
      finding.Port = p;
      finding.Line = errLine;
      return finding;
    }
  }

  if (proRata == TProRataCheck::Check) {
    int errLine = -1;
    TProRataError proRataError = TProRataError::ProRataOK;
    if (!calculation.ProRata.AllRecsValid(errLine, proRataError)) {
      finding.Place = TFindingPlace::ProRata;
      finding.Message = "Invalid ProRata entry: " + std::string(ProRataErrorMessage(proRataError));
      finding.Line = errLine;
      return finding;
    }
  }

  calculation.Voyage.AllDataValid = true;
  return finding;
}

} // namespace laytime
