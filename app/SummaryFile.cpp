// Temporary file, buffered appends, fsync and rename; a device or pipe written through.
#include "app/SummaryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "runtime/AtomicFile.h"
#include "runtime/Cp1251.h"
#include "runtime/TemporaryFiles.h"

namespace app {
namespace {

namespace fs = std::filesystem;

constexpr size_t kBufferBytes = 64 * 1024;

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

SummaryFile::SummaryFile(const fs::path& path) : chosen_(path), target_(path) {
  struct stat link {};
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    if (link.st_uid != ::geteuid()) {
      Fail("it is a symbolic link another user made");
      return;
    }
    std::error_code error;
    target_ = fs::weakly_canonical(path, error);
    if (error) target_ = path;
  }
  struct stat existing {};
  if (::stat(target_.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) &&
      !S_ISDIR(existing.st_mode)) {
    fd_ = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) Fail();
    return;
  }
  const fs::path folder = target_.has_parent_path() ? target_.parent_path() : ".";
  temporary_ = (folder / ".stroop-XXXXXX").native();
  fd_ = runtime::CreateRegisteredTemporary(temporary_);
  if (fd_ < 0) {
    temporary_.clear();
    Fail();
  }
}

SummaryFile::~SummaryFile() { Discard(); }

void SummaryFile::Append(std::string_view bytes) {
  if (fd_ < 0) return;
  buffer_.append(bytes);
  if (buffer_.size() >= kBufferBytes) Flush();
}

void SummaryFile::Flush() {
  if (fd_ >= 0 && !WriteAll(fd_, buffer_)) Fail();
  buffer_.clear();
}

std::string SummaryFile::Commit() {
  Flush();
  if (fd_ >= 0) {
    if (temporary_.empty()) {
      if (::close(fd_) != 0)
        error_ = "Cannot create file " + runtime::Cp1251FromUtf8(chosen_.native());
      fd_ = -1;
    } else {
      bool ok = ::fchmod(fd_, runtime::ModeForWrite(target_)) == 0 && ::fsync(fd_) == 0;
      ok = ::close(fd_) == 0 && ok;
      fd_ = -1;
      if (ok && ::rename(temporary_.c_str(), target_.c_str()) == 0) {
        runtime::UnregisterTemporary(temporary_);
        temporary_.clear();
      } else {
        Fail();
      }
    }
  }
  Discard();
  return error_;
}

void SummaryFile::Fail(const std::string& reason) {
  if (error_.empty()) {
    error_ = "Cannot create file " + runtime::Cp1251FromUtf8(chosen_.native());
    if (!reason.empty()) error_ += ": " + reason;
  }
  Discard();
}

void SummaryFile::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
    runtime::UnregisterTemporary(temporary_);
    temporary_.clear();
  }
  buffer_.clear();
}

}  // namespace app
