// The program's name and version, as --version prints them for bug reports and packages.
#pragma once

#include <string>

namespace app {

// "stroop-analyser <major>.<minor>.<patch>", the version being the build's project version.
std::string VersionText();

}  // namespace app
