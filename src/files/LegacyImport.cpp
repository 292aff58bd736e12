#include "files/LegacyImport.h"

#include "core/Calendar.h"
#include "core/DayTime.h"
#include "core/NumberText.h"
#include "core/TextUtil.h"
#include "core/VoyageRules.h"
#include "core/Windows1252.h"
#include "files/ByteReader.h"
#include "files/LegacyIni.h"
#include "model/TCalculation.h"
#include "model/TSHexCollection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <vector>

namespace laytime {

namespace {

/// The versions in the order they were released; a rule "from NVR52 to NVR65" compares them.
enum class TLegacyVersion { NVR52, NVR57, NVR60, NVR63, NVR64, NVR65, NVR66, NVR68, NVR69 };

constexpr std::array<std::string_view, 9> LegacyIds = {"NVR52", "NVR57", "NVR60", "NVR63", "NVR64",
                                                       "NVR65", "NVR66", "NVR68", "NVR69"};

constexpr std::size_t LongHeaderSize = 288;
constexpr std::size_t LongPortSize = 259;
constexpr std::size_t SoFLineSize = 56;
constexpr int ChartererCount = 10;
constexpr std::size_t ChartererEntrySize = 57;
constexpr std::uint8_t NoLegacyWeekday = 255;
constexpr TDayNumber LegacyDayOffset = 17532;

TLegacyVersion VersionOf(std::string_view versionId) {
  const auto found = std::find(LegacyIds.begin(), LegacyIds.end(), versionId);
  if (found == LegacyIds.end())
    throw ELegacyImportError(std::string(versionId) + " is not a version 6 calculation file.");
  return static_cast<TLegacyVersion>(found - LegacyIds.begin());
}

/// A record of the file in a buffer of fixed size; fields are read at their offsets.
class TRecordBuffer {
public:
  explicit TRecordBuffer(std::size_t size) : FBytes(size, 0) {}

  /// Fills the first `count` bytes from the reader; the rest stay zero.
  void ReadFrom(TByteReader& reader, std::size_t count) {
    std::fill(FBytes.begin(), FBytes.end(), 0);
    const std::string bytes = reader.ReadBytes(count);
    if (!reader.Ok())
      throw ELegacyImportError(std::string(LegacyFileDamagedMessage));
    std::memcpy(FBytes.data(), bytes.data(), bytes.size());
  }

  void Clear(std::size_t from, std::size_t to) {
    std::fill(FBytes.begin() + static_cast<std::ptrdiff_t>(from),
              FBytes.begin() + static_cast<std::ptrdiff_t>(to) + 1, 0);
  }

  std::uint8_t U8(std::size_t offset) const { return FBytes.at(offset); }
  std::int16_t I16(std::size_t offset) const { return Reader(offset).ReadI16(); }
  std::int32_t I32(std::size_t offset) const { return Reader(offset).ReadI32(); }
  /// A real; what is not a finite number counts as not entered.
  double F64(std::size_t offset) const {
    const double value = Reader(offset).ReadF64();
    return std::isfinite(value) ? value : EmptyReal;
  }
  /// A short string of `capacity` characters (a field of capacity + 1 bytes); a length byte
  /// beyond the field is taken as the field's capacity.
  std::string Str(std::size_t offset, std::size_t capacity) const {
    const std::size_t length = std::min<std::size_t>(FBytes.at(offset), capacity);
    const std::size_t available = std::min(length, FBytes.size() - offset - 1);
    return Windows1252ToUtf8(
        std::string_view(reinterpret_cast<const char*>(FBytes.data() + offset + 1), available));
  }

private:
  TByteReader Reader(std::size_t offset) const { return TByteReader(FBytes, offset); }

