#include "model/TProRataPortCalculation.h"

#include "core/Enums.h"
#include "core/ZQTypes.h"
#include "model/PriceTieredDemurrage.h"
#include "model/TCalculation.h"
#include "model/TPortItem.h"
#include "model/TProRataCollection.h"

#include <algorithm>
#include <limits>

namespace laytime {

namespace {

// An amount of the port rounded to cents, then the partner's share of it rounded to cents.
Currency ShareOfPortAmount(double portAmount, double share) {
  return Currency::RoundedToCents(Currency::RoundedToCents(portAmount).ToDouble() * share);
}

} // namespace

TProRataPortCalculation::TProRataPortCalculation(TProRataCollection& collection,
                                                 std::int32_t portIdx)
    : FCollection(collection), FPortIdx(portIdx) {}

void TProRataPortCalculation::SetQuantity(double value) {
  FQuantity = value == EmptyReal ? 0.0 : value;
}

double TProRataPortCalculation::Percentage() const {
  const double total = FCollection.TotalQuantityForPort(FPortIdx);
  if (FQuantity == 0.0 || total == 0.0)
    return 0.0;
  return FQuantity / total * 100.0;
}

std::int32_t TProRataPortCalculation::MinutesOnDemurrage() const {
  const std::int64_t excess = std::int64_t{FSharedMinutes} - FAllocatedMinutes;
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(excess, 0, std::numeric_limits<std::int32_t>::max()));
}

Currency TProRataPortCalculation::NetAmount() const {
  return FDemurrageAmount - FDespatchAmount - FCommissionAmount;
}

void TProRataPortCalculation::LoadFromPort(std::int32_t portIdx, const TPortItem& port) {
  FPortIdx = portIdx;
  const TProRataCalcMethod method = FCollection.Calculation().ProgramSettings().ProRataCalculation;
  switch (method) {
  case TProRataCalcMethod::prcOnQuantityForDryCargo:
    LoadOnQuantity(port);
    return;
  case TProRataCalcMethod::prcOnTimeForTankers: {
    const TPortRec& data = port.PortData;
    FPortTimeUsed = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        std::int64_t{data.TimeUsed} + data.TimeWaited, std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
    FPortMinTimeAllowanceInMinutes =
        data.TankerMinTimeAllowance == EmptyTime ? 0 : data.TankerMinTimeAllowance;
    FDespatchAmount = Currency();
    return;
  }
  }
}

void TProRataPortCalculation::LoadOnQuantity(const TPortItem& port) {
  const TCalculation& calculation = FCollection.Calculation();
  const TPortRec& data = port.PortData;
  const double share = Percentage() / 100.0;

  FPortTimeUsed = 0;
  FPortMinTimeAllowanceInMinutes = 0;
  if (calculation.Voyage.ProRataPerPort) {
    FPortTimeUsed = data.TimeUsed;
    FPortTimeAllowanceInMinutes = data.TimeAllowed;
  }
  FTieredTimes.Clear();

  if (data.UseTieredDemurrage) {
    const std::int64_t minutesOnDemurrage =
        std::int64_t{FPortTimeUsed} - FPortTimeAllowanceInMinutes;
    FDemurrageAmount =
        minutesOnDemurrage >= 1
            ? (PriceTieredDemurrage(port.TieredDemurrageRates, FTieredTimes, minutesOnDemurrage) *
               share)
                  .RoundToCents()
            : Currency();
  } else {
    FDemurrageAmount = ShareOfPortAmount(data.Demurrage, share);
  }

  FDespatchAmount =
      calculation.Voyage.DespatchDisabled ? Currency() : ShareOfPortAmount(data.Despatch, share);
  CalculateCommission(data);
}

void TProRataPortCalculation::CalculateCommission(const TPortRec& port) {
  if (port.PortCommissionPct == EmptyReal) {
    FCommissionAmount = Currency();
    return;
  }
  FCommissionAmount =
      Currency::RoundedToCents(FDemurrageAmount.ToDouble() * port.PortCommissionPct / 100.0);
}

} // namespace laytime
