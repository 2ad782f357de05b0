// The LZW encoder: a string table looked up by (prefix, pixel), codes growing from the minimum size
// to 12 bits, and a reset with a Clear code when code 4094 has been assigned.
#include "gif/LZWEncoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstring>
#include <exception>
#include <memory>
#include <vector>

#include "gif/CodeStream.h"
#include "runtime/Errors.h"

namespace gif {
namespace {

// The inverse of an odd number modulo 4096, by Newton's iteration (each step doubles the correct
// low bits).
constexpr unsigned InverseMod4096(unsigned a) {
  unsigned x = a;
  for (int i = 0; i < 4; ++i) x *= 2 - a * x;
  return x & 0xFFF;
}

// Inside the encoder a string of two or more pixels is named by a tag instead of its code:
// tag = (code + 1) * kStep mod 4096 for an odd kStep, a one-to-one mixing of the 12-bit codes that
// turns the consecutive codes of a table into well spread numbers, so that a string's home slot in
// the hash table is a plain sum of its tag and a number for its last pixel. The code is worked out
// again only when it is written. Two tags never name such a string: that of code 4095, never
// assigned, stands for the one-pixel string made of the last pixel read, and that of the Clear
// code for the empty string pending at the start and after a reset.
class Tags {
 public:
  static constexpr unsigned kOnePixel = 0;
  static constexpr unsigned kStep = 2531;  // odd, near 4096 / golden ratio

  static unsigned Of(unsigned code) { return ((code + 1) * kStep) & 0xFFF; }
  static unsigned CodeOf(unsigned tag) { return (tag * kUnstep - 1) & 0xFFF; }
  // The tag of the code after `tag`'s.
  static unsigned Next(unsigned tag) { return (tag + kStep) & 0xFFF; }

 private:
  static constexpr unsigned kUnstep = InverseMod4096(kStep);
  static_assert((kStep * kUnstep & 0xFFF) == 1);
};

// The extensions of one-pixel strings, the strings every miss starts: a direct table indexed by
// the two pixels. A pixel read right after another thus costs one load and no search, which keeps
// pictures of many short strings (noise) fast. An entry holds its tag and, in the top 4 bits, the
// number of the table period it was made in, so a reset only moves to the next period; the table is
// wiped when that number wraps, once every 16 resets.
class OnePixelTable {
 public:
  OnePixelTable() { entries_.fill(0); }

  static unsigned At(unsigned previous, unsigned pixel) { return previous << 8 | pixel; }
  // The tag of the string, or a number outside 1..4095 when the string is not in the table.
  unsigned Tag(unsigned at) const { return entries_[at] ^ period_; }
  static bool Found(unsigned tag) { return tag - 1 < 4095; }
  void Add(unsigned at, unsigned tag) { entries_[at] = static_cast<std::uint16_t>(period_ | tag); }

  void Clear() {
    period_ = (period_ + 0x1000) & 0xF000;
    if (period_ == 0) entries_.fill(0);
  }

 private:
  std::array<std::uint16_t, 256 * 256> entries_;
  unsigned period_ = 0;  // the current period's number << 12
};

// The extensions of longer strings and of the empty string, in an open-addressing table whose slot
// holds tag << 20 | key, with key = prefix tag << 8 | pixel (never 0: the prefix tag is not 0); 0
// marks an empty slot. The empty string's extensions are the one-pixel strings: permanent entries.
// The code stream depends only on which strings are in the tables, so any exact lookup gives the
// same bytes.
class StringTable {
 public:
  static constexpr unsigned kSlots = 16384;  // at most a quarter full: 4094 codes and 256 more

  StringTable(unsigned emptyTag, unsigned clearCode) : emptyTag_(emptyTag), clearCode_(clearCode) {
    Clear();
  }

  static unsigned Key(unsigned prefix, unsigned pixel) { return prefix << 8 | pixel; }
  static unsigned Home(unsigned prefix, unsigned pixel) {
    return (prefix + ((pixel * 0x9E3779B1u) >> 18)) & (kSlots - 1);
  }
  static bool Holds(std::uint32_t entry, unsigned key) { return (entry & 0xFFFFF) == key; }
  static unsigned TagOf(std::uint32_t entry) { return entry >> 20; }

