// Reading text files as CP1251 lines.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/LineReader.h"

namespace runtime {

// Splits bytes into lines. CR LF ends a line, and so do a lone LF and a lone CR, so files edited on
// any system read the same. Line ends are not kept; a final line end does not start another line.
std::vector<std::string> SplitTextLines(std::string_view bytes);

// The whole file as bytes. Raises EFOpenError "Cannot open file <path>" when the file cannot be
// opened or read (missing, unreadable, a folder, or larger than MaxTextFileSize).
std::string ReadFileBytes(const std::filesystem::path& path);

// The lines with CR LF after every one, the last included.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

}  // namespace runtime
