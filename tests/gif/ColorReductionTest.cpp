// The popularity reduction: which colours become the palette, in which order, and where the rest
// go.
#include <algorithm>
#include <map>
#include <memory>
#include <numeric>
#include <random>
#include <set>
#include <utility>

#include "TestSupport.h"
#include "gif/ColorHistogram.h"
#include "gif/GIFErrors.h"
#include "gif/ReduceToIndexed.h"

namespace giftest {
namespace {

// The reduced image read back: palette as (r, g, b) and indices top row first.
struct Reduced {
  std::vector<Rgb> palette;
  std::vector<std::uint8_t> indices;
  gif::TIndexedImage image;
};

Reduced ReadBack(gif::TIndexedImage image) {
  Reduced out;
  for (const gif::TRGBQuad& entry : image.Palette)
    out.palette.push_back({entry.Red, entry.Green, entry.Blue});
  const std::size_t row = (static_cast<std::size_t>(image.Width) + 3) / 4 * 4;
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x)
      out.indices.push_back(image.Rows[static_cast<std::size_t>(image.Height - 1 - y) * row + x]);
  out.image = std::move(image);
  return out;
}

Reduced Reduce(int width, int height, const std::vector<Rgb>& pixels) {
  return ReadBack(gif::ReduceToIndexed(TrueColor(width, height, pixels)));
}

const Rgb kGrey{128, 128, 128};

TEST(ReduceToIndexed, GivesAnEightBitImageWithA256EntryPaletteAndPaddedRows) {
  const Reduced r = Reduce(5, 3, std::vector<Rgb>(15, Rgb{1, 2, 3}));
  EXPECT_EQ(r.image.Width, 5);
  EXPECT_EQ(r.image.Height, 3);
  EXPECT_EQ(r.image.BitCount, 8);
  EXPECT_EQ(r.image.Rows.size(), 8u * 3u);  // rows of 5 indices padded to 8
  ASSERT_EQ(r.palette.size(), 256u);
  EXPECT_EQ(r.palette[0], (Rgb{1, 2, 3}));
  EXPECT_EQ(r.palette[1], kGrey);
}

TEST(ReduceToIndexed, FewColoursKeptExactlyOrderedByCountThenFirstOccurrence) {
  // 4 x 2, top row first. Scanning starts at the bottom row: A B C C | A D D B.
  // Counts: A 2, B 2, C 2, D 2 ... made unequal: C 3 below.
  const Rgb A{255, 0, 0}, B{0, 255, 0}, C{0, 0, 255}, D{9, 9, 9};
  const Reduced r = Reduce(4, 2,
                           {C, D, B, C,    //  top row
                            A, B, C, D});  // bottom row, scanned first
  // C has 3 pixels; A 1, B 2, D 2. B and D tie: B occurs first in the bottom row.
  EXPECT_EQ(r.palette[0], C);
  EXPECT_EQ(r.palette[1], B);
  EXPECT_EQ(r.palette[2], D);
  EXPECT_EQ(r.palette[3], A);
  for (int i = 4; i < 256; ++i) EXPECT_EQ(r.palette[static_cast<std::size_t>(i)], kGrey) << i;
  EXPECT_EQ(r.indices, (std::vector<std::uint8_t>{0, 2, 1, 0, 3, 1, 0, 2}));
}

TEST(ReduceToIndexed, RunsOfEightAndMoreAcrossRowsKeepCountOrder) {
  // 21 x 3, top row first. Counts: white 48, blue 9, red 3, black 3; red is met first (bottom row,
  // left), black last. Runs of 3 to 23 pixels, some continuing into the next row.
  const Rgb R{255, 0, 0}, W{255, 255, 255}, B{0, 0, 255}, K{0, 0, 0};
  std::vector<Rgb> pixels;
  const auto run = [&](int n, Rgb c) {
    pixels.insert(pixels.end(), static_cast<std::size_t>(n), c);
  };
  run(18, W), run(3, K);  // top row
  run(9, B), run(12, W);  // middle row
  run(3, R), run(18, W);  // bottom row, scanned first
  const Reduced r = Reduce(21, 3, pixels);
  EXPECT_EQ(r.palette[0], W);
  EXPECT_EQ(r.palette[1], B);
  EXPECT_EQ(r.palette[2], R);  // red and black tie at 3: red was met first
  EXPECT_EQ(r.palette[3], K);
  EXPECT_EQ(r.palette[4], kGrey);
  std::vector<std::uint8_t> expected;
  const auto indices = [&](int n, std::uint8_t i) { expected.insert(expected.end(), n, i); };
  indices(18, 0), indices(3, 3), indices(9, 1), indices(12, 0), indices(3, 2), indices(18, 0);
  EXPECT_EQ(r.indices, expected);
}

TEST(ReduceToIndexed, OneColourAndOnePixel) {
  struct Case {
    int width, height;
  } cases[] = {{1, 1}, {7, 3}};
  for (const Case& c : cases) {
    const Reduced r =
        Reduce(c.width, c.height,
               std::vector<Rgb>(static_cast<std::size_t>(c.width * c.height), Rgb{200, 100, 50}));
    EXPECT_EQ(r.palette[0], (Rgb{200, 100, 50}));
    for (int i = 1; i < 256; ++i) EXPECT_EQ(r.palette[static_cast<std::size_t>(i)], kGrey);
    EXPECT_EQ(r.indices,
              std::vector<std::uint8_t>(static_cast<std::size_t>(c.width * c.height), 0));
  }
}

TEST(ReduceToIndexed, ExactlyTwoHundredFiftySixColoursAllKept) {
  std::vector<Rgb> pixels;
  for (int i = 0; i < 256; ++i) pixels.push_back({static_cast<std::uint8_t>(i), 7, 0});
  const Reduced r = Reduce(16, 16, pixels);
  // Equal counts: palette in scan order, the bottom row (i = 240..255) first.
  for (int i = 0; i < 256; ++i) {
    const int y = 15 - i / 16, x = i % 16;
    EXPECT_EQ(r.palette[static_cast<std::size_t>(i)],
              (Rgb{static_cast<std::uint8_t>(y * 16 + x), 7, 0}));
  }
}

TEST(ReduceToIndexed, BeyondTwoHundredFiftySixTheRestTakeTheNearestLowerIndexOnTies) {
  // 256 frequent colours (2 pixels each, listed in scan order so the palette follows this order):
  // (2j, 0, 0) at index j and (2j, 255, 0) at index 128 + j, j = 0..127.
  // Single pixels: (2j+1, 0, 0) lies midway between entries j and j+1; (1, 250, 0) midway between
  // 128 and 129; (40, 3, 0) is nearest to (40, 0, 0) = index 20.
  std::vector<Rgb> bottomUp;
  for (int j = 0; j < 128; ++j)
    for (int k = 0; k < 2; ++k) bottomUp.push_back({static_cast<std::uint8_t>(2 * j), 0, 0});
  for (int j = 0; j < 128; ++j)
    for (int k = 0; k < 2; ++k) bottomUp.push_back({static_cast<std::uint8_t>(2 * j), 255, 0});
  const std::size_t singles = bottomUp.size();
  for (int j = 0; j < 127; ++j) bottomUp.push_back({static_cast<std::uint8_t>(2 * j + 1), 0, 0});
  bottomUp.push_back({1, 250, 0});
  bottomUp.push_back({40, 3, 0});
  // One row: top-down equals bottom-up.
  const Reduced r = Reduce(static_cast<int>(bottomUp.size()), 1, bottomUp);
  for (int j = 0; j < 128; ++j) {
    EXPECT_EQ(r.palette[static_cast<std::size_t>(j)],
              (Rgb{static_cast<std::uint8_t>(2 * j), 0, 0}));
    EXPECT_EQ(r.palette[static_cast<std::size_t>(128 + j)],
              (Rgb{static_cast<std::uint8_t>(2 * j), 255, 0}));
  }
  for (int j = 0; j < 127; ++j) EXPECT_EQ(r.indices[singles + static_cast<std::size_t>(j)], j) << j;
  EXPECT_EQ(r.indices[singles + 127], 128);
  EXPECT_EQ(r.indices[singles + 128], 20);
}

TEST(ReduceToIndexed, UpTo2049ColoursCountedAtFullPrecision) {
  // 2049 colours fit the histogram: palette colours keep odd blue values.
  std::vector<Rgb> pixels;
  for (int i = 0; i < 2049; ++i)
    pixels.push_back({static_cast<std::uint8_t>(i >> 8), static_cast<std::uint8_t>(i >> 4 & 15),
                      static_cast<std::uint8_t>(i & 255)});
  // Make colour (0, 0, 1) the most frequent.
  for (int k = 0; k < 3; ++k) pixels.push_back({0, 0, 1});
  const Reduced r = Reduce(static_cast<int>(pixels.size()), 1, pixels);
  EXPECT_EQ(r.palette[0], (Rgb{0, 0, 1}));
}

TEST(ReduceToIndexed, MoreThan2049ColoursCoarsenBlueThenRedThenGreen) {
  // 32 levels per channel: 32768 colours. Masks go (FF,FF,FE) 16384, (FE,FF,FE) 8192,
  // (FE,FE,FE) 4096, (FE,FE,FC) 2048 colours: the first that fits.
  std::vector<Rgb> pixels;
  for (int r = 0; r < 32; ++r)
    for (int g = 0; g < 32; ++g)
      for (int b = 0; b < 32; ++b)
        pixels.push_back({static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                          static_cast<std::uint8_t>(b)});
  const Reduced reduced = Reduce(256, 128, pixels);
  std::set<Rgb> distinct(reduced.palette.begin(), reduced.palette.end());
  EXPECT_EQ(distinct.size(), 256u);  // every colour masked into 8 pixels: no grey padding needed
  for (const Rgb& c : reduced.palette) {
    EXPECT_EQ(c[0] % 2, 0);
    EXPECT_EQ(c[1] % 2, 0);
    EXPECT_EQ(c[2] % 4, 0);
  }
  // Colours that differ only in the cleared bits share an index.
  const auto indexOf = [&](int r, int g, int b) {
    return reduced.indices[static_cast<std::size_t>(r * 1024 + g * 32 + b)];
  };
  EXPECT_EQ(indexOf(0, 0, 0), indexOf(1, 1, 3));
  EXPECT_EQ(indexOf(30, 6, 8), indexOf(31, 7, 11));
  // All counts are equal (8): entry 0 is the first pixel scanned, bottom row left, (31, 24, 0)
  // masked.
  EXPECT_EQ(reduced.palette[0], (Rgb{30, 24, 0}));
}

TEST(ReduceToIndexed, ThirtyTwoBitPixelsReduceLikeTheirTwentyFourBitColours) {
  // The unused fourth byte varies and must not matter; few colours in runs, and many colours.
  struct Case {
    int width, height, colours;
  } cases[] = {{37, 9, 5}, {64, 3, 1}, {41, 17, 300}, {50, 60, 2500}};
  std::mt19937 random(32);
  for (const Case& c : cases) {
    std::vector<Rgb> ink(static_cast<std::size_t>(c.colours));
    for (Rgb& i : ink)
      i = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
           static_cast<std::uint8_t>(random())};
    std::vector<Rgb> pixels;
    while (pixels.size() < static_cast<std::size_t>(c.width * c.height))
      pixels.insert(pixels.end(), 1 + random() % 12, ink[random() % ink.size()]);
    pixels.resize(static_cast<std::size_t>(c.width * c.height));
    gif::TBitmap wide(c.width, c.height, gif::TPixelFormat::pf32bit);
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) {
        const Rgb& p = pixels[static_cast<std::size_t>(y * c.width + x)];
        std::uint8_t* at = wide.ScanLine(y) + 4 * x;
        at[0] = p[2], at[1] = p[1], at[2] = p[0], at[3] = static_cast<std::uint8_t>(random());
      }
    const Reduced narrow = Reduce(c.width, c.height, pixels);
    const Reduced fromWide = ReadBack(gif::ReduceToIndexed(wide));
    EXPECT_EQ(fromWide.palette, narrow.palette) << c.colours << " colours";
    EXPECT_EQ(fromWide.indices, narrow.indices) << c.colours << " colours";
  }
}

