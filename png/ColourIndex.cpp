// A chart at print scale is millions of pixels of a few colours, and nineteen in twenty of them
// repeat the pixel above. A stretch that repeats the row above copies its numbers; the rest is
// taken a run of one colour at a time, looked up once.
#include "png/ColourIndex.h"

#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace png {
namespace {

// How many of the `count` pixels from `a` and from `b` are the same words, counted from the start:
// eight at a time while all eight are.
std::size_t SameLength(const std::uint32_t* a, const std::uint32_t* b, std::size_t count) {
  std::size_t x = 0;
#if defined(__SSE2__)
  for (; x + 8 <= count; x += 8) {
    const auto load = [](const std::uint32_t* p) {
      return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    };
    const __m128i same = _mm_and_si128(_mm_cmpeq_epi32(load(a + x), load(b + x)),
                                       _mm_cmpeq_epi32(load(a + x + 4), load(b + x + 4)));
    if (_mm_movemask_epi8(same) != 0xFFFF) break;
  }
#endif
  while (x < count && a[x] == b[x]) ++x;
  return x;
}

// Where the run of `pixel` that goes on at `from` ends.
std::size_t RunEnd(const std::uint32_t* row, std::size_t from, std::size_t end,
                   std::uint32_t pixel) {
  std::size_t x = from;
#if defined(__SSE2__)
  const __m128i four = _mm_set1_epi32(static_cast<int>(pixel));
  for (; x + 8 <= end; x += 8) {
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x + 4));
    const __m128i same = _mm_and_si128(_mm_cmpeq_epi32(low, four), _mm_cmpeq_epi32(high, four));
    if (_mm_movemask_epi8(same) != 0xFFFF) break;
  }
#endif
  while (x < end && (row[x] ^ pixel) << 8 == 0) ++x;
  return x;
}

}  // namespace

int RowColourIndexer::Number(std::uint32_t colour) {
  const std::uint32_t key = colour | kUsed;
  for (unsigned slot = (colour * 0x9E3779B1u) >> 22;; slot = (slot + 1) & 1023) {
    if (keys_[slot] == key) return numbers_[slot];
    if (keys_[slot] == 0) {
      if (colours_.size() == limit_) return -1;
      keys_[slot] = key;
      numbers_[slot] = static_cast<std::uint8_t>(colours_.size());
      colours_.push_back(colour);
      return static_cast<int>(colours_.size() - 1);
    }
  }
}

bool RowColourIndexer::Index(const std::uint32_t* row, const std::uint32_t* above,
                             const std::uint8_t* aboveNumbers, std::uint8_t* out,
                             std::size_t width) {
  for (std::size_t x = 0; x < width;) {
    // Stretches that repeat the row above take its numbers.
    if (above != nullptr) {
      const std::size_t same = SameLength(row + x, above + x, width - x);
      if (same > 0) {
        std::memcpy(out + x, aboveNumbers + x, same);
        x += same;
        continue;
      }
    }
    const std::uint32_t pixel = row[x];
    const int number = Number(pixel & 0xFFFFFF);
    if (number < 0) return false;
    const std::size_t end = RunEnd(row, x + 1, width, pixel);
    std::memset(out + x, number, end - x);
    x = end;
  }
  return true;
}

std::optional<PaletteImage> IndexColours(const std::uint32_t* pixels, std::ptrdiff_t stride,
                                         int width, int height) {
  PaletteImage image;
  image.Width = width;
  image.Height = height;
  const auto columns = static_cast<std::size_t>(width);
  image.Indices.resize(columns * static_cast<std::size_t>(height));
  RowColourIndexer indexer;
  for (int y = 0; y < height; ++y) {
    std::uint8_t* out = image.Indices.data() + columns * static_cast<std::size_t>(y);
    if (!indexer.Index(pixels + stride * y, y > 0 ? pixels + stride * (y - 1) : nullptr,
                       out - (y > 0 ? columns : 0), out, columns))
      return std::nullopt;
  }
  image.Palette = indexer.TakeColours();
  return image;
}

}  // namespace png
