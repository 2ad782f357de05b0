// Headless charts: the same bytes as the window's "Chart" command.
#include <gtest/gtest.h>

#include <QFile>

#include "app/ExportCharts.h"
#include "tests/app/QtPrinters.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/TestRecord.h"

namespace app {
namespace {

using test::Contents;

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
  QtChartEncoder encoder;
  for (int s = 1; s <= 4; ++s) {
    const QByteArray window = Contents(f.Folder() + QString("window %1.gif").arg(s));
    ASSERT_TRUE(window.startsWith("GIF87a")) << s;
    const std::string exported = encoder.Gif(f.form.Record(), s);
    EXPECT_EQ(QByteArray(exported.data(), static_cast<qsizetype>(exported.size())), window) << s;
  }
}

}  // namespace
}  // namespace app
