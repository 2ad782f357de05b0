// Command-line parsing for the export mode.
#include "app/CommandLine.h"

namespace app {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  bool optionsEnded = false;
  bool folderSeen = false;
  std::vector<std::string> windowRecords;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](const char* option) -> const std::string& {
      if (i + 1 >= args.size()) throw CommandLineError(std::string(option) + " needs a value");
      return args[++i];
    };
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg == "--help") {
      line.mode = CommandLine::Mode::Help;
      return line;
    } else if (!optionsEnded && arg == "--version") {
      line.mode = CommandLine::Mode::Version;
      return line;
    } else if (!optionsEnded && arg == "--export") {
      if (line.mode == CommandLine::Mode::Export) throw CommandLineError("--export is given twice");
      line.mode = CommandLine::Mode::Export;
      line.exportFolder = value("--export");
      folderSeen = true;
    } else if (!optionsEnded && arg == "--decimal-separator") {
      const std::string& separator = value("--decimal-separator");
      if (separator.size() != 1 || separator[0] == ' ' ||
          (separator[0] >= '0' && separator[0] <= '9')) {
        throw CommandLineError(
            "--decimal-separator needs one character other than a digit or a blank, not '" +
            separator + "'");
      }
      line.decimalSeparator = separator[0];
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      throw CommandLineError("unknown option " + arg);
    } else if (folderSeen) {
      line.records.emplace_back(arg);
    } else {
      windowRecords.push_back(arg);
    }
  }
  // Without --export, one record may follow: the window opens with it loaded.
  if (!windowRecords.empty()) {
    if (line.mode == CommandLine::Mode::Export) {
      throw CommandLineError("unexpected argument " + windowRecords[0] +
                             " (records follow --export DIR)");
    }
    if (windowRecords.size() > 1) {
      throw CommandLineError("unexpected argument " + windowRecords[1] +
                             " (the window opens one record)");
    }
    line.records.emplace_back(windowRecords[0]);
  }
  if (line.mode == CommandLine::Mode::Export && line.records.empty()) {
    throw CommandLineError("--export needs at least one record after the folder");
  }
  return line;
}

std::string Usage() {
  return "usage: stroop-analyser [RECORD]                open the analyser's window, with RECORD "
         "loaded\n"
         "       stroop-analyser --export DIR RECORD...  write \"<code> Stroop.txt\" and the four\n"
         "                                               \"<code> <s>.Stroop.gif\" for each record "
         "into DIR\n"
         "options:\n"
         "  --decimal-separator C   read and write numbers with C (for records made under another "
         "locale)\n"
         "  --help                  show this text\n"
         "  --version               show the program's name and version\n";
}

}  // namespace app
