#include "model/TPortCollection.h"

#include "core/Errors.h"
#include "core/TextUtil.h"
#include "core/VoyageRules.h"
#include "model/TCalculation.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace laytime {

namespace {

std::string CargoUnitKey(std::string_view units) {
  std::string key(Trim(units));
  for (char& c : key)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}

bool IsEmptyReal(double value) {
  return value == EmptyReal;
}

/// The voyage facts one port is validated against.
class TPortCheck {
public:
  TPortCheck(const TVoyageRec& voyage, const TTemplateSettings& settings, const TPortRec& port,
             bool calculatedAsCQD)
      : V(voyage), S(settings), P(port), CQD(calculatedAsCQD) {}

  TPortError Run(TLongPortTime longPortTime) const;

private:
  bool Mode(TPortMode mode) const { return V.PortMode == mode; }

  bool InReversibleGroup() const {
    return Mode(TPortMode::AllReversible) || Mode(TPortMode::LoadDischReversible) ||
           (Mode(TPortMode::LoadingReversible) && P.OpLoading) ||
           (Mode(TPortMode::DischargingReversible) && P.OpDischarging);
  }

  bool PooledOrAveraged() const { return InReversibleGroup() || Mode(TPortMode::AllAverage); }

  bool AllPurposeApplies() const {
    const bool loadingGroup =
        Mode(TPortMode::LoadingReversible) || Mode(TPortMode::LoadDischReversible);
    const bool dischargingGroup =
        Mode(TPortMode::DischargingReversible) || Mode(TPortMode::LoadDischReversible);
    return (V.AllPurposeAllPorts && Mode(TPortMode::AllReversible)) ||
           (V.AllPurposeLoading && loadingGroup && P.OpLoading) ||
           (V.AllPurposeDischarging && dischargingGroup && P.OpDischarging);
  }

  bool Plain(double rate) const { return IsPlainDailyRate(rate, S.PerUnitRateLimit); }

  /// A group rate of the voyage that is a plain daily amount and applies in the current mode.
  bool GroupRateIsPlain(double allPorts, double loading, double discharging) const {
    return (Plain(allPorts) && (Mode(TPortMode::AllReversible) || Mode(TPortMode::AllAverage))) ||
           (Plain(loading) &&
            (Mode(TPortMode::LoadingReversible) || Mode(TPortMode::LoadDischReversible))) ||
           (Plain(discharging) &&
            (Mode(TPortMode::DischargingReversible) || Mode(TPortMode::LoadDischReversible)));
  }

  /// A rate per cargo unit that cannot be turned into an amount without the port's quantity.
  bool NeedsQuantityFor(double portRate, double allPorts, double loading,
                        double discharging) const {
    return IsEmptyReal(P.CargoQuantity) && (!Plain(portRate) || InReversibleGroup()) &&
           !GroupRateIsPlain(allPorts, loading, discharging);
  }

  bool QuantityMayBeMissing() const {
    const bool fixedAllowance = P.PortLoadRate > 0 && (P.PortLoadUnits == TLoadUnits::load_days ||
                                                       P.PortLoadUnits == TLoadUnits::load_hours);
    const bool groupRate = Mode(TPortMode::AllReversible) ||
                           (Mode(TPortMode::LoadingReversible) && P.OpLoading) ||
                           (Mode(TPortMode::DischargingReversible) && P.OpDischarging);
    return (IsEmptyReal(P.CargoQuantity) && fixedAllowance) ||
           (IsEmptyReal(P.PortLoadRate) && groupRate);
  }

  std::optional<TPortError> CheckAllowances() const;

