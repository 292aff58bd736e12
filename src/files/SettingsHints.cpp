#include "files/SettingsHints.h"

#include "core/EnumNames.h"
#include "files/FileFormat.h"

namespace laytime {

namespace {

void AddLine(std::string& warnings, THintDifference difference, std::string_view valueName) {
  warnings += HintDifferenceText(difference);
  warnings += " (";
  warnings += valueName;
  warnings += ")\r\n";
}

} // namespace

std::string_view HintDifferenceText(THintDifference difference) {
  switch (difference) {
  case THintDifference::ProRataCalcMethod:
    return "This ZQL file was made in combination with a different Pro Rata Calculation method";
  case THintDifference::ProRataRoundingMethod:
    return "This ZQL file was made in combination with a different Pro Rata Rounding method";
  case THintDifference::DemurrageRateUnit:
    return "This ZQL file was made in combination with a different Demurrage Rate unit";
  }
  return {};
}

bool CheckSettingsHints(const TVoyageRec& voyage, std::int32_t fileSubVersion,
                        const TProgramSettings& settings, std::string& warnings) {
  bool found = false;
  if (fileSubVersion >= SubVersion::ProRataHints) {
    const auto currentMethod = static_cast<std::uint8_t>(settings.ProRataCalculation);
    if (voyage.HintProRataCalcMethod != currentMethod) {
      AddLine(warnings, THintDifference::ProRataCalcMethod,
              ProRataCalcMethodName(voyage.HintProRataCalcMethod));
      found = true;
    }
    if (settings.ProRataCalculation == TProRataCalcMethod::prcOnTimeForTankers &&
        voyage.HintProRataRoundingMethod != settings.ProRataRoundingMethod) {
      AddLine(warnings, THintDifference::ProRataRoundingMethod,
              ProRataRoundingMethodName(voyage.HintProRataRoundingMethod));
      found = true;
    }
  }
  if (fileSubVersion >= SubVersion::DemurrageRateUnitHint &&
      voyage.HintDemurrageRateUnit != static_cast<std::uint8_t>(settings.DemurrageRateUnit)) {
    AddLine(warnings, THintDifference::DemurrageRateUnit,
            DemurrageRateUnitName(voyage.HintDemurrageRateUnit));
    found = true;
  }
  return found;
}

} // namespace laytime
