// Decimal expansion with half-away-from-zero rounding at a fixed number of decimals.
#include "runtime/DecimalDigits.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
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

  // "%.*e" gives d.ddd...e±XX, correctly rounded from the exact binary value.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, std::fabs(value));
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
