// printf-like formatting with the framework's rules: "%d", "%s", "%f" with width and precision.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace runtime {

// One argument of Format: an integer, a floating-point value or CP1251 text.
class FormatArg {
 public:
  enum class Kind { Integer, Float, Text };

  FormatArg(int value) : kind_(Kind::Integer), integer_(value) {}
  FormatArg(unsigned value) : kind_(Kind::Integer), integer_(value) {}
  FormatArg(long value) : kind_(Kind::Integer), integer_(value) {}
  FormatArg(long long value) : kind_(Kind::Integer), integer_(value) {}
  FormatArg(unsigned long value) : kind_(Kind::Integer), integer_(static_cast<long long>(value)) {}
  FormatArg(double value) : kind_(Kind::Float), float_(value) {}
  FormatArg(const char* text) : kind_(Kind::Text), text_(text) {}
  FormatArg(std::string_view text) : kind_(Kind::Text), text_(text) {}
  FormatArg(const std::string& text) : kind_(Kind::Text), text_(text) {}

  Kind kind() const { return kind_; }
  long long integer() const { return integer_; }
  double floating() const { return float_; }
  std::string_view text() const { return text_; }

 private:
  Kind kind_;
  long long integer_ = 0;
  double float_ = 0;
  std::string_view text_;
};

// Specifiers: "%" ["-"] [width] ["." precision] type, with type d (integer), s (text), f
// (fixed-point, 2 decimals by default) and "%%". Fixed-point values round half away from zero (8.5
// with "%3.0f" gives "  9", 0.125 with "%4.2f" gives "0.13") and use the current decimal separator.
// A specifier that does not match its argument, or runs out of arguments, raises EConvertError
// "Format '<format>' invalid or incompatible with argument".
std::string Format(std::string_view format, std::initializer_list<FormatArg> args);

}  // namespace runtime
