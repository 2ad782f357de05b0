// The encoded form of one frame, kept so that later saves of the same image need no new encoding.
#pragma once

#include <cstdint>
#include <string>

#include "gif/GIFPalette.h"

namespace gif {

struct TGIFExtent {
  std::int32_t X = 0;
  std::int32_t Y = 0;
};

struct TGIFItem {
  // Minimum code size byte, data sub-blocks and terminator; empty until the frame is encoded.
  std::string EncodedData;
  TGIFExtent Extent;           // frame width and height
  std::uint8_t TableBits = 0;  // frame colour table size as a power of two
  TGIFPalette Palette;
};

}  // namespace gif
