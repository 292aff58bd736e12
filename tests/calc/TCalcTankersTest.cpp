// Pro rata on time for tankers, and the refresh of the pro-rata details after a calculation.
#include "calc/TCalcTankers.h"

#include "ScenarioBuilder.h"
#include "core/Errors.h"
#include "model/TProRataPortCalculation.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

using scenario::TimeOf;
using scenario::TScenario;

TProRataPortCalculation& Detail(TScenario& s, int partner, int port) {
  return s.Calc.ProRata.GetItem(partner).GetPortDetails(port);
}

// 72 hours allowed, a minimum of 24 hours, 6 hours waited and then 120 hours used.
constexpr const char* TankerPort = R"(
  port "Ras Tanura" load at 72 hours dem 24000 comm 2.5 min 24:00 from 2024-03-04 00:00 to 2024-03-09 06:00
  sof 2024-03-04 06:00 wait
  partner "One" 60000
  partner "Two" 20000
)";

TEST(TCalcTankers, EachPartnerPaysForItsShareOfTimeBeyondItsOwnAllowance) {
  TScenario s(TankerPort);
  s.Settings.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
  s.Calculate();
  ASSERT_EQ(s.Rec(0).TimeUsed, 7200);
  ASSERT_EQ(s.Rec(0).TimeWaited, 360);

  const TProRataPortCalculation& one = Detail(s, 0, 0);
  EXPECT_EQ(one.PortIdx(), 0);
  EXPECT_EQ(one.PortTimeUsed(), 7560);
  EXPECT_EQ(one.PortMinTimeAllowanceInMinutes(), 1440);
  EXPECT_EQ(one.PortTimeAllowanceBeforeMinimum(), 3240);
  EXPECT_EQ(one.PortTimeAllowanceInMinutes(), 3240);
  EXPECT_FALSE(one.LessThanMinimum());
  EXPECT_EQ(one.AllocatedMinutes(), 3240);
  EXPECT_EQ(one.SharedMinutes(), 5670);
  EXPECT_EQ(one.MinutesOnDemurrage(), 2430);
  EXPECT_EQ(one.DemurrageAmount(), Currency(40500.00));
  EXPECT_EQ(one.CommissionAmount(), Currency(1012.50));
  EXPECT_EQ(one.DespatchAmount(), Currency());

  // 18 hours pro rata are below the minimum of 24 hours.
  const TProRataPortCalculation& two = Detail(s, 1, 0);
  EXPECT_EQ(two.PortTimeAllowanceBeforeMinimum(), 1080);
  EXPECT_EQ(two.PortTimeAllowanceInMinutes(), 1440);
  EXPECT_TRUE(two.LessThanMinimum());
  EXPECT_EQ(two.AllocatedMinutes(), 1440);
  EXPECT_EQ(two.SharedMinutes(), 1890);
  EXPECT_EQ(two.MinutesOnDemurrage(), 450);
  EXPECT_EQ(two.DemurrageAmount(), Currency(7500.00));
  EXPECT_EQ(two.CommissionAmount(), Currency(187.50));
}

TEST(TCalcTankers, TieredPortPricesEachPartnersMinutesFromTheFirstTier) {
  TScenario s(std::string(TankerPort) + R"(
    tier 0 00:00 24000
    tier 1 00:00 48000
  )");
  s.Rec(0).UseTieredDemurrage = true;
  s.Settings.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
  s.Calculate();

  // One: a day at 24000 and 990 minutes at 48000; Two: 450 minutes in the first tier.
  EXPECT_EQ(Detail(s, 0, 0).DemurrageAmount(), Currency(57000.00));
  EXPECT_EQ(Detail(s, 0, 0).TieredTimes().GetMinutesAllocatedToTier(1), 990);
  EXPECT_EQ(Detail(s, 1, 0).DemurrageAmount(), Currency(7500.00));
  EXPECT_EQ(Detail(s, 1, 0).TieredTimes().GetMinutesAllocatedToTier(1), 0);
}

