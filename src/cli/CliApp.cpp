#include "cli/CliApp.h"

#include "calc/CalculateVoyage.h"
#include "calc/CanCalculate.h"
#include "cli/CalculationJson.h"
#include "cli/CliSettings.h"
#include "cli/Json.h"
#include "cli/ResultList.h"
#include "cli/TextAccount.h"
#include "core/Locale.h"
#include "core/TextUtil.h"
#include "files/FileEnvironment.h"
#include "files/FileErrors.h"
#include "files/FileImage.h"
#include "files/HostFiles.h"
#include "files/LegacyImport.h"
#include "files/TCalcFiles.h"
#include "files/TTransferFiles.h"
#include "model/TCalculation.h"
#include "report/ResultReport.h"
#include "report/TextRenderer.h"
#include "report/qt/ReportOutput.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace laytime::cli {

std::string UsageText() {
  return "Usage: laytime-cli COMMAND [ARGUMENTS] [OPTIONS]\n"
         "\n"
         "Commands:\n"
         "  dump FILE                   print the calculation or template as JSON\n"
         "  make JSON -o FILE           write a .ZQL, .ZQT, .ZQA or .ZQS from JSON\n"
         "  calc FILE [--json]          validate and calculate; print the result\n"
         "  report FILE (--pdf|--rtf|--text) OUT [--partner N | --all]\n"
         "                              write the result report\n"
         "  result-list FOLDER [-o LIST]\n"
         "                              net results of every .ZQL file of the data folder\n"
         "  compare LIST [--folder DIR] compare the net results with a result list\n"
         "\n"
         "FILE is a .ZQL, .ZQT, .ZQA or .ZQS file or a version-6 file; the extension decides\n"
         "how it is read (.ZQT as a template, .ZQA and .ZQS as transfer files, any other as a\n"
         "calculation).\n"
         "\n"
         "Options of every command:\n"
         "  --set NAME=VALUE            a program setting by its stored value name (repeatable)\n"
         "  --defaults                  start from the built-in program settings\n"
         "  --template-dir DIR          the template folder (TemplatePath)\n"
         "  --default-template NAME     the default template (DefaultTemplateName)\n"
         "  --ini FILE                  the INI file of a version-6 file\n"
         "  --yes, --no                 the answer to every question of the file layer\n"
         "  --quiet                     no informational messages\n"
         "  --help                      this text\n"
         "\n"
         "Exit status: 0 done, 1 a validation or calculation finding or differences found,\n"
         "2 a usage error, 3 a file that cannot be read or written.\n";
}

