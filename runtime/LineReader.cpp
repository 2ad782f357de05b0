// Line-by-line reading of a file through a fixed buffer, with the record size limit.
#include "runtime/LineReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "runtime/Cp1251.h"
#include "runtime/Errors.h"

namespace runtime {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

EFOpenError CannotOpen(const std::filesystem::path& path) {
  return EFOpenError("Cannot open file " + Cp1251FromUtf8(path.string()));
}

EFOpenError TooLarge(const std::filesystem::path& path) {
  return EFOpenError("Cannot open file " + Cp1251FromUtf8(path.string()) +
                     ": it is larger than 256 MiB, the limit for a record");
}

}  // namespace

LineReader::LineReader(const std::filesystem::path& path) : path_(path) {
  // Non-blocking, so that a pipe without a writer cannot hold the open; only regular files are read
  // (a device could be endless).
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd_ < 0) throw CannotOpen(path);
  struct stat status {};
  if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd_);
    throw CannotOpen(path);
  }
  if (static_cast<std::uintmax_t>(status.st_size) > kMaxTextFileSize) {
    ::close(fd_);
    throw TooLarge(path);
  }
  buffer_.resize(kBufferSize);
}

LineReader::~LineReader() { ::close(fd_); }

bool LineReader::Fill() {
  for (;;) {
    const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw CannotOpen(path_);
    total_ += static_cast<std::uintmax_t>(got);
    if (total_ > kMaxTextFileSize) throw TooLarge(path_);
    position_ = 0;
    filled_ = static_cast<std::size_t>(got);
    return got > 0;
  }
}

bool LineReader::Next(std::string& line, std::size_t keep) {
  line.clear();
  bool started = false;
  for (;;) {
    if (position_ == filled_ && !Fill()) return started;
    if (lfAfterCrEnds_) {
      lfAfterCrEnds_ = false;
      if (buffer_[position_] == '\n') {
        ++position_;
        continue;
      }
    }
    started = true;
    const char* begin = buffer_.data() + position_;
    const std::size_t available = filled_ - position_;
    const char* end = begin;
    while (end < begin + available && *end != '\r' && *end != '\n') ++end;
    const std::size_t length = static_cast<std::size_t>(end - begin);
    if (line.size() < keep) line.append(begin, std::min(length, keep - line.size()));
    position_ += length;
    if (position_ < filled_) {
      lfAfterCrEnds_ = buffer_[position_] == '\r';
      ++position_;
      return true;
    }
  }
}

}  // namespace runtime
