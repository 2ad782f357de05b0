// The global data of a GIF image's logical screen, shared by reference with copies of the image.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gif/GIFPalette.h"

namespace gif {

struct TGIFData {
  std::vector<std::string> CommentLines;  // CP1251; written as the image comment, 89a
  std::uint8_t PixelAspect = 0;
  std::uint8_t TableBits = 0;  // global table size as a power of two
  TGIFPalette GlobalPalette;
};

}  // namespace gif
