// Process-wide number separators, defaulting to the "C" locale's until the locale is read.
#include "runtime/FormatSettings.h"

#include <clocale>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/Cp1251.h"

namespace runtime {
namespace {

char decimalSeparator = '.';
char thousandSeparator = ',';

// A locale separator is UTF-8 (or the locale's own charset); only a single CP1251 byte is usable
// here. The narrow and thin spaces some locales group digits with have no CP1251 byte and become
// the no-break space.
std::optional<char> SingleCp1251Char(const char* text) {
  if (text == nullptr || *text == '\0') return std::nullopt;
  const std::string_view utf8 = text;
  if (utf8 == "\xE2\x80\xAF" || utf8 == "\xE2\x80\x89" || utf8 == "\xE2\x80\x87") return '\xA0';
  const std::string bytes = Cp1251FromUtf8(utf8);
  if (bytes.size() != 1 || (bytes[0] == '?' && utf8 != "?")) return std::nullopt;
  return bytes[0];
}

}  // namespace

char DecimalSeparator() { return decimalSeparator; }
char ThousandSeparator() { return thousandSeparator; }
void SetDecimalSeparator(char separator) { decimalSeparator = separator; }
void SetThousandSeparator(char separator) { thousandSeparator = separator; }

void ChooseDecimalSeparator(char separator) {
  decimalSeparator = separator;
  if (thousandSeparator == decimalSeparator)
    thousandSeparator = decimalSeparator == ',' ? '.' : ',';
}

void LoadFormatSettingsFromLocale() {
  const char* current = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = current != nullptr ? current : "C";
  std::optional<char> decimal;
  std::optional<char> thousands;
  if (std::setlocale(LC_NUMERIC, "") != nullptr) {
    const std::lconv* conv = std::localeconv();
    decimal = SingleCp1251Char(conv->decimal_point);
    thousands = SingleCp1251Char(conv->thousands_sep);
  }
  std::setlocale(LC_NUMERIC, saved.c_str());

  thousandSeparator = thousands.value_or(',');
  ChooseDecimalSeparator(decimal.value_or('.'));
}

}  // namespace runtime
