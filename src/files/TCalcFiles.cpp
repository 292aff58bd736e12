#include "files/TCalcFiles.h"

#include "core/DayTime.h"
#include "core/TextUtil.h"
#include "core/VoyageRules.h"
#include "files/Crc32.h"
#include "files/FileErrors.h"
#include "files/FileImage.h"
#include "files/SettingsHints.h"
#include "model/TCalculation.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <utility>

namespace laytime {

namespace {

constexpr std::size_t ChecksumBlockSize = 1024;

std::string_view KindWord(TFileKind kind) {
  return kind == TFileKind::Template ? "template" : "file";
}

/// The short string at the start of a file, as far as the 8-byte identifier field holds it.
std::string VersionIdOf(std::span<const std::uint8_t> file) {
  if (file.empty())
    return {};
  const std::size_t available = std::min<std::size_t>(file.size(), IdentifierFieldSize) - 1;
  const std::size_t length = std::min<std::size_t>(file[0], available);
  return std::string(reinterpret_cast<const char*>(file.data() + 1), length);
}

bool IsLegacyVersionId(std::string_view versionId) {
  return std::find(std::begin(LegacyVersionIds), std::end(LegacyVersionIds), versionId) !=
         std::end(LegacyVersionIds);
}

std::string VersionCheckMessage(TFileKind kind, const std::string& name) {
  if (kind == TFileKind::Template)
    return "Template version check failed. " + name + " is not a valid template";
  return "File version check failed. " + name + " is not a valid laytime calculation file";
}

std::string WithExtension(const std::string& fileName, const char* extension) {
  return std::filesystem::path(fileName).replace_extension(extension).string();
}

std::string FileStem(const std::string& fileName) {
  return std::filesystem::path(fileName).stem().string();
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty())
    return name;
  return (std::filesystem::path(folder) / name).string();
}

bool SameNameIgnoringCase(std::string_view left, std::string_view right) {
  return UpperCaseText(left) == UpperCaseText(right);
}

void CheckRecord(const TByteReader& reader) {
  if (!reader.Ok())
    throw EFileStructureError(reader.Error()->Offset, reader.Error()->Reason);
}

/// While a template's records are copied: a template whose settings switch despatch or SHEX
/// off passes that on to its voyage and ports, as the configuration does for the open
/// calculation.
void ApplyTemplateDefaults(TCalculation& calculation) {
  const TTemplateSettings& settings = calculation.TemplateSettings;
  TVoyageRec& voyage = calculation.Voyage;
  if (settings.DefaultDespatchDisabled) {
    voyage.DespatchDisabled = true;
    voyage.DespatchRateAllPorts = EmptyReal;
    voyage.DespatchRateLoading = EmptyReal;
    voyage.DespatchRateDischarging = EmptyReal;
  }
  voyage.ShexDisabled = settings.DefaultShexDisabled;
  for (int i = 0; i < calculation.Ports.Count(); ++i) {
    TPortRec& port = calculation.Ports.GetItem(i).PortData;
    if (settings.DefaultDespatchDisabled)
      port.PortDespatchRate = 0.0;
    if (settings.DefaultShexDisabled) {
      port.ShexStartDay = -1;
      port.ShexEndDay = -1;
      port.ShexStartTime = EmptyTime;
      port.ShexEndTime = EmptyTime;
    }
  }
}

} // namespace

TCalcFiles::TCalcFiles(TCalculation& calculation, TFileEnvironment environment)
    : FCalculation(calculation), FEnvironment(std::move(environment)) {}

TCalcFiles::~TCalcFiles() = default;

std::string TCalcFiles::DecimalSeparator() const {
  return FEnvironment.Locale->DecimalSeparator();
}

double TCalcFiles::Now() const {
  return FEnvironment.Now ? FEnvironment.Now() : HostNow();
}

std::string TCalcFiles::UserName() const {
  std::string name = FEnvironment.UserName ? FEnvironment.UserName() : HostUserName();
  return name.empty() ? std::string("unknown") : name;
}