  std::uint32_t Entry(unsigned slot) const { return slots_[slot]; }

  // Whether the string is in the table: then `tag` is its tag; else `slot` is the empty slot where
  // it belongs. `slot` starts as the key's home slot.
  bool Find(unsigned key, unsigned& slot, unsigned& tag) const {
    for (;; slot = (slot + 1) & (kSlots - 1)) {
      const std::uint32_t entry = slots_[slot];
      if (entry == 0) return false;
      if (Holds(entry, key)) {
        tag = TagOf(entry);
        return true;
      }
    }
  }

  void Add(unsigned slot, unsigned key, unsigned tag) { slots_[slot] = tag << 20 | key; }

  // Only the permanent entries.
  void Clear() {
    slots_.fill(0);
    for (unsigned pixel = 0; pixel < clearCode_; ++pixel) {
      const unsigned key = Key(emptyTag_, pixel);
      unsigned slot = Home(emptyTag_, pixel);
      unsigned tag = 0;
      Find(key, slot, tag);
      Add(slot, key, Tags::kOnePixel);
    }
  }

 private:
  const unsigned emptyTag_;
  const unsigned clearCode_;
  std::array<std::uint32_t, kSlots> slots_;
};

// Runs of one value, the common case of charts: the strings of a run are that value repeated, and
// while the tables hold v^1 .. v^K, a run extends the pending string v^k without a lookup per
// pixel: it reaches v^(k+m) after m more pixels, or misses after v^K. For each tag this records
// the length of its string when it is one value repeated (0 otherwise) and the tag of the string
// one longer; a list per value, brought up to date only when a run needs it, gives the tag of
// v^k at once.
class RunStrings {
 public:
  RunStrings() { Clear(); }

  // k when the string is k copies of one value, else 0.
  unsigned Length(unsigned tag) const { return length_[tag]; }

  // Notes the new string `tag` = prefix + pixel, where the prefix's last pixel is `pixel`. No
  // allocation: this is part of the per-pixel work.
  void Repeated(unsigned tag, unsigned prefix, unsigned pixel) {
    const unsigned k = length_[prefix];
    if (k == 0) return;
    length_[tag] = static_cast<std::uint16_t>(k + 1);
    if (k == 1)
      second_[pixel] = static_cast<std::uint16_t>(tag);
    else
      longer_[prefix] = static_cast<std::uint16_t>(tag);
  }

  // The longest repetition of `value` in the tables.
  unsigned Longest(unsigned value) {
    std::vector<std::uint16_t>& tags = tags_[value];
    for (unsigned tag = tags.empty() ? second_[value] : longer_[tags.back()]; tag != 0;
         tag = longer_[tag])
      tags.push_back(static_cast<std::uint16_t>(tag));
    return static_cast<unsigned>(tags.size()) + 1;
  }
  // The tag of `value` repeated `k` times, 1 <= k <= Longest(value).
  unsigned Tag(unsigned value, unsigned k) const {
    return k == 1 ? Tags::kOnePixel : tags_[value][k - 2];
  }

  void Clear() {
    length_.fill(0);
    length_[Tags::kOnePixel] = 1;
    longer_.fill(0);
    second_.fill(0);
    for (std::vector<std::uint16_t>& tags : tags_) tags.clear();
  }

