#include "files/TTransferFiles.h"

#include "core/DateText.h"
#include "core/DayTime.h"
#include "core/TextUtil.h"
#include "core/TimeText.h"
#include "files/FileErrors.h"
#include "files/HostFiles.h"
#include "files/TCalcFiles.h"
#include "model/TCalculation.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace laytime {

namespace {

constexpr std::string_view UnknownInformation = "unknown - information missing or invalid";

const char* TemporaryExtension(bool calculation) {
  return calculation ? ".$$A" : ".$$S";
}

/// The temporary text of `fileName`: the same name with `extension` in place of its own, or
/// with `extension` added when it has that extension already (in any case), so that the
/// temporary text is never the file itself.
std::string TemporaryName(const std::string& fileName, const char* extension) {
  std::filesystem::path path(fileName);
  if (AsciiUpperCase(path.extension().string()) == extension)
    return fileName + extension;
  return path.replace_extension(extension).string();
}

std::vector<std::uint8_t> Bytes(std::string_view text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

/// The names in `sorted` (upper case, sorted) that start with `prefix`.
std::vector<std::string> NamesWithPrefix(const std::vector<std::string>& sorted,
                                         const std::string& prefix) {
  std::vector<std::string> names;
  for (auto it = std::lower_bound(sorted.begin(), sorted.end(), prefix);
       it != sorted.end() && StartsWith(*it, prefix); ++it)
    names.push_back(*it);
  return names;
}

std::vector<std::string> SortedUpperCaseSections(const TTransferIni& ini) {
  std::vector<std::string> names = ini.SectionNames();
  for (std::string& name : names)
    name = AsciiUpperCase(name);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ShownOrUnknown(const std::string& text) {
  return Trim(text).empty() ? std::string(UnknownInformation) : text;
}

/// Closes the progress display however the work ends.
class TProgressScope {
public:
  TProgressScope(IProgressDisplay& display, const std::string& text) : FDisplay(display) {
    FDisplay.ShowProgress(text);
  }
  TProgressScope(const TProgressScope&) = delete;
  TProgressScope& operator=(const TProgressScope&) = delete;
  ~TProgressScope() { FDisplay.CloseProgress(); }

private:
  IProgressDisplay& FDisplay;
};

/// Removes a temporary file at the end of the work that made it.
class TTemporaryScope {
public:
  explicit TTemporaryScope(std::string& path) : FPath(path) {}
  TTemporaryScope(const TTemporaryScope&) = delete;
  TTemporaryScope& operator=(const TTemporaryScope&) = delete;
  ~TTemporaryScope() {
    if (!FPath.empty())
      RemoveFile(FPath); // still on the list of files removed at the program's end
  }

private:
  std::string& FPath;
};

/// False when the text holds a control character other than tab, carriage return and line feed:
/// a scrambled file unscrambled from a damaged byte on.
bool HoldsOnlyText(std::string_view text) {
  return std::none_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F;
  });
}

void CheckVersion(const TDataIdentificationRecord& identification) {
  const std::int32_t code = identification.SubversionCode;
  if (code >= OldestTransferSubversion)
    return;
  if (code < 1)
    throw ETransferError(
        "File version error: Data version code missing or invalid, file rejected.");
  throw ETransferError("File version error: Pre-release file with version code " +
                       std::to_string(code) + " not supported.");
}

} // namespace

std::string ComparableVesselName(std::string_view name) {
  std::string result;
  for (const char c : AsciiUpperCase(Trim(name))) {
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
      result += c;
  }
  if (StartsWith(result, "MV"))
    result.erase(0, 2);
  return result;
}

std::string ProposedSoFFileName(std::string_view vesselName, std::string_view portName) {
  std::string name;
  for (const char c : std::string(vesselName) + "-" + std::string(portName)) {
    const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == ' ' || c == '-';
    if (kept)
      name += c;
  }
  return name.size() < 4 ? std::string() : name;
}

int SoFInsertPosition(const TCalculation& calculation, const TPortItem& incoming) {
  const TDateTimeInfoRec& from = incoming.PortData.LayTimeCountFrom;
  const TMinuteStamp start = DayTimeToMinutes(from.Date, from.Time);
  int position = 0;
  for (int i = 0; i < calculation.Ports.Count(); ++i) {
    const TDateTimeInfoRec& other = calculation.Ports.GetItem(i).PortData.LayTimeCountFrom;
    if (DayTimeToMinutes(other.Date, other.Time) < start)
      ++position;
  }
  return position;
}