  std::vector<std::uint8_t> FBytes;
};

/// The header of a version-6 file, with the changes each version needs.
struct TLegacyHeader {
  std::string VesselName;
  std::string VoyInfo2;
  std::string VoyInfo1;
  std::int16_t CPDate = 0;
  std::int16_t LastUpdate = 0;
  std::int16_t PortCount = 0;
  std::uint8_t Mode = 0;
  std::int32_t TimeSaved = 0;
  std::uint8_t CurrencyPosition = 0;
  bool NotAlwaysOnDemurrage = false;
  std::int32_t FixtureNo = EmptyInt;
  std::int32_t VoyageId = EmptyInt;
  bool Locked = false;
  bool AllPurpose = false;
  std::uint8_t Unit = 0;
  double DemurrageRate = EmptyReal;
  double DespatchRate = EmptyReal;
  double CommissionPct = EmptyReal;
  std::int16_t BLDate = 0;
  std::string UniqueFileName;
  std::string ContractNo;
  double LoadRate = EmptyReal;
  std::string IniName;
};

TLegacyHeader ReadHeader(TByteReader& reader, TLegacyVersion version, const TLegacyLayout& layout) {
  TRecordBuffer b(LongHeaderSize);
  b.ReadFrom(reader, layout.HeaderSize);
  b.Clear(132, 139);
  b.Clear(144, 144);
  if (version == TLegacyVersion::NVR52)
    b.Clear(146, 146);

  TLegacyHeader h;
  h.VesselName = b.Str(0, 40);
  h.VoyInfo2 = b.Str(41, 40);
  h.VoyInfo1 = b.Str(82, 40);
  h.CPDate = b.I16(123);
  h.LastUpdate = b.I16(125);
  h.PortCount = b.I16(129);
  h.Mode = b.U8(131);
  h.TimeSaved = b.I32(140);
  h.CurrencyPosition = b.U8(145);
  h.NotAlwaysOnDemurrage = b.U8(146) != 0;
  h.FixtureNo = b.I32(147);
  h.VoyageId = b.I32(151);
  h.Locked = b.U8(155) != 0;
  h.AllPurpose = b.U8(156) != 0;
  h.Unit = b.U8(157);
  h.DemurrageRate = b.F64(160);
  h.DespatchRate = b.F64(168);
  h.CommissionPct = b.F64(176);
  h.BLDate = b.I16(184);
  h.UniqueFileName = b.Str(186, 10);
  h.ContractNo = b.Str(197, 10);
  h.LoadRate = b.F64(208);
  h.IniName = b.Str(216, LongHeaderSize - 216 - 1);

  if (layout.ChartererSize == 0) {
    h.FixtureNo = EmptyInt;
    h.VoyageId = EmptyInt;
  }
  if (version <= TLegacyVersion::NVR65) {
    h.BLDate = 0;
    h.Locked = false;
  }
  if (version <= TLegacyVersion::NVR66) {
    h.AllPurpose = false;
    h.Unit = 0;
    h.LoadRate = EmptyReal;
  }
  return h;
}

void ReadCharterers(TByteReader& reader, const TLegacyLayout& layout, TCalculation& calculation) {
  TRecordBuffer b(layout.ChartererSize);
  b.ReadFrom(reader, layout.ChartererSize);
  for (int i = 0; i < ChartererCount; ++i) {
    const std::size_t entry = static_cast<std::size_t>(i) * ChartererEntrySize;
    const std::string name(Trim(b.Str(entry, 40)));
    const double quantity = b.F64(entry + 41);
    if (!(quantity > 0.0) && name.empty())
      continue;
    TProRataItem& partner = calculation.ProRata.Add();
    partner.ProRataRec.Charterer = name;
    partner.ProRataRec.Quantity = quantity;
  }
}

std::string EntryOrEmpty(const std::vector<std::string>& list, std::size_t position) {
  return position < list.size() ? list[position] : std::string();
}

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

/// Puts the word of the port's operation in place of the first "@40" of an event name.
std::string WithOperationWord(std::string name, std::uint8_t operation) {
  const std::size_t at = name.find("@40");
  if (at == std::string::npos)
    return name;
  const char* word = operation == 1   ? "Loading"
                     : operation == 2 ? "Discharging"
                     : operation == 3 ? "Load/Disc."
                                      : "Operation";
  return name.replace(at, 3, word);
}

TMinuteOfDay LegacyTime(std::int16_t minutes) {
  return minutes;
}

std::int32_t LegacyWeekday(std::uint8_t day) {
  return day == NoLegacyWeekday ? -1 : day;
}

/// What the ports tell the voyage: for older versions its all-ports rates, and in the
/// all-reversible mode its time-saved clause (the last port's, in both cases).
struct TPortFacts {
  double DemurrageRate = EmptyReal;
  double DespatchRate = EmptyReal;
  double CommissionPct = EmptyReal;
  bool HaveRates = false;
  bool HaveDespatchMode = false;
  TCalcDespatch DespatchMode = TCalcDespatch::calcUndef;
};

void ReadPort(TByteReader& reader, TLegacyVersion version, const TLegacyLayout& layout,
              const TLegacyHeader& header, const TLegacyIniSettings& ini, TCalculation& calculation,
              TPortFacts& facts) {
  TRecordBuffer b(LongPortSize);
  b.ReadFrom(reader, layout.PortSize);
  b.Clear(127, 130);
  if (version == TLegacyVersion::NVR52)
    b.Clear(120, 120);

  TPortItem& port = calculation.Ports.Add();
  TPortRec& p = port.PortData;
  const std::uint8_t operation = b.U8(114);
  p.PortName = b.Str(0, 44);
  p.PortDespatchMode = static_cast<TCalcDespatch>(b.U8(45));
  p.CargoQuantity = b.F64(46);
  p.PortLoadRate = b.F64(54);
  p.PortDemurrageRate = b.F64(62);
  p.PortDespatchRate = b.F64(70);
  p.LayTimeOpCompleted.Date = LegacyDayToDay(b.I16(98));
  p.LayTimeOpCompleted.Time = LegacyTime(b.I16(100));
  p.LayTimeCountFrom.Date = LegacyDayToDay(b.I16(102));
  p.LayTimeCountFrom.Time = LegacyTime(b.I16(104));
  p.PortLoadUnits = static_cast<TLoadUnits>(b.U8(120));
  p.ShexStartDay = LegacyWeekday(b.U8(121));
  p.ShexEndDay = LegacyWeekday(b.U8(122));
  p.ShexStartTime = LegacyTime(b.I16(123));
  p.ShexEndTime = LegacyTime(b.I16(125));
  p.PortCommissionPct = layout.PortSize < LongPortSize ? EmptyReal : b.F64(131);
  p.PreAdvDate = LegacyDayToDay(b.I16(139));
  p.PreAdvTime = LegacyTime(b.I16(141));
  const std::int16_t offsetDays = b.I16(143);
  p.PreAdvOffsDays = offsetDays == EmptyTime ? EmptyDay : offsetDays;
  p.PreAdvOffsTime = LegacyTime(b.I16(145));

  if (version <= TLegacyVersion::NVR57) {
    if (p.PortLoadUnits == TLoadUnits::load_undef)
      p.PortLoadUnits =
          p.PortLoadRate <= 99.99 ? TLoadUnits::load_days : TLoadUnits::load_units_p_day;
    p.ShexStartDay = -1;
    p.ShexEndDay = -1;
    p.ShexStartTime = EmptyTime;
    p.ShexEndTime = EmptyTime;
  }
  if (version <= TLegacyVersion::NVR64) {
    facts.DemurrageRate = p.PortDemurrageRate;
    facts.DespatchRate = p.PortDespatchRate;
    facts.CommissionPct = p.PortCommissionPct;
    facts.HaveRates = true;
  }
  if (version <= TLegacyVersion::NVR65) {
    p.PreAdvDate = EmptyDay;
    p.PreAdvTime = EmptyTime;
    p.PreAdvOffsDays = EmptyDay;
    p.PreAdvOffsTime = EmptyTime;
  }

  p.PortCalcCQD = false;
  p.CargoName.clear();
  p.CargoUnits = LowerCase(std::string(Trim(EntryOrEmpty(ini.CargoUnits, b.U8(115)))));
  p.OpLoading = operation == 1 || operation == 3;
  p.OpDischarging = operation == 2 || operation == 3;
  p.TimeUsed = EmptyInt;
  p.TimeAllowed = EmptyInt;
  p.pRemarks.clear();
  if (header.Mode == 2) {
    facts.DespatchMode = p.PortDespatchMode;
    facts.HaveDespatchMode = true;
  }
  p.ShexOption = FindShexPreset(calculation.TemplateSettings.ShexPresets, p);
  p.LayTimeCountFrom.Text = WithOperationWord(ini.EventNames[6], operation);
  p.LayTimeOpCompleted.Text = WithOperationWord(ini.EventNames[7], operation);

  // The six informative entries: dates at 78, 82, 86, 90, 94 and 116, each time two bytes on.
  constexpr std::array<std::size_t, 6> entryOffsets = {78, 82, 86, 90, 94, 116};
  std::vector<std::string> names;
  for (std::size_t i = 0; i < entryOffsets.size(); ++i)
    names.push_back(WithOperationWord(ini.EventNames[i], operation));
  calculation.TemplateSettings.InfoEntryTexts = names;
  calculation.DefaultInfoEntries.Clear();
  port.PortInfoCollection.Clear();
  for (std::size_t i = 0; i < entryOffsets.size(); ++i) {
    calculation.DefaultInfoEntries.Add().FDateTimeInfoRec.Text = names[i];
    TDateTimeInfoRec& entry = port.PortInfoCollection.Add().FDateTimeInfoRec;
    entry.Text = names[i];
    const std::int16_t day = b.I16(entryOffsets[i]);
    const std::int16_t time = b.I16(entryOffsets[i] + 2);
    // The sixth entry came late; records from before have zeros there.
    const bool unused = i == 5 && day == 0 && time == 0;
    entry.Date = unused ? EmptyDay : LegacyDayToDay(day);
    entry.Time = unused ? EmptyTime : LegacyTime(time);
  }
}

void ReadSoFLines(TByteReader& reader, const TLegacyIniSettings& ini, TCalculation& calculation,
                  const TFormatContext& format) {
  TRecordBuffer b(SoFLineSize);
  const int portCount = calculation.Ports.Count();
  while (reader.Remaining() > 0) {
    b.ReadFrom(reader, SoFLineSize);
    const std::int16_t portNumber = b.I16(0);
    if (portNumber < 1 || portNumber > portCount)
      throw ERangeError("Statement of facts line with invalid port id. " +
                        std::to_string(portNumber) + " is not within the valid range of 1.." +
                        std::to_string(portCount));
    TSoFLine& line = calculation.Ports.GetItem(portNumber - 1).SoFCollection.Add();
    const double pct = b.F64(6);
    line.SetUntilDate(LegacyDayToDay(b.I16(2)));
    line.SetUntilTime(LegacyTime(b.I16(4)));
    line.SetCondition(static_cast<TFactCode>(b.U8(14)));
    line.SetPct(pct);
    line.SetPctDisplayString(RealToStr(pct, ini.PctDecimals, true, format));
    line.SetRemark(b.Str(15, 40));
  }
}

/// The INI file's place: its file name from the header, in the version-6 program folder or the
/// current folder; a file whose name differs only in case is taken when there is no exact one.
std::string LegacyIniPath(const TLegacyHeader& header, const TCalculation& calculation,
                          const TLegacyImportEnvironment& environment) {
  if (!environment.IniFile.empty())
    return environment.IniFile;
  std::string name(Trim(header.IniName));
  const std::size_t slash = name.find_last_of("\\/:");
  if (slash != std::string::npos)
    name.erase(0, slash + 1);
  if (name.empty())
    name = "NVRWIN.INI";
  std::string folder = calculation.ProgramSettings().NVR6ProgramPath;
  if (folder.empty())
    folder = environment.CurrentFolder;
  std::error_code error;
  if (folder.empty())
    folder = std::filesystem::current_path(error).string();
  const std::filesystem::path exact = std::filesystem::path(folder) / name;
  if (std::filesystem::exists(exact, error))
    return exact.string();
  const std::string wanted = UpperCaseText(name);
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (UpperCaseText(it->path().filename().string()) == wanted)
      return it->path().string();
  }
  return exact.string();
}

void FillVoyage(const TLegacyHeader& h, const TPortFacts& facts, const TLegacyIniSettings& ini,
                TVoyageRec& v) {
  v.VesselName = h.VesselName;
  v.VoyInfo2 = h.VoyInfo2;
  v.VoyInfo1 = h.VoyInfo1;
  v.CPDate = LegacyDayToDay(h.CPDate);
  v.LastUpdate = LegacyDayToDay(h.LastUpdate);
  v.PortMode = h.Mode == 1   ? TPortMode::NonReversible
               : h.Mode == 2 ? TPortMode::AllReversible
               : h.Mode == 3 ? TPortMode::AllAverage
                             : TPortMode::Undef_PortMode;
  v.total_time_saved = h.TimeSaved;
  v.total_time_allowed = 0;
  v.total_time_used = 0;
  v.Currency = EntryOrEmpty(ini.Currencies, h.CurrencyPosition);
  v.AlwaysOnDemurrage = !h.NotAlwaysOnDemurrage;
  v.FixtureNo = h.FixtureNo == EmptyInt ? std::string() : std::to_string(h.FixtureNo);
  v.VoyageId = h.VoyageId;
  v.Locked = h.Locked;
  v.AllPurposeAllPorts = h.AllPurpose;
  v.LoadUnitsAllPorts = static_cast<TLoadUnits>(h.Unit);
  v.DemurrageRateAllPorts = facts.HaveRates ? facts.DemurrageRate : h.DemurrageRate;
  v.DespatchRateAllPorts = facts.HaveRates ? facts.DespatchRate : h.DespatchRate;
  v.CommissionPctAllPorts = facts.HaveRates ? facts.CommissionPct : h.CommissionPct;
  v.BL_date = LegacyDayToDay(h.BLDate);
  v.UniqueFileName = h.UniqueFileName;
  v.ContractNo = h.ContractNo;
  v.LoadRateAllPorts = h.LoadRate;
  v.unused_TemplateName = Trim(h.IniName).empty() ? std::string("NVRWIN.INI") : h.IniName;
  if (v.PortMode != TPortMode::AllReversible)
    v.DespatchModeAllPorts =
        static_cast<TCalcDespatch>(static_cast<std::uint32_t>(ini.DespatchMode) & 0xFFu);
  else if (facts.HaveDespatchMode)
    v.DespatchModeAllPorts = facts.DespatchMode;
  v.Modified = true;
  // Version 6 kept each charterer's quantity for the whole voyage only; the flag, which a
  // cleared voyage keeps, must not survive from the calculation open before.
  v.ProRataPerPort = false;
  v.DespatchDisabled = ini.DisableDespatch;
  v.ShexDisabled = false;
  v.Remarks.clear();
}

void ShowProgress(IProgressDisplay* display, const std::string& text) {
  if (display != nullptr)
    display->ShowProgress(text);
}

/// Shows a progress text for as long as the object lives.
class TProgressScope {
public:
  TProgressScope(IProgressDisplay* display, const std::string& text) : FDisplay(display) {
    if (FDisplay != nullptr)
      FDisplay->ShowProgress(text);
  }
  TProgressScope(const TProgressScope&) = delete;
  TProgressScope& operator=(const TProgressScope&) = delete;
  ~TProgressScope() {
    if (FDisplay != nullptr)
      FDisplay->CloseProgress();
  }

private:
  IProgressDisplay* FDisplay;
};

} // namespace

