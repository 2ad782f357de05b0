// The run-time library's substring rule: 1-based position and width, clipped to the text.
#pragma once

#include <string_view>

namespace runtime {

// Characters position..position+width-1 of `text` (position counted from 1). A position before 1
// counts as 1; a position past the end, or a width of 0 or less, gives empty text; a field that
// runs past the end gives the part that is present.
inline std::string_view Copy(std::string_view text, long long position, long long width) {
  if (position < 1) position = 1;
  if (width <= 0 || position > static_cast<long long>(text.size())) return {};
  return text.substr(static_cast<size_t>(position - 1), static_cast<size_t>(width));
}

}  // namespace runtime
