// The decimal and thousands separators used to parse and show numbers, read once from the system's
// locale.
#pragma once

namespace runtime {

char DecimalSeparator();
char ThousandSeparator();

// Tests replace the separators read from the locale.
void SetDecimalSeparator(char separator);
void SetThousandSeparator(char separator);

// The decimal separator the program parses and shows numbers with (the locale's, or one given on
// the command line). A thousands separator equal to it would make numbers ambiguous, so it becomes
// "." when the decimal separator is "," and "," otherwise.
void ChooseDecimalSeparator(char separator);

// Reads LC_NUMERIC from the environment. A separator the locale leaves empty, or one that is not a
// single CP1251 character, falls back to "." (decimal) and "," (thousands); the decimal separator
// is then chosen as ChooseDecimalSeparator chooses it. The C library's own numeric locale is left
// as it was.
void LoadFormatSettingsFromLocale();

}  // namespace runtime
