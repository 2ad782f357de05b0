// Synthetic Stroop records in the test program's exact column layout, for the bundled samples and
// benchmarks.
#pragma once

#include <cstdint>
#include <string>

namespace samples {

// What one simulated subject is like.
struct Subject {
  std::string code;      // line 2, e.g. "0507"
  std::string name;      // UTF-8, e.g. "Петрова А.С."
  std::string dateTime;  // "12.03.2004 10:15:00"
  int stimulusCount = 140;
  double meanTime[4];   // mean reaction time per subtest, seconds
  double spread = 0.3;  // relative spread of the reaction times
  double errorRate[4];  // share of wrong answers per subtest
  uint32_t seed = 1;
  int equalFirstTwoTotals =
      0;  // when 1, T2 is written equal to T1 (a record without a report paragraph)
};

// The whole record as CP1251 bytes with CR LF line ends and "." as the decimal separator.
std::string MakeRecord(const Subject& subject);

}  // namespace samples
