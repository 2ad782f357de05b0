// The run's progress on one line that rewrites itself, "[ 120/1000] 00:03 left", for a terminal.
#pragma once

#include <chrono>
#include <ostream>
#include <string>

namespace app {

class Progress {
 public:
  using Clock = std::chrono::steady_clock;

  // Nothing is shown unless `shown` (standard error is a terminal).
  Progress(std::ostream& out, size_t total, bool shown);

  // One more record is done; the line is redrawn at most ten times a second, and for the last one.
  void Step();
  // Blanks the line, so what is printed next starts on a clean one.
  void Clear();

  // "[ 120/1000] 00:03 left": the count right-aligned to the total's width, the time left as
  // minutes and seconds (hours first from an hour on), estimated from the pace so far.
  static std::string Line(size_t done, size_t total, Clock::duration elapsed);

 private:
  std::ostream& out_;
  size_t total_;
  bool shown_;
  size_t done_ = 0;
  size_t width_ = 0;  // of the line last drawn
  Clock::time_point start_ = Clock::now();
  Clock::time_point drawn_{};
};

}  // namespace app
