#include "core/Locale.h"

#include "core/TextUtil.h"

#include <stdexcept>
#include <utility>

namespace laytime {

namespace {

const std::array<std::string, 12> EnglishShortMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const std::array<std::string, 12> EnglishLongMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// A cursor over the time text; every step skips the blanks in front of what it reads.
class TClockTextReader {
public:
  explicit TClockTextReader(std::string_view text) : FText(text) {}

  bool AtEnd() {
    SkipBlanks();
    return FPos == FText.size();
  }

  // Consumes `word` when the text continues with it, compared without regard to case.
  bool ReadWord(std::string_view word) {
    SkipBlanks();
    if (word.empty() || FText.size() - FPos < word.size())
      return false;
    if (UpperCaseText(FText.substr(FPos, word.size())) != UpperCaseText(word))
      return false;
    FPos += word.size();
    return true;
  }

  // A run of one to four digits.
  std::optional<int> ReadNumber() {
    SkipBlanks();
    int value = 0;
    std::size_t digits = 0;
    while (FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '9') {
      if (++digits > 4)
        return std::nullopt;
      value = value * 10 + (FText[FPos] - '0');
      ++FPos;
    }
    if (digits == 0)
      return std::nullopt;
    return value;
  }

private:
  void SkipBlanks() {
    while (FPos < FText.size() && FText[FPos] == ' ')
      ++FPos;
  }

  std::string_view FText;
  std::size_t FPos = 0;
};

enum class TMarker { None, AM, PM };

TMarker ReadMarker(TClockTextReader& reader, std::string_view amString, std::string_view pmString) {
  if (reader.ReadWord(amString) || reader.ReadWord("AM"))
    return TMarker::AM;
  if (reader.ReadWord(pmString) || reader.ReadWord("PM"))
    return TMarker::PM;
  return TMarker::None;
}

const std::string& MonthAt(const std::array<std::string, 12>& names, int month) {
  if (month < 1 || month > 12)
    throw std::out_of_range("Month " + std::to_string(month) + " is outside 1..12");
  return names[static_cast<std::size_t>(month - 1)];
}

} // namespace

std::optional<double> ReadClockTime(std::string_view text, std::string_view timeSeparator,
                                    std::string_view amString, std::string_view pmString) {
  TClockTextReader reader(text);
  const auto readSeparator = [&] { return reader.ReadWord(timeSeparator) || reader.ReadWord(":"); };

  TMarker marker = ReadMarker(reader, amString, pmString);
  const std::optional<int> hour = reader.ReadNumber();
  if (!hour)
    return std::nullopt;
  int minute = 0;
  int second = 0;
  if (readSeparator()) {
    const std::optional<int> readMinute = reader.ReadNumber();
    if (!readMinute)
      return std::nullopt;
    minute = *readMinute;
    if (readSeparator()) {
      const std::optional<int> readSecond = reader.ReadNumber();
      if (!readSecond)
        return std::nullopt;
      second = *readSecond;
    }
  }
  if (marker == TMarker::None)
    marker = ReadMarker(reader, amString, pmString);
  if (!reader.AtEnd())
    return std::nullopt;

  int hourOfDay = *hour;
  if (marker != TMarker::None) {
    if (hourOfDay == 0 || hourOfDay > 12)
      return std::nullopt;
    hourOfDay %= 12;
    if (marker == TMarker::PM)
      hourOfDay += 12;
  }
  if (hourOfDay >= 24 || minute >= 60 || second >= 60)
    return std::nullopt;
  return (hourOfDay * 3600 + minute * 60 + second) / 86400.0;
}

TFixedLocale::TFixedLocale(TLocaleData data) : FData(std::move(data)) {}

std::string TFixedLocale::ShortMonthName(int month) const {
  return MonthAt(FData.ShortMonthNames, month);
}

std::string TFixedLocale::LongMonthName(int month) const {
  return MonthAt(FData.LongMonthNames, month);
}

std::optional<double> TFixedLocale::ReadTime(std::string_view text) const {
  return ReadClockTime(text, FData.TimeSeparator, FData.TimeAMString, FData.TimePMString);
}

const ILocale& EnglishUSLocale() {
  static const TFixedLocale locale(
      {"M/d/yyyy", "/", ".", ",", EnglishShortMonths, EnglishLongMonths, ":", "AM", "PM"});
  return locale;
}

const ILocale& GermanLocale() {
  static const TFixedLocale locale(
      {"dd.MM.yyyy",
       ".",
       ",",
       ".",
       {"Jan", "Feb", "M\xC3\xA4r", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
       {"Januar", "Februar", "M\xC3\xA4rz", "April", "Mai", "Juni", "Juli", "August", "September",
        "Oktober", "November", "Dezember"},
       ":",
       "",
       ""});
  return locale;
}

const ILocale& IsoLocale() {
  static const TFixedLocale locale(
      {"yyyy-MM-dd", "-", ".", ",", EnglishShortMonths, EnglishLongMonths, ":", "AM", "PM"});
  return locale;
}

} // namespace laytime
