// Fuzz target: the GIF writer over arbitrary bitmaps (1-, 4-, 8-, 24- and 32-bit, any size, few or
// many colours). giflib, an independent decoder, must read every output back to the pixels the
// colour mapping promises; a picture of few colours encoded straight from its pixels must give the
// bytes of its reduction's encoding.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>

#include "gif/GIFImage.h"
#include "gif/LZWEncoder.h"
#include "gif/ReduceToIndexed.h"
#include "runtime/Errors.h"
#include "tests/support/GiflibDecoder.h"

namespace {

using testsupport::Rgb;

int Distance(const Rgb& a, const Rgb& b) {
  int sum = 0;
  for (int c = 0; c < 3; ++c) sum += (a[c] - b[c]) * (a[c] - b[c]);
  return sum;
}

// Pixels are drawn from a palette of `inks` colours, in runs, so that every colour-count regime and
// runs of every length get exercised; 24- or 32-bit (with a varying unused byte).
gif::TBitmap TrueColor(FuzzedDataProvider& in, int width, int height, int bits,
                       std::vector<Rgb>& topDown) {
  std::vector<Rgb> inks(in.ConsumeIntegralInRange<std::size_t>(1, 3000));
  for (Rgb& ink : inks)
    ink = {in.ConsumeIntegral<uint8_t>(), in.ConsumeIntegral<uint8_t>(),
           in.ConsumeIntegral<uint8_t>()};
  const int bytes = bits / 8;
  gif::TBitmap bitmap(width, height,
                      bits == 32 ? gif::TPixelFormat::pf32bit : gif::TPixelFormat::pf24bit);
  std::size_t pick = 0;
  int runLeft = 0;
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      // Once the input runs out, colours are taken in turn, so large pictures still have many of
      // them.
      if (in.remaining_bytes() == 0) {
        pick = static_cast<std::size_t>(y * width + x) % inks.size();
      } else if (runLeft-- <= 0) {
        pick = in.ConsumeIntegralInRange<std::size_t>(0, inks.size() - 1);
        runLeft = in.ConsumeIntegralInRange(0, 40);
      }
      const Rgb& c = inks[pick];
      topDown.push_back(c);
      std::uint8_t* pixel = row + bytes * x;
      pixel[0] = c[2];
      pixel[1] = c[1];
      pixel[2] = c[0];
      if (bytes == 4) pixel[3] = static_cast<std::uint8_t>(x * 7 + y);
    }
  }
  return bitmap;
}

gif::TBitmap Indexed(FuzzedDataProvider& in, int width, int height, int bits,
                     std::vector<Rgb>& topDown) {
  gif::TBitmap bitmap(width, height, static_cast<gif::TPixelFormat>(bits));
  std::vector<Rgb> palette(std::size_t{1} << bits);
  for (std::size_t i = 0; i < palette.size(); ++i) {
    palette[i] = {in.ConsumeIntegral<uint8_t>(), in.ConsumeIntegral<uint8_t>(),
                  in.ConsumeIntegral<uint8_t>()};
    bitmap.SetPaletteEntry(static_cast<int>(i), palette[i][0], palette[i][1], palette[i][2]);
  }
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const unsigned v = in.ConsumeIntegralInRange<unsigned>(0, (1u << bits) - 1);
      const int bit = x * bits;
      row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
      topDown.push_back(palette[v]);
    }
  }
  return bitmap;
}

void CheckDecoded(const testsupport::DecodedGif& gif, int width, int height, bool trueColor,
                  const std::vector<Rgb>& topDown) {
  if (gif.Frames.size() != 1 || gif.ScreenWidth != width || gif.ScreenHeight != height)
    std::abort();
  if (gif.Frames[0].Width != width || gif.Frames[0].Height != height) std::abort();
  std::map<Rgb, int> distinct;
  for (const Rgb& c : topDown) ++distinct[c];
  const bool exact = !trueColor || distinct.size() <= 256;
  const bool fullPrecision = distinct.size() <= 2049;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb& source = topDown[static_cast<std::size_t>(y * width + x)];
      const Rgb decoded = gif.ColorAt(0, x, y);
      if (exact) {
        if (decoded != source) std::abort();
      } else if (fullPrecision) {
        // The 256 most frequent colours are exact; every other one is drawn with a nearest table
        // colour.
        int best = INT_MAX;
        for (const Rgb& entry : gif.GlobalColors) best = std::min(best, Distance(entry, source));
        if (Distance(decoded, source) != best) std::abort();
      }
    }
  }
}

// A picture of at most 256 colours encoded straight from its pixels gives the palette and the
// bytes of its reduction's encoding; one of more colours gives nothing.
void CheckStraightFromPixels(const gif::TBitmap& bitmap, const std::vector<Rgb>& topDown) {
  const std::set<Rgb> distinct(topDown.begin(), topDown.end());
  const auto direct = gif::LZWEncodeFewColors(bitmap, {});
  if (direct.has_value() != (distinct.size() <= 256)) std::abort();
  if (!direct) return;
  gif::TPalettePositions positions;
  const gif::TIndexedImage reduced = gif::ReduceToIndexed(bitmap, positions);
  std::string viaIndices;
  gif::LZWEncode(viaIndices, reduced, {}, &positions);
  if (direct->Data != viaIndices) std::abort();
  for (std::size_t i = 0; i < reduced.Palette.size(); ++i)
    if (direct->Palette[i].Red != reduced.Palette[i].Red ||
        direct->Palette[i].Green != reduced.Palette[i].Green ||
        direct->Palette[i].Blue != reduced.Palette[i].Blue)
      std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int bitsChoices[] = {1, 4, 8, 24, 32};
  const int bits = bitsChoices[in.ConsumeIntegralInRange(0, 4)];
  const int width = in.ConsumeIntegralInRange(0, 300);
  const int height = in.ConsumeIntegralInRange(0, 200);
  std::vector<Rgb> topDown;
  const gif::TBitmap bitmap = bits >= 24 ? TrueColor(in, width, height, bits, topDown)
                                         : Indexed(in, width, height, bits, topDown);

  gif::TGIFImage image;
  image.Assign(&bitmap);
  std::string bytes;
  try {
    image.SaveToStream(bytes);
  } catch (const runtime::Exception&) {
    if (width > 0 && height > 0) std::abort();  // only an empty picture has nothing to write
    return 0;
  }
  if (width == 0 || height == 0) std::abort();
  CheckDecoded(testsupport::DecodeWithGiflib(bytes), width, height, bits >= 24, topDown);
  if (bits >= 24) CheckStraightFromPixels(bitmap, topDown);
  return 0;
}
