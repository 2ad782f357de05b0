// Cutting the packed codes into GIF data sub-blocks.
#include "gif/CodeStream.h"

#include <algorithm>

namespace gif {

void LZWCodeWriter::SendBlocks(std::size_t held) {
  for (std::size_t at = 0; at < held; at += 255) {
    const std::size_t n = std::min<std::size_t>(255, held - at);
    out_.push_back(static_cast<char>(n));
    out_.append(reinterpret_cast<const char*>(buffer_.data() + at), n);
  }
}

LZWBitCursor LZWCodeWriter::SendFullBlocks(LZWBitCursor cursor) {
  const std::size_t held = static_cast<std::size_t>(cursor.At - buffer_.data());
  const std::size_t full = held / 255 * 255;
  SendBlocks(full);
  sent_ += full;
  // The pending bits stay in the cursor and are stored again with the next code.
  std::memmove(buffer_.data(), buffer_.data() + full, held - full);
  cursor.At = buffer_.data() + (held - full);
  return cursor;
}

void LZWCodeWriter::FinishCodeStream() {
  if (cursor_.Count > 0) *cursor_.At++ = static_cast<std::uint8_t>(cursor_.Bits);
  SendBlocks(static_cast<std::size_t>(cursor_.At - buffer_.data()));
  cursor_ = LZWBitCursor{0, 0, buffer_.data()};
  out_.push_back('\0');
}

}  // namespace gif
