// The statement of facts of one port (or its counted result lines): the ordered lines, their
// validation, and the display state of the main window's grid.
#pragma once

#include "core/DayTime.h"
#include "core/FormatContext.h"
#include "core/Settings.h"
#include "model/TSoFError.h"
#include "model/TSoFLine.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace laytime {

class TPortItem;

/// Which conditions a line may carry: 1..11 for a port with ordinary laytime, 42..44 for a
/// port calculated as customary quick despatch.
enum class TConditionSet : std::uint8_t { Laytime, CQD };

inline TConditionSet ConditionSetFor(bool calcCQD) {
  return calcCQD ? TConditionSet::CQD : TConditionSet::Laytime;
}

class TSoFCollection {
public:
  /// `owner` is the port whose effective start of counting the first line starts at; a
  /// collection without a port gives its first line no start.
  explicit TSoFCollection(TPortItem* owner = nullptr);
  TSoFCollection(const TSoFCollection&) = delete;
  TSoFCollection& operator=(const TSoFCollection&) = delete;
  ~TSoFCollection();

  int Count() const { return static_cast<int>(FLines.size()); }
  /// Throws std::out_of_range for a position outside the collection.
  TSoFLine& GetItem(int index);
  const TSoFLine& GetItem(int index) const;
  /// Copies `line` into the line at `index` (TSoFLine::Assign).
  void SetItem(int index, const TSoFLine& line);
  /// Appends a cleared line.
  TSoFLine& Add();
  /// Inserts a cleared line before `index` (0..Count()).
  TSoFLine& Insert(int index);
  void Delete(int index);
  /// Removes all lines and resets RowLimit, TopRow, ActiveRow and ActiveCol to 0.
  void Clear();
  /// Replaces the lines by copies of the lines of `source`, counted minutes included, so that
  /// copied result lines keep their figures.
  void Assign(const TSoFCollection& source);

  TPortItem* Owner() const { return FOwner; }

  /// The start of the line at `index`; see TSoFLine::GetFrom.
  TDayTime GetFrom(int index) const;

  /// Until date and time empty, no condition and an empty display string; the remark does not
  /// count.
  bool IsEmptyRec(int index) const;
  /// The first finding of the line at `index`; sofrOK when it is valid. Never throws for a
  /// position inside the collection.
  TSoFError IsValidRec(int index, TConditionSet conditions) const;
  /// Checks the lines in order and stops at the first invalid one. All valid: true, errLine −1
  /// and sofrOK.
  bool AllRecsValid(int& errLine, TSoFError& errCode, TConditionSet conditions) const;
  /// No line, or exactly one line and that line empty.
  bool IsEmptySoF() const;

  /// Sets the percentage and display string that follow from the line's newly chosen
  /// condition: 100 for Full/Normal, Waiting, Full even if S/H and Full detention; 0 for Rain,
  /// Not to count, Shifting, Always excluded and Normal; 50 for Half; the partial conditions
  /// keep the user's percentage; any other condition clears it. The display string is the
  /// percentage with the percentage-decimals setting (empty for an empty percentage). Then,
  /// with the automatic remark on, an empty remark becomes the first remark of the
  /// condition's list. Settings come from the calculation of the owning port; a collection
  /// without a port throws std::logic_error.
  void ApplyConditionDefaults(TSoFLine& line, const TFormatContext& context) const;
  /// The same with the settings given.
  static void ApplyConditionDefaults(TSoFLine& line, const TTemplateSettings& settings,
                                     int pctDecimals, const TFormatContext& context);

  /// Raised by the lines' setters whenever a stored value changes.
  std::function<void()> OnChange;

  // Text buffers of the grid's current cells, from which the grid reads.
  std::string FromDayStr;
  std::string FromDateStr;
  std::string FromTimeStr;
  std::string UntilDayStr;
  std::string UntilDateStr;
  std::string UntilTimeStr;
  std::int32_t Condition = 0; ///< item index of the condition list
  std::string RemarkStr;

  // View state of the grid, kept per port.
  std::int32_t RowLimit = 0;
  std::int32_t TopRow = 0;
  std::int32_t ActiveRow = 0;
  std::int32_t ActiveCol = 0;

private:
  friend class TSoFLine;
  void Changed();
  void Renumber(int from);
  void CheckIndex(int index, const char* operation) const;

  TPortItem* FOwner;
  std::vector<std::unique_ptr<TSoFLine>> FLines;
};

} // namespace laytime
