// The command-line tool end to end: every command through RunCli with the built-in program
// settings, on the shipped examples and on small documents made here.
#include "cli/CliApp.h"

#include "cli/Json.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace laytime::cli {
namespace {

namespace fs = std::filesystem;

struct TRun {
  int Code = 0;
  std::string Out;
  std::string Err;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class CliTest : public ::testing::Test {
protected:
  CliTest() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    Dir = fs::temp_directory_path() / "laytime-cli-tests" /
          (std::string(info->test_suite_name()) + "." + info->name());
    fs::remove_all(Dir);
    fs::create_directories(Dir);
  }
  ~CliTest() override { fs::remove_all(Dir); }

  /// Runs the tool with the built-in settings and without informational messages.
  static TRun Run(std::vector<std::string> arguments) {
    arguments.push_back("--defaults");
    arguments.push_back("--quiet");
    std::ostringstream out;
    std::ostringstream err;
    TRun run;
    run.Code = RunCli(arguments, out, err);
    run.Out = out.str();
    run.Err = err.str();
    return run;
  }

  static std::string Example(const std::string& name) {
    return std::string(LAYTIME_EXAMPLES_DIR) + "/" + name + ".json";
  }

  /// Makes the .ZQL of an example in the test folder.
  std::string MakeExample(const std::string& name) {
    const std::string target = (Dir / (name + ".ZQL")).string();
    const TRun run = Run({"make", Example(name), "-o", target});
    EXPECT_EQ(run.Code, 0) << run.Err;
    return target;
  }

