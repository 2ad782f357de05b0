// The counting structure of the popularity colour reduction: up to 2049 masked colours with their
// pixel counts, found through a 5191-slot open-addressing hash index.
#pragma once

#include <array>
#include <cstdint>

namespace gif {

inline constexpr int kHistogramColors = 2049;
inline constexpr int kHistogramSlots = 5191;
inline constexpr std::uint16_t kEmptySlot = 0xFFFF;

// Slot where the search for a masked colour starts; ((r+g)(g+b)(b+r)) never exceeds 510^3.
inline int ColorHash(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  const std::int32_t r = red, g = green, b = blue;
  return ((r + g) * (g + b) * (b + r)) % kHistogramSlots;
}

struct THistogramEntry {
  std::uint8_t Blue = 0;
  std::uint8_t Green = 0;
  std::uint8_t Red = 0;
  std::int64_t Count = 0;  // 64 bits: a picture can have more than 2^31 pixels of one colour
  std::uint8_t PaletteIndex = 0;
};

// Allocated once per reduction and cleared in place when it overflows.
struct ColorHistogram {
  std::int32_t EntryCount = 0;
  std::uint8_t RedMask = 0xFF;
  std::uint8_t GreenMask = 0xFF;
  std::uint8_t BlueMask = 0xFF;
  std::array<THistogramEntry, kHistogramColors> Entries{};
  std::array<std::uint16_t, kHistogramSlots> Slots{};

  // No entries, every slot empty, the given masks.
  void Clear(std::uint8_t redMask, std::uint8_t greenMask, std::uint8_t blueMask);

  // The slot holding the masked colour, or the empty slot where it belongs. The probe walks down
  // from the colour's hash slot, wrapping from slot 0 to the last one.
  int FindSlot(std::uint8_t red, std::uint8_t green, std::uint8_t blue) const {
    int slot = ColorHash(red, green, blue);
    for (;;) {
      const std::uint16_t entry = Slots[static_cast<std::size_t>(slot)];
      if (entry == kEmptySlot) return slot;
      const THistogramEntry& e = Entries[entry];
      if (e.Red == red && e.Green == green && e.Blue == blue) return slot;
      slot = slot == 0 ? kHistogramSlots - 1 : slot - 1;
    }
  }
};

}  // namespace gif
