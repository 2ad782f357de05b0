// The checksum against zlib's own, around the 16-byte steps and the blocks between reductions, and
// on bytes of 255 where the sums grow fastest.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <random>
#include <vector>

#include "png/Adler32.h"

namespace {

TEST(Adler32, AgreesWithZlib) {
  std::mt19937 random(5);
  for (const std::size_t size : {0u, 1u, 15u, 16u, 17u, 5551u, 5552u, 5553u, 11104u, 100003u}) {
    std::vector<std::uint8_t> noise(size);
    for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
    const std::vector<std::uint8_t> full(size, 0xFF);
    const std::vector<std::uint8_t>* both[] = {&noise, &full};
    for (const auto* bytes : both) {
      const auto expected = static_cast<std::uint32_t>(adler32_z(1, bytes->data(), bytes->size()));
      EXPECT_EQ(png::Adler32(png::kAdler32Start, bytes->data(), bytes->size()), expected) << size;
      // Carried on from the checksum of a first part.
      const std::size_t half = size / 2;
      EXPECT_EQ(png::Adler32(png::Adler32(png::kAdler32Start, bytes->data(), half),
                             bytes->data() + half, size - half),
                expected)
          << size;
    }
  }
}

}  // namespace