TEST(ReduceToIndexed, IndexedSourcesAreReadThroughTheirPalette) {
  gif::TBitmap bitmap = Indexed(3, 1, 4, {1, 2, 1});
  bitmap.SetPaletteEntry(1, 10, 20, 30);
  bitmap.SetPaletteEntry(2, 40, 50, 60);
  gif::TBitmap eightBit = Indexed(2, 1, 8, {5, 6});
  eightBit.SetPaletteEntry(6, 1, 2, 3);
  const Reduced eight = ReadBack(gif::ReduceToIndexed(eightBit));
  EXPECT_EQ(eight.image.BitCount, 8);  // an 8-bit bitmap is its own indexed image
  EXPECT_EQ(eight.indices, (std::vector<std::uint8_t>{5, 6}));
  EXPECT_EQ(eight.palette[6], (Rgb{1, 2, 3}));
  const Reduced reduced = ReadBack(gif::ReduceToIndexed(bitmap));
  EXPECT_EQ(reduced.palette[0], (Rgb{10, 20, 30}));  // two pixels of index 1 in the source
  EXPECT_EQ(reduced.palette[1], (Rgb{40, 50, 60}));
  EXPECT_EQ(reduced.indices, (std::vector<std::uint8_t>{0, 1, 0}));
}

// The reduction as plainly as it can be written: count (bottom row first), starting afresh with
// coarser masks after any 2050th colour; 256 most frequent colours by stable order; the nearest
// palette colour for the rest. Palette as (r, g, b) and indices top row first, like Reduced.
Reduced PlainReduce(int width, int height, const std::vector<Rgb>& topDown) {
  int mr = 0xFF, mg = 0xFF, mb = 0xFF;
  std::vector<Rgb> colours;
  std::map<Rgb, std::size_t> entry;
  std::vector<long> counts;
  const auto masked = [&](const Rgb& c) {
    return Rgb{static_cast<std::uint8_t>(c[0] & mr), static_cast<std::uint8_t>(c[1] & mg),
               static_cast<std::uint8_t>(c[2] & mb)};
  };
  for (bool fits = false; !fits;) {
    colours.clear(), entry.clear(), counts.clear(), fits = true;
    for (int y = height - 1; y >= 0 && fits; --y)
      for (int x = 0; x < width && fits; ++x) {
        const Rgb c = masked(topDown[static_cast<std::size_t>(y * width + x)]);
        if (entry.count(c) == 0) {
          if (colours.size() == 2049) fits = false;
          entry[c] = colours.size(), colours.push_back(c), counts.push_back(0);
        }
        ++counts[entry[c]];
      }
    if (!fits) (mr < mg ? mg : mr > mb ? mr : mb) = (mr < mg ? mg : mr > mb ? mr : mb) << 1 & 0xFF;
  }
  std::vector<std::size_t> order(colours.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return counts[a] > counts[b]; });
  Reduced out;
  out.palette.assign(256, kGrey);
  std::vector<std::uint8_t> index(colours.size());
  for (std::size_t i = 0; i < std::min<std::size_t>(256, order.size()); ++i)
    out.palette[i] = colours[order[i]], index[order[i]] = static_cast<std::uint8_t>(i);
  for (std::size_t i = 256; i < order.size(); ++i) {
    int best = 1 << 30;
    for (int p = 0; p < 256; ++p) {
      int d = 0;
      for (int k = 0; k < 3; ++k)
        d +=
            (colours[order[i]][k] - out.palette[p][k]) * (colours[order[i]][k] - out.palette[p][k]);
      if (d < best) best = d, index[order[i]] = static_cast<std::uint8_t>(p);
    }
  }
  for (const Rgb& c : topDown) out.indices.push_back(index[entry[masked(c)]]);
  return out;
}

