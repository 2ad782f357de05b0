// The start sequence of the windowed program: application title, main window, hidden about dialog,
// event loop until the main window closes.
#pragma once

#include <filesystem>
#include <optional>

namespace app {

// Opens the main window maximised; with a record, loads it as "Data" would once the window shows.
// Returns the event loop's exit code.
int RunWindow(int argc, char** argv, const std::optional<std::filesystem::path>& record);

}  // namespace app