TTransferFiles::TTransferFiles(TCalculation& calculation, TCalcFiles& calcFiles,
                               TTransferEnvironment environment)
    : FCalculation(calculation), FCalcFiles(calcFiles), FEnvironment(std::move(environment)),
      FRandom(std::random_device{}()) {}

double TTransferFiles::Now() const {
  return FEnvironment.Now ? FEnvironment.Now() : HostNow();
}

TDataIdentificationRecord TTransferFiles::NewIdentification() const {
  const TProgramVersion& version = FEnvironment.Version;
  const TIdentification& sender = FCalculation.ProgramSettings().Identification;
  const TDayTime moment = DateTimeToDayTime(Now());
  TDataIdentificationRecord id;
  id.SourceProgram =
      SourceProgramText(version.Major, version.Minor, version.Release, version.Build);
  id.DataVersion = std::string(TransferDataVersion);
  id.SubversionCode = TransferSubversionCode;
  id.DataSource1 = sender.CompanyName;
  id.DataSource2 = sender.UserName;
  id.DataSource3 = sender.Department;
  id.DataSource4 = sender.Location;
  id.VesselName = FCalculation.Voyage.VesselName;
  id.Reference = FCalculation.Voyage.Reference;
  id.CreateDate = moment.Day;
  id.CreateTime = moment.Minute;
  id.Template = FCalculation.Status.TemplateName;
  return id;
}

// ---------------------------------------------------------------------------------------------
// Export

void TTransferFiles::WriteTransferFile(const std::string& fileName, TTransferKind kind,
                                       const TTransferIni& ini, const TTransferWriter& writer) {
  std::string temporary =
      TemporaryName(fileName, TemporaryExtension(kind == TTransferKind::Calculation));
  FEnvironment.TemporaryFiles->Add(temporary);
  TTemporaryScope removal(temporary);

  std::string text = ini.ToText();
  text += TransferChecksumLine(TransferTextChecksum(text)) + "\r\n";
  WriteWholeFile(temporary, Bytes(text));

  // A header that happens to spell "[ZQLAY" would make the file read as unscrambled text; such
  // a header is drawn again.
  const auto randomHeader = [this] {
    std::uniform_int_distribution<int> word(0, 0xFFFF);
    TScrambleHeader header;
    for (std::uint16_t& w : header)
      w = static_cast<std::uint16_t>(word(FRandom));
    return header;
  };
  std::vector<std::uint8_t> image = ScrambleTransferText(
      text, FEnvironment.NewScrambleHeader ? FEnvironment.NewScrambleHeader() : randomHeader());
  while (IsPlainTransferText(image))
    image = ScrambleTransferText(text, randomHeader());
  WriteWholeFile(fileName, image);

  if (!writer.LossyValues().empty()) {
    std::string list;
    for (const std::string& value : writer.LossyValues())
      list += (list.empty() ? "" : ", ") + value;
    FEnvironment.Messages->Inform(
        "Some texts contain characters that a transfer file cannot hold. They were written with "
        "\"?\" in their place: " +
        list);
  }
}

void TTransferFiles::ExportCalculationTransfer(const std::string& fileName) {
  TProgressScope progress(*FEnvironment.Dialogs, "Exporting Calculation");
  TTransferIni ini;
  TTransferWriter writer(ini, FEnvironment.Format.Locale.DecimalSeparator());
  WriteProgramSection(writer);
  WriteIdentification(writer, NewIdentification());
  WriteVoyageSection(writer, FCalculation.Voyage, FCalculation.TemplateSettings);
  int partnerCounter = 0;
  for (int i = 0; i < FCalculation.ProRata.Count(); ++i) {
    if (FCalculation.ProRata.IsEmptyRec(i))
      continue;
    const std::string section =
        std::string(TransferSection::PartnerPrefix) + CounterText(++partnerCounter, 3);
    WritePartnerSection(writer, section, FCalculation.ProRata.GetItem(i));
  }
  for (int i = 0; i < FCalculation.Ports.Count(); ++i)
    WritePortSections(writer, FCalculation.Ports.GetItem(i), CounterText(i + 1, 3));
  WriteTransferFile(fileName, TTransferKind::Calculation, ini, writer);
}

