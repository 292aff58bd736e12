#include "model/TSoFCollection.h"

#include "model/TCalculation.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace laytime {
namespace {

constexpr TDayNumber Day = 45000;

struct TLineData {
  TDayNumber UntilDate;
  TMinuteOfDay UntilTime;
  TFactCode Condition = TFactCode::full_tfact;
  double Pct = 100.0;
  const char* Display = "100.00";
};

/// A port whose laytime counts from 10:00 on Day, and its statement of facts.
class SoFTest : public ::testing::Test {
protected:
  SoFTest() {
    Port().LayTimeCountFrom = {Day, 600, "NOR tendered"};
    Port().LayTimeOpCompleted = {Day + 2, 720, "Completed"};
  }

  TPortRec& Port() { return Calc.Ports.GetItem(0).PortData; }
  TSoFCollection& SoF() { return Calc.Ports.GetItem(0).SoFCollection; }

  TSoFLine& AddLine(const TLineData& d) {
    TSoFLine& line = SoF().Add();
    line.SetUntilDate(d.UntilDate);
    line.SetUntilTime(d.UntilTime);
    line.SetCondition(d.Condition);
    line.SetPct(d.Pct);
    line.SetPctDisplayString(d.Display);
    return line;
  }

  TSoFError Check(int index, TConditionSet set = TConditionSet::Laytime) {
    return SoF().IsValidRec(index, set);
  }

