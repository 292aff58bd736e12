#include "fuzz/FuzzTargets.h"

#include "core/Locale.h"
#include "files/ByteReader.h"
#include "files/FileFormat.h"
#include "files/HostFiles.h"
#include "files/LegacyImport.h"
#include "files/LegacyIni.h"
#include "files/TCalcFiles.h"
#include "files/TTransferFiles.h"
#include "model/TCalculation.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace laytime::fuzz {

namespace {

std::string& WorkFolderSetting() {
  static std::string folder;
  return folder;
}

const std::string& WorkFolder() {
  std::string& folder = WorkFolderSetting();
  if (folder.empty()) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("laytime-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    folder = path.string();
  }
  return folder;
}

std::string WorkFile(const std::string& name) {
  return (std::filesystem::path(WorkFolder()) / name).string();
}

/// Written without flushing to the disk: the file is read back at once by this process.
void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

class TQuietMessages final : public IFileMessages {
public:
  void Inform(const std::string&) override {}
  void ShowError(const std::string&) override {}
};

/// Answers so that as much of the input as possible is read.
class TPersistentDialogs final : public ITransferDialogs {
public:
  void ShowProgress(const std::string&) override {}
  void CloseProgress() override {}
  TAbortIgnore AskAbortIgnore(const std::string&) override { return TAbortIgnore::Ignore; }
  bool AskYesNo(const std::string&) override { return true; }
  TYesNoCancel AskYesNoCancel(const std::string&) override { return TYesNoCancel::Yes; }
  TSoFImportChoice ConfirmSoFImport(const TSoFImportConfirmation&) override {
    return TSoFImportChoice::CurrentCalculation;
  }
};

constexpr std::string_view LegacyIni = "[Global]\r\n"
                                       "CURRENCY STR=USD;EUR\r\n"
                                       "CARGO UNIT STR=MTS;CBM\r\n"
                                       "FULL 01=Working\r\n"
                                       "TIME FLD 01=Arrived @40.\r\n"
                                       "TIME FLD 07=Laytime @40. commenced\r\n"
                                       "[ShexTable]\r\n"
                                       "ShexTitle 01=Weekend\r\n"
                                       "ShexStartDay 01=6\r\n"
                                       "ShexEndDay 01=1\r\n"
                                       "ShexStartTime 01=00:00\r\n"
                                       "ShexEndTime 01=08:00\r\n";

} // namespace

void SetWorkFolder(const std::string& folder) {
  WorkFolderSetting() = folder;
}

int FuzzTransferReader(const std::uint8_t* data, std::size_t size) {
  TProgramSettings settings;
  settings.TemplatePath = WorkFolder();
  settings.DefaultTemplateName = "Missing";
  TCalculation calculation(settings);
  TQuietMessages messages;
  TPersistentDialogs dialogs;
  TTemporaryFiles temporaryFiles;
  TCalcFiles calcFiles(calculation, TFileEnvironment(messages, EnglishUSLocale()));
  TTransferEnvironment environment(messages, dialogs, temporaryFiles,
                                   TFormatContext{EnglishUSLocale(), 0});
  environment.NewScrambleHeader = [] { return TScrambleHeader{1, 2, 3, 4}; };
  TTransferFiles transfer(calculation, calcFiles, environment);

  const std::string calculationFile = WorkFile("fuzz.ZQA");
  WriteInput(calculationFile, data, size);
  transfer.ImportCalculationTransfer(calculationFile);
  const std::string sofFile = WorkFile("fuzz.ZQS");
  WriteInput(sofFile, data, size);
  transfer.ImportSoFTransfer(sofFile, TCurrentFileImport::Allowed);
  temporaryFiles.RemoveAll();
  return 0;
}

int FuzzLegacyReader(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  const std::string iniPath = WorkFile("NVRWIN.INI");
  if (!FileExists(iniPath))
    WriteInput(iniPath, reinterpret_cast<const std::uint8_t*>(LegacyIni.data()), LegacyIni.size());

  TProgramSettings settings;
  settings.NVR6ProgramPath = WorkFolder();
  TCalculation calculation(settings);
  TQuietMessages messages;
  TLegacyImportEnvironment environment(messages, TFormatContext{EnglishUSLocale(), 0});
  const std::string_view versionId = LegacyVersionIds[data[0] % std::size(LegacyVersionIds)];
  TByteReader reader(std::span<const std::uint8_t>(data + 1, size - 1));
  try {
    ImportLegacyFile(reader, versionId, calculation, environment, 45000.5);
  } catch (const ELaytimeError&) {
    // A damaged file is reported with its message; that is the expected way out.
  }
  return 0;
}

int FuzzLegacyIni(const std::uint8_t* data, std::size_t size) {
  const std::string path = WorkFile("fuzz.ini");
  WriteInput(path, data, size);
  TTemplateSettings settings;
  TQuietMessages messages;
  ReadLegacyIni(path, settings, messages, TFormatContext{EnglishUSLocale(), 0});
  return 0;
}

} // namespace laytime::fuzz
