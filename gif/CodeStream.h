// Packs variable-width LZW codes least significant bit first into GIF data sub-blocks of up to 255
// bytes, ended by a zero-length block.
#pragma once

#include <cstdint>
#include <string>

namespace gif {

// Coder state shared by the encoder and the two writing steps.
struct LZWCoderState {
  int CodeSize = 0;                  // bits of the next code
  std::uint64_t PendingBits = 0;     // bits not yet in the block, lowest first
  int PendingCount = 0;              // fewer than 32 between calls
  int BlockLength = 0;               // data bytes in Block after its length byte
  std::uint8_t Block[1 + 258] = {};  // length byte, 255 data bytes and room for 3 more
};

namespace detail {

// Sends the full sub-block and keeps the bytes beyond its 255 for the next one.
inline void SendFullBlock(std::string& out, LZWCoderState& state) {
  state.Block[0] = 255;
  out.append(reinterpret_cast<const char*>(state.Block), 256);
  state.BlockLength -= 255;
  for (int i = 0; i < state.BlockLength; ++i) state.Block[1 + i] = state.Block[256 + i];
}

}  // namespace detail

// Appends one code of CodeSize bits. Whole bytes move to the block four at a time, and a sub-block
// leaves for `out` as soon as it holds 255 bytes.
inline void EmitCode(std::string& out, unsigned code, LZWCoderState& state) {
  state.PendingBits |= static_cast<std::uint64_t>(code) << state.PendingCount;
  state.PendingCount += state.CodeSize;
  if (state.PendingCount < 32) return;
  std::uint8_t* at = state.Block + 1 + state.BlockLength;
  const auto bits = static_cast<std::uint32_t>(state.PendingBits);
  at[0] = static_cast<std::uint8_t>(bits);
  at[1] = static_cast<std::uint8_t>(bits >> 8);
  at[2] = static_cast<std::uint8_t>(bits >> 16);
  at[3] = static_cast<std::uint8_t>(bits >> 24);
  state.PendingBits >>= 32;
  state.PendingCount -= 32;
  state.BlockLength += 4;
  if (state.BlockLength >= 255) detail::SendFullBlock(out, state);
}

// Writes the remaining bits, the last, partly filled sub-block (never an empty one) and the
// zero-length terminator.
inline void FinishCodeStream(std::string& out, LZWCoderState& state) {
  for (; state.PendingCount > 0; state.PendingCount -= 8) {
    state.Block[1 + state.BlockLength++] = static_cast<std::uint8_t>(state.PendingBits);
    state.PendingBits >>= 8;
    if (state.BlockLength == 255) detail::SendFullBlock(out, state);
  }
  state.PendingCount = 0;
  if (state.BlockLength > 0) {
    state.Block[0] = static_cast<std::uint8_t>(state.BlockLength);
    out.append(reinterpret_cast<const char*>(state.Block), 1 + state.BlockLength);
    state.BlockLength = 0;
  }
  out.push_back('\0');
}

}  // namespace gif
