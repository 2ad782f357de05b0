// The decimal expansion of a double, as the number formatting routines round and print it.
#pragma once

#include <string>

namespace runtime {

// value = 0.digits x 10^exponent, with `digits` free of leading and trailing zeros; a zero value
// has empty digits. Infinite and NaN values set `special` and leave the digits empty.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
  enum class Special { None, Infinity, NaN } special = Special::None;

  bool IsZero() const { return special == Special::None && digits.empty(); }
};

// The value's decimal expansion to at most `significant` (1..18) significant digits, rounded to
// `decimals` digits after the point with ties away from zero. The first step is the correctly
// rounded expansion of the binary value, so 1.005 (really 1.00499999999999989...) rounds to 1.00,
// while the exactly representable 0.125 rounds to 0.13.
DecimalDigits ToDecimalDigits(double value, int decimals, int significant = 18);

}  // namespace runtime
