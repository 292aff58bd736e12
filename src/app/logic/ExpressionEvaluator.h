// The small formula language of the percentage and quantity cells: numbers, + - * / ^,
// parentheses and a handful of functions, evaluated to one double.
#pragma once

#include <cstdint>
#include <string_view>

namespace laytime {

/// How an evaluation ended; the values are the evaluator's status codes.
enum class TExpressionStatus : std::uint8_t {
  Success = 0,
  /// Well formed, but a number or an operation is out of range (4/0, LN(0), -2^2).
  ValueError = 1,
  /// Not one complete expression (a bad character, an unbalanced parenthesis, 1.2.3, too deep).
  SyntaxError = 2,
};

struct TExpressionResult {
  /// True only for a complete expression without a value error.
  bool Success = false;
  /// The value; 0 whenever the evaluation failed.
  double Value = 0.0;
  TExpressionStatus Status = TExpressionStatus::SyntaxError;
};

/// Evaluates `text` as one expression.
///
/// Only the first 255 characters are read; small letters count as capitals and blanks between
/// tokens are skipped. A decimal point may be written '.' or ',' and a number may carry an
/// exponent (2E3, 2E+3, up to 4 exponent digits). The functions are ABS, ATAN, COS, EXP, LN,
/// ROUND (halves to the even neighbour), SIN, SQRT, SQR and TRUNC, angles in radians. A unary
/// minus binds tighter than the power sign (-2^2 raises -2 and fails) and cannot follow another
/// minus (--5 fails, -(-5) is 5); powers group to the right (2^3^2 is 2^9). Nesting deeper than
/// the parser's 20 stack entries is a syntax error. A syntax error wins over a value error met
/// earlier in the text. Any result that a double cannot hold (an overflow) is a value error; a
/// number too small for a double (1E-400) reads as 0.
TExpressionResult EvaluateExpression(std::string_view text);

} // namespace laytime
