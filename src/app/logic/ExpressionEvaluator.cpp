#include "app/logic/ExpressionEvaluator.h"

#include "core/Rounding.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

// The evaluator is a table-driven shift-reduce parser. The grammar, with its rules numbered as
// the reductions below:
//
//   1  E -> E + T        5  T -> T / F        9  K -> - L            13  M -> cell
//   2  E -> E - T        6  T -> F           10  K -> L              14  M -> ( E )
//   3  E -> T            7  F -> K ^ F       11  L -> cell : cell    15  M -> number
//   4  T -> T * F        8  F -> K           12  L -> M              16  M -> function ( E )
//
// The scanner never produces cell references, so rules 11 and 13 and the states that lead to
// them (7, 18, 26) are never reached; they stay in the tables so that the tables are complete.

namespace laytime {

namespace {

constexpr std::size_t MaxInputLength = 255;
// The start entry counts, so a parse can hold at most 19 shifted or reduced symbols.
constexpr std::size_t MaxStackEntries = 20;
constexpr std::size_t MaxExponentDigits = 4;
// e^x is defined for |x| up to this bound (the natural logarithm of the largest extended real).
constexpr double MaxNaturalExponent = 11356.0;
// ROUND and TRUNC accept arguments up to this magnitude.
constexpr double MaxWholeNumberArgument = 1e9;

enum class TTokenKind : std::uint8_t {
  Plus = 0,
  Minus = 1,
  Times = 2,
  Divide = 3,
  Power = 4,
  Colon = 5,
  OpenParenthesis = 6,
  CloseParenthesis = 7,
  Number = 8,
  Cell = 9,
  Function = 10,
  EndOfInput = 11,
  BadToken = 12,
};

enum class TFunction : std::uint8_t { Abs, Atan, Cos, Exp, Ln, Round, Sin, Sqrt, Sqr, Trunc };

struct TFunctionName {
  std::string_view Name;
  TFunction Function;
};

// Tried in this order, the first whose name starts the rest of the input wins: SQRT therefore
// comes before SQR.
constexpr std::array<TFunctionName, 10> FunctionNames = {{
    {"ABS", TFunction::Abs},
    {"ATAN", TFunction::Atan},
    {"COS", TFunction::Cos},
    {"EXP", TFunction::Exp},
    {"LN", TFunction::Ln},
    {"ROUND", TFunction::Round},
    {"SIN", TFunction::Sin},
    {"SQRT", TFunction::Sqrt},
    {"SQR", TFunction::Sqr},
    {"TRUNC", TFunction::Trunc},
}};

struct TToken {
  TTokenKind Kind = TTokenKind::EndOfInput;
  double Value = 0.0;                  // numbers
  TFunction Function = TFunction::Abs; // functions
  bool ValueError = false;             // a number whose text is not a double
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsDecimalPoint(char c) {
  return c == '.' || c == ',';
}

bool HasNegativeExponent(std::string_view number) {
  const std::size_t exponent = number.find('E');
  return exponent != std::string_view::npos && exponent + 1 < number.size() &&
         number[exponent + 1] == '-';
}

class TScanner {
public:
  explicit TScanner(std::string_view text) : FInput(text.substr(0, MaxInputLength)) {
    // Only a..z change; any other character, including a non-ASCII one, is a bad token later.
    // The cut counts bytes: the first non-ASCII character stands at the same place in bytes and
    // in characters and fails the parse either way, so the outcome is the same.
    for (char& c : FInput) {
      if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    }
  }

  TToken Next() {
    while (FPosition < FInput.size() && FInput[FPosition] == ' ')
      ++FPosition;
    if (FPosition == FInput.size())
      return {TTokenKind::EndOfInput};
    const char first = FInput[FPosition];
    if (IsDigit(first) || IsDecimalPoint(first))
      return ScanNumber();
    if (first >= 'A' && first <= 'Z')
      return ScanFunction();
    ++FPosition;
    switch (first) {
    case '(':
      return {TTokenKind::OpenParenthesis};
    case ')':
      return {TTokenKind::CloseParenthesis};
    case '*':
      return {TTokenKind::Times};
    case '+':
      return {TTokenKind::Plus};
    case '-':
      return {TTokenKind::Minus};
    case '/':
      return {TTokenKind::Divide};
    case ':':
      return {TTokenKind::Colon};
    case '^':
      return {TTokenKind::Power};
    }
    return {TTokenKind::BadToken};
  }

private:
  bool At(auto predicate) const {
    return FPosition < FInput.size() && predicate(FInput[FPosition]);
  }

