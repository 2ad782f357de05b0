// Popularity colour reduction of true-colour rows: the most frequent colours become the palette,
// every other colour takes its nearest palette colour, without dithering.
#pragma once

#include <cstdint>
#include <vector>

#include "gif/Bitmap.h"
#include "gif/ColorHistogram.h"
#include "gif/IndexedImage.h"

namespace gif {

// The most colours one counting pass keeps; a 2050th makes the masks coarser.
inline constexpr unsigned kHistogramColors = 2049;

// Counts the masked colours of the rows 0, rowStep, 2 rowStep, ... (in memory order, bottom row
// first) of a 24- or 32-bit bitmap, each left to right. False when the histogram runs out of room.
bool CountColors(ColorHistogram& histogram, const TBitmap& source, TColorMasks masks,
                 int rowStep = 1);

// What counting ends with when it starts afresh with coarser masks after every overflow of
// kHistogramColors colours: the histogram of the first masks (from `masks` on) under which the
// picture has at most that many colours; `masks` becomes those masks.
ColorHistogram FittingHistogram(const TBitmap& source, TColorMasks& masks);

// Gives the `colorsWanted` most frequent colours palette positions 0, 1, ... (equal counts in
// order of first occurrence), pads the palette to 256 entries with grey 128, and gives every other
// colour its nearest palette colour (ties to the lower index). Returns the palette index of each
// histogram entry.
std::vector<std::uint8_t> ChooseColors(const ColorHistogram& histogram, TRGBQuad* palette,
                                       int colorsWanted);

// Writes one palette index per pixel of the 24- or 32-bit `source` into `destination`'s rows, which
// hold 8-bit rows of the same size.
void MapColors(const ColorHistogram& histogram, const std::vector<std::uint8_t>& paletteIndex,
               TColorMasks masks, const TBitmap& source, TIndexedImage& destination);

// Counts, chooses and maps: fills the 256-entry palette and the rows of `destination`, an 8-bit
// image of the source's size.
void HistogramReduce(const TBitmap& source, TIndexedImage& destination, int colorsWanted,
                     TColorMasks masks);

}  // namespace gif
