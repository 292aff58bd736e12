#include "core/EnumNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace laytime {
namespace {

TEST(EnumNamesTest, DisplayNames) {
  EXPECT_EQ(ProRataCalcMethodName(0), "Pro rata on cargo quantity");
  EXPECT_EQ(ProRataCalcMethodName(1), "Pro rata on time");
  EXPECT_EQ(ProRataRoundingMethodName(0), "Nearest");
  EXPECT_EQ(ProRataRoundingMethodName(1), "Down");
  EXPECT_EQ(ProRataRoundingMethodName(2), "Up");
  EXPECT_EQ(ProRataRoundingMethodName(3), "Truncate");
  EXPECT_EQ(DemurrageRateUnitName(0), "per day");
  EXPECT_EQ(DemurrageRateUnitName(1), "per hour");
  for (int outside : {-1, 2, 255})
    EXPECT_EQ(ProRataCalcMethodName(outside), "") << outside;
  for (int outside : {-1, 4, 255})
    EXPECT_EQ(ProRataRoundingMethodName(outside), "") << outside;
  for (int outside : {-1, 2, 255})
    EXPECT_EQ(DemurrageRateUnitName(outside), "") << outside;
}

TEST(EnumNamesTest, FactCodeNames) {
  struct Case {
    int code;
    const char* name;
  };
  const Case cases[] = {
      {0, ""},
      {1, "Full/Normal"},
      {2, "Rain/Bad Weather"},
      {3, "Not to count"},
      {4, "Shifting"},
      {5, "Half"},
      {6, "Partial"},
      {7, "Always partial"},
      {8, "Always excluded"},
      {9, "Waiting"},
      {10, "Full even if S/H"},
      {11, "Partial even if S/H"},
      {12, "TF err 01"},
      {20, "TF err 09"},
      {41, "TF err 30"},
      {42, "Normal"},
      {43, "Full detention"},
      {44, "Partial detention"},
      {45, ""},
      {255, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FactCodeName(static_cast<TFactCode>(c.code)), c.name) << c.code;
}

TEST(EnumNamesTest, IdentifiersAreTheEnumeratorNames) {
  EXPECT_EQ(Identifier(TPortMode::Undef_PortMode), "Undef_PortMode");
  EXPECT_EQ(Identifier(TPortMode::NonReversible), "NonReversible");
  EXPECT_EQ(Identifier(TPortMode::LoadDischReversible), "LoadDischReversible");
  EXPECT_EQ(Identifier(TPortMode::AllAverage), "AllAverage");
  EXPECT_EQ(Identifier(TCalcDespatch::calcSavedtime), "calcSavedtime");
  EXPECT_EQ(Identifier(TLoadUnits::load_units_p_day), "load_units_p_day");
  EXPECT_EQ(Identifier(TLoadUnits::load_hours), "load_hours");
  EXPECT_EQ(Identifier(TPortOpAction::portactionDischarging), "portactionDischarging");
  EXPECT_EQ(Identifier(TProRataCalcMethod::prcOnTimeForTankers), "prcOnTimeForTankers");
  EXPECT_EQ(Identifier(TDemurrateRateUnit::druPerDay), "druPerDay");
  EXPECT_EQ(Identifier(TRoundingMode::Truncate), "Truncate");
  EXPECT_EQ(Identifier(TFactCode::full_tfact), "full_tfact");
  EXPECT_EQ(Identifier(TFactCode::reserved01_tfact), "reserved01_tfact");
  EXPECT_EQ(Identifier(TFactCode::reserved30_tfact), "reserved30_tfact");
  EXPECT_EQ(Identifier(TFactCode::CQDNormal_tfact), "CQDNormal_tfact");
  EXPECT_EQ(Identifier(TFactCode::PartDetention_Tfact), "PartDetention_Tfact");
}

// Every value of the enumeration has its own identifier, which parses back to the value;
// the first value past the end has none.
template <typename E> void ExpectRoundTrip(int count) {
  std::set<std::string, std::less<>> seen;
  for (int i = 0; i < count; ++i) {
    const auto value = static_cast<E>(i);
    const std::string_view identifier = Identifier(value);
    EXPECT_FALSE(identifier.empty()) << i;
    EXPECT_TRUE(seen.emplace(identifier).second) << identifier;
    EXPECT_EQ(ParseIdentifier<E>(identifier), value) << identifier;
  }
  EXPECT_EQ(Identifier(static_cast<E>(count)), "");
  EXPECT_EQ(Identifier(static_cast<E>(255)), "");
}

TEST(EnumNamesTest, IdentifiersRoundTrip) {
  ExpectRoundTrip<TPortMode>(7);
  ExpectRoundTrip<TCalcDespatch>(3);
  ExpectRoundTrip<TLoadUnits>(5);
  ExpectRoundTrip<TPortOpAction>(3);
  ExpectRoundTrip<TProRataCalcMethod>(2);
  ExpectRoundTrip<TDemurrateRateUnit>(2);
  ExpectRoundTrip<TRoundingMode>(4);
  ExpectRoundTrip<TFactCode>(FactCodeCount);
}

TEST(EnumNamesTest, OnlyExactIdentifiersParse) {
  EXPECT_EQ(ParseIdentifier<TPortMode>("nonreversible"), std::nullopt);
  EXPECT_EQ(ParseIdentifier<TPortMode>("NonReversible "), std::nullopt);
  EXPECT_EQ(ParseIdentifier<TPortMode>(""), std::nullopt);
  EXPECT_EQ(ParseIdentifier<TPortMode>("1"), std::nullopt);
  EXPECT_EQ(ParseIdentifier<TFactCode>("PartDetention_tfact"), std::nullopt);
  EXPECT_EQ(ParseIdentifier<TLoadUnits>("calcUndef"), std::nullopt);
  EXPECT_EQ(ParseIdentifier<TRoundingMode>("nearest"), std::nullopt);
}

} // namespace
} // namespace laytime
