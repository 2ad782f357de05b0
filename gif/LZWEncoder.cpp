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

// The codes of the strings seen since the last reset. The code stream depends only on which strings
// are in the table, so any exact lookup gives the same bytes; this one keeps the whole table in
// 32 KB, which stays in the first-level caches. A slot holds (prefix << 8 | pixel) << 12 | code;
// 0 is empty, since table codes start above the End code.
class StringTable {
 public:
  StringTable() { Clear(); }
  void Clear() { slots_.fill(0); }

  // The code of prefix + pixel, or 0; on 0, `slot` is where it is to be added.
  unsigned Find(unsigned prefix, unsigned pixel, unsigned& slot) const {
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
    slots_[slot] = (prefix << 8 | pixel) << 12 | code;
  }

 private:
  static constexpr int kBits = 13;
  static constexpr unsigned kSlots = 1u << kBits;  // at most half full: 4094 codes
  std::array<std::uint32_t, kSlots> slots_;
};

// The encoder's variables between pixels.
struct Encoder {
  // 1-bit pixels get 3-bit codes: GIF has no minimum code size below 2.
  Encoder(std::string& destination, int bitCount)
      : out(destination),
        initCodeSize(bitCount == 1 ? 3 : bitCount + 1),
        clearCode(1u << (initCodeSize - 1)),
        endCode(clearCode + 1) {
    Restart();
  }

  std::string& out;
  LZWCoderState coder;
  StringTable table;
  const int initCodeSize;
  const unsigned clearCode;
  const unsigned endCode;
  unsigned lastCode = 0;
  unsigned codeLimit = 0;
  bool pending = false;  // a string of one or more pixels awaits its code
  unsigned prefix = 0;   // the code of that string

  void Restart() {
    lastCode = endCode;
    coder.CodeSize = initCodeSize;
    codeLimit = 1u << initCodeSize;
    pending = false;
  }

  void Add(unsigned pixel) {
    if (!pending) {
      prefix = pixel;
      pending = true;
      return;
    }
    unsigned slot = 0;
    const unsigned code = table.Find(prefix, pixel, slot);
    if (code != 0) {
      prefix = code;
      return;
    }
    EmitCode(out, prefix, coder);
    table.Add(slot, prefix, pixel, ++lastCode);
    prefix = pixel;
    if (lastCode >= codeLimit) {
      codeLimit *= 2;
      ++coder.CodeSize;
    } else if (lastCode >= kResetCode) {
      EmitCode(out, prefix, coder);
      EmitCode(out, clearCode, coder);
      table.Clear();
      Restart();
    }
  }
};

template <int Bits>
unsigned PixelAt(const std::uint8_t* row, std::size_t x) {
  if constexpr (Bits == 8) return row[x];
  if constexpr (Bits == 4) return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
  if constexpr (Bits == 1) return (row[x / 8] >> (7 - x % 8)) & 1;
}

// Top row (stored last) first, each row left to right.
template <int Bits>
void EncodeRows(Encoder& encoder, const TBitmapInfoHeader& info, const TLZWProgress& progress,
                const std::uint8_t* rows) {
  const std::size_t width = static_cast<std::size_t>(info.Width);
  const std::size_t rowBytes = BmpRowBytes(width, Bits);
  const std::int32_t height = info.Height;
  for (std::int32_t done = 0; done < height; ++done) {
    const std::uint8_t* row = rows + static_cast<std::size_t>(height - 1 - done) * rowBytes;
    for (std::size_t x = 0; x < width; ++x) encoder.Add(PixelAt<Bits>(row, x));
    if (progress)
      progress(TProgressStage::psRunning,
               static_cast<int>((static_cast<std::int64_t>(done) + 1) * 100 / height), "");
  }
}

std::string MessageOf(const std::exception& error) {
  if (const auto* own = dynamic_cast<const runtime::Exception*>(&error)) return own->Message();
  return error.what();
}

}  // namespace

void LZWEncode(std::string& destination, const TBitmapInfoHeader& info,
               const TLZWProgress& progress, const std::uint8_t* rows) {
  assert(info.BitCount == 1 || info.BitCount == 4 || info.BitCount == 8);
  try {
    // Heap-allocated: the table is 32 KB.
    auto encoder = std::make_unique<Encoder>(destination, info.BitCount);
    destination.push_back(static_cast<char>(encoder->initCodeSize - 1));
    EmitCode(destination, encoder->clearCode, encoder->coder);
    if (progress) progress(TProgressStage::psStarting, 0, "");

    if (info.BitCount == 8)
      EncodeRows<8>(*encoder, info, progress, rows);
    else if (info.BitCount == 4)
      EncodeRows<4>(*encoder, info, progress, rows);
    else
      EncodeRows<1>(*encoder, info, progress, rows);

    if (encoder->pending) EmitCode(destination, encoder->prefix, encoder->coder);
    EmitCode(destination, encoder->endCode, encoder->coder);
    FinishCodeStream(destination, encoder->coder);
  } catch (const std::exception& error) {
    if (progress) progress(TProgressStage::psEnding, 0, MessageOf(error));
    throw;
  }
  if (progress) progress(TProgressStage::psEnding, 100, "");
}

}  // namespace gif