  // The longest run of digits and decimal points holding at most one point, then an optional
  // exponent: E, an optional sign and up to four digits. "1.2.3" is therefore the number 1.2
  // followed by the number .3.
  TToken ScanNumber() {
    std::string text;
    bool hasDecimalPoint = false;
    while (At([](char c) { return IsDigit(c) || IsDecimalPoint(c); })) {
      const char c = FInput[FPosition];
      if (IsDecimalPoint(c)) {
        if (hasDecimalPoint)
          break;
        hasDecimalPoint = true;
        text += '.';
      } else {
        text += c;
      }
      ++FPosition;
    }
    if (text == ".")
      return {TTokenKind::BadToken};
    if (At([](char c) { return c == 'E'; })) {
      text += 'E';
      ++FPosition;
      if (At([](char c) { return c == '+' || c == '-'; }))
        text += FInput[FPosition++];
      for (std::size_t digits = 0; digits < MaxExponentDigits && At(IsDigit); ++digits)
        text += FInput[FPosition++];
    }
    if (text.front() == '.')
      text.insert(text.begin(), '0');

    // A text such as "2E" or "1E999" is still a number token, but one without a value.
    TToken token{TTokenKind::Number};
    const char* const end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, token.Value);
    if (error == std::errc::result_out_of_range && rest == end && HasNegativeExponent(text)) {
      // Too small for a double, not too large: the 255 characters of the input cannot hold a
      // mantissa that a negative exponent would leave too large. Such a number is 0, as is
      // every result of an operation that comes out that small (2^-2000).
      token.Value = 0.0;
      return token;
    }
    if (error != std::errc{} || rest != end) {
      token.Value = 0.0;
      token.ValueError = true;
    }
    return token;
  }

  TToken ScanFunction() {
    const std::string_view rest = std::string_view(FInput).substr(FPosition);
    for (const TFunctionName& candidate : FunctionNames) {
      if (rest.starts_with(candidate.Name)) {
        FPosition += candidate.Name.size();
        TToken token{TTokenKind::Function};
        token.Function = candidate.Function;
        return token;
      }
    }
    return {TTokenKind::BadToken};
  }