void TTransferFiles::ExportSoFTransfer(const std::string& fileName, int portIndex) {
  const TPortItem& port = FCalculation.Ports.GetItem(portIndex);
  TProgressScope progress(*FEnvironment.Dialogs, "Exporting Port: " + port.PortData.PortName);
  TTransferIni ini;
  TTransferWriter writer(ini, FEnvironment.Format.Locale.DecimalSeparator());
  WriteProgramSection(writer);
  WriteIdentification(writer, NewIdentification());
  WritePortSections(writer, port, TransferSection::SoFFileSuffix);
  WriteTransferFile(fileName, TTransferKind::SoF, ini, writer);
}

// ---------------------------------------------------------------------------------------------
// Import

std::string TTransferFiles::ReadTransferText(const std::string& fileName, TTransferKind kind,
                                             std::string& temporary, bool& scrambled) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(fileName, error);
  if (!error && size > MaxTransferFileSize)
    throw ETransferError("The file " + fileName +
                         " is too large for a transfer file. It is damaged or not a transfer "
                         "file.");
  THostFile file = THostFile::Open(fileName, TFileAccess::ReadShared);
  const std::vector<std::uint8_t> image = file.ReadAll();
  file.Close();
  if (image.size() > MaxTransferFileSize)
    throw ETransferError("The file " + fileName +
                         " is too large for a transfer file. It is damaged or not a transfer "
                         "file.");
  scrambled = !IsPlainTransferText(image);
  if (!scrambled)
    return std::string(image.begin(), image.end());

  std::string text = UnscrambleTransferText(image);
  temporary = TemporaryName(fileName, TemporaryExtension(kind == TTransferKind::Calculation));
  FEnvironment.TemporaryFiles->Add(temporary);
  // The text is read from memory; the copy on disk only mirrors it, so it is written without
  // flushing, and a source folder the program may not write to does not stop the import.
  std::ofstream mirror(temporary, std::ios::binary | std::ios::trunc);
  mirror.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!mirror)
    temporary.clear();
  return text;
}

bool TTransferFiles::AcceptChecksum(std::string_view text, TTransferKind kind, bool scrambled) {
  TProgressScope progress(*FEnvironment.Dialogs, "Checking Import File");
  const TChecksumCheck check = CheckTransferChecksum(text);
  // A file without the checksum line is accepted: a peer may have written none, and a person
  // may have edited a text saved unscrambled. In a scrambled file one changed byte garbles
  // everything after it, the checksum line included; such a tail holds bytes no text holds and
  // is taken as a checksum error. A scrambled file that was merely cut short reads as clean
  // text, so its user is told that nothing was checked.
  const bool scrambledWithoutLine = scrambled && check == TChecksumCheck::NoChecksumLine;
  const bool garbled = scrambledWithoutLine && !HoldsOnlyText(text);
  if (scrambledWithoutLine && !garbled)
    FEnvironment.Messages->Inform(
        "The file has no checksum line, so it could not be checked for damage. Check all "
        "details and results with utmost care before making any use of them.");
  if (check != TChecksumCheck::Differs && !garbled)
    return true;
  if (FEnvironment.Dialogs->AskAbortIgnore("File checksum error. The file is possibly invalid or "
                                           "has been damaged or modified. ") == TAbortIgnore::Abort)
    return false;
  return FEnvironment.Dialogs->AskYesNo(
      kind == TTransferKind::Calculation
          ? "Importing a damaged or invalid calculation can cause wrong or misleading "
            "calculation results and unpredictable system behavior. Check all details and "
            "results with utmost care before making any use of those results. Are you sure you "
            "want to continue?"
          : "Importing a damaged or invalid SoF file can cause wrong or misleading calculation "
            "results and unpredictable system behavior. Close all other programs and save your "
            "work first. Are you sure you want to continue?");
}

void TTransferFiles::ResetCalculation() {
  FCalculation.Clear();
  FCalculation.ProRata.Add();
}