TDayNumber LegacyDayToDay(std::int16_t legacyDay) {
  return legacyDay <= 0 ? EmptyDay : legacyDay + LegacyDayOffset;
}

TLegacyLayout LegacyLayoutOf(std::string_view versionId) {
  const TLegacyVersion version = VersionOf(versionId);
  TLegacyLayout layout;
  layout.HeaderSize = version >= TLegacyVersion::NVR65 ? 288 : 160;
  layout.ChartererSize = version >= TLegacyVersion::NVR64 ? 716 : 0;
  layout.PortSize = version >= TLegacyVersion::NVR64 ? 259 : 131;
  return layout;
}

void ImportLegacyFile(TByteReader& reader, std::string_view versionId, TCalculation& calculation,
                      const TLegacyImportEnvironment& environment, double fileMoment) {
  TProgressScope progress(environment.Progress, "Loading calculation");
  try {
    if (reader.Data().size() > MaxLegacyFileSize)
      throw ELegacyImportError(std::string(LegacyFileDamagedMessage));
    const TLegacyVersion version = VersionOf(versionId);
    const TLegacyLayout layout = LegacyLayoutOf(versionId);
    calculation.Clear();
    calculation.Ports.Clear();

    const TLegacyHeader header = ReadHeader(reader, version, layout);
    if (layout.ChartererSize > 0)
      ReadCharterers(reader, layout, calculation);

    ShowProgress(environment.Progress, "Loading configuration");
    const TLegacyIniSettings ini =
        ReadLegacyIni(LegacyIniPath(header, calculation, environment), calculation.TemplateSettings,
                      *environment.Messages, environment.Format);
    ShowProgress(environment.Progress, "Loading calculation");

    TPortFacts facts;
    for (int i = 0; i < header.PortCount && reader.Remaining() > 0; ++i)
      ReadPort(reader, version, layout, header, ini, calculation, facts);
    ReadSoFLines(reader, ini, calculation, environment.Format);

    FillVoyage(header, facts, ini, calculation.Voyage);
    if (fileMoment > 0.0) {
      const TDayTime moment = DateTimeToDayTime(fileMoment);
      calculation.Status.LastSaveDate = moment.Day;
      calculation.Status.LastSaveTime = moment.Minute;
    }
    // The program always has a current port.
    if (calculation.Ports.Count() == 0)
      calculation.Ports.Add();
  } catch (...) {
    ClearVoyage(calculation.Voyage, calculation.TemplateSettings);
    calculation.Ports.Clear();
    calculation.Ports.Add();
    calculation.ProRata.Clear();
    calculation.ProRata.Add();
    throw;
  }
}

double FileMomentOf(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0)
    return 0.0;
  std::tm local{};
  if (::localtime_r(&status.st_mtime, &local) == nullptr)
    return 0.0;
  const std::optional<TDayNumber> day =
      TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  if (!day)
    return 0.0;
  const int seconds = local.tm_hour * 3600 + local.tm_min * 60 + std::min(local.tm_sec, 59);
  return *day + seconds / 86400.0;
}

void TLegacyImporter::ImportLegacyFile(TByteReader& reader, std::string_view versionId,
                                       const std::string& fileName, TCalculation& calculation) {
  laytime::ImportLegacyFile(reader, versionId, calculation, FEnvironment, FileMomentOf(fileName));
}

} // namespace laytime
