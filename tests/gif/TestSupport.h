// Small builders and checks shared by the GIF tests.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gif/Bitmap.h"
#include "runtime/Cp1251.h"
#include "tests/support/ExpectThrowMessage.h"
#include "tests/support/GiflibDecoder.h"

namespace giftest {

using testsupport::DecodedGif;
using testsupport::DecodeWithGiflib;
using testsupport::Rgb;

// A 24-bit bitmap from colours given top row first.
inline gif::TBitmap TrueColor(int width, int height, const std::vector<Rgb>& topDown) {
  gif::TBitmap bitmap(width, height, gif::TPixelFormat::pf24bit);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const Rgb& c = topDown[static_cast<std::size_t>(y * width + x)];
      row[3 * x] = c[2];
      row[3 * x + 1] = c[1];
      row[3 * x + 2] = c[0];
    }
  }
  return bitmap;
}

// An indexed bitmap (1, 4 or 8 bits) from indices given top row first.
inline gif::TBitmap Indexed(int width, int height, int bits,
                            const std::vector<std::uint8_t>& topDown) {
  gif::TBitmap bitmap(width, height, static_cast<gif::TPixelFormat>(bits));
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const unsigned v = topDown[static_cast<std::size_t>(y * width + x)];
      const int bit = x * bits;
      row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
    }
  }
  return bitmap;
}

inline std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

inline std::string Hex(std::string_view bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    if (!out.empty()) out += ' ';
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

inline std::string Cp(std::string_view utf8) { return runtime::Cp1251FromUtf8(utf8); }

}  // namespace giftest
