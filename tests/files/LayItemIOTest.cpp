#include "files/LayItemIO.h"

#include "FileTestSupport.h"
#include "core/Locale.h"
#include "files/Crc32.h"
#include "files/FileImage.h"
#include "model/TCalculation.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

using test::FillCalculation;
using test::FillSettings;

TEST(LayItemIOTest, HeaderLayout) {
  TByteWriter writer;
  const std::size_t checksumOffset =
      WriteHeader(writer, TRecordFormat{TFileKind::Template, SubVersion::Current});
  const std::vector<std::uint8_t> expected = {5,   'N', 'V', 'R', '7', '0',  3,    'Z',  'Q',
                                              'T', 32,  0,   0,   0,   0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(writer.Bytes(), expected);
  EXPECT_EQ(checksumOffset, 14u);

  TByteReader reader(writer.Bytes());
  const TFileHeader header = ReadHeader(reader);
  EXPECT_EQ(header.VersionId, "NVR70");
  EXPECT_EQ(header.TypeId, "ZQT");
  EXPECT_EQ(header.SubVersion, 32);
  EXPECT_EQ(header.ChecksumOffset, 14u);
  EXPECT_EQ(header.BodyOffset, 18u);
}

TEST(LayItemIOTest, ChecksumSkipsItsOwnField) {
  TCalculation calc{TProgramSettings{}};
  const std::vector<std::uint8_t> image =
      WriteFileImage(calc, TRecordFormat{TFileKind::Calculation, 32}, ".");
  std::uint32_t crc = Crc32Start;
  Crc32Update(image.data(), 14, crc);
  Crc32Update(image.data() + 18, image.size() - 18, crc);
  const std::uint32_t stored =
      image[14] | image[15] << 8 | image[16] << 16 | static_cast<std::uint32_t>(image[17]) << 24;
  EXPECT_EQ(stored, crc);
}

TEST(LayItemIOTest, TextListsAreJoinedByLineBreaksAsOlderFilesHoldThem) {
  // A list is stored as its lines with CR LF between them and none after the last, so a list
  // read from a file is exactly the list that was joined, empty lines at either end included.
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    std::string text;
  };
  for (const Case& c :
       {Case{"empty", {}, ""}, Case{"one line", {"a"}, "a"},
        Case{"lines", {"a", "", "b"}, "a\r\n\r\nb"}, Case{"empty last line", {"a", ""}, "a\r\n"},
        Case{"empty first line", {"", "a"}, "\r\na"}, Case{"two empty lines", {"", ""}, "\r\n"},
        Case{"bare line feed inside a line", {"a\nb", "c\rd"}, "a\nb\r\nc\rd"}}) {
    EXPECT_EQ(JoinTextList(c.lines), c.text) << c.name;
    EXPECT_EQ(SplitTextList(c.text), c.lines) << c.name;
  }
  // A single empty line cannot be told from no line in the stored text; it reads as no line.
  EXPECT_EQ(JoinTextList({""}), "");
}

TEST(LayItemIOTest, ListOfAnOlderTemplateReadsAndWritesBackUnchanged) {
  // The laytime-commences list as an older template holds it: two lines, the second empty.
  TTemplateSettings settings;
  TByteWriter writer;
  WriteSettingsBlock(writer, settings, TRecordFormat{TFileKind::Template, 25});
  std::vector<std::uint8_t> bytes = writer.Bytes();
  TByteReader probe(bytes);
  ReadSettingsBlock(probe, settings, TRecordFormat{TFileKind::Template, 25});
  ASSERT_TRUE(probe.Ok());
  // The block ends with the three lists, the 45 remark lists (each an empty string of four
  // bytes) and the preset count; the laytime-commences list is the second of the three.
  const std::size_t commencesOffset = bytes.size() - 4 - 45 * 4 - 2 * 4;
  const std::vector<std::uint8_t> oldList = {9,   0,   0,   0,   'N',  'O', 'R',
                                             ' ', '+', '6', 'h', '\r', '\n'};
  bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(commencesOffset),
              bytes.begin() + static_cast<std::ptrdiff_t>(commencesOffset) + 4);
  bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(commencesOffset), oldList.begin(),
               oldList.end());

  TTemplateSettings read;
  TByteReader reader(bytes);
  ReadSettingsBlock(reader, read, TRecordFormat{TFileKind::Template, 25});
  ASSERT_TRUE(reader.Ok());
  EXPECT_EQ(read.LaytimeCommencesTexts, (std::vector<std::string>{"NOR +6h", ""}));
  TByteWriter again;
  WriteSettingsBlock(again, read, TRecordFormat{TFileKind::Template, 25});
  EXPECT_EQ(again.Bytes(), bytes);
}

