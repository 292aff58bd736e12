// What the text forms of dates, times and numbers take from the user's locale. The app fills
// one from the platform; the fixed locales below serve tests and the command-line tool.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace laytime {

class ILocale {
public:
  virtual ~ILocale() = default;

  /// The short date format in the platform's letters: d, M and y (case does not matter),
  /// literals in single or double quotes, and '/' standing for the date separator.
  virtual std::string ShortDateFormat() const = 0;
  virtual std::string DateSeparator() const = 0;
  virtual std::string DecimalSeparator() const = 0;
  /// May be empty for a locale that does not group digits.
  virtual std::string ThousandSeparator() const = 0;
  /// The name of month 1..12; any other number is a programming error (std::out_of_range).
  virtual std::string ShortMonthName(int month) const = 0;
  virtual std::string LongMonthName(int month) const = 0;
  virtual std::string TimeSeparator() const = 0;
  virtual std::string TimeAMString() const = 0;
  virtual std::string TimePMString() const = 0;

  /// The system's reading of a clock time: hours, minutes, optional seconds and an AM or PM
  /// marker before or after them. Gives the fraction of a day, or nothing when the text is
  /// not a time of 00:00:00..23:59:59.
  virtual std::optional<double> ReadTime(std::string_view text) const = 0;
};

/// The values of a locale, as plain data.
struct TLocaleData {
  std::string ShortDateFormat;
  std::string DateSeparator;
  std::string DecimalSeparator;
  std::string ThousandSeparator;
  std::array<std::string, 12> ShortMonthNames;
  std::array<std::string, 12> LongMonthNames;
  std::string TimeSeparator;
  std::string TimeAMString;
  std::string TimePMString;
};

/// Reads a clock time the way the system does. The separator between the parts is
/// `timeSeparator` or a colon; the markers are compared without regard to case, and the
/// English "AM" and "PM" are understood besides the locale's own. With a marker the hour must
/// be 1..12 (12 AM is midnight, 12 PM noon).
std::optional<double> ReadClockTime(std::string_view text, std::string_view timeSeparator,
                                    std::string_view amString, std::string_view pmString);

/// A locale whose values never change.
class TFixedLocale final : public ILocale {
public:
  explicit TFixedLocale(TLocaleData data);

  std::string ShortDateFormat() const override { return FData.ShortDateFormat; }
  std::string DateSeparator() const override { return FData.DateSeparator; }
  std::string DecimalSeparator() const override { return FData.DecimalSeparator; }
  std::string ThousandSeparator() const override { return FData.ThousandSeparator; }
  std::string ShortMonthName(int month) const override;
  std::string LongMonthName(int month) const override;
  std::string TimeSeparator() const override { return FData.TimeSeparator; }
  std::string TimeAMString() const override { return FData.TimeAMString; }
  std::string TimePMString() const override { return FData.TimePMString; }
  std::optional<double> ReadTime(std::string_view text) const override;

private:
  TLocaleData FData;
};

/// English (United States): M/d/yyyy, '.' decimals, ',' thousands, AM/PM.
const ILocale& EnglishUSLocale();
/// German (Germany): dd.MM.yyyy, ',' decimals, '.' thousands, German month names, 24-hour clock.
const ILocale& GermanLocale();
/// English names and numbers with ISO dates: yyyy-MM-dd, '.' decimals, ',' thousands.
const ILocale& IsoLocale();

} // namespace laytime
