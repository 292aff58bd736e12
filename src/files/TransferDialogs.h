// What the transfer files and the version-6 import ask of the user and of the main window. The
// file layer never opens a window: the app answers with dialogs, the command-line tool from its
// options, tests with scripted answers.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace laytime {

/// A progress display: shown with a caption while a file is written or read, closed at the end.
class IProgressDisplay {
public:
  virtual ~IProgressDisplay() = default;
  /// Shows the display, or changes its text when it is shown.
  virtual void ShowProgress(const std::string& text) = 0;
  virtual void CloseProgress() = 0;
};

enum class TAbortIgnore { Abort, Ignore };
enum class TYesNoCancel { Yes, No, Cancel };

/// The targets offered for an imported statement of facts, in the order of the dialog.
enum class TSoFImportChoice {
  CurrentCalculation,
  OtherCalculation,
  NewCalculation,
  DoNotImport,
};

/// What the confirmation of a statement-of-facts import shows. Each text is ready for display;
/// an empty vessel, port or company reads "unknown - information missing or invalid".
struct TSoFImportConfirmation {
  std::string Caption; ///< "Import Statement-of-Facts"
  std::string FileName;
  std::string VesselName;
  std::string PortName;
  std::string Company; ///< the sender's identification: company, name, department, location
  std::string UserName;
  std::string Department;
  std::string Location;
  std::string Created;  ///< creation date and time in display form, separated by a blank
  std::string Question; ///< "Do you want to import this statement of facts file?"
  /// The answers in display order, each with its text.
  std::vector<std::pair<TSoFImportChoice, std::string>> Choices;
  TSoFImportChoice Preselected = TSoFImportChoice::NewCalculation;
};

/// The questions of the transfer import and export, with the exact texts to show.
class ITransferDialogs : public IProgressDisplay {
public:
  /// An error the user may pass over ("File checksum error. …").
  virtual TAbortIgnore AskAbortIgnore(const std::string& text) = 0;
  /// A warning with Yes and No; true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  virtual TYesNoCancel AskYesNoCancel(const std::string& text) = 0;
  /// The confirmation of a statement-of-facts import; the answer is one of the choices offered.
  virtual TSoFImportChoice ConfirmSoFImport(const TSoFImportConfirmation& confirmation) = 0;
};

/// The main-window commands a statement-of-facts import may run.
class ITransferCommands {
public:
  virtual ~ITransferCommands() = default;
  /// The display name of the open calculation, shown in the first choice of the confirmation.
  virtual std::string CurrentDisplayName() = 0;
  /// Runs the window's open command (with its own dialogs and save question); true when a
  /// calculation file was opened.
  virtual bool OpenOtherCalculation() = 0;
  /// Runs the window's new-calculation command; false when the user abandoned it.
  virtual bool NewCalculation() = 0;
};

} // namespace laytime