TEST(LayItemIOTest, SettingsBlockRoundTripsEveryItem) {
  TTemplateSettings written;
  FillSettings(written);
  TByteWriter writer;
  WriteSettingsBlock(writer, written, TRecordFormat{TFileKind::Template, 32});
  TTemplateSettings read;
  TByteReader reader(writer.Bytes());
  ReadSettingsBlock(reader, read, TRecordFormat{TFileKind::Template, 32});
  ASSERT_TRUE(reader.Ok());
  EXPECT_EQ(reader.Remaining(), 0u);
  EXPECT_EQ(test::SettingsFields(read), test::SettingsFields(written));
}

TEST(LayItemIOTest, SettingsItemsAbsentFromOlderFilesTakeTheirBuiltInValues) {
  TTemplateSettings written;
  FillSettings(written);
  struct Case {
    std::int32_t subVersion;
    bool password, position, captions, printVessel;
  };
  for (const Case& c : {Case{20, false, false, false, false}, Case{22, true, false, false, false},
                        Case{23, true, true, false, false}, Case{24, true, true, true, false},
                        Case{25, true, true, true, true}}) {
    const TRecordFormat format{TFileKind::Template, c.subVersion};
    TByteWriter writer;
    WriteSettingsBlock(writer, written, format);
    TTemplateSettings read;
    read.Password = "left over";
    read.ReportTitlePosition = 9;
    read.CPFormCaption = "left over";
    read.PrintVesselOnDemurrage = false;
    TByteReader reader(writer.Bytes());
    ReadSettingsBlock(reader, read, format);
    ASSERT_TRUE(reader.Ok()) << c.subVersion;
    EXPECT_EQ(reader.Remaining(), 0u) << c.subVersion;
    EXPECT_EQ(read.Password, c.password ? "SCRAMBLED" : "") << c.subVersion;
    EXPECT_EQ(read.ReportTitlePosition, c.position ? 2 : 0) << c.subVersion;
    EXPECT_EQ(read.CPFormCaption, c.captions ? "Charter form" : "C/P Form") << c.subVersion;
    EXPECT_EQ(read.VoyInfo3Caption, c.captions ? "Notes" : "Details") << c.subVersion;
    EXPECT_EQ(read.PrintVesselOnDemurrage, !c.printVessel) << c.subVersion;
    EXPECT_EQ(read.ShexPresets, written.ShexPresets) << c.subVersion;
  }
}

TEST(LayItemIOTest, TitleFontSizeBelowTwoReadsAsTen) {
  for (std::uint8_t size : {0, 1}) {
    TTemplateSettings written;
    written.ReportTitleFontSize = size;
    TByteWriter writer;
    WriteSettingsBlock(writer, written, TRecordFormat{TFileKind::Template, 32});
    TTemplateSettings read;
    TByteReader reader(writer.Bytes());
    ReadSettingsBlock(reader, read, TRecordFormat{TFileKind::Template, 32});
    EXPECT_EQ(read.ReportTitleFontSize, 10) << int{size};
  }
}

TEST(LayItemIOTest, ShexPresetIsA264ByteImage) {
  TTemplateSettings settings;
  settings.ShexPresets = {TShexRec{5, 1020, 8, 480, "Weekend"}};
  TByteWriter with;
  WriteSettingsBlock(with, settings, TRecordFormat{TFileKind::Template, 32});
  settings.ShexPresets.clear();
  TByteWriter without;
  WriteSettingsBlock(without, settings, TRecordFormat{TFileKind::Template, 32});
  ASSERT_EQ(with.Size() - without.Size(), ShexPresetImageSize);
  const std::size_t start = without.Size();
  EXPECT_EQ(with.Bytes()[start], 5);
  EXPECT_EQ(with.Bytes()[start + 8], 7); // the remark's length byte
  EXPECT_EQ(with.Bytes()[start + 9], 'W');
}

