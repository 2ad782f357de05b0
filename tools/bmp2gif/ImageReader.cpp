// BMP and PPM parsing with every size and offset checked against the bytes actually present.
#include "tools/bmp2gif/ImageReader.h"

#include <cctype>
#include <cstdint>
#include <fstream>
#include <limits>
#include <sstream>

namespace bmp2gif {
namespace {

constexpr std::int64_t kMaxSide = 0xFFFF;  // a GIF cannot hold more

std::uint32_t Get32(std::string_view bytes, std::size_t at) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t Get16(std::string_view bytes, std::size_t at) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

void CheckSize(std::int64_t width, std::int64_t height) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
    throw EImageReadError("picture size out of range");
}

// PPM header token: digits after blanks and #-comments.
std::int64_t ReadNumber(std::string_view bytes, std::size_t& at) {
  for (;;) {
    while (at < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[at]))) ++at;
    if (at < bytes.size() && bytes[at] == '#') {
      while (at < bytes.size() && bytes[at] != '\n') ++at;
      continue;
    }
    break;
  }
  if (at >= bytes.size() || !std::isdigit(static_cast<unsigned char>(bytes[at])))
    throw EImageReadError("bad PPM header");
  std::int64_t value = 0;
  while (at < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[at]))) {
    value = value * 10 + (bytes[at++] - '0');
    if (value > std::numeric_limits<std::int32_t>::max()) throw EImageReadError("bad PPM header");
  }
  return value;
}

}  // namespace

gif::TBitmap ReadBmp(std::string_view bytes) {
  if (bytes.size() < 54 || bytes.substr(0, 2) != "BM") throw EImageReadError("not a BMP file");
  const std::uint32_t offset = Get32(bytes, 10);
  const std::uint32_t headerSize = Get32(bytes, 14);
  const auto width = static_cast<std::int32_t>(Get32(bytes, 18));
  const auto height = static_cast<std::int32_t>(Get32(bytes, 22));
  if (headerSize < 40 || Get16(bytes, 28) != 24 || Get32(bytes, 30) != 0)
    throw EImageReadError("only uncompressed 24-bit BMP files are read");
  const bool topDown = height < 0;
  const std::int64_t rows = topDown ? -static_cast<std::int64_t>(height) : height;
  CheckSize(width, rows);
  gif::TBitmap bitmap(width, static_cast<int>(rows), gif::TPixelFormat::pf24bit);
  const std::size_t rowBytes = bitmap.RowBytes();
  if (offset > bytes.size() || bitmap.ImageSize() > bytes.size() - offset)
    throw EImageReadError("BMP file is cut short");
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::size_t stored =
        topDown ? static_cast<std::size_t>(y) : static_cast<std::size_t>(bitmap.Height() - 1 - y);
    bytes.substr(offset + stored * rowBytes, rowBytes)
        .copy(reinterpret_cast<char*>(bitmap.ScanLine(y)), rowBytes);
  }
  return bitmap;
}

gif::TBitmap ReadPpm(std::string_view bytes) {
  if (bytes.substr(0, 2) != "P6") throw EImageReadError("not a binary PPM file");
  std::size_t at = 2;
  const std::int64_t width = ReadNumber(bytes, at);
  const std::int64_t height = ReadNumber(bytes, at);
  const std::int64_t maxValue = ReadNumber(bytes, at);
  if (maxValue < 1 || maxValue > 255)
    throw EImageReadError("only PPM files of 8-bit samples are read");
  CheckSize(width, height);
  if (at >= bytes.size() || !std::isspace(static_cast<unsigned char>(bytes[at])))
    throw EImageReadError("bad PPM header");
  ++at;
  const std::size_t rowSamples = static_cast<std::size_t>(width) * 3;
  if (rowSamples * static_cast<std::size_t>(height) > bytes.size() - at)
    throw EImageReadError("PPM file is cut short");
  gif::TBitmap bitmap(static_cast<int>(width), static_cast<int>(height),
                      gif::TPixelFormat::pf24bit);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const auto* sample = reinterpret_cast<const unsigned char*>(bytes.data() + at) + y * rowSamples;
    std::uint8_t* pixel = bitmap.ScanLine(y);
    for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x, sample += 3, pixel += 3) {
      // PPM holds red, green, blue; the bitmap blue, green, red.
      pixel[0] = static_cast<std::uint8_t>(sample[2] * 255 / maxValue);
      pixel[1] = static_cast<std::uint8_t>(sample[1] * 255 / maxValue);
      pixel[2] = static_cast<std::uint8_t>(sample[0] * 255 / maxValue);
    }
  }
  return bitmap;
}

gif::TBitmap ReadImage(std::string_view bytes) {
  if (bytes.substr(0, 2) == "BM") return ReadBmp(bytes);
  if (bytes.substr(0, 2) == "P6") return ReadPpm(bytes);
  throw EImageReadError("neither a BMP nor a binary PPM file");
}

gif::TBitmap ReadImageFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EImageReadError("cannot open " + path.string());
  std::ostringstream all;
  all << in.rdbuf();
  return ReadImage(all.str());
}

}  // namespace bmp2gif
