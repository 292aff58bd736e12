// The value kinds of transfer files: how texts, reals, dates, times, whole numbers, Booleans
// and enumerations are written into and read from an INI text.
#pragma once

#include "core/ZQTypes.h"
#include "files/TransferIni.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace laytime {

class IFileMessages;

/// Writes values into a transfer text. Texts in memory are UTF-8 and the file holds
/// Windows-1252; a text that loses characters on the way is still written (with '?' in their
/// place) and its section and key are recorded in LossyValues, so that the export can say so.
class TTransferWriter {
public:
  /// `decimalSeparator` is the locale's; reals are written with it.
  TTransferWriter(TTransferIni& ini, std::string decimalSeparator);

  /// The text in double quotation marks, after: line breaks made CR LF, every backslash
  /// doubled, every CR LF written as the two characters \n. Omitted when empty.
  void WriteText(std::string_view section, std::string_view key, std::string_view text);
  /// Up to 15 significant digits with the decimal separator, no thousands separators, an
  /// exponent as E20 or E-5. Omitted for EmptyReal.
  void WriteReal(std::string_view section, std::string_view key, double value);
  /// year-mm-dd (2024-03-07). Omitted when the day is not above 0.
  void WriteDate(std::string_view section, std::string_view key, TDayNumber day);
  /// hh:mm. Omitted when negative (EmptyTime).
  void WriteTime(std::string_view section, std::string_view key, std::int32_t minutes);
  /// Decimal. Omitted for −2147483647.
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  /// Decimal. Omitted for −32767.
  void WriteSmallInt(std::string_view section, std::string_view key, std::int16_t value);
  /// 1 or 0, always written.
  void WriteBool(std::string_view section, std::string_view key, bool value);
  /// The ordinal, always written.
  template <typename Enum>
  void WriteEnum(std::string_view section, std::string_view key, Enum value) {
    WriteOrdinal(section, key, static_cast<std::uint8_t>(value));
  }

  /// "Section/Key" of every text that lost characters, in writing order.
  const std::vector<std::string>& LossyValues() const { return FLossyValues; }

private:
  void WriteOrdinal(std::string_view section, std::string_view key, std::uint8_t value);

  TTransferIni& FIni;
  std::string FDecimalSeparator;
  std::vector<std::string> FLossyValues;
};

/// Reads values from a transfer text. A missing key, or a value that cannot be read, gives the
/// empty marker of its kind (see each reader); nothing throws.
class TTransferReader {
public:
  /// `messages` receives the complaint about a real that is not a number.
  TTransferReader(const TTransferIni& ini, IFileMessages& messages);

  /// The stored value without a leading and a trailing double quotation mark, decoded in one
  /// pass: \\ gives a backslash and \n a line break (CR LF); any other backslash stays. Missing:
  /// the empty text.
  std::string ReadText(std::string_view section, std::string_view key) const;
  /// The trimmed value with every comma taken as a decimal point, so files written under any
  /// locale read alike. Missing: EmptyReal. A value that is present but not a finite number also
  /// shows value + " is not a valid floating point value".
  double ReadReal(std::string_view section, std::string_view key) const;
  /// Three whole numbers year-month-day of a valid date; otherwise EmptyDay.
  TDayNumber ReadDate(std::string_view section, std::string_view key) const;
  /// Two whole numbers hours:minutes, giving hours × 60 + minutes within 0..32767; otherwise
  /// EmptyTime.
  TMinuteOfDay ReadTime(std::string_view section, std::string_view key) const;
  /// A whole number of 32 bits; otherwise −2147483647.
  std::int32_t ReadInteger(std::string_view section, std::string_view key) const;
  /// A whole number of 16 bits; otherwise −32767.
  std::int16_t ReadSmallInt(std::string_view section, std::string_view key) const;
  /// A whole number: 0 is false, any other true. Missing or unreadable: `held`, the value the
  /// record holds already.
  bool ReadBool(std::string_view section, std::string_view key, bool held) const;
  /// The low byte of the stored whole number; missing or unreadable gives the low byte of
  /// −2147483647, that is 1.
  template <typename Enum> Enum ReadEnum(std::string_view section, std::string_view key) const {
    return static_cast<Enum>(ReadOrdinal(section, key));
  }

  const TTransferIni& Ini() const { return FIni; }

private:
  std::uint8_t ReadOrdinal(std::string_view section, std::string_view key) const;

  const TTransferIni& FIni;
  IFileMessages& FMessages;
};

/// The text of a text value as stored, and its reading (exposed for tests of the encoding).
std::string EncodeTransferText(std::string_view text);
std::string DecodeTransferText(std::string_view stored);

/// A real as a transfer file writes it, with `decimalSeparator`.
std::string TransferRealText(double value, std::string_view decimalSeparator);

} // namespace laytime