  TProgramSettings Settings;
  TCalculation Calc{Settings};
};

TEST_F(SoFTest, OneEmptyLineIsAnEmptyValidStatement) {
  EXPECT_TRUE(SoF().IsEmptySoF());
  SoF().Add().SetRemark("a remark does not make a line");
  EXPECT_TRUE(SoF().IsEmptySoF());
  int errLine = 7;
  TSoFError code = TSoFError::sofrPctInvalid;
  EXPECT_TRUE(SoF().AllRecsValid(errLine, code, TConditionSet::Laytime));
  EXPECT_EQ(errLine, -1);
  EXPECT_EQ(code, TSoFError::sofrOK);
}

TEST_F(SoFTest, EmptyLineBeforeAFilledLineIsMissingItsDate) {
  SoF().Add();
  AddLine({Day, 1200});
  EXPECT_FALSE(SoF().IsEmptySoF());
  int errLine = -1;
  TSoFError code = TSoFError::sofrOK;
  EXPECT_FALSE(SoF().AllRecsValid(errLine, code, TConditionSet::Laytime));
  EXPECT_EQ(errLine, 0);
  EXPECT_EQ(code, TSoFError::sofrUntilDateMissing);
}

TEST_F(SoFTest, LinesStartWhereThePreviousEnds) {
  AddLine({Day, 1200});
  AddLine({Day + 1, 60});
  SoF().Add();
  EXPECT_EQ(SoF().GetItem(0).GetFrom(), (TDayTime{Day, 600}));
  EXPECT_EQ(SoF().GetItem(1).GetFromDate(), Day);
  EXPECT_EQ(SoF().GetItem(1).GetFromTime(), 1200);
  EXPECT_EQ(SoF().GetItem(2).GetFrom(), (TDayTime{Day + 1, 60}));

  // Inserting a line moves the start of the line after it.
  TSoFLine& inserted = SoF().Insert(1);
  inserted.SetUntilDate(Day);
  inserted.SetUntilTime(1320);
  EXPECT_EQ(SoF().GetItem(2).GetFrom(), (TDayTime{Day, 1320}));
  EXPECT_EQ(SoF().GetItem(2).Index(), 2);
}

TEST_F(SoFTest, FirstLineStartsAtTheEffectiveStart) {
  Port().PreAdvDate = Day;
  Port().PreAdvTime = 480;
  Port().PreAdvOffsDays = 0;
  Port().PreAdvOffsTime = 360;
  AddLine({Day, 1200});
  EXPECT_EQ(SoF().GetItem(0).GetFrom(), (TDayTime{Day, 840}));
}

TEST_F(SoFTest, LineBeforeLaytimeHasNoStartAndIsValid) {
  AddLine({Day, 480, TFactCode::wait_tfact});
  AddLine({Day, 1200});
  EXPECT_EQ(SoF().GetItem(0).GetFrom(), (TDayTime{EmptyDay, EmptyTime}));
  EXPECT_EQ(SoF().GetItem(1).GetFrom(), (TDayTime{Day, 480}));
  EXPECT_EQ(Check(0), TSoFError::sofrOK);
  EXPECT_EQ(Check(1), TSoFError::sofrOK);
}

// A first line that ends exactly when laytime commences is time before laytime, not a
// period of no length that is out of sequence.
TEST_F(SoFTest, FirstLineEndingAtTheStartHasNoStart) {
  AddLine({Day, 600, TFactCode::wait_tfact});
  EXPECT_EQ(SoF().GetItem(0).GetFrom(), (TDayTime{EmptyDay, EmptyTime}));
  EXPECT_EQ(Check(0), TSoFError::sofrOK);
}

TEST_F(SoFTest, FirstLineEndingAt2400BeforeAMidnightStartHasNoStart) {
  Port().LayTimeCountFrom.Time = 0;
  AddLine({Day - 1, 1440, TFactCode::wait_tfact});
  EXPECT_EQ(SoF().GetItem(0).GetFrom(), (TDayTime{EmptyDay, EmptyTime}));
  EXPECT_EQ(Check(0), TSoFError::sofrOK);
}

TEST_F(SoFTest, LineWithoutStartStillNeedsItsFields) {
  AddLine({Day, 480, TFactCode::undef_tfact, EmptyReal, ""});
  SoF().Add();
  EXPECT_EQ(Check(0), TSoFError::sofrConditionMissing);
}

struct TLineCase {
  const char* Name;
  TLineData Line;
  TConditionSet Set;
  TSoFError Expected;
};

void PrintTo(const TLineCase& c, std::ostream* os) {
  *os << c.Name;
}

class SoFLineRules : public SoFTest, public ::testing::WithParamInterface<TLineCase> {};

// The line under test is the second one; the first ends at 23:00 on Day.
TEST_P(SoFLineRules, FirstFailingRuleGivesItsCode) {
  AddLine({Day, 1380});
  AddLine(GetParam().Line);
  SoF().Add();
  EXPECT_EQ(Check(1, GetParam().Set), GetParam().Expected);
}

using F = TFactCode;
using S = TSoFError;
constexpr TConditionSet Laytime = TConditionSet::Laytime;
constexpr TConditionSet CQD = TConditionSet::CQD;

const TLineCase LineCases[] = {
    {"OverMidnight", {Day + 1, 60}, Laytime, S::sofrOK},
    {"UntilDateMissing", {EmptyDay, 60}, Laytime, S::sofrUntilDateMissing},
    {"UntilTimeMissing", {Day + 1, EmptyTime}, Laytime, S::sofrUntilTimeMissing},
    {"ConditionMissing", {Day + 1, 60, F::undef_tfact}, Laytime, S::sofrConditionMissing},
    {"CQDConditionOnOrdinaryPort",
     {Day + 1, 60, F::CQDNormal_tfact},
     Laytime,
     S::sofrConditionInvalid},
    {"OrdinaryConditionOnCQDPort", {Day + 1, 60, F::full_tfact}, CQD, S::sofrConditionInvalid},
    {"CQDConditionOnCQDPort", {Day + 1, 60, F::PartDetention_Tfact, 40, "40.00"}, CQD, S::sofrOK},
    {"LastOrdinaryCondition", {Day + 1, 60, F::shpart_tfact, 40, "40.00"}, Laytime, S::sofrOK},
    {"ReservedCondition", {Day + 1, 60, F::reserved01_tfact}, Laytime, S::sofrConditionInvalid},
    {"ReservedConditionOnCQDPort",
     {Day + 1, 60, F::reserved30_tfact},
     CQD,
     S::sofrConditionInvalid},
    {"DisplayStringEmpty", {Day + 1, 60, F::full_tfact, 100, ""}, Laytime, S::sofrPctMissing},
    {"PctEmpty", {Day + 1, 60, F::part_tfact, EmptyReal, "x"}, Laytime, S::sofrPctInvalid},
    {"PctAbove100", {Day + 1, 60, F::part_tfact, 100.5, "100.50"}, Laytime, S::sofrPctInvalid},
    {"PctZero", {Day + 1, 60, F::ntc_tfact, 0, "0.00"}, Laytime, S::sofrOK},
    {"UntilDateBeforeFrom", {Day - 1, 1400}, Laytime, S::sofrUntilDateInvalid},
    {"UntilTimeAtFrom", {Day, 1380}, Laytime, S::sofrUntilTimeInvalid},
    {"UntilTimeBeforeFrom", {Day, 1200}, Laytime, S::sofrUntilTimeInvalid},
    {"UntilTimeAt2400", {Day, 1440}, Laytime, S::sofrOK},
    {"LaterDayWhateverTheTime", {Day + 1, 0}, Laytime, S::sofrOK},
};

INSTANTIATE_TEST_SUITE_P(Rules, SoFLineRules, ::testing::ValuesIn(LineCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SoFTest, PeriodOfNoLengthOnTheSameDayFails) {
  AddLine({Day, 1200});
  AddLine({Day, 1200});
  EXPECT_EQ(Check(1), TSoFError::sofrUntilTimeInvalid);
}

TEST_F(SoFTest, CollectionWithoutPortGivesTheFirstLineNoStart) {
  TSoFCollection standalone;
  standalone.Add().SetUntilDate(Day);
  EXPECT_EQ(standalone.GetItem(0).GetFrom(), (TDayTime{EmptyDay, EmptyTime}));
}

TEST_F(SoFTest, SettersNotifyOnlyRealChanges) {
  int changes = 0;
  SoF().OnChange = [&changes] { ++changes; };
  TSoFLine& line = SoF().Add();
  line.SetUntilDate(Day);
  line.SetUntilDate(Day);
  line.SetRemark("Rain");
  line.SetRemark("Rain");
  line.SetPct(EmptyReal);
  line.SetCondition(TFactCode::rain_tfact);
  EXPECT_EQ(changes, 3);
}

TEST_F(SoFTest, RemarkIsCutTo255Windows1252Bytes) {
  TSoFLine& line = SoF().Add();
  line.SetRemark(std::string(300, 'a'));
  EXPECT_EQ(line.Remark(), std::string(255, 'a'));

  // "é" takes two bytes in memory but one in the file: 255 of them fit.
  std::string accents;
  for (int i = 0; i < 300; ++i)
    accents += "\xC3\xA9";
  line.SetRemark(accents);
  EXPECT_EQ(line.Remark().size(), 510u);
  EXPECT_EQ(line.Remark(), accents.substr(0, 510));

  // A character the file cannot hold becomes '?'.
  line.SetPctDisplayString("50 \xE2\x9C\x93");
  EXPECT_EQ(line.PctDisplayString(), "50 ?");
  line.SetRemark("Arrived \xE2\x82\xAC"); // the euro sign is in Windows-1252
  EXPECT_EQ(line.Remark(), "Arrived \xE2\x82\xAC");
  // The marker of the lines the calculation inserts (U+00FF U+0001 U+00FF) is kept.
  line.SetRemark("\xC3\xBF\x01\xC3\xBF"
                 "Begin of laytime calculation");
  EXPECT_EQ(line.Remark(), "\xC3\xBF\x01\xC3\xBF"
                           "Begin of laytime calculation");
}

TEST_F(SoFTest, AssignCopiesTheLineButNotTheCountedMinutes) {
  TSoFLine& source = AddLine({Day, 900, TFactCode::part_tfact, 25, "25.00"});
  source.SetRemark("Rain showers");
  source.SetResMinsToCount(60);
  TSoFLine& target = SoF().Add();
  SoF().SetItem(1, source);
  EXPECT_EQ(target.UntilDate(), Day);
  EXPECT_EQ(target.UntilTime(), 900);
  EXPECT_EQ(target.Condition(), TFactCode::part_tfact);
  EXPECT_EQ(target.Pct(), 25);
  EXPECT_EQ(target.PctDisplayString(), "25.00");
  EXPECT_EQ(target.Remark(), "Rain showers");
  EXPECT_EQ(target.ResMinsToCount(), 0);
}

TEST_F(SoFTest, ClearResetsTheGridNumbers) {
  SoF().Add();
  SoF().TopRow = 3;
  SoF().RowLimit = 9;
  SoF().ActiveRow = 4;
  SoF().ActiveCol = 5;
  SoF().Clear();
  EXPECT_EQ(SoF().Count(), 0);
  EXPECT_EQ(SoF().TopRow, 0);
  EXPECT_EQ(SoF().RowLimit, 0);
  EXPECT_EQ(SoF().ActiveRow, 0);
  EXPECT_EQ(SoF().ActiveCol, 0);
}

TEST_F(SoFTest, IndexOutsideTheCollectionIsAProgrammingError) {
  EXPECT_THROW(SoF().GetItem(0), std::out_of_range);
  EXPECT_THROW(SoF().IsValidRec(0, TConditionSet::Laytime), std::out_of_range);
  EXPECT_THROW(SoF().Delete(0), std::out_of_range);
}

TEST(SoFErrorTest, Messages) {
  const std::pair<TSoFError, const char*> cases[] = {
      {TSoFError::sofrOK, "OK"},
      {TSoFError::sofrEmptyRec, "line is empty"},
      {TSoFError::sofrFromDateMissing, "From-Date is missing"},
      {TSoFError::sofrFromTimeMissing, "From-Time is missing"},
      {TSoFError::sofrUntilDateMissing, "Until-Date is missing"},
      {TSoFError::sofrUntilTimeMissing, "Until-Time is missing"},
      {TSoFError::sofrConditionMissing,
       "Condition is missing. Please specify how this period is to count"},
      {TSoFError::sofrPctMissing, "Percent of time to count is missing. For this condition you "
                                  "must specify the precentage of time to count."},
      {TSoFError::sofrFromDateInvalid,
       "From-Date in not in ascending sequence.\r\n\r\nDate and time must be in chronological "
       "order with the previous and next entry."},
      {TSoFError::sofrFromTimeInvalid,
       "From-Time in not in ascending sequence.\r\n\r\nDate and time must be in chronological "
       "order with the previous and next entry."},
      {TSoFError::sofrUntilDateInvalid,
       "Until-Date in not in ascending sequence.\r\n\r\nDate and time must be in chronological "
       "order with the previous and next entry."},
      {TSoFError::sofrUntilTimeInvalid,
       "Until-Time in not in ascending sequence.\r\n\r\nDate and time must be in chronological "
       "order with the previous and next entry."},
      {TSoFError::sofrConditionInvalid, "Condition is invalid for this port"},
      {TSoFError::sofrPctInvalid, "Value for Pct to count is invalid. Valid range is 0%..100% or "
                                  "a result of 0..1 if a math expression like 3/4 is used"},
  };
  for (const auto& [code, message] : cases)
    EXPECT_EQ(SoFErrorMessage(code), message) << static_cast<int>(code);
}

struct TDefaultsCase {
  TFactCode Condition;
  double PctBefore;
  double Pct;
  const char* Display;
};

class ConditionDefaults : public SoFTest {
protected:
  ConditionDefaults() { Settings.PctDecimals = 3; }
  TFormatContext Context{IsoLocale()};
};

TEST_F(ConditionDefaults, PercentageAndDisplayStringFollowTheCondition) {
  const TDefaultsCase cases[] = {
      {TFactCode::full_tfact, 20, 100, "100.000"},
      {TFactCode::wait_tfact, 20, 100, "100.000"},
      {TFactCode::shinc_tfact, 20, 100, "100.000"},
      {TFactCode::FullDetention_tfact, 20, 100, "100.000"},
      {TFactCode::rain_tfact, 20, 0, "0.000"},
      {TFactCode::ntc_tfact, 20, 0, "0.000"},
      {TFactCode::sntc_tfact, 20, 0, "0.000"},
      {TFactCode::excl_tfact, 20, 0, "0.000"},
      {TFactCode::CQDNormal_tfact, 20, 0, "0.000"},
      {TFactCode::htc_tfact, 20, 50, "50.000"},
      {TFactCode::part_tfact, 37.5, 37.5, "37.500"},
      {TFactCode::alwpart_tfact, 20, 20, "20.000"},
      {TFactCode::shpart_tfact, EmptyReal, EmptyReal, ""},
      {TFactCode::PartDetention_Tfact, 75, 75, "75.000"},
      {TFactCode::undef_tfact, 20, EmptyReal, ""},
      {TFactCode::reserved05_tfact, 20, EmptyReal, ""},
  };
  TSoFLine& line = SoF().Add();
  for (const TDefaultsCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Condition));
    line.SetPct(c.PctBefore);
    line.SetPctDisplayString("stale");
    line.SetCondition(c.Condition);
    SoF().ApplyConditionDefaults(line, Context);
    EXPECT_EQ(line.Pct(), c.Pct);
    EXPECT_EQ(line.PctDisplayString(), c.Display);
  }
}

