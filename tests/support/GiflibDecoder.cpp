// giflib reading from memory through its input callback.
#include "tests/support/GiflibDecoder.h"

#include <gif_lib.h>

#include <cstring>
#include <stdexcept>

namespace testsupport {
namespace {

struct Reader {
  std::string_view bytes;
  std::size_t at = 0;
};

int ReadBytes(GifFileType* file, GifByteType* buffer, int length) {
  auto* reader = static_cast<Reader*>(file->UserData);
  const std::size_t n =
      std::min<std::size_t>(static_cast<std::size_t>(length), reader->bytes.size() - reader->at);
  std::memcpy(buffer, reader->bytes.data() + reader->at, n);
  reader->at += n;
  return static_cast<int>(n);
}

std::vector<Rgb> Colors(const ColorMapObject* map) {
  std::vector<Rgb> colors;
  if (map == nullptr) return colors;
  for (int i = 0; i < map->ColorCount; ++i)
    colors.push_back({map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue});
  return colors;
}

}  // namespace

Rgb DecodedGif::ColorAt(std::size_t f, int x, int y) const {
  const DecodedFrame& frame = Frames.at(f);
  const auto index = frame.Indices.at(static_cast<std::size_t>(y * frame.Width + x));
  const auto& table = frame.LocalColors.empty() ? GlobalColors : frame.LocalColors;
  return table.at(index);
}

DecodedGif DecodeWithGiflib(std::string_view bytes) {
  Reader reader{bytes};
  int error = 0;
  GifFileType* file = DGifOpen(&reader, ReadBytes, &error);
  if (file == nullptr) throw std::runtime_error("DGifOpen failed: " + std::to_string(error));
  if (DGifSlurp(file) != GIF_OK) {
    const int code = file->Error;
    DGifCloseFile(file, &error);
    throw std::runtime_error("DGifSlurp failed: " + std::to_string(code));
  }
  DecodedGif gif;
  gif.Version = std::string(bytes.substr(3, 3));
  gif.ScreenWidth = file->SWidth;
  gif.ScreenHeight = file->SHeight;
  gif.GlobalColors = Colors(file->SColorMap);
  for (int i = 0; i < file->ImageCount; ++i) {
    const SavedImage& image = file->SavedImages[i];
    DecodedFrame frame;
    frame.Left = image.ImageDesc.Left;
    frame.Top = image.ImageDesc.Top;
    frame.Width = image.ImageDesc.Width;
    frame.Height = image.ImageDesc.Height;
    frame.LocalColors = Colors(image.ImageDesc.ColorMap);
    frame.Indices.assign(image.RasterBits,
                         image.RasterBits + static_cast<std::size_t>(frame.Width) * frame.Height);
    gif.Frames.push_back(std::move(frame));
  }
  DGifCloseFile(file, &error);
  return gif;
}

}  // namespace testsupport
