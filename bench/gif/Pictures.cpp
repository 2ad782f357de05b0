// Synthetic benchmark pictures: fixed seeds, so every run encodes the same pixels.
#include "bench/gif/Pictures.h"

#include <random>

namespace gifbench {
namespace {

void SetPixel(gif::TBitmap& b, int x, int y, std::uint32_t rgb) {
  if (x < 0 || y < 0 || x >= b.Width() || y >= b.Height()) return;
  std::uint8_t* p = b.ScanLine(y) + 3 * x;
  p[0] = rgb & 0xFF;
  p[1] = (rgb >> 8) & 0xFF;
  p[2] = (rgb >> 16) & 0xFF;
}

}  // namespace

gif::TBitmap ChartLikePicture() {
  constexpr int kWidth = 1023, kHeight = 369;
  gif::TBitmap b(kWidth, kHeight, gif::TPixelFormat::pf24bit);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      SetPixel(b, x, y, x > 60 && x < 1000 && y > 40 && y < 320 ? 0xFFFFFF : 0xC0C0C0);
  for (int y = 60; y < 320; y += 40)
    for (int x = 61; x < 1000; x += 2) SetPixel(b, x, y, 0x808080);
  for (int x = 60; x < 1000; ++x) SetPixel(b, x, 320, 0x000000);
  for (int y = 40; y < 321; ++y) SetPixel(b, 60, y, 0x000000);
  for (int x = 61; x < 1000; ++x) {
    SetPixel(b, x, 180, 0x0000FF);
    if (x % 8 < 5) SetPixel(b, x, 120, 0x008000), SetPixel(b, x, 240, 0x008000);
  }
  std::mt19937 random(5);
  int lastX = 70, lastY = 200;
  for (int i = 0; i < 60; ++i) {
    const int x = 70 + i * 15, y = 80 + static_cast<int>(random() % 220);
    for (int s = 0; s <= 100; ++s)
      SetPixel(b, lastX + (x - lastX) * s / 100, lastY + (y - lastY) * s / 100, 0x000000);
    const std::uint32_t colour = random() % 7 == 0 ? 0xFF0000 : 0x00AA00;
    for (int dy = -3; dy <= 3; ++dy)
      for (int dx = -3; dx <= 3; ++dx) SetPixel(b, x + dx, y + dy, colour);
    lastX = x, lastY = y;
  }
  for (int t = 0; t < 40; ++t)
    for (int k = 0; k < 30; ++k)
      SetPixel(b, 20 + t * 25 + static_cast<int>(random() % 12),
               (t % 2 ? 10 : 335) + static_cast<int>(random() % 12), 0x000000);
  return b;
}

gif::TBitmap NoisePicture(int width, int height) {
  gif::TBitmap b(width, height, gif::TPixelFormat::pf8bit);
  std::mt19937 random(6);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) b.ScanLine(y)[x] = static_cast<std::uint8_t>(random());
  for (int i = 0; i < 256; ++i) b.SetPaletteEntry(i, static_cast<std::uint8_t>(i), 0, 0);
  return b;
}

gif::TBitmap PhotoLikePicture(int width, int height) {
  gif::TBitmap b(width, height, gif::TPixelFormat::pf24bit);
  std::mt19937 random(7);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t r = (x / 4) & 0xFF, g = (y / 3) & 0xFF, bl = (x + y) / 8 + random() % 4;
      SetPixel(b, x, y, r << 16 | g << 8 | (bl & 0xFF));
    }
  return b;
}

}  // namespace gifbench
