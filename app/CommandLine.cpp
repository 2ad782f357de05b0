// Command-line parsing for the window and the run over many records.
#include "app/CommandLine.h"

#include <charconv>

#include "app/TerminalText.h"

namespace app {
namespace {

std::string Quoted(const std::string& text) { return "'" + TerminalSafe(text) + "'"; }

int Jobs(const std::string& text) {
  int jobs = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
  if (error != std::errc() || end != text.data() + text.size() || jobs < 1 || jobs > kMaxJobs) {
    throw CommandLineError("--jobs needs a whole number from 1 to " + std::to_string(kMaxJobs) +
                           ", not " + Quoted(text));
  }
  return jobs;
}

int PngScale(const std::string& text) {
  if (text != "1" && text != "2" && text != "4")
    throw CommandLineError("--png-scale needs 1, 2 or 4, not " + Quoted(text));
  return text[0] - '0';
}

}  // namespace

bool IsDecimalSeparatorChoice(char c) {
  const bool punctuation = (c >= '!' && c <= '/') || (c >= ':' && c <= '@') ||
                           (c >= '[' && c <= '`') || (c >= '{' && c <= '~');
  return punctuation && c != '+' && c != '-' && c != '$';
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](const char* option) -> const std::string& {
      if (i + 1 >= args.size()) throw CommandLineError(std::string(option) + " needs a value");
      return args[++i];
    };
    auto path = [&](std::optional<std::filesystem::path>& target, const char* option) {
      if (target) throw CommandLineError(std::string(option) + " is given twice");
      const std::string& given = value(option);
      if (given.empty()) throw CommandLineError(std::string(option) + " needs a name, not ''");
      target = given;
    };
    if (optionsEnded || arg == "-" || !arg.starts_with('-')) {
      line.records.emplace_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help") {
      line.mode = CommandLine::Mode::Help;
      return line;
    } else if (arg == "--version") {
      line.mode = CommandLine::Mode::Version;
      return line;
    } else if (arg == "--export") {
      path(line.exportFolder, "--export");
    } else if (arg == "--summary") {
      path(line.summaryFile, "--summary");
    } else if (arg == "--csv-locale") {
      line.csvLocale = true;
    } else if (arg == "--jobs") {
      if (line.jobs) throw CommandLineError("--jobs is given twice");
      line.jobs = Jobs(value("--jobs"));
    } else if (arg == "--pdf") {
      line.pdf = true;
    } else if (arg == "--png-scale") {
      if (line.pngScale) throw CommandLineError("--png-scale is given twice");
      line.pngScale = PngScale(value("--png-scale"));
    } else if (arg == "--decimal-separator") {
      const std::string& separator = value("--decimal-separator");
      if (separator.size() != 1 || !IsDecimalSeparatorChoice(separator[0])) {
        throw CommandLineError(
            "--decimal-separator needs one punctuation character that cannot be part of a number, "
            "such as ',' or '.', not " +
            Quoted(separator));
      }
      line.decimalSeparator = separator[0];
    } else {
      throw CommandLineError("unknown option " + TerminalSafe(arg));
    }
  }
  if (line.csvLocale && !line.summaryFile) throw CommandLineError("--csv-locale needs --summary");
  if (line.pdf && !line.exportFolder) throw CommandLineError("--pdf needs --export");
  if (line.pngScale && !line.exportFolder) throw CommandLineError("--png-scale needs --export");
  if (line.exportFolder || line.summaryFile) {
    line.mode = CommandLine::Mode::Export;
    if (line.records.empty()) throw CommandLineError("no records or folders to read are given");
    return line;
  }
  if (line.jobs) throw CommandLineError("--jobs needs --export or --summary");
  if (line.records.size() > 1) {
    throw CommandLineError("unexpected argument " + TerminalSafe(line.records[1].native()) +
                           " (the window opens one record)");
  }
  return line;
}

std::string Usage() {
  return "usage: stroop-analyser [RECORD]\n"
         "         open the analyser's window, with RECORD loaded\n"
         "       stroop-analyser [--export DIR] [--summary FILE] [options] PATH...\n"
         "         read every record given, and the record files (*.txt, *cry in any letter case)\n"
         "         in every folder given and its subfolders, in the order of their paths\n"
         "\n"
         "  --export DIR             write each record's report \"<code> Stroop.txt\" and its "
         "four\n"
         "                           charts \"<code> 1.Stroop.gif\" .. \"<code> 4.Stroop.gif\" "
         "into "
         "DIR\n"
         "                           (created when missing); a record whose code gives the same\n"
         "                           names as an earlier one's gets \"<code> (2)\" and so on\n"
         "  --pdf                    with --export, also write each record's report as an A4 PDF\n"
         "                           \"<code> Stroop.pdf\": the report, its four charts as vector\n"
         "                           graphics, the subject and the date on every page\n"
         "  --png-scale N            with --export, also write the four charts as PNG images\n"
         "                           \"<code> 1.Stroop.png\" .. \"<code> 4.Stroop.png\" drawn at "
         "N\n"
         "                           times the GIF's size (N is 1, 2 or 4)\n"
         "  --summary FILE           write the group table: one row per record, CSV in UTF-8\n"
         "                           with \",\" between cells and \".\" in numbers\n"
         "  --csv-locale             in the table, \";\" between cells and the locale's decimal\n"
         "                           separator in numbers\n"
         "  --jobs N                 read and draw N records at a time (1 to 32; default: the\n"
         "                           number of processor cores); the outputs are the same\n"
         "  --decimal-separator C    read and write numbers in records and reports with C instead\n"
         "                           of the locale's separator (for records made under another\n"
         "                           locale), e.g. --decimal-separator ,\n"
         "  --help                   show this text\n"
         "  --version                show the program's name and version\n"
         "  --                       the arguments after it are paths, even if they start with "
         "\"-\"\n"
         "\n"
         "A record that cannot be read or written is listed with its message on standard error at\n"
         "the end; the others are still written. Exit status: 0 when everything was written, 1 "
         "when\n"
         "anything failed, 2 for a command line that cannot be understood.\n";
}

}  // namespace app
