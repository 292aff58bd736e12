#include "model/TPortCollection.h"

#include "model/TCalculation.h"
#include "model/TTieredTimes.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace laytime {
namespace {

constexpr TDayNumber Day = 45000; // a Wednesday

/// A calculation whose only port passes every check: a loading port in non-reversible mode
/// with a rate per day, plain daily demurrage and despatch, and a three-day port time.
class PortValidation : public ::testing::Test {
protected:
  PortValidation() {
    TPortRec& p = Port();
    p.PortName = "Santos";
    p.OpLoading = true;
    p.PortLoadUnits = TLoadUnits::load_units_p_day;
    p.PortLoadRate = 5000;
    p.PortDespatchMode = TCalcDespatch::calcWorktime;
    p.PortDemurrageRate = 12000;
    p.PortDespatchRate = 6000;
    p.CargoQuantity = 20000;
    p.LayTimeCountFrom.Date = Day;
    p.LayTimeCountFrom.Time = 480;
    p.LayTimeOpCompleted.Date = Day + 3;
    p.LayTimeOpCompleted.Time = 720;
  }

  TPortRec& Port() { return Calc.Ports.GetItem(0).PortData; }

  TPortError Validate(TLongPortTime longPortTime = TLongPortTime::Warn) {
    TPortError code = TPortError::prEmptyRec;
    const bool valid = Calc.Ports.IsValidRec(0, code, longPortTime);
    EXPECT_EQ(valid, code == TPortError::prOK);
    return code;
  }

