#include "files/LayItemIO.h"

#include "core/Windows1252.h"
#include "model/TPortCollection.h"
#include "model/TPortItem.h"
#include "model/TProRataCollection.h"
#include "model/TProRataItem.h"
#include "model/TTieredRates.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace laytime {

namespace {

// Lower bounds of the bytes an element takes in a file, used to check counts before anything
// is allocated for them.
constexpr std::size_t MinProRataItemSize = 8 + 4 + 4;
constexpr std::size_t ProRataDetailSize = 8 + 4;
constexpr std::size_t MinInfoEntrySize = 4;
// The smallest port record (a template of sub-version 20 with empty texts) and its two counts.
constexpr std::size_t MinPortSectionSize = 85 + 4 + 4;
constexpr std::size_t TieredRateSize = 4 + 4 + 8;

template <typename Enum> void WriteEnum(TByteWriter& writer, Enum value) {
  writer.WriteU8(static_cast<std::uint8_t>(value));
}

template <typename Enum> Enum ReadEnum(TByteReader& reader) {
  return static_cast<Enum>(reader.ReadU8());
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty() || from == to)
    return std::string(text);
  std::string result;
  std::size_t start = 0;
  for (std::size_t found = text.find(from); found != std::string_view::npos;
       found = text.find(from, start)) {
    result.append(text.substr(start, found - start));
    result.append(to);
    start = found + from.size();
  }
  result.append(text.substr(start));
  return result;
}

void WriteDateTimeInfo(TByteWriter& writer, const TDateTimeInfoRec& info) {
  writer.WriteI32(info.Date);
  writer.WriteI16(info.Time);
}

void ReadDateTimeInfo(TByteReader& reader, TDateTimeInfoRec& info) {
  info.Date = reader.ReadI32();
  info.Time = reader.ReadI16();
}

void WriteShexPreset(TByteWriter& writer, const TShexRec& preset) {
  writer.WriteI16(preset.FromDay);
  writer.WriteI16(preset.FromTime);
  writer.WriteI16(preset.UntilDay);
  writer.WriteI16(preset.UntilTime);
  writer.WriteFixedShortString(Utf8ToWindows1252(preset.Remark), ShortStringFieldSize);
}

TShexRec ReadShexPreset(TByteReader& reader) {
  TShexRec preset;
  preset.FromDay = reader.ReadI16();
  preset.FromTime = reader.ReadI16();
  preset.UntilDay = reader.ReadI16();
  preset.UntilTime = reader.ReadI16();
  preset.Remark = Windows1252ToUtf8(reader.ReadFixedShortString(ShortStringFieldSize));
  return preset;
}

} // namespace

std::size_t WriteHeader(TByteWriter& writer, const TRecordFormat& format) {
  writer.WriteShortString(CurrentVersionId);
  writer.WriteShortString(format.IsTemplate() ? TemplateTypeId : CalculationTypeId);
  writer.WriteI32(format.SubVersion);
  const std::size_t checksumOffset = writer.Size();
  writer.WriteU32(0xFFFFFFFFu);
  return checksumOffset;
}

TFileHeader ReadHeader(TByteReader& reader) {
  TFileHeader header;
  header.VersionId = reader.ReadShortString();
  header.TypeId = reader.ReadShortString();
  header.SubVersion = reader.ReadI32();
  header.ChecksumOffset = reader.Position();
  header.Checksum = reader.ReadU32();
  header.BodyOffset = reader.Position();
  return header;
}

std::string JoinTextList(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0)
      text += TextListLineBreak;
    text += lines[i];
  }
  return text;
}

