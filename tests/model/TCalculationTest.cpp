#include "model/TCalculation.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

class CalculationTest : public ::testing::Test {
protected:
  TProgramSettings Settings;
  TCalculation Calc{Settings};
};

TEST_F(CalculationTest, ClearStartsANewCalculationFromTheTemplate) {
  Calc.TemplateSettings.DefaultPortMode = TPortMode::AllReversible;
  Calc.Voyage.VesselName = "Ocean Pride";
  Calc.Status.EditCount = 4;
  Calc.Ports.GetItem(0).PortData.PortName = "Richards Bay";
  Calc.Ports.Add();
  Calc.ProRata.Add();

  Calc.Clear();
  EXPECT_EQ(Calc.Voyage.VesselName, "");
  EXPECT_EQ(Calc.Voyage.PortMode, TPortMode::AllReversible);
  EXPECT_EQ(Calc.Status.EditCount, 0);
  ASSERT_EQ(Calc.Ports.Count(), 1);
  EXPECT_TRUE(Calc.Ports.IsEmptyRec(0));
  EXPECT_EQ(Calc.ProRata.Count(), 0);
  EXPECT_EQ(&Calc.ProgramSettings(), &Settings);
}

TEST_F(CalculationTest, DefaultInfoEntriesComeFromTheTemplatesFirstPort) {
  TPortInfoCollection& entries = Calc.Ports.GetItem(0).PortInfoCollection;
  entries.Add().FDateTimeInfoRec = {45000, 600, "Arrived at roads"};
  entries.Add().FDateTimeInfoRec = {EmptyDay, EmptyTime, "Commenced loading"};
  Calc.SetDefaultInfoEntriesFrom(Calc.Ports);
  ASSERT_EQ(Calc.DefaultInfoEntries.Count(), 2);
  EXPECT_EQ(Calc.DefaultInfoEntries.GetItem(0).FDateTimeInfoRec.Text, "Arrived at roads");

  // A new port starts with copies of the entries, which the user then dates.
  TPortItem& added = Calc.Ports.Add();
  ASSERT_EQ(added.PortInfoCollection.Count(), 2);
  EXPECT_EQ(added.PortInfoCollection.GetItem(1).FDateTimeInfoRec.Text, "Commenced loading");
  added.PortInfoCollection.GetItem(1).FDateTimeInfoRec.Date = 45001;
  EXPECT_EQ(Calc.DefaultInfoEntries.GetItem(1).FDateTimeInfoRec.Date, EmptyDay);

  // A template without ports leaves no default entries.
  Calc.Ports.Clear();
  Calc.SetDefaultInfoEntriesFrom(Calc.Ports);
  EXPECT_EQ(Calc.DefaultInfoEntries.Count(), 0);
  EXPECT_EQ(Calc.Ports.Add().PortInfoCollection.Count(), 0);
}

TEST(PortInfoCollectionTest, EmptyRecAndClear) {
  TPortInfoCollection entries;
  TPortInfoItem& entry = entries.Add();
  EXPECT_TRUE(entries.IsEmptyRec(0));
  entry.FDateTimeInfoRec.Text = "Hoses connected";
  EXPECT_FALSE(entries.IsEmptyRec(0));
  entry.ClearData();
  entry.FDateTimeInfoRec.Time = 0;
  EXPECT_FALSE(entries.IsEmptyRec(0));

  entries.ActiveCol = 2;
  entries.TopRow = 1;
  entries.Clear();
  EXPECT_EQ(entries.Count(), 0);
  EXPECT_EQ(entries.ActiveCol, 0);
  EXPECT_EQ(entries.TopRow, 0);
  EXPECT_THROW(entries.GetItem(0), std::out_of_range);
}

} // namespace
} // namespace laytime
