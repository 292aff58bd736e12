// The pro-rata partners of the open calculation, their validation and their totals.
#pragma once

#include "model/Currency.h"
#include "model/TProRataError.h"
#include "model/TProRataItem.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace laytime {

class TCalculation;

/// Belongs to the open calculation, whose voyage flags (ProRataPerPort, DespatchDisabled),
/// ports and program settings (the pro-rata method) it reads through a back reference.
/// Positions are 0-based; an index outside the collection throws std::out_of_range.
///
/// Refresh after a calculation, for every port index in order: LoadQuantitiesForPort(p)
/// first, then LoadFromPort(p) of every partner; RefreshPort(p) does both. Setting all
/// quantities first matters without ProRataPerPort, where a partner's share is measured
/// against the sum of all partners' quantities at the port. On time (prcOnTimeForTankers) the
/// calculation engine completes each detail afterwards (see TProRataPortCalculation).
class TProRataCollection {
public:
  explicit TProRataCollection(TCalculation& calculation);
  TProRataCollection(const TProRataCollection&) = delete;
  TProRataCollection& operator=(const TProRataCollection&) = delete;

  TCalculation& Calculation() { return FOwner; }
  const TCalculation& Calculation() const { return FOwner; }

  int Count() const { return static_cast<int>(FItems.size()); }
  TProRataItem& Add();
  /// A new empty item at `index` (0..Count()).
  TProRataItem& Insert(int index);
  TProRataItem& GetItem(int index);
  const TProRataItem& GetItem(int index) const;
  /// Assigns `source` (Charterer, Remark, Quantity) to the item at `index`.
  void SetItem(int index, const TProRataItem& source);
  void Delete(int index);
  /// Frees every item and resets the grid position.
  void Clear();

  /// The line has no name, no remark (both after trimming blanks) and no quantity.
  bool IsEmptyRec(int index) const;
  /// The first finding of the line: an empty last line passes; without ProRataPerPort the
  /// quantity must be given and not negative; the name must not be blank.
  TProRataError IsValidRec(int index) const;
  /// Validates the lines in order and stops at the first finding, returning false with its
  /// line and code; otherwise true with line −1 and ProRataOK.
  bool AllRecsValid(int& errProRataLine, TProRataError& errCode) const;

  /// The number of partners whose Percentage is above 0.
  int CountItems() const;

  /// A port was deleted: removes its detail from every partner and renumbers the rest.
  void DeletePort(std::int32_t idx);

  /// The first partner whose Charterer equals `partnerName` exactly; −1 when there is none.
  int GetIndexForPartner(std::string_view partnerName) const;

  /// The sum of the partners' voyage quantities, an empty quantity as 0.
  double TotalQuantity() const;
  /// The sums of the partners' details at port `portIdx`. A partner without a detail there
  /// counts 0, which is what a newly created detail holds.
  double TotalQuantityForPort(std::int32_t portIdx) const;
  double TotalSharedHoursForPort(std::int32_t portIdx) const;
  double TotalAllocatedHoursForPort(std::int32_t portIdx) const;
  Currency TotalDemurrageForPort(std::int32_t portIdx) const;
  Currency TotalDespatchForPort(std::int32_t portIdx) const;
  Currency TotalCommissionForPort(std::int32_t portIdx) const;
  /// The sums over partners of TotalDemurrageValue and TotalCommissionValue.
  double TotalDemurrageValue() const;
  double TotalCommissionValue() const;

  /// First pass of a refresh: every partner's quantity at port `portIdx`.
  void LoadQuantitiesForPort(std::int32_t portIdx);
  /// LoadQuantitiesForPort, then LoadFromPort of every partner.
  void RefreshPort(std::int32_t portIdx);
  /// RefreshPort for every port of the calculation, in order.
  void RefreshAllPorts();

  // The position of the grid that edits the partners.
  std::int32_t RowLimit = 0;
  std::int32_t TopRow = 0;
  std::int32_t ActiveRow = 0;
  std::int32_t ActiveCol = 0;

private:
  void CheckIndex(int index) const;

  TCalculation& FOwner;
  std::vector<std::unique_ptr<TProRataItem>> FItems;
};

} // namespace laytime