std::vector<std::string> SplitTextList(std::string_view text) {
  std::vector<std::string> lines;
  if (text.empty())
    return lines;
  std::size_t start = 0;
  for (std::size_t found = text.find(TextListLineBreak); found != std::string_view::npos;
       found = text.find(TextListLineBreak, start)) {
    lines.emplace_back(text.substr(start, found - start));
    start = found + TextListLineBreak.size();
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

void WriteSettingsBlock(TByteWriter& writer, const TTemplateSettings& settings,
                        const TRecordFormat& format) {
  const TStringEncoding encoding = format.Encoding();
  if (format.Has(SubVersion::TemplatePassword))
    writer.WriteString(settings.Password, encoding);
  writer.WriteString(settings.MailTextResults, encoding);
  writer.WriteString(settings.MailTextCalculation, encoding);
  writer.WriteString(settings.MailTextSoF, encoding);
  writer.WriteString(settings.ShexText, encoding);
  writer.WriteString(settings.OpCompletedText, encoding);
  writer.WriteString(settings.TimeSavedText, encoding);
  writer.WriteString(settings.VesOnDemurrageText, encoding);
  if (format.Has(SubVersion::Captions)) {
    writer.WriteString(settings.CPFormCaption, encoding);
    writer.WriteString(settings.VoyInfo1Caption, encoding);
    writer.WriteString(settings.VoyInfo2Caption, encoding);
    writer.WriteString(settings.VoyInfo3Caption, encoding);
  }
  writer.WriteString(settings.LogoFileName, encoding);
  writer.WriteString(settings.ReportTitle, encoding);
  writer.WriteString(settings.ReportTitleFontName, encoding);
  writer.WriteU8(settings.ReportTitleFontStyle);
  writer.WriteI32(settings.LogoScale);
  if (format.Has(SubVersion::ReportTitlePosition))
    writer.WriteU8(settings.ReportTitlePosition);
  writer.WriteI32(settings.LaytimeLimitDays);
  writer.WriteI32(settings.PortTimeLimitDays);
  writer.WriteF64(settings.LoadDaysLimit);
  writer.WriteF64(settings.PerUnitRateLimit);
  writer.WriteBool(settings.ReplaceRemarks);
  writer.WriteBool(settings.AutoRemark);
  writer.WriteBool(settings.SkipIrrelevantEntries);
  writer.WriteBool(settings.DefaultDespatchDisabled);
  writer.WriteBool(settings.DefaultShexDisabled);
  writer.WriteU8(settings.Reserved25);
  writer.WriteU8(settings.ReportTitleFontSize);
  writer.WriteBool(settings.ShowGroupRatesOnPortPage);
  writer.WriteBool(settings.DefaultAlwaysOnDemurrage);
  writer.WriteI32(static_cast<std::uint8_t>(settings.DefaultDespatchMode));
  writer.WriteI32(settings.Reserved30);
  WriteEnum(writer, settings.DefaultPortMode);
  if (format.Has(SubVersion::PrintVesselOnDemurrage))
    writer.WriteBool(settings.PrintVesselOnDemurrage);
  writer.WriteString(JoinTextList(settings.InfoEntryTexts), encoding);
  writer.WriteString(JoinTextList(settings.LaytimeCommencesTexts), encoding);
  writer.WriteString(JoinTextList(settings.LaytimeCompletedTexts), encoding);
  for (const std::vector<std::string>& remarks : settings.RemarkLists)
    writer.WriteString(JoinTextList(remarks), encoding);
  writer.WriteI32(static_cast<std::int32_t>(settings.ShexPresets.size()));
  for (const TShexRec& preset : settings.ShexPresets)
    WriteShexPreset(writer, preset);
}

void ReadSettingsBlock(TByteReader& reader, TTemplateSettings& settings,
                       const TRecordFormat& format) {
  const TStringEncoding encoding = format.Encoding();
  const TTemplateSettings builtIn;
  settings.Password =
      format.Has(SubVersion::TemplatePassword) ? reader.ReadString(encoding) : std::string();
  settings.MailTextResults = reader.ReadString(encoding);
  settings.MailTextCalculation = reader.ReadString(encoding);
  settings.MailTextSoF = reader.ReadString(encoding);
  settings.ShexText = reader.ReadString(encoding);
  settings.OpCompletedText = reader.ReadString(encoding);
  settings.TimeSavedText = reader.ReadString(encoding);
  settings.VesOnDemurrageText = reader.ReadString(encoding);
  if (format.Has(SubVersion::Captions)) {
    settings.CPFormCaption = reader.ReadString(encoding);
    settings.VoyInfo1Caption = reader.ReadString(encoding);
    settings.VoyInfo2Caption = reader.ReadString(encoding);
    settings.VoyInfo3Caption = reader.ReadString(encoding);
  } else {
    settings.CPFormCaption = builtIn.CPFormCaption;
    settings.VoyInfo1Caption = builtIn.VoyInfo1Caption;
    settings.VoyInfo2Caption = builtIn.VoyInfo2Caption;
    settings.VoyInfo3Caption = builtIn.VoyInfo3Caption;
  }
  settings.LogoFileName = reader.ReadString(encoding);
  settings.ReportTitle = reader.ReadString(encoding);
  settings.ReportTitleFontName = reader.ReadString(encoding);
  settings.ReportTitleFontStyle = reader.ReadU8();
  settings.LogoScale = reader.ReadI32();
  settings.ReportTitlePosition =
      format.Has(SubVersion::ReportTitlePosition) ? reader.ReadU8() : std::uint8_t{0};
  settings.LaytimeLimitDays = reader.ReadI32();
  settings.PortTimeLimitDays = reader.ReadI32();
  settings.LoadDaysLimit = reader.ReadF64();
  settings.PerUnitRateLimit = reader.ReadF64();
  settings.ReplaceRemarks = reader.ReadBool();
  settings.AutoRemark = reader.ReadBool();
  settings.SkipIrrelevantEntries = reader.ReadBool();
  settings.DefaultDespatchDisabled = reader.ReadBool();
  settings.DefaultShexDisabled = reader.ReadBool();
  settings.Reserved25 = reader.ReadU8();
  const std::uint8_t fontSize = reader.ReadU8();
  settings.ReportTitleFontSize = fontSize < 2 ? std::uint8_t{10} : fontSize;
  settings.ShowGroupRatesOnPortPage = reader.ReadBool();
  settings.DefaultAlwaysOnDemurrage = reader.ReadBool();
  settings.DefaultDespatchMode = static_cast<TCalcDespatch>(reader.ReadI32() & 0xFF);
  settings.Reserved30 = reader.ReadI32();
  settings.DefaultPortMode = ReadEnum<TPortMode>(reader);
  settings.PrintVesselOnDemurrage =
      format.Has(SubVersion::PrintVesselOnDemurrage) ? reader.ReadBool() : true;
  settings.InfoEntryTexts = SplitTextList(reader.ReadString(encoding));
  settings.LaytimeCommencesTexts = SplitTextList(reader.ReadString(encoding));
  settings.LaytimeCompletedTexts = SplitTextList(reader.ReadString(encoding));
  for (std::vector<std::string>& remarks : settings.RemarkLists)
    remarks = SplitTextList(reader.ReadString(encoding));
  const std::int32_t presetCount = reader.ReadCount(ShexPresetImageSize, "SHEX preset");
  settings.ShexPresets.clear();
  settings.ShexPresets.reserve(static_cast<std::size_t>(presetCount));
  for (std::int32_t i = 0; i < presetCount && reader.Ok(); ++i)
    settings.ShexPresets.push_back(ReadShexPreset(reader));
}

void WriteStatus(TByteWriter& writer, const TStatusRec& status, const TRecordFormat& format) {
  const TStringEncoding encoding = format.Encoding();
  writer.WriteString(status.TemplateName, encoding);
  writer.WriteString(status.OriginalName, encoding);
  writer.WriteString(status.Password, encoding);
  writer.WriteString(status.CreatedBy, encoding);
  writer.WriteString(status.LastSavedBy, encoding);
  writer.WriteI32(status.CreateDate);
  writer.WriteI16(status.CreateTime);
  writer.WriteI32(status.LastSaveDate);
  writer.WriteI16(status.LastSaveTime);
  writer.WriteI32(status.LastPrintDate);
  writer.WriteI16(status.LastPrintTime);
  writer.WriteF64(status.TotalEditTime);
  writer.WriteBool(status.CalculationValid);
  writer.WriteF64(status.BeginEdit);
  writer.WriteI32(status.EditCount);
  writer.WriteI32(status.LoadingPortTime);
  writer.WriteI32(status.DischargingPortTime);
  writer.WriteI32(status.TotalPortTime);
  writer.WriteI32(status.TotalLaytime);
  writer.WriteI32(status.TotalTimeSaved);
  writer.WriteI32(status.TotalTimeLost);
  writer.WriteF64(status.TotalDemurrage);
  writer.WriteF64(status.TotalDespatch);
  writer.WriteString(status.sRemarks, encoding);
}

void ReadStatus(TByteReader& reader, TStatusRec& status, const TRecordFormat& format) {
  const TStringEncoding encoding = format.Encoding();
  status.TemplateName = reader.ReadString(encoding);
  status.OriginalName = reader.ReadString(encoding);
  status.Password = reader.ReadString(encoding);
  if (!format.Has(SubVersion::StatusPasswordAndVoyageSwitches))
    status.Password.clear();
  status.CreatedBy = reader.ReadString(encoding);
  status.LastSavedBy = reader.ReadString(encoding);
  status.CreateDate = reader.ReadI32();
  status.CreateTime = reader.ReadI16();
  status.LastSaveDate = reader.ReadI32();
  status.LastSaveTime = reader.ReadI16();
  status.LastPrintDate = reader.ReadI32();
  status.LastPrintTime = reader.ReadI16();
  status.TotalEditTime = reader.ReadF64();
  status.CalculationValid = reader.ReadBool();
  status.BeginEdit = reader.ReadF64();
  status.EditCount = reader.ReadI32();
  status.LoadingPortTime = reader.ReadI32();
  status.DischargingPortTime = reader.ReadI32();
  status.TotalPortTime = reader.ReadI32();
  status.TotalLaytime = reader.ReadI32();
  status.TotalTimeSaved = reader.ReadI32();
  status.TotalTimeLost = reader.ReadI32();
  status.TotalDemurrage = reader.ReadF64();
  status.TotalDespatch = reader.ReadF64();
  status.sRemarks = reader.ReadString(encoding);
}

void WriteVoyage(TByteWriter& writer, const TVoyageRec& voyage, const TRecordFormat& format) {
  const TStringEncoding encoding = format.Encoding();
  writer.WriteBool(voyage.AllPurposeAllPorts);
  writer.WriteBool(voyage.AllPurposeLoading);
  writer.WriteBool(voyage.AllPurposeDischarging);
  WriteEnum(writer, voyage.LoadUnitsAllPorts);
  WriteEnum(writer, voyage.LoadUnitsLoading);
  WriteEnum(writer, voyage.LoadUnitsDischarging);
  writer.WriteF64(voyage.LoadRateAllPorts);
  writer.WriteF64(voyage.LoadRateLoading);
  writer.WriteF64(voyage.LoadRateDischarging);
  writer.WriteI32(voyage.AddAllowanceDaysAllPorts);
  writer.WriteI16(voyage.AddAllowanceTimeAllPorts);
  writer.WriteI32(voyage.AddAllowanceDaysLoading);
  writer.WriteI16(voyage.AddAllowanceTimeLoading);
  writer.WriteI32(voyage.AddAllowanceDaysDischarging);
  writer.WriteI16(voyage.AddAllowanceTimeDischarging);
  writer.WriteI16(voyage.NoOfHatches);
  writer.WriteI32(voyage.CPDate);
  writer.WriteI32(voyage.LastUpdate);
  WriteEnum(writer, voyage.PortMode);
  if (format.IsCalculation()) {
    writer.WriteI32(voyage.total_time_allowed);
    writer.WriteI32(voyage.total_time_used);
    writer.WriteI32(voyage.total_time_saved);
  }
  writer.WriteBool(voyage.AlwaysOnDemurrage);
  WriteEnum(writer, voyage.DespatchModeAllPorts);
  WriteEnum(writer, voyage.DespatchModeLoading);
  WriteEnum(writer, voyage.DespatchModeDischarging);
  writer.WriteString(voyage.FixtureNo, encoding);
  writer.WriteI32(voyage.VoyageId);
  writer.WriteBool(voyage.Locked);
  writer.WriteF64(voyage.DemurrageRateAllPorts);
  writer.WriteF64(voyage.DespatchRateAllPorts);
  writer.WriteF64(voyage.CommissionPctAllPorts);
  writer.WriteF64(voyage.DemurrageRateLoading);
  writer.WriteF64(voyage.DespatchRateLoading);
  writer.WriteF64(voyage.CommissionPctLoading);
  writer.WriteF64(voyage.DemurrageRateDischarging);
  writer.WriteF64(voyage.DespatchRateDischarging);
  writer.WriteF64(voyage.CommissionPctDischarging);
  writer.WriteI32(voyage.BL_date);
  writer.WriteString(voyage.Currency, encoding);
  for (const std::string* text :
       {&voyage.VesselName, &voyage.CPForm, &voyage.VoyInfo1, &voyage.VoyInfo2, &voyage.VoyInfo3,
        &voyage.UniqueFileName, &voyage.ContractNo, &voyage.unused_TemplateName,
        &voyage.InvoiceAddress, &voyage.Remarks, &voyage.StatusInfo, &voyage.Reference,
        &voyage.YourSign, &voyage.OurSign})
    writer.WriteString(*text, encoding);
  if (format.Has(SubVersion::StatusPasswordAndVoyageSwitches)) {
    writer.WriteBool(voyage.DespatchDisabled);
    writer.WriteBool(voyage.ShexDisabled);
  }
  if (format.Has(SubVersion::ProRataHints)) {
    writer.WriteU8(voyage.HintProRataCalcMethod);
    writer.WriteU8(voyage.HintProRataRoundingMethod);
  }
  if (format.Has(SubVersion::DemurrageRateUnitHint))
    writer.WriteU8(voyage.HintDemurrageRateUnit);
  if (format.Has(SubVersion::ProRataPerPort))
    writer.WriteBool(voyage.ProRataPerPort);
}

void ReadVoyage(TByteReader& reader, TVoyageRec& voyage, const TRecordFormat& format,
                const TTemplateSettings& templateSettings,
                const TProgramSettings& programSettings) {
  const TStringEncoding encoding = format.Encoding();
  voyage.AllPurposeAllPorts = reader.ReadBool();
  voyage.AllPurposeLoading = reader.ReadBool();
  voyage.AllPurposeDischarging = reader.ReadBool();
  voyage.LoadUnitsAllPorts = ReadEnum<TLoadUnits>(reader);
  voyage.LoadUnitsLoading = ReadEnum<TLoadUnits>(reader);
  voyage.LoadUnitsDischarging = ReadEnum<TLoadUnits>(reader);
  voyage.LoadRateAllPorts = reader.ReadF64();
  voyage.LoadRateLoading = reader.ReadF64();
  voyage.LoadRateDischarging = reader.ReadF64();
  voyage.AddAllowanceDaysAllPorts = reader.ReadI32();
  voyage.AddAllowanceTimeAllPorts = reader.ReadI16();
  voyage.AddAllowanceDaysLoading = reader.ReadI32();
  voyage.AddAllowanceTimeLoading = reader.ReadI16();
  voyage.AddAllowanceDaysDischarging = reader.ReadI32();
  voyage.AddAllowanceTimeDischarging = reader.ReadI16();
  voyage.NoOfHatches = reader.ReadI16();
  voyage.CPDate = reader.ReadI32();
  voyage.LastUpdate = reader.ReadI32();
  voyage.PortMode = ReadEnum<TPortMode>(reader);
  if (format.IsCalculation()) {
    voyage.total_time_allowed = reader.ReadI32();
    voyage.total_time_used = reader.ReadI32();
    voyage.total_time_saved = reader.ReadI32();
  }
  voyage.AlwaysOnDemurrage = reader.ReadBool();
  voyage.DespatchModeAllPorts = ReadEnum<TCalcDespatch>(reader);
  voyage.DespatchModeLoading = ReadEnum<TCalcDespatch>(reader);
  voyage.DespatchModeDischarging = ReadEnum<TCalcDespatch>(reader);
  voyage.FixtureNo = reader.ReadString(encoding);
  voyage.VoyageId = reader.ReadI32();
  voyage.Locked = reader.ReadBool();
  voyage.DemurrageRateAllPorts = reader.ReadF64();
  voyage.DespatchRateAllPorts = reader.ReadF64();
  voyage.CommissionPctAllPorts = reader.ReadF64();
  voyage.DemurrageRateLoading = reader.ReadF64();
  voyage.DespatchRateLoading = reader.ReadF64();
  voyage.CommissionPctLoading = reader.ReadF64();
  voyage.DemurrageRateDischarging = reader.ReadF64();
  voyage.DespatchRateDischarging = reader.ReadF64();
  voyage.CommissionPctDischarging = reader.ReadF64();
  voyage.BL_date = reader.ReadI32();
  voyage.Currency = reader.ReadString(encoding);
  for (std::string* text :
       {&voyage.VesselName, &voyage.CPForm, &voyage.VoyInfo1, &voyage.VoyInfo2, &voyage.VoyInfo3,
        &voyage.UniqueFileName, &voyage.ContractNo, &voyage.unused_TemplateName,
        &voyage.InvoiceAddress, &voyage.Remarks, &voyage.StatusInfo, &voyage.Reference,
        &voyage.YourSign, &voyage.OurSign})
    *text = reader.ReadString(encoding);
  if (format.Has(SubVersion::StatusPasswordAndVoyageSwitches)) {
    voyage.DespatchDisabled = reader.ReadBool();
    voyage.ShexDisabled = reader.ReadBool();
  } else {
    voyage.DespatchDisabled = templateSettings.DefaultDespatchDisabled;
    voyage.ShexDisabled = templateSettings.DefaultShexDisabled;
  }
  if (format.Has(SubVersion::ProRataHints)) {
    voyage.HintProRataCalcMethod = reader.ReadU8();
    voyage.HintProRataRoundingMethod = reader.ReadU8();
  } else {
    voyage.HintProRataCalcMethod = static_cast<std::uint8_t>(programSettings.ProRataCalculation);
    voyage.HintProRataRoundingMethod = programSettings.ProRataRoundingMethod;
    voyage.HintDemurrageRateUnit = static_cast<std::uint8_t>(programSettings.DemurrageRateUnit);
  }
  if (format.Has(SubVersion::DemurrageRateUnitHint))
    voyage.HintDemurrageRateUnit = reader.ReadU8();
  voyage.ProRataPerPort = format.Has(SubVersion::ProRataPerPort) ? reader.ReadBool() : false;
}

void WriteProRataItem(TByteWriter& writer, const TProRataItem& item, int portCount,
                      const TRecordFormat& format) {
  const TStringEncoding encoding = format.Encoding();
  writer.WriteF64(item.ProRataRec.Quantity);
  writer.WriteString(item.ProRataRec.Charterer, encoding);
  writer.WriteString(item.ProRataRec.Remark, encoding);
  if (!format.Has(SubVersion::ProRataPerPort))
    return;
  writer.WriteI32(portCount);
  for (int portIdx = 0; portIdx < portCount; ++portIdx) {
    const TProRataPortCalculation* detail = item.FindPortDetails(portIdx);
    writer.WriteF64(detail != nullptr ? detail->Quantity() : 0.0);
    writer.WriteI32(detail != nullptr ? detail->SharedMinutes() : 0);
  }
}

void ReadProRataItem(TByteReader& reader, TProRataItem& item, const TRecordFormat& format) {
  const TStringEncoding encoding = format.Encoding();
  item.ProRataRec.Quantity = reader.ReadF64();
  item.ProRataRec.Charterer = reader.ReadString(encoding);
  item.ProRataRec.Remark = reader.ReadString(encoding);
  if (!format.Has(SubVersion::ProRataPerPort))
    return;
  const std::int32_t detailCount = reader.ReadCount(ProRataDetailSize, "pro-rata port detail");
  for (std::int32_t portIdx = 0; portIdx < detailCount && reader.Ok(); ++portIdx) {
    const double quantity = reader.ReadF64();
    const std::int32_t sharedMinutes = reader.ReadI32();
    if (!reader.Ok())
      return;
    TProRataPortCalculation& detail = item.GetPortDetails(portIdx);
    detail.SetQuantity(quantity);
    detail.SetSharedMinutes(sharedMinutes);
  }
}

void WritePortRec(TByteWriter& writer, const TPortRec& port, const TRecordFormat& format) {
  const TStringEncoding encoding = format.Encoding();
  writer.WriteString(port.PortName, encoding);
  writer.WriteBool(port.OpLoading);
  writer.WriteBool(port.OpDischarging);
  WriteEnum(writer, port.PortLoadUnits);
  writer.WriteF64(port.PortLoadRate);
  WriteEnum(writer, port.PortDespatchMode);
  writer.WriteBool(port.PortCalcCQD);
  writer.WriteF64(port.PortDemurrageRate);
  writer.WriteF64(port.PortDespatchRate);
  writer.WriteF64(port.PortCommissionPct);
  writer.WriteString(port.CargoName, encoding);
  if (format.IsCalculation()) {
    writer.WriteF64(port.CargoQuantity);
    writer.WriteString(port.CargoUnits, encoding);
  } else if (format.Has(SubVersion::TemplateCargoUnits)) {
    writer.WriteString(port.CargoUnits, encoding);
  }
  writer.WriteString(port.LayTimeCountFrom.Text, encoding);
  if (format.IsCalculation())
    WriteDateTimeInfo(writer, port.LayTimeCountFrom);
  writer.WriteString(port.LayTimeOpCompleted.Text, encoding);
  if (format.IsCalculation()) {
    WriteDateTimeInfo(writer, port.LayTimeOpCompleted);
    writer.WriteI32(port.TimeUsed);
    writer.WriteI32(port.TimeAllowed);
  }
  writer.WriteI32(port.ShexOption);
  writer.WriteI32(port.ShexStartDay);
  writer.WriteI32(port.ShexEndDay);
  writer.WriteI16(port.ShexStartTime);
  writer.WriteI16(port.ShexEndTime);
  if (format.IsCalculation()) {
    writer.WriteI32(port.PreAdvDate);
    writer.WriteI16(port.PreAdvTime);
  }
  writer.WriteI32(port.PreAdvOffsDays);
  writer.WriteI16(port.PreAdvOffsTime);
  writer.WriteI32(port.PortAddAllowanceDays);
  writer.WriteI16(port.PortAddAllowanceTime);
  writer.WriteString(port.pRemarks, encoding);
  if (format.Has(SubVersion::TankerMinTimeAllowance))
    writer.WriteI16(port.TankerMinTimeAllowance);
  if (format.Has(SubVersion::TieredDemurrage))
    writer.WriteBool(port.UseTieredDemurrage);
}

void ReadPortRec(TByteReader& reader, TPortRec& port, const TRecordFormat& format) {
  const TStringEncoding encoding = format.Encoding();
  port.PortName = reader.ReadString(encoding);
  port.OpLoading = reader.ReadBool();
  port.OpDischarging = reader.ReadBool();
  port.PortLoadUnits = ReadEnum<TLoadUnits>(reader);
  port.PortLoadRate = reader.ReadF64();
  port.PortDespatchMode = ReadEnum<TCalcDespatch>(reader);
  port.PortCalcCQD = reader.ReadBool();
  port.PortDemurrageRate = reader.ReadF64();
  port.PortDespatchRate = reader.ReadF64();
  port.PortCommissionPct = reader.ReadF64();
  port.CargoName = reader.ReadString(encoding);
  if (format.IsCalculation()) {
    port.CargoQuantity = reader.ReadF64();
    port.CargoUnits = reader.ReadString(encoding);
  } else if (format.Has(SubVersion::TemplateCargoUnits)) {
    port.CargoUnits = reader.ReadString(encoding);
  }
  port.LayTimeCountFrom.Text = reader.ReadString(encoding);
  if (format.IsCalculation())
    ReadDateTimeInfo(reader, port.LayTimeCountFrom);
  port.LayTimeOpCompleted.Text = reader.ReadString(encoding);
  if (format.IsCalculation()) {
    ReadDateTimeInfo(reader, port.LayTimeOpCompleted);
    port.TimeUsed = reader.ReadI32();
    port.TimeAllowed = reader.ReadI32();
  }
  port.ShexOption = reader.ReadI32();
  port.ShexStartDay = reader.ReadI32();
  port.ShexEndDay = reader.ReadI32();
  port.ShexStartTime = reader.ReadI16();
  port.ShexEndTime = reader.ReadI16();
  if (format.IsCalculation()) {
    port.PreAdvDate = reader.ReadI32();
    port.PreAdvTime = reader.ReadI16();
  }
  port.PreAdvOffsDays = reader.ReadI32();
  port.PreAdvOffsTime = reader.ReadI16();
  port.PortAddAllowanceDays = reader.ReadI32();
  port.PortAddAllowanceTime = reader.ReadI16();
  port.pRemarks = reader.ReadString(encoding);
  port.TankerMinTimeAllowance =
      format.Has(SubVersion::TankerMinTimeAllowance) ? reader.ReadI16() : EmptyTime;
  if (format.Has(SubVersion::TieredDemurrage))
    port.UseTieredDemurrage = reader.ReadBool();
}

void WriteInfoEntry(TByteWriter& writer, const TPortInfoItem& entry, const TRecordFormat& format) {
  writer.WriteString(entry.FDateTimeInfoRec.Text, format.Encoding());
  if (format.IsCalculation())
    WriteDateTimeInfo(writer, entry.FDateTimeInfoRec);
}

void ReadInfoEntry(TByteReader& reader, TPortInfoItem& entry, const TRecordFormat& format) {
  entry.FDateTimeInfoRec.Text = reader.ReadString(format.Encoding());
  if (format.IsCalculation())
    ReadDateTimeInfo(reader, entry.FDateTimeInfoRec);
}

void WriteSoFLine(TByteWriter& writer, const TSoFRec& line, std::string_view decimalSeparator) {
  const std::size_t start = writer.Size();
  writer.WriteI32(line.FUntilDate);
  writer.WriteI16(line.FUntilTime);
  WriteEnum(writer, line.FCondition);
  writer.WriteZeros(1);
  writer.WriteF64(line.FPct);
  const std::string display = ReplaceAll(line.FPctDisplayString, decimalSeparator, ".");
  writer.WriteFixedShortString(Utf8ToWindows1252(display), ShortStringFieldSize);
  writer.WriteFixedShortString(Utf8ToWindows1252(line.FRemark), ShortStringFieldSize);
  writer.WriteI32(line.FResMinsToCount);
  writer.WriteZeros(4);
  assert(writer.Size() - start == SoFLineImageSize);
  (void)start;
}

void ReadSoFLine(TByteReader& reader, TSoFLine& line, std::string_view decimalSeparator) {
  TSoFRec rec;
  rec.FUntilDate = reader.ReadI32();
  rec.FUntilTime = reader.ReadI16();
  rec.FCondition = ReadEnum<TFactCode>(reader);
  reader.Skip(1);
  rec.FPct = reader.ReadF64();
  const std::string display = Windows1252ToUtf8(reader.ReadFixedShortString(ShortStringFieldSize));
  rec.FPctDisplayString = ReplaceAll(display, ".", decimalSeparator);
  rec.FRemark = Windows1252ToUtf8(reader.ReadFixedShortString(ShortStringFieldSize));
  rec.FResMinsToCount = reader.ReadI32();
  reader.Skip(4);
  if (reader.Ok())
    line.SetSoFRec(rec);
}

void WriteTieredRates(TByteWriter& writer, const TTieredRates& rates) {
  // A port never has anywhere near 65535 tiers; more would not fit the count.
  const int count = std::min(rates.GetCount(), int{std::numeric_limits<std::uint16_t>::max()});
  writer.WriteU16(static_cast<std::uint16_t>(count));
  for (int i = 0; i < count; ++i) {
    const TTieredRate& rate = rates.GetItem(i);
    writer.WriteI32(rate.FromDay);
    writer.WriteI32(rate.FromTimeInMinutes);
    writer.WriteF64(rate.Rate);
  }
}

void ReadTieredRates(TByteReader& reader, TTieredRates& rates) {
  const std::uint16_t count = reader.ReadCount16(TieredRateSize, "tiered rate");
  if (!reader.Ok())
    return;
  rates.Clear();
  for (std::uint16_t i = 0; i < count && reader.Ok(); ++i) {
    TTieredRate& rate = rates.Add();
    rate.FromDay = reader.ReadI32();
    rate.FromTimeInMinutes = reader.ReadI32();
    rate.Rate = reader.ReadF64();
  }
  rates.RepairIfNeeded();
}

void WritePort(TByteWriter& writer, const TPortItem& port, const TRecordFormat& format,
               std::string_view decimalSeparator) {
  WritePortRec(writer, port.PortData, format);
  const TPortInfoCollection& entries = port.PortInfoCollection;
  writer.WriteI32(entries.Count());
  for (int i = 0; i < entries.Count(); ++i)
    WriteInfoEntry(writer, entries.GetItem(i), format);
  if (format.IsCalculation()) {
    const TSoFCollection& lines = port.SoFCollection;
    writer.WriteI32(lines.Count());
    for (int i = 0; i < lines.Count(); ++i)
      WriteSoFLine(writer, lines.GetItem(i).SoFRec(), decimalSeparator);
  } else {
    writer.WriteI32(0);
  }
  if (format.Has(SubVersion::TieredDemurrage))
    WriteTieredRates(writer, port.TieredDemurrageRates);
}

void ReadPort(TByteReader& reader, TPortItem& port, const TRecordFormat& format,
              std::string_view decimalSeparator) {
  ReadPortRec(reader, port.PortData, format);
  const std::int32_t entryCount = reader.ReadCount(
      format.IsCalculation() ? MinInfoEntrySize + 6 : MinInfoEntrySize, "informative entry");
  port.PortInfoCollection.Clear();
  for (std::int32_t i = 0; i < entryCount && reader.Ok(); ++i)
    ReadInfoEntry(reader, port.PortInfoCollection.Add(), format);
  const std::int32_t lineCount = reader.ReadCount(SoFLineImageSize, "statement-of-facts line");
  if (format.IsTemplate()) {
    // Templates hold no lines; should one carry some, they are passed over.
    reader.Skip(static_cast<std::size_t>(lineCount) * SoFLineImageSize);
  } else {
    for (std::int32_t i = 0; i < lineCount && reader.Ok(); ++i)
      ReadSoFLine(reader, port.SoFCollection.Add(), decimalSeparator);
  }
  if (format.Has(SubVersion::TieredDemurrage))
    ReadTieredRates(reader, port.TieredDemurrageRates);
}

void WriteProRataSection(TByteWriter& writer, const TProRataCollection& partners, int portCount,
                         const TRecordFormat& format) {
  std::int32_t written = 0;
  for (int i = 0; i < partners.Count(); ++i) {
    if (!partners.IsEmptyRec(i))
      ++written;
  }
  writer.WriteI32(written);
  for (int i = 0; i < partners.Count(); ++i) {
    if (!partners.IsEmptyRec(i))
      WriteProRataItem(writer, partners.GetItem(i), portCount, format);
  }
}

void ReadProRataSection(TByteReader& reader, TProRataCollection& partners,
                        const TRecordFormat& format) {
  const std::int32_t count = reader.ReadCount(MinProRataItemSize, "pro-rata item");
  for (std::int32_t i = 0; i < count && reader.Ok(); ++i)
    ReadProRataItem(reader, partners.Add(), format);
}

void WritePortSection(TByteWriter& writer, const TPortCollection& ports,
                      const TRecordFormat& format, std::string_view decimalSeparator) {
  writer.WriteI32(ports.Count());
  for (int i = 0; i < ports.Count(); ++i)
    WritePort(writer, ports.GetItem(i), format, decimalSeparator);
}

void ReadPortSection(TByteReader& reader, TPortCollection& ports, const TRecordFormat& format,
                     std::string_view decimalSeparator) {
  const std::int32_t count = reader.ReadCount(MinPortSectionSize, "port");
  for (std::int32_t i = 0; i < count && reader.Ok(); ++i)
    ReadPort(reader, ports.Add(), format, decimalSeparator);
}

} // namespace laytime
