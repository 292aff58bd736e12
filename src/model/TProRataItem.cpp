#include "model/TProRataItem.h"

#include "core/Rounding.h"
#include "core/ZQTypes.h"
#include "model/TCalculation.h"
#include "model/TPortItem.h"
#include "model/TProRataCollection.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace laytime {

namespace {

void CheckPortIndex(std::int32_t portIdx, const char* operation) {
  if (portIdx < 0)
    throw std::out_of_range(std::string("TProRataItem::") + operation + ": port index " +
                            std::to_string(portIdx) + " is negative");
}

} // namespace

TProRataItem::TProRataItem(TProRataCollection& collection) : FCollection(collection) {}

void TProRataItem::ClearData() {
  ProRataRec = TProRataRec();
}

void TProRataItem::Assign(const TProRataItem& source) {
  ProRataRec.Charterer = source.ProRataRec.Charterer;
  ProRataRec.Remark = source.ProRataRec.Remark;
  ProRataRec.Quantity = source.ProRataRec.Quantity;
}

double TProRataItem::Percentage() const {
  const double total = FCollection.TotalQuantity();
  const double quantity = ProRataRec.Quantity;
  if (total <= 0.0 || quantity <= 0.0)
    return EmptyReal;
  return RoundToDecimals(quantity / total * 100.0, 10);
}

TProRataPortCalculation& TProRataItem::GetPortDetails(std::int32_t portIdx) {
  CheckPortIndex(portIdx, "GetPortDetails");
  while (PortDetailCount() <= portIdx)
    FPortDetails.push_back(
        std::make_unique<TProRataPortCalculation>(FCollection, PortDetailCount()));
  return *FPortDetails[static_cast<std::size_t>(portIdx)];
}

const TProRataPortCalculation* TProRataItem::FindPortDetails(std::int32_t portIdx) const {
  if (portIdx < 0 || portIdx >= PortDetailCount())
    return nullptr;
  return FPortDetails[static_cast<std::size_t>(portIdx)].get();
}

void TProRataItem::LoadQuantityForPort(std::int32_t portIdx) {
  TProRataPortCalculation& detail = GetPortDetails(portIdx);
  if (!FCollection.Calculation().Voyage.ProRataPerPort)
    detail.SetQuantity(ProRataRec.Quantity);
}

void TProRataItem::LoadFromPort(std::int32_t portIdx) {
  // The port first: an index without a port creates no details.
  const TPortItem& port = FCollection.Calculation().Ports.GetItem(portIdx);
  LoadQuantityForPort(portIdx);
  GetPortDetails(portIdx).LoadFromPort(portIdx, port);
}

void TProRataItem::DeletePort(std::int32_t idxPort) {
  CheckPortIndex(idxPort, "DeletePort");
  if (idxPort < PortDetailCount())
    FPortDetails.erase(FPortDetails.begin() + idxPort);
  for (int position = 0; position < PortDetailCount(); ++position)
    FPortDetails[static_cast<std::size_t>(position)]->SetPortIdx(position);
}

Currency TProRataItem::TotalDemurrageValue() const {
  Currency total;
  for (const auto& detail : FPortDetails)
    total += detail->DemurrageAmount();
  return total;
}

Currency TProRataItem::TotalDespatchValue() const {
  Currency total;
  for (const auto& detail : FPortDetails)
    total += detail->DespatchAmount();
  return total;
}

Currency TProRataItem::TotalCommissionValue() const {
  Currency total;
  for (const auto& detail : FPortDetails)
    total += detail->CommissionAmount();
  return total;
}

Currency TProRataItem::NetAmountDue() const {
  return TotalDemurrageValue() - TotalDespatchValue() - TotalCommissionValue();
}

std::int32_t TProRataItem::ApplyMinimum(std::int32_t timeAllowed, std::int32_t minimum) {
  return std::max(timeAllowed, minimum);
}

} // namespace laytime
