// Builds test records with snprintf so the columns come from the record layout, not from the
// loader.
#include "tests/support/TestRecord.h"

#include <cstdio>

#include "runtime/Cp1251.h"

namespace testsupport {

using runtime::Cp1251FromUtf8;

std::string StimulusRow(const Row& r) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%6d%7d%7.3f%6d%7d%7.3f%3d%7.3f%3d%7.3f", r.stimul1,
                r.answer1, r.time1, r.stimul2, r.answer2, r.time2, r.answer3, r.time3, r.answer4,
                r.time4);
  return buffer;
}

std::vector<std::string> RecordLines(const char* totals[4], const std::vector<Row>& rows) {
  std::vector<std::string> lines = {
      Cp1251FromUtf8("Результаты выполнения теста Струпа"),
      Cp1251FromUtf8("Код: 0507  Имя: Иванов И.И.  Дата ПФО: 12.03.2004 10:15:00"),
      "0507",
      Cp1251FromUtf8("Количество стимулов - ") + std::to_string(rows.size()),
      std::to_string(rows.size()),
      Cp1251FromUtf8("Окончание теста: 10:22:41  Общее время выполнения: 421 сек."),
      "",
      Cp1251FromUtf8("Время (сек) T1 = ") + totals[0] + "  T2 = " + totals[1] +
          "  T3 = " + totals[2] + "  T4 = " + totals[3],
      Cp1251FromUtf8("Время (сек) И1 =  96  И2 =  85  И3 =  99  И4 = 108"),
      Cp1251FromUtf8("Пробы   (N) И1 = 140  И2 = 140  И3 = 140  И4 = 140"),
      "",
      Cp1251FromUtf8("Средние данные по заданиям"),
      "  Mean    SD    V%   Min   Max Ner",
      "  0.75  0.30    40  0.42  2.88   3",
      "  0.66  0.21    32  0.40  1.95   0",
      "  0.76  0.25    33  0.45  2.10   1",
      "  0.84  0.35    42  0.47  3.05  12",
      "",
      Cp1251FromUtf8("Данные по каждому стимулу"),
      "  Stimul-1  Answer-1  Stimul-2  Answer-2  Answer-3  Answer-4",
  };
  for (const Row& row : rows) lines.push_back(StimulusRow(row));
  return lines;
}

std::vector<std::string> StandardRecordLines() {
  const char* totals[4] = {"105", " 92", "107", "117"};
  return RecordLines(
      totals, {{1, 1, 0.985, 2, 2, 0.6, 2, 1.2, 2, 1.1}, {0, 2, 0.5, 1, 1, 0.75, 0, 2.5, 1, 1.25}});
}

std::vector<std::string> RecordOf(const std::string& code, int stimuli) {
  const char* totals[4] = {"105", " 92", "107", "117"};
  std::vector<Row> rows;
  for (int i = 0; i < stimuli; ++i)
    rows.push_back({i % 3, i % 3, 0.5 + 0.01 * i, (i + 1) % 3, (i + 1) % 3, 0.6, (i + 1) % 3, 0.7,
                    i % 2 == 0 ? i % 3 : (i + 2) % 3, 0.8 + 0.02 * i});
  std::vector<std::string> lines = RecordLines(totals, rows);
  lines[1] = Cp1251FromUtf8("Код: " + code + "  Имя: Петров П.П.  Дата ПФО: 01.02.2026 10:00:00");
  lines[2] = code;
  return lines;
}

std::vector<std::string> AgreeingRecordLines() {
  const char* totals[4] = {"105", " 92", "107", "117"};
  std::vector<std::string> lines = RecordLines(totals, {{0, 0, 0.5, 1, 1, 0.6, 1, 0.7, 0, 0.8},
                                                        {1, 1, 0.7, 2, 2, 0.6, 2, 0.9, 1, 1.0},
                                                        {2, 2, 0.9, 0, 0, 0.6, 1, 1.1, 2, 1.2},
                                                        {0, 1, 1.1, 1, 1, 0.6, 1, 1.3, 2, 1.4}});
  lines[13] = "  0.80  0.26    32  0.50  1.10   1";
  lines[14] = "  0.60  0.00     0  0.60  0.60   0";
  lines[15] = "  1.00  0.22    22  0.70  1.30   1";
  lines[16] = "  1.10  0.26    23  0.80  1.40   1";
  return lines;
}

}  // namespace testsupport