void TCalcFiles::CloseCalculationFile() {
  FHeldFile.Close();
  FCalcFileName.clear();
  FCalcDisplayName.clear();
}

void TCalcFiles::SetCurrentFile(const std::string& fileName) {
  FCalcFileName = fileName;
  FCalcDisplayName = FileStem(fileName);
}

bool TCalcFiles::CheckSettingsHints(std::string& warnings) const {
  return laytime::CheckSettingsHints(FCalculation.Voyage, FFileSubVersion,
                                     FCalculation.ProgramSettings(), warnings);
}

// ---------------------------------------------------------------------------------------------
// Reading

TFileHeader TCalcFiles::CheckHeader(std::span<const std::uint8_t> file, const std::string& name,
                                    TFileKind kind) {
  const std::string kindWord(KindWord(kind));
  // The header needs the identifier, its length byte and 17 more bytes before any body.
  const std::size_t idLength = file.empty() ? 0 : file[0];
  if (file.size() <= idLength + 17)
    throw EFileError(kindWord + " too small. " + name + " is not a valid laytime calculation " +
                     kindWord + " or has been damaged");

  TByteReader reader(file);
  const TFileHeader header = ReadHeader(reader);
  if (kind == TFileKind::Template && header.TypeId != TemplateTypeId)
    throw EFileError("Template file type ID check failed. " + name + " is not a valid template");
  if (kind == TFileKind::Calculation && header.TypeId != CalculationTypeId)
    throw EFileError("Data file type ID check failed. " + name +
                     " is not a valid laytime calculation file");
  if (kind == TFileKind::Calculation)
    FFileSubVersion = header.SubVersion;

  // The register as the header fields left it, then the rest of the file in blocks.
  std::uint32_t crc = Crc32Start;
  Crc32Update(file.data(), header.ChecksumOffset, crc);
  for (auto block = reader.ReadBlock(ChecksumBlockSize); !block.empty();
       block = reader.ReadBlock(ChecksumBlockSize))
    Crc32Update(block.data(), block.size(), crc);
  if (crc != header.Checksum)
    throw EFileError(kindWord + " CRC checksum error. " + name +
                     " is corrupt or has been damaged during a transfer");

  if (header.SubVersion < SubVersion::Oldest)
    throw EFileError("Invalid " + kindWord + " version " + std::to_string(header.SubVersion) +
                     " - " + kindWord + "s with a pre-release version code below " +
                     std::to_string(SubVersion::Oldest) + " not supported.");
  if (header.SubVersion > SubVersion::Current)
    throw EFileError("This " + kindWord + " has been created with a newer version (data subver. " +
                     std::to_string(header.SubVersion) +
                     ") of the program and cannot be used with this version with data subcode " +
                     std::to_string(SubVersion::Current) +
                     "\r\nContact Quillmark for information on updates");
  return header;
}

void TCalcFiles::ReadSettingsChecked(TByteReader& reader, const TRecordFormat& format) {
  // Read into a copy, so that a block that cannot be read leaves the settings as they were.
  TTemplateSettings settings = FCalculation.TemplateSettings;
  ReadSettingsBlock(reader, settings, format);
  CheckRecord(reader);
  if (!settings.LogoFileName.empty() && FEnvironment.LoadLogo) {
    try {
      FEnvironment.LoadLogo(settings.LogoFileName);
    } catch (const std::exception& error) {
      FEnvironment.Messages->Inform(
          std::string("Error loading logo image, resetting to default.\r\n") + error.what());
      settings.LogoFileName.clear();
    }
  }
  FCalculation.TemplateSettings = std::move(settings);
}

