// The settings the calculation reads, as plain data: the program settings (kept per user by the
// app's settings store, under the value names given beside each field) and the template settings
// (kept with the open calculation and stored in templates and calculation files).
#pragma once

#include "core/Enums.h"
#include "core/VoyageRecords.h"
#include "core/ZQTypes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace laytime {

/// A weekly excepted period of the SHEX preset list. The until day is kept at or after the
/// from day by adding a week (Friday until Monday is stored as 5 until 8).
struct TShexRec {
  std::int16_t FromDay = EmptyTime; ///< 0 Sunday … 6 Saturday
  std::int16_t FromTime = EmptyTime;
  std::int16_t UntilDay = EmptyTime; ///< 0..6, or 7..13 when the period ends in the following week
  std::int16_t UntilTime = EmptyTime;
  std::string Remark; ///< the preset's name; at most 255 single-byte characters in files

  bool operator==(const TShexRec&) const = default;
};

inline constexpr int RecentFileCount = 10;

/// The identification of the user, written into transfer files.
struct TIdentification {
  std::string UserName;
  std::string CompanyName;
  std::string Department;
  std::string Location;
  std::string Phone;
  std::string Fax;
  std::string Email;
  std::string Address1;
  std::string Address2;
  std::string City;
  std::string Zip;
  std::string State;
  std::string Country;
};

/// Program settings: one value per user and machine, read at start and written at the end.
struct TProgramSettings {
  int DateFormat = 0;  ///< "DateFormat": 0 system, 1 yyyy-mm-dd, 2 dd.mm.yyyy, 3 mm/dd/yyyy
  int NumDecimals = 3; ///< "NumDecimals" 0..7
  int DayDecimals = 3; ///< "DayDecimals" 2..7
  int PctDecimals = 2; ///< "PctDecimals" 2..7
  bool ShowDecimalDayResult = false;
  bool ShowErrMsgAsDlg = true;
  std::string DataPath;
  std::string TemplatePath;
  std::string DefaultTemplateName;
  std::string ImportPath;
  std::string ExportPath;
  std::string InvoicePath;
  bool SyncToAnalytics = false;
  bool SyncOnSave = false;
  std::string SyncToken;
  std::string SecurityString;
  std::string CurrencyList = "USD\r\nEUR\r\nGBP\r\nCND\r\nAUD\r\nCHF\r\nNOK\r\nDKK\r\nYEN\r\nZAR\r\n"
                             "CNY\r\nHKD\r\nMYR\r\nTHB\r\nNZD\r\nINR";
  std::string NVR6ProgramPath;
  std::string NVR6DataPath;
  TIdentification Identification;
  std::array<TFileHistoryRec, RecentFileCount> MRU{};
  bool UseMAPIFunctions = true;
  bool ShowEmailInfo = true;
  bool EmailAppendFileDescription = true;
  bool EnableTemplateProtection = false;
  bool SuppressWriteRegErrMsg = false;
  bool ShowDateFormatInfo = true;
  int DetentionTerminology = 0; ///< 0 "Customary quick despatch", 1 "Detention"
  TProRataCalcMethod ProRataCalculation = TProRataCalcMethod::prcOnQuantityForDryCargo;
  std::uint8_t ProRataRoundingMethod = 0; ///< 0 Nearest, 1 Down, 2 Up, 3 Truncate
  TDemurrateRateUnit DemurrageRateUnit = TDemurrateRateUnit::druPerDay;
  bool PrintMultiplePortSummary = true;
  bool PrintSHINC = false;
  bool EmailAttachCalculationFile = true;
  bool SuppressShexMsg = false;
  bool SuppressShiftingMsg = false;
  double UIScale = 1.0;
};

/// Template settings: the settings block of a template, held with the open calculation.
/// Fields are in the order of the block in template files.
struct TTemplateSettings {
  std::string Password; ///< scrambled; empty when the template is not protected
  std::string MailTextResults;
  std::string MailTextCalculation;
  std::string MailTextSoF;
  std::string ShexText;
  std::string OpCompletedText;
  std::string TimeSavedText;
  std::string VesOnDemurrageText = "Vessel on demurrage";
  std::string CPFormCaption = "C/P Form";
  std::string VoyInfo1Caption = "Partner";
  std::string VoyInfo2Caption = "From/To";
  std::string VoyInfo3Caption = "Details";
  std::string LogoFileName; ///< empty: the built-in logo
  std::string ReportTitle = "Navarune: Laytime Calculation";
  std::string ReportTitleFontName = "Arial";
  std::uint8_t ReportTitleFontStyle = 3; ///< bit 0 bold, 1 italic, 2 underline, 3 strike-out
  std::int32_t LogoScale = 1;            ///< the logo is shown at its size divided by this
  std::uint8_t ReportTitlePosition = 0;  ///< 0 centred, 2 at the left
  std::int32_t LaytimeLimitDays = 365;
  std::int32_t PortTimeLimitDays = 45;
  double LoadDaysLimit = 99.99;
  double PerUnitRateLimit = 100.0;
  bool ReplaceRemarks = false;
  bool AutoRemark = true; ///< fill the first default remark of a condition into an empty remark
  bool SkipIrrelevantEntries = false;
  bool DefaultDespatchDisabled = false;
  bool DefaultShexDisabled = false;
  std::uint8_t Reserved25 = 0;
  std::uint8_t ReportTitleFontSize = 14;
  bool ShowGroupRatesOnPortPage = false;
  bool DefaultAlwaysOnDemurrage = true;
  TCalcDespatch DefaultDespatchMode = TCalcDespatch::calcUndef;
  std::int32_t Reserved30 = 0;
  TPortMode DefaultPortMode = TPortMode::NonReversible;
  bool PrintVesselOnDemurrage = true;
  std::vector<std::string> InfoEntryTexts;
  std::vector<std::string> LaytimeCommencesTexts;
  std::vector<std::string> LaytimeCompletedTexts;
  std::array<std::vector<std::string>, FactCodeCount> RemarkLists{}; ///< one per TFactCode value
  std::vector<TShexRec> ShexPresets;
};

} // namespace laytime
