// Layout of a frame's extension blocks and of string lists written as data sub-blocks.
#include "gif/Extension.h"

#include <algorithm>

namespace gif {

TExtension::TExtension(TExtensionKind kind) : kind_(kind) {
  switch (kind) {
    case TExtensionKind::GraphicControl: BlockBytes = {4, 0, 0, 0, 0, 0}; break;
    case TExtensionKind::PlainText:
      BlockBytes.assign(13, 0);
      BlockBytes[0] = 12;
      break;
    case TExtensionKind::Application:
      BlockBytes.assign(12, 0);
      BlockBytes[0] = 11;
      break;
    case TExtensionKind::Comment: break;
  }
}

std::uint8_t TExtension::Label() const {
  switch (kind_) {
    case TExtensionKind::GraphicControl: return 0xF9;
    case TExtensionKind::PlainText: return 0x01;
    case TExtensionKind::Application: return 0xFF;
    case TExtensionKind::Comment: break;
  }
  return 0xFE;
}

void TExtension::WriteTo(std::string& out) const {
  out.push_back(0x21);
  out.push_back(static_cast<char>(Label()));
  out.append(BlockBytes.begin(), BlockBytes.end());
  if (kind_ != TExtensionKind::GraphicControl) WriteSubBlocks(out, DataLines);
}

void WriteSubBlocks(std::string& out, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    const std::size_t n = std::min<std::size_t>(line.size(), 255);
    out.push_back(static_cast<char>(n));
    out.append(line, 0, n);
  }
  out.push_back('\0');
}

}  // namespace gif
