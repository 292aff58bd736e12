#include "cli/Json.h"

#include "core/Utf8.h"

#include <cassert>
#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

namespace laytime::cli {

TJsonValue TJsonValue::Boolean(bool value) {
  TJsonValue result;
  result.FKind = TKind::Boolean;
  result.FBoolean = value;
  return result;
}

TJsonValue TJsonValue::Number(double value) {
  assert(std::isfinite(value));
  TJsonValue result;
  result.FKind = TKind::Number;
  result.FNumber = value;
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  assert(ec == std::errc());
  result.FText.assign(buffer, end);
  return result;
}

TJsonValue TJsonValue::Integer(std::int64_t value) {
  TJsonValue result;
  result.FKind = TKind::Number;
  result.FNumber = static_cast<double>(value);
  result.FIsInteger = true;
  result.FInteger = value;
  result.FText = std::to_string(value);
  return result;
}

TJsonValue TJsonValue::NumberText(std::string text) {
  TJsonValue result;
  result.FKind = TKind::Number;
  std::from_chars(text.data(), text.data() + text.size(), result.FNumber);
  result.FText = std::move(text);
  return result;
}

TJsonValue TJsonValue::String(std::string value) {
  TJsonValue result;
  result.FKind = TKind::String;
  result.FText = std::move(value);
  return result;
}

TJsonValue TJsonValue::Array() {
  TJsonValue result;
  result.FKind = TKind::Array;
  return result;
}

TJsonValue TJsonValue::Object() {
  TJsonValue result;
  result.FKind = TKind::Object;
  return result;
}

TJsonValue& TJsonValue::Append(TJsonValue value) {
  assert(FKind == TKind::Array);
  FItems.push_back(std::move(value));
  return FItems.back();
}

TJsonValue& TJsonValue::Set(std::string name, TJsonValue value) {
  assert(FKind == TKind::Object);
  assert(Find(name) == nullptr);
  FMembers.emplace_back(std::move(name), std::move(value));
  return FMembers.back().second;
}

const TJsonValue* TJsonValue::Find(std::string_view name) const {
  for (const TMember& member : FMembers)
    if (member.first == name)
      return &member.second;
  return nullptr;
}

namespace {

constexpr int MaxDepth = 64;

class TJsonReader {
public:
  explicit TJsonReader(std::string_view text) : FText(text) {}

  TJsonValue Document() {
    SkipBlanks();
    TJsonValue value = Value(0);
    SkipBlanks();
    if (FPos != FText.size())
      Fail("unexpected text after the document");
    return value;
  }

private:
  [[noreturn]] void Fail(const std::string& what) const {
    int line = 1;
    int column = 1;
    for (std::size_t i = 0; i < FPos && i < FText.size(); ++i) {
      if (FText[i] == '\n') {
        ++line;
        column = 1;
      } else {
        ++column;
      }
    }
    throw EJsonSyntaxError("JSON error at line " + std::to_string(line) + ", column " +
                           std::to_string(column) + ": " + what);
  }

  void SkipBlanks() {
    while (FPos < FText.size() && (FText[FPos] == ' ' || FText[FPos] == '\t' ||
                                   FText[FPos] == '\n' || FText[FPos] == '\r'))
      ++FPos;
  }

  bool Consume(std::string_view word) {
    if (FText.substr(FPos, word.size()) != word)
      return false;
    FPos += word.size();
    return true;
  }

  TJsonValue Value(int depth) {
    if (depth >= MaxDepth)
      Fail("the document is nested too deeply");
    if (FPos >= FText.size())
      Fail("unexpected end of the document");
    const char c = FText[FPos];
    if (c == '{')
      return ObjectValue(depth);
    if (c == '[')
      return ArrayValue(depth);
    if (c == '"')
      return TJsonValue::String(StringValue());
    if (c == '-' || (c >= '0' && c <= '9'))
      return NumberValue();
    if (Consume("true"))
      return TJsonValue::Boolean(true);
    if (Consume("false"))
      return TJsonValue::Boolean(false);
    if (Consume("null"))
      return TJsonValue();
    Fail("unexpected character");
  }

