// Greedy parse: at each position the longer of the repeat from the row above and the run of the
// previous byte, else a literal. Codes are the fixed Huffman codes, so there is no table to build
// or send.
#include "png/RowDeflate.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "png/Adler32.h"

namespace png {
namespace {

constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr std::size_t kWindow = 32768;

// A code as it goes into the stream: `bits` low bits of `value`, first bit lowest.
struct Code {
  std::uint32_t value = 0;
  int bits = 0;
};

std::uint32_t Reversed(std::uint32_t code, int bits) {
  std::uint32_t reversed = 0;
  for (int i = 0; i < bits; ++i) reversed |= ((code >> i) & 1u) << (bits - 1 - i);
  return reversed;
}

// The fixed literal/length code of symbol 0..287.
Code FixedSymbol(unsigned symbol) {
  if (symbol < 144) return {Reversed(0x30 + symbol, 8), 8};
  if (symbol < 256) return {Reversed(0x190 + symbol - 144, 9), 9};
  if (symbol < 280) return {Reversed(symbol - 256, 7), 7};
  return {Reversed(0xC0 + symbol - 280, 8), 8};
}

constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                       15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                       67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};

// The literal codes and the length codes with their extra bits (lengths 3..258).
struct FixedCodes {
  std::array<Code, 256> literals;
  std::array<Code, kMaxMatch + 1> lengths;
  Code endOfBlock = FixedSymbol(256);

  FixedCodes() {
    for (unsigned byte = 0; byte < 256; ++byte) literals[byte] = FixedSymbol(byte);
    for (unsigned length = kMinMatch; length <= kMaxMatch; ++length) {
      unsigned i = 0;
      while (i + 1 < kLengthBase.size() && kLengthBase[i + 1] <= length) ++i;
      const Code symbol = FixedSymbol(257 + i);
      lengths[length] = {symbol.value | (length - kLengthBase[i]) << symbol.bits,
                         symbol.bits + kLengthExtra[i]};
    }
  }
};

// The distance code with its extra bits (distance 1..32768).
Code DistanceCode(std::size_t distance) {
  unsigned i = 0;
  while (i + 1 < kDistanceBase.size() && kDistanceBase[i + 1] <= distance) ++i;
  const int extra = i < 4 ? 0 : static_cast<int>(i / 2 - 1);
  return {Reversed(i, 5) | static_cast<std::uint32_t>(distance - kDistanceBase[i]) << 5, 5 + extra};
}

std::uint64_t Load64(const std::uint8_t* p) {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  return word;
}

// How many bytes from `at` equal those from `earlier`, up to `limit`.
std::size_t MatchLength(const std::uint8_t* at, const std::uint8_t* earlier, std::size_t limit) {
  std::size_t length = 0;
  for (; length + 8 <= limit; length += 8) {
    const std::uint64_t differ = Load64(at + length) ^ Load64(earlier + length);
    if (differ != 0) {
      // The first differing byte is the lowest one on a little-endian machine.
      if constexpr (std::endian::native == std::endian::little)
        return length + static_cast<std::size_t>(std::countr_zero(differ)) / 8;
      break;
    }
  }
  while (length < limit && at[length] == earlier[length]) ++length;
  return length;
}

}  // namespace

RowDeflater::RowDeflater(std::size_t size, std::size_t rowStride)
    : size_(size),
      rowStride_(rowStride > 0 && rowStride <= kWindow ? rowStride : 0),
      // Header, at most 9 bits a byte, the end code and padding, the checksum. Not zero-filled: a
      // 4x chart's bound is megabytes, its stream a few hundred kilobytes.
      buffer_(std::make_unique_for_overwrite<std::uint8_t[]>(2 + size + size / 8 + 16)),
      out_(buffer_.get()) {
  *out_++ = 0x78;  // deflate, 32 KiB window
  *out_++ = 0x01;  // fastest compression; the check bits make 0x7801 a multiple of 31
  Put(0b011, 3);   // the final block, fixed codes
}

RowDeflater::~RowDeflater() = default;