namespace {

/// The answer to the questions of the file layer.
enum class TAnswer { Unset, Yes, No };

enum class TReportFormat { None, Pdf, Rtf, Text };

struct TOptions {
  std::string Command;
  std::vector<std::string> Positional;
  std::vector<std::pair<std::string, std::string>> Settings;
  bool Defaults = false;
  std::optional<std::string> TemplateDir;
  std::optional<std::string> DefaultTemplate;
  std::optional<std::string> Ini;
  TAnswer Answer = TAnswer::Unset;
  bool Quiet = false;
  bool Help = false;
  std::optional<std::string> Output;
  bool Json = false;
  TReportFormat Report = TReportFormat::None;
  std::optional<int> Partner;
  bool All = false;
  std::optional<std::string> Folder;
};

bool IsCommand(const std::string& word) {
  return word == "dump" || word == "make" || word == "calc" || word == "report" ||
         word == "result-list" || word == "compare";
}

TOptions ParseArguments(const std::vector<std::string>& arguments) {
  TOptions options;
  auto value = [&](std::size_t& i, const std::string& option) -> std::string {
    if (i + 1 >= arguments.size())
      throw EUsageError("the option " + option + " needs a value");
    return arguments[++i];
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (a == "--help" || a == "-h") {
      options.Help = true;
    } else if (a == "--set") {
      const std::string setting = value(i, a);
      const std::size_t equals = setting.find('=');
      if (equals == std::string::npos || equals == 0)
        throw EUsageError("--set expects NAME=VALUE, not \"" + setting + "\"");
      options.Settings.emplace_back(setting.substr(0, equals), setting.substr(equals + 1));
    } else if (a == "--defaults") {
      options.Defaults = true;
    } else if (a == "--template-dir") {
      options.TemplateDir = value(i, a);
    } else if (a == "--default-template") {
      options.DefaultTemplate = value(i, a);
    } else if (a == "--ini") {
      options.Ini = value(i, a);
    } else if (a == "--yes" || a == "--no") {
      const TAnswer answer = a == "--yes" ? TAnswer::Yes : TAnswer::No;
      if (options.Answer != TAnswer::Unset && options.Answer != answer)
        throw EUsageError("--yes and --no exclude each other");
      options.Answer = answer;
    } else if (a == "--quiet") {
      options.Quiet = true;
    } else if (a == "-o") {
      options.Output = value(i, a);
    } else if (a == "--json") {
      options.Json = true;
    } else if (a == "--pdf" || a == "--rtf" || a == "--text") {
      if (options.Report != TReportFormat::None)
        throw EUsageError("only one of --pdf, --rtf and --text may be given");
      options.Report = a == "--pdf"   ? TReportFormat::Pdf
                       : a == "--rtf" ? TReportFormat::Rtf
                                      : TReportFormat::Text;
      options.Output = value(i, a);
    } else if (a == "--partner") {
      const std::string text = value(i, a);
      if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
          }))
        throw EUsageError("--partner expects a partner number 0, 1, ..., not \"" + text + "\"");
      options.Partner = std::stoi(text);
    } else if (a == "--all") {
      options.All = true;
    } else if (a == "--folder") {
      options.Folder = value(i, a);
    } else if (a.size() > 1 && a[0] == '-') {
      throw EUsageError("unknown option " + a);
    } else if (options.Command.empty()) {
      if (!IsCommand(a))
        throw EUsageError("unknown command \"" + a + "\"");
      options.Command = a;
    } else {
      options.Positional.push_back(a);
    }
  }
  if (options.Help)
    return options;
  if (options.Command.empty())
    throw EUsageError("no command given");

  const std::string& c = options.Command;
  auto refuse = [&](bool given, const char* option) {
    if (given)
      throw EUsageError("the option " + std::string(option) + " does not belong to " + c);
  };
  refuse(options.Json && c != "calc", "--json");
  refuse(options.Report != TReportFormat::None && c != "report", "--pdf/--rtf/--text");
  refuse(options.Partner.has_value() && c != "report", "--partner");
  refuse(options.All && c != "report", "--all");
  refuse(options.Folder.has_value() && c != "compare", "--folder");
  refuse(options.Output.has_value() && c != "make" && c != "result-list" && c != "report", "-o");
  if (options.Positional.size() != 1)
    throw EUsageError(c + " expects exactly one " +
                      (c == "make"          ? "JSON file"
                       : c == "result-list" ? "folder"
                       : c == "compare"     ? "list"
                                            : "file"));
  if (c == "make" && !options.Output)
    throw EUsageError("make needs -o FILE");
  if (c == "report") {
    if (options.Report == TReportFormat::None)
      throw EUsageError("report needs --pdf, --rtf or --text with the output file");
    if (options.Partner && options.All)
      throw EUsageError("--partner and --all exclude each other");
  }
  return options;
}

/// The file layer's messages: informative texts unless quiet, caught errors always, both on
/// the error stream.
class TCliMessages final : public IFileMessages {
public:
  TCliMessages(std::ostream& err, bool quiet) : FErr(err), FQuiet(quiet) {}
  void Inform(const std::string& text) override {
    if (!FQuiet)
      FErr << text << "\n";
  }
  /// Kept until the operation ends: an error that ended it becomes the tool's own error
  /// message (TakeLastError); errors the operation went on after are printed (Flush).
  void ShowError(const std::string& text) override { FErrors.push_back(text); }
  void Flush() {
    for (const std::string& text : FErrors)
      FErr << text << "\n";
    FErrors.clear();
  }
  /// Prints the errors before the last and gives the last, or `fallback` when there was none.
  std::string TakeLastError(const std::string& fallback) {
    if (FErrors.empty())
      return fallback;
    std::string last = FErrors.back();
    FErrors.pop_back();
    Flush();
    return last;
  }

private:
  std::vector<std::string> FErrors;
  std::ostream& FErr;
  bool FQuiet;
};

