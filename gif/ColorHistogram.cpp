// Clearing the colour histogram in place between counting passes.
#include "gif/ColorHistogram.h"

namespace gif {

void ColorHistogram::Clear(std::uint8_t redMask, std::uint8_t greenMask, std::uint8_t blueMask) {
  EntryCount = 0;
  RedMask = redMask;
  GreenMask = greenMask;
  BlueMask = blueMask;
  Slots.fill(kEmptySlot);
}

}  // namespace gif