TEST(TCalcTankers, PartnerWithoutCargoGetsNoAllowanceAndNoShare) {
  TScenario s(R"(
    port "P" load at 10 hours dem 24000 from 2024-03-04 00:00 to 2024-03-04 12:00
    partner "One" 100
    partner "Two" 0
  )");
  s.Settings.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
  s.Calculate();

  const TProRataPortCalculation& two = Detail(s, 1, 0);
  EXPECT_EQ(two.PortTimeAllowanceBeforeMinimum(), 0);
  EXPECT_EQ(two.PortTimeAllowanceInMinutes(), 0);
  EXPECT_TRUE(two.LessThanMinimum());
  EXPECT_EQ(two.AllocatedMinutes(), 0);
  EXPECT_EQ(two.SharedMinutes(), 0);
  EXPECT_EQ(two.DemurrageAmount(), Currency());
  EXPECT_EQ(Detail(s, 0, 0).SharedMinutes(), 720);
  EXPECT_EQ(Detail(s, 0, 0).DemurrageAmount(), Currency(2000.00));
}

TEST(TCalcTankers, MinuteFiguresFollowTheProRataRoundingMode) {
  // Three equal partners share 100 minutes used and an allowance of 50 minutes.
  const struct {
    TRoundingMode Mode;
    TDuration Shared;
    TDuration Allowance;
  } cases[] = {
      {TRoundingMode::Nearest, 33, 17},
      {TRoundingMode::Down, 33, 16},
      {TRoundingMode::Up, 34, 17},
      {TRoundingMode::Truncate, 33, 16},
  };
  for (const auto& c : cases) {
    TScenario s(R"(
      port "P" load add 0 00:50 dem 14400 from 2024-03-04 08:00 to 2024-03-04 09:40
      partner "A" 1
      partner "B" 1
      partner "C" 1
    )");
    s.Settings.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
    s.Settings.ProRataRoundingMethod = static_cast<std::uint8_t>(c.Mode);
    s.Calculate();
    ASSERT_EQ(s.Rec(0).TimeUsed, 100);
    for (int partner = 0; partner < 3; ++partner) {
      EXPECT_EQ(Detail(s, partner, 0).SharedMinutes(), c.Shared)
          << static_cast<int>(c.Mode) << " partner " << partner;
      EXPECT_EQ(Detail(s, partner, 0).PortTimeAllowanceInMinutes(), c.Allowance)
          << static_cast<int>(c.Mode) << " partner " << partner;
    }
  }
}

TEST(TCalcTankers, ExactSharesStayExactUnderDirectedRounding) {
  // 1440 × 0.1 / (0.1 + 0.7) comes out a hair above 180 in binary arithmetic, and
  // 600 × 0.1 / (0.1 + 0.2) a hair below 200; neither may cost or gain a whole minute.
  TTankerAllowanceTerms terms;
  terms.LoadRate = 24.0;
  terms.LoadUnits = TLoadUnits::load_hours;
  EXPECT_EQ(TCalcTankers::CalculateTimeAllowedForTankersBeforeMinimum(0.1, 0.1 + 0.7, terms,
                                                                      TRoundingMode::Up),
            180);
  terms.LoadRate = 10.0;
  EXPECT_EQ(TCalcTankers::CalculateTimeAllowedForTankersBeforeMinimum(0.1, 0.1 + 0.2, terms,
                                                                      TRoundingMode::Down),
            200);
}

TEST(TCalcTankers, AllowanceInDecimalDaysIsExactUnderDirectedRounding) {
  // 2.3 days are 3312 minutes, of which half is 1656; binary arithmetic makes the days
  // 3311.9999999999995 minutes, which Down must not turn into 3311.
  TTankerAllowanceTerms terms;
  terms.LoadRate = 2.3;
  terms.LoadUnits = TLoadUnits::load_days;
  for (const TRoundingMode mode :
       {TRoundingMode::Nearest, TRoundingMode::Down, TRoundingMode::Up, TRoundingMode::Truncate})
    EXPECT_EQ(TCalcTankers::CalculateTimeAllowedForTankersBeforeMinimum(1000, 2000, terms, mode),
              1656)
        << static_cast<int>(mode);
}

