// Counting, choosing and mapping passes of the popularity colour reduction.
#include "gif/HistogramReduce.h"

#include <bit>
#include <cstring>
#include <memory>

#include "gif/TrueColorPixel.h"

namespace gif {
namespace {

// The three masks laid out like a pixel from TrueColorPixel.
std::uint32_t MaskWord(const ColorHistogram& histogram) {
  return histogram.BlueMask | histogram.GreenMask << 8 | histogram.RedMask << 16;
}

std::uint8_t CoarserMask(std::uint8_t mask) { return static_cast<std::uint8_t>(mask << 1); }

template <int Bytes>
bool CountColorsOf(ColorHistogram& histogram, const TBitmap& source) {
  const std::size_t width = static_cast<std::size_t>(source.Width());
  const std::size_t rowBytes = source.RowBytes();
  const std::uint8_t* rows = source.Bits();
  const std::uint32_t masks = MaskWord(histogram);
  // Charts are mostly long runs of one colour: a run is counted in one go when it ends, which gives
  // the same counts and skips the hash probes.
  std::uint32_t runKey = 0xFFFFFFFF;
  std::uint16_t runEntry = 0;
  std::int64_t runLength = 0;
  for (std::int32_t row = 0; row < source.Height(); ++row) {
    const std::uint8_t* pixel = rows + static_cast<std::size_t>(row) * rowBytes;
    for (std::size_t x = 0; x < width; ++x, pixel += Bytes) {
      const std::uint32_t key = TrueColorPixel<Bytes>(pixel, x + 1 == width) & masks;
      if (key == runKey) {
        ++runLength;
        continue;
      }
      if (runLength > 0) histogram.Entries[runEntry].Count += runLength;
      const auto b = static_cast<std::uint8_t>(key), g = static_cast<std::uint8_t>(key >> 8),
                 r = static_cast<std::uint8_t>(key >> 16);
      std::uint16_t& entry = histogram.Slots[static_cast<std::size_t>(histogram.FindSlot(r, g, b))];
      if (entry == kEmptySlot) {
        if (histogram.EntryCount == kHistogramColors) return false;
        entry = static_cast<std::uint16_t>(histogram.EntryCount++);
        histogram.Entries[entry] = THistogramEntry{b, g, r, 0, 0};
      }
      runKey = key;
      runEntry = entry;
      runLength = 1;
    }
  }
  if (runLength > 0) histogram.Entries[runEntry].Count += runLength;
  return true;
}

template <int Bytes>
void MapColorsOf(const ColorHistogram& histogram, const TBitmap& source,
                 TIndexedImage& destination) {
  const std::size_t width = static_cast<std::size_t>(source.Width());
  const std::size_t sourceRow = source.RowBytes();
  const std::size_t destinationRow = destination.RowBytes();
  const std::uint32_t masks = MaskWord(histogram);
  std::uint32_t lastKey = 0xFFFFFFFF;
  std::uint8_t lastIndex = 0;
  for (std::int32_t row = 0; row < source.Height(); ++row) {
    const std::uint8_t* pixel = source.Bits() + static_cast<std::size_t>(row) * sourceRow;
    std::uint8_t* index = destination.Rows.data() + static_cast<std::size_t>(row) * destinationRow;
    for (std::size_t x = 0; x < width; ++x, pixel += Bytes) {
      const std::uint32_t key = TrueColorPixel<Bytes>(pixel, x + 1 == width) & masks;
      if (key != lastKey) {
        const std::uint16_t entry = histogram.Slots[static_cast<std::size_t>(histogram.FindSlot(
            static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
            static_cast<std::uint8_t>(key)))];
        lastIndex = histogram.Entries[entry].PaletteIndex;
        lastKey = key;
      }
      index[x] = lastIndex;
    }
  }
}

}  // namespace

bool CountColors(ColorHistogram& histogram, const TBitmap& source) {
  return source.BitCount() == 32 ? CountColorsOf<4>(histogram, source)
                                 : CountColorsOf<3>(histogram, source);
}

void ChooseColors(ColorHistogram& histogram, TRGBQuad* palette, int colorsWanted) {
  const int entryCount = histogram.EntryCount;
  auto& entries = histogram.Entries;
  int chosen = 0;
  for (; chosen < colorsWanted && chosen < entryCount; ++chosen) {
    int best = 0;
    for (int e = 1; e < entryCount; ++e) {
      if (entries[static_cast<std::size_t>(e)].Count >
          entries[static_cast<std::size_t>(best)].Count)
        best = e;
    }
    THistogramEntry& entry = entries[static_cast<std::size_t>(best)];
    entry.PaletteIndex = static_cast<std::uint8_t>(chosen);
    entry.Count = 0;
    palette[chosen] = TRGBQuad{entry.Blue, entry.Green, entry.Red, 0};
  }
  for (int i = chosen; i < 256; ++i) palette[i] = TRGBQuad{128, 128, 128, 0};

  for (int e = 0; e < entryCount; ++e) {
    THistogramEntry& entry = entries[static_cast<std::size_t>(e)];
    if (entry.Count == 0) continue;
    std::int32_t bestDistance = 0x30000;  // above the largest possible distance, 3 * 255^2
    for (int i = 0; i < colorsWanted; ++i) {
      const std::int32_t dr = entry.Red - palette[i].Red;
      const std::int32_t dg = entry.Green - palette[i].Green;
      const std::int32_t db = entry.Blue - palette[i].Blue;
      const std::int32_t distance = dr * dr + dg * dg + db * db;
      if (distance < bestDistance) {
        bestDistance = distance;
        entry.PaletteIndex = static_cast<std::uint8_t>(i);
      }
    }
  }
}

void MapColors(const ColorHistogram& histogram, const TBitmap& source, TIndexedImage& destination) {
  if (source.BitCount() == 32)
    MapColorsOf<4>(histogram, source, destination);
  else
    MapColorsOf<3>(histogram, source, destination);
}

void HistogramReduce(const TBitmap& source, TIndexedImage& destination, int colorsWanted,
                     std::uint8_t redMask, std::uint8_t greenMask, std::uint8_t blueMask) {
  // About 23 KB: on the heap, freed on every exit.
  auto histogram = std::make_unique<ColorHistogram>();
  histogram->Clear(redMask, greenMask, blueMask);
  while (!CountColors(*histogram, source)) {
    if (redMask < greenMask)
      greenMask = CoarserMask(greenMask);
    else if (redMask > blueMask)
      redMask = CoarserMask(redMask);
    else
      blueMask = CoarserMask(blueMask);
    histogram->Clear(redMask, greenMask, blueMask);
  }
  destination.Palette.resize(256);
  ChooseColors(*histogram, destination.Palette.data(), colorsWanted);
  MapColors(*histogram, source, destination);
}

}  // namespace gif