std::string UpperExtension(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return extension;
}

std::string DisplayNameOf(const std::string& path) {
  return std::filesystem::path(path).stem().string();
}

/// The answers to the questions of the file layer: --yes passes over what it may, --no and no
/// option keep every change or loss of data away. Progress is not shown.
class TCliDialogs final : public ITransferDialogs {
public:
  explicit TCliDialogs(TAnswer answer) : FYes(answer == TAnswer::Yes) {}
  void ShowProgress(const std::string&) override {}
  void CloseProgress() override {}
  TAbortIgnore AskAbortIgnore(const std::string&) override {
    return FYes ? TAbortIgnore::Ignore : TAbortIgnore::Abort;
  }
  bool AskYesNo(const std::string&) override { return FYes; }
  TYesNoCancel AskYesNoCancel(const std::string&) override {
    return FYes ? TYesNoCancel::Yes : TYesNoCancel::No;
  }
  TSoFImportChoice ConfirmSoFImport(const TSoFImportConfirmation& confirmation) override {
    return FYes ? confirmation.Preselected : TSoFImportChoice::DoNotImport;
  }

private:
  bool FYes;
};

/// The program settings of a run: the stored ones unless --defaults, then the options.
TProgramSettings ResolveSettings(const TOptions& options) {
  TProgramSettings settings;
  if (!options.Defaults)
    ReadStoredSettings(settings);
  for (const auto& [name, value] : options.Settings)
    ApplySetting(settings, name, value);
  if (options.TemplateDir)
    settings.TemplatePath = *options.TemplateDir;
  if (options.DefaultTemplate)
    settings.DefaultTemplateName = *options.DefaultTemplate;
  return settings;
}

/// The one calculation of a run with its settings and file layer.
class TSession {
public:
  TSession(const TOptions& options, std::ostream& err)
      : Settings(ResolveSettings(options)), FMessages(err, options.Quiet), FDialogs(options.Answer),
        FLegacyImporter(LegacyEnvironment(options.Ini.value_or(""))), Calculation(Settings),
        Files(Calculation, FileEnvironment()),
        Transfer(Calculation, Files,
                 TTransferEnvironment(FMessages, FDialogs, FTemporaryFiles,
                                      TFormatContext{IsoLocale(), Settings.DateFormat})) {}
  TSession(const TSession&) = delete;
  TSession& operator=(const TSession&) = delete;
  ~TSession() { FTemporaryFiles.RemoveAll(); }

  /// As the app starts: the default template's settings, when one is named.
  void LoadDefaultTemplate() {
    if (!Settings.DefaultTemplateName.empty())
      Files.LoadDefaultTemplateSettings();
    FMessages.Flush();
  }

  /// Reads a file into the calculation as the app's open dialogs do, by its extension, but
  /// without the editing stamps of opening, so that what is read is what the file holds.
  TFileKind Load(const std::string& path) {
    TFileKind kind = TFileKind::Calculation;
    try {
      kind = LoadByExtension(path);
    } catch (const EFileError&) {
      throw;
    } catch (const ELaytimeError& error) {
      // Whatever stops the reading of a file (a damaged version-6 file, say) is a file that
      // cannot be read.
      throw EFileError(error.what());
    }
    FMessages.Flush();
    return kind;
  }

