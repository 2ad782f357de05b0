// Writing and reading the headers of a BMP file image held in memory (little-endian fields).
#include "gif/BmpImage.h"

#include "gif/GIFErrors.h"

namespace gif {
namespace {

void Put16(std::string& out, std::uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::uint32_t Get32(std::string_view bytes, std::size_t at) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

TBitmapInfoHeader MakeInfoHeader(int width, int height, int bitCount) {
  TBitmapInfoHeader info;
  info.Width = width;
  info.Height = height;
  info.BitCount = static_cast<std::uint16_t>(bitCount);
  info.ImageSize = static_cast<std::uint32_t>(
      BmpRowBytes(static_cast<std::size_t>(width), bitCount) * static_cast<std::size_t>(height));
  return info;
}

void AppendBmpHeaders(std::string& out, const TBitmapInfoHeader& info,
                      std::uint32_t paletteEntries) {
  const std::uint32_t offset =
      static_cast<std::uint32_t>(kBmpFileHeaderSize + kBmpInfoHeaderSize) + paletteEntries * 4;
  out += "BM";
  Put32(out, offset + info.ImageSize);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, kBmpInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(info.Width));
  Put32(out, static_cast<std::uint32_t>(info.Height));
  Put16(out, 1);  // planes
  Put16(out, info.BitCount);
  Put32(out, 0);  // no compression
  Put32(out, info.ImageSize);
  Put32(out, 0);  // horizontal resolution
  Put32(out, 0);  // vertical resolution
  Put32(out, 0);  // colours used
  Put32(out, 0);  // colours important
}

TBmpView ReadBmpImage(std::string_view bytes) {
  if (bytes.size() < kBmpFileHeaderSize + kBmpInfoHeaderSize) throw EncodingError();
  TBmpView view;
  const std::size_t offset = Get32(bytes, 10);
  view.Info.Width = static_cast<std::int32_t>(Get32(bytes, 18));
  view.Info.Height = static_cast<std::int32_t>(Get32(bytes, 22));
  view.Info.BitCount = static_cast<std::uint16_t>(Get32(bytes, 28) & 0xFFFF);
  if (view.Info.Width < 0 || view.Info.Height < 0) throw EncodingError();
  if (offset < kBmpFileHeaderSize + kBmpInfoHeaderSize || offset > bytes.size())
    throw EncodingError();
  const std::size_t rowsSize =
      BmpRowBytes(static_cast<std::size_t>(view.Info.Width), view.Info.BitCount) *
      static_cast<std::size_t>(view.Info.Height);
  if (rowsSize > bytes.size() - offset) throw EncodingError();
  view.Info.ImageSize = static_cast<std::uint32_t>(rowsSize);
  const auto* base = reinterpret_cast<const std::uint8_t*>(bytes.data());
  view.Palette = base + kBmpFileHeaderSize + kBmpInfoHeaderSize;
  view.PaletteBytes = offset - kBmpFileHeaderSize - kBmpInfoHeaderSize;
  view.Rows = base + offset;
  return view;
}

std::string BmpFileImage(const TBitmap& bitmap) {
  const auto entries = static_cast<std::uint32_t>(bitmap.Palette().size());
  const TBitmapInfoHeader info = MakeInfoHeader(bitmap.Width(), bitmap.Height(), bitmap.BitCount());
  std::string out;
  out.reserve(kBmpFileHeaderSize + kBmpInfoHeaderSize + entries * 4 + info.ImageSize);
  AppendBmpHeaders(out, info, entries);
  for (const TRGBQuad& entry : bitmap.Palette()) {
    out.push_back(static_cast<char>(entry.Blue));
    out.push_back(static_cast<char>(entry.Green));
    out.push_back(static_cast<char>(entry.Red));
    out.push_back(0);
  }
  if (info.ImageSize > 0) out.append(reinterpret_cast<const char*>(bitmap.Bits()), info.ImageSize);
  return out;
}

}  // namespace gif
