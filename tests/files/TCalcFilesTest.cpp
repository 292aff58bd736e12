#include "files/TCalcFiles.h"

#include "FileTestSupport.h"
#include "core/Locale.h"
#include "files/ByteReader.h"
#include "files/FileErrors.h"
#include "files/FileImage.h"
#include "model/TCalculation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <unistd.h>

namespace laytime {
namespace {

using test::FillCalculation;
using test::FillSettings;
using test::ReadBytes;
using test::Reseal;
using test::WriteBytes;

constexpr double SaveMoment = 45000.5; // noon of day 45000

class CalcFilesTest : public ::testing::Test {
protected:
  CalcFilesTest() {
    Settings.TemplatePath = Folder.Path().string();
    Settings.DefaultTemplateName = "DryCargo";
    Files = MakeFiles(Calc);
  }

  std::unique_ptr<TCalcFiles> MakeFiles(TCalculation& calc,
                                        const ILocale& locale = EnglishUSLocale()) {
    TFileEnvironment environment(Messages, locale);
    environment.Now = [] { return SaveMoment; };
    environment.UserName = [] { return std::string("tester"); };
    return std::make_unique<TCalcFiles>(calc, environment);
  }

  /// A default template "DryCargo.ZQT" in the template folder whose report title is `title`.
  void WriteDefaultTemplate(const std::string& title = "Default title") {
    TCalculation templ{Settings};
    templ.TemplateSettings.ReportTitle = title;
    WriteBytes(Folder.File("DryCargo.ZQT"),
               WriteFileImage(templ, TRecordFormat{TFileKind::Template, 32}, "."));
  }

  /// The state a failed open leaves: a cleared calculation with one empty port and one empty
  /// pro-rata item, and no current file.
  void ExpectResetCalculation(const std::string& label) {
    // The pro-rata flag belongs to the partner list and survives the clearing of the voyage.
    TVoyageRec cleared;
    cleared.ProRataPerPort = Calc.Voyage.ProRataPerPort;
    EXPECT_EQ(Calc.Voyage, cleared) << label;
    EXPECT_EQ(Calc.Status, TStatusRec{}) << label;
    EXPECT_EQ(Calc.Ports.Count(), 1) << label;
    EXPECT_TRUE(Calc.Ports.IsEmptyRec(0)) << label;
    ASSERT_EQ(Calc.ProRata.Count(), 1) << label;
    EXPECT_TRUE(Calc.ProRata.IsEmptyRec(0)) << label;
    EXPECT_EQ(Files->CalcFileName(), "") << label;
    EXPECT_FALSE(Files->HoldsCalculationFile()) << label;
  }

