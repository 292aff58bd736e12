#include "files/TransferValues.h"

#include "core/Calendar.h"
#include "core/TextUtil.h"
#include "core/Windows1252.h"
#include "files/FileEnvironment.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace laytime {

namespace {

/// Line breaks of any kind (CR LF, a lone CR, a lone LF) as CR LF.
std::string NormaliseLineBreaks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      result += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n')
        ++i;
    } else if (c == '\n') {
      result += "\r\n";
    } else {
      result += c;
    }
  }
  return result;
}

std::optional<std::int64_t> TryStrToInt64(std::string_view text) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+')
    text.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

/// Two or three whole numbers separated by `separator`, each of at most nine digits.
std::optional<std::vector<std::int64_t>> SplitNumbers(std::string_view text, char separator,
                                                      std::size_t count) {
  std::vector<std::int64_t> numbers;
  text = Trim(text);
  while (numbers.size() < count) {
    const std::size_t at = text.find(separator);
    const std::string_view part = at == std::string_view::npos ? text : text.substr(0, at);
    const std::optional<std::int64_t> number = TryStrToInt64(part);
    if (!number || *number < -999999999 || *number > 999999999)
      return std::nullopt;
    numbers.push_back(*number);
    if (at == std::string_view::npos)
      break;
    text.remove_prefix(at + 1);
  }
  if (numbers.size() != count)
    return std::nullopt;
  return numbers;
}

} // namespace

std::string EncodeTransferText(std::string_view text) {
  const std::string normalised = NormaliseLineBreaks(text);
  std::string encoded = "\"";
  for (std::size_t i = 0; i < normalised.size(); ++i) {
    const char c = normalised[i];
    if (c == '\\') {
      encoded += "\\\\";
    } else if (c == '\r') {
      // Always followed by LF after normalising.
      encoded += "\\n";
      ++i;
    } else {
      encoded += c;
    }
  }
  encoded += '"';
  return encoded;
}

std::string DecodeTransferText(std::string_view stored) {
  if (!stored.empty() && stored.front() == '"')
    stored.remove_prefix(1);
  if (!stored.empty() && stored.back() == '"')
    stored.remove_suffix(1);
  std::string text;
  text.reserve(stored.size());
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const char c = stored[i];
    if (c == '\\' && i + 1 < stored.size() && stored[i + 1] == '\\') {
      text += '\\';
      ++i;
    } else if (c == '\\' && i + 1 < stored.size() && stored[i + 1] == 'n') {
      text += "\r\n";
      ++i;
    } else {
      text += c;
    }
  }
  return text;
}

std::string TransferRealText(double value, std::string_view decimalSeparator) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string digits(buffer, result.ptr);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const char c = digits[i];
    if (c == '.') {
      text += decimalSeparator;
    } else if (c == 'e') {
      // 1e+20 is written 1E20 and 1e-05 as 1E-5.
      text += 'E';
      std::size_t j = i + 1;
      if (j < digits.size() && (digits[j] == '+' || digits[j] == '-')) {
        if (digits[j] == '-')
          text += '-';
        ++j;
      }
      while (j + 1 < digits.size() && digits[j] == '0')
        ++j;
      text.append(digits, j, std::string::npos);
      break;
    } else {
      text += c;
    }
  }
  return text;
}

// ---------------------------------------------------------------------------------------------

TTransferWriter::TTransferWriter(TTransferIni& ini, std::string decimalSeparator)
    : FIni(ini), FDecimalSeparator(std::move(decimalSeparator)) {}

void TTransferWriter::WriteText(std::string_view section, std::string_view key,
                                std::string_view text) {
  if (text.empty())
    return;
  const std::string bytes = Utf8ToWindows1252(EncodeTransferText(text));
  if (Windows1252ToUtf8(bytes) != EncodeTransferText(text))
    FLossyValues.push_back(std::string(section) + "/" + std::string(key));
  FIni.WriteValue(section, key, bytes);
}

void TTransferWriter::WriteReal(std::string_view section, std::string_view key, double value) {
  if (value == EmptyReal)
    return;
  FIni.WriteValue(section, key, TransferRealText(value, FDecimalSeparator));
}

void TTransferWriter::WriteDate(std::string_view section, std::string_view key, TDayNumber day) {
  if (day <= 0)
    return;
  const TCalendarDate date = DecodeDate(day);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%d-%02d-%02d", date.Year, date.Month, date.Day);
  FIni.WriteValue(section, key, buffer);
}

void TTransferWriter::WriteTime(std::string_view section, std::string_view key,
                                std::int32_t minutes) {
  if (minutes < 0)
    return;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d", static_cast<int>(minutes / 60),
                static_cast<int>(minutes % 60));
  FIni.WriteValue(section, key, buffer);
}

