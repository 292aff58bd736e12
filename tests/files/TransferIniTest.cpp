#include "files/TransferIni.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

TEST(TransferIniTest, WritesSectionsInOrderOfFirstWritingAndKeysInOrderWritten) {
  TTransferIni ini;
  ini.WriteValue("Identification", "DataVersion", "\"NVR70\"");
  ini.WriteValue("CPData", "VesselName", "\"Nordic Star\"");
  ini.WriteValue("Identification", "SubversionCode", "27");
  ini.WriteValue("identification", "DataVersion", "\"NVR71\""); // replaced in place
  EXPECT_EQ(ini.ToText(), "[Identification]\r\n"
                          "DataVersion=\"NVR71\"\r\n"
                          "SubversionCode=27\r\n"
                          "[CPData]\r\n"
                          "VesselName=\"Nordic Star\"\r\n");
}

TEST(TransferIniTest, ErasingASectionRemovesItsKeys) {
  TTransferIni ini;
  ini.WriteValue("A", "k", "1");
  ini.WriteValue("B", "k", "2");
  ini.EraseSection("a");
  EXPECT_FALSE(ini.SectionExists("A"));
  ASSERT_NE(ini.FindValue("B", "K"), nullptr);
  EXPECT_EQ(*ini.FindValue("B", "K"), "2");
  EXPECT_EQ(ini.ToText(), "[B]\r\nk=2\r\n");
}

TEST(TransferIniTest, ParsesAHandMadeText) {
  const TTransferIni ini = TTransferIni::Parse("; a comment line\n"
                                               "stray=outside any section\r"
                                               "  [ PortData001 ]  \r\n"
                                               "PortName = \"Santos\"  \r\n"
                                               "no equals sign here\r\n"
                                               "=no key\r\n"
                                               "PortName=\"second value is ignored\"\r\n"
                                               "[portdata001]\r\n"
                                               "CargoUnits=mts\r\n"
                                               "[Broken\r\n"
                                               "Lost=1\r\n");
  EXPECT_EQ(ini.SectionNames(), std::vector<std::string>{"PortData001"});
  ASSERT_NE(ini.FindValue("PORTDATA001", "portname"), nullptr);
  EXPECT_EQ(*ini.FindValue("PORTDATA001", "portname"), "\"Santos\"");
  ASSERT_NE(ini.FindValue("PortData001", "CargoUnits"), nullptr);
  EXPECT_EQ(*ini.FindValue("PortData001", "CargoUnits"), "mts");
  EXPECT_EQ(ini.FindValue("PortData001", "Lost"), nullptr);
  EXPECT_EQ(ini.FindValue("PortData001", "stray"), nullptr);
  EXPECT_EQ(ini.FindValue("Missing", "PortName"), nullptr);
}

TEST(TransferIniTest, SplitsLinesAtEveryKindOfLineEnd) {
  const std::vector<std::string_view> expected{"a", "b", "", "c", "d"};
  EXPECT_EQ(SplitLines("a\r\nb\n\rc\rd"), expected);
  EXPECT_EQ(SplitLines("a\r\n"), std::vector<std::string_view>{"a"});
  EXPECT_TRUE(SplitLines("").empty());
}

} // namespace
} // namespace laytime