  TJsonValue ObjectValue(int depth) {
    ++FPos;
    TJsonValue object = TJsonValue::Object();
    SkipBlanks();
    if (Consume("}"))
      return object;
    for (;;) {
      SkipBlanks();
      if (FPos >= FText.size() || FText[FPos] != '"')
        Fail("a member name in double quotes expected");
      std::string name = StringValue();
      if (object.Find(name) != nullptr)
        Fail("the member \"" + name + "\" occurs twice");
      SkipBlanks();
      if (!Consume(":"))
        Fail("':' expected");
      SkipBlanks();
      TJsonValue value = Value(depth + 1);
      object.Set(std::move(name), std::move(value));
      SkipBlanks();
      if (Consume("}"))
        return object;
      if (!Consume(","))
        Fail("',' or '}' expected");
    }
  }

  TJsonValue ArrayValue(int depth) {
    ++FPos;
    TJsonValue array = TJsonValue::Array();
    SkipBlanks();
    if (Consume("]"))
      return array;
    for (;;) {
      SkipBlanks();
      array.Append(Value(depth + 1));
      SkipBlanks();
      if (Consume("]"))
        return array;
      if (!Consume(","))
        Fail("',' or ']' expected");
    }
  }

  unsigned Hex4() {
    if (FPos + 4 > FText.size())
      Fail("incomplete \\u escape");
    unsigned value = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = FText[FPos++];
      value <<= 4;
      if (c >= '0' && c <= '9')
        value |= static_cast<unsigned>(c - '0');
      else if (c >= 'a' && c <= 'f')
        value |= static_cast<unsigned>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F')
        value |= static_cast<unsigned>(c - 'A' + 10);
      else
        Fail("invalid \\u escape");
    }
    return value;
  }

  std::string StringValue() {
    ++FPos;
    std::string result;
    for (;;) {
      if (FPos >= FText.size())
        Fail("unterminated string");
      const unsigned char c = static_cast<unsigned char>(FText[FPos]);
      if (c == '"') {
        ++FPos;
        return result;
      }
      if (c < 0x20)
        Fail("control character in a string");
      if (c == '\\') {
        ++FPos;
        if (FPos >= FText.size())
          Fail("unterminated string");
        const char e = FText[FPos++];
        switch (e) {
        case '"':
          result += '"';
          break;
        case '\\':
          result += '\\';
          break;
        case '/':
          result += '/';
          break;
        case 'b':
          result += '\b';
          break;
        case 'f':
          result += '\f';
          break;
        case 'n':
          result += '\n';
          break;
        case 'r':
          result += '\r';
          break;
        case 't':
          result += '\t';
          break;
        case 'u': {
          char32_t code = Hex4();
          if (code >= 0xD800 && code <= 0xDBFF) {
            if (!Consume("\\u"))
              Fail("unpaired surrogate in \\u escape");
            const char32_t low = Hex4();
            if (low < 0xDC00 || low > 0xDFFF)
              Fail("unpaired surrogate in \\u escape");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          } else if (code >= 0xDC00 && code <= 0xDFFF) {
            Fail("unpaired surrogate in \\u escape");
          }
          AppendUtf8(result, code);
          break;
        }
        default:
          Fail("invalid escape in a string");
        }
        continue;
      }
      if (c < 0x80) {
        result += static_cast<char>(c);
        ++FPos;
        continue;
      }
      // A multi-byte sequence must decode to a code point whose own encoding is these bytes.
      std::size_t next = FPos;
      const char32_t code = NextCodePoint(FText, next);
      std::string encoded;
      AppendUtf8(encoded, code);
      if (encoded != FText.substr(FPos, next - FPos))
        Fail("invalid UTF-8 in a string");
      result += encoded;
      FPos = next;
    }
  }

