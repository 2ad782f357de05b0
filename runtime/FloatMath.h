// Floating-point arithmetic that raises the framework's errors instead of giving infinities or NaN.
#pragma once

namespace runtime {

// a / b. Raises EZeroDivide "Floating point division by zero" for b = 0 and a non-zero, EInvalidOp
// "Invalid floating point operation" for 0/0 or a NaN operand, and EOverflow "Floating point
// overflow" when the quotient is too large for a double.
double FloatDivide(double a, double b);

}  // namespace runtime
