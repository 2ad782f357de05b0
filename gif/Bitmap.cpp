// Pixel storage of TBitmap, shared between copies until written.
#include "gif/Bitmap.h"

#include <cassert>
#include <utility>

#include "gif/GIFErrors.h"

namespace gif {

std::size_t BmpRowBytes(std::size_t width, int bitCount) {
  return (width * static_cast<std::size_t>(bitCount) + 31) / 32 * 4;
}

TBitmap::TBitmap(int width, int height, TPixelFormat format)
    : width_(width), height_(height), format_(format) {
  if (width < 0 || height < 0) throw InvalidBitmapError();
  if (!Empty()) bits_ = std::make_shared<std::vector<std::uint8_t>>(ImageSize());
  if (Indexed()) palette_.resize(std::size_t{1} << BitCount());
}

TBitmap::TBitmap(int width, int height, TPixelFormat format, std::vector<std::uint8_t> bits)
    : width_(width), height_(height), format_(format) {
  if (width < 0 || height < 0 || bits.size() != ImageSize()) throw InvalidBitmapError();
  if (!Empty()) bits_ = std::make_shared<std::vector<std::uint8_t>>(std::move(bits));
  if (Indexed()) palette_.resize(std::size_t{1} << BitCount());
}

TBitmap TBitmap::SharingTopDownRows(int width, int height, TPixelFormat format,
                                    std::shared_ptr<const std::uint8_t> rows) {
  TBitmap bitmap(0, 0, format);
  if (width < 0 || height < 0 || !rows) throw InvalidBitmapError();
  bitmap.width_ = width;
  bitmap.height_ = height;
  if (!bitmap.Empty()) bitmap.sharedTopDown_ = std::move(rows);
  return bitmap;
}

const std::uint8_t* TBitmap::ScanLine(int y) const {
  assert(y >= 0 && y < height_);
  if (sharedTopDown_) return sharedTopDown_.get() + static_cast<std::size_t>(y) * RowBytes();
  if (!bits_) return nullptr;  // a zero-width picture has rows of no bytes
  return bits_->data() + static_cast<std::size_t>(height_ - 1 - y) * RowBytes();
}

std::uint8_t* TBitmap::ScanLine(int y) {
  assert(y >= 0 && y < height_);
  if (sharedTopDown_) {
    std::vector<std::uint8_t> own;
    own.reserve(ImageSize());
    for (int row = height_ - 1; row >= 0; --row) {
      const std::uint8_t* shared = std::as_const(*this).ScanLine(row);
      own.insert(own.end(), shared, shared + RowBytes());
    }
    bits_ = std::make_shared<std::vector<std::uint8_t>>(std::move(own));
    sharedTopDown_.reset();
  }
  if (!bits_) return nullptr;  // a zero-width picture has rows of no bytes
  if (bits_.use_count() > 1) bits_ = std::make_shared<std::vector<std::uint8_t>>(*bits_);
  return bits_->data() + static_cast<std::size_t>(height_ - 1 - y) * RowBytes();
}

void TBitmap::SetPaletteEntry(int index, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  assert(index >= 0 && static_cast<std::size_t>(index) < palette_.size());
  palette_[static_cast<std::size_t>(index)] = TRGBQuad{blue, green, red, 0};
}

}  // namespace gif
