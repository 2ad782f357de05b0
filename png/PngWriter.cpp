// Rows are left unfiltered: the deflate matches a repeated row against the row above itself, which
// is what the "up" filter would otherwise be for, and a palette picture gains nothing from the
// rest.
#include "png/PngWriter.h"

#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "png/RowDeflate.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace png {
namespace {

void PutBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(value >> shift));
}

// A chunk: length, type, data, and the CRC of type and data.
void PutChunk(std::string& out, const char (&type)[5], const std::string& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.append(type, 4);
  out += data;
  const auto* checked = reinterpret_cast<const Bytef*>(out.data() + typeAt);
  PutBigEndian(out, static_cast<std::uint32_t>(
                        crc32_z(crc32_z(0, nullptr, 0), checked, out.size() - typeAt)));
}

int BitDepth(std::size_t colours) {
  if (colours <= 2) return 1;
  if (colours <= 4) return 2;
  if (colours <= 16) return 4;
  return 8;
}

// Each row as the file stores it: the filter type 0, then the indices packed high bits first.
// Rows `first` to `end` (not included) go to `out`, where row `first` begins.
template <int Depth>
void PackRows(const PaletteImage& image, int first, int end, std::uint8_t* out,
              std::size_t rowBytes) {
  constexpr int kPerByte = 8 / Depth;
  const auto width = static_cast<std::size_t>(image.Width);
  const std::size_t whole = width / kPerByte;
  for (int y = first; y < end; ++y) {
    const std::uint8_t* indices = image.Indices.data() + width * static_cast<std::size_t>(y);
    *out++ = 0;
    std::size_t byte = 0;
    if constexpr (Depth == 8) {
      std::memcpy(out, indices, width);
      byte = whole;
    } else if constexpr (Depth == 4 && std::endian::native == std::endian::little) {
      // Each even byte takes the next byte's index as its low half, then the even bytes are
      // gathered: 32 indices a step with SSE2, else 8.
#if defined(__SSE2__)
      const __m128i lowHalf = _mm_set1_epi16(0x00F0);
      const auto packedPairs = [&](std::size_t at) {
        const __m128i two = _mm_loadu_si128(reinterpret_cast<const __m128i*>(indices + at));
        return _mm_or_si128(_mm_and_si128(_mm_slli_epi16(two, 4), lowHalf), _mm_srli_epi16(two, 8));
      };
      for (; byte + 16 <= whole; byte += 16)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + byte),
                         _mm_packus_epi16(packedPairs(2 * byte), packedPairs(2 * byte + 16)));
#endif
      for (; byte + 4 <= whole; byte += 4) {
        std::uint64_t eight;
        std::memcpy(&eight, indices + 2 * byte, 8);
        std::uint64_t pairs = (eight << 4 | eight >> 8) & 0x00FF00FF00FF00FFu;
        pairs = (pairs | pairs >> 8) & 0x0000FFFF0000FFFFu;
        const auto four = static_cast<std::uint32_t>(pairs | pairs >> 16);
        std::memcpy(out + byte, &four, 4);
      }
    }
    if constexpr (Depth < 8) {
      for (; byte < whole; ++byte) {
        unsigned packed = 0;
        for (int k = 0; k < kPerByte; ++k) packed = packed << Depth | indices[byte * kPerByte + k];
        out[byte] = static_cast<std::uint8_t>(packed);
      }
      if (whole < rowBytes) {
        unsigned packed = 0;
        for (std::size_t x = whole * kPerByte; x < whole * kPerByte + kPerByte; ++x)
          packed = packed << Depth | (x < width ? indices[x] : 0u);
        out[whole] = static_cast<std::uint8_t>(packed);
      }
    }
    out += rowBytes;
  }
}

}  // namespace

std::string EncodePalettePng(const PaletteImage& image) {
  const auto width = static_cast<std::size_t>(image.Width);
  const auto height = static_cast<std::size_t>(image.Height);
  if (image.Width <= 0 || image.Height <= 0)
    throw std::invalid_argument("a PNG picture needs at least one pixel");
  if (image.Palette.empty() || image.Palette.size() > 256)
    throw std::invalid_argument("a PNG palette holds 1 to 256 colours");
  if (image.Indices.size() != width * height)
    throw std::invalid_argument("the PNG picture's indices are not one a pixel");

  const int depth = BitDepth(image.Palette.size());
  const std::size_t rowBytes = (width * static_cast<std::size_t>(depth) + 7) / 8;
  const std::size_t stride = rowBytes + 1;
  const auto rows = std::make_unique_for_overwrite<std::uint8_t[]>(stride * height);
  RowDeflater deflater(stride * height, stride);
  // A band of rows at a time is packed and compressed while it is cached.
  const int band = static_cast<int>(std::max<std::size_t>(1, 32 * 1024 / stride));
  for (int first = 0; first < image.Height; first += band) {
    const int end = std::min(image.Height, first + band);
    std::uint8_t* out = rows.get() + stride * static_cast<std::size_t>(first);
    switch (depth) {
      case 1: PackRows<1>(image, first, end, out, rowBytes); break;
      case 2: PackRows<2>(image, first, end, out, rowBytes); break;
      case 4: PackRows<4>(image, first, end, out, rowBytes); break;
      default: PackRows<8>(image, first, end, out, rowBytes); break;
    }
    deflater.Take(rows.get(), stride * static_cast<std::size_t>(end));
  }

  std::string file("\x89PNG\r\n\x1A\n", 8);
  std::string header;
  PutBigEndian(header, static_cast<std::uint32_t>(width));
  PutBigEndian(header, static_cast<std::uint32_t>(height));
  header +=
      {static_cast<char>(depth), 3, 0, 0, 0};  // palette; deflate; no filter set; no interlace
  PutChunk(file, "IHDR", header);
  std::string palette;
  for (const std::uint32_t colour : image.Palette)
    palette += {static_cast<char>(colour >> 16), static_cast<char>(colour >> 8),
                static_cast<char>(colour)};
  PutChunk(file, "PLTE", palette);
  PutChunk(file, "IDAT", deflater.Finish(rows.get()));
  PutChunk(file, "IEND", std::string());
  return file;
}

}  // namespace png
