// Format: parses each specifier, converts its argument, then pads it to the width.
#include "runtime/Format.h"

#include <algorithm>
#include <cstdlib>

#include "runtime/DecimalDigits.h"
#include "runtime/Errors.h"
#include "runtime/FormatSettings.h"

namespace runtime {
namespace {

EConvertError InvalidFormat(std::string_view format) {
  return EConvertError("Format '" + std::string(format) +
                       "' invalid or incompatible with argument");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a run of digits as a width or precision; absurd values are refused rather than allocated.
int ReadCount(std::string_view format, size_t& i) {
  int count = 0;
  while (i < format.size() && IsDigit(format[i])) {
    count = count * 10 + (format[i] - '0');
    if (count > 100000) throw InvalidFormat(format);
    ++i;
  }
  return count;
}

std::string FixedPoint(double value, int decimals) {
  const DecimalDigits d = ToDecimalDigits(value, decimals);
  if (d.special == DecimalDigits::Special::NaN) return "NAN";
  if (d.special == DecimalDigits::Special::Infinity) return d.negative ? "-INF" : "INF";
  std::string out = d.negative && !d.IsZero() ? "-" : "";
  if (d.exponent > 0 && !d.digits.empty()) {
    std::string integer = d.digits.substr(0, static_cast<size_t>(d.exponent));
    integer.resize(static_cast<size_t>(d.exponent), '0');
    out += integer;
  } else {
    out += '0';
  }
  if (decimals > 0) {
    out += DecimalSeparator();
    std::string fraction;
    if (!d.digits.empty()) {
      if (d.exponent < 0) fraction.assign(static_cast<size_t>(-d.exponent), '0');
      if (d.exponent < static_cast<int>(d.digits.size()))
        fraction += d.digits.substr(static_cast<size_t>(std::max(0, d.exponent)));
    }
    fraction.resize(static_cast<size_t>(decimals), '0');
    out += fraction;
  }
  return out;
}

std::string Integer(long long value, int minDigits) {
  const bool negative = value < 0;
  // Magnitude via unsigned arithmetic so the most negative value does not overflow.
  unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                          : static_cast<unsigned long long>(value);
  std::string digits = std::to_string(magnitude);
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

}  // namespace

std::string Format(std::string_view format, std::initializer_list<FormatArg> args) {
  std::string out;
  const FormatArg* next = args.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      out += format[i];
      continue;
    }
    if (++i >= format.size()) throw InvalidFormat(format);
    if (format[i] == '%') {
      out += '%';
      continue;
    }
    const bool left = format[i] == '-';
    if (left) ++i;
    const int width = ReadCount(format, i);
    int precision = -1;
    if (i < format.size() && format[i] == '.') {
      ++i;
      precision = ReadCount(format, i);
    }
    if (i >= format.size() || next == args.end()) throw InvalidFormat(format);
    const FormatArg& arg = *next++;
    std::string text;
    switch (format[i] | 0x20) {  // type letters are case-insensitive
      case 'd':
        if (arg.kind() != FormatArg::Kind::Integer) throw InvalidFormat(format);
        text = Integer(arg.integer(), precision);
        break;
      case 'f':
        if (arg.kind() != FormatArg::Kind::Float) throw InvalidFormat(format);
        text = FixedPoint(arg.floating(), precision < 0 ? 2 : std::min(precision, 18));
        break;
      case 's':
        if (arg.kind() != FormatArg::Kind::Text) throw InvalidFormat(format);
        text =
            precision < 0 ? std::string(arg.text()) : std::string(arg.text().substr(0, precision));
        break;
      default: throw InvalidFormat(format);
    }
    if (static_cast<int>(text.size()) < width) {
      const std::string pad(width - text.size(), ' ');
      text = left ? text + pad : pad + text;
    }
    out += text;
  }
  return out;
}

}  // namespace runtime
