// The record line buffer: the record's text lines, indexed from 0.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace analysis {

class LineBuffer {
 public:
  // Reading a line gives at most this many characters.
  static constexpr size_t MaxLineRead = 4096;

  LineBuffer() = default;
  explicit LineBuffer(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // The bytes of a CP1251 text file, split at CR LF, lone LF and lone CR.
  static LineBuffer FromBytes(std::string_view bytes);

  // Line `index`, at most its first MaxLineRead characters; empty text past the last line.
  std::string_view Line(long long index) const;
  size_t Count() const { return lines_.size(); }

 private:
  std::vector<std::string> lines_;
};

}  // namespace analysis