TEST_F(ConditionDefaults, DisplayStringUsesTheLocale) {
  const TFormatContext german{GermanLocale()};
  TSoFLine& line = SoF().Add();
  line.SetCondition(TFactCode::htc_tfact);
  SoF().ApplyConditionDefaults(line, german);
  EXPECT_EQ(line.PctDisplayString(), "50,000");
}

TEST_F(ConditionDefaults, AutomaticRemarkFillsOnlyAnEmptyRemark) {
  Calc.TemplateSettings.RemarkLists[static_cast<int>(TFactCode::rain_tfact)] = {"Rain", "Snow"};
  TSoFLine& line = SoF().Add();
  line.SetCondition(TFactCode::rain_tfact);
  SoF().ApplyConditionDefaults(line, Context);
  EXPECT_EQ(line.Remark(), "Rain");

  line.SetRemark("Heavy swell");
  SoF().ApplyConditionDefaults(line, Context);
  EXPECT_EQ(line.Remark(), "Heavy swell");

  // No list for the condition: the remark stays empty.
  line.SetRemark("");
  line.SetCondition(TFactCode::full_tfact);
  SoF().ApplyConditionDefaults(line, Context);
  EXPECT_EQ(line.Remark(), "");

  Calc.TemplateSettings.AutoRemark = false;
  line.SetCondition(TFactCode::rain_tfact);
  SoF().ApplyConditionDefaults(line, Context);
  EXPECT_EQ(line.Remark(), "");
}

TEST_F(ConditionDefaults, CollectionWithoutPortNeedsTheSettingsGiven) {
  TSoFCollection standalone;
  TSoFLine& line = standalone.Add();
  line.SetCondition(TFactCode::htc_tfact);
  EXPECT_THROW(standalone.ApplyConditionDefaults(line, Context), std::logic_error);
  TSoFCollection::ApplyConditionDefaults(line, Calc.TemplateSettings, 2, Context);
  EXPECT_EQ(line.PctDisplayString(), "50.00");
}

} // namespace
} // namespace laytime
