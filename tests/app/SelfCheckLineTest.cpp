// The window's status line: silent for a record that agrees with itself, naming the subtest and
// the figures for one that does not, and changing neither the report nor the chart.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>

#include "app/ChartView.h"
#include "app/ReportView.h"
#include "tests/app/QtPrinters.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/TestRecord.h"

namespace app {
namespace {

QString Report(TForm1& form) { return form.meAnalysis->toPlainText(); }

TEST(SelfCheckLine, OnlyForADisagreeingRecord) {
  test::WindowFixture f;
  TForm1& form = f.form;
  form.show();
  EXPECT_FALSE(form.sbSelfCheck->isVisible());

  std::vector<std::string> agreeing = testsupport::AgreeingRecordLines();
  f.Open(f.WriteRecord("agree.txt", agreeing));
  ASSERT_TRUE(f.prompts.errors.empty());
  EXPECT_FALSE(form.sbSelfCheck->isVisible());
  EXPECT_EQ(form.sbSelfCheck->currentMessage(), "");
  const QString agreeingReport = Report(form);
  const QRect chart = form.Chart5secView->geometry();
  const QRect report = form.meAnalysis->geometry();

  std::vector<std::string> disagreeing = agreeing;
  disagreeing[15] = "  1.00  0.22    22  0.70  1.30   3";  // the rows give one error, not 3
  f.Open(f.WriteRecord("disagree.txt", disagreeing));
  EXPECT_TRUE(form.sbSelfCheck->isVisible());
  EXPECT_EQ(form.sbSelfCheck->currentMessage(),
            QString("Сводка субтеста 3 не совпадает с данными стимулов: ошибки 3 ≠ 1"));
  // The report is the record's own: the same as the agreeing one's but for the printed row.
  QString expected = agreeingReport;
  expected.replace("  1.00  0.22    22  0.70  1.30   1", "  1.00  0.22    22  0.70  1.30   3");
  EXPECT_EQ(Report(form), expected);
  EXPECT_EQ(form.Chart5secView->geometry(), chart);
  EXPECT_EQ(form.meAnalysis->geometry(), report);

  f.Open(f.WriteRecord("agree-again.txt", agreeing));
  EXPECT_FALSE(form.sbSelfCheck->isVisible());
  EXPECT_EQ(Report(form), agreeingReport);
}

}  // namespace
}  // namespace app
