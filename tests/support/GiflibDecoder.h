// Decodes GIF bytes with giflib, an independent decoder, for checking what the writer produced.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

using Rgb = std::array<std::uint8_t, 3>;

struct DecodedFrame {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  std::vector<Rgb> LocalColors;       // empty without a local table
  std::vector<std::uint8_t> Indices;  // top row first
};

struct DecodedGif {
  std::string Version;  // "87a" or "89a", as in the file
  int ScreenWidth = 0, ScreenHeight = 0;
  std::vector<Rgb> GlobalColors;
  std::vector<DecodedFrame> Frames;

  // Colour of pixel (x, y) of frame f, through its local table or the global one.
  Rgb ColorAt(std::size_t f, int x, int y) const;
};

// Raises std::runtime_error with giflib's error code when the bytes do not decode.
DecodedGif DecodeWithGiflib(std::string_view bytes);

}  // namespace testsupport
