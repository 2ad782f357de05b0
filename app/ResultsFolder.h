// Where the save dialogs propose results, and when that folder is made.
#pragma once

#include <filesystem>

namespace app {

// "Results" beside the executable when a file can be written there (the folder is writable, or is
// missing from a writable executable folder). A system-wide installation's folder is read-only, so
// results then go to "Stroop Results" in the user's documents folder.
std::filesystem::path ChooseResultsFolder(const std::filesystem::path& exeFolder,
                                          const std::filesystem::path& documentsFolder);

// Makes the results folder (and its parents) when `file`, about to be written, lies directly in it
// and it is missing. Other folders are the user's to make: a name typed into one that does not
// exist fails as any file that cannot be created. Failure is silent; the write then reports it.
void MakeResultsFolderFor(const std::filesystem::path& file,
                          const std::filesystem::path& resultsFolder);

}  // namespace app
