// Draws and clears the progress line with carriage returns.
#include "app/Progress.h"

#include <cstdio>

namespace app {

Progress::Progress(std::ostream& out, size_t total, bool shown)
    : out_(out), total_(total), shown_(shown) {}

void Progress::Step() {
  ++done_;
  if (!shown_) return;
  const Clock::time_point now = Clock::now();
  if (done_ < total_ && now - drawn_ < std::chrono::milliseconds(100)) return;
  drawn_ = now;
  const std::string line = Line(done_, total_, now - start_);
  out_ << '\r' << line;
  if (line.size() < width_) out_ << std::string(width_ - line.size(), ' ');
  out_.flush();
  width_ = line.size();
}

void Progress::Clear() {
  if (!shown_ || width_ == 0) return;
  out_ << '\r' << std::string(width_, ' ') << '\r';
  out_.flush();
  width_ = 0;
}

std::string Progress::Line(size_t done, size_t total, Clock::duration elapsed) {
  const int width = static_cast<int>(std::to_string(total).size());
  const double perRecord = done > 0 ? std::chrono::duration<double>(elapsed).count() / done : 0;
  const long long left =
      static_cast<long long>(perRecord * static_cast<double>(total - done) + 0.5);
  char text[96];
  if (left >= 3600) {
    std::snprintf(text, sizeof text, "[%*zu/%zu] %lld:%02lld:%02lld left", width, done, total,
                  left / 3600, left / 60 % 60, left % 60);
  } else {
    std::snprintf(text, sizeof text, "[%*zu/%zu] %02lld:%02lld left", width, done, total, left / 60,
                  left % 60);
  }
  return text;
}

}  // namespace app
