// GIF output speed against giflib in the same run: LZW throughput on the same indexed pixels, the
// whole reduce + encode + write of a chart-sized picture, and the heap used by one save.
#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <new>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "gif/GIFImage.h"
#include "gif/LZWEncoder.h"
#include "gif/ReduceToIndexed.h"

// Heap use of the whole process, for the peak of one save.
namespace {
std::atomic<std::size_t> heapNow{0};
std::atomic<std::size_t> heapPeak{0};
}  // namespace

// The replaced operators pair malloc with free themselves; g++ cannot see that across the
// replacement.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  const std::size_t now = heapNow += malloc_usable_size(p);
  std::size_t peak = heapPeak.load();
  while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
  }
  return p;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  heapNow -= malloc_usable_size(p);
  std::free(p);
}
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }

namespace {

constexpr int kChartWidth = 1023, kChartHeight = 369;

void SetPixel(gif::TBitmap& b, int x, int y, std::uint32_t rgb) {
  if (x < 0 || y < 0 || x >= b.Width() || y >= b.Height()) return;
  std::uint8_t* p = b.ScanLine(y) + 3 * x;
  p[0] = rgb & 0xFF;
  p[1] = (rgb >> 8) & 0xFF;
  p[2] = (rgb >> 16) & 0xFF;
}

// (a) A chart: grey panel, white back wall, dotted grid, axes, two mean lines, a polyline of 60
// points with square markers in two colours, and blocks of "text".
gif::TBitmap ChartPicture() {
  gif::TBitmap b(kChartWidth, kChartHeight, gif::TPixelFormat::pf24bit);
  for (int y = 0; y < kChartHeight; ++y)
    for (int x = 0; x < kChartWidth; ++x)
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
  for (int t = 0; t < 40; ++t)  // glyph-like dots of the labels and titles
    for (int k = 0; k < 30; ++k)
      SetPixel(b, 20 + t * 25 + static_cast<int>(random() % 12),
               (t % 2 ? 10 : 335) + static_cast<int>(random() % 12), 0x000000);
  return b;
}

// (b) 256 random colours, already indexed.
gif::TBitmap RandomIndexed() {
  gif::TBitmap b(kChartWidth, kChartHeight, gif::TPixelFormat::pf8bit);
  std::mt19937 random(6);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) b.ScanLine(y)[x] = static_cast<std::uint8_t>(random());
  for (int i = 0; i < 256; ++i) b.SetPaletteEntry(i, static_cast<std::uint8_t>(i), 0, 0);
  return b;
}

// (c) 1024 x 768 with thousands of colours: gradients with a little noise.
gif::TBitmap PhotoLike() {
  gif::TBitmap b(1024, 768, gif::TPixelFormat::pf24bit);
  std::mt19937 random(7);
  for (int y = 0; y < 768; ++y)
    for (int x = 0; x < 1024; ++x) {
      const std::uint32_t r = (x / 4) & 0xFF, g = (y / 3) & 0xFF, bl = (x + y) / 8 + random() % 4;
      SetPixel(b, x, y, r << 16 | g << 8 | (bl & 0xFF));
    }
  return b;
}

// The indexed pixels both encoders get: our reduction's output for true-colour pictures.
struct Indexed {
  gif::TIndexedImage image;           // our encoder's input
  std::vector<GifPixelType> topDown;  // giflib's input, the same pixels
  std::vector<GifColorType> colours;
};

Indexed MakeIndexed(const gif::TBitmap& bitmap) {
  Indexed in;
  in.image = gif::ReduceToIndexed(bitmap);
  const int w = in.image.Width, h = in.image.Height;
  const std::uint8_t* rows = in.image.Rows.data();
  const std::size_t row = in.image.RowBytes();
  for (int y = 0; y < h; ++y)
    in.topDown.insert(in.topDown.end(), rows + static_cast<std::size_t>(h - 1 - y) * row,
                      rows + static_cast<std::size_t>(h - 1 - y) * row + w);
  for (const gif::TRGBQuad& entry : in.image.Palette)
    in.colours.push_back({entry.Red, entry.Green, entry.Blue});
  return in;
}

// Made once.
const Indexed& Input(int which) {
  static const auto* inputs = new Indexed[3]{
      MakeIndexed(ChartPicture()), MakeIndexed(RandomIndexed()), MakeIndexed(PhotoLike())};
  return inputs[which];
}

const char* kInputNames[] = {"a_chart_1023x369", "b_random256_1023x369", "c_photo_1024x768"};

int AppendToString(GifFileType* file, const GifByteType* data, int length) {
  static_cast<std::string*>(file->UserData)
      ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
  return length;
}

