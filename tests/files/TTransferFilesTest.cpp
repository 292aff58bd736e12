#include "files/TTransferFiles.h"

#include "TransferTestSupport.h"
#include "files/FileImage.h"
#include "files/IOErrorText.h"
#include "files/TransferScrambler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace laytime {
namespace {

using test::FillCalculation;
using test::ReadBytes;
using test::TTransferFixture;
using test::WriteBytes;

std::vector<std::uint8_t> Bytes(std::string_view text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

/// The port fields a transfer file keeps.
auto TransferPortFields(const TPortRec& p) {
  return std::tie(p.PortName, p.OpLoading, p.OpDischarging, p.PortLoadUnits, p.PortLoadRate,
                  p.PortDespatchMode, p.PortCalcCQD, p.PortDemurrageRate, p.PortDespatchRate,
                  p.PortCommissionPct, p.CargoName, p.CargoQuantity, p.CargoUnits,
                  p.LayTimeCountFrom, p.LayTimeOpCompleted, p.ShexOption, p.ShexStartDay,
                  p.ShexEndDay, p.ShexStartTime, p.ShexEndTime, p.PreAdvDate, p.PreAdvTime,
                  p.PreAdvOffsDays, p.PreAdvOffsTime, p.PortAddAllowanceDays,
                  p.PortAddAllowanceTime, p.pRemarks, p.TankerMinTimeAllowance);
}

void ExpectSamePort(const TPortItem& actual, const TPortItem& expected) {
  EXPECT_EQ(TransferPortFields(actual.PortData), TransferPortFields(expected.PortData));
  ASSERT_EQ(actual.PortInfoCollection.Count(), expected.PortInfoCollection.Count());
  for (int j = 0; j < expected.PortInfoCollection.Count(); ++j)
    EXPECT_EQ(actual.PortInfoCollection.GetItem(j).FDateTimeInfoRec,
              expected.PortInfoCollection.GetItem(j).FDateTimeInfoRec);
  ASSERT_EQ(actual.SoFCollection.Count(), expected.SoFCollection.Count());
  for (int j = 0; j < expected.SoFCollection.Count(); ++j)
    EXPECT_EQ(actual.SoFCollection.GetItem(j).SoFRec(), expected.SoFCollection.GetItem(j).SoFRec());
}

/// The calculation after a failed import: empty, with one empty port and one empty partner.
void ExpectEmptyCalculation(const TCalculation& calc) {
  EXPECT_EQ(calc.Voyage.VesselName, "");
  ASSERT_EQ(calc.Ports.Count(), 1);
  EXPECT_TRUE(calc.Ports.IsEmptyRec(0));
  ASSERT_EQ(calc.ProRata.Count(), 1);
  EXPECT_TRUE(calc.ProRata.IsEmptyRec(0));
}

const std::string MissingTemplateWarning(const TTransferFixture& f) {
  return "I: WARNING: Required template file " + f.Folder.File("DryCargo.ZQT") +
         " not found. Some options may be not available or invalid.";
}

// ---------------------------------------------------------------------------------------------
// Export

TEST(TransferExportTest, WritesTheSectionsKeysAndChecksumOfACalculation) {
  TTransferFixture f;
  f.Calc.Voyage.VesselName = "Nordic Star";
  f.Calc.Voyage.Reference = "R-1";
  TPortItem& port = f.Calc.Ports.GetItem(0);
  port.PortData.PortName = "Santos";
  port.PortData.OpLoading = true;
  port.PortData.CargoQuantity = 25000.5;
  port.PortData.LayTimeCountFrom = {45358, 480, "NOR + 6"};
  port.PortInfoCollection.Add().FDateTimeInfoRec = {45357, 1440, "Arrived\r\nroads"};
  port.SoFCollection.Add().SetSoFRec(
      TSoFRec{45359, 60, TFactCode::htc_tfact, 50.0, "50.00", "C:\\new", 0});
  TProRataItem& partner = f.Calc.ProRata.Add();
  partner.ProRataRec.Charterer = "Cargill";
  partner.ProRataRec.Quantity = 6000;
  f.Calc.ProRata.Add(); // an empty partner is left out

  const std::string file = f.Folder.File("Voyage.ZQA");
  f.Transfer->ExportCalculationTransfer(file);

  const std::string body =
      "[ZQLaytimeCalculation]\r\n"
      "ProgramInfo1=\"Navarune: Laytime Calculation\"\r\n"
      "ProgramInfo2=\"Transfer file of a laytime calculation. Do not edit: a changed file fails "
      "its checksum.\"\r\n"
      "ContactInfo1=\"Phone +44 20 7946 0815, Fax +44 20 7946 0816\"\r\n"
      "ContactInfo2=\"support@quillmark.example\"\r\n"
      "ContactInfo3=\"Quillmark Ltd., 12 Harbour Row, Southampton SO14 2AQ\"\r\n"
      "[Identification]\r\n"
      "SourceProgram=\"Navarune: Laytime Calculation Version: 7.00  Release 2 (Build 15)\"\r\n"
      "DataVersion=\"NVR70\"\r\n"
      "SubversionCode=27\r\n"
      "DataSource1=\"Baltic Agency\"\r\n"
      "DataSource2=\"Anna\"\r\n"
      "DataSource3=\"Ops\"\r\n"
      "DataSource4=\"Riga\"\r\n"
      "VesselName=\"Nordic Star\"\r\n"
      "Reference=\"R-1\"\r\n"
      "CreateDate=2024-03-07\r\n"
      "CreateTime=12:30\r\n"
      "[CPData]\r\n"
      "VesselName=\"Nordic Star\"\r\n"
      "AllPurposeAllPorts=0\r\n"
      "AllPurposeLoading=0\r\n"
      "AllPurposeDischarging=0\r\n"
      "LoadUnitsAllPorts=1\r\n"
      "LoadUnitsLoading=1\r\n"
      "LoadUnitsDischarging=1\r\n"
      "CPFormCaption=\"C/P Form\"\r\n"
      "VoyInfo1Caption=\"Partner\"\r\n"
      "VoyInfo2Caption=\"From/To\"\r\n"
      "VoyInfo3Caption=\"Details\"\r\n"
      "PortMode=1\r\n"
      "Modified=0\r\n"
      "AlwaysOnDemurrage=1\r\n"
      "DespatchModeAllPorts=0\r\n"
      "DespatchModeLoading=0\r\n"
      "DespatchModeDischarging=0\r\n"
      "Reference=\"R-1\"\r\n"
      "DespatchDisabled=0\r\n"
      "ShexDisabled=0\r\n"
      "[PRLn001]\r\n"
      "Partner=\"Cargill\"\r\n"
      "Quantity=6000\r\n"
      "[PortData001]\r\n"
      "PortName=\"Santos\"\r\n"
      "OpLoading=1\r\n"
      "OpDischarging=0\r\n"
      "PortLoadUnits=1\r\n"
      "PortDespatchMode=0\r\n"
      "PortCalcCQD=0\r\n"
      "CargoQuantity=25000.5\r\n"
      "CargoUnits=\"mts\"\r\n"
      "CountFromDate=2024-03-07\r\n"
      "CountFromTime=08:00\r\n"
      "CountFromText=\"NOR + 6\"\r\n"
      "ShexOption=-1\r\n"
      "ShexStartDay=-1\r\n"
      "ShexEndDay=-1\r\n"
      "[PI001Ln001]\r\n"
      "Text=\"Arrived\\nroads\"\r\n"
      "Date=2024-03-06\r\n"
      "Time=24:00\r\n"
      "[SoF001Ln00001]\r\n"
      "UntilDate=2024-03-08\r\n"
      "UntilTime=01:00\r\n"
      "Condition=5\r\n"
      "PctDisplayString=\"50.00\"\r\n"
      "Pct=50\r\n"
      "Remark=\"C:\\\\new\"\r\n";
  const std::string expected = body + TransferChecksumLine(TransferTextChecksum(body)) + "\r\n";
  EXPECT_EQ(f.PlainText(file), expected);
  EXPECT_EQ(ReadBytes(file), ScrambleTransferText(expected, {0x1111, 0x2222, 0x3333, 0x4444}));
  EXPECT_TRUE(f.Messages.Texts.empty());
  EXPECT_EQ(f.Dialogs.Log, std::vector<std::string>{"progress: Exporting Calculation"});
}

TEST(TransferExportTest, AHeaderThatReadsAsPlainTextIsDrawnAgain) {
  test::TTransferFixture f;
  // "[Z" "QL" "AY": the bytes of a header that would make the file look unscrambled.
  TTransferEnvironment environment(f.Messages, f.Dialogs, f.TemporaryFiles,
                                   TFormatContext{EnglishUSLocale(), 1});
  environment.NewScrambleHeader = [] { return TScrambleHeader{0x5A5B, 0x4C51, 0x5941, 0}; };
  TTransferFiles transfer(f.Calc, *f.CalcFiles, environment);
  const std::string file = f.Folder.File("Voyage.ZQA");
  transfer.ExportCalculationTransfer(file);
  EXPECT_FALSE(IsPlainTransferText(ReadBytes(file)));
  EXPECT_TRUE(f.Transfer->ImportCalculationTransfer(file));
  EXPECT_TRUE(f.Dialogs.Questions().empty());
}

TEST(TransferExportTest, TemporaryTextIsListedAndRemoved) {
  TTransferFixture f;
  const std::string file = f.Folder.File("Voyage.ZQA");
  f.Transfer->ExportCalculationTransfer(file);
  f.Transfer->ExportSoFTransfer(f.Folder.File("Port.ZQS"), 0);
  EXPECT_EQ(f.TemporaryFiles.Paths(),
            (std::vector<std::string>{f.Folder.File("Voyage.$$A"), f.Folder.File("Port.$$S")}));
  EXPECT_FALSE(std::filesystem::exists(f.Folder.File("Voyage.$$A")));
  EXPECT_FALSE(std::filesystem::exists(f.Folder.File("Port.$$S")));

  f.Transfer->ImportCalculationTransfer(file);
  EXPECT_EQ(f.TemporaryFiles.Paths().back(), f.Folder.File("Voyage.$$A"));
  EXPECT_FALSE(std::filesystem::exists(f.Folder.File("Voyage.$$A")));
}

// A file named with the temporary extension itself must not be taken for its own temporary
// text: the export would delete what it wrote, and the import the file it reads.
TEST(TransferExportTest, AFileNamedLikeTheTemporaryTextSurvivesExportAndImport) {
  TTransferFixture f;
  f.Calc.Voyage.VesselName = "Nordic Star";
  f.Calc.Ports.GetItem(0).PortData.PortName = "Santos";
  const std::string calculation = f.Folder.File("Voyage.$$A");
  const std::string port = f.Folder.File("Port.$$s");
  f.Transfer->ExportCalculationTransfer(calculation);
  f.Transfer->ExportSoFTransfer(port, 0);
  ASSERT_TRUE(std::filesystem::exists(calculation));
  ASSERT_TRUE(std::filesystem::exists(port));
  EXPECT_EQ(f.TemporaryFiles.Paths(),
            (std::vector<std::string>{calculation + ".$$A", port + ".$$S"}));

  f.Calc.Clear();
  ASSERT_TRUE(f.Transfer->ImportCalculationTransfer(calculation));
  EXPECT_EQ(f.Calc.Voyage.VesselName, "Nordic Star");
  EXPECT_TRUE(std::filesystem::exists(calculation));
  EXPECT_FALSE(std::filesystem::exists(calculation + ".$$A"));
  TDataIdentificationRecord identification;
  TPortItem read(f.Calc);
  ASSERT_TRUE(f.Transfer->ReadSoFTransfer(port, identification, read));
  EXPECT_EQ(read.PortData.PortName, "Santos");
  EXPECT_TRUE(std::filesystem::exists(port));
}

TEST(TransferExportTest, TellsWhichTextsLoseCharacters) {
  TTransferFixture f;
  f.Calc.Voyage.VesselName = "MV Ωmega";
  f.Calc.Ports.GetItem(0).PortData.PortName = "Ōsaka";
  f.Calc.Ports.GetItem(0).PortData.CargoName = "Weizen für Zürich – €"; // all in Windows-1252
  f.Transfer->ExportCalculationTransfer(f.Folder.File("Voyage.ZQA"));
  EXPECT_EQ(f.Messages.Texts,
            std::vector<std::string>{
                "I: Some texts contain characters that a transfer file cannot hold. They were "
                "written with \"?\" in their place: Identification/VesselName, CPData/VesselName, "
                "PortData001/PortName"});
}

TEST(TransferExportTest, AnExportIntoAMissingFolderFailsWithTheSystemsMessage) {
  TTransferFixture f;
  try {
    f.Transfer->ExportCalculationTransfer(f.Folder.File("missing/Voyage.ZQA"));
    FAIL() << "no error";
  } catch (const ELaytimeError& error) {
    EXPECT_EQ(std::string(error.what()), IOErrorText(2));
  }
}

// ---------------------------------------------------------------------------------------------
// Calculation import

TEST(TransferImportTest, ACalculationRoundTrips) {
  TTransferFixture f;
  FillCalculation(f.Calc);
  f.Calc.Voyage.VesselName = "MV Omega";
  const std::string file = f.Folder.File("Voyage 12.ZQA");
  f.Transfer->ExportCalculationTransfer(file);

  TCalculation expected{f.Settings};
  FillCalculation(expected);
  f.Calc.Clear();
  ASSERT_TRUE(f.Transfer->ImportCalculationTransfer(file));

  EXPECT_EQ(f.Transfer->ImportedDisplayName(), "Voyage 12");
  // What the transfer format does not carry is as a new calculation has it.
  TVoyageRec voyage = expected.Voyage;
  voyage.VesselName = "MV Omega";
  voyage.total_time_allowed = voyage.total_time_used = voyage.total_time_saved = EmptyInt;
  voyage.Locked = false;
  voyage.ProRataPerPort = false;
  voyage.HintProRataCalcMethod = voyage.HintProRataRoundingMethod = 0;
  voyage.HintDemurrageRateUnit = 0;
  EXPECT_EQ(f.Calc.Voyage, voyage);
  EXPECT_EQ(f.Calc.Status.TemplateName, "DryCargo.ZQT");
  ASSERT_EQ(f.Calc.Ports.Count(), 2);
  for (int i = 0; i < 2; ++i)
    ExpectSamePort(f.Calc.Ports.GetItem(i), expected.Ports.GetItem(i));
  ASSERT_EQ(f.Calc.ProRata.Count(), 2);
  EXPECT_EQ(f.Calc.ProRata.GetItem(0).ProRataRec, expected.ProRata.GetItem(0).ProRataRec);
  EXPECT_EQ(f.Calc.ProRata.GetItem(1).ProRataRec, expected.ProRata.GetItem(1).ProRataRec);

  EXPECT_EQ(f.Messages.Texts, std::vector<std::string>{MissingTemplateWarning(f)});
  EXPECT_EQ(f.Dialogs.Log, (std::vector<std::string>{"progress: Exporting Calculation",
                                                     "progress: Checking Import File",
                                                     "progress: Importing Calculation"}));
}

TEST(TransferImportTest, RealsWrittenUnderACommaLocaleReadUnderAPointLocale) {
  TTransferFixture german(GermanLocale());
  FillCalculation(german.Calc, ",");
  german.Calc.Voyage.VesselName = "Omega";
  const std::string file = german.Folder.File("Voyage.ZQA");
  german.Transfer->ExportCalculationTransfer(file);
  EXPECT_NE(german.PlainText(file).find("PortLoadRate=1001,5\r\n"), std::string::npos);

  TTransferFixture english(EnglishUSLocale());
  ASSERT_TRUE(english.Transfer->ImportCalculationTransfer(file));
  const TPortRec& port = english.Calc.Ports.GetItem(0).PortData;
  EXPECT_EQ(port.PortLoadRate, 1001.5);
  EXPECT_EQ(port.CargoQuantity, 25001.125);
  EXPECT_EQ(port.PortCommissionPct, 3.5);
  EXPECT_EQ(english.Calc.Voyage.CommissionPctDischarging, 3.75);
  EXPECT_EQ(english.Calc.Ports.GetItem(0).SoFCollection.GetItem(1).Pct(), 12.5);
}

TEST(TransferImportTest, AnUnscrambledTextIsAccepted) {
  TTransferFixture f;
  f.Calc.Voyage.VesselName = "Nordic Star";
  const std::string scrambled = f.Folder.File("Voyage.ZQA");
  f.Transfer->ExportCalculationTransfer(scrambled);
  const std::string plain = f.Folder.File("Plain.ZQA");
  WriteBytes(plain, Bytes(f.PlainText(scrambled)));

  f.Calc.Clear();
  ASSERT_TRUE(f.Transfer->ImportCalculationTransfer(plain));
  EXPECT_EQ(f.Calc.Voyage.VesselName, "Nordic Star");
  EXPECT_TRUE(f.Dialogs.Questions().empty());
  // A plain source needs no unscrambled copy.
  EXPECT_EQ(f.TemporaryFiles.Paths(), std::vector<std::string>{f.Folder.File("Voyage.$$A")});
}

TEST(TransferImportTest, AFileWithoutChecksumLineIsAcceptedWithoutACheck) {
  TTransferFixture f;
  const std::string file = f.Folder.File("Hand.ZQA");
  WriteBytes(file, Bytes("[ZQLaytimeCalculation]\r\n"
                         "[Identification]\r\n"
                         "SubversionCode=27\r\n"
                         "[CPData]\r\n"
                         "VesselName=\"Edited By Hand\"\r\n"));
  ASSERT_TRUE(f.Transfer->ImportCalculationTransfer(file));
  EXPECT_EQ(f.Calc.Voyage.VesselName, "Edited By Hand");
  EXPECT_TRUE(f.Dialogs.Questions().empty());
}

TEST(TransferImportTest, MissingEnumerationKeysGiveOneAndMissingBooleansKeepTheirValue) {
  TTransferFixture f;
  f.Calc.TemplateSettings.DefaultAlwaysOnDemurrage = false;
  f.Calc.TemplateSettings.DefaultShexDisabled = true;
  const std::string file = f.Folder.File("Hand.ZQA");
  WriteBytes(file, Bytes("[ZQLaytimeCalculation]\n"
                         "[identification]\n"
                         "SubversionCode=27\n"
                         "[CPDATA]\n"
                         "VesselName=\"Hand Made\"\n"
                         "PortMode=6\n"
                         "[PortData001]\n"
                         "PortName=\"Santos\"\n"));
  ASSERT_TRUE(f.Transfer->ImportCalculationTransfer(file));
  const TVoyageRec& v = f.Calc.Voyage;
  EXPECT_EQ(v.PortMode, TPortMode::AllAverage);
  EXPECT_EQ(v.LoadUnitsAllPorts, TLoadUnits::load_units_p_day);
  EXPECT_EQ(v.DespatchModeAllPorts, TCalcDespatch::calcWorktime);
  EXPECT_FALSE(v.AlwaysOnDemurrage);
  EXPECT_TRUE(v.ShexDisabled);
  const TPortRec& p = f.Calc.Ports.GetItem(0).PortData;
  EXPECT_EQ(p.PortName, "Santos");
  EXPECT_EQ(p.PortDespatchMode, TCalcDespatch::calcWorktime);
  EXPECT_EQ(p.PortLoadUnits, TLoadUnits::load_units_p_day);
  EXPECT_FALSE(p.OpLoading);
  EXPECT_EQ(p.CargoUnits, "");
  EXPECT_EQ(p.ShexStartDay, EmptyInt);
  EXPECT_EQ(f.Calc.Ports.GetItem(0).PortInfoCollection.Count(), 0);
}

TEST(TransferImportTest, MissingCaptionKeysGiveEmptyCaptions) {
  TTransferFixture f;
  f.Calc.TemplateSettings.CPFormCaption = "Charter form";
  f.Calc.TemplateSettings.VoyInfo1Caption = "Owner";
  f.Calc.TemplateSettings.VoyInfo2Caption = "Route";
  f.Calc.TemplateSettings.VoyInfo3Caption = "Notes";
  const std::string file = f.Folder.File("Hand.ZQA");
  // A sender whose labels are empty writes no caption keys; the labels arrive empty.
  WriteBytes(file, Bytes("[ZQLaytimeCalculation]\r\n"
                         "[Identification]\r\n"
                         "SubversionCode=27\r\n"
                         "[CPData]\r\n"
                         "VoyInfo2Caption=\"Rotation\"\r\n"));
  ASSERT_TRUE(f.Transfer->ImportCalculationTransfer(file));
  const TTemplateSettings& s = f.Calc.TemplateSettings;
  EXPECT_EQ(std::tie(s.CPFormCaption, s.VoyInfo1Caption, s.VoyInfo2Caption, s.VoyInfo3Caption),
            std::make_tuple("", "", "Rotation", ""));
}

struct ChecksumCase {
  const char* Name;
  TAbortIgnore AbortIgnore;
  bool Yes;
  bool Imported;
  std::vector<std::string> Questions;
};

const std::string ChecksumQuestion = "abort/ignore: File checksum error. The file is possibly "
                                     "invalid or has been damaged or modified. ";
const std::string CalculationWarning =
    "yes/no: Importing a damaged or invalid calculation can cause wrong or misleading "
    "calculation results and unpredictable system behavior. Check all details and results with "
    "utmost care before making any use of those results. Are you sure you want to continue?";

class TransferChecksumTest : public testing::TestWithParam<ChecksumCase> {};

TEST_P(TransferChecksumTest, ADamagedFileIsImportedOnlyWhenTheUserInsists) {
  const ChecksumCase& c = GetParam();
  TTransferFixture f;
  f.Calc.Voyage.VesselName = "Nordic Star";
  const std::string file = f.Folder.File("Voyage.ZQA");
  f.Transfer->ExportCalculationTransfer(file);
  std::string text = f.PlainText(file);
  text.replace(text.rfind("Nordic Star"), 11, "Baltic Star");
  WriteBytes(file, Bytes(text));
  f.Dialogs.Log.clear();
  f.Dialogs.AbortIgnoreAnswer = c.AbortIgnore;
  f.Dialogs.YesNoAnswer = c.Yes;

  EXPECT_EQ(f.Transfer->ImportCalculationTransfer(file), c.Imported);
  EXPECT_EQ(f.Dialogs.Questions(), c.Questions);
  if (c.Imported) {
    EXPECT_EQ(f.Calc.Voyage.VesselName, "Baltic Star");
  } else {
    ExpectEmptyCalculation(f.Calc);
    EXPECT_TRUE(f.Messages.Texts.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, TransferChecksumTest,
    testing::Values(ChecksumCase{"Abort", TAbortIgnore::Abort, true, false, {ChecksumQuestion}},
                    ChecksumCase{"IgnoreThenNo",
                                 TAbortIgnore::Ignore,
                                 false,
                                 false,
                                 {ChecksumQuestion, CalculationWarning}},
                    ChecksumCase{"IgnoreThenYes",
                                 TAbortIgnore::Ignore,
                                 true,
                                 true,
                                 {ChecksumQuestion, CalculationWarning}}),
    [](const testing::TestParamInfo<ChecksumCase>& info) { return info.param.Name; });

const std::string WithoutChecksumText = "[ZQLaytimeCalculation]\r\n"
                                        "[Identification]\r\n"
                                        "SubversionCode=25\r\n"
                                        "[CPData]\r\n"
                                        "VesselName=\"Older Peer\"\r\n";

const std::string NoChecksumWarning =
    "I: The file has no checksum line, so it could not be checked for damage. Check all details "
    "and results with utmost care before making any use of them.";

struct NoChecksumCase {
  const char* Name;
  std::string Text;
  bool Imported;
  std::vector<std::string> Questions;
  std::vector<std::string> Messages;
};

class TransferNoChecksumTest : public testing::TestWithParam<NoChecksumCase> {};

// Every export ends with the checksum line, yet a file without one is accepted: it may come
// from a peer that wrote none. In a scrambled file the line may also be missing because the
// file was cut short, so the user is told that nothing was checked; a tail that unscrambles to
// bytes no text holds is damage and is treated as a checksum error.
TEST_P(TransferNoChecksumTest, AScrambledFileWithoutChecksumLine) {
  const NoChecksumCase& c = GetParam();
  TTransferFixture f;
  const std::string file = f.Folder.File("Peer.ZQA");
  WriteBytes(file, ScrambleTransferText(c.Text, TScrambleHeader{1, 2, 3, 4}));

  EXPECT_EQ(f.Transfer->ImportCalculationTransfer(file), c.Imported);
  EXPECT_EQ(f.Dialogs.Questions(), c.Questions);
  std::vector<std::string> messages = f.Messages.Texts;
  std::erase(messages, MissingTemplateWarning(f));
  EXPECT_EQ(messages, c.Messages);
  EXPECT_EQ(f.Calc.Voyage.VesselName, c.Imported ? "Older Peer" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TransferNoChecksumTest,
    testing::Values(NoChecksumCase{"CleanText", WithoutChecksumText, true, {}, {NoChecksumWarning}},
                    NoChecksumCase{"CleanTextWithoutLastLineEnd",
                                   WithoutChecksumText.substr(0, WithoutChecksumText.size() - 2),
                                   true,
                                   {},
                                   {NoChecksumWarning}},
                    NoChecksumCase{"GarbledTail",
                                   WithoutChecksumText + "\x01\x9c\x07#\x1b",
                                   false,
                                   {ChecksumQuestion},
                                   {}}),
    [](const testing::TestParamInfo<NoChecksumCase>& info) { return info.param.Name; });

TEST(TransferImportTest, ChangingOneByteOfAScrambledFileFailsTheChecksum) {
  TTransferFixture f;
  const std::string file = f.Folder.File("Voyage.ZQA");
  f.Transfer->ExportCalculationTransfer(file);
  std::vector<std::uint8_t> image = ReadBytes(file);
  image[image.size() / 2] ^= 0x01;
  WriteBytes(file, image);
  EXPECT_FALSE(f.Transfer->ImportCalculationTransfer(file));
  EXPECT_EQ(f.Dialogs.Questions(), std::vector<std::string>{ChecksumQuestion});
  ExpectEmptyCalculation(f.Calc);
}

struct VersionCase {
  const char* Name;
  std::string SubversionLine;
  bool Imported;
  std::string Message;
};

class TransferVersionTest : public testing::TestWithParam<VersionCase> {};

TEST_P(TransferVersionTest, ChecksTheSubversion) {
  const VersionCase& c = GetParam();
  TTransferFixture f;
  const std::string file = f.Folder.File("Hand.ZQA");
  WriteBytes(file, Bytes("[ZQLaytimeCalculation]\r\n[Identification]\r\n" + c.SubversionLine +
                         "[CPData]\r\nVesselName=\"Nordic Star\"\r\n"));
  EXPECT_EQ(f.Transfer->ImportCalculationTransfer(file), c.Imported);
  ASSERT_FALSE(f.Messages.Texts.empty());
  EXPECT_EQ(f.Messages.Texts.front(), c.Message);
  if (!c.Imported)
    ExpectEmptyCalculation(f.Calc);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TransferVersionTest,
    testing::Values(
        VersionCase{"Missing", "", false,
                    "E: File version error: Data version code missing or invalid, file "
                    "rejected."},
        VersionCase{"Zero", "SubversionCode=0\r\n", false,
                    "E: File version error: Data version code missing or invalid, file "
                    "rejected."},
        VersionCase{"PreRelease", "SubversionCode=19\r\n", false,
                    "E: File version error: Pre-release file with version code 19 not "
                    "supported."},
        VersionCase{"Newer", "SubversionCode=28\r\n", true,
                    "I: This file has been created with a newer version of this program. It may "
                    "contain additional data or calculation features not available in this "
                    "version. Please carefully check the results.\r\nContact Quillmark for "
                    "information on updates"}),
    [](const testing::TestParamInfo<VersionCase>& info) { return info.param.Name; });

TEST(TransferImportTest, LooksUpTheTemplateAndFallsBackToTheDefault) {
  TTransferFixture f;
  const std::string file = f.Folder.File("Hand.ZQA");
  WriteBytes(file, Bytes("[ZQLaytimeCalculation]\r\n[Identification]\r\nSubversionCode=27\r\n"
                         "Template=\"Special\"\r\n"));
  ASSERT_TRUE(f.Transfer->ImportCalculationTransfer(file));
  EXPECT_EQ(f.Calc.Status.TemplateName, "Special");
  EXPECT_EQ(f.Messages.Texts,
            (std::vector<std::string>{"I: Original template file " + f.Folder.File("Special.ZQT") +
                                          " not found, using defaults",
                                      MissingTemplateWarning(f)}));

  TCalculation templ{f.Settings};
  templ.TemplateSettings.ReportTitle = "Default title";
  WriteBytes(f.Folder.File("DryCargo.ZQT"),
             WriteFileImage(templ, TRecordFormat{TFileKind::Template, 32}, "."));
  f.Messages.Texts.clear();
  ASSERT_TRUE(f.Transfer->ImportCalculationTransfer(file));
  EXPECT_EQ(f.Calc.TemplateSettings.ReportTitle, "Default title");
  EXPECT_EQ(f.Messages.Texts,
            std::vector<std::string>{"I: Original template file " + f.Folder.File("Special.ZQT") +
                                     " not found, using defaults"});
}

TEST(TransferImportTest, AFileThatCannotBeReadLeavesAnEmptyCalculation) {
  TTransferFixture f;
  FillCalculation(f.Calc);
  EXPECT_FALSE(f.Transfer->ImportCalculationTransfer(f.Folder.File("missing.ZQA")));
  EXPECT_EQ(f.Messages.Texts, std::vector<std::string>{"E: " + IOErrorText(2)});
  ExpectEmptyCalculation(f.Calc);
}

TEST(TransferImportTest, AFileTooLargeForATransferFileIsRefusedBeforeItIsRead) {
  TTransferFixture f;
  FillCalculation(f.Calc);
  const std::string file = f.Folder.File("Huge.ZQA");
  WriteBytes(file, std::vector<std::uint8_t>(MaxTransferFileSize + 1, 'x'));
  EXPECT_FALSE(f.Transfer->ImportCalculationTransfer(file));
  EXPECT_EQ(f.Messages.Texts, std::vector<std::string>{"E: The file " + file +
                                                       " is too large for a transfer file. It is "
                                                       "damaged or not a transfer file."});
  EXPECT_TRUE(f.Dialogs.Questions().empty());
  ExpectEmptyCalculation(f.Calc);
}

TEST(TransferImportTest, GarbageNeverCrashes) {
  TTransferFixture f;
  const std::string file = f.Folder.File("Garbage.ZQA");
  for (const std::string& content :
       {std::string(), std::string("x"), std::string(5000, '\xFF'), std::string("[ZQLAY"),
        std::string("[ZQLay]\r\n[PortData]\r\n[PortData001]\r\nPortLoadRate=1e999\r\n")}) {
    WriteBytes(file, Bytes(content));
    f.Dialogs.AbortIgnoreAnswer = TAbortIgnore::Ignore;
    f.Transfer->ImportCalculationTransfer(file);
    EXPECT_GE(f.Calc.Ports.Count(), 1);
  }
}

// ---------------------------------------------------------------------------------------------
// Statement of facts

class SoFTransferTest : public testing::Test {
protected:
  SoFTransferTest() {
    FillCalculation(Sender.Calc);
    Sender.Calc.Voyage.VesselName = "NORDIC STAR";
    Sender.Transfer->ExportSoFTransfer(File, 1);
    TPortRec& port = Sender.Calc.Ports.GetItem(1).PortData;
    EXPECT_EQ(port.LayTimeCountFrom.Date, 45102);

    FillCalculation(Receiver.Calc);
    Receiver.Calc.Voyage.VesselName = "MV Nordic Star";
    Receiver.Calc.Ports.GetItem(1).PortData.LayTimeCountFrom.Date = 45110;
  }

  TTransferFixture Sender;
  TTransferFixture Receiver;
  std::string File = Sender.Folder.File("Port.ZQS");
};

TEST_F(SoFTransferTest, ExportAlwaysUsesTheSuffix000) {
  const std::string text = Sender.PlainText(File);
  EXPECT_NE(text.find("[PortData000]\r\nPortName=\"Port 2 "), std::string::npos);
  EXPECT_NE(text.find("[PI000Ln002]"), std::string::npos);
  EXPECT_NE(text.find("[SoF000Ln00002]"), std::string::npos);
  EXPECT_EQ(text.find("CPData"), std::string::npos);
  EXPECT_EQ(text.find("PortData002"), std::string::npos);
  EXPECT_EQ(Sender.Dialogs.Log,
            std::vector<std::string>{"progress: Exporting Port: Port 2 – Zürich"});
}

TEST_F(SoFTransferTest, ImportsIntoTheCurrentCalculationByCountStart) {
  EXPECT_EQ(Receiver.Transfer->ImportSoFTransfer(File, TCurrentFileImport::Allowed), 1);
  ASSERT_EQ(Receiver.Calc.Ports.Count(), 3);
  ExpectSamePort(Receiver.Calc.Ports.GetItem(1), Sender.Calc.Ports.GetItem(1));
  EXPECT_EQ(Receiver.Calc.Ports.GetItem(2).PortData.LayTimeCountFrom.Date, 45110);
  // MV Nordic Star and NORDIC STAR are the same vessel: no question.
  EXPECT_EQ(
      Receiver.Dialogs.Questions(),
      std::vector<std::string>{"confirm: Do you want to import this statement of facts file?"});
  EXPECT_EQ(Receiver.Calc.Voyage.VesselName, "MV Nordic Star");

  const TSoFImportConfirmation& c = Receiver.Dialogs.LastConfirmation;
  EXPECT_EQ(c.Caption, "Import Statement-of-Facts");
  EXPECT_EQ(c.FileName, File);
  EXPECT_EQ(c.VesselName, "NORDIC STAR");
  EXPECT_EQ(c.PortName, "Port 2 – Zürich");
  EXPECT_EQ(std::tie(c.Company, c.UserName, c.Department, c.Location),
            std::make_tuple("Baltic Agency", "Anna", "Ops", "Riga"));
  EXPECT_EQ(c.Created, "2024-03-07 12:30");
  const std::vector<std::pair<TSoFImportChoice, std::string>> choices{
      {TSoFImportChoice::CurrentCalculation, "Yes, into the current calculation file: Voyage 7"},
      {TSoFImportChoice::OtherCalculation, "Yes, into another existing calculation"},
      {TSoFImportChoice::NewCalculation, "Yes, into a new calculation file"},
      {TSoFImportChoice::DoNotImport, "No, I do not want to import this statement now"}};
  EXPECT_EQ(c.Choices, choices);
  EXPECT_EQ(c.Preselected, TSoFImportChoice::NewCalculation);
}

TEST_F(SoFTransferTest, AnEarlierCountStartGoesFirstAndALaterOneLast) {
  Receiver.Calc.Ports.GetItem(0).PortData.LayTimeCountFrom.Date = 45103;
  EXPECT_EQ(Receiver.Transfer->ImportSoFTransfer(File, TCurrentFileImport::Allowed), 0);
  Receiver.Calc.Ports.GetItem(0).PortData.LayTimeCountFrom.Date = 45000;
  EXPECT_EQ(Receiver.Transfer->ImportSoFTransfer(File, TCurrentFileImport::Allowed), 1);
  for (int i = 0; i < Receiver.Calc.Ports.Count(); ++i)
    Receiver.Calc.Ports.GetItem(i).PortData.LayTimeCountFrom.Date = 45000;
  EXPECT_EQ(Receiver.Transfer->ImportSoFTransfer(File, TCurrentFileImport::Allowed), 4);
}

TEST_F(SoFTransferTest, DifferentVesselsAreImportedOnlyOnYes) {
  Receiver.Calc.Voyage.VesselName = "Baltic Star";
  Receiver.Dialogs.YesNoCancelAnswer = TYesNoCancel::No;
  EXPECT_EQ(Receiver.Transfer->ImportSoFTransfer(File, TCurrentFileImport::Allowed), -1);
  EXPECT_EQ(Receiver.Calc.Ports.Count(), 2);
  EXPECT_EQ(Receiver.Dialogs.Questions().back(),
            "yes/no/cancel: Warning: The vessel names appear to be different.\r\nCurrent file: "
            "Baltic Star\r\nIncoming SoF: NORDIC STAR\r\nDo you want to continue?");
  Receiver.Dialogs.YesNoCancelAnswer = TYesNoCancel::Yes;
  EXPECT_EQ(Receiver.Transfer->ImportSoFTransfer(File, TCurrentFileImport::Allowed), 1);
  EXPECT_EQ(Receiver.Calc.Voyage.VesselName, "Baltic Star");
}

TEST_F(SoFTransferTest, AnEmptyCalculationTakesTheVesselAndLosesItsEmptyPort) {
  Receiver.Calc.Clear();
  EXPECT_EQ(Receiver.Transfer->ImportSoFTransfer(File, TCurrentFileImport::Allowed), 0);
  EXPECT_EQ(Receiver.Calc.Voyage.VesselName, "NORDIC STAR");
  ASSERT_EQ(Receiver.Calc.Ports.Count(), 1);
  EXPECT_EQ(Receiver.Calc.Ports.GetItem(0).PortData.PortName, "Port 2 – Zürich");
}

TEST_F(SoFTransferTest, ImportsIntoANewCalculation) {
  Receiver.Dialogs.Choice = TSoFImportChoice::NewCalculation;
  Receiver.Commands.OnNew = [this] {
    Receiver.Calc.Clear();
    Receiver.Calc.Ports.GetItem(0).PortData.PortName = "kept by nobody";
    return true;
  };
  EXPECT_EQ(Receiver.Transfer->ImportSoFTransfer(File, TCurrentFileImport::NotAllowed), 0);
  EXPECT_EQ(Receiver.Commands.Log, std::vector<std::string>{"new"});
  EXPECT_EQ(Receiver.Calc.Voyage.VesselName, "NORDIC STAR");
  ASSERT_EQ(Receiver.Calc.Ports.Count(), 1);
  ExpectSamePort(Receiver.Calc.Ports.GetItem(0), Sender.Calc.Ports.GetItem(1));
  // From the command line the open calculation is not offered.
  EXPECT_EQ(Receiver.Dialogs.LastConfirmation.Choices.front().first,
            TSoFImportChoice::OtherCalculation);
}

TEST_F(SoFTransferTest, AnAbandonedOpenOrNewImportsNothing) {
  for (const TSoFImportChoice choice :
       {TSoFImportChoice::OtherCalculation, TSoFImportChoice::NewCalculation,
        TSoFImportChoice::DoNotImport}) {
    Receiver.Dialogs.Choice = choice;
    EXPECT_EQ(Receiver.Transfer->ImportSoFTransfer(File, TCurrentFileImport::Allowed), -1);
    EXPECT_EQ(Receiver.Calc.Ports.Count(), 2);
  }
  EXPECT_EQ(Receiver.Commands.Log, (std::vector<std::string>{"open", "new"}));
}

TEST_F(SoFTransferTest, MissingSenderDetailsShowUnknown) {
  const std::string file = Receiver.Folder.File("Hand.ZQS");
  WriteBytes(file, Bytes("[ZQLaytimeCalculation]\r\n[Identification]\r\nSubversionCode=27\r\n"
                         "[PortData000]\r\nOpLoading=1\r\n"));
  Receiver.Dialogs.Choice = TSoFImportChoice::DoNotImport;
  Receiver.Transfer->ImportSoFTransfer(file, TCurrentFileImport::Allowed);
  const TSoFImportConfirmation& c = Receiver.Dialogs.LastConfirmation;
  EXPECT_EQ(c.VesselName, "unknown - information missing or invalid");
  EXPECT_EQ(c.PortName, "unknown - information missing or invalid");
  EXPECT_EQ(c.Company, "unknown - information missing or invalid");
  EXPECT_EQ(c.Created, " ");
}

TEST_F(SoFTransferTest, AFileWithoutPortData000IsNotRead) {
  const std::string file = Receiver.Folder.File("Hand.ZQS");
  WriteBytes(file, Bytes("[ZQLaytimeCalculation]\r\n[Identification]\r\nSubversionCode=27\r\n"
                         "[PortData001]\r\nPortName=\"Santos\"\r\n"));
  TPortItem port(Receiver.Calc);
  TDataIdentificationRecord identification;
  EXPECT_FALSE(Receiver.Transfer->ReadSoFTransfer(file, identification, port));
  EXPECT_EQ(Receiver.Transfer->ImportSoFTransfer(file, TCurrentFileImport::Allowed), -1);
  EXPECT_EQ(Receiver.Calc.Ports.Count(), 2);
}

TEST_F(SoFTransferTest, ADamagedSoFFileAsksWithItsOwnWarning) {
  std::string text = Sender.PlainText(File);
  text.replace(text.find("Port 2"), 6, "Port 9");
  WriteBytes(File, Bytes(text));
  Receiver.Dialogs.AbortIgnoreAnswer = TAbortIgnore::Ignore;
  Receiver.Dialogs.YesNoAnswer = false;
  EXPECT_EQ(Receiver.Transfer->ImportSoFTransfer(File, TCurrentFileImport::Allowed), -1);
  EXPECT_EQ(Receiver.Dialogs.Questions(),
            (std::vector<std::string>{
                ChecksumQuestion,
                "yes/no: Importing a damaged or invalid SoF file can cause wrong or misleading "
                "calculation results and unpredictable system behavior. Close all other programs "
                "and save your work first. Are you sure you want to continue?"}));
  EXPECT_EQ(Receiver.Calc.Ports.Count(), 2);
}

TEST(VesselNameTest, ProposesASoFFileNameOfVesselAndPort) {
  EXPECT_EQ(ProposedSoFFileName("MV Nordic Star", "Santos (BR)"), "MV Nordic Star-Santos BR");
  EXPECT_EQ(ProposedSoFFileName("Mälaren/2", "Göteborg"), "Mlaren2-Gteborg");
  EXPECT_EQ(ProposedSoFFileName("", "Rio"), "-Rio");
  EXPECT_EQ(ProposedSoFFileName("", "R/"), "");
}

TEST(VesselNameTest, ComparesLettersAndDigitsWithoutMV) {
  EXPECT_EQ(ComparableVesselName("  MV Nordic Star "), "NORDICSTAR");
  EXPECT_EQ(ComparableVesselName("NORDIC STAR"), "NORDICSTAR");
  EXPECT_EQ(ComparableVesselName("m/v Nordic-Star 2"), "NORDICSTAR2");
  EXPECT_EQ(ComparableVesselName(""), "");
}

} // namespace
} // namespace laytime
