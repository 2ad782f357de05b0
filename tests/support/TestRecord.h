// Small Stroop records for tests, written column by column in the record's own layout.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

struct Row {
  int stimul1, answer1;
  double time1;
  int stimul2, answer2;
  double time2;
  int answer3;
  double time3;
  int answer4;
  double time4;
};

// A 60-character stimulus row: "%6d%7d%7.3f%6d%7d%7.3f%3d%7.3f%3d%7.3f" with '.' as the separator.
std::string StimulusRow(const Row& row);

// A whole record (CP1251 lines): the header with the four totals on line 7 as written ("105", "
// 92"), four summary rows, the stimulus header, then the rows. Line 4 holds rows.size().
std::vector<std::string> RecordLines(const char* totals[4], const std::vector<Row>& rows);

// RecordLines with the totals 105, 92, 107, 117 and two rows.
std::vector<std::string> StandardRecordLines();

// The standard record's header with another subject's code (line 3) and identification line
// (line 2), and `stimuli` rows whose answers are right and wrong in a fixed pattern.
std::vector<std::string> RecordOf(const std::string& code, int stimuli = 2);

// Four stimuli whose summary rows (lines 13..16) agree with them: means 0.8, 0.6, 1.0, 1.1;
// population SDs √0.05 = 0.2236 (0 for subtest 2), sample SDs √(0.2/3) = 0.2582, printed as the
// sample SD for subtests 1 and 4 and the population SD for subtest 3; one wrong answer in subtests
// 1 (row 4), 3 (row 3) and 4 (row 4). Totals 105, 92, 107, 117.
std::vector<std::string> AgreeingRecordLines();

}  // namespace testsupport
