// Text for the terminal: paths printed as given and messages from records, with control characters
// replaced so that no byte of a file name or record can move the cursor, clear the screen or change
// the terminal's settings.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace app {

// The bytes as they are, except C0 controls, DEL and C1 controls (U+0080..U+009F in UTF-8, and
// stray bytes 0x80..0x9F that are not part of a UTF-8 character, which an 8-bit terminal would
// read as controls) each become "?". Other bytes that are not UTF-8, such as a CP1251 name copied
// from another machine, stay as they are: the path is shown exactly as it is on disk.
std::string TerminalSafe(std::string_view bytes);

// A message (CP1251) about `mentioned` for the terminal in UTF-8: where the message quotes the
// path, the path's own bytes are shown instead of their CP1251 rendering, which turns characters
// the code page lacks into "?".
std::string TerminalMessage(std::string_view messageCp1251, const std::filesystem::path& mentioned);

}  // namespace app
