// make-sample-records FOLDER: writes the bundled sample Stroop records into FOLDER.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/make-sample-records/SampleRecord.h"

int main(int argc, char** argv) {
  const char* const usage = "usage: make-sample-records FOLDER\n";
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    std::fputs(usage, stdout);
    return 0;
  }
  // Anything else that looks like an option is not taken for a folder to write into.
  if (argc != 2 || argv[1][0] == '-') {
    std::fputs(usage, stderr);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);

  // Three subjects: T1/T2 above 1, below 1, and exactly 1 (no paragraph in the report).
  const samples::Subject subjects[] = {
      // clang-format off
      {"0507", "Петрова А.С.", "12.03.2004 10:15:00", 140, {0.78, 0.62, 0.74, 0.95}, 0.28, {0.02, 0.01, 0.03, 0.08}, 507, 0},
      {"1123", "Сидоров В.Н.", "15.03.2004 14:40:00", 140, {0.58, 0.66, 0.72, 0.88}, 0.32, {0.01, 0.00, 0.02, 0.05}, 1123, 0},
      {"2046", "Кузнецова Е.М.", "17.03.2004 09:05:00", 140, {0.70, 0.69, 0.80, 1.05}, 0.35, {0.03, 0.02, 0.04, 0.11}, 2046, 1},
      // clang-format on
  };
  for (const samples::Subject& subject : subjects) {
    const std::filesystem::path path = folder / (subject.code + ".txt");
    std::ofstream out(path, std::ios::binary);
    out << samples::MakeRecord(subject);
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
      return 1;
    }
  }
  return 0;
}
