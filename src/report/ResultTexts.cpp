#include "report/ResultTexts.h"

#include "core/DayTime.h"

namespace laytime {
namespace {

std::string DespatchSuffix(const TVoyageRec& voyage, TCalcDespatch mode) {
  if (voyage.DespatchDisabled) {
    return {};
  }
  switch (mode) {
  case TCalcDespatch::calcWorktime:
    return ", Working time saved";
  case TCalcDespatch::calcSavedtime:
    return ", All time saved";
  case TCalcDespatch::calcUndef:
    break;
  }
  return "ERROR: DespMode undefined";
}

std::string ModeBaseText(const TVoyageRec& voyage) {
  switch (voyage.PortMode) {
  case TPortMode::NonReversible:
    return "Non reversible";
  case TPortMode::LoadingReversible:
    return "Loading ports: Reversible" + DespatchSuffix(voyage, voyage.DespatchModeLoading) + "; " +
           "Discharging ports: non reversible";
  case TPortMode::DischargingReversible:
    return "Loading ports: non reversible; Discharging ports: reversible" +
           DespatchSuffix(voyage, voyage.DespatchModeDischarging);
  case TPortMode::LoadDischReversible:
    return "Loading ports: Reversible" + DespatchSuffix(voyage, voyage.DespatchModeLoading) + "; " +
           "Discharging ports: reversible" + DespatchSuffix(voyage, voyage.DespatchModeDischarging);
  case TPortMode::AllReversible:
    return "All ports reversible" + DespatchSuffix(voyage, voyage.DespatchModeAllPorts);
  case TPortMode::AllAverage:
    return "Averaged";
  case TPortMode::Undef_PortMode:
    break;
  }
  return "ERROR: undefined calculation mode, contact Quillmark";
}

struct TPortBasis {
  std::string Text;
  TCalcDespatch DespatchMode = TCalcDespatch::calcUndef;
};

TPortBasis PortBasis(const TVoyageRec& voyage, const TPortRec& port) {
  switch (voyage.PortMode) {
  case TPortMode::NonReversible:
    return {"Non reversible", port.PortDespatchMode};
  case TPortMode::LoadingReversible:
    if (port.OpLoading) {
      return {"Reversible against other load ports", voyage.DespatchModeLoading};
    }
    return {"Non reversible", port.PortDespatchMode};
  case TPortMode::DischargingReversible:
    if (port.OpDischarging) {
      return {"Reversible against other discharge ports", voyage.DespatchModeDischarging};
    }
    return {"Non reversible", port.PortDespatchMode};
  case TPortMode::LoadDischReversible:
    if (port.OpLoading) {
      return {"Reversible against other load ports", voyage.DespatchModeLoading};
    }
    return {"Reversible against other discharge ports", voyage.DespatchModeDischarging};
  case TPortMode::AllReversible:
    return {"Reversible", voyage.DespatchModeAllPorts};
  case TPortMode::AllAverage:
    return {"Averaged", port.PortDespatchMode};
  case TPortMode::Undef_PortMode:
    break;
  }
  return {"PORTMODE ERROR: undefined calculation mode, contact Quillmark",
          TCalcDespatch::calcUndef};
}

} // namespace

std::string CalculationModeText(const TVoyageRec& voyage) {
  return ModeBaseText(voyage) + (voyage.AlwaysOnDemurrage
                                     ? "; Once on demurrage, always on demurrage"
                                     : "; Not always on demurrage");
}

std::string PortModeText(const TVoyageRec& voyage, const TPortRec& port) {
  TPortBasis basis = PortBasis(voyage, port);
  if (voyage.DespatchDisabled) {
    return basis.Text;
  }
  return basis.Text + (basis.DespatchMode == TCalcDespatch::calcSavedtime
                           ? "; Counting all time saved"
                           : "; Counting working time saved");
}

TNetAmounts GetNetAmounts(const TVoyageRec& voyage) {
  switch (voyage.PortMode) {
  case TPortMode::NonReversible:
  case TPortMode::AllReversible:
  case TPortMode::AllAverage:
    return {EmptyToZero(voyage.DemurrageAllPorts) - EmptyToZero(voyage.CommissionAllPorts),
            EmptyToZero(voyage.DespatchAllPorts)};
  case TPortMode::LoadingReversible:
  case TPortMode::DischargingReversible:
  case TPortMode::LoadDischReversible:
    return {EmptyToZero(voyage.DemurrageLoading) - EmptyToZero(voyage.CommissionLoading) +
                EmptyToZero(voyage.DemurrageDischarging) -
                EmptyToZero(voyage.CommissionDischarging),
            EmptyToZero(voyage.DespatchLoading) + EmptyToZero(voyage.DespatchDischarging)};
  case TPortMode::Undef_PortMode:
    break;
  }
  return {};
}

} // namespace laytime
