// Text files in and out: whole-file reads with the framework's error, line splitting and joining.
#include "runtime/TextFile.h"

#include <fstream>
#include <system_error>

#include "runtime/Cp1251.h"
#include "runtime/Errors.h"

namespace runtime {
namespace {

EFOpenError CannotOpen(const std::filesystem::path& path) {
  return EFOpenError("Cannot open file " + Cp1251FromUtf8(path.string()));
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.emplace_back(bytes.substr(start, i - start));
    i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::error_code error;
  // Only regular files: a folder or a device (which could be endless) is not a text file.
  if (!std::filesystem::is_regular_file(path, error)) throw CannotOpen(path);
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > MaxTextFileSize) throw CannotOpen(path);

  std::ifstream in(path, std::ios::binary);
  if (!in) throw CannotOpen(path);
  std::string bytes(static_cast<size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad() || in.gcount() != static_cast<std::streamsize>(bytes.size())) throw CannotOpen(path);
  return bytes;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  size_t total = 0;
  for (const std::string& line : lines) total += line.size() + 2;
  std::string bytes;
  bytes.reserve(total);
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace runtime