 private:
  std::array<std::uint16_t, 4096> length_;
  std::array<std::uint16_t, 4096> longer_;
  std::array<std::uint16_t, 256> second_;  // the tag of v^2 for each v, or 0
  std::array<std::vector<std::uint16_t>, 256> tags_;
};

// Bytes from `at` equal to `value`, at most `limit`, compared eight at a time.
std::size_t RunLength(const std::uint8_t* at, std::size_t limit, unsigned value) {
  const std::uint64_t pattern = value * 0x0101010101010101u;
  std::size_t n = 0;
  for (; n + 8 <= limit; n += 8) {
    std::uint64_t word;
    std::memcpy(&word, at + n, 8);
    if (const std::uint64_t differ = word ^ pattern; differ != 0) {
      if constexpr (std::endian::native == std::endian::little)
        return n + static_cast<std::size_t>(std::countr_zero(differ)) / 8;
      else
        return n + static_cast<std::size_t>(std::countl_zero(differ)) / 8;
    }
  }
  while (n < limit && at[n] == value) ++n;
  return n;
}

// Whether the four bytes from `at` equal `value`: one load and one test, so that pictures with
// short repeats pay no extra unpredictable branch.
bool RunAhead(const std::uint8_t* at, unsigned value) {
  std::uint32_t word;
  std::memcpy(&word, at, 4);
  return word == value * 0x01010101u;
}

// The encoder's variables between pixels. The per-pixel loop copies them into a local and works on
// that, so that they stay in registers (the code bytes are written through a byte pointer, which
// the compiler must otherwise assume could change any member).
struct EncoderState {
  unsigned pending = 0;      // the tag of the pending string
  unsigned previous = 0;     // the last pixel read
  unsigned nextTag = 0;      // the tag of the next code to assign
  unsigned untilEvent = 0;   // codes to assign before the code size grows or the table resets
  unsigned untilSettle = 0;  // codes to assign before Settle has to run
  unsigned budget = 0;       // untilSettle as Settle last set it
  unsigned codeSize = 0;     // bits of the next code
  LZWBitCursor cursor;
};

class Encoder {
 public:
  // 1-bit pixels get 3-bit codes: GIF has no minimum code size below 2.
  Encoder(std::string& destination, int bitCount)
      : writer_(destination),
        initCodeSize_(bitCount == 1 ? 3u : static_cast<unsigned>(bitCount) + 1),
        clearCode_(1u << (initCodeSize_ - 1)),
        endCode_(clearCode_ + 1),
        emptyTag_(Tags::Of(clearCode_)),
        strings_(emptyTag_, clearCode_) {
    state_.cursor = writer_.Cursor();
    Restart(state_);
  }

  // The minimum code size byte and the opening Clear code.
  void Start(std::string& destination) {
    destination.push_back(static_cast<char>(initCodeSize_ - 1));
    Emit(state_, clearCode_);
    Settle();
  }

  // Top row (stored last) first, each row left to right; progress after each row.
  template <int Bits>
  void EncodeRows(const TIndexedImage& image, const TLZWProgress& progress) {
    const std::size_t width = static_cast<std::size_t>(image.Width);
    const std::size_t rowBytes = image.RowBytes();
    const std::int32_t height = image.Height;
    for (std::int32_t done = 0; done < height; ++done) {
      const std::uint8_t* row =
          image.Rows.data() + static_cast<std::size_t>(height - 1 - done) * rowBytes;
      if constexpr (Bits == 8)
        EncodeRow8(row, row + width);
      else
        EncodePackedRow<Bits>(row, width);
      if (progress)
        progress(TProgressStage::psRunning,
                 static_cast<int>((static_cast<std::int64_t>(done) + 1) * 100 / height), "");
    }
  }

  // The pending string's code, End, the last sub-block and the terminator.
  void Finish() {
    EncoderState& s = state_;
    if (s.pending == Tags::kOnePixel)
      Emit(s, s.previous);
    else if (s.pending != emptyTag_)
      Emit(s, Tags::CodeOf(s.pending));
    Emit(s, endCode_);
    writer_.SetCursor(s.cursor);
    writer_.FinishCodeStream();
  }

 private:
  // Pixel by pixel, except that a run of the value the pending string repeats goes through
  // ExtendRun.
  void EncodeRow8(const std::uint8_t* at, const std::uint8_t* end) {
    while (at < end) {
      at = EncodePixels8(at, end);
      if (state_.untilSettle == 0) Settle();
      if (end - at >= 4 && RunAhead(at, state_.previous) && runs_.Length(state_.pending) != 0)
        at = ExtendRun(at, end);
    }
  }

