// The share of one pro-rata partner at one port: its quantity there, its part of the port's
// time and money, and the commission on it.
#pragma once

#include "model/Currency.h"
#include "model/TTieredTimes.h"

#include <cstdint>

namespace laytime {

class TPortItem;
struct TPortRec;
class TProRataCollection;

/// A detail belongs to a partner (TProRataItem) and knows the partners' collection, whose
/// per-port total quantity its percentage is measured against, and through it the open
/// calculation. Details are created by TProRataItem::GetPortDetails and keep the figures of
/// their last refresh.
///
/// Who fills it:
/// - On cargo quantity (prcOnQuantityForDryCargo) LoadFromPort computes everything.
/// - On time (prcOnTimeForTankers) LoadFromPort sets only the port figures every method shares
///   (port index, time used = TimeUsed + TimeWaited, the port's minimum allowance, no despatch).
///   The calculation engine must then set PortTimeAllowanceInMinutes,
///   PortTimeAllowanceBeforeMinimum, LessThanMinimum, AllocatedMinutes, SharedMinutes and
///   DemurrageAmount (pricing tiered ports into TieredTimes()), and finally call
///   CalculateCommission with the port.
/// In both methods every partner's quantity at the port must be set before any share of the
/// port is computed; TProRataCollection::LoadQuantitiesForPort does that first pass.
class TProRataPortCalculation {
public:
  TProRataPortCalculation(TProRataCollection& collection, std::int32_t portIdx);
  TProRataPortCalculation(const TProRataPortCalculation&) = delete;
  TProRataPortCalculation& operator=(const TProRataPortCalculation&) = delete;

  /// Refreshes the detail from the port at `portIdx` after a calculation (see above). Under
  /// the quantity method, with share = Percentage / 100:
  /// - with ProRataPerPort the port's TimeUsed and TimeAllowed are taken over, otherwise the
  ///   time used is 0 (so a tiered share is 0 and the report splits the voyage totals);
  /// - demurrage of a tiered port: its minutes on demurrage priced through the port's tiers,
  ///   times share, to four decimals and then to cents; otherwise the port's Demurrage rounded
  ///   to cents, times share, rounded to cents;
  /// - despatch: 0 when the voyage has DespatchDisabled, else as the untiered demurrage;
  /// - commission: CalculateCommission.
  void LoadFromPort(std::int32_t portIdx, const TPortItem& port);

  /// The commission on the demurrage share: 0 when the port has no commission percentage
  /// (EmptyReal), otherwise DemurrageAmount × PortCommissionPct / 100 rounded to cents.
  void CalculateCommission(const TPortRec& port);

  /// The partner's share of the port's quantity in percent, not rounded: 0 when its quantity or
  /// the port's total quantity of all partners is 0.
  double Percentage() const;

  /// The minutes by which the partner's share of the port time exceeds its allowance, 0 when
  /// it does not.
  std::int32_t MinutesOnDemurrage() const;

  /// DemurrageAmount − DespatchAmount − CommissionAmount.
  Currency NetAmount() const;

  std::int32_t PortIdx() const { return FPortIdx; }
  void SetPortIdx(std::int32_t value) { FPortIdx = value; }

  /// The partner's cargo quantity at this port; an empty value is stored as 0.
  double Quantity() const { return FQuantity; }
  void SetQuantity(double value);

  std::int32_t PortMinTimeAllowanceInMinutes() const { return FPortMinTimeAllowanceInMinutes; }
  void SetPortMinTimeAllowanceInMinutes(std::int32_t value) {
    FPortMinTimeAllowanceInMinutes = value;
  }
  std::int32_t PortTimeUsed() const { return FPortTimeUsed; }
  void SetPortTimeUsed(std::int32_t value) { FPortTimeUsed = value; }
  std::int32_t PortTimeAllowanceInMinutes() const { return FPortTimeAllowanceInMinutes; }
  void SetPortTimeAllowanceInMinutes(std::int32_t value) { FPortTimeAllowanceInMinutes = value; }
  std::int32_t PortTimeAllowanceBeforeMinimum() const { return FPortTimeAllowanceBeforeMinimum; }
  void SetPortTimeAllowanceBeforeMinimum(std::int32_t value) {
    FPortTimeAllowanceBeforeMinimum = value;
  }
  std::int32_t SharedMinutes() const { return FSharedMinutes; }
  void SetSharedMinutes(std::int32_t value) { FSharedMinutes = value; }
  bool LessThanMinimum() const { return FLessThanMinimum; }
  void SetLessThanMinimum(bool value) { FLessThanMinimum = value; }
  std::int32_t AllocatedMinutes() const { return FAllocatedMinutes; }
  void SetAllocatedMinutes(std::int32_t value) { FAllocatedMinutes = value; }

  Currency DemurrageAmount() const { return FDemurrageAmount; }
  void SetDemurrageAmount(Currency value) { FDemurrageAmount = value; }
  Currency DespatchAmount() const { return FDespatchAmount; }
  void SetDespatchAmount(Currency value) { FDespatchAmount = value; }
  Currency CommissionAmount() const { return FCommissionAmount; }
  void SetCommissionAmount(Currency value) { FCommissionAmount = value; }

  /// The allocation of the partner's minutes on demurrage to the port's tiers.
  ITieredTimes& TieredTimes() { return FTieredTimes; }
  const ITieredTimes& TieredTimes() const { return FTieredTimes; }

private:
  void LoadOnQuantity(const TPortItem& port);

  TProRataCollection& FCollection;
  std::int32_t FPortMinTimeAllowanceInMinutes = 0;
  std::int32_t FPortTimeUsed = 0;
  std::int32_t FPortTimeAllowanceInMinutes = 0;
  std::int32_t FPortTimeAllowanceBeforeMinimum = 0;
  std::int32_t FSharedMinutes = 0;
  bool FLessThanMinimum = false;
  std::int32_t FAllocatedMinutes = 0;
  Currency FDemurrageAmount;
  Currency FCommissionAmount;
  double FQuantity = 0.0;
  std::int32_t FPortIdx = 0;
  Currency FDespatchAmount;
  TTieredTimes FTieredTimes;
};

} // namespace laytime
