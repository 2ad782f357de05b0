// Extreme records: a generated record with fields overwritten at the record's fixed columns.
#include "tests/support/ExtremeRecord.h"

#include <cassert>
#include <stdexcept>

#include "runtime/TextFile.h"
#include "tools/make-sample-records/SampleRecord.h"

namespace testsupport {
namespace {

constexpr int kFirstRow = 20;

// 1-based column of the time of subtest s in a stimulus row, and of its answer code.
int TimeColumn(int subtest) { return subtest == 1 ? 14 : 10 * (subtest - 2) + 34; }
int AnswerColumn(int subtest) { return subtest == 1 ? 13 : 10 * (subtest - 2) + 33; }

}  // namespace

ExtremeRecord::ExtremeRecord(int stimuli) {
  samples::Subject subject{"7001",
                           "Крайний Т.Т.",
                           "01.01.2026 09:00:00",
                           stimuli,
                           {0.7, 0.6, 0.8, 0.9},
                           0.3,
                           {0.02, 0.02, 0.1, 0.1},
                           7};
  lines_ = runtime::SplitTextLines(samples::MakeRecord(subject));
}

void ExtremeRecord::Put(int line, int pos, int width, std::string_view text) {
  if (static_cast<int>(text.size()) > width) throw std::invalid_argument("field too wide");
  std::string& l = lines_.at(static_cast<size_t>(line));
  if (static_cast<int>(l.size()) < pos - 1 + width)
    l.resize(static_cast<size_t>(pos - 1 + width), ' ');
  const std::string field =
      std::string(static_cast<size_t>(width) - text.size(), ' ') + std::string(text);
  l.replace(static_cast<size_t>(pos - 1), static_cast<size_t>(width), field);
}

ExtremeRecord& ExtremeRecord::Time(int j, int subtest, std::string_view text) {
  Put(kFirstRow + j, TimeColumn(subtest), 7, text);
  return *this;
}

ExtremeRecord& ExtremeRecord::AllTimes(std::string_view text) {
  for (int j = 0; kFirstRow + j < static_cast<int>(lines_.size()); ++j)
    for (int s = 1; s <= 4; ++s) Time(j, s, text);
  return *this;
}

ExtremeRecord& ExtremeRecord::Summary(int subtest, std::string_view mean, std::string_view sd) {
  Put(12 + subtest, 1, 6, mean);
  Put(12 + subtest, 7, 6, sd);
  return *this;
}

ExtremeRecord& ExtremeRecord::Errors(int subtest, std::string_view count) {
  Put(12 + subtest, 31, 4, count);
  return *this;
}

ExtremeRecord& ExtremeRecord::AllAnswersWrong() {
  for (int j = 0; kFirstRow + j < static_cast<int>(lines_.size()); ++j) {
    std::string& l = lines_[static_cast<size_t>(kFirstRow + j)];
    const char stimul1 = l.at(5);
    const char stimul2 = l.at(25);
    // Subtests 1 and 4 ask for the colour shown, 2 and 3 for the word; the next code is always
    // wrong.
    for (int s = 1; s <= 4; ++s) {
      const char correct = (s == 1 || s == 4) ? stimul1 : stimul2;
      const char wrong = static_cast<char>('0' + (correct - '0' + 1) % 3);
      Put(kFirstRow + j, AnswerColumn(s), 1, std::string_view(&wrong, 1));
    }
  }
  return *this;
}

std::string ExtremeRecord::Bytes() const { return runtime::JoinLinesCrLf(lines_); }

}  // namespace testsupport
