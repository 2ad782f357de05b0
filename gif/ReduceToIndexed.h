// Turns a bitmap into an 8-bit indexed image by the popularity (histogram) reduction.
#pragma once

#include "gif/Bitmap.h"
#include "gif/IndexedImage.h"

namespace gif {

// An 8-bit bitmap comes back as its own palette and indices. Any other is read as true-colour rows
// and reduced to at most 256 colours: a 256-entry palette (unused entries grey 128) and one index
// byte per pixel, rows bottom-up and padded to 4 bytes. Raises EInvalidGraphic for an empty bitmap.
TIndexedImage ReduceToIndexed(const TBitmap& bitmap);

// The same palette for an encoder that writes each number through `positions`: the rows of a
// picture of few colours keep the numbers given in order of first occurrence, and `positions`
// maps them to palette positions (each number its own for other pictures). Saves a pass over the
// rows.
TIndexedImage ReduceToIndexed(const TBitmap& bitmap, TPalettePositions& positions);

}  // namespace gif
