// Reading one pixel of a 24- or 32-bit row as the number blue | green << 8 | red << 16.
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

}  // namespace gif
