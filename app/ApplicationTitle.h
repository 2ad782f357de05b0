// The application's title: the caption of every error box and the name the window system files us
// under.
#pragma once

namespace app {

inline constexpr char kApplicationTitle[] = "ZIRT.DazuzoZa";

}  // namespace app