TEST(LayItemIOTest, ShexPresetImageFieldByField) {
  TTemplateSettings settings;
  settings.ShexPresets = {TShexRec{5, 1020, 8, 480, "Fri-Mon"}, TShexRec{}};
  TByteWriter writer;
  WriteSettingsBlock(writer, settings, TRecordFormat{TFileKind::Template, 32});
  const std::vector<std::uint8_t>& bytes = writer.Bytes();
  const std::size_t count = bytes.size() - 2 * ShexPresetImageSize - 4;
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + count, bytes.begin() + count + 4),
            (std::vector<std::uint8_t>{2, 0, 0, 0}));

  std::vector<std::uint8_t> first(ShexPresetImageSize, 0);
  const std::vector<std::uint8_t> head = {5, 0,   0xFC, 0x03, 8,   0,   0xE0, 0x01,
                                          7, 'F', 'r',  'i',  '-', 'M', 'o',  'n'};
  std::copy(head.begin(), head.end(), first.begin());
  std::vector<std::uint8_t> second(ShexPresetImageSize, 0);
  const std::vector<std::uint8_t> empty = {0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0};
  std::copy(empty.begin(), empty.end(), second.begin());
  const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(count + 4);
  EXPECT_EQ(std::vector<std::uint8_t>(at, at + ShexPresetImageSize), first);
  EXPECT_EQ(std::vector<std::uint8_t>(at + ShexPresetImageSize, bytes.end()), second);

  TTemplateSettings read;
  TByteReader reader(bytes);
  ReadSettingsBlock(reader, read, TRecordFormat{TFileKind::Template, 32});
  ASSERT_TRUE(reader.Ok());
  EXPECT_EQ(read.ShexPresets, settings.ShexPresets);
}

TEST(LayItemIOTest, HostilePresetCountFailsBeforeAllocating) {
  TByteWriter writer;
  WriteSettingsBlock(writer, TTemplateSettings{}, TRecordFormat{TFileKind::Template, 32});
  std::vector<std::uint8_t> bytes = writer.Bytes();
  const std::size_t countOffset = bytes.size() - 4;
  bytes[countOffset + 3] = 0x7F;
  TTemplateSettings read;
  TByteReader reader(bytes);
  ReadSettingsBlock(reader, read, TRecordFormat{TFileKind::Template, 32});
  ASSERT_FALSE(reader.Ok());
  EXPECT_EQ(reader.Error()->Offset, countOffset);
  EXPECT_EQ(reader.Error()->Reason, "SHEX preset count 2130706432 exceeds the 0 bytes left");
}

TEST(LayItemIOTest, StatusPasswordIsKeptFromSubVersion21) {
  TStatusRec written;
  written.Password = "SECRET";
  written.sRemarks = "kept";
  for (std::int32_t subVersion : {20, 21}) {
    const TRecordFormat format{TFileKind::Calculation, subVersion};
    TByteWriter writer;
    WriteStatus(writer, written, format);
    TStatusRec read;
    TByteReader reader(writer.Bytes());
    ReadStatus(reader, read, format);
    ASSERT_TRUE(reader.Ok());
    EXPECT_EQ(read.Password, subVersion >= 21 ? "SECRET" : "") << subVersion;
    EXPECT_EQ(read.sRemarks, "kept");
  }
}

struct VoyageCase {
  std::int32_t subVersion;
  bool switchesRead; // DespatchDisabled, ShexDisabled from the file
  bool hintsRead;    // HintProRataCalcMethod and rounding from the file
  bool unitHintRead; // HintDemurrageRateUnit from the file
  bool perPortRead;  // ProRataPerPort from the file
};

