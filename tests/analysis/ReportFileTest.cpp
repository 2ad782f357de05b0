// The report file: CP1251 lines with CR LF after each, replaced atomically.
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/ReportFile.h"
#include "runtime/Errors.h"
#include "runtime/TextFile.h"
#include "tests/support/ExpectThrowMessage.h"
#include "tests/support/TempFolder.h"

namespace analysis {
namespace {

TEST(ReportFile, CrLfAfterEveryLineTheLastIncluded) {
  EXPECT_EQ(ReportFileBytes({"\xD2\xE5\xF1\xF2", "", "end"}), "\xD2\xE5\xF1\xF2\r\n\r\nend\r\n");
  EXPECT_EQ(ReportFileBytes({}), "");
}

TEST(ReportFile, SavesAndReplaces) {
  const testsupport::TempFolder folder;
  const auto file = folder / "0507 Stroop.txt";
  SaveReportFile(file, {"first", "version"});
  SaveReportFile(file, {"a \xC0\xDF", "b"});
  EXPECT_EQ(testsupport::ReadFile(file), "a \xC0\xDF\r\nb\r\n");
  const auto nowhere = folder / "missing" / "x.txt";
  EXPECT_THROW_MSG(SaveReportFile(nowhere, {"x"}), runtime::EFCreateError,
                   "Cannot create file " + nowhere.string());
}

}  // namespace
}  // namespace analysis
