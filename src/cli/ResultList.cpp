#include "cli/ResultList.h"

#include "calc/CalculateVoyage.h"
#include "calc/CanCalculate.h"
#include "core/Environment.h"
#include "core/Rounding.h"
#include "core/TextUtil.h"
#include "files/FileErrors.h"
#include "files/HostFiles.h"
#include "model/TCalculation.h"
#include "report/ResultTexts.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace laytime::cli {

namespace {

double Cents(double amount) {
  return RoundToDecimals(amount == EmptyReal ? 0.0 : amount, 2);
}

std::string ProgramVersionText() {
  const TProgramVersion version = ProgramVersion();
  return std::to_string(version.Major) + "." + std::to_string(version.Minor) + "." +
         std::to_string(version.Release) + "." + std::to_string(version.Build);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  return (std::filesystem::path(folder) / name).string();
}

std::string FolderOf(const std::string& path) {
  const std::string parent = std::filesystem::path(path).parent_path().string();
  return parent.empty() ? "." : parent;
}

std::string Fixed(double value, int decimals, int width = 0) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
  return buffer;
}

void WriteListFile(const std::string& path, const std::string& text) {
  try {
    WriteWholeFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
  } catch (const EFileError&) {
    throw EFileError("Could not create file " + path);
  }
}

bool IsCalculationFileName(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return extension == ".ZQL";
}

std::optional<double> ParseValue(std::string_view text) {
  double value = 0.0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

} // namespace

TNetResult NetResultOfCalculation(TCalculation& calculation, const std::string& path) {
  const TCalcFinding finding = CanCalculate(calculation, TProRataCheck::Skip);
  if (!finding.Valid())
    return {false, 0.0, finding.Message + ": " + path};
  bool produced = false;
  try {
    produced = CalculateVoyage(calculation).ResultProduced;
  } catch (const ELaytimeError&) {
    produced = false;
  }
  if (!produced)
    return {false, 0.0, "Unable to calculate: " + path};
  // Each amount counts as it is paid, in cents; the report's net amounts then choose the
  // voyage totals or the two groups as the mode asks.
  TVoyageRec paid = calculation.Voyage;
  for (double* amount :
       {&paid.DemurrageAllPorts, &paid.CommissionAllPorts, &paid.DespatchAllPorts,
        &paid.DemurrageLoading, &paid.CommissionLoading, &paid.DespatchLoading,
        &paid.DemurrageDischarging, &paid.CommissionDischarging, &paid.DespatchDischarging})
    *amount = Cents(*amount);
  const TNetAmounts net = GetNetAmounts(paid);
  return {true, net.Despatch - net.DemurrageNet, {}};
}

int CreateResultList(const std::string& folder, const std::optional<std::string>& listPath,
                     const TNetResultSource& source, std::ostream& out, bool quiet) {
  const std::string list =
      listPath.value_or(JoinPath(folder, "ResultList Lay " + ProgramVersionText() + ".TXT"));
  const std::string mask = JoinPath(folder, "*.ZQL");

  // The folder is listed in name order, so that lists of the same folder compare line by line.
  std::vector<std::string> files;
  std::error_code error;
  bool folderExists = std::filesystem::is_directory(folder, error);
  if (folderExists) {
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
      if (entry.is_regular_file(error) && IsCalculationFileName(entry.path()))
        files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  if (files.empty())
    out << "No file found " << mask << " DosErr= " << (folderExists ? 2 : 3) << "\n";

  std::string text = "; " + list + "\r\n";
  bool allComputed = true;
  for (const std::string& file : files) {
    const TNetResult result = source(file);
    allComputed = allComputed && result.Ok;
    text += file + ";" + (result.Ok ? Fixed(result.Value, 3, 20) : result.Reason) + "\r\n";
  }
  WriteListFile(list, text);
  if (!quiet)
    out << "Finish proceding " << mask << "\n";
  return allComputed ? 0 : 1;
}

int CompareResultList(const std::string& listPath, const std::optional<std::string>& folder,
                      const TNetResultSource& source, std::ostream& out, bool quiet) {
  if (!FileExists(listPath))
    throw EFileError("No file list found. The list of files to test must be prepared by a "
                     "specific test program available from Quillmark. Contact Quillmark for "
                     "details.");
  THostFile file = THostFile::Open(listPath, TFileAccess::ReadShared);
  const std::vector<std::uint8_t> bytes = file.ReadAll();
  file.Close();
  const std::string listText(bytes.begin(), bytes.end());

  const std::string target = folder.value_or(FolderOf(listPath));
  const std::string okFile = JoinPath(target, "LAY7OK.TXT");
  const std::string errorFile = JoinPath(target, "LAY7ERROR.TXT");
  if (!quiet)
    out << "Compare this version " << ProgramVersionText() << " with a previous one\n";

  std::string okText;
  std::string errorText;
  int differences = 0;
  int failures = 0;
  std::size_t start = 0;
  while (start < listText.size()) {
    std::size_t end = listText.find('\n', start);
    if (end == std::string::npos)
      end = listText.size();
    const std::string line(Trim(std::string_view(listText).substr(start, end - start)));
    start = end + 1;
    const std::size_t separator = line.find(';');
    if (separator == std::string::npos || separator == 0)
      continue;
    const std::string path = line.substr(0, separator);
    const std::string oldText(Trim(std::string_view(line).substr(separator + 1)));
    const TNetResult result = source(path);
    if (!result.Ok) {
      errorText += result.Reason + "\r\n";
      ++failures;
      continue;
    }
    const std::optional<double> oldValue = ParseValue(oldText);
    if (oldValue && RoundHalfEven(*oldValue * 100) == RoundHalfEven(result.Value * 100)) {
      okText += "OK - " + path + "\r\n";
      continue;
    }
    errorText +=
        "!!! *** Different results *** !!! - old: " + (oldValue ? Fixed(*oldValue, 3) : oldText) +
        " new: " + Fixed(result.Value, 3) + " - " + path + "\r\n";
    ++differences;
  }
  WriteListFile(okFile, okText);
  WriteListFile(errorFile, errorText);

  if (differences == 0) {
    if (!quiet)
      out << "Version compare finished. No differnces Found. For details review " << errorFile
          << " and " << okFile << " for the results. \n";
    // A file that can no longer be calculated is a finding even when no value differs.
    return failures == 0 ? 0 : 1;
  }
  out << "CALCUALTION DIFFERCES FOUND !!!. Check files " << errorFile << " and " << okFile
      << " for the results. Please report all files listed in " << errorFile << " to Quillmark\n";
  return 1;
}

} // namespace laytime::cli
