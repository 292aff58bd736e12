#include "TransferTestSupport.h"

#include "files/TransferScrambler.h"

namespace laytime::test {

std::vector<std::string> TScriptedDialogs::Questions() const {
  std::vector<std::string> questions;
  for (const std::string& entry : Log) {
    if (entry.rfind("progress: ", 0) != 0)
      questions.push_back(entry);
  }
  return questions;
}

TTransferFixture::TTransferFixture(const ILocale& locale) {
  Settings.TemplatePath = Folder.Path().string();
  Settings.DefaultTemplateName = "DryCargo";
  Settings.Identification.CompanyName = "Baltic Agency";
  Settings.Identification.UserName = "Anna";
  Settings.Identification.Department = "Ops";
  Settings.Identification.Location = "Riga";

  TFileEnvironment files(Messages, locale);
  files.Now = [] { return ExportMoment; };
  files.UserName = [] { return std::string("tester"); };
  CalcFiles = std::make_unique<TCalcFiles>(Calc, files);

  TTransferEnvironment transfer(Messages, Dialogs, TemporaryFiles, TFormatContext{locale, 1});
  transfer.Commands = &Commands;
  transfer.Now = [] { return ExportMoment; };
  transfer.Version = TProgramVersion{7, 0, 2, 15};
  transfer.NewScrambleHeader = [] { return TScrambleHeader{0x1111, 0x2222, 0x3333, 0x4444}; };
  Transfer = std::make_unique<TTransferFiles>(Calc, *CalcFiles, transfer);
}

std::string TTransferFixture::PlainText(const std::string& scrambledFile) const {
  return UnscrambleTransferText(ReadBytes(scrambledFile));
}

} // namespace laytime::test
