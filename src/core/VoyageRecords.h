// The voyage-wide records: the voyage with its C/P terms and results, the file's history
// and totals, the identification of the file last read and an entry of the recent-file list.
#pragma once

#include "core/Enums.h"
#include "core/ZQTypes.h"

#include <string>

namespace laytime {

/// The voyage. A default-constructed record equals a record cleared by ClearVoyage under the
/// built-in template settings.
struct TVoyageRec {
  bool AllPurposeAllPorts = false;
  bool AllPurposeLoading = false;
  bool AllPurposeDischarging = false;
  TLoadUnits LoadUnitsAllPorts = TLoadUnits::load_units_p_day;
  TLoadUnits LoadUnitsLoading = TLoadUnits::load_units_p_day;
  TLoadUnits LoadUnitsDischarging = TLoadUnits::load_units_p_day;
  double LoadRateAllPorts = EmptyReal;
  double LoadRateLoading = EmptyReal;
  double LoadRateDischarging = EmptyReal;
  std::int32_t AddAllowanceDaysAllPorts = EmptyDay;
  std::int32_t AddAllowanceDaysLoading = EmptyDay;
  std::int32_t AddAllowanceDaysDischarging = EmptyDay;
  std::int16_t AddAllowanceTimeAllPorts = EmptyTime;
  std::int16_t AddAllowanceTimeLoading = EmptyTime;
  std::int16_t AddAllowanceTimeDischarging = EmptyTime;
  std::int16_t NoOfHatches = EmptyTime;
  std::string VesselName;
  std::string CPForm;
  std::string VoyInfo1;
  std::string VoyInfo2;
  std::string VoyInfo3;
  TDayNumber CPDate = EmptyInt;
  TDayNumber LastUpdate = EmptyInt;
  TPortMode PortMode = TPortMode::NonReversible;
  TDuration total_time_allowed = EmptyInt;
  TDuration total_time_used = EmptyInt;
  TDuration total_time_saved = EmptyInt;
  bool Modified = false;
  std::string Currency;
  bool AlwaysOnDemurrage = true;
  TCalcDespatch DespatchModeAllPorts = TCalcDespatch::calcUndef;
  TCalcDespatch DespatchModeLoading = TCalcDespatch::calcUndef;
  TCalcDespatch DespatchModeDischarging = TCalcDespatch::calcUndef;
  std::string FixtureNo;
  std::int32_t VoyageId = EmptyInt;
  bool Locked = false;
  double DemurrageRateAllPorts = EmptyReal;
  double DespatchRateAllPorts = EmptyReal;
  double CommissionPctAllPorts = EmptyReal;
  double DemurrageRateLoading = EmptyReal;
  double DespatchRateLoading = EmptyReal;
  double CommissionPctLoading = EmptyReal;
  double DemurrageRateDischarging = EmptyReal;
  double DespatchRateDischarging = EmptyReal;
  double CommissionPctDischarging = EmptyReal;
  TDayNumber BL_date = EmptyInt;
  std::string UniqueFileName;
  std::string ContractNo;
  std::string InvoiceAddress;
  std::string Remarks;
  std::string StatusInfo;
  std::string Reference;
  std::string YourSign;
  std::string OurSign;
  std::string unused_TemplateName;
  bool ShexDisabled = false;
  bool DespatchDisabled = false;
  bool ProRataPerPort = false;
  std::uint8_t HintProRataCalcMethod = 0;
  std::uint8_t HintProRataRoundingMethod = 0;
  std::uint8_t HintDemurrageRateUnit = 0;

  // Results.
  bool AllDataValid = false;
  bool ResultValid = false;
  TDuration AvgsTimeSaved = 0;
  TDuration AvgsTimeLost = 0;

  TDuration LaytimeAllPorts = 0;
  TDuration TimeUsedAllPorts = 0;
  TDuration TimeWaitedAllPorts = 0;
  TDuration TimeAllowedAllPorts = 0;
  TDuration TimeRemainingAllPorts = 0;
  TDuration TimeSavedAllPorts = 0;
  TDuration M1AllPorts = 0;
  double DemurrageAllPorts = 0.0;
  double DespatchAllPorts = 0.0;
  double CommissionAllPorts = 0.0;
  TDayNumber DemurrageDateAllPorts = EmptyDay;
  TMinuteOfDay DemurrageTimeAllPorts = EmptyTime;

  TDuration LaytimeLoading = 0;
  TDuration TimeUsedLoading = 0;
  TDuration TimeWaitedLoading = 0;
  TDuration TimeAllowedLoading = 0;
  TDuration TimeRemainingLoading = 0;
  TDuration TimeSavedLoading = 0;
  TDuration M1Loading = 0;
  double DemurrageLoading = 0.0;
  double DespatchLoading = 0.0;
  double CommissionLoading = 0.0;
  TDayNumber DemurrageDateLoading = EmptyDay;
  TMinuteOfDay DemurrageTimeLoading = EmptyTime;

  TDuration LaytimeDischarging = 0;
  TDuration TimeUsedDischarging = 0;
  TDuration TimeWaitedDischarging = 0;
  TDuration TimeAllowedDischarging = 0;
  TDuration TimeRemainingDischarging = 0;
  TDuration TimeSavedDischarging = 0;
  TDuration M1Discharging = 0;
  double DemurrageDischarging = 0.0;
  double DespatchDischarging = 0.0;
  double CommissionDischarging = 0.0;
  TDayNumber DemurrageDateDischarging = EmptyDay;
  TMinuteOfDay DemurrageTimeDischarging = EmptyTime;

  bool operator==(const TVoyageRec&) const = default;
};

struct TStatusRec {
  std::string TemplateName;
  std::string OriginalName;
  std::string Password;
  std::string CreatedBy;
  std::string LastSavedBy;
  TDayNumber CreateDate = EmptyDay;
  TMinuteOfDay CreateTime = EmptyTime;
  TDayNumber LastSaveDate = EmptyDay;
  TMinuteOfDay LastSaveTime = EmptyTime;
  TDayNumber LastPrintDate = EmptyDay;
  TMinuteOfDay LastPrintTime = EmptyTime;
  double TotalEditTime = 0.0; ///< days
  bool CalculationValid = false;
  double BeginEdit = 0.0; ///< platform moment
  std::int32_t EditCount = 0;
  TDuration LoadingPortTime = EmptyInt;
  TDuration DischargingPortTime = EmptyInt;
  TDuration TotalPortTime = EmptyInt;
  TDuration TotalLaytime = EmptyInt;
  TDuration TotalTimeSaved = EmptyInt;
  TDuration TotalTimeLost = EmptyInt;
  double TotalDemurrage = EmptyReal;
  double TotalDespatch = EmptyReal;
  std::string sRemarks;

  bool operator==(const TStatusRec&) const = default;
};

/// Identification of the file last read.
struct TInputMetaDataRec {
  std::string F_ID;        ///< version identifier at the start of the file
  std::string DataFile_id; ///< file-type identifier
  std::int32_t F_Version = 0;
  std::uint32_t FileCRCValue = 0;
};

/// One entry of the recent-file list.
struct TFileHistoryRec {
  std::string DisplayName;
  std::string PathName;
};

} // namespace laytime
