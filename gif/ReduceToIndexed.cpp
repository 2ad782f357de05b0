// The working 24-bit image, reduced in place, becomes the indexed image: its rows are written into
// the buffer that is returned, behind room left for the headers and the palette.
#include "gif/ReduceToIndexed.h"

#include <array>
#include <cstring>
#include <vector>

#include "gif/BmpImage.h"
#include "gif/GIFErrors.h"
#include "gif/HistogramReduce.h"

namespace gif {
namespace {

// Index of pixel x in a row of 1-, 4- or 8-bit pixels, most significant bits first.
std::uint8_t IndexAt(const std::uint8_t* row, int x, int bitCount) {
  switch (bitCount) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4: return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
    default: return row[x];
  }
}

// An indexed bitmap's pixels as 24-bit blue-green-red rows, bottom row first, at `rows`.
void ReadTrueColor(const TBitmap& bitmap, std::uint8_t* rows) {
  const std::size_t rowBytes = BmpRowBytes(static_cast<std::size_t>(bitmap.Width()), 24);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* source = bitmap.ScanLine(y);
    std::uint8_t* pixel = rows + static_cast<std::size_t>(bitmap.Height() - 1 - y) * rowBytes;
    for (int x = 0; x < bitmap.Width(); ++x, pixel += 3) {
      const TRGBQuad& colour = bitmap.Palette()[IndexAt(source, x, bitmap.BitCount())];
      pixel[0] = colour.Blue;
      pixel[1] = colour.Green;
      pixel[2] = colour.Red;
    }
  }
}

}  // namespace

std::string ReduceToIndexed(const TBitmap& bitmap) {
  if (bitmap.Empty()) throw InvalidBitmapError();
  if (bitmap.PixelFormat() == TPixelFormat::pf8bit) return BmpFileImage(bitmap);

  // A 24-bit bitmap's rows are already the working true-colour image; others are expanded first.
  const TBitmapInfoHeader trueColor = MakeInfoHeader(bitmap.Width(), bitmap.Height(), 24);
  std::vector<std::uint8_t> working;
  const std::uint8_t* source = bitmap.Bits();
  if (bitmap.Indexed()) {
    working.resize(trueColor.ImageSize);
    ReadTrueColor(bitmap, working.data());
    source = working.data();
  }

  const TBitmapInfoHeader indexed = MakeInfoHeader(bitmap.Width(), bitmap.Height(), 8);
  std::string image;
  image.reserve(kIndexedBmpPixelOffset + indexed.ImageSize);
  AppendBmpHeaders(image, indexed, 256);
  image.resize(kIndexedBmpPixelOffset + indexed.ImageSize);
  std::array<TRGBQuad, 256> palette;
  HistogramReduce(trueColor, palette.data(), source,
                  reinterpret_cast<std::uint8_t*>(image.data()) + kIndexedBmpPixelOffset, 256, 0xFF,
                  0xFF, 0xFF);
  std::memcpy(image.data() + kBmpFileHeaderSize + kBmpInfoHeaderSize, palette.data(),
              sizeof palette);
  return image;
}

}  // namespace gif
