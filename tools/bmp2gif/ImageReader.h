// Reads a 24-bit uncompressed BMP or a binary PPM (P6) into a 24-bit bitmap for the GIF writer.
#pragma once

#include <filesystem>
#include <string_view>

#include "gif/Bitmap.h"
#include "runtime/Errors.h"

namespace bmp2gif {

// A file that is not a picture this reader takes, with the reason.
class EImageReadError : public runtime::Exception {
  using Exception::Exception;
};

// Bottom-up or top-down rows, info headers of 40 bytes or longer.
gif::TBitmap ReadBmp(std::string_view bytes);
// Header fields separated by blanks or comments, maximum value 1 to 255 (scaled to 255).
gif::TBitmap ReadPpm(std::string_view bytes);
// Chooses by the first two bytes ("BM" or "P6").
gif::TBitmap ReadImage(std::string_view bytes);
gif::TBitmap ReadImageFile(const std::filesystem::path& path);

}  // namespace bmp2gif
