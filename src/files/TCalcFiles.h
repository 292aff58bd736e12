// Saving and opening the calculation and template files of the open calculation, with the
// checks and messages of loading, the template a calculation was made from, the backup on
// save, and the lock on the open calculation file.
#pragma once

#include "core/VoyageRecords.h"
#include "files/FileEnvironment.h"
#include "files/FileFormat.h"
#include "files/HostFiles.h"
#include "files/LayItemIO.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace laytime {

class TCalculation;

/// Whether a load or save covers the whole file or only the settings block of a template.
enum class TFileScope { Everything, SettingsOnly };

/// The file layer of the one open calculation. It keeps what loading and saving share: the
/// sub-version of the calculation file last read (32 after a write), the identification of the
/// file last read, the name of the open calculation file and the lock held on it.
///
/// Every failure that ends an operation is thrown as an EFileError (EInOutError for errors of
/// the operating system) carrying the text the user sees.
class TCalcFiles {
public:
  TCalcFiles(TCalculation& calculation, TFileEnvironment environment);
  TCalcFiles(const TCalcFiles&) = delete;
  TCalcFiles& operator=(const TCalcFiles&) = delete;
  ~TCalcFiles();

  /// Writes the calculation (TFileKind::Calculation) or a template of it to `fileName`.
  /// Before writing, the status is stamped (template name, editing time, last save, creation,
  /// original name) and the hints of the current settings are recorded. The file is written to
  /// the name with the extension ".$$$", the previous file becomes the ".BAK" file and the new
  /// one takes its place; a saved calculation is then held open and locked, and becomes the
  /// current file. With TFileScope::SettingsOnly the existing template `fileName` gets the
  /// current settings block and keeps its records (the despatch and SHEX defaults applied).
  void SaveFile(const std::string& fileName, TFileKind kind,
                TFileScope scope = TFileScope::Everything);

  /// Clears the calculation and reads the file. A calculation file stays open and locked until
  /// another is opened, it is saved, or CloseCalculationFile; a template is read and closed, and
  /// leaves an unnamed calculation. Files of the version-6 format go to the legacy importer.
  /// After a failure the calculation holds one empty port and one empty pro-rata item, and no
  /// file is current.
  void OpenFile(const std::string& fileName, TFileKind kind);

  /// Reads a file image (all its bytes) named `name` into the calculation, with every check in
  /// order: size, type identifier, checksum over the file, sub-version range, the records, and
  /// the checksum of what the records read. With TFileScope::SettingsOnly (templates) only the
  /// template settings are read and replaced, and only when the whole block was read.
  /// After a failure of a whole load the voyage, status, ports (one empty port) and pro-rata
  /// items (one empty item) are cleared; a settings-only load leaves everything as it was.
  void LoadFile(std::span<const std::uint8_t> file, const std::string& name, TFileKind kind,
                TFileScope scope);

  /// Loads the settings of the template named in `status` from the template folder (the
  /// default template when it names none or names one that is missing). Problems are shown
  /// through the messages and never end the caller's load.
  void LoadTemplateOfCalculation(const TStatusRec& status);
  /// Loads the settings of the default template; problems are shown as above.
  void LoadDefaultTemplateSettings();

  /// The check of the opened calculation's hints against the current settings
  /// (CheckSettingsHints with the sub-version of the file last read).
  bool CheckSettingsHints(std::string& warnings) const;

  std::int32_t FileSubVersion() const { return FFileSubVersion; }
  const TInputMetaDataRec& InputMetaData() const { return FInputMetaData; }
  /// The current calculation file and its display name (file name without folder and
  /// extension); empty for an unnamed calculation.
  const std::string& CalcFileName() const { return FCalcFileName; }
  const std::string& CalcDisplayName() const { return FCalcDisplayName; }
  bool HoldsCalculationFile() const { return FHeldFile.IsOpen(); }
  /// Releases the open calculation file and forgets its name.
  void CloseCalculationFile();

private:
  std::string DecimalSeparator() const;
  double Now() const;
  std::string UserName() const;

  TFileHeader CheckHeader(std::span<const std::uint8_t> file, const std::string& name,
                          TFileKind kind);
  void ReadBody(std::span<const std::uint8_t> file, const TFileHeader& header, TFileKind kind,
                TFileScope scope);
  void ReadSettingsChecked(TByteReader& reader, const TRecordFormat& format);
  void ResetAfterFailedLoad();
  void LoadTemplateSettingsFrom(const std::string& path);
  void ImportLegacy(std::span<const std::uint8_t> file, const std::string& fileName,
                    std::string_view versionId);

  void StampStatus(const std::string& fileName);
  std::vector<std::uint8_t> MergeSettingsInto(const std::string& templateName);
  void ReplaceFile(const std::string& fileName, const std::vector<std::uint8_t>& image,
                   TFileKind kind);
  void SetCurrentFile(const std::string& fileName);

  TCalculation& FCalculation;
  TFileEnvironment FEnvironment;
  std::int32_t FFileSubVersion = SubVersion::Current;
  TInputMetaDataRec FInputMetaData;
  std::string FCalcFileName;
  std::string FCalcDisplayName;
  THostFile FHeldFile;
};

} // namespace laytime