TEST(ReduceToIndexed, AgreesWithThePlainReductionOverManyColourCounts) {
  // Few colours in runs, hundreds, just over 2049, and smooth shades whose masks coarsen several
  // times; pictures lower and higher than the rows a first count samples; rows that mostly repeat
  // the row below, as a chart's do.
  // clang-format off
  struct Case { int width, height, inks, shades; bool repeats = false; } cases[] = {
      {90, 40, 7, 0},   {61, 5, 200, 0},  {64, 64, 300, 0}, {80, 60, 2100, 0},
      {120, 7, 0, 9},   {256, 96, 0, 9},  {300, 200, 0, 11}, {33, 400, 0, 10},
      {90, 40, 7, 0, true}, {61, 50, 200, 0, true},
  };
  // clang-format on
  std::mt19937 random(4049);
  for (const Case& c : cases) {
    std::vector<Rgb> ink(static_cast<std::size_t>(std::max(c.inks, 1)));
    for (Rgb& i : ink)
      i = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
           static_cast<std::uint8_t>(random())};
    std::vector<Rgb> pixels;
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x)
        if (c.repeats && y > 0 && (y % 4 != 0 || x % 13 != 0)) {
          pixels.push_back(pixels[pixels.size() - static_cast<std::size_t>(c.width)]);
        } else if (c.inks > 0) {
          pixels.push_back(
              ink[(random() % 5 == 0 ? random() : static_cast<unsigned>(x / 9 + y)) % ink.size()]);
        } else {  // shades: gradients of 2^shades steps with a little noise
          const unsigned scale = 1u << c.shades;
          pixels.push_back({static_cast<std::uint8_t>(x * scale / c.width / 4 + random() % 3),
                            static_cast<std::uint8_t>(y * scale / c.height / 4),
                            static_cast<std::uint8_t>((x + y) % 256 + random() % 2)});
        }
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    const Reduced fast = Reduce(c.width, c.height, pixels);
    const Reduced plain = PlainReduce(c.width, c.height, pixels);
    EXPECT_EQ(fast.palette, plain.palette);
    EXPECT_EQ(fast.indices, plain.indices);
  }
}