  std::string FInput;
  std::size_t FPosition = 0;
};

// --- Parser tables --------------------------------------------------------------------------

enum class TActionKind : std::uint8_t { Shift, Reduce, Accept, Error };

struct TAction {
  TActionKind Kind = TActionKind::Error;
  int Target = 0; // the state to shift to, or the rule to reduce by
};

constexpr TAction Shift(int state) {
  return {TActionKind::Shift, state};
}
constexpr TAction Reduce(int rule) {
  return {TActionKind::Reduce, rule};
}
constexpr TAction Accept() {
  return {TActionKind::Accept, 0};
}
constexpr TAction SyntaxError() {
  return {TActionKind::Error, 0};
}

// An operand is expected: a number, a cell, a function call, a parenthesis or, unless the
// operand already follows a unary minus, a unary minus.
TAction OperandAction(TTokenKind token, bool minusAllowed) {
  switch (token) {
  case TTokenKind::Number:
    return Shift(10);
  case TTokenKind::Cell:
    return Shift(7);
  case TTokenKind::Function:
    return Shift(11);
  case TTokenKind::OpenParenthesis:
    return Shift(9);
  case TTokenKind::Minus:
    return minusAllowed ? Shift(5) : SyntaxError();
  default:
    return SyntaxError();
  }
}

// After an E inside parentheses: another term, or the closing parenthesis.
TAction InnerExpressionAction(TTokenKind token, int closeState) {
  switch (token) {
  case TTokenKind::Plus:
    return Shift(12);
  case TTokenKind::Minus:
    return Shift(13);
  case TTokenKind::CloseParenthesis:
    return Shift(closeState);
  default:
    return SyntaxError();
  }
}

// After a complete T: a factor may follow, otherwise the T is reduced by `rule`.
TAction TermAction(TTokenKind token, int rule) {
  if (token == TTokenKind::Times)
    return Shift(14);
  if (token == TTokenKind::Divide)
    return Shift(15);
  return Reduce(rule);
}

TAction ActionFor(int state, TTokenKind token) {
  switch (state) {
  case 0:
  case 9:
  case 12:
  case 13:
  case 14:
  case 15:
  case 16:
  case 20:
    return OperandAction(token, /*minusAllowed=*/true);
  case 1: // E at the outermost level
    if (token == TTokenKind::EndOfInput)
      return Accept();
    if (token == TTokenKind::Plus)
      return Shift(12);
    if (token == TTokenKind::Minus)
      return Shift(13);
    return SyntaxError();
  case 2: // E -> T .
    return TermAction(token, 3);
  case 3:
    return Reduce(6);
  case 4: // F -> K .
    return token == TTokenKind::Power ? Shift(16) : Reduce(8);
  case 5: // after a unary minus
    return OperandAction(token, /*minusAllowed=*/false);
  case 6:
    return Reduce(10);
  case 7:
    return token == TTokenKind::Colon ? Shift(18) : Reduce(13);
  case 8:
    return Reduce(12);
  case 10:
    return Reduce(15);
  case 11: // after a function name
    return token == TTokenKind::OpenParenthesis ? Shift(20) : SyntaxError();
  case 17:
    return Reduce(9);
  case 18:
    return token == TTokenKind::Cell ? Shift(26) : SyntaxError();
  case 19: // ( E .
    return InnerExpressionAction(token, 27);
  case 21: // E + T .
    return TermAction(token, 1);
  case 22: // E - T .
    return TermAction(token, 2);
  case 23:
    return Reduce(4);
  case 24:
    return Reduce(5);
  case 25:
    return Reduce(7);
  case 26:
    return Reduce(11);
  case 27:
    return Reduce(14);
  case 28: // function ( E .
    return InnerExpressionAction(token, 29);
  case 29:
    return Reduce(16);
  }
  assert(false && "parser state outside 0..29");
  return SyntaxError();
}

enum class TSymbol : std::uint8_t { E, T, F, K, L, M };

struct TRule {
  TSymbol LeftSide;
  std::size_t Length; // symbols on the right-hand side
};

// Indexed by rule number; entry 0 is unused.
constexpr std::array<TRule, 17> Rules = {{
    {TSymbol::E, 0},
    {TSymbol::E, 3}, // 1  E -> E + T
    {TSymbol::E, 3}, // 2  E -> E - T
    {TSymbol::E, 1}, // 3  E -> T
    {TSymbol::T, 3}, // 4  T -> T * F
    {TSymbol::T, 3}, // 5  T -> T / F
    {TSymbol::T, 1}, // 6  T -> F
    {TSymbol::F, 3}, // 7  F -> K ^ F
    {TSymbol::F, 1}, // 8  F -> K
    {TSymbol::K, 2}, // 9  K -> - L
    {TSymbol::K, 1}, // 10 K -> L
    {TSymbol::L, 3}, // 11 L -> cell : cell
    {TSymbol::L, 1}, // 12 L -> M
    {TSymbol::M, 1}, // 13 M -> cell
    {TSymbol::M, 3}, // 14 M -> ( E )
    {TSymbol::M, 1}, // 15 M -> number
    {TSymbol::M, 4}, // 16 M -> function ( E )
}};

// The state after a reduction to `symbol`, given the state uncovered on top of the stack;
// nullopt where the table has no entry, which a correct parse never meets.
std::optional<int> GotoFor(TSymbol symbol, int state) {
  const bool outer = state == 0 || state == 9 || state == 20;
  const bool afterAddition = state == 12 || state == 13;
  const bool afterMultiplication = state == 14 || state == 15 || state == 16;
  switch (symbol) {
  case TSymbol::E:
    if (state == 0)
      return 1;
    if (state == 9)
      return 19;
    if (state == 20)
      return 28;
    return std::nullopt;
  case TSymbol::T:
    if (outer)
      return 2;
    if (state == 12)
      return 21;
    if (state == 13)
      return 22;
    return std::nullopt;
  case TSymbol::F:
    if (outer || afterAddition)
      return 3;
    if (state == 14)
      return 23;
    if (state == 15)
      return 24;
    if (state == 16)
      return 25;
    return std::nullopt;
  case TSymbol::K:
    if (outer || afterAddition || afterMultiplication)
      return 4;
    return std::nullopt;
  case TSymbol::L:
    if (outer || afterAddition || afterMultiplication)
      return 6;
    if (state == 5)
      return 17;
    return std::nullopt;
  case TSymbol::M:
    if (outer || afterAddition || afterMultiplication || state == 5)
      return 8;
    return std::nullopt;
  }
  return std::nullopt;
}

// --- Values ---------------------------------------------------------------------------------

bool IsWithin(double value, double bound) {
  return value >= -bound && value <= bound;
}

// x^y is defined as e^(y ln x): x must be positive and y ln x within the range of e^x. The value
// itself comes from pow, which gives 2^3 as exactly 8 where exp(3 ln 2) in doubles does not.
std::optional<double> Power(double base, double exponent) {
  if (base <= 0.0)
    return std::nullopt;
  if (!IsWithin(exponent * std::log(base), MaxNaturalExponent))
    return std::nullopt;
  return std::pow(base, exponent);
}

std::optional<double> ApplyFunction(TFunction function, double x) {
  switch (function) {
  case TFunction::Abs:
    return std::fabs(x);
  case TFunction::Atan:
    return std::atan(x);
  case TFunction::Cos:
    return std::cos(x);
  case TFunction::Exp:
    if (!IsWithin(x, MaxNaturalExponent))
      return std::nullopt;
    return std::exp(x);
  case TFunction::Ln:
    if (x <= 0.0)
      return std::nullopt;
    return std::log(x);
  case TFunction::Round:
    if (!IsWithin(x, MaxWholeNumberArgument))
      return std::nullopt;
    return static_cast<double>(RoundHalfEven(x));
  case TFunction::Sin:
    return std::sin(x);
  case TFunction::Sqrt:
    if (x < 0.0)
      return std::nullopt;
    return std::sqrt(x);
  case TFunction::Sqr:
    return x * x;
  case TFunction::Trunc:
    if (!IsWithin(x, MaxWholeNumberArgument))
      return std::nullopt;
    return std::trunc(x);
  }
  return std::nullopt;
}

// A stack entry: the state, with the value and function of the token shifted with it or the
// value that the reduction produced.
struct TStackEntry {
  int State = 0;
  double Value = 0.0;
  TFunction Function = TFunction::Abs;
};

// The value of a reduction by `rule`, whose right-hand side starts at `rhs`; nullopt for a value
// error.
std::optional<double> RuleValue(int rule, const TStackEntry* rhs) {
  switch (rule) {
  case 1:
    return rhs[0].Value + rhs[2].Value;
  case 2:
    return rhs[0].Value - rhs[2].Value;
  case 4:
    return rhs[0].Value * rhs[2].Value;
  case 5:
    if (rhs[2].Value == 0.0)
      return std::nullopt;
    return rhs[0].Value / rhs[2].Value;
  case 7:
    return Power(rhs[0].Value, rhs[2].Value);
  case 9:
    return -rhs[1].Value;
  case 11:
  case 13:
    // Cell references have no value in this evaluator.
    return std::nullopt;
  case 14:
    return rhs[1].Value;
  case 16:
    return ApplyFunction(rhs[0].Function, rhs[2].Value);
  default: // the chain rules 3, 6, 8, 10, 12 and 15 pass their one value on
    return rhs[0].Value;
  }
}

class TParser {
public:
  explicit TParser(std::string_view text) : FScanner(text) { FStack.reserve(MaxStackEntries); }

