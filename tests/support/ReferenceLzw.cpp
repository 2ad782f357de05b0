// Reference LZW encoding, slow and obvious.
#include "tests/support/ReferenceLzw.h"

#include <algorithm>
#include <map>
#include <utility>

namespace testsupport {

ReferenceCodes ReferenceLzwCodes(const std::vector<std::uint8_t>& pixels, int bitCount) {
  const int init = bitCount == 1 ? 3 : bitCount + 1;
  const unsigned clear = 1u << (init - 1), end = clear + 1;
  ReferenceCodes out;
  std::map<std::pair<unsigned, unsigned>, unsigned> table;
  unsigned next = end + 1;
  int width = init;
  out.Codes.push_back({clear, width});
  bool have = false;
  unsigned current = 0;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const unsigned p = pixels[i];
    if (!have) {
      current = p;
      have = true;
      continue;
    }
    const auto found = table.find({current, p});
    if (found != table.end()) {
      current = found->second;
      continue;
    }
    out.Codes.push_back({current, width});
    const unsigned assigned = next++;
    table[{current, p}] = assigned;
    current = p;
    if (assigned == (1u << width)) {
      ++width;
    } else if (assigned == 4094) {
      out.Codes.push_back({current, width});
      out.Codes.push_back({clear, width});
      table.clear();
      next = end + 1;
      width = init;
      have = false;
      out.ResetPixels.push_back(i);
    }
  }
  if (have) out.Codes.push_back({current, width});
  out.Codes.push_back({end, width});
  return out;
}

std::string PackCodes(int bitCount, const std::vector<LzwCode>& codes) {
  std::vector<std::uint8_t> data;
  std::size_t bit = 0;
  for (const LzwCode& code : codes) {
    for (int b = 0; b < code.Width; ++b, ++bit) {
      if (bit % 8 == 0) data.push_back(0);
      if (code.Value >> b & 1) data.back() |= static_cast<std::uint8_t>(1 << (bit % 8));
    }
  }
  std::string out(1, static_cast<char>(bitCount == 1 ? 2 : bitCount));
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t n = std::min<std::size_t>(255, data.size() - at);
    out.push_back(static_cast<char>(n));
    out.append(reinterpret_cast<const char*>(data.data() + at), n);
  }
  out.push_back('\0');
  return out;
}

}  // namespace testsupport
