// The record line buffer: the record's text lines, indexed from 0.
#pragma once

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/LineReader.h"

namespace analysis {

class LineBuffer {
 public:
  // Reading a line gives at most this many characters; no more of a line is ever kept.
  static constexpr size_t kMaxLineRead = 4096;

  LineBuffer() = default;
  explicit LineBuffer(const std::vector<std::string>& lines);

  // The bytes of a CP1251 text file, split at CR LF, lone LF and lone CR.
  static LineBuffer FromBytes(std::string_view bytes);

  // The lines of a file, read from it only as far as they are asked for: a record padded with
  // millions of lines after its last stimulus row costs no more than the record. Raises
  // runtime::EFOpenError as runtime::LineReader does, here or when a line is first asked for.
  static LineBuffer FromFile(const std::filesystem::path& path);

  // Line `index`, at most its first kMaxLineRead characters; empty text past the last line. The
  // view stays valid as long as the buffer.
  std::string_view Line(long long index) const;

 private:
  // Lines read so far; a deque never moves its elements, so earlier views stay valid as it grows.
  // Reading further from the file on demand is not a visible change of the buffer.
  mutable std::deque<std::string> lines_;
  mutable std::unique_ptr<runtime::LineReader> reader_;  // null once the file is read to its end
};

}  // namespace analysis
