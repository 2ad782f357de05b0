// Reading 24- or 32-bit rows: one pixel as the number blue | green << 8 | red << 16, or eight at a
// time compared with one colour.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace gif {

// `Bytes` is 3 or 4 (the fourth byte is unused). A 24-bit pixel inside a row is followed by the
// next pixel's first byte, so one 4-byte load does; the last pixel of a row may end the buffer
// and is read bytewise.
template <int Bytes>
std::uint32_t TrueColorPixel(const std::uint8_t* p, bool lastInRow) {
  if constexpr (std::endian::native == std::endian::little) {
    if (Bytes == 4 || !lastInRow) {
      std::uint32_t word;
      std::memcpy(&word, p, 4);
      return word & 0xFFFFFF;
    }
  }
  return p[0] | p[1] << 8 | p[2] << 16;
}

// Eight pixels of one colour as the 8-byte words they take in a row (three for 24-bit pixels, four
// for 32-bit ones, whose unused bytes are masked off), so that runs are checked 8 pixels at a time.
template <int Bytes>
class EightPixels {
 public:
  explicit EightPixels(std::uint32_t key) {
    const std::uint64_t k = key;
    if constexpr (Bytes == 4 && std::endian::native == std::endian::little) {
      for (std::uint64_t& word : words_) word = k | k << 32;
    } else if constexpr (std::endian::native == std::endian::little) {
      words_[0] = k | k << 24 | k << 48;                 // b g r b g r b g
      words_[1] = k >> 16 | k << 8 | k << 32 | k << 56;  // r b g r b g r b
      words_[2] = k >> 8 | k << 16 | k << 40;            // g r b g r b g r
    } else {
      std::uint8_t bytes[8 * Bytes] = {};
      for (int i = 0; i < 8; ++i) {
        bytes[Bytes * i] = static_cast<std::uint8_t>(key);
        bytes[Bytes * i + 1] = static_cast<std::uint8_t>(key >> 8);
        bytes[Bytes * i + 2] = static_cast<std::uint8_t>(key >> 16);
      }
      std::memcpy(words_, bytes, sizeof words_);
    }
  }

  // Whether the eight pixels from `p` all have the colour.
  bool At(const std::uint8_t* p) const {
    std::uint64_t differ = 0;
    for (int i = 0; i < Bytes; ++i) {
      std::uint64_t word;
      std::memcpy(&word, p + 8 * i, 8);
      if constexpr (Bytes == 4) word &= kUsedBytes;
      differ |= word ^ words_[i];
    }
    return differ == 0;
  }

 private:
  // The colour bytes of two 32-bit pixels, in either byte order.
  static constexpr std::uint64_t kUsedBytes =
      std::endian::native == std::endian::little ? 0x00FFFFFF00FFFFFFu : 0xFFFFFF00FFFFFF00u;
  std::uint64_t words_[Bytes];
};

}  // namespace gif
