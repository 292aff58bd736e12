#include "core/NumberText.h"

#include "core/TextUtil.h"
#include "core/ZQTypes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace laytime {

namespace {

constexpr int SignificantDigits = 15;
constexpr int MaxDecimals = 18;

std::string Grouped(const std::string& digits, const std::string& separator) {
  if (separator.empty())
    return digits;
  std::string out;
  const std::size_t first = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
  out.append(digits, 0, first);
  for (std::size_t i = first; i < digits.size(); i += 3) {
    out += separator;
    out.append(digits, i, 3);
  }
  return out;
}

std::string WithoutSeparators(std::string_view text, const std::string& separator) {
  std::string out(text);
  if (separator.empty())
    return out;
  for (std::size_t at = out.find(separator); at != std::string::npos; at = out.find(separator, at))
    out.erase(at, separator.size());
  return out;
}

// Adds one unit in the last place of a string of decimal digits; gives false on a carry out
// of the first digit.
bool IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return true;
    }
    *it = '0';
  }
  return false;
}

// The value's first 15 significant digits and the decimal exponent of the first of them.
struct TSignificand {
  bool Negative = false;
  std::string Digits;
  int Exponent = 0;
};

TSignificand SignificandOf(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", SignificantDigits - 1, value);
  const std::string_view text(buffer);
  TSignificand result;
  result.Negative = text.front() == '-';
  const std::size_t mark = text.find('e');
  for (const char c : text.substr(0, mark)) {
    if (c >= '0' && c <= '9')
      result.Digits += c;
  }
  result.Exponent = std::atoi(buffer + mark + 1);
  return result;
}

std::string ExponentForm(const TSignificand& significand, const std::string& decimalSeparator) {
  std::string out = significand.Negative ? "-" : "";
  out += significand.Digits.substr(0, 1) + decimalSeparator + significand.Digits.substr(1);
  out += "E+" + std::to_string(significand.Exponent);
  return out;
}

// A strictly formed real: sign, digits, the decimal separator and digits, an exponent.
// Gives the same text with '.' as separator, as from_chars reads it, or nothing.
std::optional<std::string> NormalisedReal(std::string_view text,
                                          const std::string& decimalSeparator) {
  std::string out;
  std::size_t pos = 0;
  const auto takeDigits = [&] {
    const std::size_t start = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
      out += text[pos++];
    return pos - start;
  };
  const auto takeSign = [&] {
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      if (text[pos] == '-')
        out += '-';
      ++pos;
    }
  };

  takeSign();
  std::size_t mantissaDigits = takeDigits();
  if (!decimalSeparator.empty() && text.substr(pos, decimalSeparator.size()) == decimalSeparator) {
    pos += decimalSeparator.size();
    out += '.';
    mantissaDigits += takeDigits();
  }
  if (mantissaDigits == 0)
    return std::nullopt;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    out += 'e';
    takeSign();
    if (takeDigits() == 0)
      return std::nullopt;
  }
  if (pos != text.size())
    return std::nullopt;
  return out;
}

} // namespace

std::string RealToStr(double value, int decimals, bool grouped, const TFormatContext& context) {
  if (value == EmptyReal)
    return {};
  if (std::isnan(value))
    return "NAN";
  if (std::isinf(value))
    return value > 0 ? "INF" : "-INF";
  decimals = std::clamp(decimals, 0, MaxDecimals);

  const TSignificand significand = SignificandOf(value);
  const std::string decimalSeparator = context.Locale.DecimalSeparator();
  if (significand.Exponent >= SignificantDigits)
    return ExponentForm(significand, decimalSeparator);

  // Places the 15 digits around the decimal point, then rounds half up to the decimals asked.
  std::string integerPart = "0";
  std::string fraction;
  if (significand.Exponent >= 0) {
    const auto integerDigits = static_cast<std::size_t>(significand.Exponent) + 1;
    integerPart = significand.Digits.substr(0, integerDigits);
    fraction = significand.Digits.substr(integerDigits);
  } else {
    fraction = std::string(static_cast<std::size_t>(-significand.Exponent - 1), '0');
    fraction += significand.Digits;
  }
  const auto wanted = static_cast<std::size_t>(decimals);
  const bool roundUp = fraction.size() > wanted && fraction[wanted] >= '5';
  fraction.resize(wanted, '0');
  std::string digits = integerPart + fraction;
  if (roundUp && !IncrementDigits(digits))
    digits = "1" + digits;
  integerPart = digits.substr(0, digits.size() - wanted);
  fraction = digits.substr(digits.size() - wanted);

  const bool isZero = digits.find_first_not_of('0') == std::string::npos;
  std::string out = significand.Negative && !isZero ? "-" : "";
  out += grouped ? Grouped(integerPart, context.Locale.ThousandSeparator()) : integerPart;
  if (wanted > 0)
    out += decimalSeparator + fraction;
  return std::string(Trim(out));
}

double StrToReal(std::string_view text, const TFormatContext& context) {
  const std::string plain = WithoutSeparators(Trim(text), context.Locale.ThousandSeparator());
  const std::optional<std::string> normalised =
      NormalisedReal(plain, context.Locale.DecimalSeparator());
  if (!normalised)
    return EmptyReal;
  double value = 0.0;
  const char* end = normalised->data() + normalised->size();
  const auto [stop, error] = std::from_chars(normalised->data(), end, value);
  if (error != std::errc() || stop != end)
    return EmptyReal;
  return value;
}

std::string IntToStrOrEmpty(std::int32_t value, bool grouped, const TFormatContext& context) {
  if (value == EmptyInt)
    return {};
  const long long magnitude = value < 0 ? -static_cast<long long>(value) : value;
  const std::string digits = std::to_string(magnitude);
  std::string out = value < 0 ? "-" : "";
  out += grouped ? Grouped(digits, context.Locale.ThousandSeparator()) : digits;
  return out;
}

std::int32_t StrToIntOrEmpty(std::string_view text, const TFormatContext& context) {
  const std::string plain = WithoutSeparators(Trim(text), context.Locale.ThousandSeparator());
  return TryStrToInt(plain).value_or(EmptyInt);
}

} // namespace laytime
