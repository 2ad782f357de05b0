// A plain in-memory bitmap: 24- or 32-bit blue-green-red(-unused) pixels or 1-, 4- or 8-bit palette
// indices, rows padded to 4 bytes, as in a Windows BMP file. Rows are stored bottom-up, as there,
// unless the bitmap shares a rendered picture's rows, which are top-down.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace gif {

enum class TPixelFormat : int { pf1bit = 1, pf4bit = 4, pf8bit = 8, pf24bit = 24, pf32bit = 32 };

// One palette entry in BMP order.
struct TRGBQuad {
  std::uint8_t Blue = 0;
  std::uint8_t Green = 0;
  std::uint8_t Red = 0;
  std::uint8_t Reserved = 0;
};
static_assert(sizeof(TRGBQuad) == 4, "palette entries are stored as 4 bytes");

// Bytes of one stored row of `width` pixels of `bitCount` bits, padded to a multiple of 4.
std::size_t BmpRowBytes(std::size_t width, int bitCount);

// Copies share their pixels until one of them writes through ScanLine, so handing a captured
// picture to an image costs no second pixel buffer.
class TBitmap {
 public:
  TBitmap() = default;
  // Zero-filled pixels; an indexed bitmap gets 2^bits black palette entries. Raises EInvalidGraphic
  // for a negative size.
  TBitmap(int width, int height, TPixelFormat format);
  // The given rows, bottom row first (ImageSize bytes), without filling them first. Raises
  // EInvalidGraphic for a negative size or rows of another size.
  TBitmap(int width, int height, TPixelFormat format, std::vector<std::uint8_t> bits);
  // Shares ImageSize bytes of rows stored top row first, which `rows` keeps alive (a rendered
  // image, say), instead of copying them upside down; writing through ScanLine copies them first.
  // Raises EInvalidGraphic for a negative size or no rows.
  static TBitmap SharingTopDownRows(int width, int height, TPixelFormat format,
                                    std::shared_ptr<const std::uint8_t> rows);

  int Width() const { return width_; }
  int Height() const { return height_; }
  TPixelFormat PixelFormat() const { return format_; }
  int BitCount() const { return static_cast<int>(format_); }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  bool Indexed() const { return BitCount() <= 8; }

  std::size_t RowBytes() const { return BmpRowBytes(static_cast<std::size_t>(width_), BitCount()); }
  std::size_t ImageSize() const { return RowBytes() * static_cast<std::size_t>(height_); }

  // Row y of the picture, 0 being the top row; nullptr for a zero-width picture.
  const std::uint8_t* ScanLine(int y) const;
  std::uint8_t* ScanLine(int y);

  // 2, 16 or 256 entries for an indexed bitmap, none for a 24- or 32-bit one.
  const std::vector<TRGBQuad>& Palette() const { return palette_; }
  void SetPaletteEntry(int index, std::uint8_t red, std::uint8_t green, std::uint8_t blue);

 private:
  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = TPixelFormat::pf24bit;
  std::shared_ptr<std::vector<std::uint8_t>> bits_;    // bottom row first
  std::shared_ptr<const std::uint8_t> sharedTopDown_;  // rows shared from elsewhere, if not bits_
  std::vector<TRGBQuad> palette_;
};

}  // namespace gif