  TProgramSettings Settings;
  TCalculation Calc{Settings};
};

TEST_F(PortValidation, ValidPortPasses) {
  EXPECT_EQ(Validate(), TPortError::prOK);
}

struct TValidationCase {
  const char* Name;
  std::function<void(TPortRec&, TVoyageRec&)> Change;
  TPortError Expected;
};

void PrintTo(const TValidationCase& c, std::ostream* os) {
  *os << c.Name;
}

class PortValidationSteps : public PortValidation,
                            public ::testing::WithParamInterface<TValidationCase> {};

TEST_P(PortValidationSteps, FirstFailingStepGivesItsCode) {
  GetParam().Change(Port(), Calc.Voyage);
  EXPECT_EQ(Validate(), GetParam().Expected);
}

using P = TPortRec;
using V = TVoyageRec;
using E = TPortError;

void Reversible(V& v) {
  v.PortMode = TPortMode::AllReversible;
}

// A fixed allowance of three days, so that the quantity may stay empty.
void ThreeDaysWithoutQuantity(P& p) {
  p.PortLoadUnits = TLoadUnits::load_days;
  p.PortLoadRate = 3;
  p.CargoQuantity = EmptyReal;
}

const TValidationCase ValidationCases[] = {
    // 1, 2
    {"UndefinedClause", [](P& p, V&) { p.PortDespatchMode = TCalcDespatch::calcUndef; },
     E::prUndefDespatchMode},
    {"ClauseCheckedBeforeOperation",
     [](P& p, V&) {
       p.PortDespatchMode = TCalcDespatch::calcUndef;
       p.OpLoading = false;
     },
     E::prUndefDespatchMode},
    {"NoOperation", [](P& p, V&) { p.OpLoading = false; }, E::prOperationNotSpecified},
    {"BothOperations", [](P& p, V&) { p.OpDischarging = true; }, E::prOK},
    // 3
    {"DemurrageEmpty", [](P& p, V&) { p.PortDemurrageRate = EmptyReal; }, E::prDemurrageMissing},
    {"DemurrageZero", [](P& p, V&) { p.PortDemurrageRate = 0; }, E::prOK},
    {"DemurragePerUnitAlone", [](P& p, V&) { p.PortDemurrageRate = 2.5; }, E::prOK},
    {"DemurragePerUnitReversible",
     [](P& p, V& v) {
       p.PortDemurrageRate = 2.5;
       Reversible(v);
     },
     E::prDemurrageTooSmall},
    {"DemurragePerUnitAveraged",
     [](P& p, V& v) {
       p.PortDemurrageRate = 99.99;
       v.PortMode = TPortMode::AllAverage;
     },
     E::prDemurrageTooSmall},
    {"DemurragePerUnitDischargingGroupOfLoadingPort",
     [](P& p, V& v) {
       p.PortDemurrageRate = 2.5;
       v.PortMode = TPortMode::DischargingReversible;
     },
     E::prOK},
    {"DemurrageEmptyReversible",
     [](P& p, V& v) {
       p.PortDemurrageRate = EmptyReal;
       Reversible(v);
     },
     E::prOK},
    // 4
    {"DespatchEmpty", [](P& p, V&) { p.PortDespatchRate = EmptyReal; }, E::prDespatchMissing},
    {"DespatchEmptyButDisabled",
     [](P& p, V& v) {
       p.PortDespatchRate = EmptyReal;
       v.DespatchDisabled = true;
     },
     E::prOK},
    {"DespatchEmptyAtCQDPort",
     [](P& p, V&) {
       p.PortDespatchRate = EmptyReal;
       p.PortCalcCQD = true;
     },
     E::prOK},
    {"DespatchEmptyAtCQDPortOutsideNonReversible",
     [](P& p, V& v) {
       p.PortDespatchRate = EmptyReal;
       p.PortCalcCQD = true;
       v.PortMode = TPortMode::DischargingReversible;
     },
     E::prDespatchMissing},
    {"DespatchPerUnitReversible",
     [](P& p, V& v) {
       p.PortDespatchRate = 50;
       v.PortMode = TPortMode::LoadingReversible;
     },
     E::prDespatchTooSmall},
    {"DespatchPerUnitReversibleButDisabled",
     [](P& p, V& v) {
       p.PortDespatchRate = 50;
       v.PortMode = TPortMode::LoadingReversible;
       v.DespatchDisabled = true;
     },
     E::prOK},
    // 5
    {"CountDateMissing", [](P& p, V&) { p.LayTimeCountFrom.Date = EmptyDay; },
     E::prCountDateMissing},
    {"CountTimeMissing", [](P& p, V&) { p.LayTimeCountFrom.Time = EmptyTime; },
     E::prCountTimeMissing},
    {"CompletedDateMissing", [](P& p, V&) { p.LayTimeOpCompleted.Date = EmptyDay; },
     E::prCompletedDateMissing},
    {"CompletedTimeMissing", [](P& p, V&) { p.LayTimeOpCompleted.Time = EmptyTime; },
     E::prCompletedTimeMissing},
    // 6
    {"PortTimeOfTheLimit", [](P& p, V&) { p.LayTimeOpCompleted.Date = Day + 45; }, E::prOK},
    {"PortTimeBeyondTheLimit", [](P& p, V&) { p.LayTimeOpCompleted.Date = Day + 46; },
     E::prPortTimeTooLong},
    {"PortTimeFromThePreAdviceStart",
     [](P& p, V&) {
       p.LayTimeOpCompleted.Date = Day + 47;
       p.PreAdvDate = Day + 2;
       p.PreAdvTime = 600;
       p.PreAdvOffsDays = 0;
       p.PreAdvOffsTime = 0;
     },
     E::prOK},
    // 7
    {"UnitUndefined", [](P& p, V&) { p.PortLoadUnits = TLoadUnits::load_undef; },
     E::prPortLoadUnitsMissing},
    {"UnitUndefinedAtCQDPort",
     [](P& p, V&) {
       p.PortLoadUnits = TLoadUnits::load_undef;
       p.PortCalcCQD = true;
     },
     E::prOK},
    {"UnitUndefinedWithGroupRate",
     [](P& p, V& v) {
       p.PortLoadUnits = TLoadUnits::load_undef;
       p.PortLoadRate = EmptyReal;
       Reversible(v);
     },
     E::prOK},
    {"UnitUndefinedWithAllPurposeTime",
     [](P& p, V& v) {
       p.PortLoadUnits = TLoadUnits::load_undef;
       Reversible(v);
       v.AllPurposeAllPorts = true;
     },
     E::prOK},
    // 8
    {"RateNegative", [](P& p, V&) { p.PortLoadRate = -5; }, E::prPortLoadRateMissing},
    // An empty rate passes: the allowance then comes from the additional allowance alone.
    {"RateEmpty", [](P& p, V&) { p.PortLoadRate = EmptyReal; }, E::prOK},
    // 9
    {"QuantityEmpty", [](P& p, V&) { p.CargoQuantity = EmptyReal; }, E::prCargoQuantityMissing},
    {"QuantityNegative", [](P& p, V&) { p.CargoQuantity = -1; }, E::prCargoQuantityMissing},
    {"QuantityEmptyWithFixedDays", [](P& p, V&) { ThreeDaysWithoutQuantity(p); }, E::prOK},
    {"QuantityEmptyWithFixedHours",
     [](P& p, V&) {
       ThreeDaysWithoutQuantity(p);
       p.PortLoadUnits = TLoadUnits::load_hours;
     },
     E::prOK},
    {"QuantityEmptyWithGroupRate",
     [](P& p, V& v) {
       p.CargoQuantity = EmptyReal;
       p.PortLoadRate = EmptyReal;
       Reversible(v);
     },
     E::prOK},
    // 10, 11
    {"QuantityForDemurragePerUnit",
     [](P& p, V&) {
       ThreeDaysWithoutQuantity(p);
       p.PortDemurrageRate = 0.5;
     },
     E::prCargoQtyRequiredForDemurrage},
    {"QuantityForDemurrageInGroup",
     [](P& p, V& v) {
       ThreeDaysWithoutQuantity(p);
       v.PortMode = TPortMode::LoadingReversible;
       v.DemurrageRateLoading = 2.5;
     },
     E::prCargoQtyRequiredForDemurrage},
    {"GroupDemurragePerDay",
     [](P& p, V& v) {
       ThreeDaysWithoutQuantity(p);
       v.PortMode = TPortMode::LoadingReversible;
       v.DemurrageRateLoading = 15000;
       v.DespatchRateLoading = 7500;
     },
     E::prOK},
    {"QuantityForDespatchPerUnit",
     [](P& p, V&) {
       ThreeDaysWithoutQuantity(p);
       p.PortDespatchRate = 0.25;
     },
     E::prCargoQtyRequiredForDespatch},
    {"DespatchPerUnitAtCQDPort",
     [](P& p, V&) {
       ThreeDaysWithoutQuantity(p);
       p.PortDespatchRate = 0.25;
       p.PortCalcCQD = true;
     },
     E::prOK},
    // 12
    {"AllowanceOf400Days",
     [](P& p, V&) {
       p.CargoQuantity = 10000;
       p.PortLoadRate = 25;
     },
     E::prDischargeRateTooSmall},
    {"AllowanceOfExactlyTheLimit",
     [](P& p, V&) {
       p.PortLoadUnits = TLoadUnits::load_days;
       p.PortLoadRate = 365;
     },
     E::prDischargeRateTooSmall},
    {"AllowanceJustBelowTheLimit",
     [](P& p, V&) {
       p.PortLoadUnits = TLoadUnits::load_days;
       p.PortLoadRate = 364;
       p.PortAddAllowanceDays = 0;
       p.PortAddAllowanceTime = 1439;
     },
     E::prOK},
    {"AdditionalAllowanceCounts",
     [](P& p, V&) {
       p.PortLoadUnits = TLoadUnits::load_days;
       p.PortLoadRate = 364;
       p.PortAddAllowanceDays = 1;
     },
     E::prDischargeRateTooSmall},
    {"LongPortAllowanceUnderAllPurposeTime",
     [](P& p, V& v) {
       p.CargoQuantity = 10000;
       p.PortLoadRate = 25;
       Reversible(v);
       v.AllPurposeAllPorts = true;
     },
     E::prOK},
    {"LongAllPortsAllowance",
     [](P& p, V& v) {
       p.CargoQuantity = 10000;
       Reversible(v);
       v.AllPurposeAllPorts = true;
       v.LoadRateAllPorts = 25;
     },
     E::prDischargeRateTooSmall},
    {"LongLoadingGroupAllowance",
     [](P& p, V& v) {
       p.CargoQuantity = 10000;
       v.PortMode = TPortMode::LoadingReversible;
       v.AllPurposeLoading = true;
       v.LoadRateLoading = 25;
     },
     E::prDischargeRateTooSmall},
    {"UnitOutsideTheEnumeration", [](P& p, V&) { p.PortLoadUnits = static_cast<TLoadUnits>(9); },
     E::prPortLoadUnitsMissing},
    // 13
    {"ShexComplete",
     [](P& p, V&) {
       p.ShexStartDay = 6;
       p.ShexStartTime = 0;
       p.ShexEndDay = 1;
       p.ShexEndTime = 480;
     },
     E::prOK},
    {"ShexOnlyStartTime", [](P& p, V&) { p.ShexStartTime = 720; }, E::prShexStartDayMissing},
    {"ShexStartTimeMissing",
     [](P& p, V&) {
       p.ShexStartDay = 6;
       p.ShexEndDay = 1;
       p.ShexEndTime = 480;
     },
     E::prShexStartTimeMissing},
    {"ShexEndDayMissing",
     [](P& p, V&) {
       p.ShexStartDay = 6;
       p.ShexStartTime = 0;
       p.ShexEndTime = 480;
     },
     E::prShexEndDayMissing},
    {"ShexEndTimeMissing",
     [](P& p, V&) {
       p.ShexStartDay = 6;
       p.ShexStartTime = 0;
       p.ShexEndDay = 1;
     },
     E::prShexEndTimeMissing},
    {"ShexWhileDisabled",
     [](P& p, V& v) {
       p.ShexStartDay = 6;
       p.ShexStartTime = 0;
       p.ShexEndDay = 1;
       p.ShexEndTime = 480;
       v.ShexDisabled = true;
     },
     E::prShexDisabled},
    {"NoShexWhileDisabled", [](P&, V& v) { v.ShexDisabled = true; }, E::prOK},
    // 14
    {"TankerMinimumOfOneDay", [](P& p, V&) { p.TankerMinTimeAllowance = 1440; }, E::prOK},
    {"TankerMinimumBeyondOneDay", [](P& p, V&) { p.TankerMinTimeAllowance = 1441; },
     E::prTankerMinTimeAllowanceInvalid},
    {"TankerMinimumNegative", [](P& p, V&) { p.TankerMinTimeAllowance = -1; },
     E::prTankerMinTimeAllowanceInvalid},
    // 15
    {"PreAdviceComplete",
     [](P& p, V&) {
       p.PreAdvDate = Day - 1;
       p.PreAdvTime = 600;
       p.PreAdvOffsDays = 0;
       p.PreAdvOffsTime = 360;
     },
     E::prOK},
    {"PreAdviceOnlyDate", [](P& p, V&) { p.PreAdvDate = Day - 1; }, E::prPreAdvOffsDaysInvalid},
    {"PreAdviceWithoutDate",
     [](P& p, V&) {
       p.PreAdvTime = 600;
       p.PreAdvOffsDays = 0;
       p.PreAdvOffsTime = 360;
     },
     E::prPreAdvDateInvalid},
    {"PreAdviceTimeBeyondTheDay",
     [](P& p, V&) {
       p.PreAdvDate = Day - 1;
       p.PreAdvTime = 1441;
       p.PreAdvOffsDays = 0;
       p.PreAdvOffsTime = 360;
     },
     E::prPreAdvTimeInvalid},
    {"PreAdviceOffsetTimeMissing",
     [](P& p, V&) {
       p.PreAdvDate = Day - 1;
       p.PreAdvTime = 600;
       p.PreAdvOffsDays = 0;
     },
     E::prPreAdvOffsTimeInvalid},
    {"PreAdviceOffsetOf1000Days",
     [](P& p, V&) {
       p.PreAdvDate = Day - 1;
       p.PreAdvTime = 600;
       p.PreAdvOffsDays = 1000;
       p.PreAdvOffsTime = 0;
     },
     E::prPreAdvOffsDaysInvalid},
};

INSTANTIATE_TEST_SUITE_P(Steps, PortValidationSteps, ::testing::ValuesIn(ValidationCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(PortValidation, AcceptedLongPortTimeIsNotReported) {
  Port().LayTimeOpCompleted.Date = Day + 46;
  EXPECT_EQ(Validate(TLongPortTime::Accept), TPortError::prOK);
}

TEST_F(PortValidation, PortTimeLimitComesFromTheTemplate) {
  Calc.TemplateSettings.PortTimeLimitDays = 2;
  EXPECT_EQ(Validate(), TPortError::prPortTimeTooLong);
}

TEST_F(PortValidation, LaytimeLimitComesFromTheTemplate) {
  Calc.TemplateSettings.LaytimeLimitDays = 4;
  EXPECT_EQ(Validate(), TPortError::prDischargeRateTooSmall); // 20000 at 5000 per day: 4 days
}

// A fixed allowance of 3 days with a demurrage rate of 0.5 (a rate per cargo unit) and no quantity.
TEST_F(PortValidation, DemurragePerCargoUnitNeedsTheQuantity) {
  ThreeDaysWithoutQuantity(Port());
  Port().PortDemurrageRate = 0.5;
  EXPECT_EQ(Validate(), TPortError::prCargoQtyRequiredForDemurrage);

  Calc.Voyage.PortMode = TPortMode::AllReversible;
  EXPECT_EQ(Validate(), TPortError::prDemurrageTooSmall);
  EXPECT_TRUE(IsPortErrorWarning(Validate()));

  Calc.Voyage.PortMode = TPortMode::NonReversible;
  Port().PortLoadUnits = TLoadUnits::load_units_p_day;
  EXPECT_EQ(Validate(), TPortError::prCargoQuantityMissing);
}

TEST_F(PortValidation, AllRecsValidStopsAtTheFirstInvalidPort) {
  Calc.Ports.Add().PortData = Port();
  Calc.Ports.Add();
  int errPort = 99;
  TPortError code = TPortError::prOK;
  EXPECT_FALSE(Calc.Ports.AllRecsValid(errPort, code));
  EXPECT_EQ(errPort, 2);
  EXPECT_EQ(code, TPortError::prUndefDespatchMode);

  Calc.Ports.Delete(2);
  EXPECT_TRUE(Calc.Ports.AllRecsValid(errPort, code));
  EXPECT_EQ(errPort, -1);
  EXPECT_EQ(code, TPortError::prOK);
}

TEST_F(PortValidation, IndexOutsideTheCollectionIsAProgrammingError) {
  TPortError code = TPortError::prOK;
  EXPECT_THROW(Calc.Ports.IsValidRec(1, code), std::out_of_range);
  EXPECT_THROW(Calc.Ports.GetItem(-1), std::out_of_range);
  EXPECT_THROW(Calc.Ports.Insert(2), std::out_of_range);
  EXPECT_FALSE(Calc.Ports.CalculateCQD(5));
}

struct TMessageCase {
  TPortError Code;
  const char* Message;
  bool Warning;
};

TEST(PortErrorTest, MessagesAndWarnings) {
  const TMessageCase cases[] = {
      {TPortError::prOK, "OK", false},
      {TPortError::prEmptyRec, "Port description is empty", false},
      {TPortError::prShexStartDayMissing, "SHEX description incomplete or invalid", false},
      {TPortError::prShexStartTimeMissing, "SHEX description incomplete or invalid", false},
      {TPortError::prShexEndDayMissing, "SHEX description incomplete or invalid", false},
      {TPortError::prShexEndTimeMissing, "SHEX description incomplete or invalid", false},
      {TPortError::prShexDisabled,
       "A SHEX period is specified although Shex is currently disabled. Check configuration.",
       false},
      {TPortError::prDischargeRateTooSmall,
       "Loading/Discharging rate too small. Please note: this entry has usual three "
       "decimals.\rExample: five thousand is shown as 5,000.000 and 5.000 is five only.",
       false},
      {TPortError::prCargoQtyRequiredForDespatch,
       "Cargo quantity for this port required to calculate despatch rate", false},
      {TPortError::prCargoQtyRequiredForDemurrage,
       "Cargo quantity for this port required to calculate demurrage rate", false},
      {TPortError::prCargoQuantityMissing,
       "Cargo quantity for this port missing or possibly invalid Loading/Discharging rate "
       "definition",
       false},
      {TPortError::prPortLoadRateMissing, "Loading rate rsp. time allowed for this port missing",
       false},
      {TPortError::prPortLoadUnitsMissing,
       "Select unit specification for load rate rsp. time allowed", false},
      {TPortError::prPortTimeTooLong, "Possibly invalid end date (port time too long)", true},
      {TPortError::prCountDateMissing,
       "Date at which lay time counting begins is required to calculate", false},
      {TPortError::prCountTimeMissing,
       "Time at which lay time counting begins is required to calculate", false},
      {TPortError::prCompletedDateMissing,
       "Date at which lay time counting ends is required to calculate", false},
      {TPortError::prCompletedTimeMissing,
       "Time at which lay time counting ends is required to calculate", false},
      {TPortError::prOperationNotSpecified, "Port operation (loading/discharging) not specified",
       false},
      {TPortError::prDemurrageMissing, "Demurrage rate missing", false},
      {TPortError::prDespatchMissing, "Despatch rate missing", false},
      {TPortError::prDemurrageTooSmall,
       "Demurrage rate too small, please enter a valid rate per day.", true},
      {TPortError::prDespatchTooSmall, "Despatch rate too small, please enter a valid rate per day",
       true},
      {TPortError::prDespatchDisabled,
       "A despatch rate is specified but will be ignored because despatch calculation is "
       "disabled. Check configuration.",
       true},
      {TPortError::prUndefDespatchMode, "No \"saved time\" clause selected", false},
      {TPortError::prUndefPortMode, "Calculation mode undefined.", false},
      {TPortError::prPreAdvDateInvalid, "Pre advise date is missing or invalid", false},
      {TPortError::prPreAdvTimeInvalid, "Pre advise time is missing or invalid", false},
      {TPortError::prPreAdvOffsTimeInvalid, "Pre advise offset time is missing or invalid", false},
      {TPortError::prPreAdvOffsDaysInvalid, "Pre advise offset days missing or invalid", false},
      {TPortError::prTankerMinTimeAllowanceInvalid,
       "Tanker minimun time allowed is missing or invalid", false},
  };
  for (const TMessageCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Code));
    EXPECT_EQ(PortErrorMessage(c.Code), c.Message);
    EXPECT_EQ(IsPortErrorWarning(c.Code), c.Warning);
  }
}

struct TStartCase {
  const char* Name;
  TDayNumber PreAdvDate;
  TMinuteOfDay PreAdvTime;
  std::int32_t OffsDays;
  std::int16_t OffsTime;
  TDayTime Expected;
};

TEST(EffectiveCountStartTest, LaterOfCountFromAndPreAdvice) {
  const TStartCase cases[] = {
      {"OffsetOfSixHours", Day, 480, 0, 360, {Day, 840}},
      {"OffsetCarriesIntoTheNextDay", Day, 480, 0, 1380, {Day + 1, 420}},
      {"OffsetDays", Day - 1, 480, 1, 360, {Day, 840}},
      {"PreAdviceEndsBeforeCountFrom", Day, 480, 0, 60, {Day, 600}},
      {"PreAdviceEndsAtCountFrom", Day, 480, 0, 120, {Day, 600}},
      {"PreAdviceIncomplete", Day, 480, 0, EmptyTime, {Day, 600}},
      {"PreAdviceWithoutDate", EmptyDay, 480, 0, 360, {Day, 600}},
      {"NegativeOffsetDays", Day, 480, -1, 1380, {Day, 600}},
  };
  for (const TStartCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TPortRec port;
    port.LayTimeCountFrom.Date = Day;
    port.LayTimeCountFrom.Time = 600;
    port.PreAdvDate = c.PreAdvDate;
    port.PreAdvTime = c.PreAdvTime;
    port.PreAdvOffsDays = c.OffsDays;
    port.PreAdvOffsTime = c.OffsTime;
    EXPECT_EQ(EffectiveCountStart(port), c.Expected);
  }
}

TEST(EffectiveCountStartTest, CountFromWithoutTimeIsTakenAsEntered) {
  TPortRec port;
  port.LayTimeCountFrom.Date = Day;
  port.PreAdvDate = Day;
  port.PreAdvTime = 480;
  port.PreAdvOffsDays = 0;
  port.PreAdvOffsTime = 360;
  EXPECT_EQ(EffectiveCountStart(port), (TDayTime{Day, EmptyTime}));
}

class PortCollectionTest : public ::testing::Test {
protected:
  TProgramSettings Settings;
  TCalculation Calc{Settings};
};

TEST_F(PortCollectionTest, NewCollectionHoldsOneEmptyPort) {
  Calc.DefaultInfoEntries.Add().FDateTimeInfoRec.Text = "Notice of readiness tendered";
  TPortCollection ports(Calc);
  ASSERT_EQ(ports.Count(), 1);
  EXPECT_EQ(ports.GetItem(0).PortInfoCollection.Count(), 1);
  EXPECT_TRUE(ports.IsEmptyRec(0));
}

TEST_F(PortCollectionTest, EmptyRecLooksAtTheEnteredFields) {
  const std::function<void(TPortItem&)> changes[] = {
      [](TPortItem& i) { i.PortData.PortName = "Paranagua"; },
      [](TPortItem& i) { i.PortData.CargoName = "Soya beans"; },
      [](TPortItem& i) { i.PortData.CargoQuantity = 0; },
      [](TPortItem& i) { i.PortData.LayTimeCountFrom.Date = Day; },
      [](TPortItem& i) { i.PortData.LayTimeOpCompleted.Date = Day; },
      [](TPortItem& i) { i.PortData.ShexStartDay = 6; },
      [](TPortItem& i) { i.PortData.ShexEndDay = 1; },
      [](TPortItem& i) { i.PortData.PreAdvDate = Day; },
      [](TPortItem& i) { i.PortData.TankerMinTimeAllowance = 360; },
      [](TPortItem& i) { i.PortInfoCollection.Add().FDateTimeInfoRec.Date = Day; },
  };
  for (std::size_t k = 0; k < std::size(changes); ++k) {
    SCOPED_TRACE(k);
    TPortItem& item = Calc.Ports.GetItem(0);
    item.ClearData();
    item.PortInfoCollection.Clear();
    EXPECT_TRUE(Calc.Ports.IsEmptyRec(0));
    changes[k](item);
    EXPECT_FALSE(Calc.Ports.IsEmptyRec(0));
  }

  TPortItem& item = Calc.Ports.GetItem(0);
  item.ClearData();
  item.PortData.PortName = "  \t";
  item.PortData.TankerMinTimeAllowance = 0;
  item.PortData.PortLoadRate = 5000; // not among the fields that make a port entered
  item.PortInfoCollection.Add().FDateTimeInfoRec.Text = "Berthed";
  EXPECT_TRUE(Calc.Ports.IsEmptyRec(0));
}

TEST_F(PortCollectionTest, FirstLoadingAndDischargingPort) {
  EXPECT_EQ(Calc.Ports.GetFirstLoadPortIdx(), -1);
  EXPECT_EQ(Calc.Ports.GetFirstDiscPortIdx(), -1);
  Calc.Ports.Add().PortData.OpDischarging = true;
  Calc.Ports.Add().PortData.OpLoading = true;
  Calc.Ports.GetItem(2).PortData.OpDischarging = true;
  EXPECT_EQ(Calc.Ports.GetFirstLoadPortIdx(), 2);
  EXPECT_EQ(Calc.Ports.GetFirstDiscPortIdx(), 1);
}

TEST_F(PortCollectionTest, CQDOnlyInNonReversibleMode) {
  Calc.Ports.GetItem(0).PortData.PortCalcCQD = true;
  Calc.Voyage.PortMode = TPortMode::NonReversible;
  EXPECT_TRUE(Calc.Ports.CalculateCQD(0));
  Calc.Voyage.PortMode = TPortMode::AllReversible;
  EXPECT_FALSE(Calc.Ports.CalculateCQD(0));
  EXPECT_FALSE(Calc.Ports.CalculateCQD(-1));
}

TEST_F(PortCollectionTest, TotalCargoNeedsOneCargoUnit) {
  TPortRec& first = Calc.Ports.GetItem(0).PortData;
  first.OpLoading = true;
  first.CargoQuantity = 12000;
  first.CargoUnits = "mts";
  TPortRec& second = Calc.Ports.Add().PortData;
  second.OpLoading = true;
  second.CargoQuantity = 8000;
  second.CargoUnits = "MTS ";
  TPortRec& third = Calc.Ports.Add().PortData;
  third.OpDischarging = true;
  third.CargoQuantity = EmptyReal;
  third.CargoUnits = "cbm";

  EXPECT_EQ(Calc.Ports.GetTotalCargo(TPortOperations::Loading), 20000.0);
  EXPECT_EQ(Calc.Ports.GetTotalCargo(TPortOperations::Discharging), 0.0);
  EXPECT_EQ(Calc.Ports.GetTotalCargo(TPortOperations::Both), EmptyReal);
  second.CargoUnits = "cbm";
  EXPECT_EQ(Calc.Ports.GetTotalCargo(TPortOperations::Loading), EmptyReal);
}

TEST_F(PortCollectionTest, ClearDataTakesTheTemplateDefaults) {
  Calc.TemplateSettings.LaytimeCommencesTexts = {"NOR tendered + 6 hours", "Berthed"};
  Calc.TemplateSettings.LaytimeCompletedTexts = {"Loading completed"};
  Calc.DefaultInfoEntries.Add().FDateTimeInfoRec.Text = "Arrived";
  Calc.DefaultInfoEntries.Add().FDateTimeInfoRec.Text = "Hoses off";

  TPortItem& item = Calc.Ports.GetItem(0);
  TPortRec& p = item.PortData;
  p.PortName = "Kandla";
  p.PortDemurrageRate = 9000;
  p.ShexOption = 2;
  p.UseTieredDemurrage = true;
  p.TimeUsed = 300;
  item.SoFCollection.Add().SetUntilDate(Day);
  item.SoFResultCollection.Add();
  item.TieredDemurrageRates.Add().Rate = 14000;
  const auto oldTimes = p.TieredTimes;

  item.ClearData();
  EXPECT_EQ(p.PortName, "");
  EXPECT_EQ(p.CargoUnits, "mts");
  EXPECT_EQ(p.PortDemurrageRate, EmptyReal);
  EXPECT_EQ(p.LayTimeCountFrom, (TDateTimeInfoRec{EmptyDay, EmptyTime, "NOR tendered + 6 hours"}));
  EXPECT_EQ(p.LayTimeOpCompleted, (TDateTimeInfoRec{EmptyDay, EmptyTime, "Loading completed"}));
  EXPECT_EQ(p.ShexOption, 2);
  EXPECT_TRUE(p.UseTieredDemurrage);
  EXPECT_EQ(p.TimeUsed, 0);
  ASSERT_NE(p.TieredTimes, nullptr);
  EXPECT_NE(p.TieredTimes, oldTimes);
  EXPECT_EQ(item.SoFCollection.Count(), 0);
  EXPECT_EQ(item.SoFResultCollection.Count(), 0);
  ASSERT_EQ(item.PortInfoCollection.Count(), 2);
  EXPECT_EQ(item.PortInfoCollection.GetItem(1).FDateTimeInfoRec.Text, "Hoses off");
  ASSERT_EQ(item.TieredDemurrageRates.GetCount(), 1);
  EXPECT_EQ(item.TieredDemurrageRates.GetItem(0).Rate, EmptyReal);
}

TEST_F(PortCollectionTest, ClearDataWithEmptyTextListsLeavesTextsEmpty) {
  TPortRec& p = Calc.Ports.GetItem(0).PortData;
  p.LayTimeCountFrom.Text = "old";
  Calc.Ports.GetItem(0).ClearData();
  EXPECT_EQ(p.LayTimeCountFrom.Text, "");
  EXPECT_EQ(p.LayTimeOpCompleted.Text, "");
}

TEST_F(PortCollectionTest, AssignCopiesEverythingButTheTiers) {
  TPortItem& source = Calc.Ports.GetItem(0);
  source.PortData.PortName = "Tubarao";
  source.PortData.TimeUsed = 4000;
  source.PortData.TieredTimes->AddToTier(0, 1440);
  source.SoFCollection.Add().SetRemark("Waiting for berth");
  source.SoFResultCollection.Add().SetResMinsToCount(75);
  source.PortInfoCollection.Add().FDateTimeInfoRec = {Day, 600, "Berthed"};
  source.TieredDemurrageRates.Add().Rate = 20000;

  TPortItem& target = Calc.Ports.Add();
  Calc.Ports.SetItem(1, source);
  EXPECT_EQ(target.PortData.PortName, "Tubarao");
  EXPECT_EQ(target.PortData.TimeUsed, 4000);
  ASSERT_EQ(target.SoFCollection.Count(), 1);
  EXPECT_EQ(target.SoFCollection.GetItem(0).Remark(), "Waiting for berth");
  ASSERT_EQ(target.SoFResultCollection.Count(), 1);
  EXPECT_EQ(target.SoFResultCollection.GetItem(0).ResMinsToCount(), 75);
  ASSERT_EQ(target.PortInfoCollection.Count(), 1);
  EXPECT_EQ(target.PortInfoCollection.GetItem(0).FDateTimeInfoRec.Text, "Berthed");
  EXPECT_EQ(target.TieredDemurrageRates.GetCount(), 1);

  // The allocation is copied, not shared: pricing the copy leaves the original alone.
  ASSERT_NE(target.PortData.TieredTimes, source.PortData.TieredTimes);
  EXPECT_EQ(target.PortData.TieredTimes->GetMinutesAllocatedToTier(0), 1440);
  target.PortData.TieredTimes->Clear();
  EXPECT_EQ(source.PortData.TieredTimes->GetMinutesAllocatedToTier(0), 1440);
}

TEST_F(PortCollectionTest, ItemsKeepTheirAddressWhenPortsAreInserted) {
  TPortItem& first = Calc.Ports.GetItem(0);
  Calc.Ports.Insert(0).PortData.PortName = "new first";
  EXPECT_EQ(&Calc.Ports.GetItem(1), &first);
  EXPECT_EQ(Calc.Ports.GetItem(0).PortData.PortName, "new first");
}

} // namespace
} // namespace laytime
