// The sections of transfer files: the program notice, the identification of the sender, the
// voyage, the pro-rata partners and the ports with their informative entries and statement of
// facts, each written and read key by key.
#pragma once

#include "core/Settings.h"
#include "core/VoyageRecords.h"
#include "files/TransferErrors.h"
#include "files/TransferValues.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace laytime {

class TPortItem;
class TProRataItem;

/// The data version and subversion transfer files are written with.
inline constexpr std::string_view TransferDataVersion = "NVR70";
inline constexpr std::int32_t TransferSubversionCode = 27;
/// Files with a lower subversion are rejected.
inline constexpr std::int32_t OldestTransferSubversion = 20;

namespace TransferSection {
inline constexpr std::string_view Program = "ZQLaytimeCalculation";
inline constexpr std::string_view Identification = "Identification";
inline constexpr std::string_view Voyage = "CPData";
inline constexpr std::string_view PartnerPrefix = "PRLn";
inline constexpr std::string_view PortPrefix = "PortData";
inline constexpr std::string_view InfoPrefix = "PI";
inline constexpr std::string_view SoFPrefix = "SoF";
inline constexpr std::string_view LineInfix = "Ln";
/// The port suffix of statement-of-facts files, whichever port they came from.
inline constexpr std::string_view SoFFileSuffix = "000";
} // namespace TransferSection

/// The identification section: where a transfer file comes from.
struct TDataIdentificationRecord {
  std::string SourceProgram;
  std::string DataVersion;
  std::int32_t SubversionCode = EmptyInt;
  std::string DataSource1; ///< company
  std::string DataSource2; ///< user name
  std::string DataSource3; ///< department
  std::string DataSource4; ///< location
  std::string VesselName;
  std::string Reference;
  TDayNumber CreateDate = EmptyDay;
  TMinuteOfDay CreateTime = EmptyTime;
  std::string Template;

  bool operator==(const TDataIdentificationRecord&) const = default;
};

/// "Navarune: Laytime Calculation Version: 7.00  Release 0 (Build 1)": the minor version in two
/// digits.
std::string SourceProgramText(int major, int minor, int release, int build);

/// A counter of `digits` digits with leading zeros (1 → "001").
std::string CounterText(int value, int digits);

/// The program notice section; it is written for people who open the file and ignored on
/// import.
void WriteProgramSection(TTransferWriter& writer);

void WriteIdentification(TTransferWriter& writer, const TDataIdentificationRecord& identification);
TDataIdentificationRecord ReadIdentification(const TTransferReader& reader);

/// The voyage record with the labels of the C/P form and voyage lines (template settings).
void WriteVoyageSection(TTransferWriter& writer, const TVoyageRec& voyage,
                        const TTemplateSettings& settings);
/// Reads the keys over `voyage`; Booleans that are missing keep their value, every other missing
/// key gives the empty marker of its kind. The four labels go into `settings`.
void ReadVoyageSection(const TTransferReader& reader, TVoyageRec& voyage,
                       TTemplateSettings& settings);

void WritePartnerSection(TTransferWriter& writer, std::string_view section,
                         const TProRataItem& partner);
void ReadPartnerSection(const TTransferReader& reader, std::string_view section,
                        TProRataItem& partner);

/// "PortData" + suffix, then one "PI" + suffix + "Ln" + nnn section per informative entry and
/// one "SoF" + suffix + "Ln" + nnnnn section per statement-of-facts line.
void WritePortSections(TTransferWriter& writer, const TPortItem& port, std::string_view suffix);

/// The most a transfer file may hold; beyond these the counters of the section names overflow,
/// and a file claiming more is damaged.
inline constexpr int MaxTransferPorts = 999;
inline constexpr int MaxTransferPartners = 999;
inline constexpr int MaxTransferInfoEntries = 999;
inline constexpr int MaxTransferSoFLines = 99999;

/// Reads the section `portSection` into `port`, then replaces its informative entries by the
/// sections `infoSections` and appends one line per section of `sofSections`, in the order
/// given. Throws ETransferError when there are more entries or lines than a port can take.
void ReadPortSections(const TTransferReader& reader, std::string_view portSection,
                      const std::vector<std::string>& infoSections,
                      const std::vector<std::string>& sofSections, TPortItem& port);

} // namespace laytime
