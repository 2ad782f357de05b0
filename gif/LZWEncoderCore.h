// The LZW encoder: a string table looked up by (prefix, pixel), codes growing from the minimum size
// to 12 bits, and a reset with a Clear code when code 4094 has been assigned. It takes rows of
// palette indices, or rows of 24- or 32-bit pixels whose colours it numbers as it meets them.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "gif/CodeStream.h"
#include "gif/FirstSeenColors.h"
#include "gif/IndexedImage.h"
#include "gif/LZWEncoder.h"
#include "gif/LZWTables.h"
#include "gif/TrueColorPixel.h"
#include "runtime/Errors.h"

namespace gif::lzw {

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

// Where a one-pixel string's code (a literal) was written, and the value it stands for: with
// DeferLiterals the codes are the values as numbered, rewritten once their palette order is known.
struct LiteralSite {
  std::uint64_t Bit;  // from the first code's first bit, sub-block length bytes not counted
  std::uint8_t Value;
};

template <bool DeferLiterals>
class Encoder {
 public:
  // 1-bit pixels get 3-bit codes: GIF has no minimum code size below 2.
  Encoder(std::string& destination, int bitCount, const TPalettePositions& positions)
      : writer_(destination),
        literal_(positions),
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
    if constexpr (DeferLiterals) literalSites_.reserve(4096);
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

  // One row of 24- or 32-bit pixels (`Bytes` 3 or 4), each pixel the number `colors` gives its
  // colour, counted in `counts`. False at a 257th colour, with the row encoded wrongly.
  template <int Bytes>
  bool EncodeColorRow(const std::uint8_t* row, std::size_t width, FirstSeenColors& colors,
                      TColorCounts& counts) {
    for (std::size_t x = 0; x < width;) {
      x = EncodeColorPixels<Bytes>(row, x, width, colors, counts);
      if (state_.untilSettle == 0) Settle();
      if (x > 0 && width - x >= 4 && FourRepeatThePrevious<Bytes>(row + Bytes * x) &&
          runs_.Length(state_.pending) != 0) {
        const unsigned value = state_.previous;
        const std::size_t length = RepeatsOfThePrevious<Bytes>(row + Bytes * x, width - x);
        x += length - TakeRun(value, length);
      }
    }
    counts[state_.previous] += static_cast<std::int64_t>(width - runStart_);
    return !colors.TooMany();
  }

  // With DeferLiterals: where each literal went.
  const std::vector<LiteralSite>& Literals() const { return literalSites_; }

