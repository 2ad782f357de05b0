// The string tables of the LZW encoder: how a string is named, found and remembered between
// pixels, and the repeated strings that let a run of one value pass without a lookup per pixel.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace gif::lzw {

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
inline std::size_t RunLength(const std::uint8_t* at, std::size_t limit, unsigned value) {
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
inline bool RunAhead(const std::uint8_t* at, unsigned value) {
  std::uint32_t word;
  std::memcpy(&word, at, 4);
  return word == value * 0x01010101u;
}

}  // namespace gif::lzw
