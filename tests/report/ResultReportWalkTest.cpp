// The walk over passes and ports, the port's term bands and the statement of facts.
#include "ReportFixture.h"

#include "calc/SyntheticLineMarker.h"
#include "report/HeaderLayout.h"

namespace laytime::test {
namespace {

using Strings = std::vector<std::string>;

class ResultReportWalkTest : public ReportFixture {
protected:
  void TwoCalculatedPorts() {
    Calc.Voyage.PortMode = TPortMode::NonReversible;
    LoadingPort(0, "Rouen");
    SoF(0, Monday + 2, 6 * 60, TFactCode::full_tfact, 100);
    LoadingPort(1, "Antwerp");
    SoF(1, Monday + 2, 6 * 60, TFactCode::full_tfact, 100);
    CalculateVoyage(Calc);
  }
};

TEST_F(ResultReportWalkTest, OnePassPerPartnerWithAllShares) {
  TwoCalculatedPorts();
  for (const char* name : {"A", "B", ""}) {
    TProRataItem& partner = Calc.ProRata.Add();
    partner.ProRataRec.Charterer = name;
    partner.ProRataRec.Quantity = *name != '\0' ? 5000.0 : EmptyReal;
  }
  Calc.ProRata.RefreshAllPorts();
  Report.PrintAllProRata = true;
  const TReportDocument doc = Build();

  EXPECT_EQ(Count(doc, "qrbPortHeader"), 2);
  EXPECT_EQ(Count(doc, "qrbPortDetails"), 4);
  EXPECT_EQ(Texts(Band(doc, "qrbProRata", 0))[1], "A");
  EXPECT_EQ(Texts(Band(doc, "qrbProRata", 1))[1], "B");
  // Each port's block ends a page; the second pass starts on a page of its own.
  ASSERT_EQ(doc.Pages.size(), 4u);
  EXPECT_EQ(doc.BandOf(doc.Pages[2].Bands[2]).Name, "qrbPortHeader");
  EXPECT_FALSE(doc.Body.back().PageBreakAfter);

  Report.PrintAllProRata = false;
  Report.ProRataIndex = 1;
  const TReportDocument one = Build();
  EXPECT_EQ(Count(one, "qrbPortHeader"), 1);
  EXPECT_EQ(Texts(Band(one, "qrbProRata"))[1], "B");
  EXPECT_EQ(one.Pages.size(), 2u);
}

TEST_F(ResultReportWalkTest, RunsDoNotInfluenceEachOther) {
  TwoCalculatedPorts();
  const std::string first = RenderReportText(Build());
  EXPECT_EQ(RenderReportText(Build()), first);
}

TEST_F(ResultReportWalkTest, StatementOfFactsPrintsEachDayOnceAndCaptionsInBold) {
  Calc.Voyage.PortMode = TPortMode::NonReversible;
  LoadingPort(0, "Rouen");
  Port(0).LayTimeCountFrom = {Monday, 14 * 60, "Laytime commences"};
  ResultLine(0, Monday, 12 * 60, 0.0, 0, "Waiting for berth"); // before laytime: no start
  ResultLine(0, Monday, 14 * 60, EmptyReal, 0,
             std::string(SyntheticLineMarker) + "Begin of laytime calculation");
  ResultLine(0, Monday, 18 * 60, 100.0, 240, "Loading");
  ResultLine(0, Monday, 1440, 50.0, 180, "Half");
  ResultLine(0, Monday + 1, 6 * 60, 100.0, 360, "Loading");
  const TReportDocument doc = Build();

  EXPECT_EQ(Texts(Band(doc, "qrbSoFHeader")),
            (Strings{"Date", "From", "Until", "% to count", "Remarks/Description", "Time used",
                     "Total time   days  hh:mm"}));
  EXPECT_EQ(Texts(Band(doc, "qrbSoFLine", 0)),
            (Strings{"12:00", "0.00", "Waiting for berth", "00:00", "0", "00:00"}));
  const TReportBand& caption = Band(doc, "qrbSoFLine", 1);
  EXPECT_EQ(Texts(caption),
            (Strings{"Mon", "2024-03-04", "14:00", "Begin of laytime calculation"}));
  EXPECT_TRUE(Caption(caption, "Begin of laytime calculation")->Font.Bold);
  EXPECT_EQ(Texts(Band(doc, "qrbSoFLine", 2)),
            (Strings{"14:00", "18:00", "100.00", "Loading", "04:00", "0", "04:00"}));
  EXPECT_TRUE(Caption(Band(doc, "qrbSoFLine", 2), "04:00")->Font.Bold);
  EXPECT_EQ(Texts(Band(doc, "qrbSoFLine", 3)),
            (Strings{"18:00", "24:00", "50.00", "Half", "03:00", "0", "07:00"}));
  // The line that starts at 24:00 prints 00:00 of the next day, with that day's date.
  EXPECT_EQ(
      Texts(Band(doc, "qrbSoFLine", 4)),
      (Strings{"Tue", "2024-03-05", "00:00", "06:00", "100.00", "Loading", "06:00", "0", "13:00"}));
  EXPECT_EQ(Band(doc, "qrbSoFLine", 4).Rules.size(), 1u); // the last row is ruled underneath
  EXPECT_TRUE(Band(doc, "qrbSoFLine", 3).Rules.empty());
}

TEST_F(ResultReportWalkTest, WithoutResultLinesNoStatementOfFactsIsPrinted) {
  Calc.Voyage.PortMode = TPortMode::NonReversible;
  LoadingPort(0, "Rouen");
  const TReportDocument doc = Build();
  EXPECT_EQ(Count(doc, "qrbSoFHeader"), 0);
  EXPECT_EQ(Count(doc, "qrbSoFLine"), 0);
}

TEST_F(ResultReportWalkTest, PortTermsInTheirOrder) {
  Calc.Voyage.PortMode = TPortMode::NonReversible;
  Calc.Voyage.Remarks = "First line\r\nSecond line";
  TPortRec& port = LoadingPort(0, "Rouen");
  port.PortAddAllowanceDays = 1;
  port.PortAddAllowanceTime = 6 * 60;
  port.ShexStartDay = 6;
  port.ShexStartTime = 12 * 60;
  port.ShexEndDay = 8; // Monday, stored a week later by the calculation
  port.ShexEndTime = 8 * 60;
  port.PreAdvDate = Monday - 1;
  port.PreAdvTime = 9 * 60;
  TPortInfoItem& info = Item(0).PortInfoCollection.Add();
  info.FDateTimeInfoRec = {Monday, 7 * 60, "Notice of readiness tendered, vessel to discharge"};
  Item(0).PortInfoCollection.Add(); // without date and time: skipped
  const TReportDocument doc = Build();

  EXPECT_EQ(Names(doc), (Strings{"qrbPortHeader", "qrbVoyMemo", "qrbPortDetails", "qrbAddAllowance",
                                 "qrbDemurrageRate", "qrbDespatchRate", "qrbPortShex",
                                 "qrbPreAdvise", "qrbSpacer", "qrbDateTimeInfo", "qrbDateTimeInfo",
                                 "qrbDateTimeInfo", "qrbPortResult", "qrbAmountDue"}));
  EXPECT_EQ(Texts(Band(doc, "qrbPortHeader")),
            (Strings{"Partner", "From/To", "Details", "C/P Form", "Calculating",
                     "Non reversible; Once on demurrage, always on demurrage"}));
  EXPECT_EQ(Texts(Band(doc, "qrbVoyMemo")), (Strings{"Remarks", "First line", "Second line"}));
  EXPECT_EQ(Texts(Band(doc, "qrbPortDetails")),
            (Strings{"Loading", "at", "Rouen", "Calculating",
                     "Non reversible; Counting working time saved", "Cargo", "mts", "10,000.000",
                     "Wheat", "Allowance", "mts/day", "5,000.000"}));
  EXPECT_TRUE(Caption(Band(doc, "qrbPortDetails"), "Rouen")->Font.Bold);
  EXPECT_EQ(Texts(Band(doc, "qrbAddAllowance")),
            (Strings{"Add. allowance", "1", "day", "06:00", "hh:mm"}));
  EXPECT_EQ(Texts(Band(doc, "qrbPortShex")),
            (Strings{"Excluded", "from", "Sat", "12:00", "until", "Mon", "08:00"}));
  EXPECT_EQ(Texts(Band(doc, "qrbPreAdvise")),
            (Strings{"Sun", "2024-03-03", "09:00", "Pre advise given"}));
  // Informative entries are reworded for the port's operation; the laytime rows are bold.
  EXPECT_EQ(
      Texts(Band(doc, "qrbDateTimeInfo", 0)),
      (Strings{"Mon", "2024-03-04", "07:00", "Notice of readiness tendered, vessel to load"}));
  EXPECT_EQ(Texts(Band(doc, "qrbDateTimeInfo", 2)),
            (Strings{"Wed", "2024-03-06", "06:00", "Loading completed"}));
  EXPECT_TRUE(Caption(Band(doc, "qrbDateTimeInfo", 2), "06:00")->Font.Bold);
  EXPECT_FALSE(Caption(Band(doc, "qrbDateTimeInfo", 0), "07:00")->Font.Bold);
}

TEST_F(ResultReportWalkTest, AdditionalAllowanceAndShincForms) {
  Calc.Voyage.PortMode = TPortMode::NonReversible;
  TPortRec& port = LoadingPort(0, "Rouen");
  port.PortAddAllowanceTime = 6 * 60;
  EXPECT_EQ(Texts(Band(Build(), "qrbAddAllowance")),
            (Strings{"Add. allowance", "days", "06:00", "hh:mm"}));
  EXPECT_EQ(Count(Build(), "qrbPortShex"), 0);
  Settings.PrintSHINC = true;
  EXPECT_EQ(Texts(Band(Build(), "qrbPortShex")), (Strings{"Terms", "SHINC"}));

  port.PortCalcCQD = true; // a CQD port skips an allowance of time without days
  EXPECT_EQ(Count(Build(), "qrbAddAllowance"), 0);
}

TEST_F(ResultReportWalkTest, AdditionalAllowanceDaysAndTheirWord) {
  Calc.Voyage.PortMode = TPortMode::NonReversible;
  TPortRec& port = LoadingPort(0, "Rouen");
  struct TCase {
    std::int32_t Days;
    TMinuteOfDay Time;
    Strings Expected;
  };
  const TCase cases[] = {
      {1, 6 * 60, {"Add. allowance", "1", "day", "06:00", "hh:mm"}},
      {-1, EmptyTime, {"Add. allowance", "-1", "day", "hh:mm"}},
      {2, 0, {"Add. allowance", "2", "days", "00:00", "hh:mm"}},
      {0, EmptyTime, {"Add. allowance", "0", "days", "hh:mm"}},
      // An empty 16-bit day count widened to 32 bits is no day count either.
      {EmptyTime, 6 * 60, {"Add. allowance", "days", "06:00", "hh:mm"}},
  };
  for (const TCase& c : cases) {
    port.PortAddAllowanceDays = c.Days;
    port.PortAddAllowanceTime = c.Time;
    EXPECT_EQ(Texts(Band(Build(), "qrbAddAllowance")), c.Expected) << c.Days;
  }
  port.PortAddAllowanceDays = EmptyTime;
  port.PortAddAllowanceTime = EmptyTime;
  EXPECT_EQ(Count(Build(), "qrbAddAllowance"), 0);
}

TEST_F(ResultReportWalkTest, CustomaryQuickDespatchPort) {
  Calc.Voyage.PortMode = TPortMode::NonReversible;
  TPortRec& port = LoadingPort(0, "Rouen");
  port.PortCalcCQD = true;
  TReportDocument doc = Build();
  const Strings details = Texts(Band(doc, "qrbPortDetails"));
  EXPECT_EQ(details[4], "Customary quick despatch");
  EXPECT_EQ(Strings(details.begin() + 9, details.end()), (Strings{"Allowance", "N/A"}));
  EXPECT_EQ(Texts(Band(doc, "qrbDemurrageRate")),
            (Strings{"Detention rate", "USD/day", "10,000.00"}));
  EXPECT_EQ(Count(doc, "qrbDespatchRate"), 0);

  Settings.DetentionTerminology = 1;
  EXPECT_EQ(Texts(Band(Build(), "qrbPortDetails"))[4], "Detention");
  // Outside the non-reversible mode the flag has no effect, and the report says so.
  Calc.Voyage.PortMode = TPortMode::AllReversible;
  EXPECT_EQ(Texts(Band(Build(), "qrbPortDetails"))[4], "Reversible; Counting working time saved");
}

TEST_F(ResultReportWalkTest, RateUnitTexts) {
  Calc.Voyage.PortMode = TPortMode::NonReversible;
  TPortRec& port = LoadingPort(0, "Rouen");
  port.PortDemurrageRate = 2.5; // per cargo unit and day
  TReportDocument doc = Build();
  EXPECT_EQ(Texts(Band(doc, "qrbDemurrageRate")),
            (Strings{"Demurrage rate", "USD/day/mts", "2.50"}));
  EXPECT_EQ(Texts(Band(doc, "qrbDespatchRate")), (Strings{"Despatch rate", "USD/day", "5,000.00"}));

  Settings.DemurrageRateUnit = TDemurrateRateUnit::druPerHour;
  port.PortDemurrageRate = 24000.0;
  EXPECT_EQ(Texts(Band(Build(), "qrbDemurrageRate")),
            (Strings{"Demurrage rate", "USD/hour", "1,000.00"}));

  // Without a quantity the unit reads /day; group rates are amounts per day.
  port.CargoQuantity = EmptyReal;
  port.PortLoadUnits = TLoadUnits::load_undef;
  EXPECT_EQ(Texts(Band(Build(), "qrbPortDetails")).back(), "5,000.000");
  port.PortLoadUnits = TLoadUnits::load_units_p_hour;
  const Strings details = Texts(Band(Build(), "qrbPortDetails"));
  EXPECT_EQ(Strings(details.end() - 3, details.end()),
            (Strings{"Allowance", "/hour", "5,000.000"}));

  Calc.TemplateSettings.DefaultDespatchDisabled = true;
  EXPECT_EQ(Count(Build(), "qrbDespatchRate"), 0);
  port.UseTieredDemurrage = true;
  EXPECT_EQ(Count(Build(), "qrbDemurrageRate"), 0);
}

TEST_F(ResultReportWalkTest, RatePerCargoUnitNamesTheCargoUnitOfThePortDetails) {
  Calc.Voyage.PortMode = TPortMode::NonReversible;
  TPortRec& port = LoadingPort(0, "Rouen");
  port.PortDemurrageRate = 2.5;
  port.CargoUnits = " cbm ";
  EXPECT_EQ(Texts(Band(Build(), "qrbDemurrageRate")),
            (Strings{"Demurrage rate", "USD/day/cbm", "2.50"}));
  // Without a quantity the port details print no cargo unit, so the rate is per "unit".
  port.CargoQuantity = EmptyReal;
  EXPECT_EQ(Texts(Band(Build(), "qrbDemurrageRate")),
            (Strings{"Demurrage rate", "USD/day/unit", "2.50"}));
}

TEST_F(ResultReportWalkTest, RemarksOfBlanksAndLineBreaksOnlyAreNotPrinted) {
  TwoCalculatedPorts();
  Calc.Voyage.Remarks = " \r\n\t\r\n ";
  EXPECT_EQ(Count(Build(), "qrbVoyMemo"), 0);
  Calc.Voyage.Remarks = "Berth 4\r\nDraft 9 m";
  EXPECT_EQ(Texts(Band(Build(), "qrbVoyMemo")), (Strings{"Remarks", "Berth 4", "Draft 9 m"}));
}

TEST_F(ResultReportWalkTest, AllPurposeAllowanceOfTheGroup) {
  Calc.Voyage.PortMode = TPortMode::AllReversible;
  Calc.Voyage.AllPurposeAllPorts = true;
  Calc.Voyage.LoadRateAllPorts = 3.0;
  Calc.Voyage.LoadUnitsAllPorts = TLoadUnits::load_days;
  Calc.Voyage.DemurrageRateAllPorts = 12000.0;
  Calc.Voyage.DespatchRateAllPorts = 6000.0;
  LoadingPort(0, "Rouen");
  const TReportDocument doc = Build();
  const Strings details = Texts(Band(doc, "qrbPortDetails"));
  EXPECT_EQ(Strings(details.end() - 4, details.end()),
            (Strings{"Allowance", "days", "3.000", "All purpose loading and discharging"}));
  EXPECT_EQ(Texts(Band(doc, "qrbDemurrageRate")),
            (Strings{"Demurrage rate", "USD/day", "12,000.00"}));
}

TEST_F(ResultReportWalkTest, PageFrame) {
  TwoCalculatedPorts();
  Calc.Voyage.VesselName = "Nordic Star";
  Calc.Voyage.CPDate = Monday - 30;
  Calc.Voyage.FixtureNo = "F-17";
  const TReportDocument doc = Build();
  EXPECT_EQ(Texts(doc.VesselLine),
            (Strings{"M/V", "Nordic Star", "C/P Form 2024-02-03", "No. F-17"}));
  EXPECT_EQ(Texts(doc.PageFooter), (Strings{"Voyage 12", ReportImprint}));
  EXPECT_EQ(doc.PageFooter.Captions[0].Font.Size, 7.0);
  const Strings header = Texts(doc.PageHeader);
  EXPECT_EQ(header, (Strings{"Navarune: Laytime Calculation", "2024-03-20", "Page: "}));
  EXPECT_TRUE(doc.PageHeader.Captions[0].Font.Bold && doc.PageHeader.Captions[0].Font.Italic);
  ASSERT_EQ(doc.PageHeader.Pictures.size(), 1u);
  EXPECT_EQ(CaptionText(doc.PageHeader.Captions[2], 2), "Page: 2");

  Calc.Voyage.CPDate = EmptyDay;
  Calc.Voyage.FixtureNo.clear();
  EXPECT_EQ(Texts(Build().VesselLine), (Strings{"M/V", "Nordic Star"}));
}

TEST(HeaderLayoutTest, TitleAtTheLeftPutsTheLogoBetweenTitleAndDate) {
  THeaderLayout design;
  design.Logo = {0, 4, 72, 40};
  design.Title = {100, 4, 265, 24};
  design.Date = {HeaderDateLeft, 0, 100, 16};
  design.PageNumber = {650, 0, 68, 16};
  const THeaderLayout left = AdjustHeader(2, design);
  EXPECT_EQ(left.Title.Left, 8);
  EXPECT_EQ(left.Logo.Left, 8 + 265 + 104);
  EXPECT_EQ(left.Title.Top, 4 + 40 - 24);
  EXPECT_EQ(left.Date.Top, left.Title.Bottom() - 16);
  EXPECT_EQ(left.PageNumber.Top, left.Date.Top);
  EXPECT_EQ(left.HeaderHeight, left.Title.Bottom() + 6);

  const THeaderLayout centred = AdjustHeader(0, design);
  EXPECT_EQ(centred.Logo.Left, 8);
  EXPECT_EQ(centred.Title.Left, 80 + (554 - 80 - 265) / 2);
  // A title too wide for the gap sits right beside the logo.
  design.Title.Width = 600;
  EXPECT_EQ(AdjustHeader(0, design).Title.Left, 80);
  // Any other position keeps the design positions.
  EXPECT_EQ(AdjustHeader(7, design).Title.Left, 100);
  // A title taller than the logo keeps its bottom on the logo's while it fits in the header...
  design.Title.Height = 42;
  const THeaderLayout taller = AdjustHeader(0, design);
  EXPECT_EQ(taller.Title.Top, 2);
  EXPECT_EQ(taller.Logo.Top, 4);
  // ...and moves down with the logo instead of starting above the header.
  design.Title.Height = 60;
  const THeaderLayout tall = AdjustHeader(0, design);
  EXPECT_EQ(tall.Title.Top, 0);
  EXPECT_EQ(tall.Logo.Top, 20);
  EXPECT_EQ(tall.HeaderHeight, 66);
}

TEST_F(ResultReportWalkTest, UnknownTitlePositionKeepsTheLastOne) {
  Report.AdjustHeader(2);
  Report.AdjustHeader(9);
  EXPECT_EQ(Report.TitlePosition(), 2);
  const double left = Build().PageHeader.Captions[0].Left;
  EXPECT_DOUBLE_EQ(left, 8 * PointsPerLayoutUnit);
  TTemplateSettings settings;
  settings.ReportTitlePosition = 5;
  Report.LoadHeaderFromTemplate(settings, nullptr);
  EXPECT_EQ(Report.TitlePosition(), 2);
  Report.AdjustHeader(0);
  EXPECT_EQ(Report.TitlePosition(), 0);
}

TEST_F(ResultReportWalkTest, TitleFromTheTemplate) {
  TwoCalculatedPorts();
  TTemplateSettings settings;
  settings.ReportTitle = "Chartering Ltd";
  settings.ReportTitleFontName = "Times New Roman";
  settings.ReportTitleFontSize = 18;
  settings.ReportTitleFontStyle = 4;
  settings.ReportTitlePosition = 2;
  settings.LogoScale = 2;
  Report.LoadHeaderFromTemplate(settings, nullptr);
  EXPECT_EQ(Report.TitlePosition(), 2);
  const TReportDocument doc = Build();
  const TReportCaption& title = doc.PageHeader.Captions[0];
  EXPECT_EQ(title.Text, "Chartering Ltd");
  EXPECT_EQ(title.Font, (TReportFont{"Times New Roman", 18.0, false, false, true, false}));
  EXPECT_DOUBLE_EQ(title.Left, 8 * PointsPerLayoutUnit);
  EXPECT_DOUBLE_EQ(doc.PageHeader.Pictures[0].Width, 36 * PointsPerLayoutUnit);
}

} // namespace
} // namespace laytime::test
