// Temporary file + fsync + rename, so readers see either the old file or the complete new one.
#include "runtime/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "runtime/Errors.h"

namespace runtime {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A new file gets the usual permissions (0666 less the umask); a replaced file keeps its own.
mode_t ModeFor(const std::filesystem::path& path) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A device or pipe chosen as the target is written through, never replaced by a regular file:
// renaming over /dev/null as an administrator would break the system. The open does not wait for a
// pipe's reader.
void WriteThrough(const std::filesystem::path& path, const std::filesystem::path& chosen,
                  std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throw CannotCreateFileError(chosen.string());
  const int flags = ::fcntl(fd, F_GETFL);
  bool ok = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 && WriteAll(fd, bytes);
  ok = (::close(fd) == 0) && ok;
  if (!ok) throw CannotCreateFileError(chosen.string());
}

// A link is followed, so the file it points to gets the new content and the link itself stays.
std::filesystem::path FinalTarget(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  auto resolved = std::filesystem::weakly_canonical(path, error);
  return error ? path : resolved;
}

}  // namespace

void SaveFileAtomically(const std::filesystem::path& chosen, std::string_view bytes) {
  const std::filesystem::path path = FinalTarget(chosen);
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) &&
      !S_ISDIR(existing.st_mode)) {
    WriteThrough(path, chosen, bytes);
    return;
  }
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  std::string temp = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) throw CannotCreateFileError(chosen.string());

  bool ok = WriteAll(fd, bytes) && ::fchmod(fd, ModeFor(path)) == 0 && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    throw CannotCreateFileError(chosen.string());
  }
}

}  // namespace runtime
