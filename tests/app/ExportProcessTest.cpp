// The shipped executable: exit statuses, the environment (display settings, Qt's options), the
// file-size limit, interruption by signals, long codes, threads with the real charts, the progress
// line and paths on standard error.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "runtime/Cp1251.h"
#include "runtime/TextFile.h"
#include "tests/app/ProgramRun.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestRecord.h"

namespace {

namespace fs = std::filesystem;
using testsupport::Finished;
using testsupport::Launch;
using testsupport::RunToEnd;

// The program with these arguments, as from a session without a display.
Launch Headless(std::vector<std::string> args) {
  Launch launch;
  launch.args = std::move(args);
  launch.unset = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
  return launch;
}

class ExportProcessTest : public ::testing::Test {
 protected:
  fs::path Record(const fs::path& name, const std::string& codeUtf8, int stimuli = 3) const {
    fs::create_directories((folder_ / name).parent_path());
    std::vector<std::string> lines = testsupport::RecordOf(codeUtf8, stimuli);
    lines[2] = runtime::Cp1251FromUtf8(codeUtf8);
    return folder_.Write(name, runtime::JoinLinesCrLf(lines));
  }
  std::vector<std::string> Files(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(folder))
      names.push_back(e.path().filename().native());
    std::sort(names.begin(), names.end());
    return names;
  }
  static std::vector<std::string> OutputsOf(const std::string& stem) {
    return {stem + " 1.Stroop.gif", stem + " 2.Stroop.gif", stem + " 3.Stroop.gif",
            stem + " 4.Stroop.gif", stem + " Stroop.txt"};
  }
  std::string Read(const fs::path& path) const { return testsupport::ReadFile(path); }

  testsupport::TempFolder folder_{"stroop-process"};
};