void TCalcFiles::ReadBody(std::span<const std::uint8_t> file, const TFileHeader& header,
                          TFileKind kind, TFileScope scope) {
  const TRecordFormat format{kind, header.SubVersion};
  const std::string separator = DecimalSeparator();
  TByteReader reader(file, header.BodyOffset);
  if (format.IsTemplate())
    ReadSettingsChecked(reader, format);
  if (scope == TFileScope::SettingsOnly)
    return;

  TCalculation& calc = FCalculation;
  calc.Ports.Clear();
  calc.ProRata.Clear();
  ReadStatus(reader, calc.Status, format);
  CheckRecord(reader);
  if (format.IsCalculation())
    LoadTemplateOfCalculation(calc.Status);
  ReadVoyage(reader, calc.Voyage, format, calc.TemplateSettings, calc.ProgramSettings());
  CheckRecord(reader);
  ReadProRataSection(reader, calc.ProRata, format);
  CheckRecord(reader);
  ReadPortSection(reader, calc.Ports, format, separator);
  CheckRecord(reader);

  if (format.IsTemplate())
    calc.SetDefaultInfoEntriesFrom(calc.Ports);
  // The program always has a current port; a file without ports gets one empty port.
  if (calc.Ports.Count() == 0)
    calc.Ports.Add();

  // What the records read must be exactly what the checksum covered.
  if (ChecksumOfImage(file.first(reader.Position()), header.ChecksumOffset) != header.Checksum)
    throw EFileError("An internal load error occured. The CRC checksum is different from the file "
                     "CRC checksum. Call Quillmark for assistance");
}

void TCalcFiles::ResetAfterFailedLoad() {
  FCalculation.Clear();
  FCalculation.ProRata.Add();
}

void TCalcFiles::LoadFile(std::span<const std::uint8_t> file, const std::string& name,
                          TFileKind kind, TFileScope scope) {
  try {
    const TFileHeader header = CheckHeader(file, name, kind);
    if (scope == TFileScope::Everything) {
      FInputMetaData.F_ID = header.VersionId;
      if (kind == TFileKind::Calculation)
        FInputMetaData.DataFile_id = header.TypeId;
      FInputMetaData.F_Version = header.SubVersion;
      FInputMetaData.FileCRCValue = header.Checksum;
    }
    ReadBody(file, header, kind, scope);
  } catch (...) {
    // A settings-only load runs inside the load of a calculation, whose records it must not
    // touch; a failed whole load leaves a cleared calculation.
    if (scope == TFileScope::Everything)
      ResetAfterFailedLoad();
    throw;
  }
}

void TCalcFiles::ImportLegacy(std::span<const std::uint8_t> file, const std::string& fileName,
                              std::string_view versionId) {
  if (FEnvironment.LegacyImporter == nullptr)
    throw EFileError(fileName + " is a calculation file of version 6 of the program (" +
                     std::string(versionId) +
                     "). Importing such files is not available yet; the file was not changed.");
  LoadDefaultTemplateSettings();
  TByteReader reader(file, IdentifierFieldSize);
  FEnvironment.LegacyImporter->ImportLegacyFile(reader, versionId, fileName, FCalculation);
}

void TCalcFiles::OpenFile(const std::string& fileName, TFileKind kind) {
  CloseCalculationFile();
  FCalculation.Clear();
  try {
    const TFileAccess access =
        kind == TFileKind::Template ? TFileAccess::ReadShared : TFileAccess::ReadWriteExclusive;
    THostFile file = THostFile::Open(fileName, access);
    const std::vector<std::uint8_t> bytes = file.ReadAll();
    const std::string versionId = VersionIdOf(bytes);
    const bool legacy = IsLegacyVersionId(versionId);
    if (legacy) {
      file.Close();
      ImportLegacy(bytes, fileName, versionId);
    } else {
      if (versionId != CurrentVersionId)
        throw EFileError(VersionCheckMessage(kind, fileName));
      LoadFile(bytes, fileName, kind, TFileScope::Everything);
    }
    FCalculation.Status.BeginEdit = Now();
    ++FCalculation.Status.EditCount;
    // A template or an imported file starts a new, unnamed calculation.
    if (kind == TFileKind::Calculation && !legacy) {
      FHeldFile = std::move(file);
      SetCurrentFile(fileName);
    }
  } catch (...) {
    FCalculation.Clear();
    FCalculation.ProRata.Add();
    CloseCalculationFile();
    throw;
  }
}

