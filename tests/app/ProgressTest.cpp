// The progress line: its text, and nothing at all when standard error is not a terminal.
#include <gtest/gtest.h>

#include <sstream>

#include "app/Progress.h"

namespace app {
namespace {

using std::chrono::seconds;

TEST(Progress, LineText) {
  const struct {
    size_t done, total;
    int elapsed;
    const char* line;
  } cases[] = {
      // clang-format off
      {0,    1000, 0,    "[   0/1000] 00:00 left"},
      {120,  1000, 3,    "[ 120/1000] 00:22 left"},  // 3 s / 120 · 880 = 22 s
      {1,    3,    45,   "[1/3] 01:30 left"},
      {1,    2,    3600, "[1/2] 1:00:00 left"},
      {5,    500,  61,   "[  5/500] 1:40:39 left"},  // 12.2 s · 495 = 6039 s
      {1000, 1000, 99,   "[1000/1000] 00:00 left"},
      // clang-format on
  };
  for (const auto& c : cases)
    EXPECT_EQ(Progress::Line(c.done, c.total, seconds(c.elapsed)), c.line) << c.line;
}

TEST(Progress, OneLineRewrittenThenCleared) {
  std::ostringstream out;
  Progress progress(out, 2, true);
  progress.Step();
  progress.Step();
  progress.Clear();
  const std::string text = out.str();
  EXPECT_TRUE(text.starts_with("\r[1/2] ")) << text;
  EXPECT_NE(text.find("\r[2/2] 00:00 left"), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with("\r" + std::string(16, ' ') + "\r")) << text;
  EXPECT_EQ(text.find('\n'), std::string::npos);

  std::ostringstream quiet;
  Progress hidden(quiet, 2, false);
  hidden.Step();
  hidden.Clear();
  EXPECT_EQ(quiet.str(), "");
}

}  // namespace
}  // namespace app
