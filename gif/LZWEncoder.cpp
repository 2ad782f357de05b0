// The LZW encoder: a string table looked up by (prefix code, pixel), codes growing from the minimum
// size to 12 bits, and a reset with a Clear code when code 4094 has been assigned.
#include "gif/LZWEncoder.h"

#include <array>
#include <cassert>
#include <exception>
#include <memory>

#include "gif/CodeStream.h"
#include "runtime/Errors.h"

namespace gif {
namespace {

constexpr unsigned kResetCode = 4094;

// No string pending: at the start and right after a reset. Never a table code, so it is never found
// in the table and always takes the slow path, which starts a new string with the pixel.
constexpr unsigned kNoString = 4095;

// The codes of the strings seen since the last reset. The code stream depends only on which strings
// are in the table, so any exact lookup gives the same bytes. Two parts:
// - strings ending in a pixel below 16 (all of them for 1- and 4-bit pictures; the most frequent
//   colours of a reduced picture, which come first in its palette) in a direct table of 16 codes
//   per prefix code: one load, no search;
// - the rest in an open-addressing hash table whose slot holds (prefix << 8 | pixel) << 12 | code.
// In both, 0 means absent: table codes start above the End code. A reset clears only what was set.
class StringTable {
 public:
  static constexpr unsigned kDirectPixels = 16;

  StringTable() {
    direct_.fill(0);
    slots_.fill(0);
  }

  void Clear() {
    for (unsigned i = 0; i < usedCount_; ++i) {
      const std::uint32_t used = used_[i];
      if (used & kHashed)
        slots_[used & ~kHashed] = 0;
      else
        direct_[used] = 0;
    }
    usedCount_ = 0;
  }

  // The code of prefix + pixel for a pixel below 16, or 0.
  unsigned FindDirect(unsigned prefix, unsigned pixel) const {
    return direct_[prefix << 4 | pixel];
  }

  // The code of prefix + pixel, or 0; on 0, `slot` is where it is to be added.
  unsigned Find(unsigned prefix, unsigned pixel, unsigned& slot) const {
    if (pixel < kDirectPixels) {
      slot = prefix << 4 | pixel;
      return direct_[slot];
    }
    const std::uint32_t key = prefix << 8 | pixel;
    unsigned at = (key * 0x9E3779B1u) >> (32 - kBits);
    for (;;) {
      const std::uint32_t entry = slots_[at];
      if (entry == 0) break;
      if (entry >> 12 == key) return entry & 0xFFF;
      at = (at + 1) & (kSlots - 1);
    }
    slot = at;
    return 0;
  }

  void Add(unsigned slot, unsigned prefix, unsigned pixel, unsigned code) {
    if (pixel < kDirectPixels) {
      direct_[slot] = static_cast<std::uint16_t>(code);
      used_[usedCount_++] = slot;
    } else {
      slots_[slot] = (prefix << 8 | pixel) << 12 | code;
      used_[usedCount_++] = slot | kHashed;
    }
  }

 private:
  static constexpr int kBits = 14;
  static constexpr unsigned kSlots = 1u << kBits;  // at most a quarter full: 4094 codes
  static constexpr std::uint32_t kHashed = 0x80000000u;
  std::array<std::uint16_t, 4096 * kDirectPixels> direct_;
  std::array<std::uint32_t, kSlots> slots_;
  std::array<std::uint32_t, 4096> used_;  // where each code since the reset went
  unsigned usedCount_ = 0;
};

// The encoder's variables between pixels.
class Encoder {
 public:
  // 1-bit pixels get 3-bit codes: GIF has no minimum code size below 2.
  Encoder(std::string& destination, int bitCount)
      : out_(destination),
        initCodeSize_(bitCount == 1 ? 3 : bitCount + 1),
        clearCode_(1u << (initCodeSize_ - 1)),
        endCode_(clearCode_ + 1) {
    Restart();
  }

  // The minimum code size byte and the opening Clear code.
  void Start() {
    out_.push_back(static_cast<char>(initCodeSize_ - 1));
    EmitCode(out_, clearCode_, coder_);
  }

  // Top row (stored last) first, each row left to right; progress after each row.
  template <int Bits>
  void EncodeRows(const TIndexedImage& image, const TLZWProgress& progress) {
    const std::size_t width = static_cast<std::size_t>(image.Width);
    const std::size_t rowBytes = image.RowBytes();
    const std::int32_t height = image.Height;
    const std::uint8_t* rows = image.Rows.data();
    unsigned prefix = prefix_;
    for (std::int32_t done = 0; done < height; ++done) {
      const std::uint8_t* row = rows + static_cast<std::size_t>(height - 1 - done) * rowBytes;
      for (std::size_t x = 0; x < width; ++x) {
        const unsigned pixel = PixelAt<Bits>(row, x);
        if (pixel < StringTable::kDirectPixels) {
          const unsigned extended = table_.FindDirect(prefix, pixel);
          if (extended != 0) {
            prefix = extended;
            continue;
          }
        }
        prefix = Extend(prefix, pixel);
      }
      if (progress)
        progress(TProgressStage::psRunning,
                 static_cast<int>((static_cast<std::int64_t>(done) + 1) * 100 / height), "");
    }
    prefix_ = prefix;
  }

  // The pending string's code, End, the last sub-block and the terminator.
  void Finish() {
    if (prefix_ != kNoString) EmitCode(out_, prefix_, coder_);
    EmitCode(out_, endCode_, coder_);
    FinishCodeStream(out_, coder_);
  }

 private:
  template <int Bits>
  static unsigned PixelAt(const std::uint8_t* row, std::size_t x) {
    if constexpr (Bits == 8) return row[x];
    if constexpr (Bits == 4) return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
    if constexpr (Bits == 1) return (row[x / 8] >> (7 - x % 8)) & 1;
  }

  void Restart() {
    lastCode_ = endCode_;
    coder_.CodeSize = initCodeSize_;
    codeLimit_ = 1u << initCodeSize_;
  }

  // The code of the string after `pixel` joins the pending one when the direct table had no answer:
  // found in the hash table, or a new table entry and a new one-pixel string.
  unsigned Extend(unsigned prefix, unsigned pixel) {
    if (prefix == kNoString) return pixel;
    unsigned slot = 0;
    const unsigned code = table_.Find(prefix, pixel, slot);
    if (code != 0) return code;
    EmitCode(out_, prefix, coder_);
    table_.Add(slot, prefix, pixel, ++lastCode_);
    if (lastCode_ >= codeLimit_) {
      codeLimit_ *= 2;
      ++coder_.CodeSize;
    } else if (lastCode_ >= kResetCode) {
      // The one-pixel string just started goes out as a literal before the Clear code.
      EmitCode(out_, pixel, coder_);
      EmitCode(out_, clearCode_, coder_);
      table_.Clear();
      Restart();
      return kNoString;
    }
    return pixel;
  }

  std::string& out_;
  LZWCoderState coder_;
  StringTable table_;
  const int initCodeSize_;
  const unsigned clearCode_;
  const unsigned endCode_;
  unsigned lastCode_ = 0;
  unsigned codeLimit_ = 0;
  unsigned prefix_ = kNoString;  // the code of the pending string
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
    // Heap-allocated: the table is about 180 KB.
    auto encoder = std::make_unique<Encoder>(destination, image.BitCount);
    encoder->Start();
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