  fs::path Dir;
};

const char* const ExampleNames[] = {"drybulk-nonreversible", "reversible-all-time-saved",
                                    "tanker-prorata-tiered"};

/// The settings an example is calculated under.
std::vector<std::string> ExampleSettings(const std::string& name) {
  if (name == "tanker-prorata-tiered")
    return {"--set", "ProRataCalculation=1"};
  return {};
}

TEST_F(CliTest, DumpThenMakeGivesBackTheSameBytes) {
  for (const std::string name : ExampleNames) {
    SCOPED_TRACE(name);
    const std::string original = MakeExample(name);
    const TRun dump = Run({"dump", original});
    ASSERT_EQ(dump.Code, 0) << dump.Err;
    WriteFile(Dir / "dumped.json", dump.Out);
    const std::string again = (Dir / "again.ZQL").string();
    const TRun make = Run({"make", (Dir / "dumped.json").string(), "-o", again});
    ASSERT_EQ(make.Code, 0) << make.Err;
    EXPECT_EQ(ReadFile(again), ReadFile(original));
  }
}

/// Expected figures of one port of an example after calculation.
struct TPortFigures {
  const char* Example;
  int Port;
  int TimeAllowed;
  int TimeUsed;
  int M1;
  double Demurrage;
  double Despatch;
  double Commission;
};

const TPortFigures ExpectedPorts[] = {
    // 55,000 mts at 25,000/day: 2.2 days. Counted from the end of the pre-advice (Thursday
    // 18:00), without shifting, rain and the weekend from Saturday 12:00 until Monday 08:00.
    {"drybulk-nonreversible", 0, 3168, 3585, -417, 5212.5, 0.0, 195.46875},
    // 55,000 mts at 30,000/day: 44 hours; 40 hours used, 4 hours saved at 9,000/day.
    {"drybulk-nonreversible", 1, 2640, 2400, 240, 0.0, 1500.0, 0.0},
    // Loading ports pooled: 3 + 2 days; the second port starts with what the first left and
    // the group's amounts stay with the group.
    {"reversible-all-time-saved", 0, 7200, 3240, 3960, 0.0, 0.0, 0.0},
    {"reversible-all-time-saved", 1, 3960, 2160, 1800, 0.0, 0.0, 0.0},
    // Discharging ports pooled: 4 + 3.5 days; six hours at half count three.
    {"reversible-all-time-saved", 2, 10800, 4860, 5940, 0.0, 0.0, 0.0},
    {"reversible-all-time-saved", 3, 5940, 3600, 2340, 0.0, 0.0, 0.0},
    // 36 hours each; shifting before demurrage does not count, after it it does.
    {"tanker-prorata-tiered", 0, 2160, 2670, -510, 13458.333333333334, 0.0, 168.22916666666669},
    // Four days on demurrage: three at 38,000 and one at 45,000.
    {"tanker-prorata-tiered", 1, 2160, 7920, -5760, 159000.0, 0.0, 1987.5},
};

const TJsonValue& Member(const TJsonValue& object, const char* name) {
  const TJsonValue* member = object.Find(name);
  if (member == nullptr)
    throw std::runtime_error(std::string("missing member ") + name);
  return *member;
}

TEST_F(CliTest, CalcJsonOfTheExamplesGivesTheExpectedFigures) {
  for (const TPortFigures& expected : ExpectedPorts) {
    SCOPED_TRACE(std::string(expected.Example) + " port " + std::to_string(expected.Port));
    const std::string file = MakeExample(expected.Example);
    std::vector<std::string> arguments{"calc", file, "--json"};
    for (const std::string& option : ExampleSettings(expected.Example))
      arguments.push_back(option);
    const TRun run = Run(arguments);
    ASSERT_EQ(run.Code, 0) << run.Err << run.Out;
    const TJsonValue document = ParseJson(run.Out);
    EXPECT_TRUE(Member(document, "valid").AsBoolean());
    const TJsonValue& port = Member(document, "ports").Items().at(expected.Port);
    EXPECT_EQ(Member(port, "TimeAllowed").AsInteger(), expected.TimeAllowed);
    EXPECT_EQ(Member(port, "TimeUsed").AsInteger(), expected.TimeUsed);
    EXPECT_EQ(Member(port, "M1").AsInteger(), expected.M1);
    EXPECT_DOUBLE_EQ(Member(port, "Demurrage").AsNumber(), expected.Demurrage);
    EXPECT_DOUBLE_EQ(Member(port, "Despatch").AsNumber(), expected.Despatch);
    EXPECT_DOUBLE_EQ(Member(port, "Commission").AsNumber(), expected.Commission);
    EXPECT_FALSE(Member(port, "sofResult").Items().empty());
  }
}

TEST_F(CliTest, CalcJsonCarriesGroupsSharesAndNotices) {
  TRun run = Run({"calc", MakeExample("reversible-all-time-saved"), "--json"});
  ASSERT_EQ(run.Code, 0) << run.Err;
  TJsonValue document = ParseJson(run.Out);
  const TJsonValue& voyage = Member(document, "voyage");
  // All time saved: 30 hours at the loading ports and 39 at the discharging ports, 8,000/day.
  EXPECT_DOUBLE_EQ(Member(voyage, "DespatchLoading").AsNumber(), 10000.0);
  EXPECT_DOUBLE_EQ(Member(voyage, "DespatchDischarging").AsNumber(), 13000.0);
  EXPECT_TRUE(Member(Member(document, "notices"), "shifting").IsNull());

  run = Run(
      {"calc", MakeExample("tanker-prorata-tiered"), "--json", "--set", "ProRataCalculation=1"});
  ASSERT_EQ(run.Code, 0) << run.Err;
  document = ParseJson(run.Out);
  const TJsonValue& rotterdam = Member(document, "ports").Items().at(1);
  EXPECT_EQ(Member(Member(rotterdam, "tieredTimes"), "0").AsInteger(), 4320);
  EXPECT_EQ(Member(Member(rotterdam, "tieredTimes"), "1").AsInteger(), 1440);
  const TJsonValue& partners = Member(document, "proRata");
  ASSERT_EQ(partners.Items().size(), 2U);
  // Each partner carries its share of the time: 60 % of the allowance against 60 % of the
  // time used, priced through the tiers.
  const TJsonValue& first = Member(partners.Items().at(0), "portDetails").Items().at(1);
  EXPECT_EQ(Member(first, "PortTimeAllowanceInMinutes").AsInteger(), 1296);
  EXPECT_EQ(Member(first, "SharedMinutes").AsInteger(), 4752);
  EXPECT_EQ(Member(first, "DemurrageAmount").NumberLiteral(), "91200");
  EXPECT_EQ(Member(first, "CommissionAmount").NumberLiteral(), "1140");
  EXPECT_EQ(Member(partners.Items().at(1), "NetAmountDue").NumberLiteral(), "65356.04");
  const TJsonValue& shifting = Member(Member(document, "notices"), "shifting");
  EXPECT_EQ(Member(shifting, "Date").AsString(), "2024-08-04");
  EXPECT_EQ(Member(shifting, "Time").AsString(), "08:00");
}

TEST_F(CliTest, CalcPrintsTheAccount) {
  const std::string file = MakeExample("drybulk-nonreversible");
  const TRun run = Run({"calc", file});
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_NE(run.Out.find("Port 1: Richards Bay (loading)"), std::string::npos) << run.Out;
  EXPECT_NE(run.Out.find("Time lost:     0 d 06:57"), std::string::npos) << run.Out;
  EXPECT_NE(run.Out.find("Net balance:     -3,517.03 USD (due to owners)"), std::string::npos)
      << run.Out;
}

TEST_F(CliTest, ReportWritesTextRtfAndPdf) {
  const std::string file = MakeExample("tanker-prorata-tiered");
  const std::vector<std::string> onTime{"--set", "ProRataCalculation=1"};
  auto report = [&](std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"report", file});
    arguments.insert(arguments.end(), onTime.begin(), onTime.end());
    return Run(arguments);
  };
  const fs::path text = Dir / "result.txt";
  TRun run = report({"--text", text.string(), "--partner", "1"});
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_NE(ReadFile(text).find("Aegean Spirit"), std::string::npos);
  EXPECT_NE(ReadFile(text).find("Nordsee Energie GmbH"), std::string::npos);

  const fs::path rtf = Dir / "result.rtf";
  run = report({"--rtf", rtf.string(), "--all"});
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(ReadFile(rtf).substr(0, 5), "{\\rtf");

  const fs::path pdf = Dir / "result.pdf";
  run = report({"--pdf", pdf.string()});
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(ReadFile(pdf).substr(0, 5), "%PDF-");

  run = report({"--text", text.string(), "--partner", "2"});
  EXPECT_EQ(run.Code, 2);
  EXPECT_NE(run.Err.find("--partner 2: the calculation has 2 partner(s)"), std::string::npos);
}