  const TVoyageRec& V;
  const TTemplateSettings& S;
  const TPortRec& P;
  bool CQD;
};

// Step 12: an allowance of a year or more means a rate typed a thousand times too small.
std::optional<TPortError> TPortCheck::CheckAllowances() const {
  const std::int64_t limit = std::int64_t{S.LaytimeLimitDays} * MinutesPerDay;
  const bool allPurpose = AllPurposeApplies();
  auto tooLong = [&](double rate, TLoadUnits units, std::int32_t addDays, int addTime, bool isCQD) {
    return LaytimeMinutes(P.CargoQuantity, rate, units, addDays, addTime, isCQD, S.LoadDaysLimit) >=
           limit;
  };
  try {
    if (!allPurpose && tooLong(P.PortLoadRate, P.PortLoadUnits, P.PortAddAllowanceDays,
                               P.PortAddAllowanceTime, P.PortCalcCQD))
      return TPortError::prDischargeRateTooSmall;
    if (IsAllPortsAllPurpose(V) &&
        tooLong(V.LoadRateAllPorts, V.LoadUnitsAllPorts, V.AddAllowanceDaysAllPorts,
                V.AddAllowanceTimeAllPorts, false))
      return TPortError::prDischargeRateTooSmall;
    if (allPurpose && tooLong(V.LoadRateLoading, V.LoadUnitsLoading, V.AddAllowanceDaysLoading,
                              V.AddAllowanceTimeLoading, false))
      return TPortError::prDischargeRateTooSmall;
    if (allPurpose && tooLong(V.LoadRateDischarging, V.LoadUnitsDischarging,
                              V.AddAllowanceDaysDischarging, V.AddAllowanceTimeDischarging, false))
      return TPortError::prDischargeRateTooSmall;
  } catch (const ERangeError&) {
    // A unit byte outside the enumeration (read from a damaged file) is a unit not chosen.
    return TPortError::prPortLoadUnitsMissing;
  }
  return std::nullopt;
}

TPortError TPortCheck::Run(TLongPortTime longPortTime) const {
  // 1, 2: clause and operation.
  if (P.PortDespatchMode == TCalcDespatch::calcUndef)
    return TPortError::prUndefDespatchMode;
  if (!P.OpLoading && !P.OpDischarging)
    return TPortError::prOperationNotSpecified;

  // 3, 4: demurrage and despatch rates. Pooled ports need amounts per day.
  if (PooledOrAveraged()) {
    if (!Plain(P.PortDemurrageRate))
      return TPortError::prDemurrageTooSmall;
  } else if (P.PortDemurrageRate < 0) {
    return TPortError::prDemurrageMissing;
  }
  if (!V.DespatchDisabled) {
    if (PooledOrAveraged()) {
      if (!Plain(P.PortDespatchRate))
        return TPortError::prDespatchTooSmall;
    } else if (P.PortDespatchRate < 0 && !CQD) {
      return TPortError::prDespatchMissing;
    }
  }

  // 5: the laytime window.
  if (P.LayTimeCountFrom.Date == EmptyDay)
    return TPortError::prCountDateMissing;
  if (P.LayTimeCountFrom.Time == EmptyTime)
    return TPortError::prCountTimeMissing;
  if (P.LayTimeOpCompleted.Date == EmptyDay)
    return TPortError::prCompletedDateMissing;
  if (P.LayTimeOpCompleted.Time == EmptyTime)
    return TPortError::prCompletedTimeMissing;

  // 6: port time.
  const std::int64_t portDays =
      std::int64_t{P.LayTimeOpCompleted.Date} - EffectiveCountStart(P).Day;
  if (longPortTime == TLongPortTime::Warn && portDays > S.PortTimeLimitDays)
    return TPortError::prPortTimeTooLong;

  // 7, 8: unit and rate, unless the allowance comes from the group or there is none.
  const bool allPurpose = AllPurposeApplies();
  if (P.PortLoadUnits == TLoadUnits::load_undef && !allPurpose && !CQD &&
      !(InReversibleGroup() && IsEmptyReal(P.PortLoadRate)))
    return TPortError::prPortLoadUnitsMissing;
  if (!IsEmptyReal(P.PortLoadRate) && P.PortLoadRate < 0 && !allPurpose && !CQD)
    return TPortError::prPortLoadRateMissing;

  // 9, 10, 11: cargo quantity.
  if (P.CargoQuantity < 0 && !CQD && !QuantityMayBeMissing())
    return TPortError::prCargoQuantityMissing;
  if (NeedsQuantityFor(P.PortDemurrageRate, V.DemurrageRateAllPorts, V.DemurrageRateLoading,
                       V.DemurrageRateDischarging))
    return TPortError::prCargoQtyRequiredForDemurrage;
  if (!CQD && NeedsQuantityFor(P.PortDespatchRate, V.DespatchRateAllPorts, V.DespatchRateLoading,
                               V.DespatchRateDischarging))
    return TPortError::prCargoQtyRequiredForDespatch;

  // 12: allowances.
  if (const auto finding = CheckAllowances())
    return *finding;

  // 13: SHEX, complete or not at all, and only while SHEX is switched on.
  if (IsShexGiven(P)) {
    if (P.ShexStartDay < 0)
      return TPortError::prShexStartDayMissing;
    if (P.ShexStartTime == EmptyTime)
      return TPortError::prShexStartTimeMissing;
    if (P.ShexEndDay < 0)
      return TPortError::prShexEndDayMissing;
    if (P.ShexEndTime == EmptyTime)
      return TPortError::prShexEndTimeMissing;
    if (V.ShexDisabled)
      return TPortError::prShexDisabled;
  }

  // 14: tanker minimum.
  if (P.TankerMinTimeAllowance != EmptyTime &&
      (P.TankerMinTimeAllowance < 0 || P.TankerMinTimeAllowance > MinutesPerDay))
    return TPortError::prTankerMinTimeAllowanceInvalid;

  // 15: pre-advice, all four fields empty or all valid; the last failing field is reported.
  const bool allEmpty = P.PreAdvDate == EmptyDay && P.PreAdvTime == EmptyTime &&
                        P.PreAdvOffsTime == EmptyTime && P.PreAdvOffsDays == EmptyDay;
  if (allEmpty)
    return TPortError::prOK;
  auto isMinuteOfDay = [](int minute) { return minute >= 0 && minute <= MinutesPerDay; };
  TPortError finding = TPortError::prOK;
  if (P.PreAdvDate <= 0)
    finding = TPortError::prPreAdvDateInvalid;
  if (!isMinuteOfDay(P.PreAdvTime))
    finding = TPortError::prPreAdvTimeInvalid;
  if (!isMinuteOfDay(P.PreAdvOffsTime))
    finding = TPortError::prPreAdvOffsTimeInvalid;
  if (P.PreAdvOffsDays < 0 || P.PreAdvOffsDays > 999)
    finding = TPortError::prPreAdvOffsDaysInvalid;
  return finding;
}

} // namespace

