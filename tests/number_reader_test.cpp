// The number syntax of coefficients and bounds.
#include "network/number_reader.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kUnset = 12345;  // left alone when there is no number

struct number_case {
  std::string text;
  std::size_t length;  // characters taken; 0 for no number
  double value;        // as a double
};

TEST(NumberReader, SyntaxInDoublePrecision) {
  const std::vector<number_case> cases = {
      {"2", 1, 2},
      {"0.5)", 3, 0.5},
      {"  \t-3 atp", 5, -3},
      {"+4", 2, 4},
      {".5", 2, 0.5},
      {"5.", 2, 5},
      {"1.5e6", 5, 1.5e6},
      {"1E-2x", 4, 0.01},
      {"2e+3", 4, 2000},
      {"1e", 2, 1},  // a marker without digits is exponent 0
      {"1e+", 3, 1},
      {"1e-x", 3, 1},
      {"1.2.3", 3, 1.2},  // one decimal point only
      {"1,5", 1, 1},      // a comma is no decimal point
      {"0x1A", 1, 0},     // no hexadecimal form
      {"+INF", 4, kInf},
      {"-INFINITY", 4, -kInf},
      {"INF", 0, kUnset},  // the sign is part of the word
      {"+inf", 0, kUnset},
      {"inf", 0, kUnset},
      {"nan", 0, kUnset},
      {".", 0, kUnset},
      {"-", 0, kUnset},
      {"+.e5", 0, kUnset},
      {"", 0, kUnset},
      {"   ", 0, kUnset},
      {"e5", 0, kUnset},
      {"1e400", 5, kInf},  // beyond the range: an infinity
      {"-1e400", 6, -kInf},
      {"123456789012345678901234567890e-100000", 38, 0},
      {"1e-400", 6, 0},  // below the smallest subnormal: a zero
      {"0.000001e-330", 13, 0},
      {"1e-310", 6, 1e-310},  // a subnormal is kept
      {"0e99999999999999999999", 22, 0},
      {"1e99999999999999999999", 22, kInf},
      {"0.1", 3, 0.1},
  };
  for (const number_case& c : cases) {
    SCOPED_TRACE(c.text);
    double value = kUnset;
    EXPECT_EQ(rxnform::read_number(c.text, value), c.length);
    EXPECT_EQ(value, c.value);
  }
}

TEST(NumberReader, NotANumberKeepsItsSign) {
  double value = 0;
  EXPECT_EQ(rxnform::read_number("+NAN", value), 4u);
  EXPECT_TRUE(std::isnan(value));
  EXPECT_FALSE(std::signbit(value));
  EXPECT_EQ(rxnform::read_number("-NAN", value), 4u);
  EXPECT_TRUE(std::isnan(value));
  EXPECT_TRUE(std::signbit(value));
}

TEST(NumberReader, SinglePrecisionRoundsOnceToFloat) {
  struct float_case {
    std::string text;
    float value;
  };
  const std::vector<float_case> cases = {
      {"0.1", 0.1f},
      {"-10", -10.0f},
      {"1e39", std::numeric_limits<float>::infinity()},  // beyond float, within double
      {"-1e39", -std::numeric_limits<float>::infinity()},
      {"1e-40", 1e-40f},  // a float subnormal
      {"1e-50", 0.0f},
      {"3.4028235e38", 3.4028235e38f},
      // Just above halfway between 1 and the next float: via double it would
      // first round to the exact half, then to 1.
      {"1.0000000596046447753906250001", 1.00000011920928955078125f},
      {"16777217", 16777216.0f},
  };
  for (const float_case& c : cases) {
    SCOPED_TRACE(c.text);
    float value = -1;
    EXPECT_EQ(rxnform::read_number(c.text, value), c.text.size());
    EXPECT_EQ(value, c.value);
  }
  float widened = 0;
  rxnform::read_number("0.1", widened);
  EXPECT_NE(static_cast<double>(widened), 0.1);  // held with single precision
}

}  // namespace
