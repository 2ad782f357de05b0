// bmp2gif: converts a 24-bit BMP or binary PPM into a GIF through the analyser's GIF writer.
#include <cstdio>
#include <exception>

#include "gif/GIFImage.h"
#include "runtime/Cp1251.h"
#include "tools/bmp2gif/ImageReader.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bmp2gif INPUT.bmp|INPUT.ppm OUTPUT.gif\n");
    return 2;
  }
  try {
    const gif::TBitmap bitmap = bmp2gif::ReadImageFile(argv[1]);
    gif::TGIFImage image;
    image.Assign(&bitmap);
    image.SaveToFile(argv[2]);
  } catch (const runtime::Exception& error) {
    std::fprintf(stderr, "bmp2gif: %s\n", runtime::Cp1251ToUtf8(error.Message()).c_str());
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "bmp2gif: %s\n", error.what());
    return 1;
  }
  return 0;
}