TEST(LayItemIOTest, VoyageFieldsAbsentFromOlderFilesTakeTheAssumedValues) {
  TVoyageRec written;
  written.DespatchDisabled = true;
  written.ShexDisabled = false;
  written.HintProRataCalcMethod = 1;
  written.HintProRataRoundingMethod = 3;
  written.HintDemurrageRateUnit = 1;
  written.ProRataPerPort = true;
  written.OurSign = "last string";

  TTemplateSettings defaults;
  defaults.DefaultDespatchDisabled = false;
  defaults.DefaultShexDisabled = true;
  TProgramSettings current;
  current.ProRataCalculation = TProRataCalcMethod::prcOnQuantityForDryCargo;
  current.ProRataRoundingMethod = 2;
  current.DemurrageRateUnit = TDemurrateRateUnit::druPerDay;

  for (const VoyageCase& c :
       {VoyageCase{20, false, false, false, false}, VoyageCase{21, true, false, false, false},
        VoyageCase{27, true, false, false, false}, VoyageCase{28, true, true, false, false},
        VoyageCase{29, true, true, false, false}, VoyageCase{30, true, true, true, false},
        VoyageCase{31, true, true, true, true}, VoyageCase{32, true, true, true, true}}) {
    const TRecordFormat format{TFileKind::Calculation, c.subVersion};
    TByteWriter writer;
    WriteVoyage(writer, written, format);
    TVoyageRec read; // as cleared before a load: hints 0
    read.HintDemurrageRateUnit = 0;
    TByteReader reader(writer.Bytes());
    ReadVoyage(reader, read, format, defaults, current);
    ASSERT_TRUE(reader.Ok()) << c.subVersion;
    EXPECT_EQ(reader.Remaining(), 0u) << c.subVersion;
    EXPECT_EQ(read.OurSign, "last string") << c.subVersion;
    EXPECT_EQ(read.DespatchDisabled, c.switchesRead) << c.subVersion;
    EXPECT_EQ(read.ShexDisabled, !c.switchesRead) << c.subVersion;
    EXPECT_EQ(read.HintProRataCalcMethod, c.hintsRead ? 1 : 0) << c.subVersion;
    EXPECT_EQ(read.HintProRataRoundingMethod, c.hintsRead ? 3 : 2) << c.subVersion;
    // Files of 28 and 29 leave the unit hint as it was (0 after clearing).
    EXPECT_EQ(read.HintDemurrageRateUnit, c.unitHintRead ? 1 : 0) << c.subVersion;
    EXPECT_EQ(read.ProRataPerPort, c.perPortRead) << c.subVersion;
  }
}

TEST(LayItemIOTest, VoyageHintsOfFilesBelow28ComeFromTheCurrentSettings) {
  TProgramSettings current;
  current.ProRataCalculation = TProRataCalcMethod::prcOnTimeForTankers;
  current.ProRataRoundingMethod = 3;
  current.DemurrageRateUnit = TDemurrateRateUnit::druPerHour;
  TByteWriter writer;
  WriteVoyage(writer, TVoyageRec{}, TRecordFormat{TFileKind::Calculation, 27});
  TVoyageRec read;
  TByteReader reader(writer.Bytes());
  ReadVoyage(reader, read, TRecordFormat{TFileKind::Calculation, 27}, TTemplateSettings{}, current);
  EXPECT_EQ(read.HintProRataCalcMethod, 1);
  EXPECT_EQ(read.HintProRataRoundingMethod, 3);
  EXPECT_EQ(read.HintDemurrageRateUnit, 1);
}

TEST(LayItemIOTest, VoyageTotalsOnlyInCalculationFiles) {
  TVoyageRec voyage;
  TByteWriter calculation;
  WriteVoyage(calculation, voyage, TRecordFormat{TFileKind::Calculation, 32});
  TByteWriter templ;
  WriteVoyage(templ, voyage, TRecordFormat{TFileKind::Template, 32});
  EXPECT_EQ(calculation.Size() - templ.Size(), 12u);
}

TEST(LayItemIOTest, StringsAreSingleBytesBefore26AndUtf16From26) {
  TStatusRec written;
  written.TemplateName = "Zürich Ω";
  for (std::int32_t subVersion : {25, 26}) {
    const TRecordFormat format{TFileKind::Calculation, subVersion};
    TByteWriter writer;
    WriteStatus(writer, written, format);
    const auto& bytes = writer.Bytes();
    TStatusRec read;
    TByteReader reader(bytes);
    ReadStatus(reader, read, format);
    if (subVersion == 25) {
      EXPECT_EQ(bytes[0], 8); // eight single bytes
      EXPECT_EQ(bytes[4 + 1], 0xFC);
      EXPECT_EQ(read.TemplateName, "Zürich ?"); // Windows-1252 has no omega
    } else {
      EXPECT_EQ(bytes[0], 16); // eight UTF-16 code units
      EXPECT_EQ(bytes[4 + 2], 0xFC);
      EXPECT_EQ(bytes[4 + 3], 0);
      EXPECT_EQ(read.TemplateName, "Zürich Ω");
    }
  }
}

