// Checked division.
#include "runtime/FloatMath.h"

#include <cmath>

#include "runtime/Errors.h"

namespace runtime {

double FloatDivide(double a, double b) {
  if (std::isnan(a) || std::isnan(b) || (a == 0 && b == 0) || (std::isinf(a) && std::isinf(b))) {
    throw EInvalidOp("Invalid floating point operation");
  }
  if (b == 0) throw EZeroDivide("Floating point division by zero");
  const double quotient = a / b;
  if (std::isinf(quotient)) throw EOverflow("Floating point overflow");
  return quotient;
}

}  // namespace runtime