  // The pending string's code, End, the last sub-block and the terminator.
  void Finish() {
    EncoderState& s = state_;
    if (s.pending == Tags::kOnePixel)
      Emit(s, Literal(s, s.previous));
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

  // EncodePixels8 for pixels numbered by colour; the first pixel of a row is never taken for a
  // run's start, as the pixel before it is in another row. A colour met again right away needs no
  // lookup, and the pixels of a colour are counted when it changes.
  template <int Bytes>
  std::size_t EncodeColorPixels(const std::uint8_t* row, std::size_t x, std::size_t width,
                                FirstSeenColors& colors, TColorCounts& counts) {
    EncoderState s = state_;
    bool stop = false;
    if (x == 0) {
      runStart_ = 0;
      stop = Step<true>(s, colors.NumberOrZero(TrueColorPixel<Bytes>(row, width == 1)));
      ++x;
    }
    const std::size_t lastRun = width >= 4 ? width - 3 : 0;
    for (; x < width && !stop; ++x) {
      const std::uint8_t* pixel = row + Bytes * x;
      const std::uint32_t color = TrueColorPixel<Bytes>(pixel, x + 1 == width);
      unsigned number = s.previous;
      if (color == TrueColorPixel<Bytes>(pixel - Bytes, false)) {
        if (x < lastRun && FourRepeatThePrevious<Bytes>(pixel) && runs_.Length(s.pending) != 0)
          break;
      } else {
        counts[number] += static_cast<std::int64_t>(x - runStart_);
        runStart_ = x;
        number = colors.NumberOrZero(color);
      }
      stop = Step<true>(s, number);
    }
    state_ = s;
    return x;
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
      return NewCode<TrackRuns>(s, Literal(s, previous), pixel, previous);
    }
    if constexpr (TrackRuns) {
      if (pixel == previous) {
        if (const unsigned tag = sameAgain_[s.pending]; tag != 0) {
          s.pending = tag;
          return false;
        }
      }
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
    if constexpr (TrackRuns) {
      if (previous == pixel) {
        runs_.Repeated(s.nextTag, s.pending, pixel);
        sameAgain_[s.pending] = static_cast<std::uint16_t>(s.nextTag);
      }
    }
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
    Emit(s, Literal(s, s.previous));
    Emit(s, clearCode_);
    onePixel_.Clear();
    strings_.Clear();
    runs_.Clear();
    sameAgain_.fill(0);
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
    const std::size_t length =
        RunLength(at, static_cast<std::size_t>(rowEnd - at), state_.previous);
    return at + length - TakeRun(state_.previous, length);
  }

  // Extends the pending string, `value` repeated, over the next `remaining` pixels, all `value`.
  // Returns how many of them are left when the tables reset: those start afresh.
  std::size_t TakeRun(unsigned value, std::size_t remaining) {
    EncoderState& s = state_;
    unsigned k = runs_.Length(s.pending);
    for (;;) {
      const unsigned longest = runs_.Longest(value);
      if (k + remaining <= longest) {
        s.pending = runs_.Tag(value, k + static_cast<unsigned>(remaining));
        return 0;
      }
      // value^longest is found, value^(longest + 1) is not: it becomes a table entry and the pixel
      // that missed starts a new string.
      remaining -= longest - k + 1;
      s.pending = runs_.Tag(value, longest);
      bool settle = false;
      if (s.pending == Tags::kOnePixel) {
        onePixel_.Add(OnePixelTable::At(value, value), s.nextTag);
        settle = NewCode<true>(s, Literal(s, value), value, value);
      } else {
        const unsigned key = StringTable::Key(s.pending, value);
        unsigned slot = StringTable::Home(s.pending, value);
        unsigned tag = 0;
        strings_.Find(key, slot, tag);
        strings_.Add(slot, key, s.nextTag);
        settle = NewCode<true>(s, Tags::CodeOf(s.pending), value, value);
      }
      if (settle) Settle();
      if (s.pending == emptyTag_) return remaining;  // reset: the rest starts afresh
      k = 1;
      if (remaining == 0) return 0;
    }
  }

  // The code of the one-pixel string `value`, as it goes out now.
  unsigned Literal(const EncoderState& s, unsigned value) {
    if constexpr (DeferLiterals) {
      literalSites_.push_back({writer_.BitsWritten(s.cursor), static_cast<std::uint8_t>(value)});
      return value;
    } else {
      return literal_[value];
    }
  }

  static constexpr unsigned kResetCode = 4094;

  LZWCodeWriter writer_;
  const TPalettePositions literal_;  // the code of each one-pixel string
  const unsigned initCodeSize_;
  const unsigned clearCode_;
  const unsigned endCode_;
  const unsigned emptyTag_;
  OnePixelTable onePixel_;
  StringTable strings_;
  RunStrings runs_;
  // For each string, the tag of the string with its last pixel once more, or 0: inside a run of
  // one value, found with one load instead of a hash lookup. The one-pixel string's entry is never
  // read (its extensions are in onePixel_).
  std::array<std::uint16_t, 4096> sameAgain_{};
  EncoderState state_;
  std::vector<LiteralSite> literalSites_;
  std::size_t runStart_ = 0;  // in a row of colours, where the last pixel's colour began
};

// Runs `encode`, which reports the start and each row, then reports the end; an error that stops it
// is reported with its message and goes on. Nothing is reported after an `encode` that returns
// false.
template <class Encode>
bool ReportingProgress(const TLZWProgress& progress, Encode&& encode) {
  try {
    if (!encode()) return false;
  } catch (const std::exception& error) {
    if (progress) {
      const auto* own = dynamic_cast<const runtime::Exception*>(&error);
      progress(TProgressStage::psEnding, 0, own != nullptr ? own->Message() : error.what());
    }
    throw;
  }
  if (progress) progress(TProgressStage::psEnding, 100, "");
  return true;
}

}  // namespace gif::lzw