  // The per-pixel loop. It makes no calls, so that its variables stay in registers: it stops and
  // returns where it is when a run starts, the code buffer is full, or the code size or the table
  // has to change, and its caller deals with that. A run is four pixels equal to the last one
  // read, with the pending string that pixel repeated.
  const std::uint8_t* EncodePixels8(const std::uint8_t* at, const std::uint8_t* end) {
    EncoderState s = state_;
    // Runs are looked for where four pixels remain.
    const std::uint8_t* const lastRun = end - at >= 4 ? end - 3 : at;
    bool stop = false;
    while (at < lastRun && !stop) {
      if (RunAhead(at, s.previous) && runs_.Length(s.pending) != 0) break;
      stop = Step<true>(s, *at++);
    }
    if (at >= lastRun)
      while (at < end && !stop) stop = Step<true>(s, *at++);
    state_ = s;
    return at;
  }

  // 1- or 4-bit pixels, high bits first.
  template <int Bits>
  void EncodePackedRow(const std::uint8_t* row, std::size_t width) {
    for (std::size_t x = 0; x < width; ++x) {
      const unsigned pixel = Bits == 4 ? (x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F)
                                       : (row[x / 8] >> (7 - x % 8)) & 1;
      if (Step<false>(state_, pixel)) Settle();
    }
  }

  // The pending string grows by `pixel`: found in the tables, or a new table entry and a new
  // one-pixel string. True when Settle has work to do.
  template <bool TrackRuns>
  [[gnu::always_inline]] bool Step(EncoderState& s, unsigned pixel) {
    const unsigned previous = s.previous;
    s.previous = pixel;
    if (s.pending == Tags::kOnePixel) {
      const unsigned at = OnePixelTable::At(previous, pixel);
      if (const unsigned tag = onePixel_.Tag(at); OnePixelTable::Found(tag)) {
        s.pending = tag;
        return false;
      }
      onePixel_.Add(at, s.nextTag);
      return NewCode<TrackRuns>(s, previous, pixel, previous);
    }
    const unsigned key = StringTable::Key(s.pending, pixel);
    unsigned slot = StringTable::Home(s.pending, pixel);
    const std::uint32_t entry = strings_.Entry(slot);
    if (StringTable::Holds(entry, key)) {
      s.pending = StringTable::TagOf(entry);
      return false;
    }
    if (unsigned tag = 0; entry != 0 && strings_.Find(key, slot, tag)) {
      s.pending = tag;
      return false;
    }
    strings_.Add(slot, key, s.nextTag);
    return NewCode<TrackRuns>(s, Tags::CodeOf(s.pending), pixel, previous);
  }

  // The pending string (whose code is `code`) + pixel has just been given the next code: writes
  // the pending string's code and starts a new one-pixel string with the pixel. True when Settle
  // has work to do.
  template <bool TrackRuns>
  [[gnu::always_inline]] bool NewCode(EncoderState& s, unsigned code, unsigned pixel,
                                      unsigned previous) {
    s.cursor.Put(code, s.codeSize);
    if constexpr (TrackRuns)
      if (previous == pixel) runs_.Repeated(s.nextTag, s.pending, pixel);
    s.nextTag = Tags::Next(s.nextTag);
    s.pending = Tags::kOnePixel;
    return --s.untilSettle == 0;
  }

  // Grows the codes or resets the tables when the code just assigned calls for it, sends the full
  // sub-blocks when the buffer gets short of room, and works out how many codes the per-pixel loop
  // may assign before it has to stop and call Settle again.
  void Settle() {
    EncoderState& s = state_;
    s.untilEvent -= s.budget - s.untilSettle;
    if (s.untilEvent == 0) GrowOrReset();
    if (writer_.Room(s.cursor) < 2 * 255) s.cursor = writer_.SendFullBlocks(s.cursor);
    s.budget = std::min<unsigned>(s.untilEvent, static_cast<unsigned>(writer_.Room(s.cursor) / 2));
    s.untilSettle = s.budget;
  }

  // Writes one code outside the per-pixel loop.
  void Emit(EncoderState& s, unsigned code) {
    s.cursor.Put(code, s.codeSize);
    if (writer_.Full(s.cursor)) s.cursor = writer_.SendFullBlocks(s.cursor);
  }

