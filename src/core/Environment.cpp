#include "core/Environment.h"

#include "core/TextUtil.h"
#include "core/generated/ProgramVersionInfo.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace laytime {

namespace {

constexpr const char* FallbackTempFileName = "$$$.TMP";

std::optional<std::string> NonEmpty(std::optional<std::string> value) {
  if (value && value->empty())
    return std::nullopt;
  return value;
}

std::optional<std::string> Home(const TEnvironmentLookup& environment) {
  return NonEmpty(environment("HOME"));
}

std::string ConfigHome(const TEnvironmentLookup& environment) {
  if (const auto configured = NonEmpty(environment("XDG_CONFIG_HOME")))
    return *configured;
  const auto home = Home(environment);
  return home ? *home + "/.config" : std::string();
}

// The value of XDG_<key>_DIR in user-dirs.dirs, a line such as XDG_DOCUMENTS_DIR="$HOME/Docs".
std::optional<std::string> UserDirsEntry(const TEnvironmentLookup& environment,
                                         std::string_view key) {
  const std::string configHome = ConfigHome(environment);
  if (configHome.empty())
    return std::nullopt;
  std::ifstream file(configHome + "/user-dirs.dirs");
  const std::string wanted = "XDG_" + std::string(key) + "_DIR=";
  std::string line;
  while (std::getline(file, line)) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.substr(0, wanted.size()) != wanted)
      continue;
    std::string value(Trim(trimmed.substr(wanted.size())));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) {
      const auto home = Home(environment);
      if (!home)
        return std::nullopt;
      value = *home + value.substr(5);
    }
    return NonEmpty(value);
  }
  return std::nullopt;
}

std::string UserFolder(const TEnvironmentLookup& environment, std::string_view key,
                       std::string_view fallbackName) {
  if (const auto configured = NonEmpty(environment("XDG_" + std::string(key) + "_DIR")))
    return *configured;
  if (const auto listed = UserDirsEntry(environment, key))
    return *listed;
  const auto home = Home(environment);
  return home ? *home + "/" + std::string(fallbackName) : std::string();
}

std::string WithoutTrailingSeparator(std::string path) {
  while (path.size() > 1 && path.back() == '/')
    path.pop_back();
  return path;
}

} // namespace

std::string TempFolder() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  if (error)
    return {};
  std::string text = folder.string();
  if (text.empty() || text.back() != '/')
    text += '/';
  return text;
}

std::string TempFileName() {
  const std::string folder = TempFolder();
  if (folder.empty())
    return FallbackTempFileName;
  std::string pattern = folder + "ZQXXXXXX";
  const int descriptor = mkstemp(pattern.data());
  if (descriptor < 0)
    return FallbackTempFileName;
  close(descriptor);
  return pattern;
}

std::optional<std::string> ProcessEnvironment(std::string_view name) {
  const char* value = std::getenv(std::string(name).c_str());
  if (value == nullptr)
    return std::nullopt;
  return std::string(value);
}

std::string SpecialFolder(TSpecialFolder id, const TEnvironmentLookup& environment) {
  switch (id) {
  case TSpecialFolder::Documents:
    return WithoutTrailingSeparator(UserFolder(environment, "DOCUMENTS", "Documents"));
  case TSpecialFolder::SharedDocuments:
    return WithoutTrailingSeparator(UserFolder(environment, "PUBLICSHARE", "Public"));
  case TSpecialFolder::AppData:
    return WithoutTrailingSeparator(ConfigHome(environment));
  }
  return {};
}

TProgramVersion ProgramVersion() {
  return {detail::VersionMajor, detail::VersionMinor, detail::VersionRelease, detail::VersionBuild};
}

bool CheckPrinter(const IPrinterInfo& printers,
                  const std::function<void(std::string_view message)>& showMessage) {
  if (printers.PrinterCount() > 0)
    return true;
  showMessage(NoPrinterMessage);
  return false;
}

} // namespace laytime
