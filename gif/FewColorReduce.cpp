// One pass over the 24-bit rows writes each pixel's colour number in order of first occurrence and
// counts the pixels of each colour a block at a time; the palette order then renumbers the rows.
#include "gif/FewColorReduce.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "gif/FirstSeenColors.h"
#include "gif/TrueColorPixel.h"

namespace gif {
namespace {

std::uint64_t Load64(const std::uint8_t* p) {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  return word;
}

// Renumbers the first width bytes of each row through `lut`, eight bytes at a time where they are
// equal, as most are in a chart.
void Renumber(TIndexedImage& image, const TPalettePositions& lut) {
  const std::size_t width = static_cast<std::size_t>(image.Width);
  for (std::int32_t row = 0; row < image.Height; ++row) {
    std::uint8_t* index = image.Rows.data() + static_cast<std::size_t>(row) * image.RowBytes();
    std::size_t x = 0;
    for (; x + 8 <= width; x += 8) {
      const std::uint64_t word = Load64(index + x);
      const std::uint64_t first = word & 0xFF;
      if (word == first * 0x0101010101010101u) {
        const std::uint64_t renumbered = lut[first] * 0x0101010101010101u;
        std::memcpy(index + x, &renumbered, 8);
      } else {
        for (std::size_t i = x; i < x + 8; ++i) index[i] = lut[index[i]];
      }
    }
    for (; x < width; ++x) index[x] = lut[index[x]];
  }
}

// Numbers the pixels and counts each colour; false at a 257th colour. A block of 8 pixels of the
// last colour met is written and counted at once; a block that repeats the one below it (the row
// before) takes its numbers, and as copies come in stretches, the blocks after it are tried as
// copies first; other pixels are looked up one by one, without a test whether the colour changed
// (unpredictable where colours alternate). Copied blocks bring no colour not met before, so the
// numbers stay in order of first occurrence. A copied block of several colours (a grid line
// crossing a band, say) is not counted pixel by pixel: its column keeps the number of copies, and
// the block is counted once with that weight when the column's copies end.
template <int Bytes>
bool NumberColors(const TBitmap& source, TIndexedImage& destination, FirstSeenColors& colors,
                  TColorCounts& counts) {
  const std::size_t width = static_cast<std::size_t>(source.Width());
  const std::int32_t height = source.Height();
  const std::size_t destinationRow = destination.RowBytes();
  int number = colors.Number(TrueColorPixel<Bytes>(source.ScanLine(height - 1), width == 1));
  EightPixels<Bytes> eight(colors.Color(0));
  // Pixels counted one by one go to four tallies in turn: neighbours of one colour do not wait for
  // each other's increment.
  std::array<TColorCounts, 4> singles{};
  std::vector<std::uint32_t> copies(width / 8, 0);
  const auto countCopies = [&singles](std::uint32_t& columnCopies, const std::uint8_t* block) {
    for (std::size_t i = 0; i < 8; ++i) singles[i & 3][block[i]] += columnCopies;
    columnCopies = 0;
  };
  for (std::int32_t row = 0; row < height; ++row) {
    const std::uint8_t* pixels = source.ScanLine(height - 1 - row);
    const std::uint8_t* pixelsBelow = row > 0 ? source.ScanLine(height - row) : nullptr;
    std::uint8_t* index = destination.Rows.data() + static_cast<std::size_t>(row) * destinationRow;
    for (std::size_t x = 0; x < width;) {
      if (x + 8 <= width) {
        std::uint32_t& columnCopies = copies[x / 8];
        if (eight.At(pixels + Bytes * x)) {
          if (columnCopies != 0) countCopies(columnCopies, index + x - destinationRow);
          const std::uint64_t fill = static_cast<unsigned>(number) * 0x0101010101010101u;
          std::memcpy(index + x, &fill, 8);
          counts[static_cast<unsigned>(number)] += 8;
          x += 8;
          continue;
        }
        const auto repeatsBelow = [&](std::size_t at) {
          return std::memcmp(pixels + Bytes * at, pixelsBelow + Bytes * at, 8 * Bytes) == 0;
        };
        if (row > 0 && repeatsBelow(x)) {
          do {
            const std::uint64_t below = Load64(index + x - destinationRow);
            std::memcpy(index + x, &below, 8);
            const std::uint64_t first = below & 0xFF;
            // A block of one colour copies one that was counted: its column has no copies pending.
            if (below == first * 0x0101010101010101u)
              counts[first] += 8;
            else
              ++copies[x / 8];
            x += 8;
          } while (x + 8 <= width && repeatsBelow(x));
          continue;
        }
        if (columnCopies != 0) countCopies(columnCopies, index + x - destinationRow);
      }
      const std::size_t end = std::min(x + 8, width);
      std::uint32_t pixel = 0;
      for (; x < end; ++x) {
        pixel = TrueColorPixel<Bytes>(pixels + Bytes * x, x + 1 == width);
        number = colors.Number(pixel);
        if (number < 0) return false;
        index[x] = static_cast<std::uint8_t>(number);
        ++singles[x & 3][static_cast<unsigned>(number)];
      }
      eight = EightPixels<Bytes>(pixel);
    }
  }
  const std::uint8_t* topRow =
      destination.Rows.data() + static_cast<std::size_t>(height - 1) * destinationRow;
  for (std::size_t x = 0; x + 8 <= width; x += 8)
    if (copies[x / 8] != 0) countCopies(copies[x / 8], topRow + x);
  for (const auto& tally : singles)
    for (unsigned n = 0; n < kMaxFewColors; ++n) counts[n] += tally[n];
  return true;
}

}  // namespace

bool ReduceFewColors(const TBitmap& source, TIndexedImage& destination,
                     TPalettePositions* positions) {
  FirstSeenColors colors;
  TColorCounts counts{};
  if (!(source.BitCount() == 32 ? NumberColors<4>(source, destination, colors, counts)
                                : NumberColors<3>(source, destination, colors, counts)))
    return false;
  // The numbers are already in order of first occurrence.
  std::array<unsigned, kMaxFewColors> firstMet;
  for (unsigned n = 0; n < kMaxFewColors; ++n) firstMet[n] = n;
  const TPalettePositions lut = PaletteByCount(colors, counts, firstMet, destination.Palette);
  if (positions != nullptr)
    *positions = lut;
  else if (lut != SamePositions())
    Renumber(destination, lut);
  return true;
}

}  // namespace gif
