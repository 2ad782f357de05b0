// The run over many records through the plain C++ path, with a stand-in for the chart images:
// failures listed in input order, numbered duplicates, the table's rows, inputs and links never
// written over, and the same outputs on any number of threads.
#include <gtest/gtest.h>

#include <sstream>

#include "app/RunExport.h"
#include "runtime/Cp1251.h"
#include "runtime/TextFile.h"
#include "tests/runtime/SeparatorGuard.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestRecord.h"

namespace app {
namespace {

namespace fs = std::filesystem;

// "GIF <code> <subtest>", "PNG <code> <subtest> x<scale>", "PDF <code> <report lines>": enough to
// see which record, subtest and scale an output belongs to.
class NamedCharts : public ChartEncoder {
 public:
  std::string Gif(const analysis::RecordData& record, int subtest) override {
    return "GIF " + record.SubjectCode + " " + std::to_string(subtest);
  }
  std::string Png(const analysis::RecordData& record, int subtest, int scale) override {
    return "PNG " + record.SubjectCode + " " + std::to_string(subtest) + " x" +
           std::to_string(scale);
  }
  std::string Pdf(const analysis::RecordData& record,
                  const std::vector<std::string>& reportLines) override {
    return "PDF " + record.SubjectCode + " " + std::to_string(reportLines.size());
  }
};

ChartEncoderFactory Charts() {
  return [] { return std::make_unique<NamedCharts>(); };
}

class RunExportTest : public ::testing::Test {
 protected:
  fs::path Record(const fs::path& name, const std::string& code) const {
    return Write(name, testsupport::RecordOf(code, 3));
  }
  fs::path Write(const fs::path& name, const std::vector<std::string>& lines) const {
    fs::create_directories((folder_ / name).parent_path());
    return folder_.Write(name, runtime::JoinLinesCrLf(lines));
  }
  int Run(ExportSettings settings, const std::vector<fs::path>& paths) {
    std::ostringstream errors;
    const int status = RunExport(settings, paths, errors, Charts());
    errors_ = errors.str();
    return status;
  }
  ExportSettings Settings() const {
    ExportSettings settings;
    settings.folder = folder_ / "out";
    return settings;
  }
  std::string Read(const fs::path& path) const { return testsupport::ReadFile(path); }

