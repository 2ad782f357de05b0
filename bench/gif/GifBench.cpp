// GIF output speed against giflib and libcgif in one run, on the same indexed pixels: the LZW
// encoding alone, and the whole save from the picture's own pixels (ours: reduction, LZW and file
// layout; giflib: its quantizer and encoder). Each measurement is repeated in interleaved rounds;
// the table shows medians and the ratios are medians of the per-round ratios. Also the linear
// growth of the LZW and the heap peak of one save.
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <new>
#include <string>
#include <vector>

#include "bench/gif/Peers.h"
#include "bench/gif/Pictures.h"
#include "gif/GIFImage.h"
#include "gif/LZWEncoder.h"
#include "gif/ReduceToIndexed.h"
#include "tests/support/GiflibDecoder.h"

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

using gifbench::PeerIndexed;
using gifbench::PeerTrueColor;

// CPU time of this thread: other processes on the shared machine do not count.
double CpuSeconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One picture in every form the contenders take.
struct Picture {
  std::string name;
  gif::TBitmap bitmap;          // as the writer receives it
  gif::TIndexedImage indexed;   // our reduction of it: the indices every encoder gets
  PeerIndexed peerIndexed;      // the same indices and palette for the peers
  PeerTrueColor peerTrueColor;  // the 24-bit pixels for giflib's quantizer (none for noise)
};

Picture MakePicture(std::string name, gif::TBitmap bitmap) {
  Picture p{std::move(name), std::move(bitmap), {}, {}, {}};
  p.indexed = gif::ReduceToIndexed(p.bitmap);
  const int w = p.indexed.Width, h = p.indexed.Height;
  p.peerIndexed.Width = w;
  p.peerIndexed.Height = h;
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* row =
        p.indexed.Rows.data() + static_cast<std::size_t>(h - 1 - y) * p.indexed.RowBytes();
    p.peerIndexed.Indices.insert(p.peerIndexed.Indices.end(), row, row + w);
  }
  for (const gif::TRGBQuad& c : p.indexed.Palette)
    p.peerIndexed.Palette.insert(p.peerIndexed.Palette.end(), {c.Red, c.Green, c.Blue});
  if (!p.bitmap.Indexed()) {
    PeerTrueColor& t = p.peerTrueColor;
    t.Width = w;
    t.Height = h;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const std::uint8_t* pixel = p.bitmap.ScanLine(y) + 3 * x;
        t.Blue.push_back(pixel[0]);
        t.Green.push_back(pixel[1]);
        t.Red.push_back(pixel[2]);
      }
  }
  return p;
}

std::string OurLzw(const Picture& p) {
  std::string out;
  gif::LZWEncode(out, p.indexed, {});
  return out;
}

std::string OurWholeSave(const Picture& p) {
  gif::TGIFImage image;
  image.Assign(&p.bitmap);
  std::string bytes;
  image.SaveToStream(bytes);
  return bytes;
}

// Every file decodes, with giflib, to the colours of the indices all encoders were given.
bool SameColours(const Picture& p, const std::string& file, const char* who) {
  const testsupport::DecodedGif gif = testsupport::DecodeWithGiflib(file);
  const PeerIndexed& want = p.peerIndexed;
  bool same = gif.Frames.size() == 1 && gif.Frames[0].Indices.size() == want.Indices.size();
  for (std::size_t i = 0; same && i < want.Indices.size(); ++i) {
    const testsupport::Rgb colour =
        gif.ColorAt(0, static_cast<int>(i % want.Width), static_cast<int>(i / want.Width));
    same = std::equal(colour.begin(), colour.end(), want.Palette.begin() + 3 * want.Indices[i]);
  }
  if (!same) std::fprintf(stderr, "%s: %s decodes to other colours\n", p.name.c_str(), who);
  return same;
}

