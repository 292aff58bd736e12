#include "files/TransferRecords.h"

#include "core/TextUtil.h"
#include "model/TPortItem.h"
#include "model/TProRataItem.h"

#include <cstdio>

namespace laytime {

namespace {

constexpr std::string_view Ident = TransferSection::Identification;
constexpr std::string_view Voyage = TransferSection::Voyage;

std::string Lower(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

std::string InfoSectionName(std::string_view suffix, int counter) {
  return std::string(TransferSection::InfoPrefix) + std::string(suffix) +
         std::string(TransferSection::LineInfix) + CounterText(counter, 3);
}

std::string SoFSectionName(std::string_view suffix, int counter) {
  return std::string(TransferSection::SoFPrefix) + std::string(suffix) +
         std::string(TransferSection::LineInfix) + CounterText(counter, 5);
}

} // namespace

std::string SourceProgramText(int major, int minor, int release, int build) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer,
                "Navarune: Laytime Calculation Version: %d.%02d  Release %d (Build %d)", major,
                minor, release, build);
  return buffer;
}

std::string CounterText(int value, int digits) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) < digits)
    text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
  return text;
}

void WriteProgramSection(TTransferWriter& writer) {
  const std::string_view section = TransferSection::Program;
  writer.WriteText(section, "ProgramInfo1", "Navarune: Laytime Calculation");
  writer.WriteText(section, "ProgramInfo2",
                   "Transfer file of a laytime calculation. Do not edit: a changed file fails "
                   "its checksum.");
  writer.WriteText(section, "ContactInfo1", "Phone +44 20 7946 0815, Fax +44 20 7946 0816");
  writer.WriteText(section, "ContactInfo2", "support@quillmark.example");
  writer.WriteText(section, "ContactInfo3", "Quillmark Ltd., 12 Harbour Row, Southampton SO14 2AQ");
}

void WriteIdentification(TTransferWriter& writer, const TDataIdentificationRecord& id) {
  writer.WriteText(Ident, "SourceProgram", id.SourceProgram);
  writer.WriteText(Ident, "DataVersion", id.DataVersion);
  writer.WriteInteger(Ident, "SubversionCode", id.SubversionCode);
  writer.WriteText(Ident, "DataSource1", id.DataSource1);
  writer.WriteText(Ident, "DataSource2", id.DataSource2);
  writer.WriteText(Ident, "DataSource3", id.DataSource3);
  writer.WriteText(Ident, "DataSource4", id.DataSource4);
  writer.WriteText(Ident, "VesselName", id.VesselName);
  writer.WriteText(Ident, "Reference", id.Reference);
  writer.WriteDate(Ident, "CreateDate", id.CreateDate);
  writer.WriteTime(Ident, "CreateTime", id.CreateTime);
  writer.WriteText(Ident, "Template", id.Template);
}

TDataIdentificationRecord ReadIdentification(const TTransferReader& reader) {
  TDataIdentificationRecord id;
  id.SourceProgram = reader.ReadText(Ident, "SourceProgram");
  id.DataVersion = reader.ReadText(Ident, "DataVersion");
  id.SubversionCode = reader.ReadInteger(Ident, "SubversionCode");
  id.DataSource1 = reader.ReadText(Ident, "DataSource1");
  id.DataSource2 = reader.ReadText(Ident, "DataSource2");
  id.DataSource3 = reader.ReadText(Ident, "DataSource3");
  id.DataSource4 = reader.ReadText(Ident, "DataSource4");
  id.VesselName = reader.ReadText(Ident, "VesselName");
  id.Reference = reader.ReadText(Ident, "Reference");
  id.CreateDate = reader.ReadDate(Ident, "CreateDate");
  id.CreateTime = reader.ReadTime(Ident, "CreateTime");
  id.Template = reader.ReadText(Ident, "Template");
  return id;
}

