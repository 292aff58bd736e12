// The enumerations shared by the whole calculation. Each is stored as one byte in records and
// files.
#pragma once

#include <cstdint>

namespace laytime {

/// Calculation mode of the voyage.
enum class TPortMode : std::uint8_t {
  Undef_PortMode = 0,
  NonReversible = 1,         ///< each port on its own
  LoadingReversible = 2,     ///< loading ports counted together
  DischargingReversible = 3, ///< discharging ports counted together
  LoadDischReversible = 4,   ///< loading ports together and discharging ports together
  AllReversible = 5,         ///< all ports together
  AllAverage = 6,            ///< averaged
};

/// The time-saved clause.
enum class TCalcDespatch : std::uint8_t {
  calcUndef = 0,
  calcWorktime = 1,  ///< "Working time saved"
  calcSavedtime = 2, ///< "All time saved"
};

/// Unit of a rate or allowance.
enum class TLoadUnits : std::uint8_t {
  load_undef = 0,
  load_units_p_day = 1,
  load_units_p_hour = 2,
  load_days = 3,
  load_hours = 4,
};

enum class TPortOpAction : std::uint8_t {
  portactionUndef = 0,
  portactionLoading = 1,
  portactionDischarging = 2,
};

enum class TProRataCalcMethod : std::uint8_t {
  prcOnQuantityForDryCargo = 0,
  prcOnTimeForTankers = 1,
};

/// How demurrage rates are entered and shown; they are always stored per day.
enum class TDemurrateRateUnit : std::uint8_t {
  druPerDay = 0,
  druPerHour = 1,
};

/// Counting condition of a statement-of-facts line.
enum class TFactCode : std::uint8_t {
  undef_tfact = 0,
  full_tfact = 1,
  rain_tfact = 2,
  ntc_tfact = 3,
  sntc_tfact = 4,
  htc_tfact = 5,
  part_tfact = 6,
  alwpart_tfact = 7,
  excl_tfact = 8,
  wait_tfact = 9,
  shinc_tfact = 10,
  shpart_tfact = 11,
  reserved01_tfact = 12,
  reserved02_tfact,
  reserved03_tfact,
  reserved04_tfact,
  reserved05_tfact,
  reserved06_tfact,
  reserved07_tfact,
  reserved08_tfact,
  reserved09_tfact,
  reserved10_tfact,
  reserved11_tfact,
  reserved12_tfact,
  reserved13_tfact,
  reserved14_tfact,
  reserved15_tfact,
  reserved16_tfact,
  reserved17_tfact,
  reserved18_tfact,
  reserved19_tfact,
  reserved20_tfact,
  reserved21_tfact,
  reserved22_tfact,
  reserved23_tfact,
  reserved24_tfact,
  reserved25_tfact,
  reserved26_tfact,
  reserved27_tfact,
  reserved28_tfact,
  reserved29_tfact,
  reserved30_tfact = 41,
  CQDNormal_tfact = 42,
  FullDetention_tfact = 43,
  PartDetention_Tfact = 44,
};

inline constexpr int FactCodeCount = 45;
static_assert(static_cast<int>(TFactCode::reserved29_tfact) == 40,
              "the thirty reserved codes run from 12 to 41 without a gap");

} // namespace laytime