TEST_F(ExportProcessTest, CommandLinesThatCannotBeUnderstoodGiveStatus2) {
  const std::vector<std::string> refused[] = {
      // clang-format off
      {"--bogus"}, {"--export"}, {"--export", "", "r"}, {"--summary", ""}, {"--jobs", "0", "--summary", "s", "r"},
      {"--jobs", "2", "r"}, {"--csv-locale", "r"}, {"a", "b"}, {"-platform", "xcb"},
      {"--decimal-separator", "\n"}, {"--decimal-separator", "\r"}, {"--decimal-separator", "\x1b"},
      {"--decimal-separator", "-"},  {"--decimal-separator", "+"},  {"--decimal-separator", "e"},
      {"--decimal-separator", "E"},  {"--decimal-separator", "$"},  {"--decimal-separator", "7"},
      {"--decimal-separator", " "},  {"--decimal-separator", ",,"},
      {"--png-scale", "3", "--export", "o", "r"}, {"--png-scale", "x"}, {"--pdf", "r"},
      // clang-format on
  };
  for (const std::vector<std::string>& args : refused) {
    const Finished run = RunToEnd(Headless(args));
    EXPECT_EQ(run.status, 2) << args[0] << " " << args.size();
    EXPECT_TRUE(run.err.starts_with("stroop-analyser: ")) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
  }
  const Finished help = RunToEnd(Headless({"--help"}));
  EXPECT_EQ(help.status, 0);
  for (const char* option :
       {"--export DIR", "--summary FILE", "--csv-locale", "--jobs N", "--decimal-separator C",
        "--help", "--version", "--pdf", "--png-scale N"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

TEST_F(ExportProcessTest, TheExportRunsOffScreenAndQtNeverSeesTheArguments) {
  const fs::path record = Record("r.txt", "0507");
  Launch launch = Headless({"--export", (folder_ / "out").native(), record.native()});
  launch.set = {{"QT_QPA_PLATFORM", "xcb"}};
  const Finished plain = RunToEnd(launch);
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.err, "");
  EXPECT_EQ(Files(folder_ / "out"), OutputsOf("0507"));

  // Names after "--" that Qt would read as its own options are records that do not exist.
  launch.args.insert(launch.args.end(), {"--", "-platform", "xcb"});
  const Finished named = RunToEnd(launch);
  EXPECT_EQ(named.status, 1);
  EXPECT_EQ(named.err, "-platform: Cannot open file -platform\nxcb: Cannot open file xcb\n");
}

TEST_F(ExportProcessTest, TheWindowWithoutADisplayExitsWithOneLine) {
  const std::string line =
      "stroop-analyser: cannot open the window: no display can be used (--export DIR RECORD... "
      "writes the results without one)\n";
  Launch xcbLaunch = Headless({});
  xcbLaunch.set = {{"QT_QPA_PLATFORM", "xcb"}};
  const Finished xcb = RunToEnd(xcbLaunch);
  EXPECT_EQ(xcb.status, 1);
  EXPECT_EQ(xcb.err, line);
  Launch noServerLaunch = Headless({});
  noServerLaunch.set = {{"DISPLAY", ":97"}};
  const Finished noServer = RunToEnd(noServerLaunch);
  EXPECT_EQ(noServer.status, 1);
  EXPECT_EQ(noServer.err, line);
}

bool HasTemporaries(const fs::path& folder) {
  for (const fs::directory_entry& e : fs::directory_iterator(folder))
    if (e.path().filename().native().starts_with(".stroop-")) return true;
  return false;
}

TEST_F(ExportProcessTest, OverTheFileSizeLimitTheRunGoesOnAndSaysWhy) {
  // 4096 bytes: a report (about 1.7 KB) fits, a chart image (over 7 KB) does not.
  const fs::path first = Record("a.txt", "0507");
  const fs::path second = Record("b.txt", "0911");
  const fs::path out = folder_ / "out";
  Launch launch = Headless({"--export", out.native(), "--jobs", "1", "--summary",
                            (folder_ / "t.csv").native(), first.native(), second.native()});
  launch.fileSizeLimit = 4096;
  const Finished run = RunToEnd(launch);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.signal, 0);
  std::string expected;
  for (const auto& [record, code] : {std::pair{first, "0507"}, {second, "0911"}}) {
    for (int s = 1; s <= 4; ++s) {
      expected += record.native() + ": Cannot create file " +
                  (out / (std::string(code) + " " + std::to_string(s) + ".Stroop.gif")).native() +
                  "\n";
    }
  }
  EXPECT_EQ(run.err, expected);
  EXPECT_EQ(Files(out), (std::vector<std::string>{"0507 Stroop.txt", "0911 Stroop.txt"}));
  EXPECT_FALSE(HasTemporaries(out));
  EXPECT_TRUE(fs::exists(folder_ / "t.csv"));
}

TEST_F(ExportProcessTest, AnInterruptedExportRemovesItsTemporariesAndEndsByTheSignal) {
  std::vector<std::string> records;
  for (int i = 0; i < 400; ++i)
    records.push_back(Record("in/" + std::to_string(i) + ".txt", "c" + std::to_string(i), 140));
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    const fs::path out = folder_ / ("out" + std::to_string(signal));
    Launch launch = Headless({"--export", out.native(), "--jobs", "2"});
    launch.args.insert(launch.args.end(), records.begin(), records.end());
    testsupport::Program program(launch);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline &&
           (!fs::exists(out) || Files(out).size() < 20))
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ::kill(program.Pid(), signal);
    const Finished run = program.Wait();
    EXPECT_EQ(run.signal, signal) << run.err;  // a shell reports 128 + the signal: 130, 143, 129
    EXPECT_FALSE(HasTemporaries(out)) << signal;
    EXPECT_LT(Files(out).size(), 2000u) << "the run ended before the signal";
  }
}

TEST_F(ExportProcessTest, LongCodesGetTheirReportAndAllFourCharts) {
  const std::string cyrillic = [] {
    std::string code;
    for (int i = 0; i < 125; ++i) code += "Ж";  // 250 bytes in UTF-8
    return code;
  }();
  const struct {
    std::string code;
    std::string stem;
  } cases[] = {
      {std::string(236, 'a'), std::string(236, 'a')},
      {std::string(242, 'b'), std::string(242, 'b')},  // " 4.Stroop.gif" makes 255 bytes
      {std::string(243, 'c'), std::string(242, 'c')},
      {std::string(250, 'd'), std::string(242, 'd')},
      {cyrillic, cyrillic.substr(0, 242)},
  };
  std::vector<std::string> args = {"--export", (folder_ / "out").native()};
  std::vector<std::string> expected;
  for (size_t i = 0; i < std::size(cases); ++i) {
    args.push_back(Record(std::to_string(i) + ".txt", cases[i].code).native());
    for (const std::string& name : OutputsOf(cases[i].stem)) expected.push_back(name);
  }
  const Finished run = RunToEnd(Headless(args));
  EXPECT_EQ(run.status, 0) << run.err;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Files(folder_ / "out"), expected);
  // The three cut codes are listed as such.
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 3) << run.err;
}

