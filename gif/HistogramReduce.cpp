// Counting, choosing and mapping passes of the popularity colour reduction.
#include "gif/HistogramReduce.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "gif/TrueColorPixel.h"

namespace gif {
namespace {

// Pictures taller than this are first counted on every kSampleStep-th row (see FittingHistogram).
constexpr int kSampleStep = 8;
// Room of the one full count: as many colours as the sampled rows may hold, times the step.
constexpr unsigned kWideCapacity = 2048 * kSampleStep;

template <int Bytes>
bool CountColorsOf(ColorHistogram& histogram, const TBitmap& source, TColorMasks masks,
                   int rowStep) {
  const std::size_t width = static_cast<std::size_t>(source.Width());
  const std::int32_t height = source.Height();
  const TColorKey mask = masks.Word();
  // Pictures are mostly runs of one colour: a run is counted in one go when it ends, which gives
  // the same counts and the same order of first occurrence, and skips the lookups.
  TColorKey runKey = TrueColorPixel<Bytes>(source.ScanLine(height - 1), width == 1) & mask;
  std::int64_t run = 0;
  for (std::int32_t row = 0; row < height; row += rowStep) {
    const std::uint8_t* pixel = source.ScanLine(height - 1 - row);
    for (std::size_t x = 0; x < width; ++x, pixel += Bytes) {
      const TColorKey key = TrueColorPixel<Bytes>(pixel, x + 1 == width) & mask;
      if (key == runKey) {
        ++run;
        continue;
      }
      if (!histogram.Add(runKey, run)) return false;
      runKey = key;
      run = 1;
    }
  }
  return histogram.Add(runKey, run);
}

// The colours of `wide` under the coarser `masks`, merged in order: a merged colour's first entry
// is where it occurs first. False when they do not fit `fitting`.
bool Merge(const ColorHistogram& wide, TColorMasks masks, ColorHistogram& fitting) {
  fitting.Clear();
  const TColorKey mask = masks.Word();
  for (unsigned entry = 0; entry < wide.Size(); ++entry)
    if (!fitting.Add(wide.Key(entry) & mask, wide.Count(entry))) return false;
  return true;
}

template <int Bytes>
void MapColorsOf(const ColorHistogram& histogram, const std::vector<std::uint8_t>& paletteIndex,
                 TColorMasks masks, const TBitmap& source, TIndexedImage& destination) {
  const std::size_t width = static_cast<std::size_t>(source.Width());
  const std::int32_t height = source.Height();
  const std::size_t destinationRow = destination.RowBytes();
  const TColorKey mask = masks.Word();
  TColorKey lastKey = histogram.Key(0);
  std::uint8_t lastIndex = paletteIndex[0];
  for (std::int32_t row = 0; row < height; ++row) {
    const std::uint8_t* pixel = source.ScanLine(height - 1 - row);
    std::uint8_t* index = destination.Rows.data() + static_cast<std::size_t>(row) * destinationRow;
    for (std::size_t x = 0; x < width; ++x, pixel += Bytes) {
      const TColorKey key = TrueColorPixel<Bytes>(pixel, x + 1 == width) & mask;
      if (key != lastKey) {
        lastIndex = paletteIndex[histogram.Entry(key)];
        lastKey = key;
      }
      index[x] = lastIndex;
    }
  }
}

}  // namespace

bool CountColors(ColorHistogram& histogram, const TBitmap& source, TColorMasks masks, int rowStep) {
  return source.BitCount() == 32 ? CountColorsOf<4>(histogram, source, masks, rowStep)
                                 : CountColorsOf<3>(histogram, source, masks, rowStep);
}

ColorHistogram FittingHistogram(const TBitmap& source, TColorMasks& masks) {
  // Masks under which even every kSampleStep-th row has too many colours would overflow for the
  // whole picture too: they are passed over at a fraction of the cost.
  if (source.Height() > kSampleStep) {
    ColorHistogram sample(kHistogramColors);
    while (!CountColors(sample, source, masks, kSampleStep)) {
      masks = masks.Coarser();
      sample.Clear();
    }
  }
  // One full count with room for many more colours; masks that still leave too many then follow
  // from merging its colours, without another pass over the pixels.
  ColorHistogram wide(kWideCapacity);
  while (!CountColors(wide, source, masks)) {
    masks = masks.Coarser();
    wide.Clear();
  }
  ColorHistogram fitting(kHistogramColors);
  while (!Merge(wide, masks, fitting)) masks = masks.Coarser();
  return fitting;
}

std::vector<std::uint8_t> ChooseColors(const ColorHistogram& histogram, TRGBQuad* palette,
                                       int colorsWanted) {
  const unsigned size = histogram.Size();
  std::vector<std::uint16_t> order(size);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::uint16_t a, std::uint16_t b) {
    return histogram.Count(a) > histogram.Count(b);
  });
  std::vector<std::uint8_t> paletteIndex(size);
  const unsigned chosen = std::min(size, static_cast<unsigned>(colorsWanted));
  for (unsigned i = 0; i < 256; ++i) {
    const TColorKey key = i < chosen ? histogram.Key(order[i]) : 0x808080;
    palette[i] = TRGBQuad{static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(key >> 8),
                          static_cast<std::uint8_t>(key >> 16), 0};
    if (i < chosen) paletteIndex[order[i]] = static_cast<std::uint8_t>(i);
  }
  if (chosen == size) return paletteIndex;

  // The nearest of the first `colorsWanted` palette colours, searched outwards from the entries of
  // the closest red: once the red difference alone is too far, so is everything beyond. Candidates
  // compare as distance << 8 | index, so the least is the nearest and, on a tie, the lower index
  // (distances are below 3 * 255^2 < 2^18).
  std::vector<std::uint32_t> byRed(static_cast<std::size_t>(colorsWanted));
  for (int p = 0; p < colorsWanted; ++p)
    byRed[static_cast<std::size_t>(p)] =
        static_cast<std::uint32_t>(palette[p].Red) << 8 | static_cast<std::uint32_t>(p);
  std::sort(byRed.begin(), byRed.end());
  const auto distance = [&](std::int32_t r, std::int32_t g, std::int32_t b, std::uint32_t p) {
    const std::int32_t dr = r - palette[p].Red, dg = g - palette[p].Green, db = b - palette[p].Blue;
    return static_cast<std::uint32_t>(dr * dr + dg * dg + db * db) << 8 | p;
  };
  for (unsigned i = chosen; i < size; ++i) {
    const TColorKey key = histogram.Key(order[i]);
    const std::int32_t b = key & 0xFF, g = key >> 8 & 0xFF,
                       r = static_cast<std::int32_t>(key >> 16);
    const auto start = static_cast<std::size_t>(
        std::lower_bound(byRed.begin(), byRed.end(), static_cast<std::uint32_t>(r) << 8) -
        byRed.begin());
    std::uint32_t best = 0xFFFFFFFF;
    for (std::size_t up = start; up < byRed.size(); ++up) {
      const std::int32_t dr = static_cast<std::int32_t>(byRed[up] >> 8) - r;
      if (static_cast<std::uint32_t>(dr * dr) << 8 > best) break;
      best = std::min(best, distance(r, g, b, byRed[up] & 0xFF));
    }
    for (std::size_t down = start; down-- > 0;) {
      const std::int32_t dr = r - static_cast<std::int32_t>(byRed[down] >> 8);
      if (static_cast<std::uint32_t>(dr * dr) << 8 > best) break;
      best = std::min(best, distance(r, g, b, byRed[down] & 0xFF));
    }
    paletteIndex[order[i]] = static_cast<std::uint8_t>(best);
  }
  return paletteIndex;
}

void MapColors(const ColorHistogram& histogram, const std::vector<std::uint8_t>& paletteIndex,
               TColorMasks masks, const TBitmap& source, TIndexedImage& destination) {
  if (source.BitCount() == 32)
    MapColorsOf<4>(histogram, paletteIndex, masks, source, destination);
  else
    MapColorsOf<3>(histogram, paletteIndex, masks, source, destination);
}

void HistogramReduce(const TBitmap& source, TIndexedImage& destination, int colorsWanted,
                     TColorMasks masks) {
  const ColorHistogram histogram = FittingHistogram(source, masks);
  destination.Palette.resize(256);
  const std::vector<std::uint8_t> paletteIndex =
      ChooseColors(histogram, destination.Palette.data(), colorsWanted);
  MapColors(histogram, paletteIndex, masks, source, destination);
}

}  // namespace gif
