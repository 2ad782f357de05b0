// Every stream must inflate, with zlib's own decoder, to exactly the bytes given; where the data
// repeats, it must also be much smaller, or the matches were never used.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "png/RowDeflate.h"

namespace {

std::vector<std::uint8_t> Inflate(const std::string& stream, std::size_t size) {
  std::vector<std::uint8_t> out(size + 1);
  uLongf length = out.size();
  const int status =
      uncompress(out.data(), &length, reinterpret_cast<const Bytef*>(stream.data()), stream.size());
  EXPECT_EQ(status, Z_OK);
  out.resize(length);
  return out;
}

std::vector<std::uint8_t> Random(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::uint8_t> bytes(size);
  for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
  return bytes;
}

// `rows` rows of `stride` bytes: a random first row, then each row the one above with one byte
// changed.
std::vector<std::uint8_t> NearlyRepeatedRows(std::size_t stride, std::size_t rows) {
  std::vector<std::uint8_t> bytes = Random(stride, 7);
  for (std::size_t row = 1; row < rows; ++row) {
    bytes.insert(bytes.end(), bytes.end() - static_cast<std::ptrdiff_t>(stride), bytes.end());
    bytes[row * stride + row % stride] ^= 0x5A;
  }
  return bytes;
}

// Rows of `stride` bytes in stretches of exact repeats, with a last row cut short.
std::vector<std::uint8_t> RepeatedRows(std::size_t stride, std::size_t rows) {
  std::vector<std::uint8_t> bytes = Random(stride, 9);
  for (std::size_t row = 1; row < rows; ++row) {
    bytes.insert(bytes.end(), bytes.end() - static_cast<std::ptrdiff_t>(stride), bytes.end());
    if (row % 5 == 0) bytes[row * stride + row % stride] ^= 0xFF;
  }
  bytes.resize(bytes.size() - stride / 2);
  return bytes;
}

// Runs of one byte of every length from 1 to 600, so every length code and its extra bits occur.
std::vector<std::uint8_t> RunsOfEveryLength() {
  std::vector<std::uint8_t> bytes;
  for (std::size_t length = 1; length <= 600; ++length)
    bytes.insert(bytes.end(), length, static_cast<std::uint8_t>(length));
  return bytes;
}

TEST(RowDeflate, InflatesToTheSameBytes) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> data;
    std::size_t stride;
    std::size_t atMost;  // compressed size, 0 for no limit
  };
  const Case cases[] = {
      {"nothing", {}, 10, 0},
      {"one byte", {0xFF}, 1, 0},
      {"every byte value, no repeats", Random(4096, 1), 64, 0},
      {"runs of every length", RunsOfEveryLength(), 0, 12000},
      {"one long run", std::vector<std::uint8_t>(100000, 3), 100, 1200},
      {"rows differing in a byte", NearlyRepeatedRows(301, 200), 301, 3000},
      {"rows repeated exactly", RepeatedRows(301, 200), 301, 3000},
      {"long rows repeated exactly", RepeatedRows(16385, 7), 16385, 0},
      {"rows a whole window apart", NearlyRepeatedRows(32768, 4), 32768, 40000},
      {"rows beyond the window", NearlyRepeatedRows(32769, 3), 32769, 0},
      {"no rows", Random(1000, 2), 0, 0},
  };
  for (const Case& c : cases) {
    const std::string stream = png::DeflateRows(c.data.data(), c.data.size(), c.stride);
    EXPECT_EQ(Inflate(stream, c.data.size()), c.data) << c.what;
    if (c.atMost > 0) {
      EXPECT_LE(stream.size(), c.atMost) << c.what;
    }
    // Without matches, at most 9 bits a byte.
    EXPECT_LE(stream.size(), c.data.size() * 9 / 8 + 12) << c.what;
  }
}

// Given a slice at a time, the stream is the one the whole data gives: no match reaches past the
// bytes given.
TEST(RowDeflate, SlicesGiveTheSameStream) {
  for (const auto& data : {NearlyRepeatedRows(301, 40), RepeatedRows(301, 40)}) {
    const std::string whole = png::DeflateRows(data.data(), data.size(), 301);
    EXPECT_EQ(Inflate(whole, data.size()), data);
    for (const std::size_t slice : {1u, 7u, 258u, 259u, 301u, 602u, 1000u}) {
      png::RowDeflater deflater(data.size(), 301);
      for (std::size_t given = slice; given < data.size(); given += slice)
        deflater.Take(data.data(), given);
      EXPECT_EQ(deflater.Finish(data.data()), whole) << slice;
    }
  }
}

// A caller that keeps only the bytes the stream still reads gets the same stream from a buffer of a
// slice and little more.
TEST(RowDeflate, DroppingWhatIsNoLongerReadGivesTheSameStream) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> data;
    std::size_t stride;
  };
  const Case cases[] = {
      {"rows repeated exactly", RepeatedRows(301, 60), 301},
      {"runs, narrow rows", RunsOfEveryLength(), 2},
      {"rows beyond the window", NearlyRepeatedRows(32769, 4), 32769},
  };
  for (const Case& c : cases)
    for (const std::size_t rows : {1u, 3u}) {
      const std::size_t slice = rows * c.stride;
      png::RowDeflater deflater(c.data.size(), c.stride);
      std::vector<std::uint8_t> buffer;
      std::size_t largest = 0;
      for (std::size_t given = 0;;) {
        const std::size_t more = std::min(slice, c.data.size() - given);
        buffer.insert(buffer.end(), c.data.begin() + static_cast<std::ptrdiff_t>(given),
                      c.data.begin() + static_cast<std::ptrdiff_t>(given + more));
        given += more;
        largest = std::max(largest, buffer.size());
        if (given == c.data.size()) break;
        deflater.Take(buffer.data(), buffer.size());
        const std::size_t drop = deflater.Unneeded() / c.stride * c.stride;
        buffer.erase(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(drop));
        deflater.Dropped(drop);
      }
      EXPECT_EQ(deflater.Finish(buffer.data()),
                png::DeflateRows(c.data.data(), c.data.size(), c.stride))
          << c.what << ", " << rows << " rows a slice";
      EXPECT_LE(largest, slice + 2 * c.stride + 258 + c.stride) << c.what;
    }
}

}  // namespace