TEST(ReduceToIndexed, RowsRepeatingEightPixelStripesCountEveryPixel) {
  // Every row is the one below it: stripes of the first colour are taken from the row below, and
  // its being twice as common must still put it first.
  const Rgb first = {10, 20, 30}, second = {200, 100, 0};
  std::vector<Rgb> pixels;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 48; ++x) pixels.push_back(x / 8 % 3 == 2 ? second : first);
  const Reduced fast = Reduce(48, 20, pixels);
  EXPECT_EQ(fast.palette, PlainReduce(48, 20, pixels).palette);
  EXPECT_EQ(fast.indices, PlainReduce(48, 20, pixels).indices);
  EXPECT_EQ(fast.palette.front(), first);
}

TEST(ReduceToIndexed, BlocksOfSeveralColoursRepeatedUpwardCountEveryCopy) {
  // Two 8-pixel columns: one colour, and two alternating. Ten rows repeat each other, then the
  // last rows end the repeats with a run of a third colour or with a new pattern. Counted in full,
  // the colours come in that order; copies counted against the wrong block would change it.
  const Rgb a = {1, 2, 3}, b = {40, 50, 60}, c = {200, 210, 220};
  struct Case {
    const char* name;
    bool patternAfter;
  } cases[] = {{"run", false}, {"pattern", true}};
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    std::vector<Rgb> bottomUp;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 16; ++x)
        bottomUp.push_back(y < 10 ? (x < 8 || x % 2 == 0 ? a : b)
                                  : (test.patternAfter && x >= 8 && x % 2 == 1 ? a : c));
    std::vector<Rgb> topDown;
    for (int y = 11; y >= 0; --y)
      topDown.insert(topDown.end(), bottomUp.begin() + 16 * y, bottomUp.begin() + 16 * y + 16);
    const Reduced fast = Reduce(16, 12, topDown);
    EXPECT_EQ(std::vector<Rgb>(fast.palette.begin(), fast.palette.begin() + 3),
              (std::vector<Rgb>{a, b, c}));
  }
}