TEST_F(CliTest, TransferFilesAreMadeAndReadByTheirExtension) {
  const std::string zqa = (Dir / "voyage.ZQA").string();
  TRun run = Run({"make", Example("drybulk-nonreversible"), "-o", zqa});
  ASSERT_EQ(run.Code, 0) << run.Err;
  run = Run({"calc", zqa});
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_NE(run.Out.find("Net balance:     -3,517.03 USD"), std::string::npos) << run.Out;

  // A statement-of-facts file holds one port.
  run = Run({"make", Example("drybulk-nonreversible"), "-o", (Dir / "port.ZQS").string()});
  EXPECT_EQ(run.Code, 2);
  EXPECT_NE(run.Err.find("a .ZQS file takes the only port of a document, and this one has 2 "
                         "ports"),
            std::string::npos);
  WriteFile(Dir / "one-port.json", R"({"format": "laytime-calculation/1", "ports": [
    {"PortName": "Santos", "sof": [{"UntilDate": "2024-05-08", "UntilTime": "12:00",
      "Condition": "full_tfact", "Pct": 100, "PctDisplayString": "100.00"}]}]})");
  const std::string zqs = (Dir / "port.ZQS").string();
  ASSERT_EQ(Run({"make", (Dir / "one-port.json").string(), "-o", zqs}).Code, 0);
  run = Run({"dump", zqs});
  ASSERT_EQ(run.Code, 0) << run.Err;
  const TJsonValue port = Member(ParseJson(run.Out), "ports").Items().at(0);
  EXPECT_EQ(Member(port, "PortName").AsString(), "Santos");
  EXPECT_EQ(Member(Member(port, "sof").Items().at(0), "UntilTime").AsString(), "12:00");

  // A transfer file that is not one is refused, and nothing is asked of anybody.
  WriteFile(Dir / "bad.ZQA", "garbage");
  run = Run({"dump", (Dir / "bad.ZQA").string()});
  EXPECT_EQ(run.Code, 3);
}

