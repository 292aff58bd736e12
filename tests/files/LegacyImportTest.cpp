#include "files/LegacyImport.h"

#include "TransferTestSupport.h"
#include "core/Calendar.h"
#include "files/ByteReader.h"
#include "files/LegacyIni.h"
#include "files/TCalcFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/time.h>

namespace laytime {
namespace {

using test::TLegacyFileBuilder;
using test::TRecordingMessages;
using test::TTempFolder;
using test::WriteBytes;

constexpr std::int16_t March7th2024 = 45358 - 17532; // legacy day of 2024-03-07

const char* const FullIni = "[Global]\r\n"
                            "DISABLE DESPATCH=Ja\r\n"
                            "DESPATCH MODE=2\r\n"
                            "LOADDAYS LIMIT=49.5\r\n"
                            "CURRENCY STR=usd; eur ;;gbp\r\n"
                            "CARGO UNIT STR=MTS;CBM ; Lt\r\n"
                            "FULL 01=  Working  \r\n"
                            "FULL 03=Weekday\r\n"
                            "RAIN 02=Rain\r\n"
                            "TIME FLD 01=Arrived\r\n"
                            "TIME FLD 02=berthed\r\n"
                            "TIME FLD 03=Accepted\r\n"
                            "TIME FLD 04=Commenced @40.\r\n"
                            "TIME FLD 05=Completed  @40.  work\r\n"
                            "TIME FLD 07=Laytime @40. commenced\r\n"
                            "TIME FLD 08=@40. completed\r\n"
                            "[Exchange]\r\n"
                            "Export_Path=D:\\OUT\r\n"
                            "ASCII QuotedStrings=No\r\n"
                            "ASCII_FieldDelimiter=\",\"\r\n"
                            "[ShexTable]\r\n"
                            "ShexTitle 01=Fri 17:00 - Mon 08:00\r\n"
                            "ShexStartDay 01=5\r\n"
                            "ShexEndDay 01=1\r\n"
                            "ShexStartTime 01=17:00\r\n"
                            "ShexEndTime 01=08:00\r\n"
                            "ShexTitle 02=\r\n"
                            "ShexTitle 03=Saturday\r\n"
                            "ShexStartDay 03=13\r\n"
                            "ShexStartTime 03=0\r\n";

class LegacyImportTest : public testing::Test {
protected:
  LegacyImportTest() : Environment(Messages, TFormatContext{EnglishUSLocale(), 1}) {
    Settings.NVR6ProgramPath = Folder.Path().string();
    Environment.Progress = &Dialogs;
  }

  void WriteIni(const std::string& name, std::string_view text) {
    WriteBytes(Folder.File(name), std::vector<std::uint8_t>(text.begin(), text.end()));
  }

  void Import(const TLegacyFileBuilder& file, std::string_view versionId, double moment = 0.0) {
    const std::vector<std::uint8_t> bytes = file.Bytes();
    TByteReader reader(bytes, 8);
    ImportLegacyFile(reader, versionId, Calc, Environment, moment);
  }

  /// A port of 25000 mts loading at Santos, with the dates of its laytime window and entries.
  static TLegacyFileBuilder::TRecord FillPort(TLegacyFileBuilder::TRecord port,
                                              std::uint8_t operation) {
    port.Str(0, "SANTOS").U8(45, 2).F64(46, 25000).F64(54, 5000).F64(62, 12000).F64(70, 6000);
    port.I16(78, March7th2024).I16(80, 480).I16(82, March7th2024).I16(84, 600);
    port.I16(98, March7th2024 + 2).I16(100, 1440).I16(102, March7th2024).I16(104, 720);
    port.U8(114, operation)
        .U8(115, 1)
        .U8(120, 1)
        .U8(121, 5)
        .U8(122, 1)
        .I16(123, 1020)
        .I16(125, 480);
    return port;
  }

