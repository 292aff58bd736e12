// One pro-rata partner with its shares at the ports of the voyage.
#pragma once

#include "model/Currency.h"
#include "model/TProRataPortCalculation.h"
#include "model/TProRataRec.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace laytime {

class TProRataCollection;

class TProRataItem {
public:
  /// An item with empty strings, empty quantities and no port details.
  explicit TProRataItem(TProRataCollection& collection);
  TProRataItem(const TProRataItem&) = delete;
  TProRataItem& operator=(const TProRataItem&) = delete;

  TProRataRec ProRataRec;
  double AdditionalHours = 0.0;

  const std::string& PartnerName() const { return ProRataRec.Charterer; }

  /// Resets the line's fields as in a new item; the port details stay.
  void ClearData();

  /// Copies Charterer, Remark and Quantity of `source`; nothing else.
  void Assign(const TProRataItem& source);

  /// The partner's share of the collection's TotalQuantity in percent, rounded to 10 decimals
  /// (ties to even); EmptyReal when the total or the partner's quantity is not above 0.
  double Percentage() const;

  /// The detail of port `portIdx`, creating the details of every missing index up to it.
  /// A negative index throws std::out_of_range.
  TProRataPortCalculation& GetPortDetails(std::int32_t portIdx);

  /// The number of port details held (details are created on demand).
  int PortDetailCount() const { return static_cast<int>(FPortDetails.size()); }

  /// The detail of port `portIdx` when it exists, otherwise nullptr; creates nothing.
  const TProRataPortCalculation* FindPortDetails(std::int32_t portIdx) const;

  /// First pass of a refresh: unless the voyage holds quantities per port (ProRataPerPort),
  /// the detail's quantity becomes the partner's voyage Quantity (empty as 0).
  void LoadQuantityForPort(std::int32_t portIdx);

  /// Refreshes the detail of port `portIdx`: LoadQuantityForPort, then
  /// TProRataPortCalculation::LoadFromPort. Its share is right only when every other partner's
  /// quantity at the port is already set; TProRataCollection::RefreshPort takes care of that.
  void LoadFromPort(std::int32_t portIdx);

  /// Removes the detail of port `idxPort` when present (a port was deleted) and renumbers the
  /// remaining details to their positions. A negative index throws std::out_of_range.
  void DeletePort(std::int32_t idxPort);

  /// The sums of the partner's port details.
  Currency TotalDemurrageValue() const;
  Currency TotalDespatchValue() const;
  Currency TotalCommissionValue() const;
  /// TotalDemurrageValue − TotalDespatchValue − TotalCommissionValue.
  Currency NetAmountDue() const;

  /// The larger of the two: a partner's allowance is never below the port's minimum.
  static std::int32_t ApplyMinimum(std::int32_t timeAllowed, std::int32_t minimum);

private:
  TProRataCollection& FCollection;
  std::vector<std::unique_ptr<TProRataPortCalculation>> FPortDetails;
};

} // namespace laytime