TEST(TCalcTankers, DemurrageIsRoundedOnceToCents) {
  // 79 minutes at 23456.78 per day are 1286.86501 and round to 1286.87; taken to four decimals
  // first they would make a tie (1286.8650) and lose the cent.
  TScenario s(R"(
    port "P" load at 1 hours dem 23456.78 from 2024-03-04 00:00 to 2024-03-04 02:19
    partner "One" 100
  )");
  s.Settings.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
  s.Calculate();
  ASSERT_EQ(Detail(s, 0, 0).MinutesOnDemurrage(), 79);
  EXPECT_EQ(Detail(s, 0, 0).DemurrageAmount(), Currency(1286.87));

  // 315 minutes at 18500 per day are exactly 4046.875, a tie that goes to the even cent,
  // although binary arithmetic puts the product a hair below it.
  s.Rec(0).LayTimeOpCompleted.Time = TimeOf("06:15");
  s.Rec(0).PortDemurrageRate = 18500.0;
  s.Calculate();
  ASSERT_EQ(Detail(s, 0, 0).MinutesOnDemurrage(), 315);
  EXPECT_EQ(Detail(s, 0, 0).DemurrageAmount(), Currency(4046.88));
}

TEST(TCalcTankers, RateDependentAllowanceIsTheShareOfThePortsTimeAllowed) {
  // 10000 tonnes at 7000 per day: the port has 2057 minutes (2057.14 rounded). Partners with
  // 6000 and 4000 tonnes get ( 6000 / 10000 ) * 2057 and ( 4000 / 10000 ) * 2057.
  TTankerAllowanceTerms terms;
  terms.LoadRate = 7000.0;
  terms.LoadUnits = TLoadUnits::load_units_p_day;
  terms.PortTimeAllowed = 2057;
  const struct {
    TRoundingMode Mode;
    TDuration First;
    TDuration Second;
  } cases[] = {
      {TRoundingMode::Nearest, 1234, 823},
      {TRoundingMode::Up, 1235, 823},
      {TRoundingMode::Down, 1234, 822},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TCalcTankers::CalculateTimeAllowedForTankersBeforeMinimum(6000, 10000, terms, c.Mode),
              c.First);
    EXPECT_EQ(TCalcTankers::CalculateTimeAllowedForTankersBeforeMinimum(4000, 10000, terms, c.Mode),
              c.Second);
  }

  TScenario s(R"(
    port "P" load 10000 at 7000/day dem 24000 from 2024-03-04 00:00 to 2024-03-06 00:00
    partner "One" 6000
    partner "Two" 4000
  )");
  s.Settings.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
  s.Calculate();
  EXPECT_EQ(s.Rec(0).TimeAllowed, 2057);
  EXPECT_EQ(Detail(s, 0, 0).PortTimeAllowanceBeforeMinimum(), 1234);
  EXPECT_EQ(Detail(s, 1, 0).PortTimeAllowanceBeforeMinimum(), 823);
}

TEST(TCalcTankers, AllowanceInDaysOrHoursIsSharedByQuantity) {
  const struct {
    TLoadUnits Units;
    double Rate;
    double LoadDaysLimit;
    TDuration Expected;
  } cases[] = {
      {TLoadUnits::load_days, 3.0, 99.99, 1440},
      {TLoadUnits::load_hours, 36.0, 99.99, 720},
      {TLoadUnits::load_undef, 3.0, 99.99, 1440},
  };
  for (const auto& c : cases) {
    TTankerAllowanceTerms terms;
    terms.LoadRate = c.Rate;
    terms.LoadUnits = c.Units;
    terms.LoadDaysLimit = c.LoadDaysLimit;
    EXPECT_FALSE(TCalcTankers::IsRatePerCargoUnit(terms));
    EXPECT_EQ(TCalcTankers::CalculateTimeAllowedForTankersBeforeMinimum(1000, 3000, terms,
                                                                        TRoundingMode::Nearest),
              c.Expected);
    EXPECT_EQ(TCalcTankers::CalculateTimeAllowedForTankers(1000, 3000, terms, 2000,
                                                           TRoundingMode::Nearest),
              2000);
  }
}

