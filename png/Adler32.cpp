// Over a block of n bytes from sums (a, b), a grows by the bytes' sum and b by n * a plus each byte
// times the number of bytes from it to the block's end. Sixteen bytes at a time, that weight is 16
// per later step plus 16 down to 1 within the step.
#include "png/Adler32.h"

#include <zlib.h>

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace png {
namespace {

constexpr std::uint32_t kBase = 65521;
// The most bytes whose sums cannot overflow 32 bits between reductions, in whole 16-byte steps.
constexpr std::size_t kBlock = 5552;

#if defined(__SSE2__)
std::uint32_t Sum(__m128i four) {
  four = _mm_add_epi32(four, _mm_shuffle_epi32(four, _MM_SHUFFLE(1, 0, 3, 2)));
  four = _mm_add_epi32(four, _mm_shuffle_epi32(four, _MM_SHUFFLE(2, 3, 0, 1)));
  return static_cast<std::uint32_t>(_mm_cvtsi128_si32(four));
}
#endif

}  // namespace

std::uint32_t Adler32(std::uint32_t adler, const std::uint8_t* data, std::size_t size) {
  std::uint32_t a = adler & 0xFFFF;
  std::uint32_t b = adler >> 16;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i firstWeights = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
  const __m128i secondWeights = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
  while (size >= 16) {
    const std::size_t block = std::min(size, kBlock) / 16 * 16;
    __m128i sums = zero;         // the bytes' sum so far
    __m128i earlierSums = zero;  // the sum before each step, added up
    __m128i weighted = zero;     // each byte times its weight within its step
    for (std::size_t at = 0; at < block; at += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
      earlierSums = _mm_add_epi32(earlierSums, sums);
      sums = _mm_add_epi32(sums, _mm_sad_epu8(bytes, zero));
      weighted =
          _mm_add_epi32(weighted, _mm_madd_epi16(_mm_unpacklo_epi8(bytes, zero), firstWeights));
      weighted =
          _mm_add_epi32(weighted, _mm_madd_epi16(_mm_unpackhi_epi8(bytes, zero), secondWeights));
    }
    const std::uint64_t wideB =
        b + std::uint64_t{block} * a + 16 * std::uint64_t{Sum(earlierSums)} + Sum(weighted);
    a = (a + Sum(sums)) % kBase;
    b = static_cast<std::uint32_t>(wideB % kBase);
    data += block;
    size -= block;
  }
#endif
  return static_cast<std::uint32_t>(adler32_z(b << 16 | a, data, size));
}

}  // namespace png
