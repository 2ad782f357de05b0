// Encoding a picture of few colours straight from its 24- or 32-bit rows. The palette is ordered by
// pixel count, known only at the end, but LZW gives the longer strings their codes in the same
// order however the pixels are numbered: only a one-pixel string's code (a literal) names a colour.
// The literals go out as the numbers the colours got when met and are rewritten, at the same width,
// once the counts are in. A picture of few colours has few of them: once a pair of colours is in
// the table, its pixels go out inside longer strings.
#include <algorithm>
#include <array>
#include <memory>
#include <utility>

#include "gif/LZWEncoder.h"
#include "gif/LZWEncoderCore.h"
#include "gif/TrueColorPixel.h"

namespace gif {
namespace {

using FirstMet = std::array<unsigned, kMaxFewColors>;

// The colours whose count another colour shares: only for them does the order of first occurrence
// decide the palette order.
std::array<bool, kMaxFewColors> TiedColors(const TColorCounts& counts, unsigned found) {
  std::array<std::pair<std::int64_t, unsigned>, kMaxFewColors> byCount;
  for (unsigned n = 0; n < found; ++n) byCount[n] = {counts[n], n};
  std::sort(byCount.begin(), byCount.begin() + found);
  std::array<bool, kMaxFewColors> tied{};
  for (unsigned i = 1; i < found; ++i)
    if (byCount[i].first == byCount[i - 1].first)
      tied[byCount[i].second] = tied[byCount[i - 1].second] = true;
  return tied;
}

// The place of each tied colour in a scan from the bottom row up, left to right, the order the
// palette gives equal counts; the scan stops when all have been met.
template <int Bytes>
FirstMet FirstMetFromTheBottom(const TBitmap& source, FirstSeenColors& colors,
                               const std::array<bool, kMaxFewColors>& tied) {
  FirstMet place{};
  auto left = static_cast<unsigned>(std::count(tied.begin(), tied.end(), true));
  const auto width = static_cast<std::size_t>(source.Width());
  unsigned next = 0;
  std::array<bool, kMaxFewColors> met{};
  for (int y = source.Height() - 1; y >= 0 && left > 0; --y) {
    const std::uint8_t* row = source.ScanLine(y);
    std::uint32_t last = 0;
    for (std::size_t x = 0; x < width && left > 0; ++x) {
      const std::uint32_t color = TrueColorPixel<Bytes>(row + Bytes * x, x + 1 == width);
      if (x > 0 && color == last) continue;
      last = color;
      const auto number = static_cast<unsigned>(colors.Number(color));
      if (tied[number] && !met[number]) {
        met[number] = true;
        place[number] = next++;
        --left;
      }
    }
  }
  return place;
}

// `data` is the minimum code size byte, then sub-blocks of 255 code bytes, each after its length.
void RewriteLiterals(std::string& data, const std::vector<lzw::LiteralSite>& sites,
                     const TPalettePositions& positions) {
  for (const lzw::LiteralSite& site : sites) {
    const unsigned change = site.Value ^ positions[site.Value];
    for (std::uint64_t bits = std::uint64_t{change} << site.Bit % 8, byte = site.Bit / 8; bits != 0;
         ++byte, bits >>= 8) {
      char& at = data[1 + byte / 255 + 1 + byte];
      at = static_cast<char>(at ^ static_cast<char>(bits & 0xFF));
    }
  }
}

template <int Bytes>
std::optional<TFewColorEncoding> EncodeFewColors(const TBitmap& source,
                                                 const TLZWProgress& progress) {
  TFewColorEncoding result;
  FirstSeenColors colors;
  TColorCounts counts{};
  const bool whole = lzw::ReportingProgress(progress, [&] {
    // Heap-allocated: the tables take about 200 KB.
    auto encoder = std::make_unique<lzw::Encoder<true>>(result.Data, 8, SamePositions());
    encoder->Start(result.Data);
    if (progress) progress(TProgressStage::psStarting, 0, "");
    const auto width = static_cast<std::size_t>(source.Width());
    const int height = source.Height();
    for (int y = 0; y < height; ++y) {
      if (!encoder->template EncodeColorRow<Bytes>(source.ScanLine(y), width, colors, counts))
        return false;
      if (progress)
        progress(TProgressStage::psRunning,
                 static_cast<int>((static_cast<std::int64_t>(y) + 1) * 100 / height), "");
    }
    encoder->Finish();
    FirstMet firstMet{};
    const std::array<bool, kMaxFewColors> tied = TiedColors(counts, colors.Count());
    if (std::find(tied.begin(), tied.end(), true) != tied.end())
      firstMet = FirstMetFromTheBottom<Bytes>(source, colors, tied);
    RewriteLiterals(result.Data, encoder->Literals(),
                    PaletteByCount(colors, counts, firstMet, result.Palette));
    return true;
  });
  if (!whole) return std::nullopt;
  return result;
}

}  // namespace

std::optional<TFewColorEncoding> LZWEncodeFewColors(const TBitmap& source,
                                                    const TLZWProgress& progress) {
  return source.BitCount() == 32 ? EncodeFewColors<4>(source, progress)
                                 : EncodeFewColors<3>(source, progress);
}

}  // namespace gif
