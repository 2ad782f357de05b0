// Temporary files being written, so an interrupted program can remove them before it ends.
#pragma once

#include <string>

namespace runtime {

// Creates a new empty file from `pattern` (its last six characters "XXXXXX" are replaced, as
// mkstemp does) and registers it; returns its descriptor, or -1 with errno set. Interrupting
// signals are held back until the name is registered, so an interruption never leaves it behind
// unregistered.
int CreateRegisteredTemporary(std::string& pattern);

// The temporary was renamed into place or removed: an interruption no longer removes it.
void UnregisterTemporary(const std::string& path);

// SIGINT, SIGTERM and SIGHUP remove every registered temporary and then end the process by the same
// signal (a shell reports 130, 143 or 129). SIGXFSZ is ignored, so a write beyond the file-size
// limit fails with an error the program reports instead of killing it.
void InstallSignalHandlers();

}  // namespace runtime
