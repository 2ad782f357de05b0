// The main window under faults: saves that hit a full disk, a device, a folder that vanished after
// the dialog, and records that cannot be read. Each shows one error box, damages no existing file,
// and leaves the window usable: the plot commands, the mouse readout and the next save still work.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "app/ChartImage.h"
#include "app/ChartView.h"
#include "chart/TChart.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/ExtremeRecord.h"

namespace reliability {
namespace {

using testsupport::ExtremeRecord;

using app::test::WindowFixture;

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Lowers this process's file size limit for one command, as a disk that fills up part way through a
// write; the limit binds root too. SIGXFSZ is ignored so the write fails with an error instead.
void WithFileSizeLimit(rlim_t bytes, const std::function<void()>& command) {
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = bytes;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  command();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previousHandler);
}

class WindowFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    f.Open(f.WriteRecord("7001.txt", ExtremeRecord(140).Lines()));
    ASSERT_TRUE(f.prompts.errors.empty());
    QDir().mkpath(Results());
  }
  QString Results() const { return f.Folder() + "Results/"; }
  void SaveChartAs(const QString& name) {
    f.dialogs.answers.push_back(name);
    f.form.mmSaveChart5sec->trigger();
  }
  void SaveReportAs(const QString& name) {
    f.dialogs.answers.push_back(name);
    f.form.mmSaveAnalysis->trigger();
  }
  // The commands still run after a failure: another subtest, the readout over a marker, a good
  // save.
  void ExpectUsable() {
    const size_t errorsBefore = f.prompts.errors.size();
    f.form.mmPlot2->trigger();
    EXPECT_EQ(f.form.CurrentSubtest(), 2);
    chart::TChart& chart = f.form.Chart5sec();
    app::RenderChartImage(chart);  // the hit test works on the last paint
    auto& stimuli = f.form.Chart5secView->Series().Series5sec;
    ASSERT_GT(stimuli.PointCount(), 0);
    const QPoint onMarker(stimuli.ScreenX(0), stimuli.ScreenY(0));
    f.cursor = f.form.Chart5secView->mapToGlobal(onMarker);
    f.form.Chart5secMouseMove(onMarker.x(), onMarker.y());
    EXPECT_EQ(chart.BottomAxis().Title().Caption(), stimuli.PointLabel(0));
    SaveReportAs(Results() + "after.txt");
    SaveChartAs(Results() + "after.gif");
    EXPECT_EQ(f.prompts.errors.size(), errorsBefore);
    EXPECT_TRUE(QFile::exists(Results() + "after.txt"));
    EXPECT_TRUE(QFile::exists(Results() + "after.gif"));
    f.form.mmPlot1->trigger();
  }
  WindowFixture f;
};

TEST_F(WindowFaults, FullDiskKeepsTheExistingReportAndChart) {
  for (const QString& name : {QStringLiteral("old.txt"), QStringLiteral("old.gif")}) {
    QFile file(Results() + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("previous contents");
  }
  WithFileSizeLimit(64, [&] {
    SaveReportAs(Results() + "old.txt");
    SaveChartAs(Results() + "old.gif");
  });
  ASSERT_EQ(f.prompts.errors.size(), 2u);
  EXPECT_EQ(f.prompts.errors[0], "Cannot create file " + Results() + "old.txt.");
  EXPECT_EQ(f.prompts.errors[1], "Cannot create file " + Results() + "old.gif.");
  EXPECT_EQ(Contents(Results() + "old.txt"), "previous contents");
  EXPECT_EQ(Contents(Results() + "old.gif"), "previous contents");
  EXPECT_EQ(QDir(Results()).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"old.gif", "old.txt"}));
  ExpectUsable();
}

TEST_F(WindowFaults, DeviceThatTakesNothing) {
  // Only the report can be aimed at the device: the chart's ".gif" rule always names a new file.
  SaveReportAs("/dev/full");
  ASSERT_EQ(f.prompts.errors.size(), 1u);
  EXPECT_EQ(f.prompts.errors[0], "Cannot create file /dev/full.");
  struct stat device {};
  ASSERT_EQ(::stat("/dev/full", &device), 0);
  EXPECT_TRUE(S_ISCHR(device.st_mode));
  f.prompts.errors.clear();
  ExpectUsable();
}

TEST_F(WindowFaults, FolderThatVanishedAfterTheDialog) {
  const QString gone = f.Folder() + "gone/";
  QDir().mkpath(gone);
  QDir(gone).removeRecursively();
  SaveReportAs(gone + "r.txt");
  SaveChartAs(gone + "c.gif");
  ASSERT_EQ(f.prompts.errors.size(), 2u);
  EXPECT_EQ(f.prompts.errors[0], "Cannot create file " + gone + "r.txt.");
  EXPECT_EQ(f.prompts.errors[1], "Cannot create file " + gone + "c.gif.");
  EXPECT_FALSE(QDir(gone).exists());
  ExpectUsable();
}

TEST_F(WindowFaults, RecordsThatCannotBeReadLeaveTheShownRecord) {
  const QString pipe = f.Folder() + "Data/pipe.txt";
  ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
  const QString vanished = f.Folder() + "Data/vanished.txt";
  const QString folder = f.Folder() + "Data";
  const QString shownCode = QString::fromStdString(f.form.Record().SubjectCode);
  for (const QString& path : {pipe, vanished, folder}) {
    f.prompts.errors.clear();
    f.Open(path);
    ASSERT_EQ(f.prompts.errors.size(), 1u) << path.toStdString();
    EXPECT_EQ(f.prompts.errors[0], "Cannot open file " + path + ".");
    EXPECT_EQ(QString::fromStdString(f.form.Record().SubjectCode), shownCode);
  }
  f.prompts.errors.clear();
  ExpectUsable();
}

}  // namespace
}  // namespace reliability
