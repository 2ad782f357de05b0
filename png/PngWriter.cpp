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

#include "png/ColourIndex.h"
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

// A row as the file stores it: the filter type 0, then the `width` indices packed high bits first
// into `rowBytes` bytes.
template <int Depth>
void PackRow(const std::uint8_t* indices, std::size_t width, std::uint8_t* out,
             std::size_t rowBytes) {
  constexpr int kPerByte = 8 / Depth;
  const std::size_t whole = width / kPerByte;
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
}

void PackRow(int depth, const std::uint8_t* indices, std::size_t width, std::uint8_t* out,
             std::size_t rowBytes) {
  switch (depth) {
    case 1: PackRow<1>(indices, width, out, rowBytes); break;
    case 2: PackRow<2>(indices, width, out, rowBytes); break;
    case 4: PackRow<4>(indices, width, out, rowBytes); break;
    default: PackRow<8>(indices, width, out, rowBytes); break;
  }
}

// The bytes of a row, without its filter type byte.
std::size_t RowBytes(std::size_t width, int depth) {
  return (width * static_cast<std::size_t>(depth) + 7) / 8;
}

// Packed rows on their way to the deflater, a band at a time while the band is cached, in a
// buffer of a few bands: what the deflater still reads of a band stays for the next.
class BandedRows {
 public:
  BandedRows(std::size_t stride, std::size_t height)
      : stride_(stride),
        // A band, and room for what a band leaves: up to a longest match and a row before it.
        capacity_(std::max<std::size_t>(1, 32 * 1024 / stride) + (258 + stride) / stride + 2),
        buffer_(std::make_unique_for_overwrite<std::uint8_t[]>(stride * capacity_)),
        deflater_(stride * height, stride) {}

  // Where the next row goes.
  std::uint8_t* Next() { return buffer_.get() + stride_ * held_; }
  // The last row written, which the deflater has not finished with.
  const std::uint8_t* Last() const { return buffer_.get() + stride_ * (held_ - 1); }

  // The row at Next() is written.
  void Done() {
    if (++held_ < capacity_) return;
    deflater_.Take(buffer_.get(), stride_ * held_);
    const std::size_t drop = deflater_.Unneeded() / stride_ * stride_;
    std::memmove(buffer_.get(), buffer_.get() + drop, stride_ * held_ - drop);
    held_ -= drop / stride_;
    deflater_.Dropped(drop);
  }

  // The zlib stream of all the rows.
  std::string Finish() { return deflater_.Finish(buffer_.get()); }

 private:
  const std::size_t stride_;
  const std::size_t capacity_;  // rows
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::size_t held_ = 0;
  RowDeflater deflater_;
};

std::string PngFile(std::size_t width, std::size_t height, int depth,
                    const std::vector<std::uint32_t>& colours, const std::string& compressed) {
  std::string file("\x89PNG\r\n\x1A\n", 8);
  std::string header;
  PutBigEndian(header, static_cast<std::uint32_t>(width));
  PutBigEndian(header, static_cast<std::uint32_t>(height));
  header +=
      {static_cast<char>(depth), 3, 0, 0, 0};  // palette; deflate; no filter set; no interlace
  PutChunk(file, "IHDR", header);
  std::string palette;
  for (const std::uint32_t colour : colours)
    palette += {static_cast<char>(colour >> 16), static_cast<char>(colour >> 8),
                static_cast<char>(colour)};
  PutChunk(file, "PLTE", palette);
  PutChunk(file, "IDAT", compressed);
  PutChunk(file, "IEND", std::string());
  return file;
}

// The picture numbered, packed at `depth` bits and compressed a band of rows at a time; nothing at
// a colour past what the depth holds (`*colours` is then over that).
std::optional<std::string> ColoursAtDepth(const std::uint32_t* pixels, std::ptrdiff_t stride,
                                          std::size_t width, std::size_t height, int depth,
                                          std::size_t* colours) {
  RowColourIndexer indexer(1u << depth);
  const std::size_t rowBytes = RowBytes(width, depth);
  BandedRows rows(rowBytes + 1, height);
  std::vector<std::uint8_t> numbers(2 * width);
  std::uint8_t* current = numbers.data();
  std::uint8_t* above = numbers.data() + width;
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint32_t* row = pixels + stride * static_cast<std::ptrdiff_t>(y);
    // Most rows of a chart at print scale repeat the row above: so does their packed form.
    if (y > 0 && std::memcmp(row, row - stride, width * sizeof *row) == 0) {
      std::memcpy(rows.Next(), rows.Last(), rowBytes + 1);
      rows.Done();
      continue;
    }
    if (!indexer.Index(row, y > 0 ? row - stride : nullptr, above, current, width)) {
      *colours = indexer.Count() + 1;
      return std::nullopt;
    }
    PackRow(depth, current, width, rows.Next(), rowBytes);
    rows.Done();
    std::swap(current, above);
  }
  *colours = indexer.Count();
  const std::string compressed = rows.Finish();
  return PngFile(width, height, depth, indexer.TakeColours(), compressed);
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
  const std::size_t rowBytes = RowBytes(width, depth);
  BandedRows rows(rowBytes + 1, height);
  for (std::size_t y = 0; y < height; ++y) {
    PackRow(depth, image.Indices.data() + width * y, width, rows.Next(), rowBytes);
    rows.Done();
  }
  return PngFile(width, height, depth, image.Palette, rows.Finish());
}

std::optional<std::string> EncodeColoursPng(const std::uint32_t* pixels, std::ptrdiff_t stride,
                                            int width, int height) {
  if (width <= 0 || height <= 0)
    throw std::invalid_argument("a PNG picture needs at least one pixel");
  // The depth is known only once every colour is: first tried at 4 bits (a chart has 5 to 16
  // colours), then at the depth the count calls for.
  for (int depth = 4;;) {
    std::size_t colours = 0;
    auto file = ColoursAtDepth(pixels, stride, static_cast<std::size_t>(width),
                               static_cast<std::size_t>(height), depth, &colours);
    if (file && BitDepth(colours) == depth) return file;
    if (!file && depth == 8) return std::nullopt;
    depth = file ? BitDepth(colours) : 8;
  }
}

}  // namespace png