void TCalcFiles::LoadTemplateSettingsFrom(const std::string& path) {
  try {
    THostFile file = THostFile::Open(path, TFileAccess::ReadShared);
    const std::vector<std::uint8_t> bytes = file.ReadAll();
    file.Close();
    if (VersionIdOf(bytes) != CurrentVersionId)
      throw EFileError("Invalid file version, cannot load template " + path +
                       ". Some options may be not available or invalid.");
    LoadFile(bytes, path, TFileKind::Template, TFileScope::SettingsOnly);
  } catch (const ELaytimeError& error) {
    FEnvironment.Messages->ShowError(error.what());
  }
}

void TCalcFiles::LoadTemplateOfCalculation(const TStatusRec& status) {
  const TProgramSettings& settings = FCalculation.ProgramSettings();
  const std::string defaultName = settings.DefaultTemplateName + ".ZQT";
  std::string name =
      status.TemplateName.empty() ? settings.DefaultTemplateName : status.TemplateName;
  if (name.find('.') == std::string::npos)
    name += ".ZQT";
  std::string path = JoinPath(settings.TemplatePath, name);
  if (!FileExists(path) && !SameNameIgnoringCase(name, defaultName)) {
    FEnvironment.Messages->Inform("Original template file " + path + " not found, using defaults");
    path = JoinPath(settings.TemplatePath, defaultName);
  }
  if (!FileExists(path)) {
    FEnvironment.Messages->Inform("WARNING: Required template file " + path +
                                  " not found. Some options may be not available or invalid.");
    return;
  }
  LoadTemplateSettingsFrom(path);
}

void TCalcFiles::LoadDefaultTemplateSettings() {
  const TProgramSettings& settings = FCalculation.ProgramSettings();
  const std::string path = JoinPath(settings.TemplatePath, settings.DefaultTemplateName + ".ZQT");
  if (!FileExists(path)) {
    FEnvironment.Messages->Inform("Default template file " + path +
                                  " not found. Some options may be not available or invalid.");
    return;
  }
  LoadTemplateSettingsFrom(path);
}

// ---------------------------------------------------------------------------------------------
// Writing

void TCalcFiles::StampStatus(const std::string& fileName) {
  TStatusRec& status = FCalculation.Status;
  const TProgramSettings& settings = FCalculation.ProgramSettings();
  if (status.TemplateName.empty())
    status.TemplateName = settings.DefaultTemplateName;
  if (status.TemplateName.find('.') == std::string::npos)
    status.TemplateName += ".ZQT";

  // Editing time is counted from the later of the opening and the previous save, so that saving
  // twice does not count the same time twice; a calculation never opened from a file (BeginEdit
  // 0) starts counting at its first save.
  const double now = Now();
  if (status.BeginEdit > 0.0 && now > status.BeginEdit)
    status.TotalEditTime += now - status.BeginEdit;
  status.BeginEdit = now;

  const TDayTime moment = DateTimeToDayTime(now);
  status.LastSaveDate = moment.Day;
  status.LastSaveTime = moment.Minute;
  status.LastSavedBy = UserName();
  if (status.CreateDate == EmptyDay) {
    status.CreateDate = moment.Day;
    status.CreateTime = moment.Minute;
    status.CreatedBy = status.LastSavedBy;
  }
  if (status.OriginalName.empty())
    status.OriginalName = FileStem(fileName);
}

