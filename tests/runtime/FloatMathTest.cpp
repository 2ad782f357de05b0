// Checked division: every failure is an error with the framework's text, never an infinity or NaN.
#include <gtest/gtest.h>

#include <limits>

#include "runtime/Errors.h"
#include "runtime/FloatMath.h"
#include "tests/support/ExpectThrowMessage.h"

namespace runtime {
namespace {

TEST(FloatDivide, Quotients) {
  EXPECT_DOUBLE_EQ(FloatDivide(105, 92), 1.141304347826087);
  EXPECT_EQ(FloatDivide(-6, 4), -1.5);
  EXPECT_EQ(FloatDivide(0, 5), 0);
}

TEST(FloatDivide, Failures) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_THROW_MSG(FloatDivide(105, 0), EZeroDivide, "Floating point division by zero");
  EXPECT_THROW_MSG(FloatDivide(-1, 0), EZeroDivide, "Floating point division by zero");
  EXPECT_THROW_MSG(FloatDivide(1, -0.0), EZeroDivide, "Floating point division by zero");
  EXPECT_THROW_MSG(FloatDivide(0, 0), EInvalidOp, "Invalid floating point operation");
  EXPECT_THROW_MSG(FloatDivide(nan, 1), EInvalidOp, "Invalid floating point operation");
  EXPECT_THROW_MSG(FloatDivide(inf, inf), EInvalidOp, "Invalid floating point operation");
  EXPECT_THROW_MSG(FloatDivide(1e308, 1e-10), EOverflow, "Floating point overflow");
}

}  // namespace
}  // namespace runtime