TEST(ReduceToIndexed, PalettePositionsMapRowsNumberedInOrderOfFirstOccurrence) {
  // Few colours, the most common in the top half, met last (rows are read bottom-up); and 300
  // colours, which go the histogram way and are numbered by position already.
  std::mt19937 random(17);
  const auto colour = [&random] {
    return Rgb{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
               static_cast<std::uint8_t>(random())};
  };
  struct Case {
    int width, height, colours;
  } cases[] = {{40, 30, 5}, {30, 20, 300}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.colours);
    std::vector<Rgb> inks(static_cast<std::size_t>(c.colours));
    for (Rgb& ink : inks) ink = colour();
    std::vector<Rgb> pixels;
    for (int i = 0; i < c.width * c.height; ++i)
      pixels.push_back(i < c.width * c.height / 2
                           ? inks.back()
                           : inks[static_cast<std::size_t>(i) % inks.size()]);
    const gif::TBitmap bitmap = TrueColor(c.width, c.height, pixels);
    gif::TPalettePositions positions;
    gif::TIndexedImage deferred = gif::ReduceToIndexed(bitmap, positions);
    for (std::uint8_t& value : deferred.Rows) value = positions[value];
    const Reduced fast = ReadBack(std::move(deferred));
    const Reduced plain = ReadBack(gif::ReduceToIndexed(bitmap));
    EXPECT_EQ(fast.palette, plain.palette);
    EXPECT_EQ(fast.indices, plain.indices);
    EXPECT_EQ(positions == gif::SamePositions(), c.colours > 256);
  }
}

