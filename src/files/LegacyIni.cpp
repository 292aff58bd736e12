#include "files/LegacyIni.h"

#include "core/Errors.h"
#include "core/TextUtil.h"
#include "core/TimeText.h"
#include "core/Windows1252.h"
#include "files/FileEnvironment.h"
#include "files/HostFiles.h"
#include "files/TransferIni.h"
#include "model/ShortString.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

namespace laytime {

namespace {

/// The condition names of the remark keys, for conditions 0 to 11 in order.
constexpr std::array<std::string_view, 12> ConditionKeyNames = {"UNDEF", "FULL", "RAIN",  "NTC",
                                                                "SHFT",  "HTC",  "PART",  "ALWPART",
                                                                "EXCL",  "WAIT", "SHINC", "SHPART"};

constexpr std::uint8_t NoLegacyWeekday = 255;

std::string TwoDigits(int number) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", number);
  return buffer;
}

/// Reads the keys of an INI text as the profile functions of version 6 did: values trimmed,
/// a pair of enclosing quotation marks dropped, bytes of Windows-1252.
class TLegacyIniReader {
public:
  explicit TLegacyIniReader(const TTransferIni& ini) : FIni(ini) {}

  std::optional<std::string> Text(std::string_view section, std::string_view key) const {
    const std::string* stored = FIni.FindValue(section, key);
    if (stored == nullptr)
      return std::nullopt;
    std::string_view value = Trim(*stored);
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (quoted)
      value = value.substr(1, value.size() - 2);
    return Windows1252ToUtf8(value);
  }

  std::string TextOr(std::string_view section, std::string_view key,
                     const std::string& fallback) const {
    return Text(section, key).value_or(fallback);
  }

  /// A Boolean key is looked up with its underscores written as blanks.
  void Boolean(std::string_view section, std::string_view key, bool& value) const {
    std::string name(key);
    for (char& c : name) {
      if (c == '_')
        c = ' ';
    }
    if (const std::optional<std::string> text = Text(section, name))
      value = LegacyIniBoolean(*text);
  }

  std::optional<std::int32_t> Integer(std::string_view section, std::string_view key) const {
    const std::optional<std::string> text = Text(section, key);
    if (!text)
      return std::nullopt;
    return TryStrToInt(Trim(*text));
  }

  bool HasSection(std::string_view section) const { return FIni.SectionExists(section); }

private:
  const TTransferIni& FIni;
};

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> entries;
  std::string rest = text;
  while (!rest.empty()) {
    const std::string entry = SplitToken(rest, ';');
    entries.push_back(UpperCaseText(Trim(entry)));
  }
  return entries;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  // Built by appending, which also keeps GCC 12 from a false -Wrestrict warning on replace.
  std::string result;
  std::size_t start = 0;
  for (std::size_t at = text.find(from); at != std::string_view::npos;
       at = text.find(from, start)) {
    result.append(text.substr(start, at - start)).append(to);
    start = at + from.size();
  }
  return result.append(text.substr(start));
}

/// The weekday of a SHEX day key: 255 (or a negative or unreadable value) for none, else the
/// value mod 7.
std::int16_t PresetWeekday(const std::optional<std::int32_t>& value) {
  const std::int32_t day = value.value_or(NoLegacyWeekday);
  if (day == NoLegacyWeekday || day < 0)
    return EmptyTime;
  return static_cast<std::int16_t>(day % 7);
}

void ReadGlobal(const TLegacyIniReader& ini, TLegacyIniSettings& legacy,
                TTemplateSettings& settings) {
  constexpr std::string_view global = "Global";
  ini.Boolean(global, "DISABLE_DESPATCH", legacy.DisableDespatch);
  if (const auto mode = ini.Integer(global, "DESPATCH MODE"))
    legacy.DespatchMode = *mode;
  if (const auto limit = ini.Text(global, "LOADDAYS LIMIT")) {
    const std::string_view text = Trim(*limit);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (!text.empty() && error == std::errc() && end == text.data() + text.size() &&
        std::isfinite(value))
      settings.LoadDaysLimit = value;
  }
  if (const auto currencies = ini.Text(global, "CURRENCY STR"))
    legacy.Currencies = SplitList(*currencies);
  if (const auto units = ini.Text(global, "CARGO UNIT STR"))
    legacy.CargoUnits = SplitList(*units);

  for (std::size_t code = 0; code < ConditionKeyNames.size(); ++code) {
    std::vector<std::string>& remarks = settings.RemarkLists[code];
    remarks.clear();
    for (int n = 1; n <= 6; ++n) {
      const std::string key = std::string(ConditionKeyNames[code]) + " 0" + std::to_string(n);
      const std::string remark(Trim(ini.TextOr(global, key, "")));
      if (!remark.empty())
        remarks.push_back(StorableShortString(remark));
    }
    if (remarks.empty())
      remarks.emplace_back();
  }

  for (int n = 1; n <= 10; ++n) {
    if (const auto name = ini.Text(global, "TIME FLD " + TwoDigits(n)))
      legacy.EventNames[static_cast<std::size_t>(n - 1)] = CleanLegacyEventName(Trim(*name));
  }
}

