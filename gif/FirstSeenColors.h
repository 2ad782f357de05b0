// Colours numbered in the order they are first met, and the palette a picture of at most 256
// colours gets from their pixel counts.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "gif/Bitmap.h"
#include "gif/IndexedImage.h"

namespace gif {

inline constexpr unsigned kMaxFewColors = 256;

// Pixels of each colour number.
using TColorCounts = std::array<std::int64_t, kMaxFewColors>;

// The colours met so far, found through a 1024-slot open-addressing table (at most a quarter
// full).
class FirstSeenColors {
 public:
  // The colour's number (blue | green << 8 | red << 16), a new one for a colour not met before; -1
  // for a 257th colour.
  int Number(std::uint32_t key) {
    const std::uint64_t wanted = std::uint64_t{key | kUsed} << 8;
    for (unsigned slot = (key * 0x9E3779B1u) >> 22;; slot = (slot + 1) & 1023) {
      // One load gives the colour and its number.
      const std::uint64_t entry = slots_[slot];
      if ((entry & ~std::uint64_t{0xFF}) == wanted) return static_cast<int>(entry & 0xFF);
      if (entry == 0) {
        if (count_ == kMaxFewColors) return -1;
        slots_[slot] = wanted | count_;
        colors_[count_] = key;
        return static_cast<int>(count_++);
      }
    }
  }

  // Number, except that a 257th colour reads as number 0 and sets TooMany: for loops that would
  // rather check once a row than at every pixel.
  unsigned NumberOrZero(std::uint32_t key) {
    const int number = Number(key);
    if (number >= 0) return static_cast<unsigned>(number);
    tooMany_ = true;
    return 0;
  }
  bool TooMany() const { return tooMany_; }

  unsigned Count() const { return count_; }
  std::uint32_t Color(unsigned number) const { return colors_[number]; }

 private:
  static constexpr std::uint32_t kUsed = 1u << 24;  // keys are 24-bit colours
  std::array<std::uint64_t, 1024> slots_{};         // (key | kUsed) << 8 | number, or 0
  std::array<std::uint32_t, kMaxFewColors> colors_{};
  unsigned count_ = 0;
  bool tooMany_ = false;
};

// The palette of a picture whose colours are all kept: by decreasing count, equal counts in the
// order of `firstMet` (each number's place in a scan from the bottom row up, left to right), then
// grey up to 256 entries. Returns each number's palette position.
TPalettePositions PaletteByCount(const FirstSeenColors& colors, const TColorCounts& counts,
                                 const std::array<unsigned, kMaxFewColors>& firstMet,
                                 std::vector<TRGBQuad>& palette);

}  // namespace gif
