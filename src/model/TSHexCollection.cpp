#include "model/TSHexCollection.h"

#include "model/TPortRec.h"

#include <stdexcept>
#include <string>

namespace laytime {

TSHexCollection::TSHexCollection() = default;

TSHexCollection::~TSHexCollection() = default;

void TSHexCollection::Changed() {
  if (OnChange)
    OnChange();
}

void TSHexCollection::CheckIndex(int index, const char* operation) const {
  if (index < 0 || index >= Count())
    throw std::out_of_range(std::string("TSHexCollection::") + operation + ": index " +
                            std::to_string(index) + " outside 0.." + std::to_string(Count() - 1));
}

TShexItem& TSHexCollection::GetItem(int index) {
  CheckIndex(index, "GetItem");
  return *FItems[static_cast<std::size_t>(index)];
}

const TShexItem& TSHexCollection::GetItem(int index) const {
  CheckIndex(index, "GetItem");
  return *FItems[static_cast<std::size_t>(index)];
}

void TSHexCollection::SetItem(int index, const TShexItem& item) {
  GetItem(index).Assign(item);
}

TShexItem& TSHexCollection::Add() {
  return Insert(Count());
}

TShexItem& TSHexCollection::Insert(int index) {
  if (index < 0 || index > Count())
    throw std::out_of_range("TSHexCollection::Insert: index " + std::to_string(index) +
                            " outside 0.." + std::to_string(Count()));
  auto it = FItems.insert(FItems.begin() + index, std::make_unique<TShexItem>(this));
  return **it;
}

void TSHexCollection::Delete(int index) {
  CheckIndex(index, "Delete");
  FItems.erase(FItems.begin() + index);
}

void TSHexCollection::Clear() {
  FItems.clear();
  RowLimit = 0;
  TopRow = 0;
  ActiveRow = 0;
  ActiveIndex = -1;
}

void TSHexCollection::LoadFrom(const std::vector<TShexRec>& presets) {
  Clear();
  for (const TShexRec& preset : presets)
    Add().SetShexRec(preset);
}

std::vector<TShexRec> TSHexCollection::ToRecs() const {
  std::vector<TShexRec> recs;
  recs.reserve(FItems.size());
  for (const auto& item : FItems)
    recs.push_back(item->SHexRec());
  return recs;
}

bool TSHexCollection::IsEmptyRec(int index) const {
  const TShexRec& rec = GetItem(index).SHexRec();
  return rec.FromDay == EmptyTime && rec.FromTime == EmptyTime && rec.UntilDay == EmptyTime &&
         rec.UntilTime == EmptyTime && rec.Remark.empty();
}

int TSHexCollection::FindPresetFor(const TPortRec& port) const {
  for (int i = 0; i < Count(); ++i) {
    if (ShexPresetMatches(FItems[static_cast<std::size_t>(i)]->SHexRec(), port))
      return i;
  }
  return -1;
}

TShexItem* TSHexCollection::ActiveItem() {
  if (ActiveIndex < 0 || ActiveIndex >= Count())
    return nullptr;
  return FItems[static_cast<std::size_t>(ActiveIndex)].get();
}

bool ShexPresetMatches(const TShexRec& preset, const TPortRec& port) {
  // A preset without its weekdays (a row not filled in yet) describes no period, not the
  // absence of one.
  if (preset.FromDay < 0 || preset.UntilDay < 0)
    return false;
  return ShexWeekday(preset.FromDay) == ShexWeekday(port.ShexStartDay) &&
         ShexWeekday(preset.UntilDay) == ShexWeekday(port.ShexEndDay) &&
         preset.FromTime == port.ShexStartTime && preset.UntilTime == port.ShexEndTime;
}

int FindShexPreset(const std::vector<TShexRec>& presets, const TPortRec& port) {
  for (std::size_t i = 0; i < presets.size(); ++i) {
    if (ShexPresetMatches(presets[i], port))
      return static_cast<int>(i);
  }
  return -1;
}

} // namespace laytime
