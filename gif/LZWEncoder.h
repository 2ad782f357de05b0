// LZW compression of one frame's palette indices into GIF table-based image data.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gif/Bitmap.h"
#include "gif/IndexedImage.h"

namespace gif {

enum class TProgressStage { psStarting, psRunning, psEnding };

// Stage, percent done and a message (empty, or the error's text when an error ends the encoding).
using TLZWProgress = std::function<void(TProgressStage, int, const std::string&)>;

// Appends the minimum code size byte, the codes in sub-blocks and the terminator for the 1-, 4- or
// 8-bit image, top row first. The table is reset when code 4094 is assigned; code 4095 is never
// used. `progress` may be empty. Given `positions`, each value of the rows is written as its
// palette position; the codes of longer strings do not depend on the values' numbering, so the
// stream is that of the renumbered rows.
void LZWEncode(std::string& destination, const TIndexedImage& image, const TLZWProgress& progress,
               const TPalettePositions* positions = nullptr);

// A picture of at most 256 colours encoded straight from its 24- or 32-bit rows.
struct TFewColorEncoding {
  std::vector<TRGBQuad> Palette;  // 256 entries: the colours by decreasing count, then grey
  std::string Data;               // what LZWEncode appends
};

// What ReduceToIndexed and LZWEncode make of a 24- or 32-bit picture of at most 256 colours, byte
// for byte, without the indexed picture between them: the colours are numbered as they are met and
// counted on the way, and the few codes that stand for one pixel are rewritten to palette
// positions at the end. Nothing, after the progress reports so far, for a picture of more colours.
std::optional<TFewColorEncoding> LZWEncodeFewColors(const TBitmap& source,
                                                    const TLZWProgress& progress);

}  // namespace gif