void TTransferWriter::WriteInteger(std::string_view section, std::string_view key,
                                   std::int32_t value) {
  if (value == EmptyInt)
    return;
  FIni.WriteValue(section, key, std::to_string(value));
}

void TTransferWriter::WriteSmallInt(std::string_view section, std::string_view key,
                                    std::int16_t value) {
  if (value == EmptyTime)
    return;
  FIni.WriteValue(section, key, std::to_string(value));
}

void TTransferWriter::WriteBool(std::string_view section, std::string_view key, bool value) {
  FIni.WriteValue(section, key, value ? "1" : "0");
}

void TTransferWriter::WriteOrdinal(std::string_view section, std::string_view key,
                                   std::uint8_t value) {
  FIni.WriteValue(section, key, std::to_string(value));
}

// ---------------------------------------------------------------------------------------------

TTransferReader::TTransferReader(const TTransferIni& ini, IFileMessages& messages)
    : FIni(ini), FMessages(messages) {}

std::string TTransferReader::ReadText(std::string_view section, std::string_view key) const {
  const std::string* stored = FIni.FindValue(section, key);
  if (stored == nullptr)
    return {};
  return Windows1252ToUtf8(DecodeTransferText(*stored));
}

double TTransferReader::ReadReal(std::string_view section, std::string_view key) const {
  const std::string* stored = FIni.FindValue(section, key);
  if (stored == nullptr)
    return EmptyReal;
  const std::string_view trimmed = Trim(*stored);
  std::string text(trimmed);
  for (char& c : text) {
    if (c == ',')
      c = '.';
  }
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '+')
    digits.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  const bool whole =
      !digits.empty() && error == std::errc() && end == digits.data() + digits.size();
  if (!whole || !std::isfinite(value)) {
    FMessages.ShowError(Windows1252ToUtf8(trimmed) + " is not a valid floating point value");
    return EmptyReal;
  }
  return value;
}

TDayNumber TTransferReader::ReadDate(std::string_view section, std::string_view key) const {
  const std::string* stored = FIni.FindValue(section, key);
  if (stored == nullptr)
    return EmptyDay;
  const auto numbers = SplitNumbers(*stored, '-', 3);
  if (!numbers)
    return EmptyDay;
  const std::optional<TDayNumber> day =
      TryEncodeDate(static_cast<int>((*numbers)[0]), static_cast<int>((*numbers)[1]),
                    static_cast<int>((*numbers)[2]));
  return day.value_or(EmptyDay);
}

TMinuteOfDay TTransferReader::ReadTime(std::string_view section, std::string_view key) const {
  const std::string* stored = FIni.FindValue(section, key);
  if (stored == nullptr)
    return EmptyTime;
  const auto numbers = SplitNumbers(*stored, ':', 2);
  if (!numbers)
    return EmptyTime;
  const std::int64_t minutes = (*numbers)[0] * 60 + (*numbers)[1];
  if (minutes < 0 || minutes > std::numeric_limits<std::int16_t>::max())
    return EmptyTime;
  return static_cast<TMinuteOfDay>(minutes);
}

std::int32_t TTransferReader::ReadInteger(std::string_view section, std::string_view key) const {
  const std::string* stored = FIni.FindValue(section, key);
  if (stored == nullptr)
    return EmptyInt;
  return TryStrToInt(Trim(*stored)).value_or(EmptyInt);
}

std::int16_t TTransferReader::ReadSmallInt(std::string_view section, std::string_view key) const {
  const std::string* stored = FIni.FindValue(section, key);
  if (stored == nullptr)
    return EmptyTime;
  const std::optional<std::int32_t> value = TryStrToInt(Trim(*stored));
  if (!value || *value < std::numeric_limits<std::int16_t>::min() ||
      *value > std::numeric_limits<std::int16_t>::max())
    return EmptyTime;
  return static_cast<std::int16_t>(*value);
}

bool TTransferReader::ReadBool(std::string_view section, std::string_view key, bool held) const {
  const std::string* stored = FIni.FindValue(section, key);
  if (stored == nullptr)
    return held;
  const std::optional<std::int32_t> value = TryStrToInt(Trim(*stored));
  if (!value)
    return held;
  return *value != 0;
}

std::uint8_t TTransferReader::ReadOrdinal(std::string_view section, std::string_view key) const {
  const std::string* stored = FIni.FindValue(section, key);
  const std::optional<std::int32_t> value =
      stored == nullptr ? std::nullopt : TryStrToInt(Trim(*stored));
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value.value_or(EmptyInt)) & 0xFFu);
}

} // namespace laytime
