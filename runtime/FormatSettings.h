// The decimal and thousands separators used to parse and show numbers, read once from the system's
// locale.
#pragma once

namespace runtime {

char DecimalSeparator();
char ThousandSeparator();

// Tests and the --decimal-separator option replace the separators read from the locale.
void SetDecimalSeparator(char separator);
void SetThousandSeparator(char separator);

// Reads LC_NUMERIC from the environment. A separator the locale leaves empty, or one that is not a
// single CP1251 character, falls back to "." (decimal) and "," (thousands); the thousands separator
// never equals the decimal one. The C library's own numeric locale is left as it was.
void LoadFormatSettingsFromLocale();

}  // namespace runtime
