// The informative entries of a port, or the default entries new ports start with.
#pragma once

#include "model/TPortInfoItem.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace laytime {

class TPortItem;

class TPortInfoCollection {
public:
  /// `owner` is the port the entries belong to; nullptr for the default entries.
  explicit TPortInfoCollection(TPortItem* owner = nullptr);
  TPortInfoCollection(const TPortInfoCollection&) = delete;
  TPortInfoCollection& operator=(const TPortInfoCollection&) = delete;
  ~TPortInfoCollection();

  int Count() const { return static_cast<int>(FItems.size()); }
  /// Throws std::out_of_range for a position outside the collection.
  TPortInfoItem& GetItem(int index);
  const TPortInfoItem& GetItem(int index) const;
  void SetItem(int index, const TPortInfoItem& item);
  TPortInfoItem& Add();
  TPortInfoItem& Insert(int index);
  void Delete(int index);
  /// Removes all entries and resets the four grid numbers to 0.
  void Clear();
  /// Replaces the entries by copies of those of `source`.
  void Assign(const TPortInfoCollection& source);

  TPortItem* Owner() const { return FOwner; }

  /// Date EmptyDay, time EmptyTime and text empty.
  bool IsEmptyRec(int index) const;

  // View state of the port page's grid.
  std::int32_t RowLimit = 0;
  std::int32_t TopRow = 0;
  std::int32_t ActiveRow = 0;
  std::int32_t ActiveCol = 0;

private:
  void CheckIndex(int index, const char* operation) const;

  TPortItem* FOwner;
  std::vector<std::unique_ptr<TPortInfoItem>> FItems;
};

} // namespace laytime
