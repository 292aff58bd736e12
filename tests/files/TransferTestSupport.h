// Scripted answers for the questions of the transfer files, and the state a test of them needs.
#pragma once

#include "FileTestSupport.h"
#include "core/Locale.h"
#include "files/LegacyImport.h"
#include "files/TCalcFiles.h"
#include "files/TTransferFiles.h"
#include "model/TCalculation.h"

#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
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

/// A hand-made version-6 file: identifier field, header, charterer block, port records and
/// statement-of-facts lines, each written at the offsets of its layout.
class TLegacyFileBuilder {
public:
  explicit TLegacyFileBuilder(std::string versionId)
      : FVersionId(std::move(versionId)), FLayout(LegacyLayoutOf(FVersionId)),
        FHeader(FLayout.HeaderSize, 0), FCharterers(FLayout.ChartererSize, 0) {}

  class TRecord {
  public:
    explicit TRecord(std::vector<std::uint8_t>& bytes) : FBytes(bytes) {}
    TRecord& U8(std::size_t offset, std::uint8_t value) {
      FBytes.at(offset) = value;
      return *this;
    }
    TRecord& I16(std::size_t offset, std::int16_t value) { return Put(offset, &value, 2); }
    TRecord& I32(std::size_t offset, std::int32_t value) { return Put(offset, &value, 4); }
    TRecord& F64(std::size_t offset, double value) { return Put(offset, &value, 8); }
    TRecord& Str(std::size_t offset, std::string_view text) {
      FBytes.at(offset) = static_cast<std::uint8_t>(text.size());
      return Put(offset + 1, text.data(), text.size());
    }

  private:
    TRecord& Put(std::size_t offset, const void* data, std::size_t size) {
      if (offset + size > FBytes.size())
        throw std::out_of_range("field beyond the record");
      std::memcpy(FBytes.data() + offset, data, size); // the test hosts are little-endian
      return *this;
    }
    std::vector<std::uint8_t>& FBytes;
  };

  TRecord Header() { return TRecord(FHeader); }
  TRecord Charterers() { return TRecord(FCharterers); }
  TRecord AddPort() {
    FPorts.emplace_back(FLayout.PortSize, 0);
    return TRecord(FPorts.back());
  }
  TRecord AddLine(std::int16_t port, std::int16_t untilDay, std::int16_t untilTime, double pct,
                  TFactCode condition, std::string_view remark) {
    FLines.emplace_back(56, 0);
    TRecord line(FLines.back());
    line.I16(0, port).I16(2, untilDay).I16(4, untilTime).F64(6, pct);
    line.U8(14, static_cast<std::uint8_t>(condition)).Str(15, remark);
    return line;
  }

  std::vector<std::uint8_t> Bytes() const {
    std::vector<std::uint8_t> file;
    file.reserve(8 + FHeader.size());
    file.push_back(5);
    file.insert(file.end(), FVersionId.begin(), FVersionId.begin() + 5);
    file.resize(8, 0);
    file.insert(file.end(), FHeader.begin(), FHeader.end());
    file.insert(file.end(), FCharterers.begin(), FCharterers.end());
    for (const auto& port : FPorts)
      file.insert(file.end(), port.begin(), port.end());
    for (const auto& line : FLines)
      file.insert(file.end(), line.begin(), line.end());
    return file;
  }

private:
  std::string FVersionId;
  TLegacyLayout FLayout;
  std::vector<std::uint8_t> FHeader;
  std::vector<std::uint8_t> FCharterers;
  std::vector<std::vector<std::uint8_t>> FPorts;
  std::vector<std::vector<std::uint8_t>> FLines;
};

/// The day 2024-03-07 12:30, the moment the fixture's exports are made.
inline constexpr double ExportMoment = 45358.0 + 750.0 / 1440.0;

} // namespace laytime::test