void RowDeflater::Put(std::uint32_t value, int bits) {
  pending_ |= static_cast<std::uint64_t>(value) << pendingBits_;
  pendingBits_ += bits;
  if (pendingBits_ >= 32) {
    const auto word = static_cast<std::uint32_t>(pending_);
    std::memcpy(out_, &word, 4);  // the stream is little-endian, as x86 and arm stores are
    out_ += 4;
    pending_ >>= 32;
    pendingBits_ -= 32;
  }
}

void RowDeflater::Take(const std::uint8_t* data, std::size_t available) {
  static const FixedCodes codes;
  static const Code runDistance = DistanceCode(1);
  const Code rowDistance = rowStride_ > 0 ? DistanceCode(rowStride_) : Code{};
  Sum(data, available);
  // Until the last byte is given, a match must not reach bytes not given yet.
  const std::size_t parseEnd = available == size_      ? available
                               : available > kMaxMatch ? available - kMaxMatch
                                                       : 0;
  while (at_ < parseEnd) {
    const std::size_t limit = std::min(kMaxMatch, available - at_);
    std::size_t length = 0;
    Code distance;
    if (rowStride_ > 0 && at_ >= rowStride_) {
      length = MatchLength(data + at_, data + at_ - rowStride_, limit);
      distance = rowDistance;
    }
    if (length < limit && at_ >= 1) {
      const std::size_t run = MatchLength(data + at_, data + at_ - 1, limit);
      if (run > length) {
        length = run;
        distance = runDistance;
      }
    }
    if (length >= kMinMatch) {
      const Code& code = codes.lengths[length];
      Put(code.value, code.bits);
      Put(distance.value, distance.bits);
      at_ += length;
    } else {
      const Code& code = codes.literals[data[at_]];
      Put(code.value, code.bits);
      ++at_;
    }
  }
}

// A row equal to the row above has that row's sums, which carry the checksum on in a few steps: a
// compare instead of a sum for most rows of a chart at print scale. Whole rows only; the rest of
// the data byte by byte.
void RowDeflater::Sum(const std::uint8_t* data, std::size_t end) {
  constexpr std::uint32_t kBase = 65521;
  const std::size_t stride = rowStride_;
  for (; stride > 0 && summed_ % stride == 0 && summed_ + stride <= end; summed_ += stride) {
    const std::uint8_t* row = data + summed_;
    if (summed_ == 0 || std::memcmp(row, row - stride, stride) != 0)
      rowSums_ = Adler32(0, row, stride);
    const std::uint32_t a = adler_ & 0xFFFF, b = adler_ >> 16;
    const std::uint32_t newA = (a + (rowSums_ & 0xFFFF)) % kBase;
    const auto newB = static_cast<std::uint32_t>(
        (b + stride % kBase * std::uint64_t{a} + (rowSums_ >> 16)) % kBase);
    adler_ = newB << 16 | newA;
  }
  adler_ = Adler32(adler_, data + summed_, end - summed_);
  summed_ = end;
}

std::string RowDeflater::Finish(const std::uint8_t* data) {
  Take(data, size_);
  static const FixedCodes codes;
  Put(codes.endOfBlock.value, codes.endOfBlock.bits);
  for (; pendingBits_ > 0; pendingBits_ -= 8) {
    *out_++ = static_cast<std::uint8_t>(pending_);
    pending_ >>= 8;
  }
  for (int shift = 24; shift >= 0; shift -= 8) *out_++ = static_cast<std::uint8_t>(adler_ >> shift);
  return std::string(reinterpret_cast<const char*>(buffer_.get()),
                     static_cast<std::size_t>(out_ - buffer_.get()));
}

std::size_t RowDeflater::Unneeded() const {
  // Matches read from the parse position back to the row above (or the byte before).
  const std::size_t back = std::max<std::size_t>(rowStride_, 1);
  return at_ > back ? at_ - back : 0;
}

void RowDeflater::Dropped(std::size_t bytes) {
  at_ -= bytes;
  summed_ -= bytes;
  size_ -= bytes;
}

std::string DeflateRows(const std::uint8_t* data, std::size_t size, std::size_t rowStride) {
  RowDeflater deflater(size, rowStride);
  return deflater.Finish(data);
}

}  // namespace png
