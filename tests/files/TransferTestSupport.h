// Scripted answers for the questions of the transfer files, and the state a test of them needs.
#pragma once

#include "FileTestSupport.h"
#include "core/Locale.h"
#include "files/TCalcFiles.h"
#include "files/TTransferFiles.h"
#include "model/TCalculation.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace laytime::test {

/// Answers every question as scripted and records the questions and progress texts, in order,
/// with "progress: ", "abort/ignore: ", "yes/no: ", "yes/no/cancel: " or "confirm: " in front.
class TScriptedDialogs final : public ITransferDialogs {
public:
  void ShowProgress(const std::string& text) override { Log.push_back("progress: " + text); }
  void CloseProgress() override {}
  TAbortIgnore AskAbortIgnore(const std::string& text) override {
    Log.push_back("abort/ignore: " + text);
    return AbortIgnoreAnswer;
  }
  bool AskYesNo(const std::string& text) override {
    Log.push_back("yes/no: " + text);
    return YesNoAnswer;
  }
  TYesNoCancel AskYesNoCancel(const std::string& text) override {
    Log.push_back("yes/no/cancel: " + text);
    return YesNoCancelAnswer;
  }
  TSoFImportChoice ConfirmSoFImport(const TSoFImportConfirmation& confirmation) override {
    Log.push_back("confirm: " + confirmation.Question);
    LastConfirmation = confirmation;
    return Choice;
  }

  /// The questions asked, without the progress texts.
  std::vector<std::string> Questions() const;

  std::vector<std::string> Log;
  TAbortIgnore AbortIgnoreAnswer = TAbortIgnore::Abort;
  bool YesNoAnswer = true;
  TYesNoCancel YesNoCancelAnswer = TYesNoCancel::Yes;
  TSoFImportChoice Choice = TSoFImportChoice::CurrentCalculation;
  TSoFImportConfirmation LastConfirmation;
};

/// The main-window commands, run on the test's calculation.
class TScriptedCommands final : public ITransferCommands {
public:
  std::string CurrentDisplayName() override { return DisplayName; }
  bool OpenOtherCalculation() override {
    Log.push_back("open");
    return OnOpen ? OnOpen() : false;
  }
  bool NewCalculation() override {
    Log.push_back("new");
    return OnNew ? OnNew() : false;
  }

  std::string DisplayName = "Voyage 7";
  std::function<bool()> OnOpen;
  std::function<bool()> OnNew;
  std::vector<std::string> Log;
};

/// A calculation with its binary files and transfer files, the template folder in a temporary
/// folder (without templates unless a test writes one), English locale, a fixed clock and a
/// fixed scrambling header.
class TTransferFixture {
public:
  explicit TTransferFixture(const ILocale& locale = EnglishUSLocale());

  /// The current state as written by a plain text export (unscrambled).
  std::string PlainText(const std::string& scrambledFile) const;

  TTempFolder Folder;
  TProgramSettings Settings;
  TCalculation Calc{Settings};
  TRecordingMessages Messages;
  TScriptedDialogs Dialogs;
  TScriptedCommands Commands;
  TTemporaryFiles TemporaryFiles;
  std::unique_ptr<TCalcFiles> CalcFiles;
  std::unique_ptr<TTransferFiles> Transfer;
};

/// The day 2024-03-07 12:30, the moment the fixture's exports are made.
inline constexpr double ExportMoment = 45358.0 + 750.0 / 1440.0;

} // namespace laytime::test
