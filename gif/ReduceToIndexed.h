// Turns a bitmap into an 8-bit indexed BMP file image by the popularity (histogram) reduction.
#pragma once

#include <string>

#include "gif/Bitmap.h"

namespace gif {

// An 8-bit bitmap comes back as its own BMP file image. Any other is read as 24-bit rows and
// reduced to at most 256 colours: "BM" file header, info header, 256-entry palette (unused entries
// grey 128), then one index byte per pixel, rows bottom-up and padded to 4 bytes. Raises
// EInvalidGraphic for an empty bitmap.
std::string ReduceToIndexed(const TBitmap& bitmap);

}  // namespace gif
