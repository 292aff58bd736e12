#include "files/TransferValues.h"

#include "core/Calendar.h"
#include "core/Enums.h"
#include "core/Locale.h"
#include "files/FileEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>

namespace laytime {
namespace {

class TMessageLog final : public IFileMessages {
public:
  void Inform(const std::string& text) override { Texts.push_back("I: " + text); }
  void ShowError(const std::string& text) override { Texts.push_back("E: " + text); }
  std::vector<std::string> Texts;
};

struct TextCase {
  const char* Name;
  std::string Text;
  std::string Stored;
  std::string ReadBack; ///< line breaks come back as CR LF
};

class TransferTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(TransferTextTest, EncodesAndDecodes) {
  const TextCase& c = GetParam();
  EXPECT_EQ(EncodeTransferText(c.Text), c.Stored);
  EXPECT_EQ(DecodeTransferText(c.Stored), c.ReadBack);

  TTransferIni ini;
  TTransferWriter writer(ini, ".");
  writer.WriteText("S", "K", c.Text);
  TMessageLog log;
  const TTransferIni parsed = TTransferIni::Parse(ini.ToText());
  EXPECT_EQ(TTransferReader(parsed, log).ReadText("S", "K"), c.ReadBack);
  EXPECT_TRUE(writer.LossyValues().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TransferTextTest,
    testing::Values(
        TextCase{"Plain", "Nordic Star", "\"Nordic Star\"", "Nordic Star"},
        TextCase{"CrLf", "line 1\r\nline 2", "\"line 1\\nline 2\"", "line 1\r\nline 2"},
        TextCase{"LoneLf", "a\nb", "\"a\\nb\"", "a\r\nb"},
        TextCase{"LoneCr", "a\rb", "\"a\\nb\"", "a\r\nb"},
        TextCase{"Backslash", "C:\\Data\\x", "\"C:\\\\Data\\\\x\"", "C:\\Data\\x"},
        TextCase{"BackslashN", "C:\\new", "\"C:\\\\new\"", "C:\\new"},
        TextCase{"BackslashBeforeBreak", "end\\\r\nnext", "\"end\\\\\\nnext\"", "end\\\r\nnext"},
        TextCase{"Quotes", "say \"hi\"", "\"say \"hi\"\"", "say \"hi\""},
        TextCase{"Equals", "a=b [c]", "\"a=b [c]\"", "a=b [c]"},
        TextCase{"Latin1", "Mälaren Übersee", "\"Mälaren Übersee\"", "Mälaren Übersee"}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.Name; });

TEST(TransferValuesTest, TextsOutsideWindows1252AreReportedAsLossy) {
  TTransferIni ini;
  TTransferWriter writer(ini, ".");
  writer.WriteText("CPData", "VesselName", "Καλή Θάλασσα");
  writer.WriteText("CPData", "Currency", "EUR €"); // € exists in Windows-1252
  writer.WriteText("PortData001", "PortName", "Ōsaka");
  EXPECT_EQ(writer.LossyValues(),
            (std::vector<std::string>{"CPData/VesselName", "PortData001/PortName"}));
  TMessageLog log;
  TTransferReader reader(ini, log);
  EXPECT_EQ(reader.ReadText("CPData", "Currency"), "EUR €");
  EXPECT_EQ(reader.ReadText("PortData001", "PortName"), "?saka");
}

TEST(TransferValuesTest, EmptyValuesAreOmitted) {
  TTransferIni ini;
  TTransferWriter writer(ini, ".");
  writer.WriteText("S", "Text", "");
  writer.WriteReal("S", "Real", EmptyReal);
  writer.WriteDate("S", "Date", EmptyDay);
  writer.WriteDate("S", "Zero", 0);
  writer.WriteTime("S", "Time", EmptyTime);
  writer.WriteInteger("S", "Int", EmptyInt);
  writer.WriteSmallInt("S", "Small", EmptyTime);
  EXPECT_EQ(ini.ToText(), "");
  writer.WriteBool("S", "Bool", false);
  writer.WriteEnum("S", "Enum", TPortMode::Undef_PortMode);
  EXPECT_EQ(ini.ToText(), "[S]\r\nBool=0\r\nEnum=0\r\n");
}

struct WrittenCase {
  const char* Name;
  std::string Expected;
};

TEST(TransferValuesTest, WritesEachKind) {
  TTransferIni ini;
  TTransferWriter writer(ini, ",");
  writer.WriteReal("S", "Real", 12345.675);
  writer.WriteReal("S", "Whole", 100.0);
  writer.WriteReal("S", "Tiny", 0.00001);
  writer.WriteReal("S", "Huge", -2.5e20);
  writer.WriteReal("S", "Digits", 1.0 / 3.0);
  writer.WriteDate("S", "Date", *TryEncodeDate(2024, 3, 7));
  writer.WriteTime("S", "Time", 8 * 60 + 5);
  writer.WriteTime("S", "Midnight", 1440);
  writer.WriteInteger("S", "Int", -1);
  writer.WriteSmallInt("S", "Small", 12);
  writer.WriteBool("S", "Bool", true);
  writer.WriteEnum("S", "Enum", TLoadUnits::load_hours);
  EXPECT_EQ(ini.ToText(), "[S]\r\n"
                          "Real=12345,675\r\n"
                          "Whole=100\r\n"
                          "Tiny=1E-5\r\n"
                          "Huge=-2,5E20\r\n"
                          "Digits=0,333333333333333\r\n"
                          "Date=2024-03-07\r\n"
                          "Time=08:05\r\n"
                          "Midnight=24:00\r\n"
                          "Int=-1\r\n"
                          "Small=12\r\n"
                          "Bool=1\r\n"
                          "Enum=4\r\n");
}

TEST(TransferValuesTest, RealsWrittenUnderACommaLocaleReadUnderAPointLocale) {
  TTransferIni ini;
  TTransferWriter writer(ini, GermanLocale().DecimalSeparator());
  writer.WriteReal("S", "Rate", 15000.25);
  writer.WriteReal("S", "Pct", 2.5);
  const TTransferIni parsed = TTransferIni::Parse(ini.ToText());
  TMessageLog log;
  TTransferReader reader(parsed, log);
  EXPECT_EQ(reader.ReadReal("S", "Rate"), 15000.25);
  EXPECT_EQ(reader.ReadReal("S", "Pct"), 2.5);
  EXPECT_TRUE(log.Texts.empty());
}

struct ReadCase {
  const char* Name;
  std::string Stored; ///< empty: the key is missing
  double Real;
  TDayNumber Date;
  TMinuteOfDay Time;
  std::int32_t Integer;
  std::int16_t Small;
  bool Bool; ///< read with the held value true
  int Enum;
};

class TransferReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(TransferReadTest, ReadsEveryKind) {
  const ReadCase& c = GetParam();
  TTransferIni ini;
  if (!c.Stored.empty())
    ini.WriteValue("S", "K", c.Stored);
  TMessageLog log;
  TTransferReader reader(ini, log);
  const double real = reader.ReadReal("S", "K");
  if (std::isnan(c.Real))
    EXPECT_EQ(real, EmptyReal);
  else
    EXPECT_EQ(real, c.Real);
  EXPECT_EQ(reader.ReadDate("S", "K"), c.Date);
  EXPECT_EQ(reader.ReadTime("S", "K"), c.Time);
  EXPECT_EQ(reader.ReadInteger("S", "K"), c.Integer);
  EXPECT_EQ(reader.ReadSmallInt("S", "K"), c.Small);
  EXPECT_EQ(reader.ReadBool("S", "K", true), c.Bool);
  EXPECT_EQ(static_cast<int>(reader.ReadEnum<TPortMode>("S", "K")), c.Enum);
}

const double Bad = std::nan("");

INSTANTIATE_TEST_SUITE_P(
    Values, TransferReadTest,
    testing::Values(
        ReadCase{"Missing", "", EmptyReal, EmptyDay, EmptyTime, EmptyInt, EmptyTime, true, 1},
        ReadCase{"Zero", "0", 0.0, EmptyDay, EmptyTime, 0, 0, false, 0},
        ReadCase{"Number", " 42 ", 42.0, EmptyDay, EmptyTime, 42, 42, true, 42},
        ReadCase{"Big", "70000", 70000.0, EmptyDay, EmptyTime, 70000, EmptyTime, true, 0x70},
        ReadCase{"Comma", "2,5", 2.5, EmptyDay, EmptyTime, EmptyInt, EmptyTime, true, 1},
        ReadCase{"Date", "2024-03-07", Bad, 45358, EmptyTime, EmptyInt, EmptyTime, true, 1},
        ReadCase{"BadDate", "2024-02-30", Bad, EmptyDay, EmptyTime, EmptyInt, EmptyTime, true, 1},
        ReadCase{"Time", "08:30", Bad, EmptyDay, 510, EmptyInt, EmptyTime, true, 1},
        ReadCase{"LongTime", "9999:00", Bad, EmptyDay, EmptyTime, EmptyInt, EmptyTime, true, 1},
        ReadCase{"Word", "abc", Bad, EmptyDay, EmptyTime, EmptyInt, EmptyTime, true, 1},
        ReadCase{"Infinity", "inf", Bad, EmptyDay, EmptyTime, EmptyInt, EmptyTime, true, 1}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.Name; });

TEST(TransferValuesTest, ARealThatIsNoNumberIsReported) {
  TTransferIni ini;
  ini.WriteValue("PortData001", "CargoQuantity", " 12 t ");
  TMessageLog log;
  EXPECT_EQ(TTransferReader(ini, log).ReadReal("PortData001", "CargoQuantity"), EmptyReal);
  EXPECT_EQ(log.Texts, std::vector<std::string>{"E: 12 t is not a valid floating point value"});
}

TEST(TransferValuesTest, AMissingBooleanKeepsTheValueHeld) {
  TTransferIni ini;
  TMessageLog log;
  TTransferReader reader(ini, log);
  EXPECT_TRUE(reader.ReadBool("CPData", "AlwaysOnDemurrage", true));
  EXPECT_FALSE(reader.ReadBool("CPData", "AlwaysOnDemurrage", false));
}

} // namespace
} // namespace laytime
