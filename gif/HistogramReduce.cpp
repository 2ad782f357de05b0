// Counting, choosing and mapping passes of the popularity colour reduction.
#include "gif/HistogramReduce.h"

#include <memory>

namespace gif {
namespace {

// A masked colour as one number, so a run of equal pixels is recognised with one comparison.
std::int32_t Key(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return red << 16 | green << 8 | blue;
}

// Charts are mostly long runs of one colour: the entry of the previous pixel is tried first, which
// leaves the result as it is and skips most hash probes.
class LastColor {
 public:
  bool Is(std::int32_t key) const { return key == key_; }
  int Entry() const { return entry_; }
  void Remember(std::int32_t key, int entry) {
    key_ = key;
    entry_ = entry;
  }

 private:
  std::int32_t key_ = -1;
  int entry_ = 0;
};

std::uint8_t CoarserMask(std::uint8_t mask) { return static_cast<std::uint8_t>(mask << 1); }

}  // namespace

bool CountColors(ColorHistogram& histogram, const TBitmapInfoHeader& info,
                 const std::uint8_t* rows) {
  const std::size_t width = static_cast<std::size_t>(info.Width);
  const std::size_t rowBytes = BmpRowBytes(width, 24);
  const std::uint8_t rMask = histogram.RedMask, gMask = histogram.GreenMask,
                     bMask = histogram.BlueMask;
  LastColor last;
  for (std::int32_t row = 0; row < info.Height; ++row) {
    const std::uint8_t* pixel = rows + static_cast<std::size_t>(row) * rowBytes;
    for (std::size_t x = 0; x < width; ++x, pixel += 3) {
      const std::uint8_t b = pixel[0] & bMask, g = pixel[1] & gMask, r = pixel[2] & rMask;
      const std::int32_t key = Key(r, g, b);
      if (last.Is(key)) {
        ++histogram.Entries[static_cast<std::size_t>(last.Entry())].Count;
        continue;
      }
      const int slot = histogram.FindSlot(r, g, b);
      std::uint16_t& entry = histogram.Slots[static_cast<std::size_t>(slot)];
      if (entry == kEmptySlot) {
        if (histogram.EntryCount == kHistogramColors) return false;
        entry = static_cast<std::uint16_t>(histogram.EntryCount++);
        histogram.Entries[entry] = THistogramEntry{b, g, r, 1, 0};
      } else {
        ++histogram.Entries[entry].Count;
      }
      last.Remember(key, entry);
    }
  }
  return true;
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

void MapColors(const ColorHistogram& histogram, const TBitmapInfoHeader& info,
               const std::uint8_t* source, std::uint8_t* destination) {
  const std::size_t width = static_cast<std::size_t>(info.Width);
  const std::size_t sourceRow = BmpRowBytes(width, 24);
  const std::size_t destinationRow = BmpRowBytes(width, 8);
  const std::uint8_t rMask = histogram.RedMask, gMask = histogram.GreenMask,
                     bMask = histogram.BlueMask;
  std::int32_t lastKey = -1;
  std::uint8_t lastIndex = 0;
  for (std::int32_t row = 0; row < info.Height; ++row) {
    const std::uint8_t* pixel = source + static_cast<std::size_t>(row) * sourceRow;
    std::uint8_t* index = destination + static_cast<std::size_t>(row) * destinationRow;
    for (std::size_t x = 0; x < width; ++x, pixel += 3) {
      const std::uint8_t b = pixel[0] & bMask, g = pixel[1] & gMask, r = pixel[2] & rMask;
      const std::int32_t key = Key(r, g, b);
      if (key != lastKey) {
        const std::uint16_t entry =
            histogram.Slots[static_cast<std::size_t>(histogram.FindSlot(r, g, b))];
        lastIndex = histogram.Entries[entry].PaletteIndex;
        lastKey = key;
      }
      index[x] = lastIndex;
    }
  }
}

void HistogramReduce(const TBitmapInfoHeader& info, TRGBQuad* palette, const std::uint8_t* source,
                     std::uint8_t* destination, int colorsWanted, std::uint8_t redMask,
                     std::uint8_t greenMask, std::uint8_t blueMask) {
  // About 23 KB: on the heap, freed on every exit.
  auto histogram = std::make_unique<ColorHistogram>();
  histogram->Clear(redMask, greenMask, blueMask);
  while (!CountColors(*histogram, info, source)) {
    if (redMask < greenMask)
      greenMask = CoarserMask(greenMask);
    else if (redMask > blueMask)
      redMask = CoarserMask(redMask);
    else
      blueMask = CoarserMask(blueMask);
    histogram->Clear(redMask, greenMask, blueMask);
  }
  ChooseColors(*histogram, palette, colorsWanted);
  MapColors(*histogram, info, source, destination);
}

}  // namespace gif
