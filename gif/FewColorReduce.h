// The popularity reduction of a picture that has at most 256 colours, in one pass: every colour
// keeps its own palette entry, so no colour is merged and none is looked for nearest.
#pragma once

#include "gif/Bitmap.h"
#include "gif/IndexedImage.h"

namespace gif {

// Fills the 256-entry palette and the rows of `destination`, an 8-bit image of the 24- or 32-bit
// source's size, with the same result HistogramReduce gives such a picture: colours ordered by
// decreasing pixel count, equal counts by first occurrence (bottom row first, left to right), the
// rest grey. False, with `destination` half written, when the picture has more than 256 colours.
// Given `positions`, the rows keep the numbers the colours got in order of first occurrence and
// `positions` maps them to palette positions, which saves renumbering every pixel.
bool ReduceFewColors(const TBitmap& source, TIndexedImage& destination,
                     TPalettePositions* positions = nullptr);

}  // namespace gif