TEST_F(CliTest, PartialDocumentTakesTheClearedDefaults) {
  WriteFile(Dir / "partial.json", R"({
    "format": "laytime-calculation/1",
    "kind": "calculation",
    "voyage": {"VesselName": "MV Partial", "PortMode": "AllReversible"},
    "ports": [{"PortName": "Santos", "sof": [{"UntilDate": "2024-05-01", "UntilTime": "24:00"}]}]
  })");
  const std::string file = (Dir / "partial.ZQL").string();
  ASSERT_EQ(Run({"make", (Dir / "partial.json").string(), "-o", file}).Code, 0);
  const TRun dump = Run({"dump", file});
  ASSERT_EQ(dump.Code, 0) << dump.Err;
  const TJsonValue document = ParseJson(dump.Out);
  const TJsonValue& voyage = Member(document, "voyage");
  EXPECT_EQ(Member(voyage, "VesselName").AsString(), "MV Partial");
  EXPECT_EQ(Member(voyage, "PortMode").AsString(), "AllReversible");
  EXPECT_TRUE(Member(voyage, "CPDate").IsNull());
  EXPECT_TRUE(Member(voyage, "AlwaysOnDemurrage").AsBoolean());
  EXPECT_EQ(Member(voyage, "DespatchModeAllPorts").AsString(), "calcUndef");
  EXPECT_TRUE(Member(voyage, "DemurrageRateAllPorts").IsNull());
  EXPECT_TRUE(Member(Member(document, "status"), "TotalDemurrage").IsNull());
  const TJsonValue& port = Member(document, "ports").Items().at(0);
  EXPECT_EQ(Member(port, "PortName").AsString(), "Santos");
  EXPECT_EQ(Member(port, "CargoUnits").AsString(), "mts");
  EXPECT_EQ(Member(port, "PortLoadUnits").AsString(), "load_units_p_day");
  EXPECT_EQ(Member(port, "ShexStartDay").AsInteger(), -1);
  EXPECT_TRUE(Member(port, "TankerMinTimeAllowance").IsNull());
  EXPECT_TRUE(Member(Member(port, "LayTimeCountFrom"), "Date").IsNull());
  const TJsonValue& line = Member(port, "sof").Items().at(0);
  EXPECT_EQ(Member(line, "UntilTime").AsString(), "24:00");
  EXPECT_EQ(Member(line, "Condition").AsString(), "undef_tfact");
  EXPECT_TRUE(Member(line, "Pct").IsNull());
  EXPECT_EQ(Member(port, "tiers").Items().size(), 1U);
}

struct TBadDocument {
  const char* Name;
  const char* Ports; ///< the "ports" member of an otherwise valid document
  const char* Message;
};

class BadDocumentTable : public CliTest, public ::testing::WithParamInterface<TBadDocument> {};

TEST_P(BadDocumentTable, IsAUsageErrorNamingTheKeyAndWritesNothing) {
  WriteFile(Dir / "bad.json", std::string(R"({"format": "laytime-calculation/1", "ports": )") +
                                  GetParam().Ports + "}");
  const fs::path target = Dir / "bad.ZQL";
  const TRun run = Run({"make", (Dir / "bad.json").string(), "-o", target.string()});
  EXPECT_EQ(run.Code, 2);
  EXPECT_NE(run.Err.find(GetParam().Message), std::string::npos) << run.Err;
  EXPECT_NE(run.Err.find("Usage: laytime-cli"), std::string::npos);
  EXPECT_FALSE(fs::exists(target));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadDocumentTable,
    ::testing::Values(
        TBadDocument{"UnknownKey", R"([{"PortNmae": "x"}])", "ports[0].PortNmae: unknown key"},
        TBadDocument{"Month13", R"([{"PreAdvDate": "2024-13-01"}])",
                     "ports[0].PreAdvDate: \"2024-13-01\" is not a valid date"},
        TBadDocument{"Time25", R"([{"sof": [{}, {"UntilTime": "25:00"}]}])",
                     "ports[0].sof[1].UntilTime: \"25:00\" is not a valid time (00:00..24:00)"},
        TBadDocument{"UnknownIdentifier", R"([{"PortLoadUnits": "tons_per_day"}])",
                     "ports[0].PortLoadUnits: \"tons_per_day\" is not a known identifier"},
        TBadDocument{"WrongType", R"([{"OpLoading": 1}])",
                     "ports[0].OpLoading: 1 is not true or false"},
        TBadDocument{"NestedObject", R"([{"LayTimeCountFrom": {"Date": "2024-01-01", "When": 1}}])",
                     "ports[0].LayTimeCountFrom.When: unknown key"},
        TBadDocument{"NoPorts", "[]", "ports: a calculation holds at least one port"},
        // Each value has one form: a number stands only for what has no identifier, date or
        // time, as in a damaged file.
        TBadDocument{"EnumerationByNumber", R"([{"PortLoadUnits": 1}])",
                     "ports[0].PortLoadUnits: 1 is not an identifier"},
        TBadDocument{"DayByNumber", R"([{"PreAdvDate": 45000}])",
                     "ports[0].PreAdvDate: 45000 is not a date YYYY-MM-DD"},
        TBadDocument{"TimeByNumber", R"([{"PreAdvTime": 600}])",
                     "ports[0].PreAdvTime: 600 is not a time hh:mm"},
        TBadDocument{"Syntax", "[", "JSON error at line 1"}),
    [](const auto& info) { return std::string(info.param.Name); });