void WriteVoyageSection(TTransferWriter& w, const TVoyageRec& v, const TTemplateSettings& s) {
  w.WriteText(Voyage, "VesselName", v.VesselName);
  w.WriteBool(Voyage, "AllPurposeAllPorts", v.AllPurposeAllPorts);
  w.WriteBool(Voyage, "AllPurposeLoading", v.AllPurposeLoading);
  w.WriteBool(Voyage, "AllPurposeDischarging", v.AllPurposeDischarging);
  w.WriteEnum(Voyage, "LoadUnitsAllPorts", v.LoadUnitsAllPorts);
  w.WriteEnum(Voyage, "LoadUnitsLoading", v.LoadUnitsLoading);
  w.WriteEnum(Voyage, "LoadUnitsDischarging", v.LoadUnitsDischarging);
  w.WriteReal(Voyage, "LoadRateAllPorts", v.LoadRateAllPorts);
  w.WriteReal(Voyage, "LoadRateLoading", v.LoadRateLoading);
  w.WriteReal(Voyage, "LoadRateDischarging", v.LoadRateDischarging);
  w.WriteInteger(Voyage, "AddAllowanceDaysAllPorts", v.AddAllowanceDaysAllPorts);
  w.WriteInteger(Voyage, "AddAllowanceDaysLoading", v.AddAllowanceDaysLoading);
  w.WriteInteger(Voyage, "AddAllowanceDaysDischarging", v.AddAllowanceDaysDischarging);
  w.WriteTime(Voyage, "AddAllowanceTimeAllPorts", v.AddAllowanceTimeAllPorts);
  w.WriteTime(Voyage, "AddAllowanceTimeLoading", v.AddAllowanceTimeLoading);
  w.WriteTime(Voyage, "AddAllowanceTimeDischarging", v.AddAllowanceTimeDischarging);
  w.WriteSmallInt(Voyage, "NoOfHatches", v.NoOfHatches);
  w.WriteText(Voyage, "CPForm", v.CPForm);
  w.WriteText(Voyage, "VoyInfo1", v.VoyInfo1);
  w.WriteText(Voyage, "VoyInfo2", v.VoyInfo2);
  w.WriteText(Voyage, "VoyInfo3", v.VoyInfo3);
  w.WriteText(Voyage, "CPFormCaption", s.CPFormCaption);
  w.WriteText(Voyage, "VoyInfo1Caption", s.VoyInfo1Caption);
  w.WriteText(Voyage, "VoyInfo2Caption", s.VoyInfo2Caption);
  w.WriteText(Voyage, "VoyInfo3Caption", s.VoyInfo3Caption);
  w.WriteDate(Voyage, "CPDate", v.CPDate);
  w.WriteDate(Voyage, "LastUpdate", v.LastUpdate);
  w.WriteEnum(Voyage, "PortMode", v.PortMode);
  w.WriteBool(Voyage, "Modified", v.Modified);
  w.WriteText(Voyage, "Currency", v.Currency);
  w.WriteBool(Voyage, "AlwaysOnDemurrage", v.AlwaysOnDemurrage);
  w.WriteEnum(Voyage, "DespatchModeAllPorts", v.DespatchModeAllPorts);
  w.WriteEnum(Voyage, "DespatchModeLoading", v.DespatchModeLoading);
  w.WriteEnum(Voyage, "DespatchModeDischarging", v.DespatchModeDischarging);
  w.WriteText(Voyage, "FixtureNo", v.FixtureNo);
  w.WriteInteger(Voyage, "VoyageId", v.VoyageId);
  w.WriteReal(Voyage, "DemurrageRateAllPorts", v.DemurrageRateAllPorts);
  w.WriteReal(Voyage, "DespatchRateAllPorts", v.DespatchRateAllPorts);
  w.WriteReal(Voyage, "CommissionPctAllPorts", v.CommissionPctAllPorts);
  w.WriteReal(Voyage, "DemurrageRateLoading", v.DemurrageRateLoading);
  w.WriteReal(Voyage, "DespatchRateLoading", v.DespatchRateLoading);
  w.WriteReal(Voyage, "CommissionPctLoading", v.CommissionPctLoading);
  w.WriteReal(Voyage, "DemurrageRateDischarging", v.DemurrageRateDischarging);
  w.WriteReal(Voyage, "DespatchRateDischarging", v.DespatchRateDischarging);
  w.WriteReal(Voyage, "CommissionPctDischarging", v.CommissionPctDischarging);
  w.WriteDate(Voyage, "BL_date", v.BL_date);
  w.WriteText(Voyage, "UniqueFileName", v.UniqueFileName);
  w.WriteText(Voyage, "ContractNo", v.ContractNo);
  w.WriteText(Voyage, "TemplateName", v.unused_TemplateName);
  w.WriteText(Voyage, "InvoiceAddress", v.InvoiceAddress);
  w.WriteText(Voyage, "Remarks", v.Remarks);
  w.WriteText(Voyage, "StatusInfo", v.StatusInfo);
  w.WriteText(Voyage, "Reference", v.Reference);
  w.WriteText(Voyage, "YourSign", v.YourSign);
  w.WriteText(Voyage, "OurSign", v.OurSign);
  w.WriteBool(Voyage, "DespatchDisabled", v.DespatchDisabled);
  w.WriteBool(Voyage, "ShexDisabled", v.ShexDisabled);
}

