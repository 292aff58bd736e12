// The INI file that version 6 of the program kept its settings in, read for the import of its
// calculation files.
#pragma once

#include "core/FormatContext.h"
#include "core/Settings.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace laytime {

class IFileMessages;

/// What an imported version-6 calculation takes from its INI file besides the template
/// settings: the lists its header and ports point into, the event names of its ports, the
/// despatch terms, and the version-6 transfer options and number formats, which are kept here
/// for the import and do not replace the program's own settings.
struct TLegacyIniSettings {
  bool DisableDespatch = false;
  std::int32_t DespatchMode = 0;
  /// Entries in file order, trimmed, in capitals; an empty entry keeps its position.
  std::vector<std::string> Currencies;
  std::vector<std::string> CargoUnits;
  /// "TIME FLD 01" … "TIME FLD 10", cleaned: 01–06 name the informative entries, 07 the
  /// laytime-commences text and 08 the laytime-completed text.
  std::array<std::string, 10> EventNames{};

  // The version-6 transfer options ([Exchange]).
  std::string ExportPath = "C:\\EXCHANGE";
  std::string ImportPath = "C:\\EXCHANGE";
  bool DisableSave = false;
  bool QuotedStrings = true;
  bool Delimited = true;
  std::string FieldDelimiter = ";";
  std::string LineDelimiter = "\r\n";

  // Number formats of version 6; the percentages of imported lines are shown with these.
  int NumDecimals = 3;
  int DayDecimals = 5;
  int PctDecimals = 2;
};

/// The largest INI file read; version 6 wrote a few kilobytes.
inline constexpr std::size_t MaxLegacyIniSize = 1024u * 1024u;

/// Reads the version-6 INI file at `path`.
///
/// Before reading, the template settings get the limits version 6 worked with (laytime 365 days,
/// port time 90 days) and a single SHEX preset "None/SHINC" without days and times. A missing
/// file, or one without a section [Global] (also one too large or unreadable), is reported
/// through `messages` (the calculation must then be checked by hand) and leaves these values. From
/// [Global] come the despatch flag and mode, the load-days limit (with a full stop as decimal
/// separator), the currency and cargo-unit lists, the remark lists of conditions 0 to 11 (an empty
/// list gets one empty remark) and the ten event names; from [Exchange] the transfer options; from
/// [ShexTable] up to fourteen SHEX presets, their times read as typed times are. Keys missing from
/// the file leave the values as they are. Sections and keys are found whatever their case.
TLegacyIniSettings ReadLegacyIni(const std::string& path, TTemplateSettings& settings,
                                 IFileMessages& messages, const TFormatContext& format);

/// The cleaning of an event name: the full stop after every "@40." goes, double blanks become
/// one, and BERTHED and ACCEPTED (any case) become "Vessel BERTHED" and "Notice ACCEPTED".
std::string CleanLegacyEventName(std::string_view name);

/// A Boolean of the INI file: true when its first character is one of 1 J O T W Y j o t w y.
bool LegacyIniBoolean(std::string_view value);

} // namespace laytime
