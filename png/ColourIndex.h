// Numbers the colours of a 32-bit picture for a palette file, in one pass.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "png/PaletteImage.h"

namespace png {

// The picture as palette numbers, colours numbered in order of first occurrence (top row first,
// left to right). `pixels` holds `height` rows of `width` 0xAARRGGBB pixels, `stride` pixels apart;
// the alpha byte is ignored. Nothing when the picture has more than 256 colours.
// Numbers a picture's colours a row at a time, in order of first occurrence, for a writer that
// packs each row while it is cached.
class RowColourIndexer {
 public:
  // At most `limit` colours (1 to 256).
  explicit RowColourIndexer(unsigned limit = 256) : limit_(limit) {}

  // Writes the numbers of the `width` pixels of `row` to `out`; `above` and `aboveNumbers` are the
  // row above and its numbers, or null for the top row. False at a colour past the limit.
  bool Index(const std::uint32_t* row, const std::uint32_t* above, const std::uint8_t* aboveNumbers,
             std::uint8_t* out, std::size_t width);

  std::size_t Count() const { return colours_.size(); }
  // The colours (0xRRGGBB) by number.
  std::vector<std::uint32_t> TakeColours() { return std::move(colours_); }

 private:
  // The colour's number, a new one for a colour not met before; -1 past the limit.
  int Number(std::uint32_t colour);

  static constexpr std::uint32_t kUsed = 1u << 24;  // keys are 24-bit colours
  const unsigned limit_;
  // The colours met so far in a 1024-slot open-addressing table (at most a quarter full).
  std::array<std::uint32_t, 1024> keys_{};
  std::array<std::uint8_t, 1024> numbers_{};
  std::vector<std::uint32_t> colours_;
};

std::optional<PaletteImage> IndexColours(const std::uint32_t* pixels, std::ptrdiff_t stride,
                                         int width, int height);

}  // namespace png
