// Where the open dialog starts: the "Data" folder beside the executable, as in a build or an
// unpacked copy. An installed program's executable lies in <prefix>/bin and its sample records in
// <prefix>/share/stroop-analyser/Data, which is used when no "Data" folder is beside it.
#pragma once

#include <filesystem>

namespace app {

// `exeFolder` is the executable's folder. Returns exeFolder/Data when that folder exists, else the
// installed sample records' folder when that exists, else exeFolder/Data.
std::filesystem::path RecordsFolder(const std::filesystem::path& exeFolder);

}  // namespace app