bool TTransferFiles::ImportCalculationTransfer(const std::string& fileName) {
  FCalculation.Clear();
  std::string temporary;
  TTemporaryScope removal(temporary);
  try {
    bool scrambled = true;
    const std::string text =
        ReadTransferText(fileName, TTransferKind::Calculation, temporary, scrambled);
    FImportedDisplayName = std::filesystem::path(fileName).stem().string();
    if (!AcceptChecksum(text, TTransferKind::Calculation, scrambled)) {
      ResetCalculation();
      return false;
    }
    const TTransferIni ini = TTransferIni::Parse(text);
    const TTransferReader reader(ini, *FEnvironment.Messages);
    const TDataIdentificationRecord identification = ReadIdentification(reader);
    CheckVersion(identification);

    TProgressScope progress(*FEnvironment.Dialogs, "Importing Calculation");
    if (identification.SubversionCode > TransferSubversionCode)
      FEnvironment.Messages->Inform(
          "This file has been created with a newer version of this program. It may contain "
          "additional data or calculation features not available in this version. Please "
          "carefully check the results.\r\nContact Quillmark for information on updates");

    FCalculation.Status.TemplateName = identification.Template;
    FCalcFiles.LoadTemplateOfCalculation(FCalculation.Status);

    const std::vector<std::string> sections = SortedUpperCaseSections(ini);
    const std::vector<std::string> partners =
        NamesWithPrefix(sections, AsciiUpperCase(TransferSection::PartnerPrefix));
    const std::vector<std::string> ports =
        NamesWithPrefix(sections, AsciiUpperCase(TransferSection::PortPrefix));
    if (partners.size() > static_cast<std::size_t>(MaxTransferPartners) ||
        ports.size() > static_cast<std::size_t>(MaxTransferPorts))
      throw ETransferError("The file holds more than " + std::to_string(MaxTransferPorts) +
                           " ports or pro rata partners. It is damaged or not a transfer file.");

    ReadVoyageSection(reader, FCalculation.Voyage, FCalculation.TemplateSettings);
    // The file carries each partner's quantity for the whole voyage and no quantities per port,
    // so the flag that a calculation keeps across clearing must not survive from the one before.
    FCalculation.Voyage.ProRataPerPort = false;
    FCalculation.ProRata.Clear();
    for (const std::string& section : partners)
      ReadPartnerSection(reader, section, FCalculation.ProRata.Add());
    FCalculation.Ports.Clear();
    for (const std::string& section : ports) {
      const std::string suffix = section.substr(TransferSection::PortPrefix.size());
      const std::string lines = AsciiUpperCase(TransferSection::LineInfix);
      ReadPortSections(
          reader, section,
          NamesWithPrefix(sections, AsciiUpperCase(TransferSection::InfoPrefix) + suffix + lines),
          NamesWithPrefix(sections, AsciiUpperCase(TransferSection::SoFPrefix) + suffix + lines),
          FCalculation.Ports.Add());
    }
    // The program always has a current port.
    if (FCalculation.Ports.Count() == 0)
      FCalculation.Ports.Add();
    return true;
  } catch (const std::exception& error) {
    ResetCalculation();
    FEnvironment.Messages->ShowError(error.what());
    return false;
  }
}

bool TTransferFiles::ReadSoFTransfer(const std::string& fileName,
                                     TDataIdentificationRecord& identification, TPortItem& port) {
  std::string temporary;
  TTemporaryScope removal(temporary);
  try {
    bool scrambled = true;
    const std::string text = ReadTransferText(fileName, TTransferKind::SoF, temporary, scrambled);
    if (!AcceptChecksum(text, TTransferKind::SoF, scrambled))
      return false;
    const TTransferIni ini = TTransferIni::Parse(text);
    const TTransferReader reader(ini, *FEnvironment.Messages);
    identification = ReadIdentification(reader);
    CheckVersion(identification);

    TProgressScope progress(*FEnvironment.Dialogs, "Importing Statement of Facts");
    const std::string suffix(TransferSection::SoFFileSuffix);
    const std::string portSection = std::string(TransferSection::PortPrefix) + suffix;
    if (!ini.SectionExists(portSection))
      return false;
    const std::vector<std::string> sections = SortedUpperCaseSections(ini);
    const std::string lines = AsciiUpperCase(TransferSection::LineInfix);
    ReadPortSections(
        reader, portSection,
        NamesWithPrefix(sections, AsciiUpperCase(TransferSection::InfoPrefix) + suffix + lines),
        NamesWithPrefix(sections, AsciiUpperCase(TransferSection::SoFPrefix) + suffix + lines),
        port);
    return true;
  } catch (const std::exception& error) {
    FEnvironment.Messages->ShowError(error.what());
    return false;
  }
}