TPortCollection::TPortCollection(TCalculation& calculation) : FCalculation(&calculation) {
  Add();
}

TPortCollection::~TPortCollection() = default;

void TPortCollection::CheckIndex(int index, const char* operation) const {
  if (index < 0 || index >= Count())
    throw std::out_of_range(std::string("TPortCollection::") + operation + ": port " +
                            std::to_string(index) + " outside 0.." + std::to_string(Count() - 1));
}

TPortItem& TPortCollection::GetItem(int index) {
  CheckIndex(index, "GetItem");
  return *FPorts[static_cast<std::size_t>(index)];
}

const TPortItem& TPortCollection::GetItem(int index) const {
  CheckIndex(index, "GetItem");
  return *FPorts[static_cast<std::size_t>(index)];
}

void TPortCollection::SetItem(int index, const TPortItem& item) {
  GetItem(index).Assign(item);
}

TPortItem& TPortCollection::Add() {
  return Insert(Count());
}

TPortItem& TPortCollection::Insert(int index) {
  if (index < 0 || index > Count())
    throw std::out_of_range("TPortCollection::Insert: port " + std::to_string(index) +
                            " outside 0.." + std::to_string(Count()));
  auto it = FPorts.insert(FPorts.begin() + index, std::make_unique<TPortItem>(*FCalculation));
  return **it;
}

