#include "core/EnumNames.h"

#include <array>
#include <cstddef>

namespace laytime {

namespace {

// Every table is indexed by the value of its enumeration, which runs from 0 without a gap.

constexpr std::array<std::string_view, 2> ProRataCalcMethodNames{"Pro rata on cargo quantity",
                                                                 "Pro rata on time"};
constexpr std::array<std::string_view, 4> RoundingMethodNames{"Nearest", "Down", "Up", "Truncate"};
constexpr std::array<std::string_view, 2> DemurrageRateUnitNames{"per day", "per hour"};

constexpr std::array<std::string_view, 45> FactCodeNames{
    "",
    "Full/Normal",
    "Rain/Bad Weather",
    "Not to count",
    "Shifting",
    "Half",
    "Partial",
    "Always partial",
    "Always excluded",
    "Waiting",
    "Full even if S/H",
    "Partial even if S/H",
    "TF err 01",
    "TF err 02",
    "TF err 03",
    "TF err 04",
    "TF err 05",
    "TF err 06",
    "TF err 07",
    "TF err 08",
    "TF err 09",
    "TF err 10",
    "TF err 11",
    "TF err 12",
    "TF err 13",
    "TF err 14",
    "TF err 15",
    "TF err 16",
    "TF err 17",
    "TF err 18",
    "TF err 19",
    "TF err 20",
    "TF err 21",
    "TF err 22",
    "TF err 23",
    "TF err 24",
    "TF err 25",
    "TF err 26",
    "TF err 27",
    "TF err 28",
    "TF err 29",
    "TF err 30",
    "Normal",
    "Full detention",
    "Partial detention",
};
static_assert(FactCodeNames.size() == FactCodeCount);

template <typename E> constexpr auto IdentifierTable = nullptr;

template <>
constexpr std::array<std::string_view, 7> IdentifierTable<TPortMode>{
    "Undef_PortMode",      "NonReversible", "LoadingReversible", "DischargingReversible",
    "LoadDischReversible", "AllReversible", "AllAverage"};
template <>
constexpr std::array<std::string_view, 3> IdentifierTable<TCalcDespatch>{
    "calcUndef", "calcWorktime", "calcSavedtime"};
template <>
constexpr std::array<std::string_view, 5> IdentifierTable<TLoadUnits>{
    "load_undef", "load_units_p_day", "load_units_p_hour", "load_days", "load_hours"};
template <>
constexpr std::array<std::string_view, 3> IdentifierTable<TPortOpAction>{
    "portactionUndef", "portactionLoading", "portactionDischarging"};
template <>
constexpr std::array<std::string_view, 2> IdentifierTable<TProRataCalcMethod>{
    "prcOnQuantityForDryCargo", "prcOnTimeForTankers"};
template <>
constexpr std::array<std::string_view, 2> IdentifierTable<TDemurrateRateUnit>{"druPerDay",
                                                                              "druPerHour"};
template <>
constexpr std::array<std::string_view, 4> IdentifierTable<TRoundingMode>{"Nearest", "Down", "Up",
                                                                         "Truncate"};
template <>
constexpr std::array<std::string_view, 45> IdentifierTable<TFactCode>{
    "undef_tfact",         "full_tfact",       "rain_tfact",       "ntc_tfact",
    "sntc_tfact",          "htc_tfact",        "part_tfact",       "alwpart_tfact",
    "excl_tfact",          "wait_tfact",       "shinc_tfact",      "shpart_tfact",
    "reserved01_tfact",    "reserved02_tfact", "reserved03_tfact", "reserved04_tfact",
    "reserved05_tfact",    "reserved06_tfact", "reserved07_tfact", "reserved08_tfact",
    "reserved09_tfact",    "reserved10_tfact", "reserved11_tfact", "reserved12_tfact",
    "reserved13_tfact",    "reserved14_tfact", "reserved15_tfact", "reserved16_tfact",
    "reserved17_tfact",    "reserved18_tfact", "reserved19_tfact", "reserved20_tfact",
    "reserved21_tfact",    "reserved22_tfact", "reserved23_tfact", "reserved24_tfact",
    "reserved25_tfact",    "reserved26_tfact", "reserved27_tfact", "reserved28_tfact",
    "reserved29_tfact",    "reserved30_tfact", "CQDNormal_tfact",  "FullDetention_tfact",
    "PartDetention_Tfact",
};
static_assert(IdentifierTable<TFactCode>.size() == FactCodeCount);

template <std::size_t N>
std::string_view Entry(const std::array<std::string_view, N>& table, int value) {
  if (value < 0 || static_cast<std::size_t>(value) >= N)
    return {};
  return table[static_cast<std::size_t>(value)];
}

template <typename E> std::string_view IdentifierOf(E value) {
  return Entry(IdentifierTable<E>, static_cast<int>(value));
}

} // namespace

std::string_view ProRataCalcMethodName(int method) {
  return Entry(ProRataCalcMethodNames, method);
}
std::string_view ProRataRoundingMethodName(int method) {
  return Entry(RoundingMethodNames, method);
}
std::string_view DemurrageRateUnitName(int unit) {
  return Entry(DemurrageRateUnitNames, unit);
}
std::string_view FactCodeName(TFactCode code) {
  return Entry(FactCodeNames, static_cast<int>(code));
}

std::string_view Identifier(TPortMode value) {
  return IdentifierOf(value);
}
std::string_view Identifier(TCalcDespatch value) {
  return IdentifierOf(value);
}
std::string_view Identifier(TLoadUnits value) {
  return IdentifierOf(value);
}
std::string_view Identifier(TPortOpAction value) {
  return IdentifierOf(value);
}
std::string_view Identifier(TProRataCalcMethod value) {
  return IdentifierOf(value);
}
std::string_view Identifier(TDemurrateRateUnit value) {
  return IdentifierOf(value);
}
std::string_view Identifier(TFactCode value) {
  return IdentifierOf(value);
}
std::string_view Identifier(TRoundingMode value) {
  return IdentifierOf(value);
}

template <typename E> std::optional<E> ParseIdentifier(std::string_view text) {
  const auto& table = IdentifierTable<E>;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i] == text)
      return static_cast<E>(i);
  }
  return std::nullopt;
}

template std::optional<TPortMode> ParseIdentifier<TPortMode>(std::string_view);
template std::optional<TCalcDespatch> ParseIdentifier<TCalcDespatch>(std::string_view);
template std::optional<TLoadUnits> ParseIdentifier<TLoadUnits>(std::string_view);
template std::optional<TPortOpAction> ParseIdentifier<TPortOpAction>(std::string_view);
template std::optional<TProRataCalcMethod> ParseIdentifier<TProRataCalcMethod>(std::string_view);
template std::optional<TDemurrateRateUnit> ParseIdentifier<TDemurrateRateUnit>(std::string_view);
template std::optional<TFactCode> ParseIdentifier<TFactCode>(std::string_view);
template std::optional<TRoundingMode> ParseIdentifier<TRoundingMode>(std::string_view);

} // namespace laytime
