// The LZW code stream: exact bytes for known inputs, code widths, resets and sub-block packing.
#include <algorithm>
#include <numeric>
#include <random>

#include "TestSupport.h"
#include "gif/CodeStream.h"
#include "gif/GIFErrors.h"
#include "gif/IndexedImage.h"
#include "gif/LZWEncoder.h"
#include "tests/support/ReferenceLzw.h"

namespace giftest {
namespace {

using testsupport::LzwCode;
using testsupport::PackCodes;
using testsupport::ReferenceCodes;
using testsupport::ReferenceLzwCodes;

std::string Encode(int width, int height, int bits, const std::vector<std::uint8_t>& pixels,
                   const gif::TLZWProgress& progress = {}) {
  std::string out;
  gif::LZWEncode(out, gif::IndexedImageOf(Indexed(width, height, bits, pixels)), progress);
  return out;
}

std::vector<std::uint8_t> RandomPixels(std::size_t count, int bits, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::uint8_t> pixels(count);
  for (auto& p : pixels) p = static_cast<std::uint8_t>(random() & ((1u << bits) - 1));
  return pixels;
}

// Runs of 1 to `longest` pixels drawn from `values` distinct values, low and high, like a reduced
// chart.
std::vector<std::uint8_t> RandomRuns(std::size_t count, unsigned seed, unsigned longest = 60,
                                     unsigned values = 8) {
  static const std::uint8_t inks[] = {0, 1, 2, 15, 16, 17, 200, 255};
  std::mt19937 random(seed);
  std::vector<std::uint8_t> pixels;
  while (pixels.size() < count)
    pixels.insert(pixels.end(),
                  std::min<std::size_t>(1 + random() % longest, count - pixels.size()),
                  inks[random() % std::min<unsigned>(values, std::size(inks))]);
  return pixels;
}

TEST(LZWEncode, KnownStreams) {
  struct Case {
    int width, height, bits;
    std::vector<std::uint8_t> pixels;
    const char* hex;
  } cases[] = {
      // Clear 256, 0, End 257 in 9 bits.
      {1, 1, 8, {0}, "08 04 00 01 04 04 00"},
      // Clear, strings of 1, 2, 3 and 4 zeros (0, 258, 259, 260), End.
      {10, 1, 8, std::vector<std::uint8_t>(10, 0), "08 07 00 01 08 1C 48 30 20 00"},
      // 1-bit pixels use 3-bit codes: Clear 4, 0, End 5.
      {1, 1, 1, {0}, "02 02 44 01 00"},
      // 4-bit pixels use 5-bit codes: Clear 16, 0, End 17.
      {1, 1, 4, {0}, "04 02 10 44 00"},
      // Two pixels stored in one byte, high half first: Clear 16, 3, 12, End 17.
      {2, 1, 4, {3, 12}, "04 03 70 B0 08 00"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Hex(Encode(c.width, c.height, c.bits, c.pixels)), c.hex) << c.hex;
}

TEST(LZWEncode, RowsAreReadTopRowFirst) {
  // 1 x 2 picture: top 7, bottom 9. Stored bottom-up, encoded 7 then 9.
  EXPECT_EQ(Encode(1, 2, 8, {7, 9}), PackCodes(8, {{256, 9}, {7, 9}, {9, 9}, {257, 9}}));
}

TEST(LZWEncode, MatchesReferenceOverManyResets) {
  // Random pixels assign a code for nearly every pixel, so these cross the 4094 reset many times.
  struct Case {
    int width, height, bits;
  } cases[] = {{640, 200, 8}, {333, 301, 4}, {999, 97, 1}, {5, 3, 8}, {7, 5, 1}, {4097, 3, 8}};
  unsigned seed = 1;
  for (const Case& c : cases) {
    const auto pixels = RandomPixels(static_cast<std::size_t>(c.width) * c.height, c.bits, seed++);
    const std::string encoded = Encode(c.width, c.height, c.bits, pixels);
    EXPECT_EQ(encoded, PackCodes(c.bits, ReferenceLzwCodes(pixels, c.bits).Codes))
        << c.width << "x" << c.height << "x" << c.bits;
  }
}

TEST(LZWEncode, MatchesReferenceOnRunsOfFewValues) {
  // Runs continue across rows, end one pixel before or at a row's end, outgrow the repeated
  // strings the table holds and straddle resets; narrow rows leave no room for a run ahead.
  // clang-format off
  struct Case { int width, height; unsigned longest, values; } cases[] = {
      {1000, 300, 60, 8},    // short runs of eight values, several resets
      {1023, 2000, 3000, 3}, // long runs of three values: long repeated strings, resets mid-run
      {997, 700, 400, 1},    // one value: one run through the whole picture
      {1, 4000, 50, 2}, {2, 2000, 50, 2}, {3, 1500, 50, 2}, {4, 1000, 50, 2},
      {5, 900, 9, 3},   {7, 700, 9, 3},   {8, 600, 9, 3},   {9, 500, 9, 3},
  };
  // clang-format on
  unsigned seed = 9;
  for (const Case& c : cases) {
    const auto pixels =
        RandomRuns(static_cast<std::size_t>(c.width) * c.height, seed++, c.longest, c.values);
    EXPECT_EQ(Encode(c.width, c.height, 8, pixels),
              PackCodes(8, ReferenceLzwCodes(pixels, 8).Codes))
        << c.width << "x" << c.height << ", runs up to " << c.longest;
  }
}

TEST(LZWEncode, PalettePositionsGiveTheStreamOfTheRenumberedRows) {
  // Rows numbered in some other order, written through the positions: literals before and after
  // resets, inside runs and as the last pending string all come out as positions.
  std::vector<std::uint8_t> shuffled(256);
  std::iota(shuffled.begin(), shuffled.end(), std::uint8_t{0});
  std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(5));
  gif::TPalettePositions positions;
  std::copy(shuffled.begin(), shuffled.end(), positions.begin());
  struct Case {
    const char* name;
    int width, height;
    std::vector<std::uint8_t> pixels;
  } cases[] = {
      {"noise, resets", 640, 100, RandomPixels(64000, 8, 3)},
      {"runs of few values", 1023, 300, RandomRuns(1023 * 300, 4, 3000, 3)},
      {"one pixel", 1, 1, {7}},
      {"one run", 50, 2, std::vector<std::uint8_t>(100, 9)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::uint8_t> renumbered;
    for (std::uint8_t p : c.pixels) renumbered.push_back(positions[p]);
    std::string out;
    gif::LZWEncode(out, gif::IndexedImageOf(Indexed(c.width, c.height, 8, c.pixels)), {},
                   &positions);
    EXPECT_EQ(out, PackCodes(8, ReferenceLzwCodes(renumbered, 8).Codes));
  }
}

TEST(LZWEncode, ResetAtCode4094WritesLiteralAndClearIn12BitsThenRestartsAt9) {
  const auto pixels = RandomPixels(20000, 8, 7);
  const ReferenceCodes reference = ReferenceLzwCodes(pixels, 8);
  ASSERT_FALSE(reference.ResetPixels.empty());
  ASSERT_EQ(Encode(20000, 1, 8, pixels), PackCodes(8, reference.Codes));
  // Find the first Clear after the opening one.
  std::size_t clear = 1;
  while (reference.Codes[clear].Value != 256) ++clear;
  const auto& codes = reference.Codes;
  EXPECT_EQ(codes[clear].Width, 12);
  EXPECT_EQ(codes[clear - 1].Width, 12);
  EXPECT_EQ(codes[clear - 2].Width, 12);
  EXPECT_EQ(codes[clear - 1].Value, pixels[reference.ResetPixels[0]]);  // the literal just read
  EXPECT_EQ(codes[clear + 1].Width, 9);
  // Codes 258 .. 4094 were assigned once each: one code written per assignment, plus Clear.
  EXPECT_EQ(clear, 1 + (4094 - 257) + 1);
  for (const LzwCode& code : codes) EXPECT_LT(code.Value, 4095u);
}

TEST(LZWEncode, ResetOnTheLastPixelEndsWithClearThenEnd) {
  const auto random = RandomPixels(20000, 8, 11);
  const std::size_t last = ReferenceLzwCodes(random, 8).ResetPixels.at(0);
  const std::vector<std::uint8_t> pixels(random.begin(), random.begin() + last + 1);
  const ReferenceCodes reference = ReferenceLzwCodes(pixels, 8);
  const auto& codes = reference.Codes;
  ASSERT_GE(codes.size(), 3u);
  EXPECT_EQ(codes[codes.size() - 2].Value, 256u);
  EXPECT_EQ(codes.back().Value, 257u);
  EXPECT_EQ(codes.back().Width, 9);
  const int width = static_cast<int>(pixels.size());
  const std::string encoded = Encode(width, 1, 8, pixels);
  EXPECT_EQ(encoded, PackCodes(8, codes));
  EXPECT_EQ(DecodeWithGiflib(
                Bytes({'G', 'I', 'F', '8', '7', 'a', width & 0xFF, width >> 8, 1, 0, 0xF7, 0, 0}) +
                std::string(768, '\0') +
                Bytes({0x2C, 0, 0, 0, 0, width & 0xFF, width >> 8, 1, 0, 0}) + encoded + "\x3B")
                .Frames.at(0)
                .Indices,
            pixels);
}

TEST(CodeStream, ExactMultipleOf2040BitsEndsWithFullBlockThenTerminator) {
  struct Case {
    int codes;
    std::size_t size;
    int lastBlockLength;  // length byte of the final data sub-block
  } cases[] = {
      {255, 1 + 255 + 1, 255},  // 2040 bits: one full block, no empty block
      {510, 2 * 256 + 1, 255},  // 4080 bits
      {256, 256 + 2 + 1, 1},    // one byte more
      {1, 2 + 1, 1},
  };
  for (const Case& c : cases) {
    std::string out;
    gif::LZWCodeWriter writer(out);
    for (int i = 0; i < c.codes; ++i) writer.EmitCode(static_cast<unsigned>(i & 0xFF), 8);
    writer.FinishCodeStream();
    ASSERT_EQ(out.size(), c.size) << c.codes;
    EXPECT_EQ(out.back(), '\0');
    const std::size_t lastBlock = out.size() - 2 - static_cast<std::size_t>(c.lastBlockLength);
    EXPECT_EQ(static_cast<unsigned char>(out[lastBlock]), c.lastBlockLength) << c.codes;
  }
}

TEST(LZWEncode, StreamOfExactly2040BitsEndsWithFullBlockThenTerminator) {
  // 1524 one-bit pixels from this generator give Clear, codes and End of exactly 2040 bits (found
  // by a search with the reference encoder, checked again here).
  std::vector<std::uint8_t> pixels;
  std::uint32_t x = 1;
  for (int i = 0; i < 1524; ++i) {
    x = (x * 1103515245u + 12345u) & 0x7FFFFFFFu;
    pixels.push_back(static_cast<std::uint8_t>((x >> 16) & 1));
  }
  const ReferenceCodes reference = ReferenceLzwCodes(pixels, 1);
  int bits = 0;
  for (const LzwCode& code : reference.Codes) bits += code.Width;
  ASSERT_EQ(bits, 2040);
  const std::string encoded = Encode(1524, 1, 1, pixels);
  EXPECT_EQ(encoded, PackCodes(1, reference.Codes));
  ASSERT_EQ(encoded.size(), 1u + 256u + 1u);
  EXPECT_EQ(static_cast<unsigned char>(encoded[1]), 255);
  EXPECT_EQ(encoded.back(), '\0');
}

TEST(LZWEncode, ReportsProgressPerRowAndTheErrorThatEndsIt) {
  std::vector<std::pair<gif::TProgressStage, int>> seen;
  Encode(2, 4, 8, std::vector<std::uint8_t>(8, 1),
         [&](gif::TProgressStage stage, int percent, const std::string&) {
           seen.emplace_back(stage, percent);
         });
  using S = gif::TProgressStage;
  const std::vector<std::pair<S, int>> expected = {{S::psStarting, 0},  {S::psRunning, 25},
                                                   {S::psRunning, 50},  {S::psRunning, 75},
                                                   {S::psRunning, 100}, {S::psEnding, 100}};
  EXPECT_EQ(seen, expected);

  std::string endingMessage;
  int endingPercent = -1;
  const auto failing = [&](S stage, int percent, const std::string& message) {
    if (stage == S::psRunning && percent >= 50) throw gif::EAbort("stop");
    if (stage == S::psEnding) {
      endingPercent = percent;
      endingMessage = message;
    }
  };
  EXPECT_THROW(Encode(2, 4, 8, std::vector<std::uint8_t>(8, 1), failing), gif::EAbort);
  EXPECT_EQ(endingPercent, 0);
  EXPECT_EQ(endingMessage, "stop");
}

}  // namespace
}  // namespace giftest
