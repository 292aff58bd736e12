#include "model/TPortInfoCollection.h"

#include <stdexcept>
#include <string>

namespace laytime {

TPortInfoCollection::TPortInfoCollection(TPortItem* owner) : FOwner(owner) {}

TPortInfoCollection::~TPortInfoCollection() = default;

void TPortInfoCollection::CheckIndex(int index, const char* operation) const {
  if (index < 0 || index >= Count())
    throw std::out_of_range(std::string("TPortInfoCollection::") + operation + ": index " +
                            std::to_string(index) + " outside 0.." + std::to_string(Count() - 1));
}

TPortInfoItem& TPortInfoCollection::GetItem(int index) {
  CheckIndex(index, "GetItem");
  return *FItems[static_cast<std::size_t>(index)];
}

const TPortInfoItem& TPortInfoCollection::GetItem(int index) const {
  CheckIndex(index, "GetItem");
  return *FItems[static_cast<std::size_t>(index)];
}

void TPortInfoCollection::SetItem(int index, const TPortInfoItem& item) {
  GetItem(index).Assign(item);
}

TPortInfoItem& TPortInfoCollection::Add() {
  return Insert(Count());
}

TPortInfoItem& TPortInfoCollection::Insert(int index) {
  if (index < 0 || index > Count())
    throw std::out_of_range("TPortInfoCollection::Insert: index " + std::to_string(index) +
                            " outside 0.." + std::to_string(Count()));
  auto it = FItems.insert(FItems.begin() + index, std::make_unique<TPortInfoItem>());
  return **it;
}

void TPortInfoCollection::Delete(int index) {
  CheckIndex(index, "Delete");
  FItems.erase(FItems.begin() + index);
}

void TPortInfoCollection::Clear() {
  FItems.clear();
  RowLimit = 0;
  TopRow = 0;
  ActiveRow = 0;
  ActiveCol = 0;
}

void TPortInfoCollection::Assign(const TPortInfoCollection& source) {
  if (&source == this)
    return;
  FItems.clear();
  for (const auto& item : source.FItems)
    Add().Assign(*item);
}

bool TPortInfoCollection::IsEmptyRec(int index) const {
  const TDateTimeInfoRec& rec = GetItem(index).FDateTimeInfoRec;
  return rec.Date == EmptyDay && rec.Time == EmptyTime && rec.Text.empty();
}

} // namespace laytime
