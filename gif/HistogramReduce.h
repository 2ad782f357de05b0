// Popularity colour reduction of 24-bit rows: the most frequent colours become the palette, every
// other colour takes its nearest palette colour, without dithering.
#pragma once

#include <cstdint>

#include "gif/Bitmap.h"
#include "gif/BmpImage.h"
#include "gif/ColorHistogram.h"

namespace gif {

// Counts the masked colours of the 24-bit rows, bottom row first, left to right. False when a
// 2050th colour turns up (the histogram then holds the first 2049).
bool CountColors(ColorHistogram& histogram, const TBitmapInfoHeader& info,
                 const std::uint8_t* rows);

// Gives the `colorsWanted` most frequent entries palette positions 0, 1, ... (ties to the entry met
// first), pads the palette to 256 entries with grey 128, and points every other entry at its
// nearest palette colour (ties to the lower index). Chosen entries are left with a count of 0.
void ChooseColors(ColorHistogram& histogram, TRGBQuad* palette, int colorsWanted);

// Writes one palette index per pixel, rows padded to 4 bytes. `destination` may be `source` itself:
// an index row never outgrows the 24-bit row it replaces.
void MapColors(const ColorHistogram& histogram, const TBitmapInfoHeader& info,
               const std::uint8_t* source, std::uint8_t* destination);

// Counts (coarsening the masks blue, red, green, ... after each overflow), chooses and maps.
void HistogramReduce(const TBitmapInfoHeader& info, TRGBQuad* palette, const std::uint8_t* source,
                     std::uint8_t* destination, int colorsWanted, std::uint8_t redMask,
                     std::uint8_t greenMask, std::uint8_t blueMask);

}  // namespace gif
