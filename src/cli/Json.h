// A small JSON value with a reader and a writer, for the open JSON form of calculations. Object
// members keep the order in which they were added or read, so that documents read as written.
#pragma once

#include "core/Errors.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace laytime::cli {

/// Text that is not JSON; the message names the line and column.
class EJsonSyntaxError : public ELaytimeError {
public:
  using ELaytimeError::ELaytimeError;
};

class TJsonValue {
public:
  enum class TKind : std::uint8_t { Null, Boolean, Number, String, Array, Object };
  using TMember = std::pair<std::string, TJsonValue>;

  TJsonValue() = default;
  static TJsonValue Boolean(bool value);
  /// A number written in its shortest form that reads back as the same double.
  static TJsonValue Number(double value);
  static TJsonValue Integer(std::int64_t value);
  /// A number given as its exact decimal text (money amounts); `text` must be a JSON number.
  static TJsonValue NumberText(std::string text);
  static TJsonValue String(std::string value);
  static TJsonValue Array();
  static TJsonValue Object();

  TKind Kind() const { return FKind; }
  bool IsNull() const { return FKind == TKind::Null; }

  bool AsBoolean() const { return FBoolean; }
  double AsNumber() const { return FNumber; }
  /// Whether the number was written without fraction or exponent and fits 64 bits.
  bool IsInteger() const { return FIsInteger; }
  std::int64_t AsInteger() const { return FInteger; }
  /// The number as it was read or will be written.
  const std::string& NumberLiteral() const { return FText; }
  const std::string& AsString() const { return FText; }

  const std::vector<TJsonValue>& Items() const { return FItems; }
  TJsonValue& Append(TJsonValue value);

  const std::vector<TMember>& Members() const { return FMembers; }
  /// Adds a member at the end; the name must not be present yet.
  TJsonValue& Set(std::string name, TJsonValue value);
  /// The member of that name, or nullptr.
  const TJsonValue* Find(std::string_view name) const;

private:
  TKind FKind = TKind::Null;
  bool FBoolean = false;
  bool FIsInteger = false;
  double FNumber = 0.0;
  std::int64_t FInteger = 0;
  std::string FText;
  std::vector<TJsonValue> FItems;
  std::vector<TMember> FMembers;
};

/// Reads one JSON document (UTF-8). Nesting deeper than 64 levels, invalid UTF-8 in strings,
/// duplicate member names and trailing text are refused with EJsonSyntaxError.
TJsonValue ParseJson(std::string_view text);

/// The document indented by two blanks per level, ending with a line break.
std::string WriteJson(const TJsonValue& value);

} // namespace laytime::cli
