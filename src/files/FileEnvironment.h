// What the file layer needs from its caller: a place for texts that only inform, the clock,
// the user's name, the logo check, the locale, and the importer of version-6 files.
#pragma once

#include "core/Locale.h"

#include <functional>
#include <string>
#include <string_view>

namespace laytime {

class TByteReader;
class TCalculation;

/// Texts shown to the user while loading goes on. The file layer never opens a window itself;
/// errors that end an operation are thrown instead.
class IFileMessages {
public:
  virtual ~IFileMessages() = default;
  /// A text that only informs ("Original template file … not found, using defaults").
  virtual void Inform(const std::string& text) = 0;
  /// An error that was caught so that loading could go on (a template that could not be read).
  virtual void ShowError(const std::string& text) = 0;
};

/// Imports a file of the version-6 predecessor into the cleared calculation.
class ILegacyImporter {
public:
  virtual ~ILegacyImporter() = default;
  /// `reader` stands after the 8-byte identifier field; `versionId` is that identifier
  /// ("NVR52" … "NVR69"); `fileName` is the file being opened, whose own date and time the
  /// import records.
  virtual void ImportLegacyFile(TByteReader& reader, std::string_view versionId,
                                const std::string& fileName, TCalculation& calculation) = 0;
};

struct TFileEnvironment {
  explicit TFileEnvironment(IFileMessages& messages, const ILocale& locale)
      : Messages(&messages), Locale(&locale) {}

  IFileMessages* Messages;
  /// Gives the percentage display strings of the statement of facts their decimal separator.
  const ILocale* Locale;
  /// The current local moment (days since 30 December 1899, time of day as fraction).
  std::function<double()> Now;
  /// The user's name for the status stamps; "unknown" when there is none.
  std::function<std::string()> UserName;
  /// Loads the logo picture named in a template's settings; throws ELaytimeError with the
  /// reason when it cannot. Without it logo names are taken as they stand.
  std::function<void(const std::string& fileName)> LoadLogo;
  /// Without an importer, version-6 files are recognised and refused with a clear message.
  ILegacyImporter* LegacyImporter = nullptr;
};

} // namespace laytime