  TTempFolder Folder;
  TProgramSettings Settings;
  TCalculation Calc{Settings};
  TRecordingMessages Messages;
  test::TScriptedDialogs Dialogs;
  TLegacyImportEnvironment Environment;
};

TEST(LegacyDayTest, CountsFromTheEndOf1947) {
  EXPECT_EQ(LegacyDayToDay(1), *TryEncodeDate(1948, 1, 1));
  EXPECT_EQ(LegacyDayToDay(March7th2024), *TryEncodeDate(2024, 3, 7));
  EXPECT_EQ(LegacyDayToDay(0), EmptyDay);
  EXPECT_EQ(LegacyDayToDay(-5), EmptyDay);
}

TEST(LegacyIniTest, BooleansAndEventNames) {
  for (const char* yes : {"1", "Ja", "yes", "T", "wahr", "Oui", "j"})
    EXPECT_TRUE(LegacyIniBoolean(yes)) << yes;
  for (const char* no : {"0", "No", "false", "N", "", " yes"})
    EXPECT_FALSE(LegacyIniBoolean(no)) << no;
  EXPECT_EQ(CleanLegacyEventName("Commenced @40."), "Commenced @40");
  EXPECT_EQ(CleanLegacyEventName("@40.  started   @40. again"), "@40 started @40 again");
  EXPECT_EQ(CleanLegacyEventName("berthed"), "Vessel berthed");
  EXPECT_EQ(CleanLegacyEventName("ACCEPTED"), "Notice ACCEPTED");
  EXPECT_EQ(CleanLegacyEventName("Accepted by receivers"), "Accepted by receivers");
}

TEST_F(LegacyImportTest, ImportsAnNVR69FileWithItsIni) {
  WriteIni("legacy.ini", FullIni);
  TLegacyFileBuilder file("NVR69");
  file.Header()
      .Str(0, "NORDIC STAR")
      .Str(41, "Santos/Rotterdam")
      .Str(82, "Partner A")
      .I16(123, March7th2024 - 30)
      .I16(125, March7th2024)
      .I16(129, 2)
      .U8(131, 1)
      .I32(140, -720)
      .U8(145, 1)
      .U8(146, 1)
      .I32(147, 4711)
      .I32(151, 99)
      .U8(155, 1)
      .U8(156, 1)
      .U8(157, 3)
      .F64(160, 11000)
      .F64(168, 5500)
      .F64(176, 1.25)
      .I16(184, March7th2024 - 10)
      .Str(186, "UNIQUE-1")
      .Str(197, "C-7")
      .F64(208, 4.5)
      .Str(216, "C:\\NVR\\LEGACY.INI");
  file.Charterers().Str(0, " Cargill ").F64(41, 6000).Str(57 * 3, "").F64(57 * 3 + 41, 4000);
  FillPort(file.AddPort(), 1);
  FillPort(file.AddPort(), 3);
  file.AddLine(1, March7th2024 + 1, 60, 100, TFactCode::full_tfact, "Working");
  file.AddLine(2, March7th2024 + 1, 1440, 12.5, TFactCode::part_tfact, "Partly");
  file.AddLine(1, March7th2024 + 2, 60, 1234.5, TFactCode::htc_tfact, "");

  Import(file, "NVR69", 45400.25);

  EXPECT_TRUE(Messages.Texts.empty()) << Messages.Texts.front();
  const TVoyageRec& v = Calc.Voyage;
  EXPECT_EQ(v.VesselName, "NORDIC STAR");
  EXPECT_EQ(v.VoyInfo2, "Santos/Rotterdam");
  EXPECT_EQ(v.VoyInfo1, "Partner A");
  EXPECT_EQ(v.CPDate, 45328);
  EXPECT_EQ(v.LastUpdate, 45358);
  EXPECT_EQ(v.PortMode, TPortMode::NonReversible);
  EXPECT_EQ(std::tie(v.total_time_saved, v.total_time_allowed, v.total_time_used),
            std::make_tuple(-720, 0, 0));
  EXPECT_EQ(v.Currency, "EUR");
  EXPECT_FALSE(v.AlwaysOnDemurrage);
  EXPECT_EQ(v.FixtureNo, "4711");
  EXPECT_EQ(v.VoyageId, 99);
  EXPECT_TRUE(v.Locked);
  EXPECT_TRUE(v.AllPurposeAllPorts);
  EXPECT_EQ(v.LoadUnitsAllPorts, TLoadUnits::load_days);
  EXPECT_EQ(std::tie(v.DemurrageRateAllPorts, v.DespatchRateAllPorts, v.CommissionPctAllPorts),
            std::make_tuple(11000.0, 5500.0, 1.25));
  EXPECT_EQ(v.BL_date, 45348);
  EXPECT_EQ(v.UniqueFileName, "UNIQUE-1");
  EXPECT_EQ(v.ContractNo, "C-7");
  EXPECT_EQ(v.LoadRateAllPorts, 4.5);
  EXPECT_EQ(v.unused_TemplateName, "C:\\NVR\\LEGACY.INI");
  EXPECT_EQ(v.DespatchModeAllPorts, TCalcDespatch::calcSavedtime);
  EXPECT_TRUE(v.Modified);
  EXPECT_TRUE(v.DespatchDisabled);
  EXPECT_FALSE(v.ShexDisabled);
  EXPECT_EQ(Calc.Status.LastSaveDate, 45400);
  EXPECT_EQ(Calc.Status.LastSaveTime, 360);

  ASSERT_EQ(Calc.ProRata.Count(), 2);
  EXPECT_EQ(Calc.ProRata.GetItem(0).ProRataRec.Charterer, "Cargill");
  EXPECT_EQ(Calc.ProRata.GetItem(0).ProRataRec.Quantity, 6000);
  EXPECT_EQ(Calc.ProRata.GetItem(1).ProRataRec.Charterer, "");
  EXPECT_EQ(Calc.ProRata.GetItem(1).ProRataRec.Quantity, 4000);

  ASSERT_EQ(Calc.Ports.Count(), 2);
  const TPortItem& loading = Calc.Ports.GetItem(0);
  const TPortRec& p = loading.PortData;
  EXPECT_EQ(p.PortName, "SANTOS");
  EXPECT_EQ(p.PortDespatchMode, TCalcDespatch::calcSavedtime);
  EXPECT_EQ(std::tie(p.CargoQuantity, p.PortLoadRate, p.PortDemurrageRate, p.PortDespatchRate),
            std::make_tuple(25000.0, 5000.0, 12000.0, 6000.0));
  EXPECT_EQ(p.PortCommissionPct, 0.0);
  EXPECT_EQ(p.LayTimeCountFrom, (TDateTimeInfoRec{45358, 720, "Laytime Loading commenced"}));
  EXPECT_EQ(p.LayTimeOpCompleted, (TDateTimeInfoRec{45360, 1440, "Loading completed"}));
  EXPECT_TRUE(p.OpLoading);
  EXPECT_FALSE(p.OpDischarging);
  EXPECT_EQ(p.CargoUnits, "cbm");
  EXPECT_EQ(p.PortLoadUnits, TLoadUnits::load_units_p_day);
  EXPECT_EQ(std::tie(p.ShexStartDay, p.ShexEndDay, p.ShexStartTime, p.ShexEndTime),
            std::make_tuple(5, 1, std::int16_t{1020}, std::int16_t{480}));
  EXPECT_EQ(p.ShexOption, 1); // after "None/SHINC"
  EXPECT_EQ(std::tie(p.PreAdvDate, p.PreAdvTime, p.PreAdvOffsDays, p.PreAdvOffsTime),
            std::make_tuple(EmptyDay, std::int16_t{0}, 0, std::int16_t{0}));
  EXPECT_EQ(std::tie(p.TimeUsed, p.TimeAllowed), std::make_tuple(EmptyInt, EmptyInt));

  const std::vector<std::string> names{
      "Arrived",           "Vessel berthed",         "Notice Accepted",
      "Commenced Loading", "Completed Loading work", ""};
  ASSERT_EQ(loading.PortInfoCollection.Count(), 6);
  EXPECT_EQ(loading.PortInfoCollection.GetItem(0).FDateTimeInfoRec,
            (TDateTimeInfoRec{45358, 480, "Arrived"}));
  EXPECT_EQ(loading.PortInfoCollection.GetItem(3).FDateTimeInfoRec.Text, "Commenced Loading");
  EXPECT_EQ(loading.PortInfoCollection.GetItem(4).FDateTimeInfoRec.Text, "Completed Loading work");
  EXPECT_EQ(loading.PortInfoCollection.GetItem(5).FDateTimeInfoRec,
            (TDateTimeInfoRec{EmptyDay, EmptyTime, ""}));
  EXPECT_EQ(loading.PortInfoCollection.GetItem(2).FDateTimeInfoRec,
            (TDateTimeInfoRec{EmptyDay, 0, "Notice Accepted"}));
  // The defaults of new ports follow the last port read (loading and discharging).
  const TPortItem& both = Calc.Ports.GetItem(1);
  EXPECT_EQ(both.PortData.LayTimeOpCompleted.Text, "Load/Disc. completed");
  EXPECT_TRUE(both.PortData.OpLoading && both.PortData.OpDischarging);
  EXPECT_EQ(Calc.TemplateSettings.InfoEntryTexts,
            (std::vector<std::string>{"Arrived", "Vessel berthed", "Notice Accepted",
                                      "Commenced Load/Disc.", "Completed Load/Disc. work", ""}));
  ASSERT_EQ(Calc.DefaultInfoEntries.Count(), 6);
  EXPECT_EQ(Calc.DefaultInfoEntries.GetItem(3).FDateTimeInfoRec,
            (TDateTimeInfoRec{EmptyDay, EmptyTime, "Commenced Load/Disc."}));

  ASSERT_EQ(loading.SoFCollection.Count(), 2);
  EXPECT_EQ(loading.SoFCollection.GetItem(0).SoFRec(),
            (TSoFRec{45359, 60, TFactCode::full_tfact, 100.0, "100.00", "Working", 0}));
  EXPECT_EQ(loading.SoFCollection.GetItem(1).SoFRec(),
            (TSoFRec{45360, 60, TFactCode::htc_tfact, 1234.5, "1,234.50", "", 0}));
  ASSERT_EQ(both.SoFCollection.Count(), 1);
  EXPECT_EQ(both.SoFCollection.GetItem(0).PctDisplayString(), "12.50");

  const TTemplateSettings& s = Calc.TemplateSettings;
  EXPECT_EQ(s.LoadDaysLimit, 49.5);
  EXPECT_EQ(s.LaytimeLimitDays, 365);
  EXPECT_EQ(s.PortTimeLimitDays, 90);
  EXPECT_EQ(s.RemarkLists[0], std::vector<std::string>{""});
  EXPECT_EQ(s.RemarkLists[1], (std::vector<std::string>{"Working", "Weekday"}));
  EXPECT_EQ(s.RemarkLists[2], std::vector<std::string>{"Rain"});
  const std::vector<TShexRec> presets{
      TShexRec{EmptyTime, EmptyTime, EmptyTime, EmptyTime, "None/SHINC"},
      TShexRec{5, 1020, 8, 480, "Fri 17:00 - Mon 08:00"},
      TShexRec{6, 0, EmptyTime, EmptyTime, "Saturday"}};
  EXPECT_EQ(s.ShexPresets, presets);
  EXPECT_EQ(Dialogs.Log, (std::vector<std::string>{"progress: Loading calculation",
                                                   "progress: Loading configuration",
                                                   "progress: Loading calculation"}));
}

TEST_F(LegacyImportTest, ReadsTheIniSettingsOfVersion6) {
  WriteIni("NVRWIN.INI", FullIni);
  const TLegacyIniSettings ini =
      ReadLegacyIni(Folder.File("NVRWIN.INI"), Calc.TemplateSettings, Messages, Environment.Format);
  EXPECT_TRUE(ini.DisableDespatch);
  EXPECT_EQ(ini.DespatchMode, 2);
  EXPECT_EQ(ini.Currencies, (std::vector<std::string>{"USD", "EUR", "", "GBP"}));
  EXPECT_EQ(ini.CargoUnits, (std::vector<std::string>{"MTS", "CBM", "LT"}));
  EXPECT_EQ(ini.EventNames[1], "Vessel berthed");
  EXPECT_EQ(ini.EventNames[8], "");
  EXPECT_EQ(ini.ExportPath, "D:\\OUT");
  EXPECT_EQ(ini.ImportPath, "C:\\EXCHANGE");
  EXPECT_FALSE(ini.QuotedStrings);
  EXPECT_TRUE(ini.Delimited);
  EXPECT_EQ(ini.FieldDelimiter, ",");
  EXPECT_EQ(std::tie(ini.NumDecimals, ini.DayDecimals, ini.PctDecimals), std::make_tuple(3, 5, 2));
}

TEST_F(LegacyImportTest, AnNVR64FileTakesTheVoyageRatesFromItsLastPort) {
  WriteIni("NVRWIN.INI", FullIni);
  TLegacyFileBuilder file("NVR64");
  file.Header().Str(0, "OLD TIMER").I16(129, 2).U8(131, 2).U8(155, 1).U8(156, 1).U8(157, 3);
  FillPort(file.AddPort(), 1).F64(131, 2.5).I16(139, March7th2024).I16(141, 60);
  FillPort(file.AddPort(), 2).F64(62, 15000).F64(70, 7000).F64(131, 3.75).U8(45, 1);
  Import(file, "NVR64");

  const TVoyageRec& v = Calc.Voyage;
  EXPECT_EQ(std::tie(v.DemurrageRateAllPorts, v.DespatchRateAllPorts, v.CommissionPctAllPorts),
            std::make_tuple(15000.0, 7000.0, 3.75));
  EXPECT_EQ(v.PortMode, TPortMode::AllReversible);
  // In the all-reversible mode the time-saved clause is the last port's, not the INI's.
  EXPECT_EQ(v.DespatchModeAllPorts, TCalcDespatch::calcWorktime);
  EXPECT_EQ(v.BL_date, EmptyDay);
  EXPECT_FALSE(v.Locked);
  EXPECT_FALSE(v.AllPurposeAllPorts);
  EXPECT_EQ(v.LoadUnitsAllPorts, TLoadUnits::load_undef);
  EXPECT_EQ(v.LoadRateAllPorts, EmptyReal);
  EXPECT_EQ(v.unused_TemplateName, "NVRWIN.INI");
  const TPortRec& first = Calc.Ports.GetItem(0).PortData;
  EXPECT_EQ(first.PortCommissionPct, 2.5);
  EXPECT_EQ(
      std::tie(first.PreAdvDate, first.PreAdvTime, first.PreAdvOffsDays, first.PreAdvOffsTime),
      std::make_tuple(EmptyDay, EmptyTime, EmptyDay, EmptyTime));
}

// Version 6 kept each charterer's quantity for the whole voyage only, so the imported
// calculation shares on those quantities whatever the calculation open before did.
TEST_F(LegacyImportTest, ChartererQuantitiesHoldForTheWholeVoyage) {
  WriteIni("NVRWIN.INI", FullIni);
  Calc.Voyage.ProRataPerPort = true;
  TLegacyFileBuilder file("NVR69");
  file.Header().Str(0, "SHARED").I16(129, 1).U8(131, 1);
  file.Charterers().Str(0, "Cargill").F64(41, 30000).Str(57, "Bunge").F64(98, 20000);
  FillPort(file.AddPort(), 1);
  Import(file, "NVR69");

  EXPECT_FALSE(Calc.Voyage.ProRataPerPort);
  ASSERT_EQ(Calc.ProRata.Count(), 2);
  EXPECT_EQ(Calc.ProRata.GetItem(1).ProRataRec.Quantity, 20000.0);
}

TEST_F(LegacyImportTest, AnNVR52FileHasNoChartererBlockAndOldPorts) {
  TLegacyFileBuilder file("NVR52");
  file.Header().Str(0, "VETERAN").I16(129, 1).U8(131, 3).U8(146, 1).I32(147, 5).I32(151, 6);
  FillPort(file.AddPort(), 2).F64(54, 2.5);
  file.AddLine(1, March7th2024 + 1, 60, 50, TFactCode::htc_tfact, "Half");
  Import(file, "NVR52");

  EXPECT_EQ(Messages.Texts,
            std::vector<std::string>{
                "I: WARNING: Required INI file " + Folder.File("NVRWIN.INI") +
                " not found. Some items may be missing or invalid and must be adjusted "
                "manually.\r\nCarefully check the imported calculation file before using it."});
  const TVoyageRec& v = Calc.Voyage;
  EXPECT_EQ(v.PortMode, TPortMode::AllAverage);
  EXPECT_TRUE(v.AlwaysOnDemurrage);
  EXPECT_EQ(v.FixtureNo, "");
  EXPECT_EQ(v.VoyageId, EmptyInt);
  EXPECT_EQ(v.Currency, "");
  EXPECT_EQ(v.DespatchModeAllPorts, TCalcDespatch::calcUndef);
  EXPECT_FALSE(v.DespatchDisabled);
  EXPECT_EQ(Calc.ProRata.Count(), 0);
  ASSERT_EQ(Calc.Ports.Count(), 1);
  const TPortRec& p = Calc.Ports.GetItem(0).PortData;
  EXPECT_EQ(p.PortLoadUnits, TLoadUnits::load_days); // unit cleared, rate 2.5 taken as days
  EXPECT_EQ(p.PortCommissionPct, EmptyReal);
  EXPECT_EQ(v.CommissionPctAllPorts, EmptyReal);
  EXPECT_EQ(std::tie(p.ShexStartDay, p.ShexEndDay, p.ShexStartTime, p.ShexEndTime),
            std::make_tuple(-1, -1, EmptyTime, EmptyTime));
  EXPECT_EQ(p.ShexOption, -1); // "None/SHINC" has no days and describes no period
  EXPECT_EQ(p.CargoUnits, "");
  EXPECT_EQ(p.LayTimeCountFrom.Text, "");
  EXPECT_EQ(Calc.TemplateSettings.ShexPresets.size(), 1u);
  EXPECT_EQ(Calc.TemplateSettings.PortTimeLimitDays, 90);
  EXPECT_EQ(Calc.Ports.GetItem(0).SoFCollection.GetItem(0).PctDisplayString(), "50.00");
}

TEST_F(LegacyImportTest, AnNVR57PortWithoutUnitTakesDaysOrUnitsPerDayByItsRate) {
  for (const auto& [rate, unit] :
       {std::pair{2.5, TLoadUnits::load_days}, std::pair{99.99, TLoadUnits::load_days},
        std::pair{4000.0, TLoadUnits::load_units_p_day}}) {
    TLegacyFileBuilder file("NVR57");
    file.Header().I16(129, 1);
    FillPort(file.AddPort(), 1).U8(120, 0).F64(54, rate);
    Import(file, "NVR57");
    EXPECT_EQ(Calc.Ports.GetItem(0).PortData.PortLoadUnits, unit) << rate;
  }
}

TEST_F(LegacyImportTest, AnIniWithoutGlobalSectionIsReportedAndLeavesTheDefaults) {
  WriteIni("NVRWIN.INI", "[Exchange]\r\nExport_Path=D:\\OUT\r\n");
  Calc.TemplateSettings.RemarkLists[1] = {"kept"};
  TLegacyFileBuilder file("NVR65");
  file.Header().I16(129, 1);
  FillPort(file.AddPort(), 1);
  Import(file, "NVR65");
  EXPECT_EQ(Messages.Texts,
            std::vector<std::string>{
                "I: WARNING: Required INI file " + Folder.File("NVRWIN.INI") +
                " invalid. Some items may be missing or invalid and must be adjusted "
                "manually.\r\nCarefully check the imported calculation file before using it."});
  EXPECT_EQ(Calc.TemplateSettings.ShexPresets.size(), 1u);
  EXPECT_EQ(Calc.TemplateSettings.ShexPresets[0].Remark, "None/SHINC");
  EXPECT_EQ(Calc.TemplateSettings.RemarkLists[1], std::vector<std::string>{"kept"});
  EXPECT_EQ(Calc.Ports.GetItem(0).PortData.CargoUnits, "");
}

/// The calculation a failed import leaves: cleared voyage, one empty port, one empty partner.
void ExpectEmptyCalculation(const TCalculation& calc) {
  EXPECT_EQ(calc.Voyage.VesselName, "");
  EXPECT_FALSE(calc.Voyage.Modified);
  ASSERT_EQ(calc.Ports.Count(), 1);
  EXPECT_TRUE(calc.Ports.IsEmptyRec(0));
  ASSERT_EQ(calc.ProRata.Count(), 1);
  EXPECT_TRUE(calc.ProRata.IsEmptyRec(0));
}

// A file that is there but too large to be the INI file of version 6 is reported as invalid,
// not as missing.
TEST_F(LegacyImportTest, AnIniFileTooLargeToReadIsReportedAsInvalid) {
  std::string text = "[Global]\r\nCURRENCY STR=USD\r\n";
  text.resize(MaxLegacyIniSize + 1, ' ');
  WriteIni("HUGE.INI", text);
  const std::string advice = " Some items may be missing or invalid and must be adjusted "
                             "manually.\r\nCarefully check the imported calculation file before "
                             "using it.";
  TTemplateSettings settings;
  const TLegacyIniSettings read =
      ReadLegacyIni(Folder.File("HUGE.INI"), settings, Messages, Environment.Format);
  ReadLegacyIni(Folder.File("MISSING.INI"), settings, Messages, Environment.Format);
  EXPECT_TRUE(read.Currencies.empty());
  EXPECT_EQ(
      Messages.Texts,
      (std::vector<std::string>{
          "I: WARNING: Required INI file " + Folder.File("HUGE.INI") + " invalid." + advice,
          "I: WARNING: Required INI file " + Folder.File("MISSING.INI") + " not found." + advice}));
}

TEST_F(LegacyImportTest, ALineOfAPortThatDoesNotExistEndsTheImportWithItsMessage) {
  for (const std::int16_t portNumber : {std::int16_t{0}, std::int16_t{3}, std::int16_t{-1}}) {
    TLegacyFileBuilder file("NVR68");
    file.Header().Str(0, "NORDIC STAR").I16(129, 2);
    FillPort(file.AddPort(), 1);
    FillPort(file.AddPort(), 2);
    file.Charterers().Str(0, "Cargill");
    file.AddLine(1, March7th2024 + 1, 60, 100, TFactCode::full_tfact, "fine");
    file.AddLine(portNumber, March7th2024 + 1, 120, 100, TFactCode::full_tfact, "bad");
    try {
      Import(file, "NVR68");
      ADD_FAILURE() << "no error for port " << portNumber;
    } catch (const ERangeError& error) {
      EXPECT_EQ(std::string(error.what()), "Statement of facts line with invalid port id. " +
                                               std::to_string(portNumber) +
                                               " is not within the valid range of 1..2");
    }
    ExpectEmptyCalculation(Calc);
  }
}

TEST_F(LegacyImportTest, ATruncatedFileEndsTheImportWithAClearMessage) {
  TLegacyFileBuilder file("NVR66");
  file.Header().Str(0, "NORDIC STAR").I16(129, 3);
  FillPort(file.AddPort(), 1);
  file.AddLine(1, March7th2024 + 1, 60, 100, TFactCode::full_tfact, "fine");
  const std::vector<std::uint8_t> whole = file.Bytes();
  const std::size_t portStart = 8 + 288 + 716;
  for (const std::size_t length :
       {std::size_t{8}, std::size_t{100}, portStart - 1, portStart + 100, whole.size() - 1}) {
    const std::vector<std::uint8_t> bytes(whole.begin(),
                                          whole.begin() + static_cast<std::ptrdiff_t>(length));
    TByteReader reader(bytes, 8);
    try {
      ImportLegacyFile(reader, "NVR66", Calc, Environment, 0.0);
      ADD_FAILURE() << "no error at length " << length;
    } catch (const ELegacyImportError& error) {
      EXPECT_EQ(std::string(error.what()), LegacyFileDamagedMessage);
    }
    ExpectEmptyCalculation(Calc);
  }
}

TEST_F(LegacyImportTest, PortRecordsStopAtTheEndOfTheFile) {
  TLegacyFileBuilder file("NVR66");
  file.Header().I16(129, 5);
  FillPort(file.AddPort(), 1);
  Import(file, "NVR66");
  EXPECT_EQ(Calc.Ports.Count(), 1);
  EXPECT_EQ(Calc.Ports.GetItem(0).PortData.PortName, "SANTOS");
}

TEST_F(LegacyImportTest, TheFilesOwnMomentBecomesTheLastSave) {
  TLegacyFileBuilder file("NVR69");
  file.Header().I16(129, 1);
  FillPort(file.AddPort(), 1);
  const std::string path = Folder.File("VOYAGE.DAT");
  WriteBytes(path, file.Bytes());
  const timeval noon[2] = {{1709812800, 0}, {1709812800, 0}}; // 2024-03-07 12:00 UTC
  ASSERT_EQ(::utimes(path.c_str(), noon), 0);
  EXPECT_EQ(FileMomentOf(path), 45358.5); // the tests run with TZ=UTC
  EXPECT_EQ(FileMomentOf(Folder.File("missing.DAT")), 0.0);

  TLegacyImporter importer(Environment);
  const std::vector<std::uint8_t> bytes = file.Bytes();
  TByteReader reader(bytes, 8);
  importer.ImportLegacyFile(reader, "NVR69", path, Calc);
  EXPECT_EQ(Calc.Status.LastSaveDate, 45358);
  EXPECT_EQ(Calc.Status.LastSaveTime, 720);
}

// ---------------------------------------------------------------------------------------------
// Opening a version-6 file

class LegacyOpenTest : public LegacyImportTest {
protected:
  LegacyOpenTest() : Importer(Environment) {
    Settings.TemplatePath = Folder.Path().string();
    Settings.DefaultTemplateName = "DryCargo";
    TFileEnvironment files(Messages, EnglishUSLocale());
    files.LegacyImporter = &Importer;
    CalcFiles = std::make_unique<TCalcFiles>(Calc, files);
  }

