// Builds calculations for the engine's tests from a few lines of readable text and describes
// their result lines as text, so that a scenario keeps input and expected output side by side.
#pragma once

#include "calc/CalculateVoyage.h"
#include "core/Settings.h"
#include "model/TCalculation.h"

#include <string>
#include <string_view>
#include <vector>

namespace laytime::scenario {

/// The day number of an ISO date, "2024-03-04" (a Monday).
TDayNumber DateOf(std::string_view isoDate);
/// The minute of day of "hh:mm" (00:00..24:00).
TMinuteOfDay TimeOf(std::string_view hhmm);

/// A calculation described line by line. Statements:
///
///   port "Santos" load 10000 mts at 5000/day dem 14400 des 7200 from 2024-03-04 08:00
///        to 2024-03-07 12:00
///   sof 2024-03-05 08:00 full 100 "remark"
///   partner "Shell" 60000
///   tier 3 00:00 15000
///
/// A port line takes, in any order after its name: the operation (load, disch or both), a
/// quantity with an optional unit word, the allowance "at <rate>/day", "at <rate>/hour",
/// "at <n> days", "at <n> hours" or "at <rate> undef", "add <days> <hh:mm>", "dem", "des" and
/// "comm" with a figure, the clause "saved" (all time saved; working time saved otherwise),
/// "cqd", "tiered", "min <hh:mm>" (tanker minimum), "shex <day> <hh:mm> <day> <hh:mm>" with
/// three-letter weekdays, "preadv <date> <time> <days> <hh:mm>", and the laytime window
/// "from <date> <time>" and "to <date> <time>". A statement-of-facts line belongs to the last
/// port; its condition is one of full, rain, ntc, shifting, half, part, alwpart, excl, wait,
/// shinc, shpart, normal, fulldet, partdet, and its percentage defaults to the condition's.
/// The first tier line of a port replaces the port's tiers. The first port line fills the
/// empty port a new calculation has. Anything else throws std::invalid_argument.
class TScenario {
public:
  explicit TScenario(std::string_view text = {});

  TScenario& Load(std::string_view text);

  TPortItem& Port(int index) { return Calc.Ports.GetItem(index); }
  TPortRec& Rec(int index) { return Calc.Ports.GetItem(index).PortData; }

  TVoyageCalcResult Calculate() { return CalculateVoyage(Calc); }

  /// The result lines of a port, one text each: "03-04 24:00 full 100 960" (until, condition,
  /// percentage, counted minutes) with the remark in quotes when there is one; a caption line
  /// inserted by the count reads "03-06 14:00 >> text".
  std::vector<std::string> ResultLines(int portIndex) const;

  TProgramSettings Settings;
  TCalculation Calc{Settings};

private:
  void LoadPort(const std::vector<std::string>& tokens);
  void LoadSoFLine(const std::vector<std::string>& tokens);
  void LoadPartner(const std::vector<std::string>& tokens);
  void LoadTier(const std::vector<std::string>& tokens);
  TPortItem& LastPort();

  int FPortsLoaded = 0;
  bool FTiersGiven = false;
};

} // namespace laytime::scenario