  TExpressionResult Run() {
    FStack.push_back({0});
    TToken token = ReadToken();
    for (;;) {
      const TAction action = ActionFor(FStack.back().State, token.Kind);
      switch (action.Kind) {
      case TActionKind::Shift:
        if (!Push({action.Target, token.Value, token.Function}))
          return Failure(TExpressionStatus::SyntaxError);
        token = ReadToken();
        break;
      case TActionKind::Reduce:
        if (!ReduceBy(action.Target))
          return Failure(TExpressionStatus::SyntaxError);
        break;
      case TActionKind::Accept:
        if (FValueError)
          return Failure(TExpressionStatus::ValueError);
        return {true, FStack.back().Value, TExpressionStatus::Success};
      case TActionKind::Error:
        return Failure(TExpressionStatus::SyntaxError);
      }
    }
  }

private:
  static TExpressionResult Failure(TExpressionStatus status) { return {false, 0.0, status}; }

  TToken ReadToken() {
    TToken token = FScanner.Next();
    FValueError = FValueError || token.ValueError;
    return token;
  }

  // False when the stack is full: the parse then ends as a syntax error.
  bool Push(const TStackEntry& entry) {
    if (FStack.size() >= MaxStackEntries)
      return false;
    FStack.push_back(entry);
    return true;
  }

  // A value error is remembered and the parse goes on with 0, so that a later syntax error
  // still decides the outcome. A result a double cannot hold counts as a value error too.
  bool ReduceBy(int rule) {
    const TRule& production = Rules[static_cast<std::size_t>(rule)];
    assert(FStack.size() > production.Length);
    const std::size_t base = FStack.size() - production.Length;
    std::optional<double> value = RuleValue(rule, &FStack[base]);
    if (!value || !std::isfinite(*value)) {
      FValueError = true;
      value = 0.0;
    }
    FStack.resize(base);
    const std::optional<int> next = GotoFor(production.LeftSide, FStack.back().State);
    assert(next && "goto table has no entry");
    if (!next)
      return false;
    return Push({*next, *value});
  }

  TScanner FScanner;
  std::vector<TStackEntry> FStack;
  bool FValueError = false;
};

} // namespace

TExpressionResult EvaluateExpression(std::string_view text) {
  return TParser(text).Run();
}

} // namespace laytime