std::string GiflibEncode(const Indexed& in) {
  std::string out;
  int error = 0;
  GifFileType* file = EGifOpen(&out, AppendToString, &error);
  ColorMapObject* map = GifMakeMapObject(256, in.colours.data());
  const int w = in.image.Width, h = in.image.Height;
  EGifPutScreenDesc(file, w, h, 8, 0, map);
  EGifPutImageDesc(file, 0, 0, w, h, false, nullptr);
  std::vector<GifPixelType> line(static_cast<std::size_t>(w));
  for (int y = 0; y < h; ++y) {
    // giflib's line argument is not const: hand it a copy, as a caller would.
    std::copy_n(in.topDown.begin() + static_cast<std::ptrdiff_t>(y) * w, w, line.begin());
    EGifPutLine(file, line.data(), w);
  }
  EGifCloseFile(file, &error);
  GifFreeMapObject(map);
  return out;
}

void BM_OurLzw(benchmark::State& state) {
  const Indexed& in = Input(static_cast<int>(state.range(0)));
  std::string out;
  for (auto _ : state) {
    out.clear();
    gif::LZWEncode(out, in.image, {});
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * in.image.Width * in.image.Height);
  state.counters["encoded_bytes"] = static_cast<double>(out.size());
  state.SetLabel(kInputNames[state.range(0)]);
}

void BM_GiflibLzw(benchmark::State& state) {
  const Indexed& in = Input(static_cast<int>(state.range(0)));
  std::string out;
  for (auto _ : state) {
    out = GiflibEncode(in);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * in.image.Width * in.image.Height);
  state.counters["file_bytes"] = static_cast<double>(out.size());
  state.SetLabel(kInputNames[state.range(0)]);
}

// Assign + reduce + encode + assemble, in memory.
void BM_WholeSaveToMemory(benchmark::State& state) {
  const gif::TBitmap picture = state.range(0) == 0 ? ChartPicture() : PhotoLike();
  for (auto _ : state) {
    gif::TGIFImage image;
    image.Assign(&picture);
    std::string bytes;
    image.SaveToStream(bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * picture.Width() * picture.Height());
  state.SetLabel(kInputNames[state.range(0) == 0 ? 0 : 2]);
}

// The same, written to a file through the temporary file, fsync and rename.
void BM_WholeSaveToFile(benchmark::State& state) {
  const gif::TBitmap picture = ChartPicture();
  const auto path = std::filesystem::temp_directory_path() / "gif_bench_chart.gif";
  for (auto _ : state) {
    gif::TGIFImage image;
    image.Assign(&picture);
    image.SaveToFile(path);
  }
  std::filesystem::remove(path);
  state.SetLabel(kInputNames[0]);
}

BENCHMARK(BM_OurLzw)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GiflibLzw)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeSaveToMemory)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeSaveToFile)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's least CPU time per iteration over the repetitions (steadier than wall time
// or a single run on a shared machine) so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration) {
        const auto [at, added] = times.emplace(run.benchmark_name(), run.GetAdjustedCPUTime());
        if (!added) at->second = std::min(at->second, run.GetAdjustedCPUTime());
      }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

// Peak heap above the level before one save of `picture`, as a multiple of its 24-bit rows.
void PrintSaveMemory(const char* name, const gif::TBitmap& picture) {
  const std::size_t before = heapNow.load();
  heapPeak = before;
  {
    gif::TGIFImage image;
    image.Assign(&picture);
    std::string bytes;
    image.SaveToStream(bytes);
  }
  const double peak = static_cast<double>(heapPeak.load() - before);
  std::printf("%-22s heap peak of one save %.2f MB = %.2f x the 24-bit image (%.2f MB)\n", name,
              peak / 1e6, peak / static_cast<double>(picture.ImageSize()),
              picture.ImageSize() / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  // Five repetitions unless asked otherwise: the ratios use the best of them.
  std::vector<char*> args(argv, argv + argc);
  std::string repetitions = "--benchmark_repetitions=5";
  if (std::none_of(args.begin(), args.end(), [](const char* a) {
        return std::string_view(a).starts_with("--benchmark_repetitions");
      }))
    args.push_back(repetitions.data());
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  RatioReporter reporter;  // plain table: the figures go into notes
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nLZW throughput, ours / giflib (same indexed pixels, same run, best CPU times):\n");
  for (int i = 0; i < 3; ++i) {
    std::string arg = "/";
    arg += std::to_string(i);
    const auto ours = reporter.times.find("BM_OurLzw" + arg);
    const auto theirs = reporter.times.find("BM_GiflibLzw" + arg);
    if (ours == reporter.times.end() || theirs == reporter.times.end()) continue;
    std::printf("  %-22s %.2f x\n", kInputNames[i], theirs->second / ours->second);
  }
  std::printf("\n");
  PrintSaveMemory(kInputNames[0], ChartPicture());
  PrintSaveMemory(kInputNames[2], PhotoLike());
  benchmark::Shutdown();
  return 0;
}