  TLegacyImporter Importer;
  std::unique_ptr<TCalcFiles> CalcFiles;
};

TEST_F(LegacyOpenTest, OpenFileImportsVersion6FilesWhateverTheirExtension) {
  WriteIni("NVRWIN.INI", FullIni);
  TLegacyFileBuilder file("NVR69");
  file.Header().Str(0, "NORDIC STAR").I16(129, 1);
  FillPort(file.AddPort(), 2);
  for (const char* name : {"VOYAGE.DAT", "voyage.zql", "voyage"}) {
    WriteBytes(Folder.File(name), file.Bytes());
    CalcFiles->OpenFile(Folder.File(name), TFileKind::Calculation);
    EXPECT_EQ(Calc.Voyage.VesselName, "NORDIC STAR") << name;
    EXPECT_EQ(Calc.Ports.GetItem(0).PortData.LayTimeCountFrom.Text,
              "Laytime Discharging commenced");
    EXPECT_EQ(CalcFiles->CalcFileName(), "") << "an imported file starts an unnamed calculation";
  }
}

TEST_F(LegacyOpenTest, ADamagedVersion6FileIsReportedAndLeavesAnEmptyCalculation) {
  TLegacyFileBuilder file("NVR69");
  file.Header().Str(0, "NORDIC STAR").I16(129, 1);
  FillPort(file.AddPort(), 1);
  file.AddLine(2, March7th2024, 60, 100, TFactCode::full_tfact, "");
  WriteBytes(Folder.File("BAD.DAT"), file.Bytes());
  try {
    CalcFiles->OpenFile(Folder.File("BAD.DAT"), TFileKind::Calculation);
    FAIL() << "the failure was not reported";
  } catch (const ELaytimeError& error) {
    EXPECT_EQ(std::string(error.what()), "Statement of facts line with invalid port id. 2 is not "
                                         "within the valid range of 1..1");
  }
  ExpectEmptyCalculation(Calc);

  std::vector<std::uint8_t> bytes = file.Bytes();
  bytes.resize(200);
  WriteBytes(Folder.File("SHORT.DAT"), bytes);
  try {
    CalcFiles->OpenFile(Folder.File("SHORT.DAT"), TFileKind::Calculation);
    FAIL() << "the failure was not reported";
  } catch (const ELaytimeError& error) {
    EXPECT_EQ(std::string(error.what()), LegacyFileDamagedMessage);
  }
  ExpectEmptyCalculation(Calc);
}

} // namespace
} // namespace laytime
