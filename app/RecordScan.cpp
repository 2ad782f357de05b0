// Recursive folder search for record files in a stable order.
#include "app/RecordScan.h"

#include <algorithm>
#include <system_error>

#include "runtime/Cp1251.h"

namespace app {
namespace {

namespace fs = std::filesystem;

bool EndsWithIgnoringCase(std::string_view name, std::string_view ending) {
  if (name.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), name.end() - static_cast<long>(ending.size()),
                    [](char e, char n) { return e == (n >= 'A' && n <= 'Z' ? n - 'A' + 'a' : n); });
}

bool IsFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

class FolderSearch {
 public:
  FolderSearch(const std::optional<fs::path>& output, std::vector<RunInput>& found)
      : output_(output), found_(found) {}

  void Search(const fs::path& folder) {
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    const fs::directory_iterator end;
    for (; !error && entries != end; entries.increment(error)) {
      const fs::directory_entry& entry = *entries;
      const std::string name = entry.path().filename().native();
      if (name.starts_with('.')) continue;
      std::error_code typeError;
      const bool link = entry.is_symlink(typeError);
      if (!link && entry.is_directory(typeError)) {
        if (!IsOutput(entry.path())) Search(entry.path());
      } else if (IsRecordFileName(name) && entry.is_regular_file(typeError)) {
        found_.push_back({entry.path(), false});
      }
    }
    if (error) found_.push_back({folder, true});
  }

 private:
  bool IsOutput(const fs::path& folder) const {
    std::error_code error;
    return output_ && fs::equivalent(folder, *output_, error);
  }

  const std::optional<fs::path>& output_;
  std::vector<RunInput>& found_;
};

}  // namespace

std::string UnreadFolderMessage(const fs::path& folder) {
  return "Cannot open folder " + runtime::Cp1251FromUtf8(folder.native());
}

bool IsRecordFileName(std::string_view name) {
  return EndsWithIgnoringCase(name, ".txt") || EndsWithIgnoringCase(name, "cry");
}

std::vector<RunInput> FindRecords(const std::vector<fs::path>& paths,
                                  const std::optional<fs::path>& output) {
  std::vector<RunInput> inputs;
  for (const fs::path& path : paths) {
    if (!IsFolder(path)) {
      inputs.push_back({path, false});
      continue;
    }
    std::vector<RunInput> found;
    FolderSearch(output, found).Search(path);
    std::stable_sort(found.begin(), found.end(), [](const RunInput& a, const RunInput& b) {
      return a.path.native() < b.path.native();
    });
    inputs.insert(inputs.end(), std::make_move_iterator(found.begin()),
                  std::make_move_iterator(found.end()));
  }
  return inputs;
}

}  // namespace app
