// The record line buffer over the lines of a text file.
#include "analysis/LineBuffer.h"

#include "runtime/TextFile.h"

namespace analysis {

LineBuffer LineBuffer::FromBytes(std::string_view bytes) {
  return LineBuffer(runtime::SplitTextLines(bytes));
}

std::string_view LineBuffer::Line(long long index) const {
  if (index < 0 || static_cast<unsigned long long>(index) >= lines_.size()) return {};
  return std::string_view(lines_[static_cast<size_t>(index)]).substr(0, MaxLineRead);
}

}  // namespace analysis
