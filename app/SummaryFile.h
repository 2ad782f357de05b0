// The group summary table's file, written row by row as records finish, so a run over any number
// of records keeps no table in memory; readers see the previous file or the complete new one.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace app {

class SummaryFile {
 public:
  // Starts a hidden temporary file beside `path` (registered, so an interruption removes it). A
  // device or pipe, such as /dev/stdout, is written directly. A symbolic link at `path` is followed
  // only when it belongs to the user. A failure is kept and reported by Commit.
  explicit SummaryFile(const std::filesystem::path& path);
  ~SummaryFile();
  SummaryFile(const SummaryFile&) = delete;
  SummaryFile& operator=(const SummaryFile&) = delete;

  void Append(std::string_view bytes);

  // Puts the complete file in place. Returns the error message (CP1251, "Cannot create file
  // <path>", perhaps with a reason) when the file could not be written; the temporary file is gone
  // either way.
  std::string Commit();

 private:
  void Flush();
  void Fail(const std::string& reason = {});
  void Discard();

  std::filesystem::path chosen_;  // as the user gave it, for messages
  std::filesystem::path target_;  // where the file ends up
  std::string temporary_;         // empty when writing directly
  int fd_ = -1;
  std::string buffer_;
  std::string error_;
};

}  // namespace app
