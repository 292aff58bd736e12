#include "core/Environment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace laytime {
namespace {

namespace fs = std::filesystem;

TEST(EnvironmentTest, TempFolderEndsWithASeparatorAndExists) {
  const std::string folder = TempFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(fs::is_directory(folder));
}

TEST(EnvironmentTest, TempFileNamesAreNewFilesNeverReused) {
  const std::string prefix = TempFolder() + "ZQ";
  std::set<std::string> names;
  for (int i = 0; i < 50; ++i) {
    const std::string name = TempFileName();
    ASSERT_EQ(name.rfind(prefix, 0), 0u) << name;
    EXPECT_TRUE(fs::exists(name)) << "the name is taken by creating the file";
    EXPECT_TRUE(names.insert(name).second) << name;
  }
  for (const std::string& name : names)
    fs::remove(name);
}

class SpecialFolderTest : public testing::Test {
protected:
  void SetUp() override {
    FConfig = fs::temp_directory_path() /
              ("zq-config-" + std::to_string(testing::UnitTest::GetInstance()->random_seed()) +
               "-" + testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(FConfig);
  }
  void TearDown() override { fs::remove_all(FConfig); }

  TEnvironmentLookup Environment() const {
    return [values = FValues](std::string_view name) -> std::optional<std::string> {
      const auto it = values.find(std::string(name));
      if (it == values.end())
        return std::nullopt;
      return it->second;
    };
  }

  fs::path FConfig;
  std::map<std::string, std::string> FValues;
};

TEST_F(SpecialFolderTest, FallsBackToTheHomeFolder) {
  FValues = {{"HOME", "/home/master"}, {"XDG_CONFIG_HOME", FConfig.string()}};
  EXPECT_EQ(SpecialFolder(TSpecialFolder::Documents, Environment()), "/home/master/Documents");
  EXPECT_EQ(SpecialFolder(TSpecialFolder::SharedDocuments, Environment()), "/home/master/Public");
  EXPECT_EQ(SpecialFolder(TSpecialFolder::AppData, Environment()), FConfig.string());
}

TEST_F(SpecialFolderTest, ReadsTheUserDirsFile) {
  std::ofstream(FConfig / "user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                               "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
                                               "XDG_PUBLICSHARE_DIR=\"/srv/shared/\"\n";
  FValues = {{"HOME", "/home/master"}, {"XDG_CONFIG_HOME", FConfig.string()}};
  EXPECT_EQ(SpecialFolder(TSpecialFolder::Documents, Environment()), "/home/master/Dokumente");
  EXPECT_EQ(SpecialFolder(TSpecialFolder::SharedDocuments, Environment()), "/srv/shared");
}

TEST_F(SpecialFolderTest, EnvironmentComesFirst) {
  FValues = {{"HOME", "/home/master"}, {"XDG_DOCUMENTS_DIR", "/data/docs"}};
  EXPECT_EQ(SpecialFolder(TSpecialFolder::Documents, Environment()), "/data/docs");
  EXPECT_EQ(SpecialFolder(TSpecialFolder::AppData, Environment()), "/home/master/.config");
}

TEST_F(SpecialFolderTest, UnknownWithoutAnyHome) {
  EXPECT_EQ(SpecialFolder(TSpecialFolder::Documents, Environment()), "");
  EXPECT_EQ(SpecialFolder(TSpecialFolder::SharedDocuments, Environment()), "");
  EXPECT_EQ(SpecialFolder(TSpecialFolder::AppData, Environment()), "");
}

TEST(EnvironmentTest, ProgramVersionIsTheProjectVersion) {
  EXPECT_EQ(ProgramVersion(), (TProgramVersion{7, 0, 0, 1}));
}

class TPrinters final : public IPrinterInfo {
public:
  explicit TPrinters(int count) : FCount(count) {}
  int PrinterCount() const override { return FCount; }

private:
  int FCount;
};

TEST(EnvironmentTest, CheckPrinterComplainsOnceWithoutPrinters) {
  std::vector<std::string> messages;
  const auto show = [&messages](std::string_view message) { messages.emplace_back(message); };
  EXPECT_FALSE(CheckPrinter(TPrinters(0), show));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "No printer installed. Please install a printer first and make sure to "
                         "have a default printer selected.");
  messages.clear();
  EXPECT_TRUE(CheckPrinter(TPrinters(1), show));
  EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace laytime
