// The version comes from the build (the project's version in CMake).
#include "app/Version.h"

namespace app {

std::string VersionText() { return "stroop-analyser " STROOP_VERSION; }

}  // namespace app
