// The analyser's command line: no arguments opens the window; --export writes reports without one.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace app {

struct CommandLine {
  enum class Mode { Window, Export, Help, Version };
  Mode mode = Mode::Window;
  std::filesystem::path exportFolder;  // --export DIR
  std::vector<std::filesystem::path>
      records;                           // the RECORD arguments after DIR, or the window's one
  std::optional<char> decimalSeparator;  // --decimal-separator C
};

// A command line that cannot be understood; the text says why.
class CommandLineError : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Parses the arguments after the program name:
//   --export DIR RECORD...   write "<code> Stroop.txt" for each record into DIR
//   --decimal-separator C    parse and show numbers with C instead of the locale's separator
//   --help
//   --version
// Options may come in any order; "--" ends them.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string Usage();

}  // namespace app
