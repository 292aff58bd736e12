#include "calc/TCalcTankers.h"

#include "core/DayTime.h"
#include "core/LaytimeAllowance.h"
#include "model/Currency.h"
#include "model/PriceTieredDemurrage.h"
#include "model/TCalculation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace laytime {

namespace {

// A share of minutes rounded by the pro-rata mode (which ignores binary noise, so that an
// exact share stays exact), held within the 32-bit range of a duration.
TDuration RoundShare(double minutes, TRoundingMode mode) {
  constexpr double Largest = std::numeric_limits<TDuration>::max();
  const double bounded = std::clamp(minutes, -Largest, Largest);
  return static_cast<TDuration>(std::clamp<std::int64_t>(RoundWithMode(bounded, mode), EmptyInt + 1,
                                                         std::numeric_limits<TDuration>::max()));
}

std::int32_t ClampToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min() + 1,
                               std::numeric_limits<std::int32_t>::max()));
}

} // namespace

TTankerAllowanceTerms TTankerAllowanceTerms::FromPort(const TPortRec& port, double loadDaysLimit) {
  return {port.PortLoadRate,         port.PortLoadUnits, port.PortAddAllowanceDays,
          port.PortAddAllowanceTime, port.PortCalcCQD,   loadDaysLimit,
          port.TimeAllowed};
}

TRoundingMode ProRataRoundingMode(std::uint8_t setting) {
  if (setting > static_cast<std::uint8_t>(TRoundingMode::Truncate))
    return TRoundingMode::Nearest;
  return static_cast<TRoundingMode>(setting);
}

bool TCalcTankers::IsRatePerCargoUnit(const TTankerAllowanceTerms& terms) {
  if (!(terms.LoadRate > 0.0))
    return false;
  switch (terms.LoadUnits) {
  case TLoadUnits::load_units_p_day:
  case TLoadUnits::load_units_p_hour:
    return true;
  case TLoadUnits::load_undef:
    return terms.LoadRate > terms.LoadDaysLimit;
  case TLoadUnits::load_days:
  case TLoadUnits::load_hours:
    return false;
  }
  return false;
}

TDuration TCalcTankers::CalculateTimeAllowedForTankersBeforeMinimum(
    double cargo_mts, double portTotalQuantity, const TTankerAllowanceTerms& terms,
    TRoundingMode mode) {
  const double quantity = EmptyToZero(cargo_mts);
  const double total = EmptyToZero(portTotalQuantity);
  if (total == 0.0 || quantity == 0.0)
    return 0;
  const double portAllowance =
      IsRatePerCargoUnit(terms)
          ? terms.PortTimeAllowed
          : LaytimeMinutes(quantity, terms.LoadRate, terms.LoadUnits, terms.AddDays, terms.AddTime,
                           terms.CalcCQD, terms.LoadDaysLimit, mode);
  return RoundShare(portAllowance * quantity / total, mode);
}

TDuration TCalcTankers::CalculateTimeAllowedForTankers(double cargo_mts, double portTotalQuantity,
                                                       const TTankerAllowanceTerms& terms,
                                                       TDuration minimumLayTimeInMinutes,
                                                       TRoundingMode mode) {
  return TProRataItem::ApplyMinimum(
      CalculateTimeAllowedForTankersBeforeMinimum(cargo_mts, portTotalQuantity, terms, mode),
      minimumLayTimeInMinutes);
}

void TCalcTankers::LoadFromPortOnTime(TCalculation& calculation, std::int32_t portIdx,
                                      TProRataPortCalculation& detail, TRoundingMode mode) {
  const TPortItem& port = calculation.Ports.GetItem(portIdx);
  const TPortRec& data = port.PortData;
  const TDuration minimum = EmptyTimeToZero(data.TankerMinTimeAllowance);
  const std::int32_t portTimeUsed = ClampToInt32(std::int64_t{data.TimeUsed} + data.TimeWaited);
  detail.SetPortIdx(portIdx);
  detail.SetPortTimeUsed(portTimeUsed);
  detail.SetPortMinTimeAllowanceInMinutes(minimum);

  const double quantity = detail.Quantity();
  const double total = calculation.ProRata.TotalQuantityForPort(portIdx);
  const TTankerAllowanceTerms terms =
      TTankerAllowanceTerms::FromPort(data, calculation.TemplateSettings.LoadDaysLimit);
  const TDuration allowance = CalculateTimeAllowedForTankers(quantity, total, terms, minimum, mode);
  const TDuration beforeMinimum =
      CalculateTimeAllowedForTankersBeforeMinimum(quantity, total, terms, mode);
  detail.SetPortTimeAllowanceInMinutes(allowance);
  detail.SetPortTimeAllowanceBeforeMinimum(beforeMinimum);
  detail.SetLessThanMinimum(beforeMinimum <= minimum);
  detail.SetAllocatedMinutes(quantity == 0.0 ? 0 : allowance);
  // The partner's share of the port's time, port time used × quantity / total: the same as
  // × percentage / 100, multiplied first so that an exact share stays exact.
  const bool noShare = quantity == 0.0 || total == 0.0;
  detail.SetSharedMinutes(noShare ? 0 : RoundShare(portTimeUsed * quantity / total, mode));

  const std::int32_t minutesOnDemurrage = detail.MinutesOnDemurrage();
  detail.TieredTimes().Clear();
  Currency demurrage;
  if (data.UseTieredDemurrage) {
    if (minutesOnDemurrage >= 1)
      demurrage =
          PriceTieredDemurrage(port.TieredDemurrageRates, detail.TieredTimes(), minutesOnDemurrage)
              .RoundToCents();
  } else {
    // The port's rate is read as an amount per day, without the per-cargo-unit reading.
    demurrage = Currency::RoundedToCents(EmptyToZero(data.PortDemurrageRate) / MinutesPerDay *
                                         minutesOnDemurrage);
  }
  detail.SetDemurrageAmount(demurrage);
  detail.SetDespatchAmount(Currency());
  detail.CalculateCommission(data);
}

void TCalcTankers::RefreshPort(TCalculation& calculation, std::int32_t portIdx,
                               TRoundingMode mode) {
  TProRataCollection& partners = calculation.ProRata;
  // Every partner's quantity at the port is set before any share is measured against their sum.
  partners.RefreshPort(portIdx);
  if (calculation.ProgramSettings().ProRataCalculation != TProRataCalcMethod::prcOnTimeForTankers)
    return;
  for (int index = 0; index < partners.Count(); ++index)
    LoadFromPortOnTime(calculation, portIdx, partners.GetItem(index).GetPortDetails(portIdx), mode);
}

void TCalcTankers::CalcDemurrageAndCommission(TCalculation& calculation, TRoundingMode mode) {
  for (int portIdx = 0; portIdx < calculation.Ports.Count(); ++portIdx)
    RefreshPort(calculation, portIdx, mode);
}

} // namespace laytime