  TJsonValue NumberValue() {
    const std::size_t start = FPos;
    bool integral = true;
    if (FText[FPos] == '-')
      ++FPos;
    if (FPos >= FText.size() || !std::isdigit(static_cast<unsigned char>(FText[FPos])))
      Fail("invalid number");
    if (FText[FPos] == '0' && FPos + 1 < FText.size() &&
        std::isdigit(static_cast<unsigned char>(FText[FPos + 1])))
      Fail("invalid number (leading zero)");
    while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos])))
      ++FPos;
    if (FPos < FText.size() && FText[FPos] == '.') {
      integral = false;
      ++FPos;
      if (FPos >= FText.size() || !std::isdigit(static_cast<unsigned char>(FText[FPos])))
        Fail("invalid number");
      while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos])))
        ++FPos;
    }
    if (FPos < FText.size() && (FText[FPos] == 'e' || FText[FPos] == 'E')) {
      integral = false;
      ++FPos;
      if (FPos < FText.size() && (FText[FPos] == '+' || FText[FPos] == '-'))
        ++FPos;
      if (FPos >= FText.size() || !std::isdigit(static_cast<unsigned char>(FText[FPos])))
        Fail("invalid number");
      while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos])))
        ++FPos;
    }
    const std::string_view literal = FText.substr(start, FPos - start);
    if (integral) {
      std::int64_t value = 0;
      const auto [end, ec] =
          std::from_chars(literal.data(), literal.data() + literal.size(), value);
      if (ec == std::errc() && end == literal.data() + literal.size())
        return TJsonValue::Integer(value);
    }
    double number = 0.0;
    const auto [end, ec] = std::from_chars(literal.data(), literal.data() + literal.size(), number);
    if (ec != std::errc() || !std::isfinite(number))
      Fail("number out of range");
    (void)end;
    return TJsonValue::NumberText(std::string(literal));
  }

  std::string_view FText;
  std::size_t FPos = 0;
};

void WriteString(std::string& out, std::string_view text) {
  out += '"';
  std::size_t pos = 0;
  while (pos < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    if (c >= 0x80) {
      // Stored texts are UTF-8; a stray byte is written as the replacement character so that
      // the document stays valid.
      const char32_t code = NextCodePoint(text, pos);
      AppendUtf8(out, code);
      continue;
    }
    ++pos;
    switch (c) {
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    default:
      if (c < 0x20) {
        static constexpr char Digits[] = "0123456789abcdef";
        out += "\\u00";
        out += Digits[c >> 4];
        out += Digits[c & 15];
      } else {
        out += static_cast<char>(c);
      }
    }
  }
  out += '"';
}

void WriteValue(std::string& out, const TJsonValue& value, int indent) {
  const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
  const std::string outer(static_cast<std::size_t>(indent), ' ');
  switch (value.Kind()) {
  case TJsonValue::TKind::Null:
    out += "null";
    return;
  case TJsonValue::TKind::Boolean:
    out += value.AsBoolean() ? "true" : "false";
    return;
  case TJsonValue::TKind::Number:
    out += value.NumberLiteral();
    return;
  case TJsonValue::TKind::String:
    WriteString(out, value.AsString());
    return;
  case TJsonValue::TKind::Array:
    if (value.Items().empty()) {
      out += "[]";
      return;
    }
    out += "[\n";
    for (std::size_t i = 0; i < value.Items().size(); ++i) {
      out += inner;
      WriteValue(out, value.Items()[i], indent + 2);
      out += i + 1 < value.Items().size() ? ",\n" : "\n";
    }
    out += outer + "]";
    return;
  case TJsonValue::TKind::Object:
    if (value.Members().empty()) {
      out += "{}";
      return;
    }
    out += "{\n";
    for (std::size_t i = 0; i < value.Members().size(); ++i) {
      out += inner;
      WriteString(out, value.Members()[i].first);
      out += ": ";
      WriteValue(out, value.Members()[i].second, indent + 2);
      out += i + 1 < value.Members().size() ? ",\n" : "\n";
    }
    out += outer + "}";
    return;
  }
}

} // namespace

TJsonValue ParseJson(std::string_view text) {
  return TJsonReader(text).Document();
}

std::string WriteJson(const TJsonValue& value) {
  std::string out;
  WriteValue(out, value, 0);
  out += '\n';
  return out;
}

} // namespace laytime::cli
