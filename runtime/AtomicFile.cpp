// Temporary file + fsync + rename, so readers see either the old file or the complete new one.
#include "runtime/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <string>

#include "runtime/Cp1251.h"
#include "runtime/Errors.h"
#include "runtime/TemporaryFiles.h"

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

// The umask can only be read by setting it and setting it back. Files written side by side (a
// group export writes many) read it one at a time: a second reader in between would take the
// moment's 0 for the umask and make its file writable by everyone. Files this program creates
// otherwise in that moment are its temporaries, whose mode 0600 the umask does not change.
mode_t ProcessUmask() {
  static std::mutex reading;
  const std::lock_guard lock(reading);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// A device or pipe chosen as the target is written through, never replaced by a regular file:
// renaming over /dev/null as an administrator would break the system. The open does not wait for a
// pipe's reader.
void WriteThrough(const std::filesystem::path& path, const std::filesystem::path& chosen,
                  std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) throw CannotCreateFileError(chosen.string());
  const int flags = ::fcntl(fd, F_GETFL);
  bool ok = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 && WriteAll(fd, bytes);
  ok = (::close(fd) == 0) && ok;
  if (!ok) throw CannotCreateFileError(chosen.string());
}

EFCreateError RefusedLink(const std::filesystem::path& chosen, const char* reason) {
  return EFCreateError("Cannot create file " + Cp1251FromUtf8(chosen.string()) + ": " + reason);
}

// A link in a folder where anyone may create files but only remove their own (sticky and
// world-writable, like /tmp) is followed only when it belongs to the user or to the folder's owner:
// anyone else may have planted it there to redirect the write.
bool PlantedByAnotherUser(const std::filesystem::path& chosen, const struct stat& link) {
  const std::filesystem::path folder = chosen.has_parent_path() ? chosen.parent_path() : ".";
  struct stat parent {};
  if (::stat(folder.c_str(), &parent) != 0) return true;
  const bool shared = (parent.st_mode & S_ISVTX) != 0 && (parent.st_mode & S_IWOTH) != 0;
  return shared && link.st_uid != ::geteuid() && link.st_uid != parent.st_uid;
}

// The path the bytes go to: the chosen one, or the file a followed link points to.
std::filesystem::path FinalTarget(const std::filesystem::path& chosen, LinkPolicy links) {
  struct stat link {};
  if (::lstat(chosen.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return chosen;
  if (links == LinkPolicy::RefuseLinks) throw RefusedLink(chosen, "it is a symbolic link");
  if (PlantedByAnotherUser(chosen, link)) {
    throw RefusedLink(chosen, "it is a symbolic link another user made in a shared folder");
  }
  std::error_code error;
  auto resolved = std::filesystem::weakly_canonical(chosen, error);
  return error ? chosen : resolved;
}

}  // namespace

void SaveFileAtomically(const std::filesystem::path& chosen, std::string_view bytes,
                        LinkPolicy links) {
  const std::filesystem::path path = FinalTarget(chosen, links);
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) &&
      !S_ISDIR(existing.st_mode)) {
    WriteThrough(path, chosen, bytes);
    return;
  }
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  // rename() replaces whatever is at the path, a link planted after the check included, and never
  // writes through it.
  std::string temp = (folder / ".stroop-XXXXXX").string();
  const int fd = CreateRegisteredTemporary(temp);
  if (fd < 0) throw CannotCreateFileError(chosen.string());

  bool ok = WriteAll(fd, bytes) && ::fchmod(fd, ModeForWrite(path)) == 0 && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  UnregisterTemporary(temp);
  if (!ok) throw CannotCreateFileError(chosen.string());
}

mode_t ModeForWrite(const std::filesystem::path& path) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
  return 0666 & ~ProcessUmask();
}

}  // namespace runtime
