// LZW compression of one frame's palette indices into GIF table-based image data.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

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

}  // namespace gif
