// Text as CP1251 lines: splitting bytes at any line end, and joining lines with CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace runtime {

// Splits bytes into lines. CR LF ends a line, and so do a lone LF and a lone CR, so files edited on
// any system read the same. Line ends are not kept; a final line end does not start another line.
std::vector<std::string> SplitTextLines(std::string_view bytes);

// The lines with CR LF after every one, the last included.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

}  // namespace runtime