  runtime::SeparatorGuard guard_{'.', ','};
  testsupport::TempFolder folder_;
  std::string errors_;
};

TEST_F(RunExportTest, FailuresAreListedAtTheEndAndTheOthersStillGoThrough) {
  std::vector<std::string> bad = testsupport::RecordOf("0666", 3);
  bad[13] = "  x.yz  0.30    40  0.42  2.88   3";
  const std::vector<fs::path> paths = {Record("good.txt", "0507"), Write("bad.txt", bad),
                                       folder_ / "missing.txt", Record("other.txt", "0911")};
  ExportSettings settings = Settings();
  settings.summary = folder_ / "table.csv";
  settings.jobs = 2;
  EXPECT_EQ(Run(settings, paths), 1);
  EXPECT_EQ(errors_, paths[1].native() + ": '  x.yz' is not a valid floating point value\n" +
                         paths[2].native() + ": Cannot open file " + paths[2].native() + "\n");
  for (const char* code : {"0507", "0911"}) {
    const std::string report = Read(folder_ / "out" / (std::string(code) + " Stroop.txt"));
    EXPECT_EQ(runtime::SplitTextLines(report).size(), 32u) << code;
    for (int s = 1; s <= 4; ++s) {
      EXPECT_EQ(
          Read(folder_ / "out" / (std::string(code) + " " + std::to_string(s) + ".Stroop.gif")),
          "GIF " + std::string(code) + " " + std::to_string(s));
    }
  }
  EXPECT_FALSE(fs::exists(folder_ / "out" / "0666 Stroop.txt"));

  // One row per record in input order, failed ones with their message and nothing else.
  const std::vector<std::string> rows = runtime::SplitTextLines(Read(folder_ / "table.csv"));
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_TRUE(
      rows[0].starts_with("\xEF\xBB\xBF"
                          "file,code,subject_line,stimuli,T1,"));
  EXPECT_TRUE(rows[1].starts_with(paths[0].native() + ",0507,")) << rows[1];
  EXPECT_TRUE(rows[1].ends_with(",")) << rows[1];  // an empty error cell
  EXPECT_EQ(rows[2], paths[1].native() + std::string(41, ',') +
                         "'  x.yz' is not a valid floating point value");
  EXPECT_EQ(rows[3],
            paths[2].native() + std::string(41, ',') + "Cannot open file " + paths[2].native());
  EXPECT_TRUE(rows[4].starts_with(paths[3].native() + ",0911,")) << rows[4];

  EXPECT_EQ(Run(Settings(), {paths[0]}), 0);
  EXPECT_EQ(errors_, "");
}

TEST_F(RunExportTest, LaterRecordsWithTheSameOutputNameAreNumberedAndListed) {
  const std::vector<fs::path> paths = {Record("1.txt", "0507"), Record("2.txt", "a/b"),
                                       Record("3.txt", "0507"), Record("4.txt", "a_b")};
  EXPECT_EQ(Run(Settings(), paths), 0);
  EXPECT_EQ(errors_,
            paths[2].native() +
                ": outputs named \"0507 (2) Stroop.txt\" and so on: an earlier record of this run "
                "has outputs of the same name\n" +
                paths[3].native() +
                ": outputs named \"a_b (2) Stroop.txt\" and so on: an earlier record of this run "
                "has outputs of the same name\n");
  const struct {
    const char* stem;
    const char* code;
  } outputs[] = {{"0507", "0507"}, {"a_b", "a/b"}, {"0507 (2)", "0507"}, {"a_b (2)", "a_b"}};
  for (const auto& o : outputs) {
    EXPECT_TRUE(fs::exists(folder_ / "out" / (std::string(o.stem) + " Stroop.txt"))) << o.stem;
    EXPECT_EQ(Read(folder_ / "out" / (std::string(o.stem) + " 3.Stroop.gif")),
              "GIF " + std::string(o.code) + " 3");
  }
}

TEST_F(RunExportTest, AnInputOfTheRunIsNeverWritten) {
  // Exporting into the folder that holds the records: one of them is named like a report.
  const fs::path named = Record("0507 Stroop.txt", "0507");
  const std::string before = Read(named);
  ExportSettings settings;
  settings.folder = folder_.Path();
  settings.summary = named;
  EXPECT_EQ(Run(settings, {folder_.Path()}), 1);
  const std::string refused =
      "Cannot create file " + named.native() + ": it is one of the records of this run";
  EXPECT_EQ(errors_, named.native() + ": " + refused + "\nstroop-analyser: " + refused + "\n");
  EXPECT_EQ(Read(named), before);
  EXPECT_EQ(Read(folder_ / "0507 1.Stroop.gif"), "GIF 0507 1");  // the record's other outputs
}

TEST_F(RunExportTest, ASymbolicLinkAtAnOutputIsNotFollowed) {
  const fs::path victim = folder_.Write("victim", "keep");
  fs::create_directories(folder_ / "out");
  fs::create_symlink(victim, folder_ / "out" / "0507 2.Stroop.gif");
  const fs::path record = Record("r.txt", "0507");
  EXPECT_EQ(Run(Settings(), {record}), 1);
  EXPECT_EQ(errors_, record.native() + ": Cannot create file " +
                         (folder_ / "out" / "0507 2.Stroop.gif").native() +
                         ": it is a symbolic link\n");
  EXPECT_EQ(Read(victim), "keep");
  EXPECT_TRUE(fs::is_symlink(folder_ / "out" / "0507 2.Stroop.gif"));
  EXPECT_TRUE(fs::exists(folder_ / "out" / "0507 Stroop.txt"));
  EXPECT_EQ(Read(folder_ / "out" / "0507 3.Stroop.gif"), "GIF 0507 3");
}

TEST_F(RunExportTest, PngsAndThePdfReportAreWrittenOnlyWhenAskedAndShareTheNames) {
  const std::vector<fs::path> paths = {Record("1.txt", "0507"), Record("2.txt", "0507")};
  // clang-format off
  const struct { bool pdf; std::optional<int> scale; const char* stem; const char* written; } cases[] = {
      {false, {}, "0507",     "0507 1.Stroop.gif"},
      {true,  {}, "0507 (2)", "0507 (2) Stroop.pdf"},
      {false, 4,  "0507",     "0507 4.Stroop.png"},
      {true,  2,  "0507 (2)", "0507 (2) 1.Stroop.png"},
  };
  // clang-format on
  for (const auto& c : cases) {
    const fs::path out = folder_ / "out";
    fs::remove_all(out);
    ExportSettings settings = Settings();
    settings.pdf = c.pdf;
    settings.pngScale = c.scale;
    EXPECT_EQ(Run(settings, paths), 0);
    const std::string stem = c.stem;
    EXPECT_TRUE(fs::exists(out / c.written)) << c.written;
    const size_t files = std::distance(fs::directory_iterator(out), fs::directory_iterator());
    EXPECT_EQ(files, 2 * (5 + (c.scale ? 4 : 0) + (c.pdf ? 1 : 0))) << c.written;
    EXPECT_EQ(fs::exists(out / (stem + " Stroop.pdf")), c.pdf);
    if (c.pdf) {
      EXPECT_EQ(Read(out / (stem + " Stroop.pdf")), "PDF 0507 32");
    }
    for (int s = 1; c.scale && s <= 4; ++s) {
      EXPECT_EQ(Read(out / (stem + " " + std::to_string(s) + ".Stroop.png")),
                "PNG 0507 " + std::to_string(s) + " x" + std::to_string(*c.scale));
    }
  }
}

TEST_F(RunExportTest, TheNewOutputsAreRefusedAndListedLikeTheOthers) {
  const fs::path victim = folder_.Write("victim", "keep");
  const fs::path inOut = Record("out/0507 Stroop.pdf", "0507");  // a record named like the PDF
  fs::create_symlink(victim, folder_ / "out" / "0507 3.Stroop.png");
  ExportSettings settings = Settings();
  settings.pdf = true;
  settings.pngScale = 1;
  EXPECT_EQ(Run(settings, {inOut}), 1);
  EXPECT_EQ(errors_, inOut.native() + ": Cannot create file " +
                         (folder_ / "out" / "0507 3.Stroop.png").native() +
                         ": it is a symbolic link\n" + inOut.native() + ": Cannot create file " +
                         inOut.native() + ": it is one of the records of this run\n");
  EXPECT_EQ(Read(victim), "keep");
  EXPECT_EQ(Read(inOut).substr(0, 2), "\xD0\xE5");  // still the record: "Ре" in CP1251
  EXPECT_EQ(Read(folder_ / "out" / "0507 4.Stroop.png"), "PNG 0507 4 x1");
}

TEST_F(RunExportTest, AnyNumberOfThreadsGivesTheSameOutputsAndOrder) {
  std::vector<fs::path> paths;
  for (int i = 0; i < 40; ++i) {
    const std::string code = i % 7 == 3 ? "dup" : "c" + std::to_string(i);
    paths.push_back(i % 9 == 5 ? folder_ / ("missing" + std::to_string(i))
                               : Record("in/" + std::to_string(i) + ".txt", code));
  }
  std::string listing[2], table[2];
  for (int run = 0; run < 2; ++run) {
    ExportSettings settings;
    settings.folder = folder_ / ("out" + std::to_string(run));
    settings.summary = folder_ / ("table" + std::to_string(run) + ".csv");
    settings.jobs = run == 0 ? 1 : 4;
    EXPECT_EQ(Run(settings, paths), 1);
    listing[run] = errors_;
    table[run] = Read(*settings.summary);
  }
  EXPECT_EQ(listing[0], listing[1]);
  EXPECT_EQ(table[0], table[1]);
  EXPECT_EQ(runtime::SplitTextLines(table[0]).size(), 41u);
  for (const fs::directory_entry& entry : fs::directory_iterator(folder_ / "out0"))
    EXPECT_EQ(Read(entry.path()), Read(folder_ / "out1" / entry.path().filename()));
}

TEST_F(RunExportTest, SummaryAloneWritesNoOtherFile) {
  const fs::path record = Record("r.txt", "0507");
  ExportSettings settings;
  settings.summary = folder_ / "t.csv";
  EXPECT_EQ(Run(settings, {record}), 0);
  EXPECT_EQ(runtime::SplitTextLines(Read(folder_ / "t.csv")).size(), 2u);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()), 2);
}

TEST_F(RunExportTest, ControlCharactersInMessagesDoNotReachTheTerminal) {
  const auto file = folder_.Write("binary", "\r\n\r\n\r\n\r\n\x1B[2J\x07");
  EXPECT_EQ(Run(Settings(), {file}), 1);
  EXPECT_EQ(errors_, file.native() + ": '?[2J?' is not a valid integer value\n");
}

}  // namespace
}  // namespace app
