// The command-line tool laytime-cli: dumping and making calculation files as JSON, calculating
// and reporting them, and the regression lists of net results. The tool is a thin shell over
// the libraries of the app; `main` only hands over its arguments and streams.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace laytime::cli {

/// The exit status of a run.
enum class TExitCode : int {
  Done = 0,
  /// A validation or calculation finding, or differences found by compare.
  Finding = 1,
  /// A command line the tool cannot follow; the usage text went to the error stream.
  Usage = 2,
  /// A file that cannot be read or written; the file layer's message went to the error stream.
  File = 3,
};

/// Runs one command. `arguments` are those after the program name. Results go to `out`;
/// messages, usage texts and error texts to `err`.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

/// The usage text printed by --help and after a usage error.
std::string UsageText();

} // namespace laytime::cli
