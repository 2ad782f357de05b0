// Popularity colour reduction of true-colour rows: the most frequent colours become the palette,
// every other colour takes its nearest palette colour, without dithering.
#pragma once

#include <cstdint>

#include "gif/Bitmap.h"
#include "gif/ColorHistogram.h"
#include "gif/IndexedImage.h"

namespace gif {

// Counts the masked colours of a 24- or 32-bit bitmap, bottom row first, left to right. False when
// a 2050th colour turns up (the histogram then holds the first 2049).
bool CountColors(ColorHistogram& histogram, const TBitmap& source);

// Gives the `colorsWanted` most frequent entries palette positions 0, 1, ... (ties to the entry met
// first), pads the palette to 256 entries with grey 128, and points every other entry at its
// nearest palette colour (ties to the lower index). Chosen entries are left with a count of 0.
void ChooseColors(ColorHistogram& histogram, TRGBQuad* palette, int colorsWanted);

// Writes one palette index per pixel of the 24- or 32-bit `source` into `destination`'s rows, which
// hold 8-bit rows of the same size.
void MapColors(const ColorHistogram& histogram, const TBitmap& source, TIndexedImage& destination);

// Counts (coarsening the masks blue, red, green, ... after each overflow), chooses and maps: fills
// the 256-entry palette and the rows of `destination`, an 8-bit image of the source's size.
void HistogramReduce(const TBitmap& source, TIndexedImage& destination, int colorsWanted,
                     std::uint8_t redMask, std::uint8_t greenMask, std::uint8_t blueMask);

}  // namespace gif
