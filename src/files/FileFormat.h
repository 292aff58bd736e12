// The constants of the calculation and template file format: identifiers, header layout and the
// data sub-versions from which fields are present.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace laytime {

/// The version identifier of the current format, a short string at offset 0.
inline constexpr std::string_view CurrentVersionId = "NVR70";
/// The identifiers of the older (version 6) binary format, imported separately.
inline constexpr std::string_view LegacyVersionIds[] = {"NVR52", "NVR57", "NVR60", "NVR63", "NVR64",
                                                        "NVR65", "NVR66", "NVR68", "NVR69"};
inline constexpr std::string_view CalculationTypeId = "ZQL";
inline constexpr std::string_view TemplateTypeId = "ZQT";

/// Header layout: identifier (6), type (4), sub-version (4), checksum (4), then the body.
inline constexpr std::size_t SubVersionOffset = 10;
inline constexpr std::size_t ChecksumOffset = 14;
inline constexpr std::size_t BodyOffset = 18;
/// The first bytes OpenFile looks at to recognise the format.
inline constexpr std::size_t IdentifierFieldSize = 8;

/// The data sub-versions: the oldest readable, the newest readable (also the one written), and
/// the sub-version from which each later field is present.
namespace SubVersion {
inline constexpr std::int32_t Oldest = 20;
inline constexpr std::int32_t StatusPasswordAndVoyageSwitches = 21;
inline constexpr std::int32_t TemplatePassword = 22;
inline constexpr std::int32_t ReportTitlePosition = 23;
inline constexpr std::int32_t Captions = 24;
inline constexpr std::int32_t PrintVesselOnDemurrage = 25;
inline constexpr std::int32_t Utf16Strings = 26;
inline constexpr std::int32_t TankerMinTimeAllowance = 27;
inline constexpr std::int32_t ProRataHints = 28;
inline constexpr std::int32_t TemplateCargoUnits = 29;
inline constexpr std::int32_t DemurrageRateUnitHint = 30;
inline constexpr std::int32_t ProRataPerPort = 31;
inline constexpr std::int32_t TieredDemurrage = 32;
inline constexpr std::int32_t Current = 32;
} // namespace SubVersion

/// How the strings of a file are encoded: single bytes of Windows-1252 before sub-version 26,
/// UTF-16LE from 26 on.
enum class TStringEncoding { Windows1252, Utf16LE };

constexpr TStringEncoding StringEncodingOf(std::int32_t subVersion) {
  return subVersion >= SubVersion::Utf16Strings ? TStringEncoding::Utf16LE
                                                : TStringEncoding::Windows1252;
}

/// What a file holds: a calculation (.ZQL) or a template (.ZQT).
enum class TFileKind { Calculation, Template };

} // namespace laytime
