// The count of one port, run through the voyage calculation in the non-reversible mode.
// 2024-03-04 is a Monday; 2024-03-09 and 2024-03-10 are a weekend.
#include "calc/CountPortTime.h"

#include "ScenarioBuilder.h"
#include "calc/CalculateVoyage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace laytime {
namespace {

using scenario::DateOf;
using scenario::TimeOf;
using scenario::TScenario;
using Lines = std::vector<std::string>;

// The template texts the count writes into result lines.
void UseTexts(TScenario& s) {
  s.Calc.TemplateSettings.VesOnDemurrageText = "Vessel on demurrage";
  s.Calc.TemplateSettings.ShexText = "SHEX";
  s.Calc.TemplateSettings.TimeSavedText = "Time saved";
}

TEST(CountPortTime, CountsDayByDayUntilCompletionAndGoesOnDemurrage) {
  TScenario s(R"(
    port "Santos" load 10000 mts at 5000/day dem 14400 des 7200 from 2024-03-04 08:00 to 2024-03-07 12:00
    sof 2024-03-05 08:00 full
    sof 2024-03-05 14:00 rain
  )");
  UseTexts(s);
  s.Calculate();

  // After the last line a filler at 100 % runs to completion; the allowance of 2880 minutes
  // runs out on 03-06 at 14:00.
  EXPECT_EQ(s.ResultLines(0), (Lines{
                                  "03-04 24:00 full 100 960",
                                  "03-05 08:00 full 100 480",
                                  "03-05 14:00 rain 0 0",
                                  "03-05 24:00 - 100 600",
                                  "03-06 14:00 - 100 840",
                                  "03-06 14:00 >> Vessel on demurrage",
                                  "03-06 24:00 - 100 600",
                                  "03-07 12:00 - 100 720 \"Loading completed\"",
                              }));
  const TPortRec& port = s.Rec(0);
  EXPECT_EQ(port.TimeAllowed, 2880);
  EXPECT_EQ(port.TimeUsed, 4200);
  EXPECT_EQ(port.Laytime, 4560);
  EXPECT_EQ(port.TimeRemaining, -1320);
  EXPECT_EQ(port.TimeWaited, 0);
  EXPECT_EQ(port.TimeSaved, 0);
  EXPECT_EQ(port.M1, -1320);
  EXPECT_EQ(port.DemurrageDate, DateOf("2024-03-06"));
  EXPECT_EQ(port.DemurrageTime, TimeOf("14:00"));
  EXPECT_DOUBLE_EQ(port.OnDemurrageAt, DateOf("2024-03-06") + 14.0 / 24.0);
  EXPECT_EQ(port.CalcEndDate, DateOf("2024-03-07"));
  EXPECT_EQ(port.CalcEndTime, TimeOf("12:00"));
  EXPECT_DOUBLE_EQ(port.Demurrage, 13200.0);
  EXPECT_DOUBLE_EQ(port.Despatch, 0.0);
}

TEST(CountPortTime, CompletionAtMidnightIsTheEndOfTheDayBeforeAndStaysRewritten) {
  TScenario s(R"(
    port "P" load 10000 at 10 days from 2024-03-04 00:00 to 2024-03-06 00:00
  )");
  s.Calculate();
  s.Calculate();

  EXPECT_EQ(s.ResultLines(0), (Lines{
                                  "03-04 24:00 - 100 1440",
                                  "03-05 24:00 - 100 1440 \"Loading completed\"",
                              }));
  EXPECT_EQ(s.Rec(0).LayTimeOpCompleted.Date, DateOf("2024-03-05"));
  EXPECT_EQ(s.Rec(0).LayTimeOpCompleted.Time, 1440);
  EXPECT_EQ(s.Rec(0).CalcEndDate, DateOf("2024-03-05"));
  EXPECT_EQ(s.Rec(0).CalcEndTime, 1440);
}

TEST(CountPortTime, CompletionRemarkNamesTheOperationUnlessTheTemplateGivesOne) {
  const struct {
    const char* Operation;
    const char* Template;
    const char* Expected;
  } cases[] = {
      {"load", "", "03-04 12:00 - 100 720 \"Loading completed\""},
      {"disch", "", "03-04 12:00 - 100 720 \"Discharging completed\""},
      {"both", "", "03-04 12:00 - 100 720 \"Loading completed\""},
      {"", "", "03-04 12:00 - 100 720 \"Operation completed\""},
      {"disch", "Hoses off", "03-04 12:00 - 100 720 \"Hoses off\""},
  };
  for (const auto& c : cases) {
    TScenario s(std::string("port \"P\" ") + c.Operation +
                " 10000 at 10 days from 2024-03-04 00:00 to 2024-03-04 12:00");
    s.Calc.TemplateSettings.OpCompletedText = c.Template;
    s.Calculate();
    EXPECT_EQ(s.ResultLines(0), Lines{c.Expected}) << c.Operation << " " << c.Template;
  }
}

TEST(CountPortTime, CompletionBeforeTheStartCountsNothingUnderWorkingTimeSaved) {
  TScenario s(R"(
    port "P" load 5000 at 5000/day dem 14400 des 7200 from 2024-03-05 08:00 to 2024-03-05 06:00
    sof 2024-03-05 12:00 full
  )");
  s.Calculate();

  EXPECT_TRUE(s.ResultLines(0).empty());
  EXPECT_EQ(s.Rec(0).TimeUsed, 0);
  EXPECT_EQ(s.Rec(0).Laytime, 0);
  EXPECT_EQ(s.Rec(0).TimeRemaining, 1440);
  EXPECT_EQ(s.Rec(0).M1, 1440);
  EXPECT_DOUBLE_EQ(s.Rec(0).Despatch, 7200.0);
}

TEST(CountPortTime, CompletionBeforeTheStartSavesTheWholeAllowanceUnderAllTimeSaved) {
  TScenario s(R"(
    port "P" load 5000 at 5000/day dem 14400 des 7200 saved from 2024-03-05 08:00 to 2024-03-05 06:00
  )");
  UseTexts(s);
  s.Calculate();

  EXPECT_EQ(s.ResultLines(0), (Lines{
                                  "03-05 24:00 - 100 0 \"Time saved\"",
                                  "03-06 08:00 - 100 0 \"Time saved\"",
                              }));
  EXPECT_EQ(s.Rec(0).TimeSaved, 1440);
  EXPECT_EQ(s.Rec(0).TimeUsed, 0);
  EXPECT_EQ(s.Rec(0).Laytime, 0);
  EXPECT_DOUBLE_EQ(s.Rec(0).Despatch, 7200.0);
}

struct TDemurrageClauseCase {
  const char* Name;
  bool AlwaysOnDemurrage;
  Lines Expected;
  TDuration TimeUsed;
  bool ShiftingNoticed;
};

void PrintTo(const TDemurrageClauseCase& c, std::ostream* os) {
  *os << c.Name;
}

class OnceOnDemurrage : public testing::TestWithParam<TDemurrageClauseCase> {};

TEST_P(OnceOnDemurrage, DecidesWhetherInterruptionsCountAfterExpiry) {
  const TDemurrageClauseCase& c = GetParam();
  TScenario s(R"(
    port "P" load 5000 at 5000/day dem 14400 from 2024-03-04 00:00 to 2024-03-06 00:00
    sof 2024-03-05 00:00 full
    sof 2024-03-05 06:00 rain
    sof 2024-03-05 12:00 shifting
    sof 2024-03-05 18:00 full
  )");
  UseTexts(s);
  s.Calc.Voyage.AlwaysOnDemurrage = c.AlwaysOnDemurrage;
  const TVoyageCalcResult result = s.Calculate();

  EXPECT_EQ(s.ResultLines(0), c.Expected);
  EXPECT_EQ(s.Rec(0).TimeUsed, c.TimeUsed);
  EXPECT_EQ(s.Rec(0).DemurrageDate, DateOf("2024-03-05"));
  EXPECT_EQ(s.Rec(0).DemurrageTime, 0);
  EXPECT_EQ(result.Notices.Shifting.IsSet(), c.ShiftingNoticed);
  if (c.ShiftingNoticed) {
    EXPECT_EQ(result.Notices.Shifting.Day, DateOf("2024-03-05"));
    EXPECT_EQ(result.Notices.Shifting.Time, TimeOf("06:00"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Clause, OnceOnDemurrage,
    testing::Values(TDemurrageClauseCase{"Always",
                                         true,
                                         {
                                             "03-04 24:00 full 100 1440",
                                             "03-05 00:00 >> Vessel on demurrage",
                                             "03-05 06:00 - 100 360",
                                             "03-05 12:00 - 100 360",
                                             "03-05 18:00 - 100 360",
                                             "03-05 24:00 - 100 360 \"Loading completed\"",
                                         },
                                         2880,
                                         true},
                    TDemurrageClauseCase{"NotAlways",
                                         false,
                                         {
                                             "03-04 24:00 full 100 1440",
                                             "03-05 00:00 >> Vessel on demurrage",
                                             "03-05 06:00 rain 0 0",
                                             "03-05 12:00 shifting 0 0",
                                             "03-05 18:00 full 100 360",
                                             "03-05 24:00 - 100 360 \"Loading completed\"",
                                         },
                                         2160,
                                         false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(CountPortTime, ShiftingNoticeKeepsTheFirstOccurrenceOverAllPorts) {
  TScenario s(R"(
    port "A" load 5000 at 5000/day dem 14400 from 2024-03-04 00:00 to 2024-03-05 12:00
    sof 2024-03-05 00:00 full
    sof 2024-03-05 06:00 shifting
    port "B" disch 5000 at 5000/day dem 14400 from 2024-03-11 00:00 to 2024-03-12 12:00
    sof 2024-03-12 00:00 full
    sof 2024-03-12 03:00 shifting
  )");
  const TVoyageCalcResult result = s.Calculate();
  EXPECT_EQ(result.Notices.Shifting, (TShiftingNotice{DateOf("2024-03-05"), 0}));
}

TEST(CountPortTime, ShexWindowOverTheWeekendCountsNothingAndIsStoredAWeekLater) {
  const char* text = R"(
    port "W" load 10000 at 1000/day from 2024-03-09 08:00 to 2024-03-11 12:00 shex sat 12:00 mon 08:00
    sof 2024-03-11 12:00 full
  )";
  const struct {
    bool ReplaceRemarks;
    Lines Expected;
  } cases[] = {
      {false,
       {
           "03-09 12:00 full 100 240",
           "03-09 24:00 ntc 0 0 \"SHEX\"",
           "03-10 24:00 ntc 0 0 \"SHEX\"",
           "03-11 08:00 ntc 0 0 \" \"",
           "03-11 12:00 full 100 240 \"Loading completed\"",
       }},
      {true,
       {
           "03-09 12:00 full 100 240",
           "03-09 24:00 ntc 0 0 \"SHEX\"",
           "03-10 24:00 ntc 0 0 \"SHEX\"",
           "03-11 08:00 ntc 0 0 \"SHEX\"",
           "03-11 12:00 full 100 240 \"Loading completed\"",
       }},
  };
  for (const auto& c : cases) {
    TScenario s(text);
    UseTexts(s);
    s.Calc.TemplateSettings.ReplaceRemarks = c.ReplaceRemarks;
    const TVoyageCalcResult result = s.Calculate();
    s.Calculate();

    EXPECT_EQ(s.ResultLines(0), c.Expected) << "ReplaceRemarks " << c.ReplaceRemarks;
    EXPECT_EQ(s.Rec(0).ShexEndDay, 8);
    EXPECT_EQ(s.Rec(0).TimeUsed, 480);
    EXPECT_EQ(s.Rec(0).Laytime, 3120);
    EXPECT_FALSE(result.Notices.WeekendEntry.IsSet());
  }
}

TEST(CountPortTime, WeekendEntryNoticeRecordsAWorkingPeriodEndingInsideTheWindow) {
  const struct {
    const char* Line;
    bool Suppressed;
    TWeekendEntryNotice Expected;
  } cases[] = {
      {"2024-03-10 10:00 full", false, {DateOf("2024-03-10"), 0, TFactCode::full_tfact}},
      {"2024-03-10 10:00 rain", false, {DateOf("2024-03-10"), 0, TFactCode::rain_tfact}},
      {"2024-03-10 10:00 shinc", false, {}},
      {"2024-03-10 10:00 shpart 50", false, {}},
      {"2024-03-10 10:00 full", true, {}},
      // Periods ending at midnight or at the window's end are no entries during the weekend.
      {"2024-03-10 24:00 full", false, {}},
      {"2024-03-11 08:00 full", false, {}},
  };
  for (const auto& c : cases) {
    TScenario s(std::string(R"(
      port "W" load 10000 at 1000/day from 2024-03-09 08:00 to 2024-03-11 12:00 shex sat 12:00 mon 08:00
      sof )") + c.Line +
                R"(
      sof 2024-03-11 12:00 full
    )");
    s.Settings.SuppressShexMsg = c.Suppressed;
    EXPECT_EQ(s.Calculate().Notices.WeekendEntry, c.Expected) << c.Line;
  }
}

TEST(CountPortTime, AlwaysPartialAndAlwaysExcludedKeepTheirCountInsideShexAndOnDemurrage) {
  const char* lines = R"(
    sof 2024-03-09 12:00 alwpart 50
    sof 2024-03-09 18:00 excl
    sof 2024-03-10 00:00 full
    sof 2024-03-10 12:00 alwpart 50
    sof 2024-03-11 00:00 shpart 30
  )";
  const struct {
    const char* Allowance;
    Lines Expected;
    TDuration TimeUsed;
  } cases[] = {
      // Plenty of laytime: the window overrides only the full period.
      {"at 100 hours",
       {
           "03-09 12:00 alwpart 50 360",
           "03-09 18:00 excl 0 0",
           "03-09 24:00 ntc 0 0 \"SHEX\"",
           "03-10 12:00 alwpart 50 360",
           "03-10 24:00 shpart 30 216 \"Loading completed\"",
       },
       936},
      // On demurrage from Saturday noon: everything but the always-conditions counts in full.
      {"at 6 hours",
       {
           "03-09 12:00 alwpart 50 360",
           "03-09 12:00 >> Vessel on demurrage",
           "03-09 18:00 excl 0 0",
           "03-09 24:00 - 100 360 \"SHEX\"",
           "03-10 12:00 alwpart 50 360",
           "03-10 24:00 - 100 720 \"Loading completed\"",
       },
       1800},
  };
  for (const auto& c : cases) {
    TScenario s(std::string("port \"X\" load 10000 ") + c.Allowance +
                " from 2024-03-09 00:00 to 2024-03-11 00:00 shex sat 00:00 mon 00:00" + lines);
    UseTexts(s);
    s.Calculate();
    EXPECT_EQ(s.ResultLines(0), c.Expected) << c.Allowance;
    EXPECT_EQ(s.Rec(0).TimeUsed, c.TimeUsed) << c.Allowance;
  }
}

TEST(CountPortTime, WaitingIsNotCutWhereLaytimeExpires) {
  TScenario s(R"(
    port "P" load 10000 at 2 hours dem 14400 from 2024-03-04 08:00 to 2024-03-04 22:00
    sof 2024-03-04 09:00 full
    sof 2024-03-04 20:00 wait
  )");
  UseTexts(s);
  s.Calculate();

  // With one hour left the waiting line stays one period; the hour runs out in the filler.
  EXPECT_EQ(s.ResultLines(0), (Lines{
                                  "03-04 09:00 full 100 60",
                                  "03-04 20:00 wait 100 0",
                                  "03-04 21:00 - 100 60",
                                  "03-04 21:00 >> Vessel on demurrage",
                                  "03-04 22:00 - 100 60 \"Loading completed\"",
                              }));
  EXPECT_EQ(s.Rec(0).TimeUsed, 180);
  EXPECT_EQ(s.Rec(0).TimeWaited, 660);
  EXPECT_EQ(s.Rec(0).M1, -720);
  EXPECT_EQ(s.Rec(0).DemurrageTime, TimeOf("21:00"));
}

TEST(CountPortTime, WaitingUpToCompletionKeepsTheCompletionRemark) {
  TScenario s(R"(
    port "P" load 10000 at 1 hours from 2024-03-04 08:00 to 2024-03-04 12:00
    sof 2024-03-04 08:30 full
    sof 2024-03-04 12:00 wait
  )");
  s.Calculate();
  EXPECT_EQ(s.ResultLines(0), (Lines{
                                  "03-04 08:30 full 100 30",
                                  "03-04 12:00 wait 100 0 \"Loading completed\"",
                              }));
}

TEST(CountPortTime, LaytimeRunningOutInAHalfPeriodCutsItWhereTheAllowanceEnds) {
  TScenario s(R"(
    port "H" load 10000 at 1.5 hours dem 14400 from 2024-03-04 08:00 to 2024-03-04 12:00
    sof 2024-03-04 09:00 full
    sof 2024-03-04 12:00 half
  )");
  UseTexts(s);
  s.Calculate();

  EXPECT_EQ(s.ResultLines(0), (Lines{
                                  "03-04 09:00 full 100 60",
                                  "03-04 10:00 half 50 30",
                                  "03-04 10:00 >> Vessel on demurrage",
                                  "03-04 12:00 - 100 120 \"Loading completed\"",
                              }));
  EXPECT_EQ(s.Rec(0).DemurrageDate, DateOf("2024-03-04"));
  EXPECT_EQ(s.Rec(0).DemurrageTime, TimeOf("10:00"));
  EXPECT_EQ(s.Rec(0).TimeUsed, 210);
}

TEST(CountPortTime, TiesGoToTheEvenMinuteDespiteBinaryNoise) {
  // 750 minutes at 2.2 % are 16.5 minutes, which count 16; in binary the product comes out a
  // hair above the tie.
  TScenario partial(R"(
    port "P" load 10000 at 10 days from 2024-03-04 00:00 to 2024-03-04 12:30
    sof 2024-03-04 12:30 part 2.2
  )");
  partial.Calculate();
  EXPECT_EQ(partial.ResultLines(0), (Lines{"03-04 12:30 part 2.2 16 \"Loading completed\""}));
  EXPECT_EQ(partial.Rec(0).TimeUsed, 16);

  // 7 minutes left at 11.2 % last 62.5 minutes: the period is cut after 62, not 63.
  TScenario expiry(R"(
    port "P" load 10000 add 0 00:07 dem 14400 from 2024-03-04 00:00 to 2024-03-04 04:00
    sof 2024-03-04 04:00 part 11.2
  )");
  expiry.Calculate();
  EXPECT_EQ(expiry.Rec(0).DemurrageTime, TimeOf("01:02"));
  EXPECT_EQ(expiry.ResultLines(0).front(), "03-04 01:02 part 11.2 7");
  EXPECT_EQ(expiry.Rec(0).TimeUsed, 185);
}

TEST(CountPortTime, LinesUpToTheLaytimeStartAreListedBeforeTheStartCaption) {
  const char* lines = R"(
    sof 2024-03-04 06:00 ntc "arrived"
    sof 2024-03-04 08:00 ntc "NOR tendered"
    sof 2024-03-04 12:00 full
  )";
  const struct {
    const char* Start;
    Lines Expected;
  } cases[] = {
      // The line ending exactly at the start describes time before laytime as well.
      {"from 2024-03-04 08:00",
       {
           "03-04 06:00 ntc 0 0 \"arrived\"",
           "03-04 08:00 ntc 0 0 \"NOR tendered\"",
           "03-04 08:00 >> Begin of laytime calculation",
           "03-04 12:00 full 100 240 \"Loading completed\"",
       }},
      // The pre-advice (06:00 plus three hours) moves the start to 09:00.
      {"from 2024-03-04 08:00 preadv 2024-03-04 06:00 0 03:00",
       {
           "03-04 06:00 ntc 0 0 \"arrived\"",
           "03-04 08:00 ntc 0 0 \"NOR tendered\"",
           "03-04 09:00 >> Begin of laytime calculation",
           "03-04 12:00 full 100 180 \"Loading completed\"",
       }},
      {"from 2024-03-04 07:00",
       {
           "03-04 06:00 ntc 0 0 \"arrived\"",
           "03-04 07:00 >> Begin of laytime calculation",
           "03-04 08:00 ntc 0 0 \"NOR tendered\"",
           "03-04 12:00 full 100 240 \"Loading completed\"",
       }},
  };
  for (const auto& c : cases) {
    TScenario s(std::string("port \"C\" load 10000 at 10 days to 2024-03-04 12:00 ") + c.Start +
                lines);
    s.Calculate();
    EXPECT_EQ(s.ResultLines(0), c.Expected) << c.Start;
  }
}

TEST(CountPortTime, CqdPortCountsDetentionAndNeverGoesOnDemurrage) {
  TScenario s(R"(
    port "Q" load 10000 at 5000/day dem 14400 des 7200 cqd from 2024-03-04 00:00 to 2024-03-05 12:00
    sof 2024-03-04 12:00 normal
    sof 2024-03-05 00:00 fulldet
    sof 2024-03-05 12:00 partdet 50
  )");
  UseTexts(s);
  s.Calculate();

  EXPECT_EQ(s.ResultLines(0), (Lines{
                                  "03-04 12:00 normal 0 0",
                                  "03-04 24:00 fulldet 100 720",
                                  "03-05 12:00 partdet 50 360",
                              }));
  const TPortRec& port = s.Rec(0);
  EXPECT_EQ(port.TimeAllowed, 0);
  EXPECT_EQ(port.TimeUsed, 1080);
  EXPECT_EQ(port.DemurrageDate, EmptyDay);
  EXPECT_EQ(port.M1, -1080);
  EXPECT_DOUBLE_EQ(port.Demurrage, 10800.0);
  EXPECT_DOUBLE_EQ(port.Despatch, 0.0);
}

TEST(CountPortTime, ShexWindowStopsDetentionOfACqdPortWithoutACondition) {
  TScenario s(R"(
    port "Q" load 10000 dem 14400 cqd from 2024-03-09 06:00 to 2024-03-10 06:00 shex sat 12:00 mon 08:00
    sof 2024-03-10 06:00 fulldet
  )");
  UseTexts(s);
  s.Calculate();
  EXPECT_EQ(s.ResultLines(0), (Lines{
                                  "03-09 12:00 fulldet 100 360",
                                  "03-09 24:00 - 0 0 \"SHEX\"",
                                  "03-10 06:00 - 0 0 \"SHEX\"",
                              }));
  EXPECT_EQ(s.Rec(0).TimeUsed, 360);
  EXPECT_EQ(s.Rec(0).DemurrageDate, EmptyDay);
}

TEST(CountPortTime, CqdPortWithoutDetentionEarnsNoDespatch) {
  TScenario s(R"(
    port "Q" load 10000 at 5000/day dem 14400 des 7200 cqd saved from 2024-03-04 00:00 to 2024-03-05 00:00
    sof 2024-03-05 00:00 normal
  )");
  s.Calculate();
  EXPECT_EQ(s.Rec(0).M1, 0);
  EXPECT_DOUBLE_EQ(s.Rec(0).Despatch, 0.0);
  EXPECT_DOUBLE_EQ(s.Rec(0).Demurrage, 0.0);
}

TEST(CountPortTime, AllTimeSavedGoesOnAfterCompletionOnTheEndlessLine) {
  TScenario s(R"(
    port "S" load 10000 at 5000/day des 7200 saved from 2024-03-04 00:00 to 2024-03-04 12:00
  )");
  UseTexts(s);
  s.Calculate();

  EXPECT_EQ(s.ResultLines(0), (Lines{
                                  "03-04 12:00 - 100 720 \"Loading completed\"",
                                  "03-04 24:00 - 100 0 \"Time saved\"",
                                  "03-05 24:00 - 100 0 \"Time saved\"",
                              }));
  const TPortRec& port = s.Rec(0);
  EXPECT_EQ(port.TimeSaved, 2160);
  EXPECT_EQ(port.TimeUsed, 720);
  EXPECT_EQ(port.Laytime, 720);
  EXPECT_EQ(port.TimeRemaining, 0);
  EXPECT_EQ(port.M1, 2160);
  EXPECT_DOUBLE_EQ(port.Despatch, 10800.0);
}

TEST(CountPortTime, AllTimeSavedIncludesExceptedPeriods) {
  TScenario s(R"(
    port "S" load 10000 at 5000/day des 7200 saved from 2024-03-08 00:00 to 2024-03-08 12:00 shex sat 00:00 mon 00:00
  )");
  UseTexts(s);
  s.Calculate();

  // The remaining 2160 minutes run out on Monday; the weekend in between is saved as well.
  EXPECT_EQ(s.ResultLines(0), (Lines{
                                  "03-08 12:00 - 100 720 \"Loading completed\"",
                                  "03-08 24:00 - 100 0 \"Time saved\"",
                                  "03-09 24:00 ntc 0 0 \"SHEX\"",
                                  "03-10 24:00 ntc 0 0 \"SHEX\"",
                                  "03-11 24:00 - 100 0 \"Time saved\"",
                              }));
  EXPECT_EQ(s.Rec(0).TimeSaved, 5040);
  EXPECT_EQ(s.Rec(0).TimeUsed, 720);
}

TEST(CountPortTime, AllTimeSavedUnderAWindowCoveringTheWholeWeekStopsAtTheStatementsEnd) {
  TScenario s(R"(
    port "S" load 10000 at 5000/day des 7200 saved from 2024-03-04 00:00 to 2024-03-04 12:00 shex sun 00:00 sat 24:00
    sof 2024-03-04 12:00 shinc
  )");
  s.Calculate();
  // Nothing could ever count on the endless line, so it is not walked for centuries.
  EXPECT_EQ(s.ResultLines(0), (Lines{"03-04 12:00 shinc 100 720 \"Loading completed\""}));
  EXPECT_EQ(s.Rec(0).TimeSaved, 0);
}

TEST(CountPortTime, SkippingIrrelevantEntriesMergesLinesOnDemurrage) {
  const char* text = R"(
    port "M" load 10000 at 1 hours dem 14400 from 2024-03-04 08:00 to 2024-03-04 16:00
    sof 2024-03-04 10:00 full
    sof 2024-03-04 12:00 rain
    sof 2024-03-04 14:00 full "crane broke"
  )";
  const struct {
    bool Skip;
    Lines Expected;
  } cases[] = {
      {true,
       {
           "03-04 09:00 full 100 60",
           "03-04 09:00 >> Vessel on demurrage",
           "03-04 16:00 - 100 420 \"Loading completed\"",
       }},
      {false,
       {
           "03-04 09:00 full 100 60",
           "03-04 09:00 >> Vessel on demurrage",
           "03-04 10:00 - 100 60",
           "03-04 12:00 - 100 120",
           "03-04 14:00 - 100 120 \"crane broke\"",
           "03-04 16:00 - 100 120 \"Loading completed\"",
       }},
  };
  for (const auto& c : cases) {
    TScenario s(text);
    UseTexts(s);
    s.Calc.TemplateSettings.SkipIrrelevantEntries = c.Skip;
    s.Calculate();
    EXPECT_EQ(s.ResultLines(0), c.Expected) << "Skip " << c.Skip;
    EXPECT_EQ(s.Rec(0).TimeUsed, 480);
  }
}

TEST(CountPortTime, RecalculationRebuildsTheResultLinesFromNothing) {
  TScenario s(R"(
    port "M" load 10000 at 1 hours dem 14400 from 2024-03-04 08:00 to 2024-03-04 16:00
    sof 2024-03-04 10:00 full "berthed"
    sof 2024-03-04 12:00 rain
    sof 2024-03-04 14:00 full "crane broke"
  )");
  UseTexts(s);
  s.Calculate();
  ASSERT_EQ(s.ResultLines(0).size(), 6u);

  s.Calc.TemplateSettings.SkipIrrelevantEntries = true;
  s.Calculate();
  EXPECT_EQ(s.ResultLines(0), (Lines{
                                  "03-04 09:00 full 100 60 \"berthed\"",
                                  "03-04 09:00 >> Vessel on demurrage",
                                  "03-04 16:00 - 100 420 \"Loading completed\"",
                              }));
  EXPECT_EQ(s.Port(0).SoFResultCollection.GetItem(2).PctDisplayString(), "");

  s.Calc.TemplateSettings.SkipIrrelevantEntries = false;
  s.Port(0).SoFCollection.GetItem(0).SetRemark("");
  s.Calculate();
  EXPECT_EQ(s.ResultLines(0), (Lines{
                                  "03-04 09:00 full 100 60",
                                  "03-04 09:00 >> Vessel on demurrage",
                                  "03-04 10:00 - 100 60",
                                  "03-04 12:00 - 100 120",
                                  "03-04 14:00 - 100 120 \"crane broke\"",
                                  "03-04 16:00 - 100 120 \"Loading completed\"",
                              }));
}

TEST(CountPortTime, SkippingIrrelevantEntriesMergesShexLinesButNeverAcrossMidnight) {
  TScenario s(R"(
    port "M" load 10000 at 10 days from 2024-03-09 00:00 to 2024-03-11 00:00 shex sat 00:00 mon 00:00
    sof 2024-03-09 10:00 full
    sof 2024-03-09 14:00 rain
    sof 2024-03-11 00:00 full
  )");
  UseTexts(s);
  s.Calc.TemplateSettings.SkipIrrelevantEntries = true;
  s.Calculate();
  EXPECT_EQ(s.ResultLines(0), (Lines{
                                  "03-09 24:00 ntc 0 0",
                                  "03-10 24:00 ntc 0 0 \"Loading completed\"",
                              }));
}

TEST(CountPortTime, CountingAPortDirectlyCarriesTheDemurrageStateIn) {
  TScenario s(R"(
    port "P" disch 5000 at 5000/day from 2024-03-04 08:00 to 2024-03-04 12:00
  )");
  UseTexts(s);
  const struct {
    bool OnDemurrageBefore;
    Lines Expected;
    TDayNumber DemurrageDate;
  } cases[] = {
      // Allowance used up before the first period: the laytime start is the demurrage start.
      {false,
       {"03-04 08:00 >> Vessel on demurrage", "03-04 12:00 - 100 240 \"Discharging completed\""},
       DateOf("2024-03-04")},
      // Already on demurrage at the previous port of the group: no new demurrage start.
      {true, {"03-04 12:00 - 100 240 \"Discharging completed\""}, EmptyDay},
  };
  for (const auto& c : cases) {
    bool onDemurrage = c.OnDemurrageBefore;
    TCalcNotices notices;
    CountPortTime(s.Calc, 0, TGroupPosition::LastOfGroup, TCalcDespatch::calcWorktime, 0,
                  onDemurrage, notices);
    EXPECT_EQ(s.ResultLines(0), c.Expected);
    EXPECT_EQ(s.Rec(0).DemurrageDate, c.DemurrageDate);
    EXPECT_TRUE(onDemurrage);
    EXPECT_EQ(s.Rec(0).TimeRemaining, -240);
  }
}

TEST(CountPortTime, AStartAt2400BeginsWithTheNextDay) {
  TScenario s(R"(
    port "P" load 10000 at 10 days from 2024-03-04 24:00 to 2024-03-05 12:00
  )");
  s.Calculate();
  EXPECT_EQ(s.ResultLines(0), (Lines{"03-05 12:00 - 100 720 \"Loading completed\""}));
  EXPECT_EQ(s.Rec(0).Laytime, 720);
}

TEST(CountPortTime, PercentagesOutsideTheirRangeAreHeldWithinIt) {
  // Validation never lets these through; unchecked data must still not count absurdly.
  TScenario s(R"(
    port "P" load 10000 at 10 days from 2024-03-04 08:00 to 2024-03-04 12:00
    sof 2024-03-04 10:00 part 150
    sof 2024-03-04 12:00 part -20
  )");
  s.Port(0).SoFCollection.GetItem(1).SetPct(EmptyReal);
  s.Calculate();
  EXPECT_EQ(s.Rec(0).TimeUsed, 120);
}

TEST(CountPortTime, AMomentOnDemurrageIsClearedWhenThePortNoLongerGetsThere) {
  TScenario s(R"(
    port "P" load 5000 at 5000/day dem 14400 from 2024-03-04 00:00 to 2024-03-05 12:00
  )");
  s.Calculate();
  ASSERT_NE(s.Rec(0).OnDemurrageAt, 0.0);
  s.Rec(0).PortLoadRate = 1000.0;
  s.Calculate();
  EXPECT_EQ(s.Rec(0).DemurrageDate, EmptyDay);
  EXPECT_EQ(s.Rec(0).DemurrageTime, EmptyTime);
  EXPECT_EQ(s.Rec(0).OnDemurrageAt, 0.0);
}

TEST(CountPortTime, APortOutsideThePortListIsAProgrammingError) {
  TScenario s;
  bool onDemurrage = false;
  TCalcNotices notices;
  EXPECT_THROW(CountPortTime(s.Calc, 3, TGroupPosition::LastOfGroup, TCalcDespatch::calcWorktime, 0,
                             onDemurrage, notices),
               std::out_of_range);
}

} // namespace
} // namespace laytime