std::vector<std::uint8_t> TCalcFiles::MergeSettingsInto(const std::string& templateName) {
  THostFile file = THostFile::Open(templateName, TFileAccess::ReadShared);
  const std::vector<std::uint8_t> bytes = file.ReadAll();
  file.Close();
  if (VersionIdOf(bytes) != CurrentVersionId)
    throw EFileError(VersionCheckMessage(TFileKind::Template, templateName));
  const TFileHeader header = CheckHeader(bytes, templateName, TFileKind::Template);

  // The old template's records are read with its own sub-version into a scratch calculation
  // and written again with the current one after the current settings.
  const TRecordFormat oldFormat{TFileKind::Template, header.SubVersion};
  TByteReader reader(bytes, header.BodyOffset);
  TTemplateSettings oldSettings;
  ReadSettingsBlock(reader, oldSettings, oldFormat);
  CheckRecord(reader);

  TCalculation scratch(FCalculation.ProgramSettings());
  scratch.TemplateSettings = FCalculation.TemplateSettings;
  scratch.Ports.Clear();
  scratch.ProRata.Clear();
  const std::string separator = DecimalSeparator();
  ReadStatus(reader, scratch.Status, oldFormat);
  ReadVoyage(reader, scratch.Voyage, oldFormat, scratch.TemplateSettings,
             scratch.ProgramSettings());
  ReadProRataSection(reader, scratch.ProRata, oldFormat);
  ReadPortSection(reader, scratch.Ports, oldFormat, separator);
  CheckRecord(reader);
  ApplyTemplateDefaults(scratch);

  const TRecordFormat newFormat{TFileKind::Template, SubVersion::Current};
  TByteWriter writer;
  const std::size_t checksumOffset = WriteHeader(writer, newFormat);
  WriteSettingsBlock(writer, FCalculation.TemplateSettings, newFormat);
  WriteCalculationRecords(writer, scratch, newFormat, separator);
  writer.PatchU32(checksumOffset, ChecksumOfImage(writer.Bytes(), checksumOffset));
  return writer.Bytes();
}

void TCalcFiles::ReplaceFile(const std::string& fileName, const std::vector<std::uint8_t>& image,
                             TFileKind kind) {
  const std::string temporary = WithExtension(fileName, ".$$$");
  WriteWholeFile(temporary, image);

  const bool calculation = kind == TFileKind::Calculation;
  std::string releasedPath;
  if (calculation && FHeldFile.IsOpen()) {
    releasedPath = FHeldFile.Path();
    FHeldFile.Close();
  }
  try {
    if (FileExists(fileName)) {
      const std::string backup = WithExtension(fileName, ".BAK");
      // A file another program holds open as its calculation cannot be moved to the backup
      // name; that is found out before the old backup is deleted, which then stays.
      if (IsLockedByAnotherHolder(fileName))
        throw EFileError("Unable to create backup file " + backup);
      if (FileExists(backup) && RemoveFile(backup) != 0)
        throw EFileError("Unable to delete old backup file " + backup);
      if (MoveFile(fileName, backup) != 0)
        throw EFileError("Unable to create backup file " + backup);
      if (MoveFile(temporary, fileName) != 0) {
        // The previous file takes its place again rather than leaving no file under the name.
        MoveFile(backup, fileName);
        throw EFileError("Unable to overwrite file");
      }
    } else if (MoveFile(temporary, fileName) != 0) {
      throw EFileError("Unable to overwrite file");
    }
  } catch (...) {
    if (!releasedPath.empty()) {
      try {
        FHeldFile = THostFile::Open(releasedPath, TFileAccess::ReadWriteExclusive);
      } catch (const ELaytimeError&) {
        // The save failure is what the user must see; the file is simply no longer held.
        CloseCalculationFile();
      }
    }
    throw;
  }

  if (calculation) {
    FHeldFile = THostFile::Open(fileName, TFileAccess::ReadWriteExclusive);
    SetCurrentFile(fileName);
  }
}

void TCalcFiles::SaveFile(const std::string& fileName, TFileKind kind, TFileScope scope) {
  if (scope == TFileScope::SettingsOnly) {
    ReplaceFile(fileName, MergeSettingsInto(fileName), TFileKind::Template);
    return;
  }
  StampStatus(fileName);
  StampHints(FCalculation.Voyage, FCalculation.ProgramSettings());
  const TRecordFormat format{kind, SubVersion::Current};
  ReplaceFile(fileName, WriteFileImage(FCalculation, format, DecimalSeparator()), kind);
  FFileSubVersion = SubVersion::Current;
}

} // namespace laytime
