// Shared pieces of the file tests: a calculation with every stored field set, comparisons of
// what files keep, a temporary folder and a recorder of messages.
#pragma once

#include "core/Settings.h"
#include "files/FileEnvironment.h"
#include "model/TCalculation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace laytime::test {

/// Texts shown while loading, in order, each with "I: " or "E: " in front.
class TRecordingMessages final : public IFileMessages {
public:
  void Inform(const std::string& text) override { Texts.push_back("I: " + text); }
  void ShowError(const std::string& text) override { Texts.push_back("E: " + text); }
  std::vector<std::string> Texts;
};

/// A folder of its own under the system's temporary folder, removed afterwards.
class TTempFolder {
public:
  TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  ~TTempFolder();
  std::string File(const std::string& name) const { return (FPath / name).string(); }
  const std::filesystem::path& Path() const { return FPath; }

private:
  std::filesystem::path FPath;
};

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
/// Writes a fresh checksum into an image that was changed on purpose.
void Reseal(std::vector<std::uint8_t>& image);

/// Every template setting set to a value other than its built-in one.
void FillSettings(TTemplateSettings& settings);
/// Every stored field of the calculation set: voyage, status, two partners with details, two
/// ports with informative entries, statement-of-facts lines (display strings with
/// `decimalSeparator`) and tiers.
void FillCalculation(TCalculation& calculation, const std::string& decimalSeparator = ".");

/// The fields of the records that files keep, for comparison.
inline auto SettingsFields(const TTemplateSettings& s) {
  return std::tie(s.Password, s.MailTextResults, s.MailTextCalculation, s.MailTextSoF, s.ShexText,
                  s.OpCompletedText, s.TimeSavedText, s.VesOnDemurrageText, s.CPFormCaption,
                  s.VoyInfo1Caption, s.VoyInfo2Caption, s.VoyInfo3Caption, s.LogoFileName,
                  s.ReportTitle, s.ReportTitleFontName, s.ReportTitleFontStyle, s.LogoScale,
                  s.ReportTitlePosition, s.LaytimeLimitDays, s.PortTimeLimitDays, s.LoadDaysLimit,
                  s.PerUnitRateLimit, s.ReplaceRemarks, s.AutoRemark, s.SkipIrrelevantEntries,
                  s.DefaultDespatchDisabled, s.DefaultShexDisabled, s.Reserved25,
                  s.ReportTitleFontSize, s.ShowGroupRatesOnPortPage, s.DefaultAlwaysOnDemurrage,
                  s.DefaultDespatchMode, s.Reserved30, s.DefaultPortMode, s.PrintVesselOnDemurrage,
                  s.InfoEntryTexts, s.LaytimeCommencesTexts, s.LaytimeCompletedTexts, s.RemarkLists,
                  s.ShexPresets);
}

/// The port fields both kinds of file keep.
inline auto TemplatePortFields(const TPortRec& p) {
  return std::tie(p.PortName, p.OpLoading, p.OpDischarging, p.PortLoadUnits, p.PortLoadRate,
                  p.PortDespatchMode, p.PortCalcCQD, p.PortDemurrageRate, p.PortDespatchRate,
                  p.PortCommissionPct, p.CargoName, p.CargoUnits, p.LayTimeCountFrom.Text,
                  p.LayTimeOpCompleted.Text, p.ShexOption, p.ShexStartDay, p.ShexEndDay,
                  p.ShexStartTime, p.ShexEndTime, p.PreAdvOffsDays, p.PreAdvOffsTime,
                  p.PortAddAllowanceDays, p.PortAddAllowanceTime, p.pRemarks,
                  p.TankerMinTimeAllowance, p.UseTieredDemurrage);
}

/// The port fields only calculation files keep.
inline auto CalculationPortFields(const TPortRec& p) {
  return std::tie(p.CargoQuantity, p.LayTimeCountFrom, p.LayTimeOpCompleted, p.TimeUsed,
                  p.TimeAllowed, p.PreAdvDate, p.PreAdvTime);
}

/// Compares everything a calculation file keeps.
void ExpectSameCalculation(const TCalculation& actual, const TCalculation& expected);

} // namespace laytime::test
