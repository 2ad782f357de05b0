// The analyser's command line: no arguments opens the window; --export and --summary run over many
// records without one.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace app {

struct CommandLine {
  // Export: the run over records and folders (--export, --summary or both).
  enum class Mode { Window, Export, Help, Version };
  Mode mode = Mode::Window;
  std::optional<std::filesystem::path> exportFolder;  // --export DIR
  std::optional<std::filesystem::path> summaryFile;   // --summary FILE
  bool csvLocale = false;                             // --csv-locale
  std::optional<int> jobs;                            // --jobs N
  bool pdf = false;                                   // --pdf
  std::optional<int> pngScale;                        // --png-scale N
  std::vector<std::filesystem::path> records;  // the records and folders, or the window's record
  std::optional<char> decimalSeparator;        // --decimal-separator C
};

// A command line that cannot be understood; the text says why.
class CommandLineError : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The most worker threads --jobs accepts: each writes up to ten files at once (the report, four
// GIFs, four PNGs and the PDF report), and an interruption removes at most 320 temporary files
// being written.
inline constexpr int kMaxJobs = 32;

// Parses the arguments after the program name (see Usage). Options and paths may come in any
// order; "--" ends the options, so the paths after it may start with "-".
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// Whether `c` may be the decimal separator: a printable ASCII punctuation character that cannot be
// part of a number (not "+", "-" or "$"); letters, digits, blanks and control characters never.
bool IsDecimalSeparatorChoice(char c);

std::string Usage();

}  // namespace app
