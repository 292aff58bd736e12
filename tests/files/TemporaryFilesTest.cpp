#include "files/TemporaryFiles.h"

#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace laytime {
namespace {

TEST(TemporaryFilesTest, RemovesEveryListedFileAndSkipsMissingOnes) {
  test::TTempFolder folder;
  test::WriteBytes(folder.File("a.$$A"), {1});
  test::WriteBytes(folder.File("b.$$S"), {2});
  TTemporaryFiles files;
  files.Add(folder.File("a.$$A"));
  files.Add(folder.File("gone.$$A"));
  files.Add(folder.File("b.$$S"));
  files.Add(folder.File("a.$$A")); // added twice
  files.RemoveAll();
  EXPECT_FALSE(std::filesystem::exists(folder.File("a.$$A")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("b.$$S")));
  EXPECT_TRUE(files.Paths().empty());
}

} // namespace
} // namespace laytime
