// The host environment as the file, shell and mail parts need it: temporary files, the
// user's folders, the program's version and whether anything can be printed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace laytime {

/// The host's folder for temporary files with a trailing separator; the empty string when
/// the host names none that exists.
std::string TempFolder();

/// A new file in TempFolder() named ZQ plus a unique suffix. The file is created (empty) in
/// the same step as its name is chosen, so no other process can take the name; "$$$.TMP" when
/// no file can be created there.
std::string TempFileName();

enum class TSpecialFolder {
  Documents,       ///< the user's documents
  SharedDocuments, ///< documents shared with other users of the machine
  AppData,         ///< the user's application settings
};

/// Reads an environment variable; nothing when it is not set.
using TEnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

/// The process environment.
std::optional<std::string> ProcessEnvironment(std::string_view name);

/// The path of a special folder, without trailing separator, or the empty string when the host
/// does not know it. Documents and shared documents are the XDG user folders "DOCUMENTS" and
/// "PUBLICSHARE" (from the environment or user-dirs.dirs, else ~/Documents and ~/Public);
/// application data is $XDG_CONFIG_HOME, else ~/.config.
std::string SpecialFolder(TSpecialFolder id,
                          const TEnvironmentLookup& environment = ProcessEnvironment);

struct TProgramVersion {
  int Major = 0;
  int Minor = 0;
  int Release = 0;
  int Build = 0;

  bool operator==(const TProgramVersion&) const = default;
};

/// The four numbers of the program's version.
TProgramVersion ProgramVersion();

/// What the printing system reports; the app implements it over its printer support.
class IPrinterInfo {
public:
  virtual ~IPrinterInfo() = default;
  /// The number of installed printers; 0 as well when the printing system is unavailable.
  virtual int PrinterCount() const = 0;
};

inline constexpr std::string_view NoPrinterMessage =
    "No printer installed. Please install a printer first and make sure to have a default "
    "printer selected.";

/// True when at least one printer is installed; otherwise shows NoPrinterMessage through
/// `showMessage` and gives false. Previewing, printing and printer setup stop on false.
bool CheckPrinter(const IPrinterInfo& printers,
                  const std::function<void(std::string_view message)>& showMessage);

} // namespace laytime
