#include "files/SettingsHints.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

const std::string MethodLine =
    "This ZQL file was made in combination with a different Pro Rata Calculation method (Pro "
    "rata on time)\r\n";
const std::string RoundingLine =
    "This ZQL file was made in combination with a different Pro Rata Rounding method (Up)\r\n";
const std::string UnitLine =
    "This ZQL file was made in combination with a different Demurrage Rate unit (per hour)\r\n";

struct HintCase {
  const char* name;
  std::int32_t subVersion;
  TProRataCalcMethod currentMethod;
  std::string expected;
};

TEST(SettingsHintsTest, LinesForEachDifference) {
  // The file was saved on time, rounding up, per hour; the current rounding is Nearest and the
  // unit per day.
  TVoyageRec voyage;
  voyage.HintProRataCalcMethod = 1;
  voyage.HintProRataRoundingMethod = 2;
  voyage.HintDemurrageRateUnit = 1;
  const std::vector<HintCase> cases = {
      {"before hints existed", 27, TProRataCalcMethod::prcOnQuantityForDryCargo, ""},
      {"method differs", 28, TProRataCalcMethod::prcOnQuantityForDryCargo, MethodLine},
      {"rounding only matters on time", 28, TProRataCalcMethod::prcOnTimeForTankers, RoundingLine},
      {"unit from 30 on", 29, TProRataCalcMethod::prcOnTimeForTankers, RoundingLine},
      {"all three", 32, TProRataCalcMethod::prcOnQuantityForDryCargo, MethodLine + UnitLine},
      {"on time with unit", 30, TProRataCalcMethod::prcOnTimeForTankers, RoundingLine + UnitLine},
  };
  for (const HintCase& c : cases) {
    TProgramSettings settings;
    settings.ProRataCalculation = c.currentMethod;
    std::string warnings;
    EXPECT_EQ(CheckSettingsHints(voyage, c.subVersion, settings, warnings), !c.expected.empty())
        << c.name;
    EXPECT_EQ(warnings, c.expected) << c.name;
  }
}

TEST(SettingsHintsTest, MatchingHintsGiveNoLine) {
  TVoyageRec voyage;
  TProgramSettings settings;
  std::string warnings;
  EXPECT_FALSE(CheckSettingsHints(voyage, 32, settings, warnings));
  EXPECT_EQ(warnings, "");
}

TEST(SettingsHintsTest, TextsCarryTheCodesOfTheVoyageFindings) {
  EXPECT_EQ(static_cast<int>(THintDifference::ProRataCalcMethod), 23);
  EXPECT_EQ(HintDifferenceText(THintDifference::DemurrageRateUnit),
            "This ZQL file was made in combination with a different Demurrage Rate unit");
}

} // namespace
} // namespace laytime
