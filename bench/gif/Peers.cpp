// giflib and libcgif writing into a std::string through their output callbacks.
#include "bench/gif/Peers.h"

#include <cgif.h>
#include <gif_lib.h>

#include <stdexcept>

namespace gifbench {
namespace {

int AppendGiflib(GifFileType* file, const GifByteType* data, int length) {
  static_cast<std::string*>(file->UserData)
      ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
  return length;
}

int AppendCgif(void* context, const std::uint8_t* data, const std::size_t length) {
  static_cast<std::string*>(context)->append(reinterpret_cast<const char*>(data), length);
  return 0;
}

std::string GiflibWrite(int width, int height, const GifColorType* colours, GifByteType* indices) {
  std::string out;
  int error = 0;
  GifFileType* file = EGifOpen(&out, AppendGiflib, &error);
  ColorMapObject* map = GifMakeMapObject(256, colours);
  const bool ok = file != nullptr && map != nullptr &&
                  EGifPutScreenDesc(file, width, height, 8, 0, map) == GIF_OK &&
                  EGifPutImageDesc(file, 0, 0, width, height, false, nullptr) == GIF_OK &&
                  EGifPutLine(file, indices, width * height) == GIF_OK;
  if (file != nullptr) EGifCloseFile(file, &error);
  GifFreeMapObject(map);
  if (!ok) throw std::runtime_error("giflib could not encode");
  return out;
}

}  // namespace

std::string GiflibEncode(PeerIndexed& picture) {
  return GiflibWrite(picture.Width, picture.Height,
                     reinterpret_cast<const GifColorType*>(picture.Palette.data()),
                     picture.Indices.data());
}

std::string GiflibQuantizeAndEncode(PeerTrueColor& picture) {
  const std::size_t pixels = static_cast<std::size_t>(picture.Width) * picture.Height;
  std::vector<GifByteType> indices(pixels);
  GifColorType colours[256] = {};
  int count = 256;
  if (GifQuantizeBuffer(static_cast<unsigned>(picture.Width), static_cast<unsigned>(picture.Height),
                        &count, picture.Red.data(), picture.Green.data(), picture.Blue.data(),
                        indices.data(), colours) != GIF_OK)
    throw std::runtime_error("giflib could not quantize");
  return GiflibWrite(picture.Width, picture.Height, colours, indices.data());
}

std::string CgifEncode(PeerIndexed& picture) {
  std::string out;
  CGIF_Config config = {};
  config.pGlobalPalette = picture.Palette.data();
  config.width = static_cast<std::uint16_t>(picture.Width);
  config.height = static_cast<std::uint16_t>(picture.Height);
  config.numGlobalPaletteEntries = 256;
  config.pWriteFn = AppendCgif;
  config.pContext = &out;
  CGIF* gif = cgif_newgif(&config);
  if (gif == nullptr) throw std::runtime_error("cgif could not start");
  CGIF_FrameConfig frame = {};
  frame.pImageData = picture.Indices.data();
  const int added = cgif_addframe(gif, &frame);
  if (cgif_close(gif) != CGIF_OK || added != CGIF_OK)
    throw std::runtime_error("cgif could not encode");
  return out;
}

}  // namespace gifbench
