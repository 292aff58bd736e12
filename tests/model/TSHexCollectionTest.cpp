#include "model/TSHexCollection.h"

#include "model/TCalculation.h"
#include "model/TPortRec.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace laytime {
namespace {

constexpr int Sunday = 0, Monday = 1, Wednesday = 3, Thursday = 4, Friday = 5, Saturday = 6;

TEST(ShexItemTest, PeriodOverTheWeekendEndsInTheNextWeek) {
  TSHexCollection presets;
  TShexItem& item = presets.Add();
  item.SetFromDay(Friday);
  item.SetUntilDay(Monday);
  EXPECT_EQ(item.SHexRec().FromDay, 5);
  EXPECT_EQ(item.SHexRec().UntilDay, 8);
  EXPECT_EQ(item.GetFromDay(), Friday);
  EXPECT_EQ(item.GetUntilDay(), Monday);
}

TEST(ShexItemTest, LaterFromDayPushesTheUntilDayIntoTheNextWeek) {
  TSHexCollection presets;
  TShexItem& item = presets.Add();
  item.SetFromDay(Monday);
  item.SetUntilDay(Wednesday);
  EXPECT_EQ(item.SHexRec().UntilDay, 3);
  item.SetFromDay(Thursday);
  EXPECT_EQ(item.SHexRec().FromDay, 4);
  EXPECT_EQ(item.SHexRec().UntilDay, 10);
  EXPECT_EQ(item.GetUntilDay(), Wednesday);
}

TEST(ShexItemTest, NegativeDayClearsIt) {
  TSHexCollection presets;
  TShexItem& item = presets.Add();
  item.SetFromDay(Saturday);
  item.SetUntilDay(Sunday);
  EXPECT_EQ(item.SHexRec().UntilDay, 7);
  item.SetUntilDay(-1);
  EXPECT_EQ(item.SHexRec().UntilDay, EmptyTime);
  EXPECT_EQ(item.GetUntilDay(), -1);
  item.SetFromDay(-3);
  EXPECT_EQ(item.SHexRec().FromDay, EmptyTime);
  EXPECT_EQ(item.GetFromDay(), -1);
  // Days beyond the week are taken as weekdays.
  item.SetFromDay(12);
  EXPECT_EQ(item.GetFromDay(), Friday);
}

TEST(ShexItemTest, SameWeekdayWrittenAgainIsNoChange) {
  TSHexCollection presets;
  int changes = 0;
  presets.OnChange = [&changes] { ++changes; };
  TShexItem& item = presets.Add();
  item.SetFromDay(Friday);
  item.SetUntilDay(Monday);
  item.SetUntilDay(Monday);
  item.SetUntilDay(8);
  item.SetFromTime(1020);
  item.SetFromTime(1020);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(item.SHexRec().UntilDay, 8);
}

TEST(ShexItemTest, AssignAppliesTheWeekRuleAgain) {
  TSHexCollection presets;
  TShexItem& source = presets.Add();
  source.SetFromDay(Friday);
  source.SetFromTime(1020);
  source.SetUntilDay(Monday);
  source.SetUntilTime(480);
  source.SetRemark("Weekend Fri 17:00 - Mon 08:00");

  TShexItem& target = presets.Add();
  target.SetFromDay(Thursday);
  target.SetUntilDay(Wednesday); // stored as 10
  presets.SetItem(1, source);
  EXPECT_EQ(target.SHexRec(), source.SHexRec());

  TShexItem& plain = presets.Add();
  plain.SetFromDay(Thursday);
  plain.SetUntilDay(Wednesday);
  TShexItem& midweek = presets.Add();
  midweek.SetFromDay(Monday);
  midweek.SetUntilDay(Wednesday);
  plain.Assign(midweek);
  EXPECT_EQ(plain.SHexRec().FromDay, 1);
  EXPECT_EQ(plain.SHexRec().UntilDay, 3);
}

TEST(SHexCollectionTest, ClearResetsGridAndActiveItem) {
  TSHexCollection presets;
  presets.Add();
  presets.ActiveIndex = 0;
  presets.TopRow = 2;
  presets.RowLimit = 5;
  presets.ActiveRow = 1;
  EXPECT_EQ(presets.ActiveItem(), &presets.GetItem(0));
  presets.Clear();
  EXPECT_EQ(presets.Count(), 0);
  EXPECT_EQ(presets.ActiveIndex, -1);
  EXPECT_EQ(presets.ActiveItem(), nullptr);
  EXPECT_EQ(presets.TopRow, 0);
  EXPECT_EQ(presets.RowLimit, 0);
  EXPECT_EQ(presets.ActiveRow, 0);
  EXPECT_THROW(presets.GetItem(0), std::out_of_range);
}

TEST(SHexCollectionTest, EmptyRec) {
  TSHexCollection presets;
  TShexItem& item = presets.Add();
  EXPECT_TRUE(presets.IsEmptyRec(0));
  item.SetRemark("SHINC");
  EXPECT_FALSE(presets.IsEmptyRec(0));
  item.SetRemark("");
  item.SetUntilTime(480);
  EXPECT_FALSE(presets.IsEmptyRec(0));
}

TShexRec Preset(int fromDay, std::int16_t fromTime, int untilDay, std::int16_t untilTime,
                const char* remark) {
  TSHexCollection scratch;
  TShexItem& item = scratch.Add();
  item.SetFromDay(fromDay);
  item.SetFromTime(fromTime);
  item.SetUntilDay(untilDay);
  item.SetUntilTime(untilTime);
  item.SetRemark(remark);
  return item.SHexRec();
}

class ShexPresetMatching : public ::testing::Test {
protected:
  ShexPresetMatching() {
    Presets.LoadFrom({Preset(Friday, 1020, Monday, 480, "Fri 17:00 - Mon 08:00"),
                      Preset(Saturday, 0, Monday, 480, "Sat 00:00 - Mon 08:00"),
                      Preset(Saturday, 720, Monday, 480, "Sat 12:00 - Mon 08:00")});
    Port.ShexStartDay = Saturday;
    Port.ShexStartTime = 0;
    Port.ShexEndDay = Monday;
    Port.ShexEndTime = 480;
  }

