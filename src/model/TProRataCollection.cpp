#include "model/TProRataCollection.h"

#include "core/TextUtil.h"
#include "core/ZQTypes.h"
#include "model/TCalculation.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace laytime {

namespace {

bool IsBlank(std::string_view text) {
  return Trim(text).empty();
}

double QuantityAsZero(double quantity) {
  return quantity == EmptyReal ? 0.0 : quantity;
}

} // namespace

TProRataCollection::TProRataCollection(TCalculation& calculation) : FOwner(calculation) {}

void TProRataCollection::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw std::out_of_range("TProRataCollection: line " + std::to_string(index) + " outside 0.." +
                            std::to_string(Count() - 1));
}

TProRataItem& TProRataCollection::Add() {
  return *FItems.emplace_back(std::make_unique<TProRataItem>(*this));
}

TProRataItem& TProRataCollection::Insert(int index) {
  if (index < 0 || index > Count())
    throw std::out_of_range("TProRataCollection: insert position " + std::to_string(index) +
                            " outside 0.." + std::to_string(Count()));
  return **FItems.insert(FItems.begin() + index, std::make_unique<TProRataItem>(*this));
}

TProRataItem& TProRataCollection::GetItem(int index) {
  CheckIndex(index);
  return *FItems[static_cast<std::size_t>(index)];
}

const TProRataItem& TProRataCollection::GetItem(int index) const {
  CheckIndex(index);
  return *FItems[static_cast<std::size_t>(index)];
}

void TProRataCollection::SetItem(int index, const TProRataItem& source) {
  GetItem(index).Assign(source);
}

void TProRataCollection::Delete(int index) {
  CheckIndex(index);
  FItems.erase(FItems.begin() + index);
}

void TProRataCollection::Clear() {
  FItems.clear();
  RowLimit = 0;
  TopRow = 0;
  ActiveRow = 0;
  ActiveCol = 0;
}

bool TProRataCollection::IsEmptyRec(int index) const {
  const TProRataRec& line = GetItem(index).ProRataRec;
  return IsBlank(line.Charterer) && IsBlank(line.Remark) && line.Quantity == EmptyReal;
}

TProRataError TProRataCollection::IsValidRec(int index) const {
  const TProRataRec& line = GetItem(index).ProRataRec;
  if (index == Count() - 1 && IsEmptyRec(index))
    return TProRataError::ProRataOK;
  if (!FOwner.Voyage.ProRataPerPort) {
    if (line.Quantity == EmptyReal)
      return TProRataError::ProRataQtyMissing;
    if (line.Quantity < 0.0)
      return TProRataError::ProRataQtyInvalid;
  }
  if (IsBlank(line.Charterer))
    return TProRataError::ProRataNameMissing;
  return TProRataError::ProRataOK;
}

bool TProRataCollection::AllRecsValid(int& errProRataLine, TProRataError& errCode) const {
  for (int index = 0; index < Count(); ++index) {
    const TProRataError code = IsValidRec(index);
    if (code != TProRataError::ProRataOK) {
      errProRataLine = index;
      errCode = code;
      return false;
    }
  }
  errProRataLine = -1;
  errCode = TProRataError::ProRataOK;
  return true;
}

int TProRataCollection::CountItems() const {
  return static_cast<int>(std::count_if(FItems.begin(), FItems.end(),
                                        [](const auto& item) { return item->Percentage() > 0.0; }));
}

void TProRataCollection::DeletePort(std::int32_t idx) {
  for (const auto& item : FItems)
    item->DeletePort(idx);
}

int TProRataCollection::GetIndexForPartner(std::string_view partnerName) const {
  for (int index = 0; index < Count(); ++index)
    if (FItems[static_cast<std::size_t>(index)]->PartnerName() == partnerName)
      return index;
  return -1;
}

double TProRataCollection::TotalQuantity() const {
  double total = 0.0;
  for (const auto& item : FItems)
    total += QuantityAsZero(item->ProRataRec.Quantity);
  return total;
}

double TProRataCollection::TotalQuantityForPort(std::int32_t portIdx) const {
  double total = 0.0;
  for (const auto& item : FItems)
    if (const TProRataPortCalculation* detail = item->FindPortDetails(portIdx))
      total += QuantityAsZero(detail->Quantity());
  return total;
}

double TProRataCollection::TotalSharedHoursForPort(std::int32_t portIdx) const {
  double total = 0.0;
  for (const auto& item : FItems)
    if (const TProRataPortCalculation* detail = item->FindPortDetails(portIdx))
      total += detail->SharedMinutes() / 60.0;
  return total;
}

double TProRataCollection::TotalAllocatedHoursForPort(std::int32_t portIdx) const {
  double total = 0.0;
  for (const auto& item : FItems)
    if (const TProRataPortCalculation* detail = item->FindPortDetails(portIdx))
      total += detail->AllocatedMinutes() / 60.0;
  return total;
}

Currency TProRataCollection::TotalDemurrageForPort(std::int32_t portIdx) const {
  Currency total;
  for (const auto& item : FItems)
    if (const TProRataPortCalculation* detail = item->FindPortDetails(portIdx))
      total += detail->DemurrageAmount();
  return total;
}

Currency TProRataCollection::TotalDespatchForPort(std::int32_t portIdx) const {
  Currency total;
  for (const auto& item : FItems)
    if (const TProRataPortCalculation* detail = item->FindPortDetails(portIdx))
      total += detail->DespatchAmount();
  return total;
}

Currency TProRataCollection::TotalCommissionForPort(std::int32_t portIdx) const {
  Currency total;
  for (const auto& item : FItems)
    if (const TProRataPortCalculation* detail = item->FindPortDetails(portIdx))
      total += detail->CommissionAmount();
  return total;
}

// Summed as Currency, so that only the final figure is converted.
double TProRataCollection::TotalDemurrageValue() const {
  Currency total;
  for (const auto& item : FItems)
    total += item->TotalDemurrageValue();
  return total.ToDouble();
}

double TProRataCollection::TotalCommissionValue() const {
  Currency total;
  for (const auto& item : FItems)
    total += item->TotalCommissionValue();
  return total.ToDouble();
}

void TProRataCollection::LoadQuantitiesForPort(std::int32_t portIdx) {
  for (const auto& item : FItems)
    item->LoadQuantityForPort(portIdx);
}

void TProRataCollection::RefreshPort(std::int32_t portIdx) {
  LoadQuantitiesForPort(portIdx);
  for (const auto& item : FItems)
    item->LoadFromPort(portIdx);
}

void TProRataCollection::RefreshAllPorts() {
  for (int portIdx = 0; portIdx < FOwner.Ports.Count(); ++portIdx)
    RefreshPort(portIdx);
}

} // namespace laytime
