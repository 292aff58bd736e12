// The import of calculation files of version 6 of the program (identifiers NVR52 to NVR69,
// usually named .DAT) with the INI file they were made with.
#pragma once

#include "core/Errors.h"
#include "core/FormatContext.h"
#include "core/ZQTypes.h"
#include "files/FileEnvironment.h"
#include "files/TransferDialogs.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace laytime {

class TByteReader;
class TCalculation;

/// A version-6 file that ends inside a record.
class ELegacyImportError : public ELaytimeError {
public:
  using ELaytimeError::ELaytimeError;
};

/// The message of a version-6 file that cannot be read to its end.
inline constexpr std::string_view LegacyFileDamagedMessage =
    "The file is damaged or too short. The version 6 calculation could not be imported.";

/// The largest version-6 file read: 32767 ports and a statement of facts of 300000 lines fit.
inline constexpr std::size_t MaxLegacyFileSize = 24u * 1024u * 1024u;

/// A day of version 6: 0 or less is no day, d is the day number d + 17532 (1 is 1 January 1948).
TDayNumber LegacyDayToDay(std::int16_t legacyDay);

/// The sizes of the parts of a version-6 file, which depend on its identifier.
struct TLegacyLayout {
  std::size_t HeaderSize = 0;    ///< 160 or 288
  std::size_t ChartererSize = 0; ///< 716, or 0 when the version has no charterer block
  std::size_t PortSize = 0;      ///< 131 or 259
};
/// The layout of an identifier "NVR52" … "NVR69"; throws ELegacyImportError for any other.
TLegacyLayout LegacyLayoutOf(std::string_view versionId);

/// What the import needs besides the file and the calculation.
struct TLegacyImportEnvironment {
  TLegacyImportEnvironment(IFileMessages& messages, TFormatContext format)
      : Messages(&messages), Format(format) {}

  /// Receives the warnings about the INI file.
  IFileMessages* Messages;
  /// Shows "Loading calculation" and "Loading configuration"; none when unset.
  IProgressDisplay* Progress = nullptr;
  /// Reads the SHEX times of the INI file and writes the percentages of the lines.
  TFormatContext Format;
  /// Where the INI file is looked for when no version-6 program folder is set (the program's
  /// current folder when empty).
  std::string CurrentFolder;
  /// The INI file to read whatever name the file's header gives (the command line's --ini);
  /// when empty the INI file is looked up as ImportLegacyFile says.
  std::string IniFile;
};

/// Imports the version-6 file read by `reader`, which stands after the 8-byte identifier field,
/// into the calculation, whose voyage, ports and partners are replaced. `versionId` is the
/// identifier; `fileMoment` the file's own date and time (days since 30 December 1899, 0 when
/// unknown), which becomes the last-save moment of the status.
///
/// The INI file is the environment's IniFile when that is set; otherwise the one named in the
/// header (default "NVRWIN.INI", only its file name counts), looked up in the version-6 program
/// folder of the program settings, else in the current folder; a name that differs only in case
/// is found too. It fills the template settings (see
/// ReadLegacyIni).
///
/// A file that ends inside a record, or a statement-of-facts line of a port that does not
/// exist, leaves an empty calculation (cleared voyage, one empty port, one empty pro-rata
/// partner) and throws: ELegacyImportError with LegacyFileDamagedMessage, or ERangeError
/// "Statement of facts line with invalid port id. %d is not within the valid range of 1..%d",
/// so that the user learns why nothing was imported.
void ImportLegacyFile(TByteReader& reader, std::string_view versionId, TCalculation& calculation,
                      const TLegacyImportEnvironment& environment, double fileMoment);

/// The local moment of the file's last change, as days since 30 December 1899; 0 when the file
/// cannot be asked.
double FileMomentOf(const std::string& path);

/// The legacy importer handed to the calculation files, so that opening a version-6 file
/// imports it.
class TLegacyImporter final : public ILegacyImporter {
public:
  explicit TLegacyImporter(TLegacyImportEnvironment environment)
      : FEnvironment(std::move(environment)) {}

  /// The import of the file `fileName`, whose own date and time become the last-save moment.
  void ImportLegacyFile(TByteReader& reader, std::string_view versionId,
                        const std::string& fileName, TCalculation& calculation) override;

private:
  TLegacyImportEnvironment FEnvironment;
};

} // namespace laytime
