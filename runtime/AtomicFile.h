// Writes a whole file so that a failure never leaves it damaged: a temporary file beside the
// target, renamed over it only when completely written.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string_view>

namespace runtime {

// What a symbolic link at the target path means.
enum class LinkPolicy {
  // The user chose the path: a link is followed (the file it points to gets the new content and the
  // link stays), except one that another user made in a shared sticky folder such as /tmp, where
  // it may have been planted to redirect the write.
  FollowOwnLinks,
  // The program made up the path inside a folder: a link there is never followed.
  RefuseLinks,
};

// Replaces (or creates) `path` with `bytes`; a device or pipe is written through. On any failure
// the previous file, if there was one, is left as it was, no temporary file remains, and
// runtime::EFCreateError is raised: "Cannot create file <path>", with the reason added for a
// refused link. The temporary file has a short name, so a target name of any length the folder
// allows can be written.
void SaveFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                        LinkPolicy links = LinkPolicy::FollowOwnLinks);

// The permissions a file written at `path` gets: those of the file there, or for a new file 0666
// less the umask. Safe while other threads write files.
mode_t ModeForWrite(const std::filesystem::path& path);

}  // namespace runtime
