// The records folder beside the executable, or the installed one; the install layout gives the path
// from the executable's folder to the installed one (STROOP_INSTALLED_RECORDS).
#include "app/RecordsFolder.h"

#include <system_error>

namespace app {

std::filesystem::path RecordsFolder(const std::filesystem::path& exeFolder) {
  const std::filesystem::path beside = exeFolder / "Data";
  std::error_code error;
  if (std::filesystem::is_directory(beside, error)) return beside;
  const std::filesystem::path installed = (exeFolder / STROOP_INSTALLED_RECORDS).lexically_normal();
  if (std::filesystem::is_directory(installed, error)) return installed;
  return beside;
}

}  // namespace app