void ReadVoyageSection(const TTransferReader& r, TVoyageRec& v, TTemplateSettings& s) {
  v.VesselName = r.ReadText(Voyage, "VesselName");
  v.AllPurposeAllPorts = r.ReadBool(Voyage, "AllPurposeAllPorts", v.AllPurposeAllPorts);
  v.AllPurposeLoading = r.ReadBool(Voyage, "AllPurposeLoading", v.AllPurposeLoading);
  v.AllPurposeDischarging = r.ReadBool(Voyage, "AllPurposeDischarging", v.AllPurposeDischarging);
  v.LoadUnitsAllPorts = r.ReadEnum<TLoadUnits>(Voyage, "LoadUnitsAllPorts");
  v.LoadUnitsLoading = r.ReadEnum<TLoadUnits>(Voyage, "LoadUnitsLoading");
  v.LoadUnitsDischarging = r.ReadEnum<TLoadUnits>(Voyage, "LoadUnitsDischarging");
  v.LoadRateAllPorts = r.ReadReal(Voyage, "LoadRateAllPorts");
  v.LoadRateLoading = r.ReadReal(Voyage, "LoadRateLoading");
  v.LoadRateDischarging = r.ReadReal(Voyage, "LoadRateDischarging");
  v.AddAllowanceDaysAllPorts = r.ReadInteger(Voyage, "AddAllowanceDaysAllPorts");
  v.AddAllowanceDaysLoading = r.ReadInteger(Voyage, "AddAllowanceDaysLoading");
  v.AddAllowanceDaysDischarging = r.ReadInteger(Voyage, "AddAllowanceDaysDischarging");
  v.AddAllowanceTimeAllPorts = r.ReadTime(Voyage, "AddAllowanceTimeAllPorts");
  v.AddAllowanceTimeLoading = r.ReadTime(Voyage, "AddAllowanceTimeLoading");
  v.AddAllowanceTimeDischarging = r.ReadTime(Voyage, "AddAllowanceTimeDischarging");
  v.NoOfHatches = r.ReadSmallInt(Voyage, "NoOfHatches");
  v.CPForm = r.ReadText(Voyage, "CPForm");
  v.VoyInfo1 = r.ReadText(Voyage, "VoyInfo1");
  v.VoyInfo2 = r.ReadText(Voyage, "VoyInfo2");
  v.VoyInfo3 = r.ReadText(Voyage, "VoyInfo3");
  // The sender's labels explain the sender's texts. An empty label is written as no key at
  // all, so a missing key reads as the empty label like every text.
  s.CPFormCaption = r.ReadText(Voyage, "CPFormCaption");
  s.VoyInfo1Caption = r.ReadText(Voyage, "VoyInfo1Caption");
  s.VoyInfo2Caption = r.ReadText(Voyage, "VoyInfo2Caption");
  s.VoyInfo3Caption = r.ReadText(Voyage, "VoyInfo3Caption");
  v.CPDate = r.ReadDate(Voyage, "CPDate");
  v.LastUpdate = r.ReadDate(Voyage, "LastUpdate");
  v.PortMode = r.ReadEnum<TPortMode>(Voyage, "PortMode");
  v.Modified = r.ReadBool(Voyage, "Modified", v.Modified);
  v.Currency = r.ReadText(Voyage, "Currency");
  v.AlwaysOnDemurrage = r.ReadBool(Voyage, "AlwaysOnDemurrage", v.AlwaysOnDemurrage);
  v.DespatchModeAllPorts = r.ReadEnum<TCalcDespatch>(Voyage, "DespatchModeAllPorts");
  v.DespatchModeLoading = r.ReadEnum<TCalcDespatch>(Voyage, "DespatchModeLoading");
  v.DespatchModeDischarging = r.ReadEnum<TCalcDespatch>(Voyage, "DespatchModeDischarging");
  v.FixtureNo = r.ReadText(Voyage, "FixtureNo");
  v.VoyageId = r.ReadInteger(Voyage, "VoyageId");
  v.DemurrageRateAllPorts = r.ReadReal(Voyage, "DemurrageRateAllPorts");
  v.DespatchRateAllPorts = r.ReadReal(Voyage, "DespatchRateAllPorts");
  v.CommissionPctAllPorts = r.ReadReal(Voyage, "CommissionPctAllPorts");
  v.DemurrageRateLoading = r.ReadReal(Voyage, "DemurrageRateLoading");
  v.DespatchRateLoading = r.ReadReal(Voyage, "DespatchRateLoading");
  v.CommissionPctLoading = r.ReadReal(Voyage, "CommissionPctLoading");
  v.DemurrageRateDischarging = r.ReadReal(Voyage, "DemurrageRateDischarging");
  v.DespatchRateDischarging = r.ReadReal(Voyage, "DespatchRateDischarging");
  v.CommissionPctDischarging = r.ReadReal(Voyage, "CommissionPctDischarging");
  v.BL_date = r.ReadDate(Voyage, "BL_date");
  v.UniqueFileName = r.ReadText(Voyage, "UniqueFileName");
  v.ContractNo = r.ReadText(Voyage, "ContractNo");
  v.unused_TemplateName = r.ReadText(Voyage, "TemplateName");
  v.InvoiceAddress = r.ReadText(Voyage, "InvoiceAddress");
  v.Remarks = r.ReadText(Voyage, "Remarks");
  v.StatusInfo = r.ReadText(Voyage, "StatusInfo");
  v.Reference = r.ReadText(Voyage, "Reference");
  v.YourSign = r.ReadText(Voyage, "YourSign");
  v.OurSign = r.ReadText(Voyage, "OurSign");
  v.DespatchDisabled = r.ReadBool(Voyage, "DespatchDisabled", v.DespatchDisabled);
  v.ShexDisabled = r.ReadBool(Voyage, "ShexDisabled", v.ShexDisabled);
}