// One contender on one picture: repeated to about `kMeasureSeconds` of CPU per round.
struct Measure {
  std::string picture, contender;
  std::function<void()> run;
  int repeats = 1;
  std::vector<double> seconds;  // per run, one value per round
};

constexpr double kMeasureSeconds = 0.02;

void Calibrate(Measure& m) {
  m.run();  // warm caches and allocator
  const double start = CpuSeconds();
  m.run();
  const double once = std::max(CpuSeconds() - start, 1e-6);
  m.repeats = std::max(1, static_cast<int>(kMeasureSeconds / once));
}

void RunRound(Measure& m) {
  const double start = CpuSeconds();
  for (int i = 0; i < m.repeats; ++i) m.run();
  m.seconds.push_back((CpuSeconds() - start) / m.repeats);
}

class Rounds {
 public:
  void Add(const std::string& picture, const std::string& contender, std::function<void()> run) {
    measures_.push_back({picture, contender, std::move(run), 1, {}});
  }
  void Run(int rounds) {
    for (Measure& m : measures_) Calibrate(m);
    for (int r = 0; r < rounds; ++r)
      for (Measure& m : measures_) RunRound(m);
  }
  double MedianMs(const std::string& picture, const std::string& contender) const {
    return Median(Find(picture, contender).seconds) * 1e3;
  }
  // Median over the rounds of a / b measured in the same round.
  double MedianRatio(const std::string& picture, const std::string& a, const std::string& b) const {
    const Measure& x = Find(picture, a);
    const Measure& y = Find(picture, b);
    std::vector<double> ratios;
    for (std::size_t r = 0; r < x.seconds.size(); ++r)
      ratios.push_back(x.seconds[r] / y.seconds[r]);
    return Median(ratios);
  }

 private:
  const Measure& Find(const std::string& picture, const std::string& contender) const {
    return *std::find_if(measures_.begin(), measures_.end(), [&](const Measure& m) {
      return m.picture == picture && m.contender == contender;
    });
  }
  std::vector<Measure> measures_;
};

void PrintLzwTable(const Rounds& rounds, const std::vector<Picture>& pictures) {
  std::printf("\nLZW of the same indices: ms per picture; ratio = ours / peer (lower is faster)\n");
  std::printf("%-30s %8s %8s %8s %10s %12s\n", "picture", "ours", "cgif", "giflib", "ours/cgif",
              "ours/giflib");
  for (const Picture& p : pictures)
    std::printf("%-30s %8.3f %8.3f %8.3f %10.2f %12.2f\n", p.name.c_str(),
                rounds.MedianMs(p.name, "our LZW"), rounds.MedianMs(p.name, "cgif"),
                rounds.MedianMs(p.name, "giflib"), rounds.MedianRatio(p.name, "our LZW", "cgif"),
                rounds.MedianRatio(p.name, "our LZW", "giflib"));
}

void PrintSaveTable(const Rounds& rounds, const std::vector<Picture>& pictures) {
  std::printf(
      "\nWhole save from the picture's pixels (ours: reduce + LZW + file; giflib: "
      "GifQuantizeBuffer + encode)\n");
  std::printf("%-30s %8s %14s %14s %10s %16s\n", "picture", "ours", "ours/our LZW", "ours/cgif LZW",
              "giflib q+e", "ours/giflib q+e");
  for (const Picture& p : pictures) {
    const bool quantized = !p.bitmap.Indexed();
    std::printf("%-30s %8.3f %14.2f %14.2f", p.name.c_str(), rounds.MedianMs(p.name, "our save"),
                rounds.MedianRatio(p.name, "our save", "our LZW"),
                rounds.MedianRatio(p.name, "our save", "cgif"));
    if (quantized)
      std::printf(" %10.3f %16.2f\n", rounds.MedianMs(p.name, "giflib q+e"),
                  rounds.MedianRatio(p.name, "our save", "giflib q+e"));
    else
      std::printf(" %10s %16s\n", "-", "-");
  }
}

