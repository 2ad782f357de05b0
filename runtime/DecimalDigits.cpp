// Decimal expansion with half-away-from-zero rounding at a fixed number of decimals.
#include "runtime/DecimalDigits.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace runtime {
namespace {

void TrimTrailingZeros(std::string& digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

}  // namespace

DecimalDigits ToDecimalDigits(double value, int decimals, int significant) {
  assert(significant >= 1 && significant <= 18);
  DecimalDigits result;
  result.negative = std::signbit(value);
  if (std::isnan(value)) {
    result.special = DecimalDigits::Special::NaN;
    return result;
  }
  if (std::isinf(value)) {
    result.special = DecimalDigits::Special::Infinity;
    return result;
  }
  if (value == 0) return result;

  // d.ddd...e±XX, correctly rounded from the exact binary value; std::to_chars ignores the C
  // locale, which a GUI toolkit may have switched to one with a decimal comma.
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer - 1, std::fabs(value),
                                     std::chars_format::scientific, significant - 1);
  *written.ptr = '\0';
  std::string digits;
  const char* p = buffer;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits += *p;
  }
  result.exponent = std::atoi(p + 1) + 1;
  TrimTrailingZeros(digits);

  // Keep the digits up to `decimals` after the point; the first dropped digit decides the rounding.
  const long long keep = static_cast<long long>(result.exponent) + decimals;
  if (keep < 0) {
    digits.clear();
  } else if (keep < static_cast<long long>(digits.size())) {
    const bool roundUp = digits[static_cast<size_t>(keep)] >= '5';
    digits.resize(static_cast<size_t>(keep));
    if (roundUp) {
      size_t i = digits.size();
      while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
      if (i == 0) {
        digits.insert(digits.begin(), '1');
        ++result.exponent;
      } else {
        ++digits[i - 1];
      }
    }
    TrimTrailingZeros(digits);
  }
  result.digits = std::move(digits);
  return result;
}

}  // namespace runtime