struct TBadArguments {
  const char* Name;
  std::vector<std::string> Arguments;
  const char* Message;
};

class BadArgumentsTable : public CliTest, public ::testing::WithParamInterface<TBadArguments> {};

TEST_P(BadArgumentsTable, ExitTwoWithUsageText) {
  const TRun run = Run(GetParam().Arguments);
  EXPECT_EQ(run.Code, 2);
  EXPECT_NE(run.Err.find(std::string("laytime-cli: ") + GetParam().Message), std::string::npos)
      << run.Err;
  EXPECT_NE(run.Err.find("Usage: laytime-cli COMMAND"), std::string::npos);
  EXPECT_TRUE(run.Out.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadArgumentsTable,
    ::testing::Values(
        TBadArguments{"NoCommand", {}, "no command given"},
        TBadArguments{"UnknownCommand", {"print", "a.ZQL"}, "unknown command \"print\""},
        TBadArguments{"UnknownOption", {"calc", "a.ZQL", "--fast"}, "unknown option --fast"},
        TBadArguments{"TwoFiles", {"calc", "a.ZQL", "b.ZQL"}, "calc expects exactly one file"},
        TBadArguments{"MakeWithoutOutput", {"make", "a.json"}, "make needs -o FILE"},
        TBadArguments{
            "JsonOnDump", {"dump", "a.ZQL", "--json"}, "the option --json does not belong to dump"},
        TBadArguments{"ReportWithoutFormat",
                      {"report", "a.ZQL"},
                      "report needs --pdf, --rtf or --text with the output file"},
        TBadArguments{"PartnerAndAll",
                      {"report", "a.ZQL", "--text", "o.txt", "--partner", "1", "--all"},
                      "--partner and --all exclude each other"},
        TBadArguments{"UnknownSetting",
                      {"calc", "a.ZQL", "--set", "Colour=red"},
                      "unknown setting \"Colour\""},
        TBadArguments{"SettingOutOfRange",
                      {"calc", "a.ZQL", "--set", "PctDecimals=1"},
                      "setting PctDecimals: \"1\" is not a whole number of 2..7"},
        TBadArguments{
            "YesAndNo", {"calc", "a.ZQL", "--yes", "--no"}, "--yes and --no exclude each other"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CliTest, StoredSettingsAreReadUnlessDefaultsAreAsked) {
  // The app's settings store of the user, as Qt keeps it on this platform.
  const fs::path config = Dir / "config";
  fs::create_directories(config / "Quillmark");
  WriteFile(config / "Quillmark" / "Laytime Calculation.conf",
            "[General]\nProRataCalculation=1\nDateFormat=9\n");
  ASSERT_EQ(setenv("XDG_CONFIG_HOME", config.c_str(), 1), 0);
  const std::string file = MakeExample("tanker-prorata-tiered");
  auto firstShare = [&](std::vector<std::string> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(arguments, out, err), 0) << err.str();
    const TJsonValue document = ParseJson(out.str());
    const TJsonValue& partner = Member(document, "proRata").Items().at(0);
    return Member(Member(partner, "portDetails").Items().at(1), "DemurrageAmount").NumberLiteral();
  };
  // Stored: pro rata on time (the stored date format 9 is ignored as the app ignores it).
  EXPECT_EQ(firstShare({"calc", file, "--json", "--quiet"}), "91200");
  // Built-in: pro rata on cargo quantity, where a tiered port's share without quantities per
  // port is left to the report's split of the voyage totals.
  EXPECT_EQ(firstShare({"calc", file, "--json", "--quiet", "--defaults"}), "0");
  unsetenv("XDG_CONFIG_HOME");
}

TEST_F(CliTest, HelpGoesToStandardOutput) {
  const TRun run = Run({"--help"});
  EXPECT_EQ(run.Code, 0);
  EXPECT_NE(run.Out.find("Usage: laytime-cli COMMAND"), std::string::npos);
}

TEST_F(CliTest, FilesThatCannotBeReadExitThreeWithTheFileLayersMessage) {
  const std::string good = MakeExample("drybulk-nonreversible");
  std::string bytes = ReadFile(good);
  bytes[40] = static_cast<char>(bytes[40] ^ 0x5A);
  const std::string damaged = (Dir / "damaged.ZQL").string();
  WriteFile(damaged, bytes);
  TRun run = Run({"calc", damaged});
  EXPECT_EQ(run.Code, 3);
  EXPECT_EQ(run.Err, "file CRC checksum error. " + damaged +
                         " is corrupt or has been damaged during a transfer\n");

  run = Run({"dump", (Dir / "missing.ZQL").string()});
  EXPECT_EQ(run.Code, 3);
  EXPECT_EQ(run.Err, "I/O Error 2: The system cannot find the file specified.\n");

  // A template read through a calculation's extension fails the type check.
  WriteFile(Dir / "template.json", R"({"format": "laytime-calculation/1", "kind": "template"})");
  const std::string zqt = (Dir / "office.ZQT").string();
  ASSERT_EQ(Run({"make", (Dir / "template.json").string(), "-o", zqt}).Code, 0);
  const std::string renamed = (Dir / "office.ZQL").string();
  fs::copy_file(zqt, renamed);
  run = Run({"dump", renamed});
  EXPECT_EQ(run.Code, 3);
  EXPECT_EQ(run.Err, "Data file type ID check failed. " + renamed +
                         " is not a valid laytime calculation file\n");
}

TEST_F(CliTest, VersionSixFilesAreRecognisedByTheirIdentifier) {
  // Whatever its extension, a file that starts with a version-6 identifier goes to the import,
  // whose finding on a damaged file is the tool's message.
  WriteFile(Dir / "OLD.DAT", std::string("\x05NVR52\0\0garbage", 16));
  const TRun run =
      Run({"dump", (Dir / "OLD.DAT").string(), "--ini", (Dir / "NVRWIN.INI").string()});
  EXPECT_EQ(run.Code, 3);
  EXPECT_EQ(run.Err,
            "The file is damaged or too short. The version 6 calculation could not be imported.\n");
}

TEST_F(CliTest, TemplateRoundTripKeepsTheSettingsBlock) {
  WriteFile(Dir / "template.json", R"({"format": "laytime-calculation/1", "kind": "template",
    "settings": {"ReportTitle": "Office terms", "DefaultPortMode": "AllAverage",
                 "LaytimeCommencesTexts": ["NOR + 6 hours"],
                 "RemarkLists": {"rain_tfact": ["Rain", "Heavy rain"]},
                 "ShexPresets": [{"FromDay": 5, "FromTime": "17:00", "UntilDay": 8,
                                  "UntilTime": "08:00", "Remark": "Fri 17:00 - Mon 08:00"}]}})");
  const std::string zqt = (Dir / "office.ZQT").string();
  ASSERT_EQ(Run({"make", (Dir / "template.json").string(), "-o", zqt}).Code, 0);
  const TRun dump = Run({"dump", zqt});
  ASSERT_EQ(dump.Code, 0) << dump.Err;
  const TJsonValue document = ParseJson(dump.Out);
  EXPECT_EQ(Member(document, "kind").AsString(), "template");
  const TJsonValue& settings = Member(document, "settings");
  EXPECT_EQ(Member(settings, "ReportTitle").AsString(), "Office terms");
  EXPECT_EQ(Member(settings, "DefaultPortMode").AsString(), "AllAverage");
  EXPECT_EQ(Member(Member(settings, "RemarkLists"), "rain_tfact").Items().size(), 2U);
  EXPECT_EQ(Member(Member(settings, "ShexPresets").Items().at(0), "UntilDay").AsInteger(), 8);
  // The cleared voyage and port of a template follow its settings.
  EXPECT_EQ(Member(Member(document, "voyage"), "PortMode").AsString(), "AllAverage");
  const TJsonValue& port = Member(document, "ports").Items().at(0);
  EXPECT_EQ(Member(Member(port, "LayTimeCountFrom"), "Text").AsString(), "NOR + 6 hours");

  WriteFile(Dir / "again.json", dump.Out);
  const std::string again = (Dir / "again.ZQT").string();
  ASSERT_EQ(Run({"make", (Dir / "again.json").string(), "-o", again}).Code, 0);
  EXPECT_EQ(ReadFile(again), ReadFile(zqt));
}

TEST_F(CliTest, CalcFindingIsReportedAsJsonWithExitOne) {
  WriteFile(Dir / "invalid.json", R"({"format": "laytime-calculation/1",
    "voyage": {"PortMode": "NonReversible"},
    "ports": [{"PortName": "Santos", "OpLoading": true}]})");
  const std::string file = (Dir / "invalid.ZQL").string();
  ASSERT_EQ(Run({"make", (Dir / "invalid.json").string(), "-o", file}).Code, 0);
  const TRun run = Run({"calc", file, "--json"});
  EXPECT_EQ(run.Code, 1);
  EXPECT_EQ(run.Out, "{\n"
                     "  \"valid\": false,\n"
                     "  \"error\": \"No \\\"saved time\\\" clause selected\",\n"
                     "  \"port\": 0,\n"
                     "  \"line\": null\n"
                     "}\n");
}