// LZW time of a 4096 x 4096 noise picture against ten times that of a tenth of it: noise has the
// same statistics at every size, so any departure from 1 is the encoder's own growth. Each writes
// into a string kept from run to run, as a caller encoding many pictures would: a fresh 23 MB
// output would mostly measure the system's cost of handing out new memory pages.
void PrintGrowth(int rounds) {
  const gif::TIndexedImage tenth = gif::ReduceToIndexed(gifbench::NoisePicture(4096, 410));
  const gif::TIndexedImage full = gif::ReduceToIndexed(gifbench::NoisePicture(4096, 4096));
  std::string tenthOut, fullOut;
  Rounds growth;
  growth.Add("growth", "tenth", [&] {
    tenthOut.clear();
    gif::LZWEncode(tenthOut, tenth, {});
  });
  growth.Add("growth", "full", [&] {
    fullOut.clear();
    gif::LZWEncode(fullOut, full, {});
  });
  growth.Run(rounds);
  const double ratio = growth.MedianRatio("growth", "full", "tenth") * 410.0 / 4096.0;
  std::printf(
      "\nLinear growth: LZW of 4096 x 4096 noise %.1f ms = %.2f x linear from 4096 x 410 "
      "(%.2f ms)\n",
      growth.MedianMs("growth", "full"), ratio, growth.MedianMs("growth", "tenth"));
}

// Peak heap above the level before one save, as a multiple of the picture's 24-bit rows.
void PrintSaveMemory(const Picture& p) {
  const std::size_t before = heapNow.load();
  heapPeak = before;
  OurWholeSave(p);
  const double peak = static_cast<double>(heapPeak.load() - before);
  const double rows =
      static_cast<double>(gif::BmpRowBytes(p.bitmap.Width(), 24)) * p.bitmap.Height();
  std::printf("%-30s heap peak of one save %.2f MB = %.2f x the 24-bit image (%.2f MB)\n",
              p.name.c_str(), peak / 1e6, peak / rows, rows / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  std::vector<Picture> pictures;
  pictures.push_back(
      MakePicture("real chart 0507 subtest 1", gifbench::RecordChartPicture(STROOP_SAMPLE_RECORD)));
  pictures.push_back(MakePicture("chart-like 1023x369", gifbench::ChartLikePicture()));
  pictures.push_back(MakePicture("noise 256 colours 1023x369", gifbench::NoisePicture(1023, 369)));
  pictures.push_back(MakePicture("photo-like 1024x768", gifbench::PhotoLikePicture(1024, 768)));

  bool same = true;
  for (Picture& p : pictures) {
    same &= SameColours(p, OurWholeSave(p), "our save");
    same &= SameColours(p, gifbench::GiflibEncode(p.peerIndexed), "giflib");
    same &= SameColours(p, gifbench::CgifEncode(p.peerIndexed), "cgif");
  }
  if (!same) return 1;

  Rounds all;
  for (Picture& p : pictures) {
    all.Add(p.name, "our LZW", [&p] { OurLzw(p); });
    all.Add(p.name, "cgif", [&p] { gifbench::CgifEncode(p.peerIndexed); });
    all.Add(p.name, "giflib", [&p] { gifbench::GiflibEncode(p.peerIndexed); });
    all.Add(p.name, "our save", [&p] { OurWholeSave(p); });
    if (!p.bitmap.Indexed())
      all.Add(p.name, "giflib q+e", [&p] { gifbench::GiflibQuantizeAndEncode(p.peerTrueColor); });
  }
  all.Run(rounds);
  std::printf("%d interleaved rounds, CPU time of the benchmark thread\n", rounds);
  PrintLzwTable(all, pictures);
  PrintSaveTable(all, pictures);
  PrintGrowth(std::min(rounds, 3));
  std::printf("\n");
  for (const Picture& p : pictures)
    if (!p.bitmap.Indexed()) PrintSaveMemory(p);
  return 0;
}
