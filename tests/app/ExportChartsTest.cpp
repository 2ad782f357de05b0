// Headless charts: the same bytes as the window's "Chart" command, and names made safe like the
// report's.
#include <gtest/gtest.h>

#include <QFile>

#include "app/ExportCharts.h"
#include "runtime/Cp1251.h"
#include "tests/app/QtPrinters.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/TestRecord.h"

namespace app {
namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(ExportCharts, FileNames) {
  EXPECT_EQ(ExportChartFileName("0507", 1), "0507 1.Stroop.gif");
  EXPECT_EQ(ExportChartFileName("a/b\\c", 4), "a_b_c 4.Stroop.gif");
  EXPECT_EQ(ExportChartFileName(runtime::Cp1251FromUtf8("Иванов"), 2), "Иванов 2.Stroop.gif");
}

TEST(ExportCharts, ByteForByteWhatTheWindowSavesForEachSubtest) {
  test::WindowFixture f;
  f.Open(f.WriteRecord("0507.txt", testsupport::RecordOf("0507", 30)));
  ASSERT_TRUE(f.prompts.errors.empty());
  QAction* plots[] = {f.form.mmPlot1, f.form.mmPlot2, f.form.mmPlot3, f.form.mmPlot4};
  for (int s = 1; s <= 4; ++s) {
    plots[s - 1]->trigger();
    f.dialogs.answers.push_back(f.Folder() + QString("window %1.gif").arg(s));
    f.form.mmSaveChart5sec->trigger();
  }
  const std::filesystem::path folder = (f.Folder() + "export").toStdString();
  std::filesystem::create_directories(folder);
  ExportCharts(f.form.Record(), folder);
  for (int s = 1; s <= 4; ++s) {
    const QByteArray window = Contents(f.Folder() + QString("window %1.gif").arg(s));
    ASSERT_TRUE(window.startsWith("GIF87a")) << s;
    EXPECT_EQ(Contents(f.Folder() + QString("export/0507 %1.Stroop.gif").arg(s)), window) << s;
  }
}

}  // namespace
}  // namespace app
