// Export and import of transfer files: a whole calculation (.ZQA) or the statement of facts of
// one port (.ZQS), as scrambled INI text with a checksum line.
#pragma once

#include "core/Environment.h"
#include "core/FormatContext.h"
#include "files/FileEnvironment.h"
#include "files/TemporaryFiles.h"
#include "files/TransferDialogs.h"
#include "files/TransferRecords.h"
#include "files/TransferScrambler.h"

#include <cstddef>
#include <functional>
#include <random>
#include <string>
#include <string_view>

namespace laytime {

class TCalcFiles;
class TCalculation;
class TPortItem;

/// The largest transfer file read; a calculation of many ports with long statements of facts
/// takes a few hundred kilobytes.
inline constexpr std::size_t MaxTransferFileSize = 16u * 1024u * 1024u;

/// Whether a statement-of-facts import may go into the open calculation: from the menu it may,
/// from the command line it may not.
enum class TCurrentFileImport { Allowed, NotAllowed };

/// What the transfer files need from their caller.
struct TTransferEnvironment {
  TTransferEnvironment(IFileMessages& messages, ITransferDialogs& dialogs,
                       TTemporaryFiles& temporaryFiles, TFormatContext format)
      : Messages(&messages), Dialogs(&dialogs), TemporaryFiles(&temporaryFiles), Format(format) {}

  /// Information and errors shown while the work goes on (an error of an import ends it).
  IFileMessages* Messages;
  /// Questions and the progress display.
  ITransferDialogs* Dialogs;
  /// The main-window commands a statement-of-facts import may run; without them only the
  /// import into the open calculation is offered.
  ITransferCommands* Commands = nullptr;
  /// The program's list of files removed at its end.
  TTemporaryFiles* TemporaryFiles;
  /// The locale: reals are written with its decimal separator, and the creation moment of an
  /// incoming statement of facts is shown in its date form.
  TFormatContext Format;
  /// The current local moment (days since 30 December 1899); the host's clock when unset.
  std::function<double()> Now;
  /// The program's version, written into the identification.
  TProgramVersion Version = ProgramVersion();
  /// A new random scrambling header; a random generator of its own when unset.
  std::function<TScrambleHeader()> NewScrambleHeader;
};

/// The transfer files of the one open calculation.
///
/// Exports throw the error that stopped them (EInOutError for the operating system's). Imports
/// show every problem themselves and answer whether they imported: a calculation file that is
/// rejected, unreadable or declined by the user leaves the calculation empty (one empty port,
/// one empty pro-rata partner); such a statement-of-facts file leaves it as it is. A checksum that
/// differs is an error the user may pass over in two steps; a file without checksum line is
/// accepted, in a scrambled file with a warning that it could not be checked, unless its text is
/// garbled (a changed byte garbles everything after it), which counts as a checksum that differs.
/// A source that starts with "[ZQLAY" (any case) is read as unscrambled text. Temporary files
/// (the file's name with .$$A or .$$S in place of its extension, or added to a name that has it
/// already) are put on the removal list and removed at the end of each export and import.
class TTransferFiles {
public:
  /// `calcFiles` loads the template of an imported calculation.
  TTransferFiles(TCalculation& calculation, TCalcFiles& calcFiles,
                 TTransferEnvironment environment);

  /// Writes the open calculation to `fileName`. Texts that lose characters on the way (the
  /// format holds Windows-1252 only) are listed in an information message.
  void ExportCalculationTransfer(const std::string& fileName);
  /// Writes port `portIndex` with its informative entries and statement of facts, under the
  /// suffix 000 whichever port it is.
  void ExportSoFTransfer(const std::string& fileName, int portIndex);

  /// Replaces the open calculation by the file's. On success the calculation is unnamed and
  /// ImportedDisplayName gives its display name; the current port is the first.
  bool ImportCalculationTransfer(const std::string& fileName);
  /// The file name without folder and extension of the last calculation import.
  const std::string& ImportedDisplayName() const { return FImportedDisplayName; }

  /// Reads a statement-of-facts file into `port`, a port item apart from the calculation's
  /// ports, and its identification. False when the file is unreadable, rejected, declined, or
  /// has no section "PortData000".
  bool ReadSoFTransfer(const std::string& fileName, TDataIdentificationRecord& identification,
                       TPortItem& port);
  /// Reads a statement-of-facts file, asks where it goes and inserts its port there, ordered by
  /// the moment laytime counting begins. Gives the position of the inserted port, which becomes
  /// the current port, or −1 when nothing was imported.
  int ImportSoFTransfer(const std::string& fileName, TCurrentFileImport currentFile);

private:
  enum class TTransferKind { Calculation, SoF };

  double Now() const;
  TDataIdentificationRecord NewIdentification() const;
  void WriteTransferFile(const std::string& fileName, TTransferKind kind, const TTransferIni& ini,
                         const TTransferWriter& writer);
  std::string ReadTransferText(const std::string& fileName, TTransferKind kind,
                               std::string& temporary, bool& scrambled);
  bool AcceptChecksum(std::string_view text, TTransferKind kind, bool scrambled);
  void ResetCalculation();
  int InsertPort(const TPortItem& incoming);
  bool VesselCheckPasses(const std::string& incomingVessel);
  void RemoveSingleEmptyPort();

  TCalculation& FCalculation;
  TCalcFiles& FCalcFiles;
  TTransferEnvironment FEnvironment;
  std::mt19937 FRandom;
  std::string FImportedDisplayName;
};

/// The form in which two vessel names are compared: trimmed, in capitals, letters A–Z and
/// digits only, without a leading "MV" (MV Nordic Star and NORDIC STAR both give NORDICSTAR).
std::string ComparableVesselName(std::string_view name);

/// The file name the export of a port's statement of facts proposes: vessel name, "-" and port
/// name with every character other than the letters A–Z and a–z, digits, blanks and "-"
/// removed; empty when fewer than 4 characters remain.
std::string ProposedSoFFileName(std::string_view vesselName, std::string_view portName);

/// The imported port's position: the number of ports whose laytime counting begins earlier.
int SoFInsertPosition(const TCalculation& calculation, const TPortItem& incoming);

} // namespace laytime