void WritePartnerSection(TTransferWriter& writer, std::string_view section,
                         const TProRataItem& partner) {
  writer.WriteText(section, "Partner", partner.ProRataRec.Charterer);
  writer.WriteText(section, "Remark", partner.ProRataRec.Remark);
  writer.WriteReal(section, "Quantity", partner.ProRataRec.Quantity);
}

void ReadPartnerSection(const TTransferReader& reader, std::string_view section,
                        TProRataItem& partner) {
  partner.ProRataRec.Charterer = reader.ReadText(section, "Partner");
  partner.ProRataRec.Remark = reader.ReadText(section, "Remark");
  partner.ProRataRec.Quantity = reader.ReadReal(section, "Quantity");
}

void WritePortSections(TTransferWriter& w, const TPortItem& port, std::string_view suffix) {
  const std::string s = std::string(TransferSection::PortPrefix) + std::string(suffix);
  const TPortRec& p = port.PortData;
  w.WriteText(s, "PortName", p.PortName);
  w.WriteBool(s, "OpLoading", p.OpLoading);
  w.WriteBool(s, "OpDischarging", p.OpDischarging);
  w.WriteEnum(s, "PortLoadUnits", p.PortLoadUnits);
  w.WriteReal(s, "PortLoadRate", p.PortLoadRate);
  w.WriteEnum(s, "PortDespatchMode", p.PortDespatchMode);
  w.WriteBool(s, "PortCalcCQD", p.PortCalcCQD);
  w.WriteReal(s, "PortDemurrageRate", p.PortDemurrageRate);
  w.WriteReal(s, "PortDespatchRate", p.PortDespatchRate);
  w.WriteReal(s, "PortCommissionPct", p.PortCommissionPct);
  w.WriteText(s, "CargoName", p.CargoName);
  w.WriteReal(s, "CargoQuantity", p.CargoQuantity);
  w.WriteText(s, "CargoUnits", p.CargoUnits);
  w.WriteDate(s, "CountFromDate", p.LayTimeCountFrom.Date);
  w.WriteTime(s, "CountFromTime", p.LayTimeCountFrom.Time);
  w.WriteText(s, "CountFromText", p.LayTimeCountFrom.Text);
  w.WriteDate(s, "CountUntilDate", p.LayTimeOpCompleted.Date);
  w.WriteTime(s, "CountUntilTime", p.LayTimeOpCompleted.Time);
  w.WriteText(s, "CountUntilText", p.LayTimeOpCompleted.Text);
  w.WriteInteger(s, "ShexOption", p.ShexOption);
  w.WriteInteger(s, "ShexStartDay", p.ShexStartDay);
  w.WriteInteger(s, "ShexEndDay", p.ShexEndDay);
  w.WriteTime(s, "ShexStartTime", p.ShexStartTime);
  w.WriteTime(s, "ShexEndTime", p.ShexEndTime);
  w.WriteDate(s, "PreAdvDate", p.PreAdvDate);
  w.WriteTime(s, "PreAdvTime", p.PreAdvTime);
  w.WriteInteger(s, "PreAdvOffsDays", p.PreAdvOffsDays);
  w.WriteTime(s, "PreAdvOffsTime", p.PreAdvOffsTime);
  w.WriteInteger(s, "PortAddAllowanceDays", p.PortAddAllowanceDays);
  w.WriteTime(s, "PortAddAllowanceTime", p.PortAddAllowanceTime);
  w.WriteText(s, "Remarks", p.pRemarks);
  w.WriteTime(s, "TankerMinTimeAllowance", p.TankerMinTimeAllowance);

  for (int i = 0; i < port.PortInfoCollection.Count(); ++i) {
    const TDateTimeInfoRec& entry = port.PortInfoCollection.GetItem(i).FDateTimeInfoRec;
    const std::string section = InfoSectionName(suffix, i + 1);
    w.WriteText(section, "Text", entry.Text);
    w.WriteDate(section, "Date", entry.Date);
    w.WriteTime(section, "Time", entry.Time);
  }
  for (int i = 0; i < port.SoFCollection.Count(); ++i) {
    const TSoFRec& line = port.SoFCollection.GetItem(i).SoFRec();
    const std::string section = SoFSectionName(suffix, i + 1);
    w.WriteDate(section, "UntilDate", line.FUntilDate);
    w.WriteTime(section, "UntilTime", line.FUntilTime);
    w.WriteEnum(section, "Condition", line.FCondition);
    w.WriteText(section, "PctDisplayString", line.FPctDisplayString);
    w.WriteReal(section, "Pct", line.FPct);
    w.WriteText(section, "Remark", line.FRemark);
  }
}

