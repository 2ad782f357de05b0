// The record line buffer over in-memory lines or a file read on demand.
#include "analysis/LineBuffer.h"

#include "runtime/TextFile.h"

namespace analysis {

LineBuffer::LineBuffer(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) lines_.emplace_back(line.substr(0, kMaxLineRead));
}

LineBuffer LineBuffer::FromBytes(std::string_view bytes) {
  return LineBuffer(runtime::SplitTextLines(bytes));
}

LineBuffer LineBuffer::FromFile(const std::filesystem::path& path) {
  LineBuffer buffer;
  buffer.reader_ = std::make_unique<runtime::LineReader>(path);
  return buffer;
}

std::string_view LineBuffer::Line(long long index) const {
  if (index < 0) return {};
  std::string line;
  while (reader_ && static_cast<unsigned long long>(index) >= lines_.size()) {
    if (reader_->Next(line, kMaxLineRead)) {
      lines_.push_back(line);
    } else {
      reader_.reset();
    }
  }
  if (static_cast<unsigned long long>(index) >= lines_.size()) return {};
  return lines_[static_cast<size_t>(index)];
}

}  // namespace analysis
