// Stroop records with extreme contents, made from a generated record by overwriting fixed-column
// fields.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

class ExtremeRecord {
 public:
  // A well-formed record of `stimuli` rows ("." as the decimal separator).
  explicit ExtremeRecord(int stimuli);

  // Reaction time of stimulus j (0-based) in subtest s, written into its 7-character column.
  ExtremeRecord& Time(int j, int subtest, std::string_view text);
  // The same time text for every stimulus and subtest.
  ExtremeRecord& AllTimes(std::string_view text);
  // Mean and SD of subtest s, each in its 6-character column.
  ExtremeRecord& Summary(int subtest, std::string_view mean, std::string_view sd);
  // Error count of subtest s in its 4-character column.
  ExtremeRecord& Errors(int subtest, std::string_view count);
  // Every answer the opposite of what the subtest asks for.
  ExtremeRecord& AllAnswersWrong();

  // The record file's bytes, CP1251 with CR LF line ends.
  std::string Bytes() const;
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  // Overwrites line `line` at 1-based position `pos` with `text`, right-aligned in `width`
  // characters.
  void Put(int line, int pos, int width, std::string_view text);

  std::vector<std::string> lines_;
};

}  // namespace testsupport
