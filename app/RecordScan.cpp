// Recursive folder search for record files in a stable order.
#include "app/RecordScan.h"

#include <algorithm>
#include <numeric>
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
  FolderSearch(const std::optional<fs::path>& output, RunInputs& found)
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
        found_.Add(entry.path().native(), false);
      }
    }
    if (error) found_.Add(folder.native(), true);
  }

 private:
  bool IsOutput(const fs::path& folder) const {
    std::error_code error;
    return output_ && fs::equivalent(folder, *output_, error);
  }

  const std::optional<fs::path>& output_;
  RunInputs& found_;
};

}  // namespace

void RunInputs::Add(std::string_view path, bool unreadFolder) {
  bytes_.append(path);
  ends_.push_back(std::uint64_t{bytes_.size()} << 1 | (unreadFolder ? 1 : 0));
}

std::string_view RunInputs::Path(std::size_t i) const {
  const std::size_t start = i == 0 ? 0 : static_cast<std::size_t>(ends_[i - 1] >> 1);
  return std::string_view(bytes_).substr(start, static_cast<std::size_t>(ends_[i] >> 1) - start);
}

RunInput RunInputs::operator[](std::size_t i) const {
  return {fs::path(std::string(Path(i))), (ends_[i] & 1) != 0};
}

void RunInputs::SortFrom(std::size_t first) {
  std::vector<std::size_t> order(size() - first);
  std::iota(order.begin(), order.end(), first);
  std::stable_sort(order.begin(), order.end(),
                   [this](std::size_t a, std::size_t b) { return Path(a) < Path(b); });
  RunInputs sorted;
  sorted.bytes_.reserve(bytes_.size());
  sorted.ends_.reserve(ends_.size());
  for (std::size_t i = 0; i < first; ++i) sorted.Add(Path(i), (ends_[i] & 1) != 0);
  for (const std::size_t i : order) sorted.Add(Path(i), (ends_[i] & 1) != 0);
  *this = std::move(sorted);
}

std::string UnreadFolderMessage(const fs::path& folder) {
  return "Cannot open folder " + runtime::Cp1251FromUtf8(folder.native());
}

bool IsRecordFileName(std::string_view name) {
  return EndsWithIgnoringCase(name, ".txt") || EndsWithIgnoringCase(name, "cry");
}

RunInputs FindRecords(const std::vector<fs::path>& paths, const std::optional<fs::path>& output) {
  RunInputs inputs;
  for (const fs::path& path : paths) {
    if (!IsFolder(path)) {
      inputs.Add(path.native(), false);
      continue;
    }
    const std::size_t first = inputs.size();
    FolderSearch(output, inputs).Search(path);
    inputs.SortFrom(first);
  }
  return inputs;
}

}  // namespace app
