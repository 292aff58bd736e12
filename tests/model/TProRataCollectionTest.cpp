#include "model/TProRataCollection.h"

#include "core/Settings.h"
#include "core/ZQTypes.h"
#include "model/TCalculation.h"
#include "model/TTieredRates.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace laytime {
namespace {

// A calculation with three ports and no partners; each test adds what it needs.
class ProRataTest : public testing::Test {
protected:
  ProRataTest() {
    calculation.Ports.Add();
    calculation.Ports.Add();
  }

  TProRataItem& AddPartner(const std::string& name, double quantity) {
    TProRataItem& item = proRata.Add();
    item.ProRataRec.Charterer = name;
    item.ProRataRec.Quantity = quantity;
    return item;
  }

  TPortRec& Port(int index) { return calculation.Ports.GetItem(index).PortData; }

  TProRataPortCalculation& Detail(int partner, int port) {
    return proRata.GetItem(partner).GetPortDetails(port);
  }

  TProgramSettings settings;
  TCalculation calculation{settings};
  TProRataCollection& proRata = calculation.ProRata;
};

TEST_F(ProRataTest, PartnersShareTheDemurrageRoundedToCentsBeforeTheSplit) {
  AddPartner("Alpha", 6000);
  AddPartner("Beta", 4000);
  Port(0).Demurrage = 12345.675;

  proRata.RefreshPort(0);

  EXPECT_DOUBLE_EQ(proRata.GetItem(0).Percentage(), 60.0);
  EXPECT_DOUBLE_EQ(proRata.GetItem(1).Percentage(), 40.0);
  EXPECT_DOUBLE_EQ(Detail(0, 0).Percentage(), 60.0);
  EXPECT_EQ(Detail(0, 0).DemurrageAmount(), Currency(7407.41));
  EXPECT_EQ(Detail(1, 0).DemurrageAmount(), Currency(4938.27));
  EXPECT_EQ(proRata.TotalDemurrageForPort(0), Currency(12345.68));
}

// Refreshing partner by partner measures the first partner against a port total that does not
// yet hold the others' quantities; the refresh of a port sets every quantity first.
TEST_F(ProRataTest, PortAmountAndShareAreEachRoundedOnceToCents) {
  // 1286.86501 is 1286.87; taken to four decimals first it would be the tie 1286.8650 and
  // round to the even 1286.86.
  AddPartner("Alpha", 1000);
  Port(0).Demurrage = 1286.86501;
  proRata.RefreshPort(0);
  EXPECT_EQ(Detail(0, 0).DemurrageAmount(), Currency(1286.87));
}

TEST_F(ProRataTest, RefreshOfAPortSetsAllQuantitiesBeforeAnyShare) {
  AddPartner("Alpha", 6000);
  AddPartner("Beta", 4000);
  Port(0).Demurrage = 1000.0;

  proRata.GetItem(0).LoadFromPort(0);
  EXPECT_EQ(Detail(0, 0).DemurrageAmount(), Currency(1000.0)); // the fault: 100 %

  proRata.RefreshPort(0);
  EXPECT_EQ(Detail(0, 0).DemurrageAmount(), Currency(600.0));
  EXPECT_EQ(Detail(1, 0).DemurrageAmount(), Currency(400.0));

  proRata.GetItem(1).ProRataRec.Quantity = 14000;
  proRata.RefreshPort(0);
  EXPECT_EQ(Detail(0, 0).DemurrageAmount(), Currency(300.0));
  EXPECT_EQ(Detail(1, 0).DemurrageAmount(), Currency(700.0));
}

TEST_F(ProRataTest, RefreshAllPortsSumsThePartnersAccounts) {
  AddPartner("Alpha", 3000);
  AddPartner("Beta", 1000);
  Port(0).Demurrage = 1000.0;
  Port(0).PortCommissionPct = 2.5;
  Port(1).Despatch = 400.0;
  Port(2).Demurrage = 200.0;

  proRata.RefreshAllPorts();

  const TProRataItem& alpha = proRata.GetItem(0);
  EXPECT_EQ(alpha.PortDetailCount(), 3);
  EXPECT_EQ(alpha.TotalDemurrageValue(), Currency(900.0));
  EXPECT_EQ(alpha.TotalDespatchValue(), Currency(300.0));
  EXPECT_EQ(alpha.TotalCommissionValue(), Currency(18.75));
  EXPECT_EQ(alpha.NetAmountDue(), Currency(581.25));
  EXPECT_EQ(Detail(0, 0).NetAmount(), Currency(731.25));
  EXPECT_DOUBLE_EQ(proRata.TotalDemurrageValue(), 1200.0);
  EXPECT_DOUBLE_EQ(proRata.TotalCommissionValue(), 25.0);
  EXPECT_EQ(proRata.TotalDespatchForPort(1), Currency(400.0));
  EXPECT_EQ(proRata.TotalCommissionForPort(0), Currency(25.0));
  EXPECT_DOUBLE_EQ(proRata.TotalQuantityForPort(2), 4000.0);
}

TEST_F(ProRataTest, PartnerWithoutQuantityCountsZeroAndHasNoPercentage) {
  AddPartner("Alpha", 3000);
  AddPartner("Beta", EmptyReal);
  Port(0).Demurrage = 500.0;

  proRata.RefreshPort(0);

  EXPECT_DOUBLE_EQ(proRata.TotalQuantity(), 3000.0);
  EXPECT_EQ(proRata.GetItem(1).Percentage(), EmptyReal);
  EXPECT_EQ(Detail(1, 0).Quantity(), 0.0);
  EXPECT_EQ(Detail(1, 0).Percentage(), 0.0);
  EXPECT_EQ(Detail(1, 0).DemurrageAmount(), Currency());
  EXPECT_EQ(Detail(0, 0).DemurrageAmount(), Currency(500.0));
  EXPECT_EQ(proRata.CountItems(), 1);
}

TEST_F(ProRataTest, ZeroQuantitiesGiveZeroSharesNotErrors) {
  AddPartner("Alpha", 0);
  AddPartner("Beta", 0);
  Port(0).Demurrage = 500.0;

  proRata.RefreshPort(0);

  EXPECT_EQ(proRata.GetItem(0).Percentage(), EmptyReal);
  EXPECT_EQ(Detail(0, 0).Percentage(), 0.0);
  EXPECT_EQ(Detail(0, 0).DemurrageAmount(), Currency());
  EXPECT_EQ(proRata.CountItems(), 0);
}

TEST_F(ProRataTest, PercentageOfAPartnerIsRoundedToTenDecimals) {
  AddPartner("Alpha", 1);
  AddPartner("Beta", 2);
  EXPECT_DOUBLE_EQ(proRata.GetItem(0).Percentage(), 33.3333333333);
  EXPECT_DOUBLE_EQ(proRata.GetItem(1).Percentage(), 66.6666666667);
}

TEST_F(ProRataTest, PerPortQuantitiesDecideTheSharesAtEachPort) {
  calculation.Voyage.ProRataPerPort = true;
  AddPartner("Alpha", EmptyReal);
  AddPartner("Beta", EmptyReal);
  Detail(0, 0).SetQuantity(3000);
  Detail(1, 0).SetQuantity(1000);
  Detail(0, 1).SetQuantity(EmptyReal);
  Detail(1, 1).SetQuantity(500);
  Port(0).Demurrage = 1000.0;
  Port(1).Demurrage = 1000.0;

  proRata.RefreshAllPorts();

  EXPECT_EQ(Detail(0, 0).DemurrageAmount(), Currency(750.0));
  EXPECT_EQ(Detail(1, 0).DemurrageAmount(), Currency(250.0));
  EXPECT_EQ(Detail(0, 1).DemurrageAmount(), Currency());
  EXPECT_EQ(Detail(1, 1).DemurrageAmount(), Currency(1000.0));

  int line = 0;
  TProRataError code = TProRataError::ProRataQtyMissing;
  EXPECT_TRUE(proRata.AllRecsValid(line, code));
  EXPECT_EQ(line, -1);
  EXPECT_EQ(code, TProRataError::ProRataOK);
}

TEST_F(ProRataTest, DespatchIsNotSharedWhenDisabled) {
  AddPartner("Alpha", 1000);
  Port(0).Despatch = 123.45;
  proRata.RefreshPort(0);
  EXPECT_EQ(Detail(0, 0).DespatchAmount(), Currency(123.45));

  calculation.Voyage.DespatchDisabled = true;
  proRata.RefreshPort(0);
  EXPECT_EQ(Detail(0, 0).DespatchAmount(), Currency());
}

struct CommissionCase {
  const char* name;
  double demurrage;
  double percent;
  double commission;
};

class ProRataCommissionTest : public ProRataTest,
                              public testing::WithParamInterface<CommissionCase> {};

TEST_P(ProRataCommissionTest, IsRoundedToCentsHalfEven) {
  AddPartner("Alpha", 1000);
  Port(0).Demurrage = GetParam().demurrage;
  Port(0).PortCommissionPct = GetParam().percent;
  proRata.RefreshPort(0);
  EXPECT_EQ(Detail(0, 0).CommissionAmount(), Currency(GetParam().commission));
}

INSTANTIATE_TEST_SUITE_P(Cases, ProRataCommissionTest,
                         testing::Values(CommissionCase{"NoPercentage", 1000.0, EmptyReal, 0.0},
                                         CommissionCase{"Plain", 1000.0, 2.5, 25.0},
                                         CommissionCase{"TieToEvenDown", 50.50, 5.0, 2.52},
                                         CommissionCase{"TieToEvenUp", 50.70, 5.0, 2.54},
                                         CommissionCase{"BelowTie", 1000.10, 2.5, 25.0},
                                         CommissionCase{"OfTheRoundedShare", 100.005, 10.0, 10.0},
                                         // 13.394962 rounds once to 13.39; through four decimals
                                         // it would reach the tie 13.3950 and become 13.40.
                                         CommissionCase{"RoundedOnlyOnce", 1007.14, 1.33, 13.39}),
                         [](const auto& info) { return info.param.name; });

TEST_F(ProRataTest, TieredDemurrageIsPricedOverThePortsMinutesPerPort) {
  calculation.Voyage.ProRataPerPort = true;
  AddPartner("Alpha", EmptyReal);
  AddPartner("Beta", EmptyReal);
  Detail(0, 0).SetQuantity(6000);
  Detail(1, 0).SetQuantity(4000);
  TPortItem& port = calculation.Ports.GetItem(0);
  port.PortData.UseTieredDemurrage = true;
  port.PortData.TimeUsed = 10000;
  port.PortData.TimeAllowed = 2080;
  port.TieredDemurrageRates.DefaultsFrom(10000);
  port.TieredDemurrageRates.Add() = TTieredRate{3, 0, 15000};

  proRata.RefreshPort(0);

  EXPECT_EQ(Detail(0, 0).PortTimeUsed(), 10000);
  EXPECT_EQ(Detail(0, 0).PortTimeAllowanceInMinutes(), 2080);
  EXPECT_EQ(Detail(0, 0).DemurrageAmount(), Currency(40500.0));
  EXPECT_EQ(Detail(1, 0).DemurrageAmount(), Currency(27000.0));
  EXPECT_EQ(Detail(0, 0).TieredTimes().GetMinutesAllocatedToTier(0), 4320);
  EXPECT_EQ(Detail(0, 0).TieredTimes().GetMinutesAllocatedToTier(1), 3600);
}

TEST_F(ProRataTest, TieredShareWithoutPerPortQuantitiesIsZero) {
  AddPartner("Alpha", 1000);
  TPortItem& port = calculation.Ports.GetItem(0);
  port.PortData.UseTieredDemurrage = true;
  port.PortData.TimeUsed = 10000;
  port.PortData.Demurrage = 5000.0;
  port.TieredDemurrageRates.DefaultsFrom(10000);

  proRata.RefreshPort(0);

  EXPECT_EQ(Detail(0, 0).PortTimeUsed(), 0);
  EXPECT_EQ(Detail(0, 0).DemurrageAmount(), Currency());
  EXPECT_EQ(Detail(0, 0).TieredTimes().GetMinutesAllocatedToTier(0), 0);
}

TEST_F(ProRataTest, OnTimeTheModelSetsOnlyThePortFiguresAndTheCommission) {
  settings.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
  AddPartner("Alpha", 1000);
  Port(0).TimeUsed = 7200;
  Port(0).TimeWaited = 360;
  Port(0).TankerMinTimeAllowance = 1440;
  Port(0).Despatch = 999.0;
  Port(0).Demurrage = 999.0;
  Port(0).PortCommissionPct = 1.25;

  proRata.RefreshPort(0);

  TProRataPortCalculation& detail = Detail(0, 0);
  EXPECT_EQ(detail.PortTimeUsed(), 7560);
  EXPECT_EQ(detail.PortMinTimeAllowanceInMinutes(), 1440);
  EXPECT_EQ(detail.DespatchAmount(), Currency());
  EXPECT_EQ(detail.DemurrageAmount(), Currency());
  EXPECT_DOUBLE_EQ(detail.Quantity(), 1000.0);

  // What the engine does next.
  detail.SetAllocatedMinutes(4320);
  detail.SetSharedMinutes(7560);
  EXPECT_EQ(detail.MinutesOnDemurrage(), 3240);
  detail.SetDemurrageAmount(Currency(54000.0));
  detail.CalculateCommission(Port(0));
  EXPECT_EQ(detail.CommissionAmount(), Currency(675.0));
  EXPECT_EQ(detail.NetAmount(), Currency(53325.0));

  Port(0).TankerMinTimeAllowance = EmptyTime;
  proRata.RefreshPort(0);
  EXPECT_EQ(detail.PortMinTimeAllowanceInMinutes(), 0);
}

TEST_F(ProRataTest, MinutesOnDemurrageAreNeverNegative) {
  AddPartner("Alpha", 1000);
  TProRataPortCalculation& detail = Detail(0, 0);
  detail.SetAllocatedMinutes(500);
  detail.SetSharedMinutes(400);
  EXPECT_EQ(detail.MinutesOnDemurrage(), 0);
  EXPECT_EQ(TProRataItem::ApplyMinimum(1080, 1440), 1440);
  EXPECT_EQ(TProRataItem::ApplyMinimum(3240, 1440), 3240);
}

TEST_F(ProRataTest, HoursPerPortAreSummedFromMinutes) {
  AddPartner("Alpha", 1);
  AddPartner("Beta", 1);
  Detail(0, 1).SetSharedMinutes(90);
  Detail(1, 1).SetSharedMinutes(30);
  Detail(0, 1).SetAllocatedMinutes(60);
  EXPECT_DOUBLE_EQ(proRata.TotalSharedHoursForPort(1), 2.0);
  EXPECT_DOUBLE_EQ(proRata.TotalAllocatedHoursForPort(1), 1.0);
  EXPECT_DOUBLE_EQ(proRata.TotalSharedHoursForPort(2), 0.0);
}

struct ValidationCase {
  const char* name;
  bool perPort;
  std::string charterer;
  std::string remark;
  double quantity;
  bool isLastLine;
  TProRataError code;
};

class ProRataValidationTest : public ProRataTest,
                              public testing::WithParamInterface<ValidationCase> {};

TEST_P(ProRataValidationTest, FirstFindingOfTheLine) {
  const ValidationCase& c = GetParam();
  calculation.Voyage.ProRataPerPort = c.perPort;
  AddPartner("Alpha", 1000);
  TProRataItem& line = AddPartner(c.charterer, c.quantity);
  line.ProRataRec.Remark = c.remark;
  if (!c.isLastLine)
    AddPartner("Omega", 1000);

  EXPECT_EQ(proRata.IsValidRec(1), c.code);
  int errLine = 0;
  TProRataError errCode = TProRataError::ProRataOK;
  EXPECT_EQ(proRata.AllRecsValid(errLine, errCode), c.code == TProRataError::ProRataOK);
  EXPECT_EQ(errLine, c.code == TProRataError::ProRataOK ? -1 : 1);
  EXPECT_EQ(errCode, c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProRataValidationTest,
    testing::Values(
        ValidationCase{"Complete", false, "Beta", "", 1.0, false, TProRataError::ProRataOK},
        ValidationCase{"EmptyLastLine", false, " ", "", EmptyReal, true, TProRataError::ProRataOK},
        ValidationCase{"EmptyMiddleLine", false, "", "", EmptyReal, false,
                       TProRataError::ProRataQtyMissing},
        ValidationCase{"EmptyMiddleLinePerPort", true, "", "", EmptyReal, false,
                       TProRataError::ProRataNameMissing},
        ValidationCase{"LastLineWithRemarkOnly", false, "", "note", EmptyReal, true,
                       TProRataError::ProRataQtyMissing},
        ValidationCase{"NegativeQuantity", false, "Beta", "", -1.0, false,
                       TProRataError::ProRataQtyInvalid},
        ValidationCase{"NegativeQuantityPerPort", true, "Beta", "", -1.0, false,
                       TProRataError::ProRataOK},
        ValidationCase{"ZeroQuantity", false, "Beta", "", 0.0, false, TProRataError::ProRataOK},
        ValidationCase{"BlankName", false, " \t", "", 5.0, true,
                       TProRataError::ProRataNameMissing}),
    [](const auto& info) { return info.param.name; });

struct MessageCase {
  TProRataError code;
  const char* message;
  bool warning;
};

TEST(TProRataError, MessagesAndWarnings) {
  const MessageCase cases[] = {
      {TProRataError::ProRataOK, "OK", false},
      {TProRataError::ProRataEmptyRec, "Line is empty", false},
      {TProRataError::ProRataNameMissing, "Name missing", true},
      {TProRataError::ProRataQtyInvalid, "Invalid cargo quantity", false},
      {TProRataError::ProRataQtyMissing, "Cargo quantity missing", false},
      {TProRataError::ProRataSumDifference,
       "Sum of pro-rated cargoes does not match quantity loaded/discharged", true},
  };
  for (const MessageCase& c : cases) {
    EXPECT_EQ(ProRataErrorMessage(c.code), c.message);
    EXPECT_EQ(IsProRataErrorWarning(c.code), c.warning) << c.message;
  }
}

TEST_F(ProRataTest, DeletingAPortRemovesItsDetailAndRenumbersTheRest) {
  calculation.Voyage.ProRataPerPort = true;
  AddPartner("Alpha", EmptyReal);
  AddPartner("Beta", EmptyReal);
  for (int port = 0; port < 3; ++port)
    Detail(0, port).SetQuantity(100.0 * (port + 1));
  Detail(1, 0).SetQuantity(1);

  proRata.DeletePort(1);

  const TProRataItem& alpha = proRata.GetItem(0);
  ASSERT_EQ(alpha.PortDetailCount(), 2);
  EXPECT_EQ(alpha.FindPortDetails(0)->PortIdx(), 0);
  EXPECT_EQ(alpha.FindPortDetails(1)->PortIdx(), 1);
  EXPECT_DOUBLE_EQ(alpha.FindPortDetails(1)->Quantity(), 300.0);
  EXPECT_EQ(proRata.GetItem(1).PortDetailCount(), 1); // no detail at that port: nothing removed
  EXPECT_THROW(proRata.DeletePort(-1), std::out_of_range);
}

TEST_F(ProRataTest, GetPortDetailsCreatesTheMissingDetails) {
  TProRataItem& alpha = AddPartner("Alpha", 1);
  EXPECT_EQ(alpha.FindPortDetails(0), nullptr);
  EXPECT_EQ(alpha.GetPortDetails(2).PortIdx(), 2);
  EXPECT_EQ(alpha.PortDetailCount(), 3);
  EXPECT_EQ(alpha.FindPortDetails(1)->PortIdx(), 1);
  EXPECT_THROW(alpha.GetPortDetails(-1), std::out_of_range);

  EXPECT_THROW(alpha.LoadFromPort(3), std::out_of_range); // the calculation has three ports
  EXPECT_EQ(alpha.PortDetailCount(), 3);
}

TEST_F(ProRataTest, PartnersAreFoundByTheirExactName) {
  AddPartner("Alpha", 1);
  AddPartner("Beta", 1);
  AddPartner("Beta", 2);
  EXPECT_EQ(proRata.GetIndexForPartner("Beta"), 1);
  EXPECT_EQ(proRata.GetIndexForPartner("beta"), -1);
  EXPECT_EQ(proRata.GetIndexForPartner("Beta "), -1);
}

TEST_F(ProRataTest, CollectionOperations) {
  AddPartner("Alpha", 1);
  AddPartner("Gamma", 3);
  proRata.Insert(1).ProRataRec.Charterer = "Beta";
  EXPECT_EQ(proRata.GetItem(1).PartnerName(), "Beta");
  EXPECT_EQ(proRata.GetItem(2).PartnerName(), "Gamma");

  proRata.GetItem(2).GetPortDetails(0).SetQuantity(3);
  proRata.SetItem(1, proRata.GetItem(2));
  EXPECT_EQ(proRata.GetItem(1).ProRataRec, proRata.GetItem(2).ProRataRec);
  EXPECT_EQ(proRata.GetItem(1).PortDetailCount(), 0); // Assign copies the line only

  proRata.GetItem(2).ClearData();
  EXPECT_EQ(proRata.GetItem(2).ProRataRec, TProRataRec());
  EXPECT_EQ(proRata.GetItem(2).PortDetailCount(), 1);
  EXPECT_TRUE(proRata.IsEmptyRec(2));

  proRata.Delete(0);
  EXPECT_EQ(proRata.Count(), 2);
  EXPECT_THROW(proRata.GetItem(2), std::out_of_range);
  EXPECT_THROW(proRata.Insert(3), std::out_of_range);
  EXPECT_THROW(proRata.IsValidRec(-1), std::out_of_range);

  proRata.ActiveRow = 4;
  proRata.Clear();
  EXPECT_EQ(proRata.Count(), 0);
  EXPECT_EQ(proRata.ActiveRow, 0);
}

} // namespace
} // namespace laytime
