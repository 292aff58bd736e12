// Runs the fuzz targets over damaged copies of valid files: every file cut short at many
// lengths, and with bytes flipped at random places. Nothing may crash or escape.
#include "fuzz/FuzzTargets.h"

#include "TransferTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace laytime {
namespace {

using test::FillCalculation;
using test::ReadBytes;
using test::TLegacyFileBuilder;
using test::TTransferFixture;

using TBytes = std::vector<std::uint8_t>;

/// Truncations at up to `cuts` lengths spread over the file (all lengths of a small file), and
/// `flips` copies with one to three bytes changed.
std::vector<TBytes> DamagedCopies(const TBytes& valid, std::size_t cuts, std::size_t flips) {
  std::vector<TBytes> corpus;
  const std::size_t step = std::max<std::size_t>(1, valid.size() / cuts);
  for (std::size_t length = 0; length < valid.size(); length += step)
    corpus.emplace_back(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length));
  std::mt19937 random(20240307); // fixed, so every run tries the same inputs
  for (std::size_t i = 0; i < flips && !valid.empty(); ++i) {
    TBytes copy = valid;
    const int changes = 1 + static_cast<int>(i % 3);
    for (int c = 0; c < changes; ++c)
      copy[random() % copy.size()] ^= static_cast<std::uint8_t>(1 + random() % 255);
    corpus.push_back(std::move(copy));
  }
  return corpus;
}

class FuzzCorpusTest : public testing::Test {
protected:
  FuzzCorpusTest() { fuzz::SetWorkFolder(Fixture.Folder.Path().string()); }

  TTransferFixture Fixture;
};

TEST_F(FuzzCorpusTest, TransferReaderSurvivesDamagedFiles) {
  FillCalculation(Fixture.Calc);
  Fixture.Calc.Voyage.VesselName = "Nordic Star";
  const std::string calculation = Fixture.Folder.File("valid.ZQA");
  const std::string sof = Fixture.Folder.File("valid.ZQS");
  Fixture.Transfer->ExportCalculationTransfer(calculation);
  Fixture.Transfer->ExportSoFTransfer(sof, 1);
  const std::string plain = Fixture.PlainText(calculation);

  for (const TBytes& valid :
       {ReadBytes(calculation), ReadBytes(sof), TBytes(plain.begin(), plain.end())}) {
    for (const TBytes& input : DamagedCopies(valid, 60, 60))
      EXPECT_EQ(fuzz::FuzzTransferReader(input.data(), input.size()), 0);
  }
}

TEST_F(FuzzCorpusTest, LegacyReaderSurvivesDamagedFiles) {
  for (const char* versionId : {"NVR52", "NVR64", "NVR69"}) {
    TLegacyFileBuilder file(versionId);
    file.Header().Str(0, "NORDIC STAR").I16(129, 2).U8(131, 2);
    for (int port = 0; port < 2; ++port)
      file.AddPort().Str(0, "SANTOS").F64(46, 25000).U8(114, 1).U8(115, 1).U8(121, 6).U8(122, 1);
    file.AddLine(1, 27826, 60, 100, TFactCode::full_tfact, "Working");
    file.AddLine(2, 27827, 1440, 12.5, TFactCode::part_tfact, "Partly");
    TBytes valid = file.Bytes();
    // The target takes the version from the first byte and the file after its identifier.
    const auto version = std::find(std::begin(LegacyVersionIds), std::end(LegacyVersionIds),
                                   std::string_view(versionId));
    valid.erase(valid.begin(), valid.begin() + 7);
    valid[0] = static_cast<std::uint8_t>(version - std::begin(LegacyVersionIds));
    for (const TBytes& input : DamagedCopies(valid, 400, 200))
      EXPECT_EQ(fuzz::FuzzLegacyReader(input.data(), input.size()), 0);
  }
}

TEST_F(FuzzCorpusTest, LegacyIniReaderSurvivesDamagedFiles) {
  const std::string ini = "[Global]\r\nDISABLE DESPATCH=Ja\r\nLOADDAYS LIMIT=49.5\r\n"
                          "CURRENCY STR=USD;EUR\r\nFULL 01=Working\r\nTIME FLD 02=berthed\r\n"
                          "[ShexTable]\r\nShexTitle 01=Weekend\r\nShexStartDay 01=6\r\n"
                          "ShexEndDay 01=1\r\nShexStartTime 01=17:00\r\nShexEndTime 01=08:00\r\n";
  for (const TBytes& input : DamagedCopies(TBytes(ini.begin(), ini.end()), 200, 200))
    EXPECT_EQ(fuzz::FuzzLegacyIni(input.data(), input.size()), 0);
}

} // namespace
} // namespace laytime
