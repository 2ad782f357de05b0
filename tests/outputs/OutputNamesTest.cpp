// The outputs' names follow the GIF's and the report's patterns.
#include <gtest/gtest.h>

#include "app/OutputNames.h"
#include "runtime/Cp1251.h"

namespace app {
namespace {

TEST(OutputNames, TheGifsAndTheReportsPatternsWithTheirExtensions) {
  const std::string ivanov = runtime::Cp1251FromUtf8("Иванов");
  // clang-format off
  EXPECT_EQ(ChartOutputFileName("0507", 1, "png"), "0507 1.Stroop.png");
  EXPECT_EQ(ChartOutputFileName("0507", 4, "svg"), "0507 4.Stroop.svg");
  EXPECT_EQ(ChartOutputFileName(ivanov, 2, "pdf"), "Иванов 2.Stroop.pdf");
  EXPECT_EQ(ReportPdfFileName("0507"),             "0507 Stroop.pdf");
  EXPECT_EQ(ReportPdfFileName(ivanov),             "Иванов Stroop.pdf");
  // clang-format on
}

}  // namespace
}  // namespace app
