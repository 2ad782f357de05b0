// Fuzz target: number conversion and formatting. StrToFloat and StrToInt are checked against the C
// library's own scanners on the texts both should accept; Format and FormatFloat must give text or
// runtime::EConvertError, and a value shown in its general form must read back as itself.
#include <fuzzer/FuzzedDataProvider.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "runtime/Errors.h"
#include "runtime/Format.h"
#include "runtime/FormatFloat.h"
#include "runtime/FormatSettings.h"
#include "runtime/NumberParse.h"

namespace {

// Texts refused with a conversion error and texts converted, printed when the run ends.
long long refused = 0;
long long converted = 0;

void PrintCounts() {
  std::fprintf(stderr, "stat::refused_inputs: %lld\nstat::loaded_inputs: %lld\n", refused,
               converted);
}

// The accepted shapes written out independently of the scanner under test ('.' stands for the
// separator).
const std::regex kFloatShape(R"( *[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)? *)");
const std::regex kDecimalIntShape(R"( *[+-]?[0-9]+)");
const std::regex kHexIntShape(R"( *[+-]?\$[0-9A-Fa-f]+)");

// The text with the current separator turned into '.', and '.' (if not the separator) into '#' so
// the C scanner cannot take it for one.
std::string CForm(const std::string& text) {
  std::string out = text;
  const char separator = runtime::DecimalSeparator();
  for (char& c : out) {
    if (c == '.' && separator != '.')
      c = '#';
    else if (c == separator)
      c = '.';
  }
  return out;
}

void CheckStrToFloat(const std::string& text) {
  const std::string c = CForm(text);
  const bool shaped = std::regex_match(c, kFloatShape);
  double value = 0;
  bool accepted = true;
  try {
    value = runtime::StrToFloat(text);
  } catch (const runtime::EConvertError& e) {
    if (e.Message() != "'" + text + "' is not a valid floating point value") std::abort();
    accepted = false;
  }
  ++(accepted ? converted : refused);
  if (accepted && !shaped) std::abort();
  if (!shaped) return;
  errno = 0;
  char* end = nullptr;
  const double expected = std::strtod(c.c_str(), &end);
  const bool overflow = errno == ERANGE && std::isinf(expected);
  const bool underflow = errno == ERANGE && std::fabs(expected) < DBL_MIN;
  if (overflow) {
    if (accepted) std::abort();
    return;
  }
  if (!accepted) std::abort();  // a well-formed number in range must convert
  // Values too small for a double may come back as zero or as the nearest subnormal.
  if (underflow ? (value != 0 && value != expected) : value != expected) std::abort();
}

void CheckStrToInt(const std::string& text) {
  const bool hex = std::regex_match(text, kHexIntShape);
  const bool shaped = hex || std::regex_match(text, kDecimalIntShape);
  bool accepted = true;
  int32_t value = 0;
  try {
    value = runtime::StrToInt(text);
  } catch (const runtime::EConvertError& e) {
    if (e.Message() != "'" + text + "' is not a valid integer value") std::abort();
    accepted = false;
  }
  ++(accepted ? converted : refused);
  if (!shaped) {
    if (accepted) std::abort();
    return;
  }
  std::string c = text;
  const auto dollar = c.find('$');
  if (dollar != std::string::npos) c.erase(dollar, 1);
  errno = 0;
  const long long expected = std::strtoll(c.c_str(), nullptr, hex ? 16 : 10);
  const bool inRange = errno == 0 && expected >= INT32_MIN && expected <= INT32_MAX;
  if (accepted != inRange || (accepted && value != expected)) std::abort();
}

void CheckFormat(FuzzedDataProvider& in) {
  const std::string format = in.ConsumeRandomLengthString(64);
  const long long integer = in.ConsumeIntegral<long long>();
  const double floating = in.ConsumeFloatingPoint<double>();
  const std::string text = in.ConsumeRandomLengthString(32);
  try {
    switch (in.ConsumeIntegralInRange(0, 3)) {
      case 0: runtime::Format(format, {integer}); break;
      case 1: runtime::Format(format, {floating}); break;
      case 2: runtime::Format(format, {text}); break;
      default: runtime::Format(format, {integer, floating, text}); break;
    }
  } catch (const runtime::EConvertError&) {
  }
}

void CheckFormatFloat(FuzzedDataProvider& in) {
  const std::string picture = in.ConsumeRandomLengthString(40);
  const double value = in.ConsumeFloatingPoint<double>();
  runtime::FormatFloat(picture, value);
  // Values within a 15-digit rounding of the largest double show as a number beyond it, which does
  // not read back.
  if (!std::isfinite(value) || std::fabs(value) >= 1.797693134862315e308) return;
  // The general form keeps 15 significant digits: reading it back is within that precision.
  const double back = runtime::StrToFloat(runtime::FormatFloat("", value));
  if (std::fabs(back - value) > std::fabs(value) * 1e-14 + DBL_TRUE_MIN) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit(PrintCounts);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  runtime::SetDecimalSeparator(in.ConsumeBool() ? ',' : '.');
  runtime::SetThousandSeparator(runtime::DecimalSeparator() == ',' ? ' ' : ',');
  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: CheckStrToFloat(in.ConsumeRemainingBytesAsString()); break;
    case 1: CheckStrToInt(in.ConsumeRemainingBytesAsString()); break;
    case 2: CheckFormat(in); break;
    default: CheckFormatFloat(in); break;
  }
  return 0;
}
