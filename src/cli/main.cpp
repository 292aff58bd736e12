// laytime-cli: the headless command-line tool over the calculation libraries.
#include "cli/CliApp.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  try {
    return laytime::cli::RunCli(arguments, std::cout, std::cerr);
  } catch (const std::exception& error) {
    std::cerr << "laytime-cli: internal error: " << error.what() << "\n";
    return 1;
  }
}
