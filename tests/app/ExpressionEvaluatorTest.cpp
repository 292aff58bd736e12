#include "app/logic/ExpressionEvaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace laytime {
namespace {

using enum TExpressionStatus;

struct TEvaluationCase {
  const char* Text;
  TExpressionStatus Status;
  double Value; // expected on success; a failure always gives 0
};

void ExpectEvaluation(const TEvaluationCase& row) {
  SCOPED_TRACE(std::string("text \"") + row.Text + "\"");
  const TExpressionResult result = EvaluateExpression(row.Text);
  EXPECT_EQ(result.Status, row.Status);
  EXPECT_EQ(result.Success, row.Status == Success);
  if (row.Status == Success)
    EXPECT_DOUBLE_EQ(result.Value, row.Value);
  else
    EXPECT_EQ(result.Value, 0.0);
}

TEST(ExpressionEvaluatorTest, NumbersAndTheirSyntax) {
  const TEvaluationCase rows[] = {
      {"4/5", Success, 0.8},         {".5*2", Success, 1.0},
      {",5+1", Success, 1.5},        {"1,25", Success, 1.25},
      {"5.", Success, 5.0},          {"2E3", Success, 2000.0},
      {"2e+3", Success, 2000.0},     {"2E-3", Success, 0.002},
      {"1.5E2", Success, 150.0},     {"1.2.3", SyntaxError, 0}, // 1.2 followed by the number .3
      {"1,2,3", SyntaxError, 0},     {".", SyntaxError, 0},     // a lone decimal point
      {"1+.", SyntaxError, 0},       {"2 3", SyntaxError, 0},   // a number directly after a number
      {"2E", ValueError, 0}, // a number token whose text has no value
      {"2E+", ValueError, 0},        {"1E400", ValueError, 0}, // beyond the range of a double
      {"1E-400", Success, 0.0}, // too small for a double: 0, as 2^-2000 gives 0
      {"1E-4000*2+1", Success, 1.0}, {"1E-320", Success, 1e-320},
      {"2E12345", SyntaxError, 0}, // four exponent digits, then the number 5
      {"", SyntaxError, 0},        // end of input where an operand is expected
      {"   ", SyntaxError, 0},       {"1+2   ", Success, 3.0},
      {"  1 +  2", Success, 3.0},    {"1\t+2", SyntaxError, 0}, // only blanks are skipped
      {"3#", SyntaxError, 0},        {"1:2", SyntaxError, 0},
      {"x", SyntaxError, 0},
  };
  for (const TEvaluationCase& row : rows)
    ExpectEvaluation(row);
}

TEST(ExpressionEvaluatorTest, OperatorsPrecedenceAndSigns) {
  const TEvaluationCase rows[] = {
      {"10-2-3", Success, 5.0}, // left to right
      {"8/4/2", Success, 1.0},
      {"2*3+4*5", Success, 26.0},
      {"2*(3+4)", Success, 14.0},
      {"2*-3", Success, -6.0},
      {"1+-2", Success, -1.0},
      {"-3+2", Success, -1.0},
      {"-(-5)", Success, 5.0},
      {"--5", SyntaxError, 0}, // a unary minus cannot follow another
      {"-sqr(2)", Success, -4.0},
      {"2^3", Success, 8.0},
      {"2^3^2", Success, 512.0}, // 2^(3^2)
      {"2^-1", Success, 0.5},    // the exponent is a factor, which may carry a minus
      {"2^0.5", Success, std::numbers::sqrt2},
      {"(-2)^2", ValueError, 0}, // a power needs a positive base
      {"-2^2", ValueError, 0},   // the minus binds tighter: (-2)^2
      {"0^2", ValueError, 0},
      {"10^4000", ValueError, 0}, // 4000 ln 10 is beyond 11356
      {"10^400", ValueError, 0},  // within 11356, but beyond the range of a double
      {"4/0", ValueError, 0},
      {"1E300*1E300", ValueError, 0},
      {"(1+2", SyntaxError, 0},
      {"1+2)", SyntaxError, 0},
      {"()", SyntaxError, 0},
      {"1+", SyntaxError, 0},
      {"*2", SyntaxError, 0},
  };
  for (const TEvaluationCase& row : rows)
    ExpectEvaluation(row);
}

TEST(ExpressionEvaluatorTest, FunctionsAndTheirRanges) {
  const TEvaluationCase rows[] = {
      {"sqrt(16)+abs(-2)", Success, 6.0},
      {"SQRT(16)", Success, 4.0},
      {"sqr(3)", Success, 9.0}, // SQRT is tried before SQR, and does not match here
      {"sq(3)", SyntaxError, 0},
      {"abs 3", SyntaxError, 0},
      {"absx(3)", SyntaxError, 0},
      {"atan(1)*4", Success, std::numbers::pi},
      {"cos(0)", Success, 1.0},
      {"sin(0)", Success, 0.0},
      {"exp(1)", Success, std::numbers::e},
      {"exp(11357)", ValueError, 0},
      {"exp(-11357)", ValueError, 0},
      {"exp(1000)", ValueError, 0}, // within the range, but beyond a double
      {"ln(1)", Success, 0.0},
      {"ln(0)", ValueError, 0},
      {"ln(-1)", ValueError, 0},
      {"round(2.5)", Success, 2.0}, // halves go to the even neighbour
      {"round(3.5)", Success, 4.0},
      {"round(-2.5)", Success, -2.0},
      {"round(2.6)", Success, 3.0},
      {"round(1E9)", Success, 1e9},
      {"round(1.1E9)", ValueError, 0},
      {"sqrt(-1)", ValueError, 0},
      {"sqr(1E200)", ValueError, 0},
      {"trunc(-2.7)", Success, -2.0},
      {"trunc(2.7)", Success, 2.0},
      {"trunc(-1.1E9)", ValueError, 0},
  };
  for (const TEvaluationCase& row : rows)
    ExpectEvaluation(row);
}

TEST(ExpressionEvaluatorTest, SyntaxErrorWinsOverAnEarlierValueError) {
  const TEvaluationCase rows[] = {
      {"ln(0)+", SyntaxError, 0}, {"4/0 5", SyntaxError, 0}, {"2E+ (", SyntaxError, 0},
      {"ln(0)+1", ValueError, 0}, // the parse goes on after the value error
      {"4/0*0+1", ValueError, 0},
  };
  for (const TEvaluationCase& row : rows)
    ExpectEvaluation(row);
}

std::string Nested(int depth) {
  return std::string(static_cast<std::size_t>(depth), '(') + "1" +
         std::string(static_cast<std::size_t>(depth), ')');
}

// Innermost, the stack holds the start entry, one entry per parenthesis, the inner E and the
// closing parenthesis: seventeen parentheses need twenty entries, eighteen would need 21.
TEST(ExpressionEvaluatorTest, NestingIsLimitedByTheTwentyStackEntries) {
  EXPECT_EQ(EvaluateExpression(Nested(17)).Status, Success);
  EXPECT_DOUBLE_EQ(EvaluateExpression(Nested(17)).Value, 1.0);
  EXPECT_EQ(EvaluateExpression(Nested(18)).Status, SyntaxError);
  EXPECT_EQ(EvaluateExpression(Nested(100)).Status, SyntaxError);
  // A long flat sum (126 ones) stays shallow.
  std::string sum = "1";
  while (sum.size() < 250)
    sum += "+1";
  EXPECT_DOUBLE_EQ(EvaluateExpression(sum).Value, 126.0);
}

TEST(ExpressionEvaluatorTest, OnlyTheFirst255CharactersAreRead) {
  const std::string within = "1" + std::string(252, ' ') + "+5";
  ASSERT_EQ(within.size(), 255u);
  EXPECT_DOUBLE_EQ(EvaluateExpression(within).Value, 6.0);

  const std::string beyond = "1" + std::string(253, ' ') + "+5"; // cut after the plus
  EXPECT_EQ(EvaluateExpression(beyond).Status, SyntaxError);

  const std::string ignoredTail = "7" + std::string(254, ' ') + "garbage";
  EXPECT_DOUBLE_EQ(EvaluateExpression(ignoredTail).Value, 7.0);
}

TEST(ExpressionEvaluatorTest, NonAsciiCharactersAreBadTokens) {
  EXPECT_EQ(EvaluateExpression("1+\xC3\xA9").Status, SyntaxError);
  EXPECT_EQ(EvaluateExpression(std::string("1+\0", 3)).Status, SyntaxError);
}

} // namespace
} // namespace laytime