TEST_F(CliTest, ResultListThenCompareFindsNoDifferences) {
  const fs::path data = Dir / "data";
  fs::create_directories(data);
  for (const std::string name : {"drybulk-nonreversible", "reversible-all-time-saved"})
    ASSERT_EQ(Run({"make", Example(name), "-o", (data / (name + ".ZQL")).string()}).Code, 0);
  const std::string list = (Dir / "ResultList.TXT").string();
  TRun run = Run({"result-list", data.string(), "-o", list});
  ASSERT_EQ(run.Code, 0) << run.Err;
  const std::string text = ReadFile(list);
  EXPECT_EQ(text.substr(0, 2 + list.size() + 2), "; " + list + "\r\n");
  const std::string first = (data / "drybulk-nonreversible.ZQL").string();
  EXPECT_NE(text.find(first + ";           -3517.030\r\n"), std::string::npos) << text;
  // Reversible at both groups: the despatch of the loading and the discharging ports.
  EXPECT_NE(
      text.find((data / "reversible-all-time-saved.ZQL").string() + ";           23000.000\r\n"),
      std::string::npos)
      << text;

  run = Run({"compare", list, "--folder", Dir.string()});
  EXPECT_EQ(run.Code, 0) << run.Out << run.Err;
  EXPECT_EQ(ReadFile(Dir / "LAY7OK.TXT"), "OK - " + first + "\r\nOK - " +
                                              (data / "reversible-all-time-saved.ZQL").string() +
                                              "\r\n");
  EXPECT_EQ(ReadFile(Dir / "LAY7ERROR.TXT"), "");

  // A changed value is a difference.
  WriteFile(list, "; old list\r\n" + first + ";  -3517.04\r\n");
  run = Run({"compare", list, "--folder", Dir.string()});
  EXPECT_EQ(run.Code, 1);
  EXPECT_EQ(ReadFile(Dir / "LAY7ERROR.TXT"),
            "!!! *** Different results *** !!! - old: -3517.040 new: -3517.030 - " + first +
                "\r\n");
  EXPECT_NE(run.Out.find("CALCUALTION DIFFERCES FOUND !!!."), std::string::npos);
}