  // After the code just assigned: the codes grow one bit wider, or, at code 4094, the one-pixel
  // string just started goes out as a literal before a Clear code and the tables start afresh.
  void GrowOrReset() {
    EncoderState& s = state_;
    if (s.codeSize < 12) {
      const unsigned lastCode = 1u << s.codeSize;
      ++s.codeSize;
      s.untilEvent = (s.codeSize < 12 ? 1u << s.codeSize : kResetCode) - lastCode;
      return;
    }
    Emit(s, s.previous);
    Emit(s, clearCode_);
    onePixel_.Clear();
    strings_.Clear();
    runs_.Clear();
    Restart(s);
  }

  void Restart(EncoderState& s) const {
    s.pending = emptyTag_;
    s.nextTag = Tags::Of(endCode_ + 1);
    s.codeSize = initCodeSize_;
    s.untilEvent = (1u << initCodeSize_) - endCode_;
  }

  // Extends the pending string, `value` repeated, over the run of `value` starting at `at`, which
  // is at least four pixels long. Returns where the pixels not yet taken start.
  const std::uint8_t* ExtendRun(const std::uint8_t* at, const std::uint8_t* rowEnd) {
    EncoderState& s = state_;
    const unsigned value = s.previous;
    std::size_t remaining = RunLength(at, static_cast<std::size_t>(rowEnd - at), value);
    const std::uint8_t* const end = at + remaining;
    unsigned k = runs_.Length(s.pending);
    for (;;) {
      const unsigned longest = runs_.Longest(value);
      if (k + remaining <= longest) {
        s.pending = runs_.Tag(value, k + static_cast<unsigned>(remaining));
        return end;
      }
      // value^longest is found, value^(longest + 1) is not: it becomes a table entry and the pixel
      // that missed starts a new string.
      remaining -= longest - k + 1;
      s.pending = runs_.Tag(value, longest);
      bool settle = false;
      if (s.pending == Tags::kOnePixel) {
        onePixel_.Add(OnePixelTable::At(value, value), s.nextTag);
        settle = NewCode<true>(s, value, value, value);
      } else {
        const unsigned key = StringTable::Key(s.pending, value);
        unsigned slot = StringTable::Home(s.pending, value);
        unsigned tag = 0;
        strings_.Find(key, slot, tag);
        strings_.Add(slot, key, s.nextTag);
        settle = NewCode<true>(s, Tags::CodeOf(s.pending), value, value);
      }
      if (settle) Settle();
      if (s.pending == emptyTag_) return end - remaining;  // reset: the rest starts afresh
      k = 1;
      if (remaining == 0) return end;
    }
  }

  static constexpr unsigned kResetCode = 4094;

  LZWCodeWriter writer_;
  const unsigned initCodeSize_;
  const unsigned clearCode_;
  const unsigned endCode_;
  const unsigned emptyTag_;
  OnePixelTable onePixel_;
  StringTable strings_;
  RunStrings runs_;
  EncoderState state_;
};

std::string MessageOf(const std::exception& error) {
  if (const auto* own = dynamic_cast<const runtime::Exception*>(&error)) return own->Message();
  return error.what();
}

}  // namespace

void LZWEncode(std::string& destination, const TIndexedImage& image, const TLZWProgress& progress) {
  assert(image.BitCount == 1 || image.BitCount == 4 || image.BitCount == 8);
  assert(image.Rows.size() >= image.RowBytes() * static_cast<std::size_t>(image.Height));
  try {
    // Heap-allocated: the tables take about 200 KB.
    auto encoder = std::make_unique<Encoder>(destination, image.BitCount);
    encoder->Start(destination);
    if (progress) progress(TProgressStage::psStarting, 0, "");
    if (image.BitCount == 8)
      encoder->EncodeRows<8>(image, progress);
    else if (image.BitCount == 4)
      encoder->EncodeRows<4>(image, progress);
    else
      encoder->EncodeRows<1>(image, progress);
    encoder->Finish();
  } catch (const std::exception& error) {
    if (progress) progress(TProgressStage::psEnding, 0, MessageOf(error));
    throw;
  }
  if (progress) progress(TProgressStage::psEnding, 100, "");
}

}  // namespace gif