TEST(TCalcTankers, NoCargoGivesTheMinimumOnly) {
  TTankerAllowanceTerms terms;
  terms.LoadRate = 3.0;
  terms.LoadUnits = TLoadUnits::load_days;
  EXPECT_EQ(
      TCalcTankers::CalculateTimeAllowedForTankers(0, 3000, terms, 600, TRoundingMode::Nearest),
      600);
  EXPECT_EQ(TCalcTankers::CalculateTimeAllowedForTankers(EmptyReal, 3000, terms, 0,
                                                         TRoundingMode::Nearest),
            0);
  EXPECT_EQ(TCalcTankers::CalculateTimeAllowedForTankersBeforeMinimum(1000, 0, terms,
                                                                      TRoundingMode::Nearest),
            0);
}

TEST(TCalcTankers, UndefinedUnitRaisesTheRangeErrorAndLeavesNoRoundingBehind) {
  TTankerAllowanceTerms terms;
  terms.LoadRate = 5.0;
  terms.LoadUnits = static_cast<TLoadUnits>(9);
  try {
    TCalcTankers::CalculateTimeAllowedForTankers(1, 3, terms, 0, TRoundingMode::Up);
    FAIL() << "no error raised";
  } catch (const ERangeError& error) {
    EXPECT_STREQ(error.what(),
                 "<Result> LoadUnit undefined: 9 is not within the valid range of 0..4");
  }
  terms.LoadUnits = TLoadUnits::load_hours;
  terms.LoadRate = 10.0 / 6.0;
  EXPECT_EQ(TCalcTankers::CalculateTimeAllowedForTankersBeforeMinimum(1, 3, terms,
                                                                      TRoundingMode::Nearest),
            33);
}

TEST(TCalcTankers, SharesAreMeasuredAgainstEveryPartnersCurrentQuantity) {
  // The port's demurrage is 10000; fresh partners get 60 % and 40 % of it, not 100 % for the
  // first one because the second partner's quantity was not yet set.
  TScenario s(R"(
    port "P" load 5000 at 5000/day dem 14400 from 2024-03-04 00:00 to 2024-03-05 16:40
    partner "A" 6000
    partner "B" 4000
  )");
  s.Calculate();
  ASSERT_DOUBLE_EQ(s.Rec(0).Demurrage, 10000.0);
  EXPECT_EQ(Detail(s, 0, 0).DemurrageAmount(), Currency(6000.00));
  EXPECT_EQ(Detail(s, 1, 0).DemurrageAmount(), Currency(4000.00));

  s.Calc.ProRata.GetItem(1).ProRataRec.Quantity = 14000;
  s.Calculate();
  EXPECT_EQ(Detail(s, 0, 0).DemurrageAmount(), Currency(3000.00));
  EXPECT_EQ(Detail(s, 1, 0).DemurrageAmount(), Currency(7000.00));
}

TEST(TCalcTankers, ProRataRoundingSettingMapsToTheRoundingMode) {
  EXPECT_EQ(ProRataRoundingMode(0), TRoundingMode::Nearest);
  EXPECT_EQ(ProRataRoundingMode(1), TRoundingMode::Down);
  EXPECT_EQ(ProRataRoundingMode(2), TRoundingMode::Up);
  EXPECT_EQ(ProRataRoundingMode(3), TRoundingMode::Truncate);
  EXPECT_EQ(ProRataRoundingMode(4), TRoundingMode::Nearest);
}

} // namespace
} // namespace laytime
