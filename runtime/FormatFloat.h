// Picture-string formatting of floating-point values ("##0.", "#0.", "#,##0.###") as the chart
// labels use it.
#pragma once

#include <string>
#include <string_view>

namespace runtime {

// Formats `value` with a picture of up to three sections "positive;negative;zero":
// '0' and '#' are digit placeholders, the first '.' marks the decimal point, a ',' anywhere groups
// thousands, quoted text is copied, other characters are copied. Rounding is half away from zero on
// the value's 18-significant-digit expansion. The separators come from FormatSettings. An empty
// picture gives the value's general form (15 significant digits).
std::string FormatFloat(std::string_view format, double value);

}  // namespace runtime