  test::TTempFolder Folder;
  TProgramSettings Settings;
  test::TRecordingMessages Messages;
  TCalculation Calc{Settings};
  std::unique_ptr<TCalcFiles> Files;
};

std::string ErrorText(const std::function<void()>& action) {
  try {
    action();
  } catch (const ELaytimeError& error) {
    return error.what();
  }
  return "(no error)";
}

// ---------------------------------------------------------------------------------------------
// Round trips

TEST_F(CalcFilesTest, CalculationRoundTripsThroughSaveAndOpen) {
  WriteDefaultTemplate("From the template");
  FillCalculation(Calc, ",");
  auto files = MakeFiles(Calc, GermanLocale());
  const std::string path = Folder.File("Voyage.ZQL");
  files->SaveFile(path, TFileKind::Calculation);
  files->CloseCalculationFile();

  TCalculation loaded{Settings};
  auto loader = MakeFiles(loaded, GermanLocale());
  loader->OpenFile(path, TFileKind::Calculation);

  // Opening records the moment and counts the opening.
  Calc.Status.BeginEdit = SaveMoment;
  ++Calc.Status.EditCount;
  test::ExpectSameCalculation(loaded, Calc);
  EXPECT_EQ(loaded.Ports.GetItem(0).SoFCollection.GetItem(1).PctDisplayString(), "12,5");
  EXPECT_EQ(loaded.TemplateSettings.ReportTitle, "From the template");
  EXPECT_EQ(loader->CalcFileName(), path);
  EXPECT_EQ(loader->CalcDisplayName(), "Voyage");
  EXPECT_TRUE(loader->HoldsCalculationFile());
  EXPECT_EQ(loader->FileSubVersion(), 32);
  EXPECT_EQ(loader->InputMetaData().F_ID, "NVR70");
  EXPECT_EQ(loader->InputMetaData().DataFile_id, "ZQL");
  EXPECT_EQ(loader->InputMetaData().F_Version, 32);
  const std::vector<std::uint8_t> bytes = ReadBytes(path);
  EXPECT_EQ(loader->InputMetaData().FileCRCValue, ChecksumOfImage(bytes, 14));
  EXPECT_EQ(Messages.Texts, std::vector<std::string>{});
}

TEST_F(CalcFilesTest, TemplateRoundTripsWithoutVoyageData) {
  FillSettings(Calc.TemplateSettings);
  FillCalculation(Calc);
  const std::string path = Folder.File("Office.ZQT");
  Files->SaveFile(path, TFileKind::Template);
  EXPECT_FALSE(Files->HoldsCalculationFile());

  TCalculation loaded{Settings};
  auto loader = MakeFiles(loaded);
  loader->OpenFile(path, TFileKind::Template);

  EXPECT_EQ(test::SettingsFields(loaded.TemplateSettings),
            test::SettingsFields(Calc.TemplateSettings));
  TVoyageRec expectedVoyage = Calc.Voyage;
  expectedVoyage.total_time_allowed = EmptyInt;
  expectedVoyage.total_time_used = EmptyInt;
  expectedVoyage.total_time_saved = EmptyInt;
  EXPECT_EQ(loaded.Voyage, expectedVoyage);
  ASSERT_EQ(loaded.Ports.Count(), 2);
  for (int i = 0; i < 2; ++i) {
    const TPortItem& port = loaded.Ports.GetItem(i);
    EXPECT_EQ(test::TemplatePortFields(port.PortData),
              test::TemplatePortFields(Calc.Ports.GetItem(i).PortData));
    EXPECT_EQ(port.PortData.LayTimeCountFrom.Date, EmptyDay);
    EXPECT_EQ(port.PortData.CargoQuantity, EmptyReal);
    EXPECT_EQ(port.SoFCollection.Count(), 0);
    EXPECT_EQ(port.TieredDemurrageRates, Calc.Ports.GetItem(i).TieredDemurrageRates);
  }
  // The first port's entries become the defaults of new ports.
  ASSERT_EQ(loaded.DefaultInfoEntries.Count(), 2);
  EXPECT_EQ(loaded.DefaultInfoEntries.GetItem(0).FDateTimeInfoRec,
            (TDateTimeInfoRec{EmptyDay, EmptyTime, "Notice tendered"}));
  EXPECT_EQ(loaded.ProRata.GetItem(1).ProRataRec, Calc.ProRata.GetItem(1).ProRataRec);
  // A template opened this way starts a new, unnamed calculation.
  EXPECT_EQ(loader->CalcFileName(), "");
  EXPECT_FALSE(loader->HoldsCalculationFile());
  EXPECT_EQ(loaded.Status.EditCount, Calc.Status.EditCount + 1);
}

TEST_F(CalcFilesTest, FileOfSubVersion25IsReadAndSavedAgainAs32) {
  FillCalculation(Calc);
  const std::string path = Folder.File("Old.ZQL");
  WriteBytes(path, WriteFileImage(Calc, TRecordFormat{TFileKind::Calculation, 25}, "."));
  Settings.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
  Files->OpenFile(path, TFileKind::Calculation);

  EXPECT_EQ(Files->FileSubVersion(), 25);
  EXPECT_EQ(Calc.Voyage.VesselName, "MV ?mega"); // single bytes of the old files
  EXPECT_EQ(Calc.Ports.GetItem(0).PortData.TankerMinTimeAllowance, EmptyTime);
  EXPECT_EQ(Calc.Voyage.HintProRataCalcMethod, 1); // from the current settings
  EXPECT_FALSE(Calc.Voyage.ProRataPerPort);
  EXPECT_FALSE(Calc.Ports.GetItem(0).PortData.UseTieredDemurrage);

  Files->SaveFile(path, TFileKind::Calculation);
  EXPECT_EQ(Files->FileSubVersion(), 32);
  const std::vector<std::uint8_t> saved = ReadBytes(path);
  EXPECT_EQ(saved[10], 32);
}

// ---------------------------------------------------------------------------------------------
// Status stamps and hints

TEST_F(CalcFilesTest, SaveStampsTheStatus) {
  Calc.Status.BeginEdit = SaveMoment - 0.25;
  Files->SaveFile(Folder.File("Voyage A.ZQL"), TFileKind::Calculation);
  const TStatusRec& status = Calc.Status;
  EXPECT_EQ(status.TemplateName, "DryCargo.ZQT");
  EXPECT_EQ(status.TotalEditTime, 0.25);
  EXPECT_EQ(status.LastSaveDate, 45000);
  EXPECT_EQ(status.LastSaveTime, 720);
  EXPECT_EQ(status.LastSavedBy, "tester");
  EXPECT_EQ(status.CreateDate, 45000);
  EXPECT_EQ(status.CreateTime, 720);
  EXPECT_EQ(status.CreatedBy, "tester");
  EXPECT_EQ(status.OriginalName, "Voyage A");

  // Saving again at once adds no editing time: the same minutes are never counted twice.
  Files->SaveFile(Folder.File("Voyage A.ZQL"), TFileKind::Calculation);
  EXPECT_EQ(status.TotalEditTime, 0.25);
}

TEST_F(CalcFilesTest, StampsKeepWhatIsAlreadySet) {
  Calc.Status.TemplateName = "Mine.tpl";
  Calc.Status.CreateDate = 44000;
  Calc.Status.CreateTime = 60;
  Calc.Status.CreatedBy = "alice";
  Calc.Status.OriginalName = "First name";
  TFileEnvironment environment(Messages, EnglishUSLocale());
  environment.Now = [] { return SaveMoment; };
  environment.UserName = [] { return std::string(); };
  TCalcFiles files(Calc, environment);
  files.SaveFile(Folder.File("Second name.ZQL"), TFileKind::Calculation);
  EXPECT_EQ(Calc.Status.TemplateName, "Mine.tpl");
  EXPECT_EQ(Calc.Status.CreateDate, 44000);
  EXPECT_EQ(Calc.Status.CreatedBy, "alice");
  EXPECT_EQ(Calc.Status.OriginalName, "First name");
  EXPECT_EQ(Calc.Status.LastSavedBy, "unknown");
  // A calculation never opened from a file counts no editing time before its first save.
  EXPECT_EQ(Calc.Status.TotalEditTime, 0.0);
}

TEST_F(CalcFilesTest, SaveRecordsTheCurrentSettingsAsHints) {
  Settings.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
  Settings.ProRataRoundingMethod = 3;
  Settings.DemurrageRateUnit = TDemurrateRateUnit::druPerHour;
  Files->SaveFile(Folder.File("Hints.ZQL"), TFileKind::Calculation);
  EXPECT_EQ(Calc.Voyage.HintProRataCalcMethod, 1);
  EXPECT_EQ(Calc.Voyage.HintProRataRoundingMethod, 3);
  EXPECT_EQ(Calc.Voyage.HintDemurrageRateUnit, 1);
}

TEST_F(CalcFilesTest, OpenedFileIsCheckedAgainstTheCurrentSettings) {
  const std::string path = Folder.File("Hints.ZQL");
  Files->SaveFile(path, TFileKind::Calculation); // hints: quantity, nearest, per day
  Settings.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
  Settings.ProRataRoundingMethod = 2;
  Settings.DemurrageRateUnit = TDemurrateRateUnit::druPerHour;
  Files->OpenFile(path, TFileKind::Calculation);
  std::string warnings;
  EXPECT_TRUE(Files->CheckSettingsHints(warnings));
  EXPECT_EQ(warnings,
            "This ZQL file was made in combination with a different Pro Rata Calculation method "
            "(Pro rata on cargo quantity)\r\n"
            "This ZQL file was made in combination with a different Pro Rata Rounding method "
            "(Nearest)\r\n"
            "This ZQL file was made in combination with a different Demurrage Rate unit "
            "(per day)\r\n");
}

// ---------------------------------------------------------------------------------------------
// Saving, backup and lock

TEST_F(CalcFilesTest, SavingKeepsThePreviousVersionAsBackup) {
  const std::string path = Folder.File("Voyage.ZQL");
  Calc.Voyage.VesselName = "First";
  Files->SaveFile(path, TFileKind::Calculation);
  const std::vector<std::uint8_t> first = ReadBytes(path);
  EXPECT_FALSE(std::filesystem::exists(Folder.File("Voyage.BAK")));

  Calc.Voyage.VesselName = "Second";
  Files->SaveFile(path, TFileKind::Calculation);
  const std::vector<std::uint8_t> second = ReadBytes(path);
  EXPECT_EQ(ReadBytes(Folder.File("Voyage.BAK")), first);

  Calc.Voyage.VesselName = "Third";
  Files->SaveFile(path, TFileKind::Calculation);
  EXPECT_EQ(ReadBytes(Folder.File("Voyage.BAK")), second);
  EXPECT_FALSE(std::filesystem::exists(Folder.File("Voyage.$$$")));
  EXPECT_EQ(Files->CalcFileName(), path);
  EXPECT_EQ(Files->CalcDisplayName(), "Voyage");
}

TEST_F(CalcFilesTest, FailedWriteKeepsTheOldFile) {
  const std::string path = Folder.File("Voyage.ZQL");
  Files->SaveFile(path, TFileKind::Calculation);
  const std::vector<std::uint8_t> before = ReadBytes(path);
  // Something the temporary file cannot be written over.
  std::filesystem::create_directory(Folder.File("Voyage.$$$"));
  Calc.Voyage.VesselName = "Changed";
  EXPECT_EQ(ErrorText([&] { Files->SaveFile(path, TFileKind::Calculation); }),
            "I/O Error 5: Access is denied.");
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_FALSE(std::filesystem::exists(Folder.File("Voyage.BAK")));
  // The file stays the program's own.
  EXPECT_TRUE(Files->HoldsCalculationFile());
}

TEST_F(CalcFilesTest, UnwritableFolderGivesAccessDenied) {
  if (::geteuid() == 0)
    GTEST_SKIP() << "folder permissions do not bind the superuser";
  const std::string path = Folder.File("Voyage.ZQL");
  Files->SaveFile(path, TFileKind::Calculation);
  const std::vector<std::uint8_t> before = ReadBytes(path);
  std::filesystem::permissions(Folder.Path(), std::filesystem::perms::owner_read |
                                                  std::filesystem::perms::owner_exec);
  EXPECT_EQ(ErrorText([&] { Files->SaveFile(path, TFileKind::Calculation); }),
            "I/O Error 5: Access is denied.");
  std::filesystem::permissions(Folder.Path(), std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(CalcFilesTest, MissingFolderOrFileGivesFileNotFound) {
  EXPECT_EQ(ErrorText([&] {
              Files->SaveFile(Folder.File("missing/Voyage.ZQL"), TFileKind::Calculation);
            }),
            "I/O Error 2: The system cannot find the file specified.");
  EXPECT_EQ(ErrorText([&] { Files->OpenFile(Folder.File("none.ZQL"), TFileKind::Calculation); }),
            "I/O Error 2: The system cannot find the file specified.");
}

TEST_F(CalcFilesTest, OpenCalculationFileIsLockedAgainstOtherWriters) {
  const std::string path = Folder.File("Voyage.ZQL");
  Files->SaveFile(path, TFileKind::Calculation);
  ASSERT_TRUE(Files->HoldsCalculationFile());
  const std::vector<std::uint8_t> saved = ReadBytes(path);

  TCalculation other{Settings};
  auto otherFiles = MakeFiles(other);
  const std::string inUse =
      "I/O Error 32: Access denied because the file is being used by another process.";
  EXPECT_EQ(ErrorText([&] { otherFiles->OpenFile(path, TFileKind::Calculation); }), inUse);
  // Saving over it fails where the file would become the backup; the old backup stays.
  const std::string backup = Folder.File("Voyage.BAK");
  WriteBytes(backup, {1, 2, 3});
  other.Voyage.VesselName = "Other";
  EXPECT_EQ(ErrorText([&] { otherFiles->SaveFile(path, TFileKind::Calculation); }),
            "Unable to create backup file " + backup);
  EXPECT_EQ(ReadBytes(path), saved);
  EXPECT_EQ(ReadBytes(backup), (std::vector<std::uint8_t>{1, 2, 3}));

  // Released, the file can be opened elsewhere; reading it as a template needs no lock.
  Files->CloseCalculationFile();
  otherFiles->OpenFile(path, TFileKind::Calculation);
  EXPECT_TRUE(otherFiles->HoldsCalculationFile());
}

// ---------------------------------------------------------------------------------------------
// Load checks and messages

struct LoadCase {
  const char* name;
  TFileKind kind;
  std::function<std::vector<std::uint8_t>(const TCalculation&)> bytes;
  std::string expected; ///< "%s" stands for the file's path
};

std::vector<std::uint8_t> Image(const TCalculation& calc, TFileKind kind, std::int32_t subVersion) {
  return WriteFileImage(calc, TRecordFormat{kind, subVersion}, ".");
}

std::vector<std::uint8_t> Flipped(std::vector<std::uint8_t> bytes, std::size_t offset) {
  bytes[offset] ^= 0x01;
  return bytes;
}

TEST_F(CalcFilesTest, FileWithoutPortsOpensWithOneEmptyPort) {
  // A template without ports leaves no default entries, so new ports start without entries;
  // either kind of file still gives the calculation the port it always has.
  Calc.DefaultInfoEntries.Add().FDateTimeInfoRec.Text = "Left over";
  for (const TFileKind kind : {TFileKind::Template, TFileKind::Calculation}) {
    TCalculation source{Settings};
    source.Ports.Clear();
    const std::string path = Folder.File(kind == TFileKind::Template ? "Bare.ZQT" : "Bare.ZQL");
    WriteBytes(path, Image(source, kind, 32));
    Files->OpenFile(path, kind);
    ASSERT_EQ(Calc.Ports.Count(), 1);
    EXPECT_TRUE(Calc.Ports.IsEmptyRec(0));
    EXPECT_EQ(Calc.DefaultInfoEntries.Count(), 0);
    EXPECT_EQ(Calc.Ports.GetItem(0).PortInfoCollection.Count(), 0);
  }
}

TEST_F(CalcFilesTest, EveryLoadCheckGivesItsMessageAndResetsTheCalculation) {
  const TFileKind calc = TFileKind::Calculation;
  const TFileKind templ = TFileKind::Template;
  const std::vector<LoadCase> cases = {
      {"unknown identifier", calc,
       [](const TCalculation& c) { return Flipped(Image(c, TFileKind::Calculation, 32), 5); },
       "File version check failed. %s is not a valid laytime calculation file"},
      {"unknown identifier of a template", templ,
       [](const TCalculation& c) { return Flipped(Image(c, TFileKind::Template, 32), 5); },
       "Template version check failed. %s is not a valid template"},
      {"empty file", calc, [](const TCalculation&) { return std::vector<std::uint8_t>{}; },
       "File version check failed. %s is not a valid laytime calculation file"},
      {"22 bytes", calc,
       [](const TCalculation& c) {
         std::vector<std::uint8_t> bytes = Image(c, TFileKind::Calculation, 32);
         bytes.resize(22);
         return bytes;
       },
       "file too small. %s is not a valid laytime calculation file or has been damaged"},
      {"22 bytes of a template", templ,
       [](const TCalculation& c) {
         std::vector<std::uint8_t> bytes = Image(c, TFileKind::Template, 32);
         bytes.resize(22);
         return bytes;
       },
       "template too small. %s is not a valid laytime calculation template or has been damaged"},
      {"template opened as calculation", calc,
       [](const TCalculation& c) { return Image(c, TFileKind::Template, 32); },
       "Data file type ID check failed. %s is not a valid laytime calculation file"},
      {"calculation opened as template", templ,
       [](const TCalculation& c) { return Image(c, TFileKind::Calculation, 32); },
       "Template file type ID check failed. %s is not a valid template"},
      {"byte of the body changed", calc,
       [](const TCalculation& c) { return Flipped(Image(c, TFileKind::Calculation, 32), 40); },
       "file CRC checksum error. %s is corrupt or has been damaged during a transfer"},
      {"byte of the sub-version changed", calc,
       [](const TCalculation& c) { return Flipped(Image(c, TFileKind::Calculation, 32), 12); },
       "file CRC checksum error. %s is corrupt or has been damaged during a transfer"},
      {"byte of the checksum changed", templ,
       [](const TCalculation& c) { return Flipped(Image(c, TFileKind::Template, 32), 15); },
       "template CRC checksum error. %s is corrupt or has been damaged during a transfer"},
      {"truncated file", calc,
       [](const TCalculation& c) {
         std::vector<std::uint8_t> bytes = Image(c, TFileKind::Calculation, 32);
         bytes.resize(bytes.size() - 10);
         return bytes;
       },
       "file CRC checksum error. %s is corrupt or has been damaged during a transfer"},
      {"sub-version 19", calc,
       [](const TCalculation& c) { return Image(c, TFileKind::Calculation, 19); },
       "Invalid file version 19 - files with a pre-release version code below 20 not "
       "supported."},
      {"sub-version 19 of a template", templ,
       [](const TCalculation& c) { return Image(c, TFileKind::Template, 19); },
       "Invalid template version 19 - templates with a pre-release version code below 20 not "
       "supported."},
      {"sub-version 33", calc,
       [](const TCalculation& c) { return Image(c, TFileKind::Calculation, 33); },
       "This file has been created with a newer version (data subver. 33) of the program and "
       "cannot be used with this version with data subcode 32\r\nContact Quillmark for "
       "information on updates"},
      {"records cut short under a valid checksum", calc,
       [](const TCalculation& c) {
         std::vector<std::uint8_t> bytes = Image(c, TFileKind::Calculation, 32);
         bytes.resize(bytes.size() - 10);
         Reseal(bytes);
         return bytes;
       },
       "I/O Error 38: Reached the end of the file."},
      {"hostile port count under a valid checksum", calc,
       [](const TCalculation& c) {
         TByteWriter writer;
         const TRecordFormat format{TFileKind::Calculation, 32};
         WriteHeader(writer, format);
         WriteStatus(writer, c.Status, format);
         WriteVoyage(writer, c.Voyage, format);
         writer.WriteI32(0);          // no partners
         writer.WriteI32(0x7FFFFFFF); // ports
         std::vector<std::uint8_t> bytes = writer.Bytes();
         Reseal(bytes);
         return bytes;
       },
       "I/O Error 38: Reached the end of the file."},
      {"bytes after the records under a valid checksum", calc,
       [](const TCalculation& c) {
         std::vector<std::uint8_t> bytes = Image(c, TFileKind::Calculation, 32);
         bytes.push_back(0);
         Reseal(bytes);
         return bytes;
       },
       "An internal load error occured. The CRC checksum is different from the file CRC "
       "checksum. Call Quillmark for assistance"},
  };
  TCalculation source{Settings};
  FillCalculation(source);
  for (const LoadCase& c : cases) {
    const std::string path = Folder.File(std::string(c.name) + ".bin");
    WriteBytes(path, c.bytes(source));
    FillCalculation(Calc);
    std::string expected = c.expected;
    if (const std::size_t at = expected.find("%s"); at != std::string::npos)
      expected.replace(at, 2, path);
    EXPECT_EQ(ErrorText([&] { Files->OpenFile(path, c.kind); }), expected) << c.name;
    ExpectResetCalculation(c.name);
  }
}

TEST_F(CalcFilesTest, StructureErrorTellsWhereAndWhy) {
  TByteWriter writer;
  const TRecordFormat format{TFileKind::Calculation, 32};
  WriteHeader(writer, format);
  WriteStatus(writer, Calc.Status, format);
  WriteVoyage(writer, Calc.Voyage, format);
  const std::size_t countOffset = writer.Size();
  writer.WriteI32(-3);
  std::vector<std::uint8_t> bytes = writer.Bytes();
  Reseal(bytes);
  try {
    Files->LoadFile(bytes, "memory", TFileKind::Calculation, TFileScope::Everything);
    FAIL() << "no error";
  } catch (const EFileStructureError& error) {
    EXPECT_EQ(error.Offset(), countOffset);
    EXPECT_EQ(error.Reason(), "pro-rata item count -3 is negative");
    EXPECT_EQ(error.Code(), 38);
  }
}

TEST_F(CalcFilesTest, DamagedRecordsUnderAValidChecksumFailCleanly) {
  // Every byte of the body of both kinds of file set to values that make counts and lengths
  // hostile, and the file cut at every byte, each sealed again: the load either succeeds or
  // ends with a file error, and leaves a usable calculation.
  TCalculation source{Settings};
  FillCalculation(source);
  source.TemplateSettings.InfoEntryTexts = {"Arrived", "Berthed"};
  source.TemplateSettings.ShexPresets = {TShexRec{5, 1020, 8, 480, "Weekend"}};
  for (const TFileKind kind : {TFileKind::Calculation, TFileKind::Template}) {
    const std::vector<std::uint8_t> image = Image(source, kind, 32);
    for (std::size_t offset = BodyOffset; offset < image.size(); ++offset) {
      for (const std::uint8_t value : {std::uint8_t{0x7F}, std::uint8_t{0xFF}}) {
        std::vector<std::uint8_t> bytes = image;
        bytes[offset] = value;
        Reseal(bytes);
        try {
          Files->LoadFile(bytes, "damaged", kind, TFileScope::Everything);
        } catch (const EFileError&) {
        }
        ASSERT_GE(Calc.Ports.Count(), 1) << offset;
      }
      std::vector<std::uint8_t> cut(image.begin(),
                                    image.begin() + static_cast<std::ptrdiff_t>(offset));
      Reseal(cut);
      EXPECT_THROW(Files->LoadFile(cut, "cut", kind, TFileScope::Everything), EFileError) << offset;
      ASSERT_EQ(Calc.Ports.Count(), 1) << offset;
    }
  }
}

TEST_F(CalcFilesTest, VersionSixFileIsRecognisedButNotImportedYet) {
  const std::string path = Folder.File("OLD.DAT");
  WriteBytes(path, {5, 'N', 'V', 'R', '5', '7', 0, 0, 1, 2, 3});
  const std::vector<std::uint8_t> before = ReadBytes(path);
  FillCalculation(Calc);
  EXPECT_EQ(ErrorText([&] { Files->OpenFile(path, TFileKind::Calculation); }),
            path + " is a calculation file of version 6 of the program (NVR57). Importing such "
                   "files is not available yet; the file was not changed.");
  ExpectResetCalculation("legacy");
  EXPECT_EQ(ReadBytes(path), before);
}

class RecordingImporter final : public ILegacyImporter {
public:
  void ImportLegacyFile(TByteReader& reader, std::string_view versionId,
                        const std::string& fileName, TCalculation& calculation) override {
    VersionId = versionId;
    FileName = fileName;
    Position = reader.Position();
    calculation.Voyage.VesselName = "Imported";
  }
  std::string VersionId;
  std::string FileName;
  std::size_t Position = 0;
};

TEST_F(CalcFilesTest, VersionSixFileGoesToTheImporterAfterTheDefaultTemplate) {
  WriteDefaultTemplate("Default title");
  const std::string path = Folder.File("OLD.DAT");
  WriteBytes(path, {5, 'N', 'V', 'R', '6', '9', 0, 0, 1, 2, 3});
  RecordingImporter importer;
  TFileEnvironment environment(Messages, EnglishUSLocale());
  environment.Now = [] { return SaveMoment; };
  environment.LegacyImporter = &importer;
  TCalcFiles files(Calc, environment);
  files.OpenFile(path, TFileKind::Calculation);
  EXPECT_EQ(importer.VersionId, "NVR69");
  EXPECT_EQ(importer.Position, 8u);
  EXPECT_EQ(importer.FileName, path); // its own date and time become the last-save moment
  EXPECT_EQ(Calc.Voyage.VesselName, "Imported");
  EXPECT_EQ(Calc.TemplateSettings.ReportTitle, "Default title");
  // An imported file starts an unnamed calculation.
  EXPECT_EQ(files.CalcFileName(), "");
  EXPECT_FALSE(files.HoldsCalculationFile());
}

// ---------------------------------------------------------------------------------------------
// Templates of calculations

TEST_F(CalcFilesTest, TemplateOfCalculationFallsBackToTheDefault) {
  WriteDefaultTemplate("Default title");
  TStatusRec status;
  status.TemplateName = "Other";
  Files->LoadTemplateOfCalculation(status);
  EXPECT_EQ(Messages.Texts,
            std::vector<std::string>{"I: Original template file " + Folder.File("Other.ZQT") +
                                     " not found, using defaults"});
  EXPECT_EQ(Calc.TemplateSettings.ReportTitle, "Default title");
}

TEST_F(CalcFilesTest, TemplateMessagesWhenNothingIsFound) {
  struct Case {
    const char* name;
    std::string templateName;
    std::vector<std::string> expected;
  };
  const std::string warning = " not found. Some options may be not available or invalid.";
  const std::vector<Case> cases = {
      {"other template",
       "Other.ZQT",
       {"I: Original template file " + Folder.File("Other.ZQT") + " not found, using defaults",
        "I: WARNING: Required template file " + Folder.File("DryCargo.ZQT") + warning}},
      {"the default in other letters",
       "drycargo.zqt",
       {"I: WARNING: Required template file " + Folder.File("drycargo.zqt") + warning}},
      {"no name",
       "",
       {"I: WARNING: Required template file " + Folder.File("DryCargo.ZQT") + warning}},
  };
  for (const Case& c : cases) {
    Messages.Texts.clear();
    TStatusRec status;
    status.TemplateName = c.templateName;
    Files->LoadTemplateOfCalculation(status);
    EXPECT_EQ(Messages.Texts, c.expected) << c.name;
  }
  Messages.Texts.clear();
  Files->LoadDefaultTemplateSettings();
  EXPECT_EQ(Messages.Texts, std::vector<std::string>{"I: Default template file " +
                                                     Folder.File("DryCargo.ZQT") + warning});
}

TEST_F(CalcFilesTest, UnreadableTemplateIsShownAndTheCalculationStillLoads) {
  struct Case {
    const char* name;
    std::size_t flippedOffset;
    std::string expected;
  };
  const std::string templatePath = Folder.File("DryCargo.ZQT");
  const std::vector<Case> cases = {
      {"wrong version", 5,
       "E: Invalid file version, cannot load template " + templatePath +
           ". Some options may be not available or invalid."},
      {"damaged", 30,
       "E: template CRC checksum error. " + templatePath +
           " is corrupt or has been damaged during a transfer"},
  };
  TCalculation source{Settings};
  FillCalculation(source);
  source.Status.TemplateName = "DryCargo.ZQT";
  const std::string path = Folder.File("Voyage.ZQL");
  WriteBytes(path, Image(source, TFileKind::Calculation, 32));
  for (const Case& c : cases) {
    TCalculation templ{Settings};
    templ.TemplateSettings.ReportTitle = "Not to be seen";
    WriteBytes(templatePath, Flipped(Image(templ, TFileKind::Template, 32), c.flippedOffset));
    Messages.Texts.clear();
    Calc.TemplateSettings.ReportTitle = "Before";
    Files->OpenFile(path, TFileKind::Calculation);
    EXPECT_EQ(Messages.Texts, std::vector<std::string>{c.expected}) << c.name;
    EXPECT_EQ(Calc.TemplateSettings.ReportTitle, "Before") << c.name;
    EXPECT_EQ(Calc.Status.OriginalName, "Voyage 12") << c.name;
    EXPECT_EQ(Calc.Voyage.VesselName, "MV Ωmega") << c.name;
  }
}

TEST_F(CalcFilesTest, LogoThatFailsToLoadIsReset) {
  TCalculation templ{Settings};
  templ.TemplateSettings.LogoFileName = "missing.png";
  const std::string path = Folder.File("Logo.ZQT");
  WriteBytes(path, Image(templ, TFileKind::Template, 32));
  TFileEnvironment environment(Messages, EnglishUSLocale());
  environment.LoadLogo = [](const std::string& name) {
    throw ELaytimeError("Cannot open " + name);
  };
  TCalcFiles files(Calc, environment);
  files.OpenFile(path, TFileKind::Template);
  EXPECT_EQ(Messages.Texts,
            std::vector<std::string>{"I: Error loading logo image, resetting to default.\r\nCannot "
                                     "open missing.png"});
  EXPECT_EQ(Calc.TemplateSettings.LogoFileName, "");
}

TEST_F(CalcFilesTest, SettingsMergeReplacesTheSettingsAndKeepsTheRecords) {
  FillCalculation(Calc);
  Calc.TemplateSettings.ReportTitle = "Old title";
  const std::string path = Folder.File("Office.ZQT");
  WriteBytes(path, Image(Calc, TFileKind::Template, 28)); // an older template
  const std::vector<std::uint8_t> old = ReadBytes(path);

  // The open calculation is another one; only its settings go into the template.
  Calc.Clear();
  FillSettings(Calc.TemplateSettings);
  Calc.TemplateSettings.ReportTitle = "New title";
  Files->SaveFile(path, TFileKind::Template, TFileScope::SettingsOnly);
  EXPECT_EQ(ReadBytes(Folder.File("Office.BAK")), old);
  EXPECT_FALSE(std::filesystem::exists(Folder.File("Office.$$$")));

  TCalculation merged{Settings};
  auto loader = MakeFiles(merged);
  loader->OpenFile(path, TFileKind::Template);
  EXPECT_EQ(test::SettingsFields(merged.TemplateSettings),
            test::SettingsFields(Calc.TemplateSettings));
  // The records of the old template, with despatch and SHEX switched off by the new defaults.
  EXPECT_EQ(merged.Voyage.VesselName, "MV Ωmega");
  EXPECT_TRUE(merged.Voyage.DespatchDisabled);
  EXPECT_TRUE(merged.Voyage.ShexDisabled);
  EXPECT_EQ(merged.Voyage.DespatchRateAllPorts, EmptyReal);
  EXPECT_EQ(merged.Voyage.DespatchRateLoading, EmptyReal);
  EXPECT_EQ(merged.Voyage.DemurrageRateLoading, 12000);
  ASSERT_EQ(merged.Ports.Count(), 2);
  const TPortRec& port = merged.Ports.GetItem(1).PortData;
  EXPECT_EQ(port.PortDespatchRate, 0.0);
  EXPECT_EQ(port.ShexStartDay, -1);
  EXPECT_EQ(port.ShexEndDay, -1);
  EXPECT_EQ(port.ShexStartTime, EmptyTime);
  EXPECT_EQ(port.ShexEndTime, EmptyTime);
  EXPECT_EQ(port.pRemarks, "Remarks of port 2");
  EXPECT_EQ(merged.Ports.GetItem(0).PortInfoCollection.Count(), 2);
  EXPECT_EQ(merged.ProRata.Count(), 2);
  EXPECT_EQ(ReadBytes(path)[10], 32);
}

TEST_F(CalcFilesTest, SettingsMergeWithDefaultsOnKeepsDespatchAndShexTerms) {
  FillCalculation(Calc);
  const std::string path = Folder.File("Office.ZQT");
  Files->SaveFile(path, TFileKind::Template);
  Calc.TemplateSettings.DefaultDespatchDisabled = false;
  Calc.TemplateSettings.DefaultShexDisabled = false;
  Files->SaveFile(path, TFileKind::Template, TFileScope::SettingsOnly);

  TCalculation merged{Settings};
  auto loader = MakeFiles(merged);
  loader->OpenFile(path, TFileKind::Template);
  EXPECT_TRUE(merged.Voyage.DespatchDisabled); // as it was
  EXPECT_FALSE(merged.Voyage.ShexDisabled);    // the SHEX default always applies
  EXPECT_EQ(merged.Voyage.DespatchRateLoading, 6000);
  EXPECT_EQ(merged.Ports.GetItem(0).PortData.PortDespatchRate, 6001);
  EXPECT_EQ(merged.Ports.GetItem(0).PortData.ShexStartDay, 5);
}

} // namespace
} // namespace laytime
