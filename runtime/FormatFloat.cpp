// Picture-string number formatting: section choice, placeholder scan, rounding, then a single
// output pass.
#include "runtime/FormatFloat.h"

#include <algorithm>
#include <vector>

#include "runtime/DecimalDigits.h"
#include "runtime/FormatSettings.h"

namespace runtime {
namespace {

bool IsQuote(char c) { return c == '\'' || c == '"'; }

// Splits the picture at ';' outside quotes; at most three sections are used.
std::vector<std::string_view> SplitSections(std::string_view format) {
  std::vector<std::string_view> sections;
  size_t start = 0;
  char quote = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (IsQuote(c)) {
      quote = c;
    } else if (c == ';') {
      sections.push_back(format.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(format.substr(start));
  if (sections.size() > 3) sections.resize(3);
  return sections;
}

// What the placeholders of one section ask for.
struct Picture {
  int integerPlaceholders = 0;
  int fractionPlaceholders = 0;
  int minIntegerDigits = 0;   // from the first integer '0' to the point
  int minFractionDigits = 0;  // up to the last fraction '0'
  bool grouping = false;
};

Picture ScanSection(std::string_view section) {
  Picture picture;
  bool afterPoint = false;
  int firstZero = -1;  // index among the integer placeholders
  char quote = 0;
  for (const char c : section) {
    if (quote != 0) {
      if (c == quote) quote = 0;
      continue;
    }
    if (IsQuote(c)) {
      quote = c;
    } else if (c == '.') {
      afterPoint = true;
    } else if (c == ',') {
      picture.grouping = true;
    } else if (c == '#' || c == '0') {
      if (afterPoint) {
        ++picture.fractionPlaceholders;
        if (c == '0') picture.minFractionDigits = picture.fractionPlaceholders;
      } else {
        if (c == '0' && firstZero < 0) firstZero = picture.integerPlaceholders;
        ++picture.integerPlaceholders;
      }
    }
  }
  if (firstZero >= 0) picture.minIntegerDigits = picture.integerPlaceholders - firstZero;
  return picture;
}

// The integer digits of the rounded value, padded with zeros to the picture's minimum.
std::string IntegerDigits(const DecimalDigits& d, int minDigits) {
  std::string digits;
  if (d.exponent > 0) {
    digits = d.digits.substr(0, static_cast<size_t>(d.exponent));
    digits.resize(static_cast<size_t>(d.exponent), '0');
  }
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  return digits;
}

// The fraction digits to print: significant ones, padded with zeros to the picture's minimum.
std::string FractionDigits(const DecimalDigits& d, int minDigits) {
  std::string digits;
  if (!d.digits.empty()) {
    const int leadingZeros = std::max(0, -d.exponent);
    const size_t skip = static_cast<size_t>(std::max(0, d.exponent));
    if (skip < d.digits.size()) digits = std::string(leadingZeros, '0') + d.digits.substr(skip);
  }
  if (static_cast<int>(digits.size()) < minDigits)
    digits.resize(static_cast<size_t>(minDigits), '0');
  return digits;
}

std::string FormatSection(std::string_view section, const Picture& picture, const DecimalDigits& d,
                          bool withMinus) {
  const std::string integer = IntegerDigits(d, picture.minIntegerDigits);
  const std::string fraction = FractionDigits(d, picture.minFractionDigits);
  const int integerCount = static_cast<int>(integer.size());

  std::string out;
  if (withMinus) out += '-';
  // Appends integer digit i (0 = leftmost) and, when grouping, the separator that follows it.
  auto putIntegerDigit = [&](int i) {
    out += integer[static_cast<size_t>(i)];
    const int fromRight = integerCount - 1 - i;
    if (picture.grouping && fromRight > 0 && fromRight % 3 == 0) out += ThousandSeparator();
  };

  int integerSeen = 0;
  int fractionSeen = 0;
  bool afterPoint = false;
  char quote = 0;
  for (const char c : section) {
    if (quote != 0) {
      if (c == quote) {
        quote = 0;
      } else {
        out += c;
      }
      continue;
    }
    if (IsQuote(c)) {
      quote = c;
    } else if (c == '.') {
      afterPoint = true;
    } else if (c == ',') {
      // Only switches grouping on; never printed itself.
    } else if ((c == '#' || c == '0') && !afterPoint) {
      // Placeholder k stands for the digit k places from the right of the picture's integer part.
      const int fromRight = picture.integerPlaceholders - 1 - integerSeen;
      if (integerSeen == 0) {
        for (int i = 0; i < integerCount - picture.integerPlaceholders; ++i) putIntegerDigit(i);
      }
      if (fromRight < integerCount) putIntegerDigit(integerCount - 1 - fromRight);
      ++integerSeen;
    } else if (c == '#' || c == '0') {
      if (fractionSeen < static_cast<int>(fraction.size())) {
        if (fractionSeen == 0) out += DecimalSeparator();
        out += fraction[static_cast<size_t>(fractionSeen)];
      }
      ++fractionSeen;
    } else {
      out += c;
    }
  }
  return out;
}

// The value's general form: up to 15 significant digits, scientific ("1E20", "1E-5") only for very
// large or very small values.
std::string GeneralForm(double value) {
  const DecimalDigits d = ToDecimalDigits(value, 400, 15);
  if (d.IsZero()) return "0";
  std::string out = d.negative ? "-" : "";
  const int length = static_cast<int>(d.digits.size());
  if (d.exponent > 15 || d.exponent < -3) {
    out += d.digits[0];
    if (length > 1) out += DecimalSeparator() + d.digits.substr(1);
    return out + "E" + std::to_string(d.exponent - 1);
  }
  if (d.exponent <= 0)
    return out + "0" + DecimalSeparator() + std::string(-d.exponent, '0') + d.digits;
  if (d.exponent >= length) return out + d.digits + std::string(d.exponent - length, '0');
  return out + d.digits.substr(0, d.exponent) + DecimalSeparator() + d.digits.substr(d.exponent);
}

}  // namespace

std::string FormatFloat(std::string_view format, double value) {
  const DecimalDigits probe = ToDecimalDigits(value, 0);
  if (probe.special == DecimalDigits::Special::NaN) return "NAN";
  if (probe.special == DecimalDigits::Special::Infinity) return probe.negative ? "-INF" : "INF";
  if (format.empty()) return GeneralForm(value);

  const std::vector<std::string_view> sections = SplitSections(format);
  auto hasSection = [&](size_t i) { return i < sections.size() && !sections[i].empty(); };

  size_t chosen = 0;
  if (value == 0) {
    if (hasSection(2)) chosen = 2;
  } else if (value < 0 && hasSection(1)) {
    chosen = 1;
  }
  Picture picture = ScanSection(sections[chosen]);
  DecimalDigits d = ToDecimalDigits(value, picture.fractionPlaceholders);
  // A value that rounds to zero is shown as zero: the zero section when there is one, never a sign.
  if (d.IsZero() && chosen != 2 && hasSection(2)) {
    chosen = 2;
    picture = ScanSection(sections[chosen]);
    d = ToDecimalDigits(0.0, picture.fractionPlaceholders);
  }
  const bool withMinus = chosen == 0 && d.negative && !d.IsZero();
  return FormatSection(sections[chosen], picture, d, withMinus);
}

}  // namespace runtime
