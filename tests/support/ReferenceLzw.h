// A plain LZW encoder for the tests, written from the code-table rules with a std::map: the
// writer's bytes must equal what it packs, and its code list shows where widths change and resets
// fall.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

struct LzwCode {
  unsigned Value;
  int Width;
};

struct ReferenceCodes {
  std::vector<LzwCode> Codes;
  std::vector<std::size_t> ResetPixels;  // index of the pixel at which each reset happened
};

ReferenceCodes ReferenceLzwCodes(const std::vector<std::uint8_t>& pixels, int bitCount);

// Minimum code size byte, codes packed lowest bit first, 255-byte sub-blocks, terminator.
std::string PackCodes(int bitCount, const std::vector<LzwCode>& codes);

}  // namespace testsupport
