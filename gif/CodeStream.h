// Packs variable-width LZW codes least significant bit first into GIF data sub-blocks of up to 255
// bytes, ended by a zero-length block.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

namespace gif {

// Where the next code goes: the bits not yet making a whole byte (fewer than 8 between codes) and
// the next byte. A plain value, so that an encoding loop can keep it in registers.
struct LZWBitCursor {
  std::uint64_t Bits = 0;
  unsigned Count = 0;
  std::uint8_t* At = nullptr;

  // Stores the pending bits and the code as one 8-byte word, then moves past its whole bytes.
  void Put(unsigned code, unsigned size) {
    Bits |= std::uint64_t{code} << Count;
    Count += size;
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(At, &Bits, 8);
    } else {
      for (int i = 0; i < 8; ++i) At[i] = static_cast<std::uint8_t>(Bits >> (8 * i));
    }
    const unsigned bytes = Count >> 3;
    At += bytes;
    Bits >>= bytes * 8;
    Count &= 7;
  }
};

// Codes collect as plain bytes in a buffer of a few sub-blocks, which leave for the destination
// with their length bytes once the buffer is full: the destination gets few, large appends.
class LZWCodeWriter {
 public:
  explicit LZWCodeWriter(std::string& destination) : out_(destination) {
    cursor_.At = buffer_.data();
  }
  LZWCodeWriter(const LZWCodeWriter&) = delete;
  LZWCodeWriter& operator=(const LZWCodeWriter&) = delete;

  // Appends one code of `size` bits.
  void EmitCode(unsigned code, unsigned size) {
    cursor_.Put(code, size);
    if (Full(cursor_)) cursor_ = SendFullBlocks(cursor_);
  }

  // Writes the remaining bits, the bytes still held as sub-blocks (the last one partly filled,
  // never empty) and the zero-length terminator.
  void FinishCodeStream();

  // For loops that keep the cursor in a local: take it, Put codes while Full is false (or Room
  // allows), send the full blocks, and hand it back before any other call.
  LZWBitCursor Cursor() const { return cursor_; }
  void SetCursor(const LZWBitCursor& cursor) { cursor_ = cursor; }
  bool Full(const LZWBitCursor& cursor) const {
    return cursor.At >= buffer_.data() + kBufferedBytes;
  }
  // Bytes that can still be added before the buffer is full; a code adds at most 2.
  std::size_t Room(const LZWBitCursor& cursor) const {
    return static_cast<std::size_t>(buffer_.data() + kBufferedBytes - cursor.At);
  }
  // Bits written up to the cursor, from the first code's first bit; length bytes not counted.
  std::uint64_t BitsWritten(const LZWBitCursor& cursor) const {
    return (sent_ + static_cast<std::uint64_t>(cursor.At - buffer_.data())) * 8 + cursor.Count;
  }
  // Sends every complete 255-byte sub-block and returns the cursor moved to the bytes kept.
  LZWBitCursor SendFullBlocks(LZWBitCursor cursor);

 private:
  static constexpr std::size_t kBufferedBytes = 16 * 255;

  // Sends the first `held` bytes, the last sub-block possibly shorter.
  void SendBlocks(std::size_t held);

  std::string& out_;
  std::uint64_t sent_ = 0;  // code bytes sent
  LZWBitCursor cursor_;
  std::array<std::uint8_t, kBufferedBytes + 8> buffer_{};  // 8 bytes of room for a word store
};

}  // namespace gif
