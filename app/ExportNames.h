// The names of the export's outputs: the subject code made safe for a file name, cut to fit one,
// and made distinct from the names earlier records of the run already have.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace app {

// The longest file name, in bytes, that the file systems in use accept.
inline constexpr size_t kMaxFileNameBytes = 255;

// The subject code (CP1251) with path separators, control characters (C0, DEL and 0x98, the one
// byte the code page leaves undefined and that stands for a C1 control) replaced by "_", so a
// record can never name a file outside the export folder or put terminal controls into a name.
std::string FileSafeSubjectCode(std::string_view subjectCodeCp1251);

// "<code> Stroop.txt" and "<code> <subtest>.Stroop.gif" in UTF-8 for the file-safe code; the
// other outputs keep these patterns with their own extension ("<code> Stroop.pdf",
// "<code> 2.Stroop.png").
std::string ExportReportFileName(std::string_view subjectCodeCp1251,
                                 std::string_view extension = "txt");
std::string ExportChartFileName(std::string_view subjectCodeCp1251, int subtest,
                                std::string_view extension = "gif");

// The part before " Stroop.txt" and " <s>.Stroop.gif" in every output name of one record (CP1251).
struct OutputStem {
  std::string stem;
  bool shortened = false;  // the code was too long for a file name and was cut
  bool numbered = false;   // an earlier record has the same name: " (2)", " (3)"... was added
};

// Hands out the stems of one run's records in their order, so no record's outputs replace
// another's.
class OutputNames {
 public:
  // The file-safe code, cut at a character so that the longest output name still fits a file name,
  // and numbered " (2)", " (3)"... when the name is taken (identical codes, or codes that only
  // differ in replaced characters such as "a/b" and "a_b").
  OutputStem Claim(std::string_view subjectCodeCp1251);

 private:
  std::unordered_set<std::string> taken_;
  // The next number to try for a file-safe code that was taken, so many copies stay fast.
  std::unordered_map<std::string, int> nextNumber_;
};

}  // namespace app
