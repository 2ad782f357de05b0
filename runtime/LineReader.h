// Reads a text file one line at a time, so a caller keeps only the lines it needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace runtime {

// Files larger than this are refused rather than read; records are a few megabytes at most.
inline constexpr std::uintmax_t kMaxTextFileSize = 256u * 1024 * 1024;

class LineReader {
 public:
  // Opens a regular file for reading. Raises EFOpenError "Cannot open file <path>" when it is
  // missing, unreadable or not a regular file (a folder, a device, a pipe), and "Cannot open file
  // <path>: it is larger than 256 MiB, the limit for a record" when its size says it is too large.
  explicit LineReader(const std::filesystem::path& path);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line, without its end, into `line`: at most `keep` bytes of it are kept and the rest
  // is skipped. CR LF ends a line, and so do a lone LF and a lone CR; a final line end does not
  // start another line. Returns false at the end of the file. The file is read to its end whatever
  // size it reports (files under /proc report 0); a read error, or more than kMaxTextFileSize
  // bytes, raises EFOpenError as the constructor does.
  bool Next(std::string& line, std::size_t keep);

 private:
  // Refills the buffer; false at the end of the file.
  bool Fill();

  std::filesystem::path path_;
  int fd_ = -1;
  std::string buffer_;
  std::size_t position_ = 0;    // next unread byte in buffer_
  std::size_t filled_ = 0;      // bytes of buffer_ holding file data
  std::uintmax_t total_ = 0;    // bytes read from the file so far
  bool lfAfterCrEnds_ = false;  // the last line ended with CR: an LF right after belongs to it
};

}  // namespace runtime