TEST(ReduceToIndexed, RowsSharedTopDownReduceLikeTheSamePictureStoredBottomUp) {
  // Few colours with repeated rows, and more than 256, which take the histogram way; 24-bit rows
  // padded to 4 bytes and 32-bit ones.
  std::mt19937 random(23);
  struct Case {
    int width, height, colours;
    gif::TPixelFormat format;
  } cases[] = {{45, 30, 6, gif::TPixelFormat::pf24bit},
               {45, 30, 6, gif::TPixelFormat::pf32bit},
               {33, 20, 400, gif::TPixelFormat::pf24bit},
               {33, 20, 400, gif::TPixelFormat::pf32bit}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.colours) + " colours, " +
                 std::to_string(static_cast<int>(c.format)) + " bits");
    gif::TBitmap bottomUp(c.width, c.height, c.format);
    const std::size_t pixelBytes = c.format == gif::TPixelFormat::pf32bit ? 4 : 3;
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) {
        const unsigned ink = y % 3 == 1 ? 0 : static_cast<unsigned>(random() % c.colours);
        std::uint8_t* pixel = bottomUp.ScanLine(y) + pixelBytes * static_cast<std::size_t>(x);
        pixel[0] = static_cast<std::uint8_t>(ink);
        pixel[1] = static_cast<std::uint8_t>(ink >> 8);
        pixel[2] = static_cast<std::uint8_t>(ink * 37);
      }
    auto rows = std::make_shared<std::vector<std::uint8_t>>();
    for (int y = 0; y < c.height; ++y)
      rows->insert(rows->end(), std::as_const(bottomUp).ScanLine(y),
                   std::as_const(bottomUp).ScanLine(y) + bottomUp.RowBytes());
    const gif::TBitmap topDown = gif::TBitmap::SharingTopDownRows(
        c.width, c.height, c.format, std::shared_ptr<const std::uint8_t>(rows, rows->data()));
    const Reduced shared = ReadBack(gif::ReduceToIndexed(topDown));
    const Reduced stored = ReadBack(gif::ReduceToIndexed(bottomUp));
    EXPECT_EQ(shared.palette, stored.palette);
    EXPECT_EQ(shared.indices, stored.indices);
  }
}

TEST(ColorMasks, CoarsenBlueThenRedThenGreen) {
  // (red, green, blue) after each overflow, starting from full masks.
  // clang-format off
  const std::uint8_t expected[][3] = {
      {0xFF, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFE}, {0xFE, 0xFF, 0xFE}, {0xFE, 0xFE, 0xFE},
      {0xFE, 0xFE, 0xFC}, {0xFC, 0xFE, 0xFC}, {0xFC, 0xFC, 0xFC}, {0xFC, 0xFC, 0xF8},
      {0xF8, 0xFC, 0xF8}, {0xF8, 0xF8, 0xF8}, {0xF8, 0xF8, 0xF0},
  };
  // clang-format on
  gif::TColorMasks masks;
  for (const auto& m : expected) {
    EXPECT_EQ((std::array<std::uint8_t, 3>{masks.Red, masks.Green, masks.Blue}),
              (std::array<std::uint8_t, 3>{m[0], m[1], m[2]}));
    masks = masks.Coarser();
  }
}

TEST(ReduceToIndexed, EmptyBitmapIsNotValid) {
  EXPECT_THROW_MSG(gif::ReduceToIndexed(gif::TBitmap()), gif::EInvalidGraphic,
                   "Bitmap image is not valid");
  EXPECT_THROW_MSG(gif::TBitmap(-1, 2, gif::TPixelFormat::pf24bit), gif::EInvalidGraphic,
                   "Bitmap image is not valid");
}

}  // namespace
}  // namespace giftest
