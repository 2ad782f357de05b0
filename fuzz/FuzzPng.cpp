// Fuzz target: the PNG writer's parts over arbitrary pictures. zlib's inflate, an independent
// decoder, must give back every byte the deflate was given, every palette number must stand for the
// pixel's own colour, and a picture written straight from its pixels must give the same file.
#include <fuzzer/FuzzedDataProvider.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "png/ColourIndex.h"
#include "png/PngWriter.h"
#include "png/RowDeflate.h"

namespace {

void CheckDeflate(const std::vector<std::uint8_t>& data, std::size_t stride) {
  const std::string stream = png::DeflateRows(data.data(), data.size(), stride);
  std::vector<std::uint8_t> back(data.size() + 1);
  uLongf size = back.size();
  if (uncompress(back.data(), &size, reinterpret_cast<const Bytef*>(stream.data()),
                 stream.size()) != Z_OK ||
      size != data.size() || !std::equal(data.begin(), data.end(), back.begin()))
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider in(bytes, size);
  const int width = in.ConsumeIntegralInRange(1, 300);
  const int padding = in.ConsumeIntegralInRange(0, 3);
  const int inks = in.ConsumeIntegralInRange(1, 300);
  // Pixels drawn from `inks` colours in runs, some rows copying the row above, with a varying
  // alpha byte that must not count.
  std::vector<std::uint32_t> palette(static_cast<std::size_t>(inks));
  for (auto& ink : palette) ink = in.ConsumeIntegral<std::uint32_t>() & 0xFFFFFF;
  std::vector<std::uint32_t> pixels;
  const std::size_t stride = static_cast<std::size_t>(width + padding);
  while (in.remaining_bytes() > 0 && pixels.size() < 200000) {
    if (!pixels.empty() && pixels.size() >= stride && in.ConsumeBool()) {
      pixels.insert(pixels.end(), pixels.end() - static_cast<std::ptrdiff_t>(stride), pixels.end());
      continue;
    }
    const std::uint32_t ink =
        palette[in.ConsumeIntegralInRange<std::size_t>(0, palette.size() - 1)];
    const std::size_t run = in.ConsumeIntegralInRange<std::size_t>(1, 600);
    for (std::size_t i = 0; i < run; ++i)
      pixels.push_back(ink | static_cast<std::uint32_t>(in.ConsumeIntegral<std::uint8_t>() & 0x81)
                                 << 24);
  }
  const int height = static_cast<int>(pixels.size() / stride);
  if (height == 0) return 0;

  const auto image =
      png::IndexColours(pixels.data(), static_cast<std::ptrdiff_t>(stride), width, height);
  // Numbered and packed a row at a time, the file is that of the numbered picture.
  const auto direct =
      png::EncodeColoursPng(pixels.data(), static_cast<std::ptrdiff_t>(stride), width, height);
  if (direct.has_value() != image.has_value() ||
      (direct && *direct != png::EncodePalettePng(*image)))
    std::abort();
  if (!image) return 0;  // over 256 colours
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint8_t number = image->Indices[static_cast<std::size_t>(y * width + x)];
      if (number >= image->Palette.size() ||
          image->Palette[number] !=
              (pixels[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)] &
               0xFFFFFF))
        std::abort();
    }
  if (png::EncodePalettePng(*image).compare(0, 8, "\x89PNG\r\n\x1A\n") != 0) std::abort();

  // The deflate alone, over the indices as rows of the picture's width and of any other stride.
  const std::vector<std::uint8_t> indices(image->Indices.begin(), image->Indices.end());
  CheckDeflate(indices, static_cast<std::size_t>(width));
  CheckDeflate(indices, stride * 37);
  return 0;
}
