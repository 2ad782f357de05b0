// The PDF report as poppler reads it: A4 pages, the report's lines as text, the header and the
// page numbers on every page, the charts' texts on the last page, the monospaced font embedded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/PdfReport.h"
#include "runtime/Cp1251.h"
#include "tests/outputs/OutputsTestRecords.h"
#include "tests/outputs/PopplerTools.h"
#include "tests/support/TempFolder.h"

namespace app {
namespace {

const QDate kDate(2026, 2, 1);

size_t Occurrences(const std::string& text, const std::string& piece) {
  size_t count = 0;
  for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
    ++count;
  return count;
}

class PdfReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HavePoppler()) GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdffonts) missing";
  }
  std::filesystem::path Write(const std::vector<std::string>& lines) {
    return folder.Write("report.pdf", ReportPdf(test::SampleRecord().Record, lines, kDate));
  }
  testsupport::TempFolder folder{"pdf-report"};
};

TEST_F(PdfReportTest, TextPagesThenOneChartPage) {
  // A page holds about 62 lines of 10-point text (712 of A4's 842 points are left by the
  // margins, header and footer; a line takes 11.3 points).
  const std::vector<std::string> shortLines(150, "line");
  // clang-format off
  struct Case { const char* what; std::vector<std::string> lines; int pages; };
  const Case cases[] = {
      {"the sample's report, under a page with its wrapped paragraphs", test::SampleRecord().Report, 2},
      {"150 lines: three pages of text",                                 shortLines,                  4},
      {"no text: the charts alone",                                      {},                          1},
  };
  // clang-format on
  for (const Case& c : cases) {
    const std::string info = PdfInfo(Write(c.lines));
    EXPECT_NE(info.find("Pages:           " + std::to_string(c.pages) + "\n"), std::string::npos)
        << c.what << '\n'
        << info;
    EXPECT_NE(info.find("Page size:       595 x 842 pts (A4)"), std::string::npos) << info;
  }
}

TEST_F(PdfReportTest, HoldsEveryReportLineInCyrillic) {
  const analysis::LoadedRecord loaded = test::SampleRecord();
  // Compared without white space: long lines wrap, and the text tool spaces table columns its own
  // way.
  const std::string text = WithoutSpaces(PdfText(Write(loaded.Report)));
  for (const std::string& line : loaded.Report) {
    const std::string utf8 = runtime::Cp1251ToUtf8(line);
    EXPECT_NE(text.find(WithoutSpaces(utf8)), std::string::npos) << utf8;
  }
  // A line from the middle of the report, as the program writes it for this sample.
  EXPECT_NE(text.find(WithoutSpaces("Время (сек) T1 = 133  T2 = 112  T3 = 127  T4 = 163")),
            std::string::npos);
}

TEST_F(PdfReportTest, HeaderAndPageNumberOnEveryPageChartsOnTheLast) {
  const std::string text = PdfText(Write(std::vector<std::string>(100, "line")));
  const std::string subject = "Код: 0507  Имя: Петрова А.С.  Дата ПФО: 12.03.2004 10:15:00";
  // In each page's header, and in the foot of each of the four charts.
  EXPECT_EQ(Occurrences(WithoutSpaces(text), WithoutSpaces(subject)), 3u + 4u);
  EXPECT_EQ(Occurrences(text, "01.02.2026"), 3u);
  for (const char* footer : {"Страница 1 из 3", "Страница 2 из 3", "Страница 3 из 3"})
    EXPECT_EQ(Occurrences(text, footer), 1u) << footer;
  const std::string lastPage = text.substr(text.rfind("Страница 2 из 3"));
  for (const char* mark : {"[НЦ]", "[ЧНЦч]", "[ЧНЦо]", "[НЦСо]"})
    EXPECT_NE(lastPage.find(mark), std::string::npos) << mark;
  EXPECT_EQ(Occurrences(lastPage, "Время выполнения -"), 4u) << "four chart titles";
}

TEST_F(PdfReportTest, ReportInTheMonospacedFontEmbedded) {
  const std::string fonts = PdfFonts(Write(test::SampleRecord().Report));
  EXPECT_NE(fonts.find("LiberationMono "), std::string::npos) << fonts;
  EXPECT_NE(fonts.find("LiberationSans "), std::string::npos) << fonts;
  // The table's "emb" column says "yes" on every font's line.
  const size_t emb = fonts.find("emb");
  ASSERT_NE(emb, std::string::npos) << fonts;
  const size_t column = emb - fonts.rfind('\n', emb) - 1;
  size_t fontLines = 0;
  for (size_t at = fonts.find("\n---"); (at = fonts.find('\n', at + 1)) != std::string::npos;) {
    const std::string line = fonts.substr(at + 1, fonts.find('\n', at + 1) - at - 1);
    if (line.empty()) continue;
    ++fontLines;
    EXPECT_EQ(line.substr(column, 3), "yes") << line;
  }
  EXPECT_EQ(fontLines, 2u) << fonts;
}

}  // namespace
}  // namespace app