TEST(LayItemIOTest, StatementOfFactsLineIsA536ByteImageWithAFullStop) {
  TSoFRec line{45102, 720, TFactCode::part_tfact, 12.5, "12,5", "Rain", 99};
  TByteWriter writer;
  WriteSoFLine(writer, line, ",");
  const auto& bytes = writer.Bytes();
  ASSERT_EQ(bytes.size(), SoFLineImageSize);
  EXPECT_EQ(bytes[6], 6);  // condition
  EXPECT_EQ(bytes[16], 4); // display string length
  EXPECT_EQ(std::string(bytes.begin() + 17, bytes.begin() + 21), "12.5");
  EXPECT_EQ(bytes[272], 4);  // remark length
  EXPECT_EQ(bytes[528], 99); // counted minutes
  EXPECT_EQ(bytes[7], 0);
  EXPECT_EQ(bytes[535], 0);

  struct Case {
    const char* name;
    const ILocale& locale;
    const char* expected;
  };
  for (const Case& c : {Case{"comma locale", GermanLocale(), "12,5"},
                        Case{"full-stop locale", EnglishUSLocale(), "12.5"}}) {
    TCalculation calc{TProgramSettings{}};
    TSoFLine& read = calc.Ports.GetItem(0).SoFCollection.Add();
    TByteReader reader(bytes);
    ReadSoFLine(reader, read, c.locale.DecimalSeparator());
    ASSERT_TRUE(reader.Ok()) << c.name;
    EXPECT_EQ(read.PctDisplayString(), c.expected) << c.name;
    EXPECT_EQ(read.Pct(), 12.5) << c.name;
    EXPECT_EQ(read.Condition(), TFactCode::part_tfact) << c.name;
    EXPECT_EQ(read.Remark(), "Rain") << c.name;
  }
}

TEST(LayItemIOTest, StatementOfFactsImageFieldByField) {
  const TSoFRec line{0x01020304, -2, TFactCode::PartDetention_Tfact, 1.0, "7.5", "ab", -1};
  TByteWriter writer;
  WriteSoFLine(writer, line, ".");
  std::vector<std::uint8_t> expected(SoFLineImageSize, 0);
  const std::vector<std::uint8_t> head = {4, 3, 2, 1, 0xFE, 0xFF, 44,   0,
                                          0, 0, 0, 0, 0,    0,    0xF0, 0x3F};
  std::copy(head.begin(), head.end(), expected.begin());
  expected[16] = 3;
  expected[17] = '7';
  expected[18] = '.';
  expected[19] = '5';
  expected[272] = 2;
  expected[273] = 'a';
  expected[274] = 'b';
  for (std::size_t i = 528; i < 532; ++i)
    expected[i] = 0xFF;
  EXPECT_EQ(writer.Bytes(), expected);

  // The unused bytes are ignored on reading whatever they hold.
  std::vector<std::uint8_t> dirty = expected;
  dirty[7] = 0xAA;
  dirty[20] = 'x';
  dirty[300] = 'y';
  dirty[533] = 0x55;
  TCalculation calc{TProgramSettings{}};
  TSoFLine& read = calc.Ports.GetItem(0).SoFCollection.Add();
  TByteReader reader(dirty);
  ReadSoFLine(reader, read, ".");
  ASSERT_TRUE(reader.Ok());
  EXPECT_EQ(reader.Remaining(), 0u);
  EXPECT_EQ(read.SoFRec(), line);
}

TEST(LayItemIOTest, TieredRatesAreReplacedAndRepaired) {
  TTieredRates written;
  TTieredRate& late = written.Add();
  late.FromDay = 2;
  late.Rate = 15000;
  TByteWriter writer;
  WriteTieredRates(writer, written);
  EXPECT_EQ(writer.Bytes(), (std::vector<std::uint8_t>{1, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                       0x4C, 0xCD, 0x40}));

  TTieredRates read;
  read.DefaultsFrom(500);
  TByteReader reader(writer.Bytes());
  ReadTieredRates(reader, read);
  ASSERT_TRUE(reader.Ok());
  // The lost first tier comes back at day 0, 00:00 with rate 0.
  ASSERT_EQ(read.GetCount(), 2);
  EXPECT_EQ(read.GetItem(0), (TTieredRate{0, 0, 0.0}));
  EXPECT_EQ(read.GetItem(1), (TTieredRate{2, 0, 15000.0}));
}

struct PortCase {
  TFileKind kind;
  std::int32_t subVersion;
};

