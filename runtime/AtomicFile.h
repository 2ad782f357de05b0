// Writes a whole file so that a failure never leaves it damaged: a temporary file beside the
// target, renamed over it only when completely written.
#pragma once

#include <filesystem>
#include <string_view>

namespace runtime {

// Replaces (or creates) `path` with `bytes`; a link is followed and a device or pipe is written
// through. On any failure the previous file, if there was one, is left as it was, no temporary file
// remains, and runtime::EFCreateError "Cannot create file <path>" is raised.
void SaveFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace runtime
