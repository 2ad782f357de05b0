// The Windows BMP file image that carries an indexed picture from the colour reduction to the
// encoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "gif/Bitmap.h"

namespace gif {

inline constexpr std::size_t kBmpFileHeaderSize = 14;
inline constexpr std::size_t kBmpInfoHeaderSize = 40;
// Headers and a 256-entry palette: where the rows of an 8-bit image start.
inline constexpr std::size_t kIndexedBmpPixelOffset =
    kBmpFileHeaderSize + kBmpInfoHeaderSize + 256 * 4;

// The fields of the 40-byte info header that this system fills or reads.
struct TBitmapInfoHeader {
  std::int32_t Width = 0;
  std::int32_t Height = 0;  // positive: rows stored bottom-up
  std::uint16_t BitCount = 0;
  std::uint32_t ImageSize = 0;
};

// The info header of a bottom-up picture, its image size worked out from the padded rows.
TBitmapInfoHeader MakeInfoHeader(int width, int height, int bitCount);

// Appends the 14-byte file header ("BM", size, reserved, offset of the rows after `paletteEntries`
// palette entries) and the 40-byte info header.
void AppendBmpHeaders(std::string& out, const TBitmapInfoHeader& info,
                      std::uint32_t paletteEntries);

// Parts of a BMP file image in memory.
struct TBmpView {
  TBitmapInfoHeader Info;
  const std::uint8_t* Palette = nullptr;  // (blue, green, red, 0) entries after the info header
  std::size_t PaletteBytes = 0;           // bytes between the info header and the rows
  const std::uint8_t* Rows = nullptr;
};

// Reads the headers of `bytes`; raises the encoding error when they are cut short, the rows do not
// fit in the bytes, or the picture is stored top-down.
TBmpView ReadBmpImage(std::string_view bytes);

// The bitmap as a BMP file image: an indexed one with its whole 2^bits palette, a 24-bit one bare.
std::string BmpFileImage(const TBitmap& bitmap);

}  // namespace gif
