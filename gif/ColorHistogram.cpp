// Sizing and clearing the colour histogram, and the order in which the masks coarsen.
#include "gif/ColorHistogram.h"

#include <algorithm>
#include <bit>

namespace gif {

TColorMasks TColorMasks::Coarser() const {
  const auto coarser = [](std::uint8_t mask) { return static_cast<std::uint8_t>(mask << 1); };
  TColorMasks next = *this;
  if (Red < Green)
    next.Green = coarser(Green);
  else if (Red > Blue)
    next.Red = coarser(Red);
  else
    next.Blue = coarser(Blue);
  return next;
}

ColorHistogram::ColorHistogram(unsigned capacity)
    : capacity_(capacity),
      shift_(32 - static_cast<unsigned>(std::countr_zero(std::bit_ceil(2 * capacity)))),
      mask_(std::bit_ceil(2 * capacity) - 1),
      slots_(std::bit_ceil(2 * capacity), 0) {
  keys_.reserve(capacity);
  counts_.reserve(capacity);
}

void ColorHistogram::Clear() {
  std::fill(slots_.begin(), slots_.end(), 0);
  keys_.clear();
  counts_.clear();
}

}  // namespace gif
