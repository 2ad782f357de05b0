// The results folder: beside the executable when writable, else in the user's documents.
#include "app/ResultsFolder.h"

#include <unistd.h>

#include <system_error>

namespace app {

namespace {

bool WritableFolder(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

std::filesystem::path ChooseResultsFolder(const std::filesystem::path& exeFolder,
                                          const std::filesystem::path& documentsFolder) {
  const std::filesystem::path beside = exeFolder / "Results";
  std::error_code error;
  const bool exists = std::filesystem::exists(std::filesystem::symlink_status(beside, error));
  if (exists ? WritableFolder(beside) : WritableFolder(exeFolder)) return beside;
  return documentsFolder / "Stroop Results";
}

void MakeResultsFolderFor(const std::filesystem::path& file,
                          const std::filesystem::path& resultsFolder) {
  if (file.parent_path().lexically_normal() != resultsFolder.lexically_normal()) return;
  std::error_code error;
  std::filesystem::create_directories(resultsFolder, error);
}

}  // namespace app
