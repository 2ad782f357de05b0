// The counting structure of the popularity colour reduction: masked colours with their pixel
// counts, in order of first occurrence, up to a capacity, found through an open-addressing table.
#pragma once

#include <cstdint>
#include <vector>

namespace gif {

// A masked colour as blue | green << 8 | red << 16.
using TColorKey = std::uint32_t;

// The three channel masks of a counting pass: a channel value is ANDed with its mask before it is
// counted, so a mask with its low bits cleared merges neighbouring shades.
struct TColorMasks {
  std::uint8_t Red = 0xFF;
  std::uint8_t Green = 0xFF;
  std::uint8_t Blue = 0xFF;

  TColorKey Word() const { return Blue | Green << 8 | Red << 16; }
  // The next masks after an overflow: the channels lose their lowest remaining bit in the order
  // blue, red, green, blue, ... (FF FF FF, FF FF FE, FE FF FE, FE FE FE, FE FE FC, ...).
  TColorMasks Coarser() const;
  bool operator==(const TColorMasks&) const = default;
};

class ColorHistogram {
 public:
  // Room for `capacity` colours; the table is kept at most half full.
  explicit ColorHistogram(unsigned capacity);

  // Adds `pixels` pixels of the colour; false, adding nothing, when the colour is new and the
  // histogram is full.
  bool Add(TColorKey key, std::int64_t pixels) {
    unsigned slot = Home(key);
    for (;; slot = (slot + 1) & mask_) {
      const std::uint64_t held = slots_[slot];
      if (held == 0) break;
      if (held >> 32 == (key | kUsed)) {
        counts_[static_cast<std::uint32_t>(held)] += pixels;
        return true;
      }
    }
    if (keys_.size() == capacity_) return false;
    slots_[slot] = std::uint64_t{key | kUsed} << 32 | keys_.size();
    keys_.push_back(key);
    counts_.push_back(pixels);
    return true;
  }

  // The entry number of a colour that is in the histogram.
  unsigned Entry(TColorKey key) const {
    unsigned slot = Home(key);
    while (slots_[slot] >> 32 != (key | kUsed)) slot = (slot + 1) & mask_;
    return static_cast<std::uint32_t>(slots_[slot]);
  }

  unsigned Size() const { return static_cast<unsigned>(keys_.size()); }
  TColorKey Key(unsigned entry) const { return keys_[entry]; }
  std::int64_t Count(unsigned entry) const { return counts_[entry]; }

  // No colours.
  void Clear();

 private:
  static constexpr std::uint32_t kUsed = 1u << 24;  // keys are 24-bit colours

  unsigned Home(TColorKey key) const { return (key * 0x9E3779B1u) >> shift_; }

  unsigned capacity_;
  unsigned shift_;
  unsigned mask_;
  std::vector<std::uint64_t> slots_;  // (key | kUsed) << 32 | entry number, 0 when empty
  std::vector<TColorKey> keys_;       // by entry number: order of first occurrence
  std::vector<std::int64_t> counts_;  // 64 bits: a picture can have more than 2^31 pixels
};

}  // namespace gif
