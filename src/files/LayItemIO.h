// The field-by-field reading and writing of the records of calculation and template files: the
// settings block, status, voyage, pro-rata items, ports with their informative entries,
// statement-of-facts lines and tiered rates, and the file header.
//
// Every writer writes the fields of the given sub-version and file kind, so that files of older
// sub-versions can be made as well as read; every reader reads the fields of the file's
// sub-version and gives the absent ones the values older files imply. Readers record a failure
// in the cursor and leave it to the caller to check once per record.
#pragma once

#include "core/Settings.h"
#include "core/VoyageRecords.h"
#include "files/ByteReader.h"
#include "files/ByteWriter.h"
#include "files/FileFormat.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace laytime {

class TPortCollection;
class TPortItem;
class TProRataCollection;
class TPortInfoItem;
class TProRataItem;
class TSoFLine;
class TTieredRates;
struct TPortRec;
struct TSoFRec;

/// The kind and data sub-version of the file being read or written.
struct TRecordFormat {
  TFileKind Kind = TFileKind::Calculation;
  std::int32_t SubVersion = SubVersion::Current;

  bool IsTemplate() const { return Kind == TFileKind::Template; }
  bool IsCalculation() const { return Kind == TFileKind::Calculation; }
  /// Whether a field added in sub-version `since` is present.
  bool Has(std::int32_t since) const { return SubVersion >= since; }
  TStringEncoding Encoding() const { return StringEncodingOf(SubVersion); }
};

/// The header of a file as read.
struct TFileHeader {
  std::string VersionId; ///< "NVR70"
  std::string TypeId;    ///< "ZQL" or "ZQT"
  std::int32_t SubVersion = 0;
  std::uint32_t Checksum = 0;
  /// Where the checksum field starts and where the body starts.
  std::size_t ChecksumOffset = 0;
  std::size_t BodyOffset = 0;
};

/// The size in bytes of a statement-of-facts line in calculation files.
inline constexpr std::size_t SoFLineImageSize = 536;
/// The size in bytes of a SHEX preset in the settings block.
inline constexpr std::size_t ShexPresetImageSize = 264;
/// The size of the short-string fields of those images (length byte and 255 characters).
inline constexpr std::size_t ShortStringFieldSize = 256;

/// Writes the version identifier, the type identifier and the sub-version, and the checksum
/// field as 0xFFFFFFFF; returns the offset of the checksum field, to be patched at the end.
std::size_t WriteHeader(TByteWriter& writer, const TRecordFormat& format);
/// Reads the header fields in order (nothing is checked here).
TFileHeader ReadHeader(TByteReader& reader);

/// What separates the lines of a text list.
inline constexpr std::string_view TextListLineBreak = "\r\n";
/// A text list as files hold it: the lines with CR LF between them and none after the last,
/// so that SplitTextList gives back exactly the lines joined, empty lines at either end
/// included. The one list that does not survive is a single empty line, whose text is empty
/// like that of no line.
std::string JoinTextList(const std::vector<std::string>& lines);
/// The lines of a text list: split at every CR LF (a bare CR or LF stays inside its line); an
/// empty text is no line.
std::vector<std::string> SplitTextList(std::string_view text);

/// The settings block of templates (37 items). Items absent from older files keep the built-in
/// values: no password (< 22), title centred (< 23), the standard labels (< 24) and the
/// vessel-on-demurrage indication printed (< 25). A title font size below 2 reads as 10.
void WriteSettingsBlock(TByteWriter& writer, const TTemplateSettings& settings,
                        const TRecordFormat& format);
void ReadSettingsBlock(TByteReader& reader, TTemplateSettings& settings,
                       const TRecordFormat& format);

/// The status record. Below sub-version 21 the password is read and then emptied.
void WriteStatus(TByteWriter& writer, const TStatusRec& status, const TRecordFormat& format);
void ReadStatus(TByteReader& reader, TStatusRec& status, const TRecordFormat& format);

