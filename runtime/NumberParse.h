// Text to number: blanks, sign, exponent and the messages of the program's conversions.
#pragma once

#include <cstdint>
#include <string_view>

namespace runtime {

// Blanks before and after, an optional sign, digits with at most one current decimal separator, an
// optional exponent ("E" or "e", optional sign, digits). Anything else, or a value beyond the range
// of a double, raises EConvertError "'<text>' is not a valid floating point value" quoting the text
// as given.
double StrToFloat(std::string_view text);

// StrToFloat that also takes "." and "," as the decimal separator, so a record reads the same
// whichever convention the machine that wrote it had. No record field has a thousands separator, so
// a comma can only be a decimal one.
double StrToFloatEitherSeparator(std::string_view text);

// Blanks before only, an optional sign, decimal digits or "$" and hexadecimal digits, within the
// 32-bit signed range. Anything else raises EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(std::string_view text);

}  // namespace runtime
