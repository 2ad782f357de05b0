// Reading 24- or 32-bit rows: one pixel as the number blue | green << 8 | red << 16, eight at a
// time compared with one colour, or the run that repeats a pixel.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Whether the four pixels from `p` have the colour of the pixel before them; all five are in one
// row.
template <int Bytes>
bool FourRepeatThePrevious(const std::uint8_t* p) {
  const auto load = [](const std::uint8_t* at) {
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    return word;
  };
  if constexpr (Bytes == 3) {
    // Each of the twelve bytes equals the byte one pixel before it.
    return load(p - 3) == load(p) && load(p + 1) == load(p + 4);
  } else if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kUsedBytes = 0x00FFFFFF00FFFFFFu;
    return (((load(p) ^ load(p - 4)) | (load(p + 8) ^ load(p + 4))) & kUsedBytes) == 0;
  } else {
    const std::uint32_t previous = TrueColorPixel<Bytes>(p - Bytes, false);
    for (int i = 0; i < 4; ++i)
      if (TrueColorPixel<Bytes>(p + Bytes * i, false) != previous) return false;
    return true;
  }
}

// How many of the `limit` pixels from `p`, the rest of a row (at least one pixel), have the colour
// of the pixel before `p`.
template <int Bytes>
std::size_t RepeatsOfThePrevious(const std::uint8_t* p, std::size_t limit) {
  const std::uint32_t previous = TrueColorPixel<Bytes>(p - Bytes, false);
  std::size_t n = 0;
#if defined(__SSE2__)
  if constexpr (Bytes == 4) {
    const __m128i used = _mm_set1_epi32(0x00FFFFFF);
    const __m128i colour = _mm_set1_epi32(static_cast<int>(previous));
    const auto same = [&](std::size_t at) {
      const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4 * at));
      return _mm_cmpeq_epi32(_mm_and_si128(four, used), colour);
    };
    for (; n + 8 <= limit; n += 8) {
      // A byte of the mask for each byte of the eight pixels: where the run ends is where the
      // first pixel's bytes are not all ones.
      const auto mask = static_cast<std::uint32_t>(_mm_movemask_epi8(same(n)) |
                                                   _mm_movemask_epi8(same(n + 4)) << 16);
      if (mask != 0xFFFFFFFFu) return n + static_cast<std::size_t>(std::countr_one(mask)) / 4;
    }
  }
#endif
  const EightPixels<Bytes> eight(previous);
  for (; n + 8 <= limit && eight.At(p + Bytes * n); n += 8) {
  }
  while (n < limit && TrueColorPixel<Bytes>(p + Bytes * n, n + 1 == limit) == previous) ++n;
  return n;
}

}  // namespace gif