  const TProgramSettings Settings;

private:
  TFileKind LoadByExtension(const std::string& path) {
    const std::string extension = UpperExtension(path);
    if (extension == ".ZQA") {
      Calculation.Clear();
      if (!Transfer.ImportCalculationTransfer(path))
        throw EFileError(
            FMessages.TakeLastError("The transfer file " + path + " was not imported"));
      return TFileKind::Calculation;
    }
    if (extension == ".ZQS") {
      Calculation.Clear();
      TPortItem port(Calculation);
      TDataIdentificationRecord identification;
      if (!Transfer.ReadSoFTransfer(path, identification, port))
        throw EFileError(
            FMessages.TakeLastError("The transfer file " + path + " was not imported"));
      Calculation.Ports.GetItem(0).Assign(port);
      return TFileKind::Calculation;
    }
    const TFileKind kind = extension == ".ZQT" ? TFileKind::Template : TFileKind::Calculation;
    THostFile file = THostFile::Open(path, TFileAccess::ReadShared);
    const std::vector<std::uint8_t> bytes = file.ReadAll();
    file.Close();
    if (!IsCurrentFormat(bytes)) {
      // Version-6 files and foreign files take the app's way, with its import and messages.
      Files.OpenFile(path, kind);
      Files.CloseCalculationFile();
      return kind;
    }
    Calculation.Clear();
    Files.LoadFile(bytes, path, kind, TFileScope::Everything);
    // As after opening in the app: a calculation made under another pro-rata method, rounding
    // or rate unit is calculated under the settings of this run, which the user should know.
    std::string warnings;
    if (kind == TFileKind::Calculation && Files.CheckSettingsHints(warnings)) {
      std::istringstream lines(warnings);
      for (std::string line; std::getline(lines, line);)
        if (!Trim(line).empty())
          FMessages.Inform(std::string(Trim(line)));
    }
    return kind;
  }

  /// The version-6 import; `iniFile` (--ini) is read instead of the INI file the header names.
  TLegacyImportEnvironment LegacyEnvironment(const std::string& iniFile) {
    TLegacyImportEnvironment environment(FMessages,
                                         TFormatContext{IsoLocale(), Settings.DateFormat});
    environment.Progress = &FDialogs;
    environment.IniFile = iniFile;
    return environment;
  }

  TFileEnvironment FileEnvironment() {
    TFileEnvironment environment(FMessages, IsoLocale());
    environment.LegacyImporter = &FLegacyImporter;
    return environment;
  }

  static bool IsCurrentFormat(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= 1 + CurrentVersionId.size() && bytes[0] == CurrentVersionId.size() &&
           std::equal(CurrentVersionId.begin(), CurrentVersionId.end(), bytes.begin() + 1);
  }

  TCliMessages FMessages;
  TCliDialogs FDialogs;
  TTemporaryFiles FTemporaryFiles;
  TLegacyImporter FLegacyImporter;

public:
  TCalculation Calculation;
  TCalcFiles Files;
  TTransferFiles Transfer;
};

/// The report draws with the fonts of Qt's GUI module, which needs an application object; a
/// headless tool uses the offscreen platform unless the caller chose one.
void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr)
    return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  // Without a session runtime folder (as under cron or root) Qt falls back to one of its own
  // and warns on stderr; a private temporary folder keeps the tool's output to its own texts.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    static const QTemporaryDir runtimeFolder;
    if (runtimeFolder.isValid())
      qputenv("XDG_RUNTIME_DIR", runtimeFolder.path().toLocal8Bit());
  }
  static int argc = 1;
  static char name[] = "laytime-cli";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
}

std::string ReadTextFile(const std::string& path) {
  THostFile file = THostFile::Open(path, TFileAccess::ReadShared);
  const std::vector<std::uint8_t> bytes = file.ReadAll();
  return std::string(bytes.begin(), bytes.end());
}

