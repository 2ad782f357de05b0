// The records of a run: paths as given, and for a folder the record files found under it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// One record of a run, or a folder that could not be searched.
struct RunInput {
  std::filesystem::path path;  // as given, or the folder given joined with the names found
  bool unreadFolder = false;   // a folder that could not be searched, not a record
};

// "Cannot open folder <path>" (CP1251) for a folder that could not be searched.
std::string UnreadFolderMessage(const std::filesystem::path& folder);

// The names the open dialog offers: ending in ".txt" or in "cry", in any letter case.
bool IsRecordFileName(std::string_view name);

// Each path as given (a file that is not there fails when it is loaded); a folder becomes the
// record files under it, searched recursively and in the byte order of their paths, so every run
// over the same folder takes the same order. Hidden files and folders (name starting with ".") and
// links to folders are not searched, nor the folder `output` (the export's own, which may lie
// inside and hold reports from an earlier run).
std::vector<RunInput> FindRecords(const std::vector<std::filesystem::path>& paths,
                                  const std::optional<std::filesystem::path>& output);

}  // namespace app
