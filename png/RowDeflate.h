// A zlib stream for picture rows: fast where the data is runs of a byte and rows that repeat.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace png {

// Compresses `size` bytes into a zlib stream (one deflate block of the fixed codes) whose only
// matches are runs of one byte and repeats of the bytes `rowStride` earlier (the row above, when
// the data is rows of that many bytes; a stride over the 32 KiB window finds runs only). Costs a
// few compares a byte where a general compressor searches a dictionary; the output of anything
// without runs is up to 1/8 larger than the input.
std::string DeflateRows(const std::uint8_t* data, std::size_t size, std::size_t rowStride);

// DeflateRows over data given a slice at a time, so each slice is compressed while it is cached.
class RowDeflater {
 public:
  // For `size` bytes in all.
  RowDeflater(std::size_t size, std::size_t rowStride);
  ~RowDeflater();
  RowDeflater(const RowDeflater&) = delete;
  RowDeflater& operator=(const RowDeflater&) = delete;

  // Compresses what it can of the first `available` bytes of `data`: the same buffer on every
  // call, holding every byte given so far.
  void Take(const std::uint8_t* data, std::size_t available);
  // The whole stream, once `data` holds all `size` bytes.
  std::string Finish(const std::uint8_t* data);

  // How many of the first bytes of the buffer the stream will not read again: the caller may drop
  // them and say so with Dropped, so that its buffer holds a few rows, not the whole data.
  std::size_t Unneeded() const;
  // The buffer given to Take and Finish now starts `bytes` later in the data, a multiple of the
  // row stride (for the checksum's rows) and at most Unneeded().
  void Dropped(std::size_t bytes);

 private:
  // `bits` low bits of `value` into the stream, first bit lowest.
  void Put(std::uint32_t value, int bits);
  // Carries the checksum over the bytes up to `end`.
  void Sum(const std::uint8_t* data, std::size_t end);

  std::size_t size_;       // the data's size, counted from the buffer's start
  std::size_t rowStride_;  // 0 when rows are too far apart to match
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::uint8_t* out_;
  std::uint64_t pending_ = 0;
  int pendingBits_ = 0;
  std::size_t at_ = 0;      // where the parse goes on
  std::size_t summed_ = 0;  // how many bytes the checksum holds
  std::uint32_t adler_ = 1;
  // Adler32 from 0 of the last whole row summed: its byte sum and its weighted sum.
  std::uint32_t rowSums_ = 0;
};

}  // namespace png