TEST_F(CliTest, ResultListGivesTheReasonOfEveryFileThatCannotBeUsedAndGoesOn) {
  const fs::path data = Dir / "data";
  fs::create_directories(data);
  const std::string good = (data / "b-good.ZQL").string();
  ASSERT_EQ(Run({"make", Example("drybulk-nonreversible"), "-o", good}).Code, 0);
  std::string bytes = ReadFile(good);
  bytes[40] = static_cast<char>(bytes[40] ^ 0x5A);
  const std::string damaged = (data / "a-damaged.ZQL").string();
  WriteFile(damaged, bytes);
  WriteFile(Dir / "invalid.json", R"({"format": "laytime-calculation/1",
    "voyage": {"PortMode": "NonReversible"},
    "ports": [{"PortName": "Santos", "OpLoading": true}]})");
  const std::string invalid = (data / "c-invalid.ZQL").string();
  ASSERT_EQ(Run({"make", (Dir / "invalid.json").string(), "-o", invalid}).Code, 0);

  const std::string list = (Dir / "ResultList.TXT").string();
  TRun run = Run({"result-list", data.string(), "-o", list});
  // The files without a value are findings.
  ASSERT_EQ(run.Code, 1) << run.Err;
  EXPECT_EQ(ReadFile(list), "; " + list + "\r\n" + damaged + ";file CRC checksum error. " +
                                damaged + " is corrupt or has been damaged during a transfer\r\n" +
                                good + ";           -3517.030\r\n" + invalid +
                                ";No \"saved time\" clause selected: " + invalid + "\r\n");

  // A listed file that is gone is reported as such, and the others are still compared.
  const std::string missing = (data / "missing.ZQL").string();
  WriteFile(list, "; old list\r\n" + missing + ";  12.000\r\n" + good + ";  -3517.030\r\n");
  run = Run({"compare", list, "--folder", Dir.string()});
  EXPECT_EQ(run.Code, 1) << run.Out << run.Err;
  EXPECT_EQ(ReadFile(Dir / "LAY7ERROR.TXT"), "File not found: " + missing + "\r\n");
  EXPECT_EQ(ReadFile(Dir / "LAY7OK.TXT"), "OK - " + good + "\r\n");
}