  TSHexCollection Presets;
  TPortRec Port;
};

TEST_F(ShexPresetMatching, TypedFieldsFindTheirPreset) {
  EXPECT_EQ(Presets.FindPresetFor(Port), 1);
  EXPECT_EQ(FindShexPreset(Presets.ToRecs(), Port), 1);
  // An end day kept a week on by the calculation still matches.
  Port.ShexEndDay = 8;
  EXPECT_EQ(Presets.FindPresetFor(Port), 1);
  Port.ShexEndTime = 540;
  EXPECT_EQ(Presets.FindPresetFor(Port), -1);
  EXPECT_EQ(TSHexCollection().FindPresetFor(Port), -1);
}

TEST_F(ShexPresetMatching, PresetWithoutItsDaysMatchesNoPort) {
  // A row of the preset list not filled in yet, and one with only its times.
  TShexRec onlyTimes;
  onlyTimes.FromTime = 0;
  onlyTimes.UntilTime = 480;
  const std::vector<TShexRec> presets = {TShexRec{}, onlyTimes, Presets.ToRecs()[1]};
  TPortRec withoutShex;
  EXPECT_EQ(FindShexPreset(presets, withoutShex), -1);
  TPortRec timesOnly;
  timesOnly.ShexStartTime = 0;
  timesOnly.ShexEndTime = 480;
  EXPECT_EQ(FindShexPreset(presets, timesOnly), -1);
  EXPECT_EQ(FindShexPreset(presets, Port), 2);
  Presets.Insert(0);
  EXPECT_EQ(Presets.FindPresetFor(withoutShex), -1);
}

TEST_F(ShexPresetMatching, PortTakesAndFindsThePreset) {
  TProgramSettings settings;
  TCalculation calc(settings);
  calc.TemplateSettings.ShexPresets = Presets.ToRecs();
  TPortItem& item = calc.Ports.GetItem(0);

  item.ApplyShexPreset(calc.TemplateSettings.ShexPresets[0], 0);
  EXPECT_EQ(item.PortData.ShexOption, 0);
  EXPECT_EQ(item.PortData.ShexStartDay, Friday);
  EXPECT_EQ(item.PortData.ShexStartTime, 1020);
  EXPECT_EQ(item.PortData.ShexEndDay, Monday); // stored as a weekday, not as 8
  EXPECT_EQ(item.PortData.ShexEndTime, 480);

  item.PortData.ShexStartTime = 720;
  item.PortData.ShexStartDay = Saturday;
  item.UpdateShexOption(calc.TemplateSettings.ShexPresets);
  EXPECT_EQ(item.PortData.ShexOption, 2);
  item.PortData.ShexStartTime = 721;
  item.UpdateShexOption(calc.TemplateSettings.ShexPresets);
  EXPECT_EQ(item.PortData.ShexOption, -1);
}

TEST_F(ShexPresetMatching, SettingsRoundTrip) {
  TSHexCollection copy;
  copy.LoadFrom(Presets.ToRecs());
  ASSERT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy.GetItem(0).SHexRec().UntilDay, 8);
  EXPECT_EQ(copy.ToRecs(), Presets.ToRecs());
}

} // namespace
} // namespace laytime
