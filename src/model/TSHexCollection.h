// The SHEX preset list of the program, with the lookup of the preset a port's SHEX fields match.
#pragma once

#include "core/Settings.h"
#include "model/TShexItem.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace laytime {

struct TPortRec;

class TSHexCollection {
public:
  TSHexCollection();
  TSHexCollection(const TSHexCollection&) = delete;
  TSHexCollection& operator=(const TSHexCollection&) = delete;
  ~TSHexCollection();

  int Count() const { return static_cast<int>(FItems.size()); }
  /// Throws std::out_of_range for a position outside the collection.
  TShexItem& GetItem(int index);
  const TShexItem& GetItem(int index) const;
  void SetItem(int index, const TShexItem& item);
  TShexItem& Add();
  TShexItem& Insert(int index);
  void Delete(int index);
  /// Removes all presets, resets the grid numbers to 0 and the active item to none (−1).
  void Clear();

  /// Replaces the presets by those of the settings (TTemplateSettings::ShexPresets).
  void LoadFrom(const std::vector<TShexRec>& presets);
  /// The presets as stored in the settings.
  std::vector<TShexRec> ToRecs() const;

  /// All four day and time fields EmptyTime and the remark empty.
  bool IsEmptyRec(int index) const;

  /// The position of the first preset whose from weekday, until weekday and both times equal the
  /// port's SHEX start day, end day (taken mod 7), start time and end time; −1 when none does.
  /// A preset without both weekdays matches no port.
  int FindPresetFor(const TPortRec& port) const;

  /// The active preset, or nullptr when ActiveIndex is −1 or outside the list.
  TShexItem* ActiveItem();
  std::int32_t ActiveIndex = -1;

  // View state of the configuration dialog's grid.
  std::int32_t RowLimit = 0;
  std::int32_t TopRow = 0;
  std::int32_t ActiveRow = 0;

  /// Raised by the presets' setters whenever a stored value changes.
  std::function<void()> OnChange;

private:
  friend class TShexItem;
  void Changed();
  void CheckIndex(int index, const char* operation) const;

  std::vector<std::unique_ptr<TShexItem>> FItems;
};

/// Whether `preset` is the period of the port's SHEX fields (weekdays compared 0..6). A preset
/// whose from or until day is not set is the period of no port.
bool ShexPresetMatches(const TShexRec& preset, const TPortRec& port);

/// The position of the first preset of a settings list that matches the port; −1 when none does.
int FindShexPreset(const std::vector<TShexRec>& presets, const TPortRec& port);

} // namespace laytime