TEST_F(CliTest, ResultListOfAFolderWithoutCalculationsSaysSo) {
  const fs::path data = Dir / "empty";
  fs::create_directories(data);
  const std::string list = (Dir / "ResultList.TXT").string();
  const TRun run = Run({"result-list", data.string(), "-o", list});
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, "No file found " + (data / "*.ZQL").string() + " DosErr= 2\n");
  EXPECT_EQ(ReadFile(list), "; " + list + "\r\n");
}

TEST_F(CliTest, CalcJsonWritesTheMarkerOfInsertedLinesAsThreeCharacters) {
  const TRun run = Run({"calc", MakeExample("drybulk-nonreversible"), "--json"});
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_NE(run.Out.find("\"\xC3\xBF\\u0001\xC3\xBF"), std::string::npos);
  const TJsonValue document = ParseJson(run.Out);
  const TJsonValue& counted = Member(Member(document, "ports").Items().at(0), "sofResult");
  bool found = false;
  for (const TJsonValue& line : counted.Items())
    found = found || Member(line, "Remark").AsString().starts_with("\xC3\xBF\x01\xC3\xBF");
  EXPECT_TRUE(found);
}

TEST_F(CliTest, ReadingWarnsOfAFileMadeUnderOtherSettings) {
  WriteFile(Dir / "hint.json", R"({"format": "laytime-calculation/1",
    "voyage": {"HintProRataCalcMethod": 1}})");
  const std::string file = (Dir / "hint.ZQL").string();
  ASSERT_EQ(Run({"make", (Dir / "hint.json").string(), "-o", file}).Code, 0);
  std::ostringstream out;
  std::ostringstream err;
  RunCli({"dump", file, "--defaults"}, out, err);
  EXPECT_NE(err.str().find("This ZQL file was made in combination with a different Pro Rata "
                           "Calculation method ("),
            std::string::npos)
      << err.str();
  // Under the settings the file was made with there is nothing to say.
  std::ostringstream sameOut;
  std::ostringstream sameErr;
  RunCli({"dump", file, "--defaults", "--set", "ProRataCalculation=1"}, sameOut, sameErr);
  EXPECT_EQ(sameErr.str().find("This ZQL file"), std::string::npos) << sameErr.str();
}

TEST_F(CliTest, TheIniFileGivenOnTheCommandLineIsReadWhateverTheFileNames) {
  // A version-6 file without ports whose header names the INI file OFFICE.INI.
  std::string header(288, '\0');
  header.replace(216, 11, "\x0AOFFICE.INI");
  WriteFile(Dir / "OLD.DAT", std::string("\x05NVR65\0\0", 8) + header + std::string(716, '\0'));
  WriteFile(Dir / "mine.ini", "[Global]\r\nDISABLE DESPATCH=Ja\r\n");
  // The folder also holds the INI file the header names, which must not be read.
  WriteFile(Dir / "OFFICE.INI", "[Global]\r\nDISABLE DESPATCH=No\r\n");
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(RunCli({"dump", (Dir / "OLD.DAT").string(), "--defaults", "--ini",
                    (Dir / "mine.ini").string()},
                   out, err),
            0)
      << err.str();
  EXPECT_TRUE(Member(Member(ParseJson(out.str()), "voyage"), "DespatchDisabled").AsBoolean());
}

} // namespace
} // namespace laytime::cli
