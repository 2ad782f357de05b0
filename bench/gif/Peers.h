// The peer GIF encoders, called the fastest way their interfaces allow: giflib 5.2 and libcgif,
// both writing the whole file into memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gifbench {

// An 8-bit picture as the peers take it: indices top row first, without padding, and a 256-entry
// (red, green, blue) palette.
struct PeerIndexed {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Indices;
  std::vector<std::uint8_t> Palette;  // 768 bytes
};

// A 24-bit picture as giflib's quantizer takes it: three planes, top row first.
struct PeerTrueColor {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Red, Green, Blue;
};

// giflib: screen and image descriptors, then all indices in one EGifPutLine call. `indices` is
// giflib's to mask with 0xFF in place, which leaves 8-bit indices as they are.
std::string GiflibEncode(PeerIndexed& picture);
// giflib: GifQuantizeBuffer to 256 colours (its planes are taken as non-const), then the same
// encoding.
std::string GiflibQuantizeAndEncode(PeerTrueColor& picture);
// libcgif: one frame with the global palette, no animation and no optimisation flags.
std::string CgifEncode(PeerIndexed& picture);

}  // namespace gifbench
