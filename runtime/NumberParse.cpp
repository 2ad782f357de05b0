// Hand-written number scanners: the C library's would accept "inf", "nan", hex floats and locale
// quirks.
#include "runtime/NumberParse.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "runtime/Errors.h"
#include "runtime/FormatSettings.h"

namespace runtime {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

EConvertError NotFloat(std::string_view text) {
  return EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

// Whether a number in the C form that a double cannot hold is too small (rather than too large):
// the decimal exponent of its first significant digit is negative.
bool TooSmall(std::string_view plain) {
  const size_t e = plain.find('e');
  const std::string_view mantissa = plain.substr(0, e);
  const size_t point = std::min(mantissa.find('.'), mantissa.size());
  const size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return true;
  long long exponent = first < point ? static_cast<long long>(point - first) - 1
                                     : -static_cast<long long>(first - point);
  long long written = 0;  // saturated: the digits may run on far beyond any double's range
  if (e != std::string_view::npos) {
    const bool negative = plain[e + 1] == '-';
    for (char c : plain.substr(e + 1))
      if (IsDigit(c)) written = std::min(written * 10 + (c - '0'), 1000000000LL);
    exponent += negative ? -written : written;
  }
  return exponent < 0;
}

EConvertError NotInteger(std::string_view text) {
  return EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

// The scanner behind StrToFloat; `isSeparator` tells which characters stand for the decimal point.
template <typename IsSeparator>
double ParseFloat(std::string_view text, IsSeparator isSeparator) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;

  // Rebuilt in the C form ("-12.5e3") for the correctly rounded std::from_chars.
  std::string plain;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') plain += '-';
    ++i;
  }
  size_t digits = 0;
  for (; i < n && IsDigit(text[i]); ++i, ++digits) plain += text[i];
  if (i < n && isSeparator(text[i])) {
    plain += '.';
    for (++i; i < n && IsDigit(text[i]); ++i, ++digits) plain += text[i];
  }
  if (digits == 0) throw NotFloat(text);
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    plain += 'e';
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    size_t exponentDigits = 0;
    for (; i < n && IsDigit(text[i]); ++i, ++exponentDigits) plain += text[i];
    if (exponentDigits == 0) throw NotFloat(text);
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) throw NotFloat(text);

  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Underflow quietly becomes zero; a value too large for a double is not a valid value here.
    if (TooSmall(plain)) return plain[0] == '-' ? -0.0 : 0.0;
    throw NotFloat(text);
  }
  if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) {
    throw NotFloat(text);
  }
  return value;
}

}  // namespace

double StrToFloat(std::string_view text) {
  return ParseFloat(text, [](char c) { return c == DecimalSeparator(); });
}

double StrToFloatEitherSeparator(std::string_view text) {
  return ParseFloat(text, [](char c) { return c == '.' || c == ',' || c == DecimalSeparator(); });
}

int32_t StrToInt(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const bool hex = i < n && text[i] == '$';
  if (hex) ++i;
  if (i == n) throw NotInteger(text);

  // The magnitude may reach 2^31 for the most negative value; anything beyond is out of range.
  const long long limit = negative ? 2147483648LL : 2147483647LL;
  long long magnitude = 0;
  for (; i < n; ++i) {
    const int digit = hex ? HexValue(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
    if (digit < 0) throw NotInteger(text);
    magnitude = magnitude * (hex ? 16 : 10) + digit;
    if (magnitude > limit) throw NotInteger(text);
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace runtime
