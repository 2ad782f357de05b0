// The bmp2gif converter end to end: a PPM file in, a GIF file out that giflib reads back.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestSupport.h"
#include "tests/support/TempFolder.h"

namespace giftest {
namespace {

TEST(Bmp2gif, ConvertsAPpmFileAndReportsFailures) {
  const testsupport::TempFolder folder("gif_tests_bmp2gif");
  // 5 x 3: a red left column, a blue top row, the rest green.
  std::string ppm = "P6\n5 3\n255\n";
  std::vector<Rgb> expected;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      const Rgb c = x == 0 ? Rgb{255, 0, 0} : y == 0 ? Rgb{0, 0, 255} : Rgb{0, 255, 0};
      expected.push_back(c);
      ppm.append(reinterpret_cast<const char*>(c.data()), 3);
    }
  std::ofstream(folder / "in.ppm", std::ios::binary) << ppm;

  const std::string tool = BMP2GIF_PATH;
  const auto run = [&](const std::string& args) {
    return std::system((tool + " " + args + " 2>/dev/null").c_str());
  };
  ASSERT_EQ(run((folder / "in.ppm").string() + " " + (folder / "out.gif").string()), 0);
  std::ifstream in(folder / "out.gif", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  const DecodedGif gif = DecodeWithGiflib(bytes.str());
  EXPECT_EQ(gif.Version, "87a");
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(gif.ColorAt(0, x, y), expected[static_cast<std::size_t>(y * 5 + x)]);

  EXPECT_NE(run((folder / "missing.ppm").string() + " " + (folder / "x.gif").string()), 0);
  EXPECT_FALSE(std::filesystem::exists(folder / "x.gif"));
  EXPECT_NE(run((folder / "in.ppm").string()), 0);
}

}  // namespace
}  // namespace giftest