/// The voyage record; the voyage totals only in calculation files. Fields absent from older
/// files: DespatchDisabled and ShexDisabled take the template's defaults (< 21); the three
/// hints take the program's current settings (< 28), and HintDemurrageRateUnit keeps its
/// value in files of 28 and 29; ProRataPerPort is false (< 31).
void WriteVoyage(TByteWriter& writer, const TVoyageRec& voyage, const TRecordFormat& format);
void ReadVoyage(TByteReader& reader, TVoyageRec& voyage, const TRecordFormat& format,
                const TTemplateSettings& templateSettings, const TProgramSettings& programSettings);

/// A pro-rata partner. From sub-version 31 on the details of `portCount` ports follow (quantity
/// and shared minutes); a port without a detail is written as a new detail holds it (0, 0).
void WriteProRataItem(TByteWriter& writer, const TProRataItem& item, int portCount,
                      const TRecordFormat& format);
void ReadProRataItem(TByteReader& reader, TProRataItem& item, const TRecordFormat& format);

/// The port record; quantities, dates and results only in calculation files, the cargo units of
/// templates from sub-version 29 on. Absent fields keep the values of a cleared port, except
/// TankerMinTimeAllowance, which is EmptyTime below 27.
void WritePortRec(TByteWriter& writer, const TPortRec& port, const TRecordFormat& format);
void ReadPortRec(TByteReader& reader, TPortRec& port, const TRecordFormat& format);

/// An informative entry: its text, and in calculation files its date and time.
void WriteInfoEntry(TByteWriter& writer, const TPortInfoItem& entry, const TRecordFormat& format);
void ReadInfoEntry(TByteReader& reader, TPortInfoItem& entry, const TRecordFormat& format);

/// The 536-byte image of a statement-of-facts line. The percentage display string is stored
/// with a full stop as decimal separator: writing replaces every `decimalSeparator` of the text
/// in memory by a full stop, reading every full stop by `decimalSeparator`. Texts are single
/// Windows-1252 bytes whatever the sub-version; unused bytes are written as zeros.
void WriteSoFLine(TByteWriter& writer, const TSoFRec& line, std::string_view decimalSeparator);
/// Reads a line image into `line` through its setters.
void ReadSoFLine(TByteReader& reader, TSoFLine& line, std::string_view decimalSeparator);

/// The tiered-rate block (sub-version 32 on): a u16 count and the tiers. Reading replaces the
/// tiers and then repairs them, so that the first tier begins at day 0, 00:00.
void WriteTieredRates(TByteWriter& writer, const TTieredRates& rates);
void ReadTieredRates(TByteReader& reader, TTieredRates& rates);

/// A whole port section: record, informative entries, statement-of-facts lines (a count of 0
/// in templates) and, from sub-version 32 on, the tiered-rate block.
void WritePort(TByteWriter& writer, const TPortItem& port, const TRecordFormat& format,
               std::string_view decimalSeparator);
/// Reads a port section into a port just appended: its informative entries are replaced by
/// those of the file and its lines appended. Stops at the first failure of the cursor.
void ReadPort(TByteReader& reader, TPortItem& port, const TRecordFormat& format,
              std::string_view decimalSeparator);

/// The pro-rata section: a count and the partners that are not empty (TProRataCollection::
/// IsEmptyRec), each with the details of `portCount` ports.
void WriteProRataSection(TByteWriter& writer, const TProRataCollection& partners, int portCount,
                         const TRecordFormat& format);
/// Appends the partners of the file to `partners`.
void ReadProRataSection(TByteReader& reader, TProRataCollection& partners,
                        const TRecordFormat& format);

/// The port section: a count and the ports.
void WritePortSection(TByteWriter& writer, const TPortCollection& ports,
                      const TRecordFormat& format, std::string_view decimalSeparator);
/// Appends the ports of the file to `ports`.
void ReadPortSection(TByteReader& reader, TPortCollection& ports, const TRecordFormat& format,
                     std::string_view decimalSeparator);

} // namespace laytime