void ReadExchange(const TLegacyIniReader& ini, TLegacyIniSettings& legacy) {
  constexpr std::string_view exchange = "Exchange";
  legacy.ExportPath = ini.TextOr(exchange, "Export_Path", legacy.ExportPath);
  legacy.ImportPath = ini.TextOr(exchange, "Import_Path", legacy.ImportPath);
  ini.Boolean(exchange, "Disable_Save", legacy.DisableSave);
  ini.Boolean(exchange, "ASCII_QuotedStrings", legacy.QuotedStrings);
  ini.Boolean(exchange, "ASCII_Delimited", legacy.Delimited);
  legacy.FieldDelimiter = ini.TextOr(exchange, "ASCII_FieldDelimiter", legacy.FieldDelimiter);
}

void ReadShexTable(const TLegacyIniReader& ini, TTemplateSettings& settings,
                   const TFormatContext& format) {
  constexpr std::string_view table = "ShexTable";
  for (int n = 1; n <= 14; ++n) {
    const std::string number = TwoDigits(n);
    const std::string title(Trim(ini.TextOr(table, "ShexTitle " + number, "")));
    if (title.empty())
      continue;
    TShexRec preset;
    preset.Remark = StorableShortString(title);
    preset.FromDay = PresetWeekday(ini.Integer(table, "ShexStartDay " + number));
    preset.UntilDay = PresetWeekday(ini.Integer(table, "ShexEndDay " + number));
    // A period over the end of the week ends in the following week.
    if (preset.FromDay != EmptyTime && preset.UntilDay != EmptyTime &&
        preset.UntilDay < preset.FromDay)
      preset.UntilDay = static_cast<std::int16_t>(preset.UntilDay + 7);
    preset.FromTime = StrToZQTimeValue(ini.TextOr(table, "ShexStartTime " + number, ""), format);
    preset.UntilTime = StrToZQTimeValue(ini.TextOr(table, "ShexEndTime " + number, ""), format);
    settings.ShexPresets.push_back(std::move(preset));
  }
}

/// The text of the INI file; nothing when there is no such file. A file that is there but too
/// large or unreadable gives the empty text, which has no section Global and so is invalid.
std::optional<std::string> ReadSmallFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error))
    return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > MaxLegacyIniSize)
    return std::string();
  try {
    const std::vector<std::uint8_t> bytes =
        THostFile::Open(path, TFileAccess::ReadShared).ReadAll();
    if (bytes.size() > MaxLegacyIniSize)
      return std::string();
    return std::string(bytes.begin(), bytes.end());
  } catch (const ELaytimeError&) {
    return std::string();
  }
}

} // namespace

bool LegacyIniBoolean(std::string_view value) {
  return !value.empty() &&
         std::string_view("1JOTWYjotwy").find(value.front()) != std::string_view::npos;
}

std::string CleanLegacyEventName(std::string_view name) {
  std::string cleaned = ReplaceAll(std::string(name), "@40.", "@40");
  while (cleaned.find("  ") != std::string::npos)
    cleaned = ReplaceAll(cleaned, "  ", " ");
  const std::string upper = UpperCaseText(cleaned);
  if (upper == "BERTHED")
    return "Vessel " + cleaned;
  if (upper == "ACCEPTED")
    return "Notice " + cleaned;
  return cleaned;
}

TLegacyIniSettings ReadLegacyIni(const std::string& path, TTemplateSettings& settings,
                                 IFileMessages& messages, const TFormatContext& format) {
  TLegacyIniSettings legacy;
  settings.LaytimeLimitDays = 365;
  settings.PortTimeLimitDays = 90;
  TShexRec none;
  none.Remark = "None/SHINC";
  settings.ShexPresets = {none};

  const std::string advice = " Some items may be missing or invalid and must be adjusted "
                             "manually.\r\nCarefully check the imported calculation file before "
                             "using it.";
  const std::optional<std::string> text = ReadSmallFile(path);
  if (!text) {
    messages.Inform("WARNING: Required INI file " + path + " not found." + advice);
    return legacy;
  }
  const TTransferIni parsed = TTransferIni::Parse(*text);
  const TLegacyIniReader ini(parsed);
  if (!ini.HasSection("Global")) {
    messages.Inform("WARNING: Required INI file " + path + " invalid." + advice);
    return legacy;
  }
  ReadGlobal(ini, legacy, settings);
  ReadExchange(ini, legacy);
  ReadShexTable(ini, settings, format);
  return legacy;
}

} // namespace laytime