void WriteTextFile(const std::string& path, const std::string& text) {
  WriteWholeFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

/// The validation and calculation every result shares. On a finding it says what and where.
struct TCalcOutcome {
  TCalcFinding Finding;
  TVoyageCalcResult Result;
};

TCalcOutcome ValidateAndCalculate(TCalculation& calculation) {
  TCalcOutcome outcome;
  outcome.Finding = CanCalculate(calculation, TProRataCheck::Check);
  if (!outcome.Finding.Valid())
    return outcome;
  try {
    outcome.Result = CalculateVoyage(calculation);
  } catch (const ELaytimeError& error) {
    outcome.Finding.Place = TFindingPlace::Voyage;
    outcome.Finding.Message = error.what();
    return outcome;
  }
  if (!outcome.Result.ResultProduced) {
    outcome.Finding.Place = TFindingPlace::Voyage;
    outcome.Finding.Message = "Invalid timesheet calculation.";
  }
  return outcome;
}

TJsonValue IndexOrNull(int index) {
  return index < 0 ? TJsonValue() : TJsonValue::Integer(index);
}

int CommandDump(const TOptions& options, TSession& session, std::ostream& out) {
  session.LoadDefaultTemplate();
  const TFileKind kind = session.Load(options.Positional[0]);
  out << WriteJson(CalculationToJson(session.Calculation, kind, TJsonResults::Omit));
  return static_cast<int>(TExitCode::Done);
}

int CommandMake(const TOptions& options, TSession& session) {
  const std::string text = ReadTextFile(options.Positional[0]);
  TJsonValue document;
  try {
    document = ParseJson(text);
  } catch (const EJsonSyntaxError& error) {
    throw EUsageError(options.Positional[0] + ": " + error.what());
  }
  TFileKind kind = TFileKind::Calculation;
  try {
    kind = CalculationFromJson(document, session.Calculation);
  } catch (const EJsonFormError& error) {
    throw EUsageError(options.Positional[0] + ": " + error.what());
  }
  const std::string& target = *options.Output;
  const std::string extension = UpperExtension(target);
  if (extension == ".ZQA" || extension == ".ZQS") {
    if (kind != TFileKind::Calculation)
      throw EUsageError(options.Positional[0] + ": a template cannot be written as " + extension);
    if (extension == ".ZQS" && session.Calculation.Ports.Count() != 1)
      throw EUsageError(options.Positional[0] +
                        ": a .ZQS file takes the only port of a "
                        "document, and this one has " +
                        std::to_string(session.Calculation.Ports.Count()) + " ports");
    if (extension == ".ZQA")
      session.Transfer.ExportCalculationTransfer(target);
    else
      session.Transfer.ExportSoFTransfer(target, 0);
    return static_cast<int>(TExitCode::Done);
  }
  const TFileKind targetKind = extension == ".ZQT" ? TFileKind::Template : TFileKind::Calculation;
  if (kind != targetKind)
    throw EUsageError(options.Positional[0] + ": a document of kind \"" +
                      (kind == TFileKind::Template ? "template" : "calculation") +
                      "\" cannot be written as " + (extension.empty() ? target : extension));
  const TRecordFormat format{kind, SubVersion::Current};
  WriteWholeFile(target, WriteFileImage(session.Calculation, format, "."));
  return static_cast<int>(TExitCode::Done);
}

int CommandCalc(const TOptions& options, TSession& session, std::ostream& out, std::ostream& err) {
  session.LoadDefaultTemplate();
  const TFileKind kind = session.Load(options.Positional[0]);
  const TCalcOutcome outcome = ValidateAndCalculate(session.Calculation);
  if (!outcome.Finding.Valid()) {
    if (options.Json) {
      TJsonValue answer = TJsonValue::Object();
      answer.Set("valid", TJsonValue::Boolean(false));
      answer.Set("error", TJsonValue::String(outcome.Finding.Message));
      answer.Set("port", IndexOrNull(outcome.Finding.Port));
      answer.Set("line", IndexOrNull(outcome.Finding.Line));
      out << WriteJson(answer);
    } else {
      err << outcome.Finding.Message << "\n";
    }
    return static_cast<int>(TExitCode::Finding);
  }
  if (options.Json) {
    TJsonValue document = CalculationToJson(session.Calculation, kind, TJsonResults::Include);
    document.Set("valid", TJsonValue::Boolean(true));
    document.Set("notices", NoticesToJson(outcome.Result.Notices));
    out << WriteJson(document);
  } else {
    const TFormatContext context{IsoLocale(), session.Settings.DateFormat};
    out << TextAccount(session.Calculation, context, outcome.Result.Notices);
  }
  return static_cast<int>(TExitCode::Done);
}

int CommandReport(const TOptions& options, TSession& session, std::ostream& err) {
  session.LoadDefaultTemplate();
  const std::string& path = options.Positional[0];
  session.Load(path);
  const TCalcOutcome outcome = ValidateAndCalculate(session.Calculation);
  if (!outcome.Finding.Valid()) {
    err << outcome.Finding.Message << "\n";
    return static_cast<int>(TExitCode::Finding);
  }
  const int partner = options.Partner.value_or(0);
  if (partner > 0 && partner >= session.Calculation.ProRata.Count())
    throw EUsageError("--partner " + std::to_string(partner) + ": the calculation has " +
                      std::to_string(session.Calculation.ProRata.Count()) + " partner(s)");
  EnsureGuiApplication();
  TQtResultReport output;
  output.Report.LoadHeaderFromTemplate(session.Calculation.TemplateSettings, nullptr);
  output.Report.PrintAllProRata = options.All;
  output.Report.ProRataIndex = partner;
  const TFormatContext context{IsoLocale(), session.Settings.DateFormat};
  const std::string displayName = DisplayNameOf(path);
  const QString target = QString::fromStdString(*options.Output);
  switch (options.Report) {
  case TReportFormat::Text:
    WriteTextFile(*options.Output,
                  RenderReportText(output.Build(session.Calculation, context, displayName)));
    break;
  case TReportFormat::Rtf:
    output.ExportRTFFile(session.Calculation, context, displayName, target);
    break;
  case TReportFormat::Pdf:
    output.ExportPDF(session.Calculation, context, displayName, target);
    break;
  case TReportFormat::None:
    break;
  }
  return static_cast<int>(TExitCode::Done);
}

int Run(const TOptions& options, std::ostream& out, std::ostream& err) {
  TSession session(options, err);
  const std::string& c = options.Command;
  if (c == "dump")
    return CommandDump(options, session, out);
  if (c == "make")
    return CommandMake(options, session);
  if (c == "calc")
    return CommandCalc(options, session, out, err);
  if (c == "report")
    return CommandReport(options, session, err);
  // A file that cannot be used gives its reason in the list, and the run goes on.
  TNetResultSource source = [&](const std::string& path) {
    if (!FileExists(path))
      return TNetResult{false, 0.0, "File not found: " + path};
    try {
      session.Load(path);
    } catch (const ELaytimeError& error) {
      return TNetResult{false, 0.0, error.what()};
    }
    return NetResultOfCalculation(session.Calculation, path);
  };
  if (c == "result-list")
    return CreateResultList(options.Positional[0], options.Output, source, out, options.Quiet);
  return CompareResultList(options.Positional[0], options.Folder, source, out, options.Quiet);
}

} // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  TOptions options;
  try {
    options = ParseArguments(arguments);
    if (options.Help) {
      out << UsageText();
      return static_cast<int>(TExitCode::Done);
    }
    return Run(options, out, err);
  } catch (const EUsageError& error) {
    err << "laytime-cli: " << error.what() << "\n\n" << UsageText();
    return static_cast<int>(TExitCode::Usage);
  } catch (const EFileError& error) {
    err << error.what() << "\n";
    return static_cast<int>(TExitCode::File);
  } catch (const EReportOutputError& error) {
    err << error.what() << "\n";
    return static_cast<int>(TExitCode::File);
  } catch (const ELaytimeError& error) {
    err << error.what() << "\n";
    return static_cast<int>(TExitCode::Finding);
  }
}

} // namespace laytime::cli
