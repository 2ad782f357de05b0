// The records of a run: paths as given, and for a folder the record files found under it.
#pragma once

#include <cstddef>
#include <cstdint>
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

// The records of a run, kept as their paths' bytes one after another: a run over a study of
// thousands of records holds a few dozen bytes per record rather than a parsed path.
class RunInputs {
 public:
  class Iterator {
   public:
    Iterator(const RunInputs& inputs, std::size_t at) : inputs_(&inputs), at_(at) {}
    RunInput operator*() const { return (*inputs_)[at_]; }
    Iterator& operator++() {
      ++at_;
      return *this;
    }
    bool operator==(const Iterator& other) const { return at_ == other.at_; }

   private:
    const RunInputs* inputs_;
    std::size_t at_;
  };

  void Add(std::string_view path, bool unreadFolder);
  // Sorts the entries from `first` on by the bytes of their paths, equal paths keeping their order.
  void SortFrom(std::size_t first);

  std::size_t size() const { return ends_.size(); }
  RunInput operator[](std::size_t i) const;
  Iterator begin() const { return {*this, 0}; }
  Iterator end() const { return {*this, size()}; }

 private:
  std::string_view Path(std::size_t i) const;

  std::string bytes_;                // every path, one after another
  std::vector<std::uint64_t> ends_;  // where each path ends, << 1, | 1 for an unread folder
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
RunInputs FindRecords(const std::vector<std::filesystem::path>& paths,
                      const std::optional<std::filesystem::path>& output);

}  // namespace app
