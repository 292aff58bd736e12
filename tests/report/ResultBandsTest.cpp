// The result bands after the statement of facts: time accounts, amount lines in every form,
// tiers, group and averaged results, balances and partner shares.
#include "ReportFixture.h"

#include "model/PriceTieredDemurrage.h"

namespace laytime::test {
namespace {

using Strings = std::vector<std::string>;

class ResultBandsTest : public ReportFixture {
protected:
  /// One non-reversible loading port with results filled in by hand: allowed 2 days.
  TPortRec& PortWithResult(TDuration m1) {
    Calc.Voyage.PortMode = TPortMode::NonReversible;
    TPortRec& port = LoadingPort(0, "Rouen");
    port.TimeAllowed = 2880;
    port.TimeUsed = 2880 - m1;
    port.M1 = m1;
    if (m1 > 0) {
      port.Despatch = 5000.0 * m1 / 1440.0;
    } else {
      port.Demurrage = 10000.0 * -m1 / 1440.0;
    }
    return port;
  }

  Strings AmountLine() { return Texts(Band(Build(), "qrbAmountDue")); }
};

TEST_F(ResultBandsTest, PortResultAndDespatchInDecimalDays) {
  PortWithResult(1800);
  Settings.ShowDecimalDayResult = true;
  Settings.DayDecimals = 2;
  const TReportDocument doc = Build();
  EXPECT_EQ(ResultNames(doc), (Strings{"qrbPortResult", "qrbAmountDue"}));
  EXPECT_EQ(Texts(Band(doc, "qrbPortResult")),
            (Strings{"Time allowed:", "2", "d", "00:00", "Time used:", "0", "d", "18:00",
                     "Time saved", "1", "d", "06:00"}));
  EXPECT_TRUE(Caption(Band(doc, "qrbPortResult"), "Time saved")->Font.Bold);
  EXPECT_EQ(Texts(Band(doc, "qrbAmountDue")), (Strings{"Despatch due:", "1.25", "days at", "USD",
                                                       "5,000.00", "/day =", "USD", "6,250.00"}));
  // Despatch time stays in days when rates are shown per hour.
  Settings.DemurrageRateUnit = TDemurrateRateUnit::druPerHour;
  EXPECT_EQ(AmountLine(), (Strings{"Despatch due:", "1.25", "days at", "USD", "208.33",
                                   "/hour =", "USD", "6,250.00"}));
  Settings.ShowDecimalDayResult = false;
  EXPECT_EQ(AmountLine(), (Strings{"Despatch due:", "1 d 06:00", "hrs  at", "USD", "208.33",
                                   "/hour =", "USD", "6,250.00"}));
}

TEST_F(ResultBandsTest, WaitedTimeAndAllTimeSaved) {
  TPortRec& port = PortWithResult(600);
  port.TimeWaited = 90;
  port.TimeUsed -= 90;
  port.TimeSaved = 900;
  port.PortDespatchMode = TCalcDespatch::calcSavedtime;
  EXPECT_EQ(Texts(Band(Build(), "qrbPortResult")),
            (Strings{"Time allowed:", "2", "d", "00:00", "Time used:", "1", "d", "14:00",
                     "thereof waited:", "0", "d", "01:30", "Time saved", "0", "d", "15:00"}));
}

TEST_F(ResultBandsTest, DemurrageInHoursOrDaysAndClock) {
  PortWithResult(-1800);
  Settings.DemurrageRateUnit = TDemurrateRateUnit::druPerHour;
  Settings.ShowDecimalDayResult = true;
  Settings.DayDecimals = 2;
  EXPECT_EQ(AmountLine(), (Strings{"Demurrage due:", "30.00", "hrs  at", "USD", "416.67",
                                   "/hour =", "USD", "12,500.00"}));
  EXPECT_EQ(Texts(Band(Build(), "qrbPortResult")).at(8), "Time lost");
  Settings.DemurrageRateUnit = TDemurrateRateUnit::druPerDay;
  EXPECT_EQ(AmountLine(), (Strings{"Demurrage due:", "1.25", "days at", "USD", "10,000.00",
                                   "/day =", "USD", "12,500.00"}));
  Settings.ShowDecimalDayResult = false;
  EXPECT_EQ(AmountLine(), (Strings{"Demurrage due:", "1 d 06:00", "hrs  at", "USD", "10,000.00",
                                   "/day =", "USD", "12,500.00"}));
}

TEST_F(ResultBandsTest, RatePerCargoUnitIsPricedAsDailyAmount) {
  TPortRec& port = PortWithResult(-720);
  port.PortDemurrageRate = 2.5; // × 10000 mts = 25000 per day
  port.Demurrage = 12500.0;
  EXPECT_EQ(AmountLine(), (Strings{"Demurrage due:", "0 d 12:00", "hrs  at", "USD", "25,000.00",
                                   "/day =", "USD", "12,500.00"}));
}

TEST_F(ResultBandsTest, TimeSavedWithDespatchDisabled) {
  PortWithResult(1800);
  Calc.Voyage.DespatchDisabled = true;
  EXPECT_EQ(AmountLine(), (Strings{"Demurrage due:", "0.000", "days at", "USD", "10,000.00",
                                   "/day =", "USD", "0.00"}));
}

TEST_F(ResultBandsTest, CommissionFollowsTheAmountLine) {
  TPortRec& port = PortWithResult(-1440);
  port.PortCommissionPct = 2.5;
  port.Commission = 250.0;
  const TReportDocument doc = Build();
  EXPECT_EQ(ResultNames(doc), (Strings{"qrbPortResult", "qrbAmountDue", "qrbCommission"}));
  EXPECT_EQ(
      Texts(Band(doc, "qrbCommission")),
      (Strings{"Less", "2.50", "% Commission", "USD", "250.00", "Amount due", "USD", "9,750.00"}));
  EXPECT_TRUE(Band(doc, "qrbAmountDue").Rules.empty()); // the commission line carries the rule
  Calc.Voyage.ProRataPerPort = true;
  EXPECT_EQ(Count(Build(), "qrbCommission"), 0);
}

TEST_F(ResultBandsTest, DetentionAtCustomaryQuickDespatchPort) {
  TPortRec& port = PortWithResult(-300);
  port.PortCalcCQD = true;
  port.TimeAllowed = 0;
  port.Demurrage = 2083.33;
  port.PortCommissionPct = 1.25;
  port.Commission = 26.04;
  const TReportDocument doc = Build();
  EXPECT_EQ(ResultNames(doc), (Strings{"qrbAmountDue", "qrbCommission"}));
  const TReportBand& line = Band(doc, "qrbAmountDue");
  EXPECT_EQ(Texts(line), (Strings{"Detention due:", "0 d 05:00", "hrs  at", "USD", "10,000.00",
                                  "/day =", "USD", "2,083.33"}));
  ASSERT_EQ(line.Rules.size(), 1u);
  EXPECT_DOUBLE_EQ(line.Rules[0].Top, 0.0);
}

TEST_F(ResultBandsTest, TierRowsAndTieredTotalReplaceTheAmountLine) {
  TPortRec& port = PortWithResult(-7920);
  port.UseTieredDemurrage = true;
  port.PortCommissionPct = 2.0;
  TTieredRates& rates = Item(0).TieredDemurrageRates;
  rates.DefaultsFrom(10000.0);
  TTieredRate& second = rates.Add();
  second.FromDay = 3;
  second.Rate = 15000.0;
  port.Demurrage = PriceTieredDemurrage(rates, *port.TieredTimes, 7920).ToDouble();
  port.Commission = port.Demurrage * 0.02;
  Settings.ShowDecimalDayResult = true;
  const TReportDocument doc = Build();
  EXPECT_EQ(ResultNames(doc), (Strings{"qrbPortResult", "qrbAmountDueTiered", "qrbAmountDueTiered",
                                       "qrbTieredSummary", "qrbCommission"}));
  EXPECT_EQ(Texts(Band(doc, "qrbAmountDueTiered", 0)),
            (Strings{"3.000", "days at", "USD", "10,000.00", "/day =", "USD", "30,000.00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbAmountDueTiered", 1)),
            (Strings{"2.500", "days at", "USD", "15,000.00", "/day =", "USD", "37,500.00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbTieredSummary")), (Strings{"Demurrage due:", "USD", "67,500.00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbCommission")),
            (Strings{"Less", "2.00", "% Commission", "USD", "1,350.00", "Amount due", "USD",
                     "66,150.00"}));
}

TEST_F(ResultBandsTest, TieredPortWithoutDemurrageKeepsItsAmountLine) {
  TPortRec& port = PortWithResult(-60);
  port.UseTieredDemurrage = true;
  port.Demurrage = 0.0;
  const TReportDocument doc = Build();
  EXPECT_EQ(ResultNames(doc), (Strings{"qrbPortResult", "qrbAmountDue"}));
  // A tiered port's line names the time unit alone and shows no rate.
  EXPECT_EQ(Texts(Band(doc, "qrbAmountDue")),
            (Strings{"Demurrage due:", "0 d 01:00", "hrs", "USD", "USD", "0.00"}));
}

TEST_F(ResultBandsTest, GroupAccountsOfLoadingReversiblePorts) {
  Calc.Voyage.PortMode = TPortMode::LoadingReversible;
  Calc.Voyage.DespatchModeLoading = TCalcDespatch::calcWorktime;
  Calc.Voyage.DemurrageRateLoading = 12000.0;
  Calc.Voyage.DespatchRateLoading = 6000.0;
  Calc.Voyage.CommissionPctLoading = 2.5;
  for (int i = 0; i < 2; ++i) {
    TPortRec& port = LoadingPort(i, i == 0 ? "Rouen" : "Antwerp");
    port.PortLoadUnits = TLoadUnits::load_days;
    port.PortLoadRate = 1.5;
    port.CargoQuantity = EmptyReal;
    port.PortDemurrageRate = EmptyReal;
    port.PortDespatchRate = EmptyReal;
    SoF(i, Monday + 2, 6 * 60, TFactCode::full_tfact, 100);
  }
  CalculateVoyage(Calc);
  const TReportDocument doc = Build();
  EXPECT_EQ(ResultNames(doc), (Strings{"qrbPortSummary", "qrbPortSummary", "qrbPortSummaryResult",
                                       "qrbAmountDue", "qrbCommission", "qrbBalance"}));
  EXPECT_EQ(Texts(Band(doc, "qrbPortSummary", 0)),
            (Strings{"Total time remaining for loading", "3", "d", "00:00",
                     "Time used in this port:", "1", "d", "22:00", "Time remaining:", "1", "d",
                     "02:00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbPortSummary", 1)),
            (Strings{"Total time remaining for loading", "1", "d", "02:00",
                     "Time used in this port:", "1", "d", "22:00", "Time remaining:", "0", "d",
                     "00:00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbPortSummaryResult")),
            (Strings{"Total time allowed for loading", "3", "d", "00:00", "Total time used:", "3",
                     "d", "20:00", "Total time lost:", "0", "d", "20:00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbAmountDue")),
            (Strings{"Demurrage due:", "0 d 20:00", "hrs  at", "USD", "12,000.00", "/day =", "USD",
                     "10,000.00"}));
  EXPECT_EQ(
      Texts(Band(doc, "qrbCommission")),
      (Strings{"Less", "2.50", "% Commission", "USD", "250.00", "Amount due", "USD", "9,750.00"}));
  // The group's rates are printed instead of the ports' own.
  EXPECT_EQ(Texts(Band(doc, "qrbDemurrageRate")),
            (Strings{"Demurrage rate", "USD/day", "12,000.00"}));
}

TEST_F(ResultBandsTest, BothGroupsReversibleThroughTheCalculation) {
  TVoyageRec& voyage = Calc.Voyage;
  voyage.PortMode = TPortMode::LoadDischReversible;
  voyage.DespatchModeLoading = TCalcDespatch::calcWorktime;
  voyage.DespatchModeDischarging = TCalcDespatch::calcWorktime;
  voyage.DemurrageRateLoading = 12000.0;
  voyage.DespatchRateLoading = 6000.0;
  voyage.CommissionPctLoading = 2.5;
  voyage.DemurrageRateDischarging = 8000.0;
  voyage.DespatchRateDischarging = 4000.0;
  for (int i = 0; i < 2; ++i) {
    TPortRec& port = LoadingPort(i, i == 0 ? "Rouen" : "Lagos");
    port.OpLoading = i == 0;
    port.OpDischarging = i == 1;
    port.PortLoadUnits = TLoadUnits::load_days;
    port.PortLoadRate = i == 0 ? 1.5 : 3.0;
    SoF(i, Monday + 2, 6 * 60, TFactCode::full_tfact, 100);
  }
  CalculateVoyage(Calc);
  const TReportDocument doc = Build();
  EXPECT_EQ(ResultNames(doc),
            (Strings{"qrbPortSummary", "qrbPortSummaryResult", "qrbAmountDue", "qrbCommission",
                     "qrbPortSummary", "qrbPortSummaryResult", "qrbAmountDue", "qrbBalance"}));
  EXPECT_EQ(Texts(Band(doc, "qrbPortSummaryResult", 0)),
            (Strings{"Total time allowed for loading", "1", "d", "12:00", "Total time used:", "1",
                     "d", "22:00", "Total time lost:", "0", "d", "10:00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbAmountDue", 0)),
            (Strings{"Demurrage due:", "0 d 10:00", "hrs  at", "USD", "12,000.00", "/day =", "USD",
                     "5,000.00"}));
  EXPECT_EQ(
      Texts(Band(doc, "qrbCommission")),
      (Strings{"Less", "2.50", "% Commission", "USD", "125.00", "Amount due", "USD", "4,875.00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbPortSummary", 1)),
            (Strings{"Total time remaining for discharging", "3", "d", "00:00",
                     "Time used in this port:", "1", "d", "22:00", "Time remaining:", "1", "d",
                     "02:00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbPortSummaryResult", 1)),
            (Strings{"Total time allowed for discharging", "3", "d", "00:00", "Total time used:",
                     "1", "d", "22:00", "Total time saved:", "1", "d", "02:00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbAmountDue", 1)),
            (Strings{"Despatch due:", "1 d 02:00", "hrs  at", "USD", "4,000.00", "/day =", "USD",
                     "4,333.33"}));
  EXPECT_EQ(Texts(Band(doc, "qrbBalance")),
            (Strings{"Total Demurrage net", "USD", "4,875.00", "Total Despatch", "USD", "4,333.33",
                     "Balance:", "Demurrage", "USD", "541.67"}));
  EXPECT_EQ(Texts(Band(doc, "qrbDemurrageRate", 1)),
            (Strings{"Demurrage rate", "USD/day", "8,000.00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbDespatchRate", 0)),
            (Strings{"Despatch rate", "USD/day", "6,000.00"}));
}

TEST_F(ResultBandsTest, AveragedResult) {
  Calc.Voyage.PortMode = TPortMode::AllAverage;
  Calc.Voyage.DemurrageRateAllPorts = 14400.0;
  Calc.Voyage.DespatchRateAllPorts = 7200.0;
  LoadingPort(0, "Rouen").M1 = 120;
  LoadingPort(1, "Antwerp").M1 = -200;
  Calc.Voyage.AvgsTimeSaved = 120;
  Calc.Voyage.AvgsTimeLost = 200;
  Calc.Voyage.M1AllPorts = -80;
  Calc.Voyage.DemurrageAllPorts = 800.0;
  const TReportDocument doc = Build();
  EXPECT_EQ(ResultNames(doc),
            (Strings{"qrbPortResult", "qrbPortResult", "qrbAveragedResult", "qrbAmountDue"}));
  EXPECT_EQ(Texts(Band(doc, "qrbAveragedResult")),
            (Strings{"Total time saved:", "0", "d", "02:00", "Total time lost:", "0", "d", "03:20",
                     "Resulting time lost:", "0", "d", "01:20"}));
  EXPECT_EQ(Texts(Band(doc, "qrbAmountDue")),
            (Strings{"Demurrage due:", "0 d 01:20", "hrs  at", "USD", "14,400.00", "/day =", "USD",
                     "800.00"}));
}

class BalanceTest : public ResultBandsTest {
protected:
  // Two ports, loading reversible figures by hand: demurrage 1000 less 25 commission at the
  // loading ports, despatch 300 at the discharging ports.
  void TwoPortVoyage() {
    Calc.Voyage.PortMode = TPortMode::LoadDischReversible;
    LoadingPort(0, "Rouen");
    TPortRec& discharging = LoadingPort(1, "Lagos");
    discharging.OpLoading = false;
    discharging.OpDischarging = true;
    Calc.Voyage.DemurrageLoading = 1000.0;
    Calc.Voyage.CommissionLoading = 25.0;
    Calc.Voyage.DespatchDischarging = 300.0;
    TProRataItem& partner = Calc.ProRata.Add();
    partner.ProRataRec.Charterer = "Grain Co";
    partner.ProRataRec.Quantity = 6000.0;
    Calc.ProRata.Add().ProRataRec = {"Feed Co", "", 4000.0};
  }
};

TEST_F(BalanceTest, VoyageBalanceAndShareOnQuantity) {
  TwoPortVoyage();
  const TReportDocument doc = Build();
  EXPECT_EQ(Texts(Band(doc, "qrbBalance")),
            (Strings{"Total Demurrage net", "USD", "975.00", "Total Despatch", "USD", "300.00",
                     "Balance:", "Demurrage", "USD", "675.00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbProRata")),
            (Strings{"Share of:", "Grain Co", "Cargo quantity:", "6,000.000", "of", "10,000.000",
                     "=", "60.00", "%", "USD", "405.00"}));
  // The closing bands belong to the last port.
  EXPECT_EQ(doc.Body.back().Name, "qrbProRata");
  Settings.PrintMultiplePortSummary = false;
  EXPECT_EQ(Count(Build(), "qrbBalance"), 0);
}

TEST_F(BalanceTest, DespatchDisabledGivesNoShareOfADespatchBalance) {
  TwoPortVoyage();
  Calc.Voyage.DemurrageLoading = 225.0; // 200 net
  Calc.Voyage.DespatchDisabled = true;
  const TReportDocument doc = Build();
  EXPECT_EQ(Count(doc, "qrbBalance"), 0);
  EXPECT_EQ(Texts(Band(doc, "qrbBalanceNoDespatch")), (Strings{"Total Demurrage", "USD", "0.00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbProRata")).back(), "0.00");
}

TEST_F(BalanceTest, PartnerIndexOutsideThePartnerLinesIsAnError) {
  TwoPortVoyage();
  Report.ProRataIndex = 2;
  EXPECT_THROW(Build(), std::out_of_range);
  Report.ProRataIndex = -1;
  EXPECT_THROW(Build(), std::out_of_range);
  // Without partner lines the index has no meaning: no band shows a share.
  Calc.ProRata.Clear();
  Report.ProRataIndex = 3;
  const TReportDocument doc = Build();
  EXPECT_EQ(Count(doc, "qrbProRata"), 0);
  EXPECT_EQ(Count(doc, "qrbBalance"), 1);
}

TEST_F(BalanceTest, SharesPerPort) {
  TwoPortVoyage();
  Calc.Voyage.PortMode = TPortMode::NonReversible;
  Calc.Voyage.ProRataPerPort = true;
  Port(0).M1 = -720;
  Port(0).Demurrage = 5000.0;
  Port(1).M1 = 720;
  Port(1).Despatch = 2500.0;
  for (int p = 0; p < 2; ++p) {
    Calc.ProRata.GetItem(0).GetPortDetails(p).SetQuantity(p == 0 ? 3000.0 : 1000.0);
    Calc.ProRata.GetItem(1).GetPortDetails(p).SetQuantity(p == 0 ? 7000.0 : 4000.0);
  }
  Calc.ProRata.RefreshAllPorts();
  const TReportDocument doc = Build();
  EXPECT_EQ(ResultNames(doc),
            (Strings{"qrbPortResult", "qrbAmountDue", "qrbProRataSharePerPort", "qrbPortResult",
                     "qrbAmountDue", "qrbProRataSharePerPort", "qrbProRataSharePerPortBalance"}));
  const TReportBand& share = Band(doc, "qrbProRataSharePerPort", 0);
  EXPECT_EQ(Texts(share), (Strings{"Share of:", "Grain Co", "Cargo quantity:", "3,000.000", "of",
                                   "10,000.000", "=", "30.00", "%", "USD", "1,500.00"}));
  EXPECT_TRUE(Caption(share, "1,500.00")->Font.Underline);
  EXPECT_EQ(Texts(Band(doc, "qrbProRataSharePerPort", 1))[10], "500.00");
  EXPECT_EQ(Texts(Band(doc, "qrbProRataSharePerPortBalance")),
            (Strings{"Total Demurrage net", "USD", "1,500.00", "Total Despatch", "USD", "500.00",
                     "Total Commission", "USD", "0.00", "Balance:", "USD", "1,000.00"}));
  EXPECT_EQ(Count(doc, "qrbBalance"), 0);
}

TEST_F(ResultBandsTest, ShareOnTimeOfTankerPartners) {
  Settings.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
  Settings.PctDecimals = 2;
  Calc.Voyage.PortMode = TPortMode::NonReversible;
  TPortRec& port = LoadingPort(0, "Fujairah");
  port.PortLoadUnits = TLoadUnits::load_hours;
  port.PortLoadRate = 72.0;
  port.CargoQuantity = 80000.0;
  port.TankerMinTimeAllowance = 1440;
  port.PortDemurrageRate = 24000.0;
  port.LayTimeCountFrom = {Monday, 0, "NOR + 6 hours"};
  port.LayTimeOpCompleted = {Monday + 5, 6 * 60, "Hoses off"};
  SoF(0, Monday, 6 * 60, TFactCode::wait_tfact, 100);
  SoF(0, Monday + 5, 6 * 60, TFactCode::full_tfact, 100);
  Calc.ProRata.Add().ProRataRec = {"Shell", "", 60000.0};
  Calc.ProRata.Add().ProRataRec = {"BP", "", 20000.0};
  LoadingPort(1, "Rotterdam");
  SoF(1, Monday + 2, 6 * 60, TFactCode::full_tfact, 100);
  Port(1).PortLoadUnits = TLoadUnits::load_hours;
  Port(1).PortLoadRate = 72.0;
  CalculateVoyage(Calc);
  const TReportDocument doc = Build();

  EXPECT_EQ(ResultNames(doc),
            (Strings{"qrbTankerProRata", "qrbTankerProRataDue", "qrbTankerProRata",
                     "qrbTankerProRataDue", "qrbTankerProRataBalance"}));
  EXPECT_EQ(Texts(Band(doc, "qrbTankerProRata")), (Strings{"Share of:",
                                                           "Shell",
                                                           "Time allowed:",
                                                           "2",
                                                           "d",
                                                           "06:00",
                                                           "Pro Rata Allowance",
                                                           "Time used:",
                                                           "3",
                                                           "d",
                                                           "22:30",
                                                           "Share:",
                                                           "75.00",
                                                           "%",
                                                           "of",
                                                           "5",
                                                           "d",
                                                           "06:00",
                                                           "Time lost:",
                                                           "1",
                                                           "d",
                                                           "16:30"}));
  EXPECT_EQ(Texts(Band(doc, "qrbTankerProRataDue")),
            (Strings{"Partner demurrage due:", "1 d 16:30", "hrs pro rata at", "USD", "24,000.00",
                     "/day =", "USD", "40,500.00"}));
  EXPECT_EQ(
      Texts(Band(doc, "qrbCalculatedTimeAllowed")),
      (Strings{"Pro rata allowance", "hours", "54:00", "( 60,000.000 / 80,000.000 ) * 3 d 00:00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbMinTimeAllowed")),
            (Strings{"Min.time allowance", "hours", "24:00"}));

  Report.ProRataIndex = 1;
  const TReportDocument second = Build();
  EXPECT_EQ(Texts(Band(second, "qrbTankerProRata")).at(6), "Minimum Allowance");
  EXPECT_EQ(Texts(Band(second, "qrbTankerProRataDue")).back(), "7,500.00");

  Settings.ShowDecimalDayResult = true;
  EXPECT_EQ(Texts(Band(Build(), "qrbTankerProRataDue")).at(2), "days pro rata at");
}

} // namespace
} // namespace laytime::test
