#include "gif/FirstSeenColors.h"

#include <algorithm>

namespace gif {

TPalettePositions PaletteByCount(const FirstSeenColors& colors, const TColorCounts& counts,
                                 const std::array<unsigned, kMaxFewColors>& firstMet,
                                 std::vector<TRGBQuad>& palette) {
  std::array<std::uint8_t, kMaxFewColors> order;
  const unsigned found = colors.Count();
  for (unsigned i = 0; i < found; ++i) order[i] = static_cast<std::uint8_t>(i);
  std::sort(order.begin(), order.begin() + found, [&](std::uint8_t a, std::uint8_t b) {
    return counts[a] != counts[b] ? counts[a] > counts[b] : firstMet[a] < firstMet[b];
  });
  TPalettePositions positions = SamePositions();
  palette.assign(kMaxFewColors, TRGBQuad{128, 128, 128, 0});
  for (unsigned position = 0; position < found; ++position) {
    const std::uint32_t color = colors.Color(order[position]);
    palette[position] =
        TRGBQuad{static_cast<std::uint8_t>(color), static_cast<std::uint8_t>(color >> 8),
                 static_cast<std::uint8_t>(color >> 16), 0};
    positions[order[position]] = static_cast<std::uint8_t>(position);
  }
  return positions;
}

}  // namespace gif