bool TTransferFiles::VesselCheckPasses(const std::string& incomingVessel) {
  const std::string& current = FCalculation.Voyage.VesselName;
  const std::string currentName = ComparableVesselName(current);
  if (currentName.empty() || currentName == ComparableVesselName(incomingVessel))
    return true;
  return FEnvironment.Dialogs->AskYesNoCancel(
             "Warning: The vessel names appear to be different.\r\nCurrent file: " + current +
             "\r\nIncoming SoF: " + incomingVessel + "\r\nDo you want to continue?") ==
         TYesNoCancel::Yes;
}

void TTransferFiles::RemoveSingleEmptyPort() {
  if (FCalculation.Ports.Count() == 1 && FCalculation.Ports.IsEmptyRec(0))
    FCalculation.Ports.Delete(0);
}

int TTransferFiles::InsertPort(const TPortItem& incoming) {
  const int position = SoFInsertPosition(FCalculation, incoming);
  FCalculation.Ports.Insert(position).Assign(incoming);
  return position;
}

int TTransferFiles::ImportSoFTransfer(const std::string& fileName, TCurrentFileImport currentFile) {
  TPortItem incoming(FCalculation);
  TDataIdentificationRecord identification;
  if (!ReadSoFTransfer(fileName, identification, incoming))
    return -1;
  try {
    TSoFImportConfirmation confirmation;
    confirmation.Caption = "Import Statement-of-Facts";
    confirmation.FileName = fileName;
    confirmation.VesselName = ShownOrUnknown(identification.VesselName);
    confirmation.PortName = ShownOrUnknown(incoming.PortData.PortName);
    confirmation.Company = ShownOrUnknown(identification.DataSource1);
    confirmation.UserName = identification.DataSource2;
    confirmation.Department = identification.DataSource3;
    confirmation.Location = identification.DataSource4;
    const bool timeShown = identification.CreateTime >= 0 && identification.CreateTime <= 1440;
    confirmation.Created = ZQDateToStr(identification.CreateDate, false, FEnvironment.Format) +
                           " " + (timeShown ? ZQTimeToStr(identification.CreateTime) : "");
    confirmation.Question = "Do you want to import this statement of facts file?";
    if (currentFile == TCurrentFileImport::Allowed) {
      const std::string current =
          FEnvironment.Commands ? FEnvironment.Commands->CurrentDisplayName() : std::string();
      confirmation.Choices.emplace_back(TSoFImportChoice::CurrentCalculation,
                                        "Yes, into the current calculation file: " + current);
    }
    if (FEnvironment.Commands != nullptr) {
      confirmation.Choices.emplace_back(TSoFImportChoice::OtherCalculation,
                                        "Yes, into another existing calculation");
      confirmation.Choices.emplace_back(TSoFImportChoice::NewCalculation,
                                        "Yes, into a new calculation file");
    }
    confirmation.Choices.emplace_back(TSoFImportChoice::DoNotImport,
                                      "No, I do not want to import this statement now");
    confirmation.Preselected = FEnvironment.Commands != nullptr
                                   ? TSoFImportChoice::NewCalculation
                                   : confirmation.Choices.front().first;

    switch (FEnvironment.Dialogs->ConfirmSoFImport(confirmation)) {
    case TSoFImportChoice::DoNotImport:
      return -1;
    case TSoFImportChoice::CurrentCalculation:
      if (!VesselCheckPasses(identification.VesselName))
        return -1;
      if (Trim(FCalculation.Voyage.VesselName).empty())
        FCalculation.Voyage.VesselName = identification.VesselName;
      RemoveSingleEmptyPort();
      return InsertPort(incoming);
    case TSoFImportChoice::OtherCalculation:
      if (FEnvironment.Commands == nullptr || !FEnvironment.Commands->OpenOtherCalculation() ||
          !VesselCheckPasses(identification.VesselName))
        return -1;
      RemoveSingleEmptyPort();
      return InsertPort(incoming);
    case TSoFImportChoice::NewCalculation:
      if (FEnvironment.Commands == nullptr || !FEnvironment.Commands->NewCalculation() ||
          !VesselCheckPasses(identification.VesselName))
        return -1;
      FCalculation.Voyage.VesselName = identification.VesselName;
      FCalculation.Ports.Clear();
      return InsertPort(incoming);
    }
    return -1;
  } catch (const std::exception& error) {
    ResetCalculation();
    FEnvironment.Messages->ShowError(error.what());
    return -1;
  }
}

} // namespace laytime