TEST(LayItemIOTest, PortFieldsByKindAndSubVersion) {
  TCalculation source{TProgramSettings{}};
  FillCalculation(source);
  const TPortItem& written = source.Ports.GetItem(0);
  for (const PortCase& c :
       {PortCase{TFileKind::Calculation, 26}, PortCase{TFileKind::Calculation, 27},
        PortCase{TFileKind::Calculation, 31}, PortCase{TFileKind::Calculation, 32},
        PortCase{TFileKind::Template, 28}, PortCase{TFileKind::Template, 29},
        PortCase{TFileKind::Template, 32}}) {
    const TRecordFormat format{c.kind, c.subVersion};
    const std::string label = std::string(format.IsTemplate() ? "template " : "calculation ") +
                              std::to_string(c.subVersion);
    TByteWriter writer;
    WritePort(writer, written, format, ".");
    TCalculation target{TProgramSettings{}};
    target.Ports.Clear();
    TPortItem& read = target.Ports.Add();
    TByteReader reader(writer.Bytes());
    ReadPort(reader, read, format, ".");
    ASSERT_TRUE(reader.Ok()) << label;
    EXPECT_EQ(reader.Remaining(), 0u) << label;
    const TPortRec& p = read.PortData;
    EXPECT_EQ(p.PortName, written.PortData.PortName) << label;
    EXPECT_EQ(p.pRemarks, written.PortData.pRemarks) << label;
    EXPECT_EQ(p.TankerMinTimeAllowance, c.subVersion >= 27 ? 720 : EmptyTime) << label;
    EXPECT_EQ(p.UseTieredDemurrage, c.subVersion >= 32) << label;
    EXPECT_EQ(read.TieredDemurrageRates.GetCount(), c.subVersion >= 32 ? 3 : 1) << label;
    ASSERT_EQ(read.PortInfoCollection.Count(), 2) << label;
    EXPECT_EQ(read.PortInfoCollection.GetItem(0).FDateTimeInfoRec.Text, "Notice tendered");
    if (format.IsCalculation()) {
      EXPECT_EQ(test::CalculationPortFields(p), test::CalculationPortFields(written.PortData))
          << label;
      EXPECT_EQ(p.CargoUnits, "cbm") << label;
      EXPECT_EQ(read.SoFCollection.Count(), 2) << label;
      EXPECT_EQ(read.PortInfoCollection.GetItem(0).FDateTimeInfoRec.Date, 45100) << label;
    } else {
      // Templates keep no quantities, dates, results or lines; cargo units from 29 on.
      EXPECT_EQ(p.CargoQuantity, EmptyReal) << label;
      EXPECT_EQ(p.LayTimeCountFrom.Date, EmptyDay) << label;
      EXPECT_EQ(p.LayTimeCountFrom.Text, "NOR tendered") << label;
      EXPECT_EQ(p.LayTimeOpCompleted.Time, EmptyTime) << label;
      EXPECT_EQ(p.PreAdvDate, EmptyDay) << label;
      EXPECT_EQ(p.TimeUsed, 0) << label;
      EXPECT_EQ(p.CargoUnits, c.subVersion >= 29 ? "cbm" : "mts") << label;
      EXPECT_EQ(read.SoFCollection.Count(), 0) << label;
      EXPECT_EQ(read.PortInfoCollection.GetItem(0).FDateTimeInfoRec.Date, EmptyDay) << label;
    }
  }
}

TEST(LayItemIOTest, ProRataDetailsFromSubVersion31) {
  TCalculation source{TProgramSettings{}};
  FillCalculation(source);
  for (std::int32_t subVersion : {30, 31}) {
    const TRecordFormat format{TFileKind::Calculation, subVersion};
    TByteWriter writer;
    WriteProRataSection(writer, source.ProRata, 2, format);
    TCalculation target{TProgramSettings{}};
    target.ProRata.Clear();
    TByteReader reader(writer.Bytes());
    ReadProRataSection(reader, target.ProRata, format);
    ASSERT_TRUE(reader.Ok());
    ASSERT_EQ(target.ProRata.Count(), 2);
    const TProRataItem& first = target.ProRata.GetItem(0);
    EXPECT_EQ(first.ProRataRec, source.ProRata.GetItem(0).ProRataRec);
    EXPECT_EQ(first.PortDetailCount(), subVersion >= 31 ? 2 : 0) << subVersion;
    if (subVersion >= 31) {
      EXPECT_EQ(first.FindPortDetails(1)->Quantity(), 3000.5);
      EXPECT_EQ(first.FindPortDetails(0)->SharedMinutes(), 90);
    }
  }
}

TEST(LayItemIOTest, EmptyProRataLinesAreNotWritten) {
  TCalculation calc{TProgramSettings{}};
  calc.ProRata.Clear();
  calc.ProRata.Add();
  calc.ProRata.Add().ProRataRec.Charterer = "Bunge";
  calc.ProRata.Add();
  TByteWriter writer;
  WriteProRataSection(writer, calc.ProRata, 1, TRecordFormat{});
  EXPECT_EQ(writer.Bytes()[0], 1);
}

} // namespace
} // namespace laytime