void ReadPortSections(const TTransferReader& r, std::string_view s,
                      const std::vector<std::string>& infoSections,
                      const std::vector<std::string>& sofSections, TPortItem& port) {
  if (infoSections.size() > static_cast<std::size_t>(MaxTransferInfoEntries))
    throw ETransferError("The port " + std::string(s) + " has more than " +
                         std::to_string(MaxTransferInfoEntries) +
                         " informative entries. The file is damaged or not a transfer file.");
  if (sofSections.size() > static_cast<std::size_t>(MaxTransferSoFLines))
    throw ETransferError("The port " + std::string(s) + " has more than " +
                         std::to_string(MaxTransferSoFLines) +
                         " statement of facts lines. The file is damaged or not a transfer file.");

  TPortRec& p = port.PortData;
  p.PortName = r.ReadText(s, "PortName");
  p.OpLoading = r.ReadBool(s, "OpLoading", p.OpLoading);
  p.OpDischarging = r.ReadBool(s, "OpDischarging", p.OpDischarging);
  p.PortLoadUnits = r.ReadEnum<TLoadUnits>(s, "PortLoadUnits");
  p.PortLoadRate = r.ReadReal(s, "PortLoadRate");
  p.PortDespatchMode = r.ReadEnum<TCalcDespatch>(s, "PortDespatchMode");
  p.PortCalcCQD = r.ReadBool(s, "PortCalcCQD", p.PortCalcCQD);
  p.PortDemurrageRate = r.ReadReal(s, "PortDemurrageRate");
  p.PortDespatchRate = r.ReadReal(s, "PortDespatchRate");
  p.PortCommissionPct = r.ReadReal(s, "PortCommissionPct");
  p.CargoName = r.ReadText(s, "CargoName");
  p.CargoQuantity = r.ReadReal(s, "CargoQuantity");
  p.CargoUnits = Lower(Trim(r.ReadText(s, "CargoUnits")));
  p.LayTimeCountFrom.Date = r.ReadDate(s, "CountFromDate");
  p.LayTimeCountFrom.Time = r.ReadTime(s, "CountFromTime");
  p.LayTimeCountFrom.Text = r.ReadText(s, "CountFromText");
  p.LayTimeOpCompleted.Date = r.ReadDate(s, "CountUntilDate");
  p.LayTimeOpCompleted.Time = r.ReadTime(s, "CountUntilTime");
  p.LayTimeOpCompleted.Text = r.ReadText(s, "CountUntilText");
  p.ShexOption = r.ReadInteger(s, "ShexOption");
  p.ShexStartDay = r.ReadInteger(s, "ShexStartDay");
  p.ShexEndDay = r.ReadInteger(s, "ShexEndDay");
  p.ShexStartTime = r.ReadTime(s, "ShexStartTime");
  p.ShexEndTime = r.ReadTime(s, "ShexEndTime");
  p.PreAdvDate = r.ReadDate(s, "PreAdvDate");
  p.PreAdvTime = r.ReadTime(s, "PreAdvTime");
  p.PreAdvOffsDays = r.ReadInteger(s, "PreAdvOffsDays");
  p.PreAdvOffsTime = r.ReadTime(s, "PreAdvOffsTime");
  p.PortAddAllowanceDays = r.ReadInteger(s, "PortAddAllowanceDays");
  p.PortAddAllowanceTime = r.ReadTime(s, "PortAddAllowanceTime");
  p.pRemarks = r.ReadText(s, "Remarks");
  p.TankerMinTimeAllowance = r.ReadTime(s, "TankerMinTimeAllowance");

  port.PortInfoCollection.Clear();
  for (const std::string& section : infoSections) {
    TDateTimeInfoRec& entry = port.PortInfoCollection.Add().FDateTimeInfoRec;
    entry.Text = r.ReadText(section, "Text");
    entry.Date = r.ReadDate(section, "Date");
    entry.Time = r.ReadTime(section, "Time");
  }
  for (const std::string& section : sofSections) {
    TSoFLine& line = port.SoFCollection.Add();
    line.SetUntilDate(r.ReadDate(section, "UntilDate"));
    line.SetUntilTime(r.ReadTime(section, "UntilTime"));
    line.SetCondition(r.ReadEnum<TFactCode>(section, "Condition"));
    line.SetPctDisplayString(r.ReadText(section, "PctDisplayString"));
    line.SetPct(r.ReadReal(section, "Pct"));
    line.SetRemark(r.ReadText(section, "Remark"));
  }
}

} // namespace laytime