void TPortCollection::Delete(int index) {
  CheckIndex(index, "Delete");
  FPorts.erase(FPorts.begin() + index);
}

void TPortCollection::Clear() {
  FPorts.clear();
}

bool TPortCollection::IsEmptyRec(int index) const {
  const TPortItem& item = GetItem(index);
  const TPortRec& p = item.PortData;
  if (!Trim(p.PortName).empty() || !Trim(p.CargoName).empty() || !IsEmptyReal(p.CargoQuantity))
    return false;
  if (p.LayTimeCountFrom.Date != EmptyDay || p.LayTimeOpCompleted.Date != EmptyDay ||
      p.ShexStartDay >= 0 || p.ShexEndDay >= 0 || p.PreAdvDate != EmptyDay)
    return false;
  if (p.TankerMinTimeAllowance != EmptyTime && p.TankerMinTimeAllowance != 0)
    return false;
  for (int i = 0; i < item.PortInfoCollection.Count(); ++i) {
    if (item.PortInfoCollection.GetItem(i).FDateTimeInfoRec.Date != EmptyDay)
      return false;
  }
  return true;
}

bool TPortCollection::IsValidRec(int index, TPortError& errCode, TLongPortTime longPortTime) const {
  const TPortCheck check(FCalculation->Voyage, FCalculation->TemplateSettings,
                         GetItem(index).PortData, CalculateCQD(index));
  errCode = check.Run(longPortTime);
  return errCode == TPortError::prOK;
}

bool TPortCollection::AllRecsValid(int& errPortNum, TPortError& errCode,
                                   TLongPortTime longPortTime) const {
  for (int i = 0; i < Count(); ++i) {
    if (!IsValidRec(i, errCode, longPortTime)) {
      errPortNum = i;
      return false;
    }
  }
  errPortNum = -1;
  errCode = TPortError::prOK;
  return true;
}

int TPortCollection::GetFirstLoadPortIdx() const {
  for (int i = 0; i < Count(); ++i) {
    if (FPorts[static_cast<std::size_t>(i)]->PortData.OpLoading)
      return i;
  }
  return -1;
}

int TPortCollection::GetFirstDiscPortIdx() const {
  for (int i = 0; i < Count(); ++i) {
    if (FPorts[static_cast<std::size_t>(i)]->PortData.OpDischarging)
      return i;
  }
  return -1;
}

bool TPortCollection::CalculateCQD(int portIdx) const {
  if (portIdx < 0 || portIdx >= Count())
    return false;
  return FPorts[static_cast<std::size_t>(portIdx)]->PortData.PortCalcCQD &&
         FCalculation->Voyage.PortMode == TPortMode::NonReversible;
}

double TPortCollection::GetTotalCargo(TPortOperations operations) const {
  const auto wanted = static_cast<unsigned>(operations);
  const bool includeLoading = (wanted & static_cast<unsigned>(TPortOperations::Loading)) != 0;
  const bool includeDischarging =
      (wanted & static_cast<unsigned>(TPortOperations::Discharging)) != 0;
  double total = 0.0;
  std::optional<std::string> units;
  for (const auto& item : FPorts) {
    const TPortRec& p = item->PortData;
    if (!((includeLoading && p.OpLoading) || (includeDischarging && p.OpDischarging)))
      continue;
    const std::string key = CargoUnitKey(p.CargoUnits);
    if (!units)
      units = key;
    else if (*units != key)
      return EmptyReal;
    if (!IsEmptyReal(p.CargoQuantity))
      total += p.CargoQuantity;
  }
  return total;
}

TDayTime TPortCollection::EffectiveCountStart(int index) const {
  return laytime::EffectiveCountStart(GetItem(index).PortData);
}

} // namespace laytime