TEST_F(ExportProcessTest, TwoThreadsWriteWhatOneWrites) {
  std::vector<std::string> paths;
  for (int i = 0; i < 12; ++i) {
    paths.push_back(Record("in/" + std::to_string(i) + ".txt",
                           i % 5 == 2 ? "dup" : "c" + std::to_string(i), 20 + 10 * i)
                        .native());
  }
  paths.push_back((folder_ / "missing.txt").native());
  std::string err[2];
  for (int jobs = 1; jobs <= 2; ++jobs) {
    Launch launch =
        Headless({"--export", (folder_ / ("out" + std::to_string(jobs))).native(), "--summary",
                  (folder_ / ("t" + std::to_string(jobs) + ".csv")).native(), "--jobs",
                  std::to_string(jobs)});
    launch.args.insert(launch.args.end(), paths.begin(), paths.end());
    const Finished run = RunToEnd(launch);
    EXPECT_EQ(run.status, 1);
    err[jobs - 1] = run.err;
  }
  EXPECT_EQ(err[0], err[1]);
  EXPECT_EQ(Read(folder_ / "t1.csv"), Read(folder_ / "t2.csv"));
  const std::vector<std::string> files = Files(folder_ / "out1");
  EXPECT_EQ(files.size(), 60u);
  EXPECT_EQ(Files(folder_ / "out2"), files);
  for (const std::string& name : files)
    EXPECT_EQ(Read(folder_ / "out1" / name), Read(folder_ / "out2" / name)) << name;
}

TEST_F(ExportProcessTest, ProgressOnlyOnATerminal) {
  std::vector<std::string> args = {"--export", (folder_ / "out").native()};
  for (int i = 0; i < 3; ++i)
    args.push_back(Record(std::to_string(i) + ".txt", "c" + std::to_string(i)).native());
  const Finished piped = RunToEnd(Headless(args));
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.err, "");
  Launch onTerminal = Headless(args);
  onTerminal.terminal = true;
  const Finished terminal = RunToEnd(onTerminal);
  EXPECT_EQ(terminal.status, 0);
  EXPECT_NE(terminal.err.find("\r[3/3] 00:00 left"), std::string::npos) << terminal.err;
  EXPECT_EQ(terminal.err.find('\n'), std::string::npos) << terminal.err;
}

TEST_F(ExportProcessTest, PathsOnStandardErrorAsGivenWithoutControls) {
  const std::string paths[] = {(folder_ / "esc\x1b[31m.txt").native(),
                               (folder_ / "Ω-omega.txt").native(),
                               (folder_ / "\xC8\xE2\xE0\xED\xEE\xE2.txt").native()};  // CP1251
  const Finished run =
      RunToEnd(Headless({"--export", (folder_ / "out").native(), paths[0], paths[1], paths[2]}));
  EXPECT_EQ(run.status, 1);
  const std::string shown[] = {(folder_ / "esc?[31m.txt").native(), paths[1], paths[2]};
  std::string expected;
  for (const std::string& p : shown) expected += p + ": Cannot open file " + p + "\n";
  EXPECT_EQ(run.err, expected);
}

TEST_F(ExportProcessTest, PdfAndPngScaleWriteBesideTheReportAndTheGifs) {
  const fs::path record = Record("r.txt", "0507", 140);
  const fs::path out = folder_ / "out";
  const Finished run = RunToEnd(Headless(
      {"--export", out.native(), "--pdf", "--png-scale", "2", "--jobs", "1", record.native()}));
  EXPECT_EQ(run.status, 0) << run.err;
  std::vector<std::string> expected = OutputsOf("0507");
  for (int s = 1; s <= 4; ++s) expected.push_back("0507 " + std::to_string(s) + ".Stroop.png");
  expected.push_back("0507 Stroop.pdf");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Files(out), expected);
  EXPECT_TRUE(Read(out / "0507 Stroop.pdf").starts_with("%PDF-"));
  // PNG's header: the width and height, big-endian, at bytes 16 and 20.
  const std::string png = Read(out / "0507 3.Stroop.png");
  ASSERT_GE(png.size(), 24u);
  EXPECT_EQ(png.substr(0, 4), "\x89PNG");
  EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x07\xFE\0\0\x02\xE2", 8));  // 2046 x 738
}

}  // namespace
