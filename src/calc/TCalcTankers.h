// Pro rata on time for tankers: each partner's allowance at a port, its share of the port's time
// and the demurrage it pays for the minutes by which that share exceeds its allowance.
#pragma once

#include "core/Enums.h"
#include "core/Rounding.h"
#include "core/ZQTypes.h"

#include <cstdint>

namespace laytime {

class TCalculation;
class TProRataPortCalculation;
struct TPortRec;

/// The terms of a port from which its partners' allowances are pro-rated.
struct TTankerAllowanceTerms {
  double LoadRate = EmptyReal;
  TLoadUnits LoadUnits = TLoadUnits::load_units_p_day;
  TDayNumber AddDays = EmptyDay;
  int AddTime = EmptyTime;
  bool CalcCQD = false;
  double LoadDaysLimit = 99.99;
  /// The port's time allowed as its count started with it (TPortRec::TimeAllowed).
  TDuration PortTimeAllowed = 0;

  static TTankerAllowanceTerms FromPort(const TPortRec& port, double loadDaysLimit);
};

/// The pro-rata rounding method setting (0 Nearest, 1 Down, 2 Up, 3 Truncate) as a rounding
/// mode; any other value rounds to the nearest.
TRoundingMode ProRataRoundingMode(std::uint8_t setting);

class TCalcTankers {
public:
  /// Whether the port's allowance follows from its cargo: a rate per day or per hour above 0,
  /// or an undefined unit with a rate above the load-days limit.
  static bool IsRatePerCargoUnit(const TTankerAllowanceTerms& terms);

  /// The partner's allowance at the port before the port's minimum is applied, in minutes;
  /// 0 when the partner or all partners together have no cargo there (an empty quantity counts
  /// 0). Every rounding to whole minutes follows `mode`.
  ///
  /// For an allowance in days or hours the port's allowance a does not depend on the cargo;
  /// it is worked out from the terms (`LaytimeMinutes` under `mode`) and the partner gets
  /// a × partner quantity / total quantity. For a rate per unit of cargo the port's time
  /// allowed (`PortTimeAllowed`, which its own cargo decides) is pro-rated the same way:
  /// PortTimeAllowed × partner quantity / total quantity, which is the explanation the report
  /// prints, "( partner quantity / port total quantity ) * port time allowed".
  ///
  /// Throws ERangeError for an undefined unit whose rate counts.
  static TDuration CalculateTimeAllowedForTankersBeforeMinimum(double cargo_mts,
                                                               double portTotalQuantity,
                                                               const TTankerAllowanceTerms& terms,
                                                               TRoundingMode mode);

  /// The same with the port's minimum applied: never below `minimumLayTimeInMinutes`, also
  /// when the partner has no cargo at the port.
  static TDuration CalculateTimeAllowedForTankers(double cargo_mts, double portTotalQuantity,
                                                  const TTankerAllowanceTerms& terms,
                                                  TDuration minimumLayTimeInMinutes,
                                                  TRoundingMode mode);

  /// Fills one partner's detail at port `portIdx` under pro rata on time: the port's time used
  /// (used + waited) and minimum, the partner's allowance with and without the minimum, its
  /// allocated and shared minutes, its demurrage (through the port's tiers when the port uses
  /// them, otherwise at the port's demurrage rate read as an amount per day) and the commission
  /// on it; no despatch. The detail's quantity and every other partner's quantity at the port
  /// must be set already. Minute figures are rounded by `mode`, amounts to cents (ties to even).
  static void LoadFromPortOnTime(TCalculation& calculation, std::int32_t portIdx,
                                 TProRataPortCalculation& detail, TRoundingMode mode);

  /// Refreshes every partner's detail at port `portIdx` by the calculation's pro-rata method:
  /// all partners' quantities at the port first, then the shares.
  static void RefreshPort(TCalculation& calculation, std::int32_t portIdx, TRoundingMode mode);

  /// Refreshes the details of every partner at every port after a calculation.
  static void CalcDemurrageAndCommission(TCalculation& calculation, TRoundingMode mode);
};

} // namespace laytime
