// Packs variable-width LZW codes least significant bit first into GIF data sub-blocks of up to 255
// bytes, ended by a zero-length block.
#pragma once

#include <cstdint>
#include <string>

namespace gif {

// Coder state shared by the encoder and the two writing steps.
struct LZWCoderState {
  int CodeSize = 0;               // bits of the next code
  std::uint64_t PendingBits = 0;  // bits not yet in a whole byte, lowest first
  int PendingCount = 0;
  int BlockLength = 0;           // data bytes in Block after its length byte
  std::uint8_t Block[256] = {};  // length byte, then up to 255 data bytes
};

// Appends one code of CodeSize bits; a sub-block leaves for `out` as soon as it holds 255 bytes.
inline void EmitCode(std::string& out, unsigned code, LZWCoderState& state) {
  state.PendingBits |= static_cast<std::uint64_t>(code) << state.PendingCount;
  state.PendingCount += state.CodeSize;
  while (state.PendingCount >= 8) {
    state.Block[1 + state.BlockLength++] = static_cast<std::uint8_t>(state.PendingBits);
    state.PendingBits >>= 8;
    state.PendingCount -= 8;
    if (state.BlockLength == 255) {
      state.Block[0] = 255;
      out.append(reinterpret_cast<const char*>(state.Block), 256);
      state.BlockLength = 0;
    }
  }
}

// Writes the last, partly filled sub-block (never an empty one) and the zero-length terminator.
inline void FinishCodeStream(std::string& out, LZWCoderState& state) {
  if (state.PendingCount > 0) {
    state.Block[1 + state.BlockLength++] = static_cast<std::uint8_t>(state.PendingBits);
    state.PendingBits = 0;
    state.PendingCount = 0;
  }
  if (state.BlockLength > 0) {
    state.Block[0] = static_cast<std::uint8_t>(state.BlockLength);
    out.append(reinterpret_cast<const char*>(state.Block), 1 + state.BlockLength);
    state.BlockLength = 0;
  }
  out.push_back('\0');
}

}  // namespace gif
