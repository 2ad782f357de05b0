// The command-line run over many records: each record's report and chart images into a folder, the
// group summary table, failures and renamed outputs listed at the end.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/RecordData.h"
#include "group/SummaryTable.h"

namespace app {

// Draws the chart images and the PDF reports of records. Every worker thread makes its own.
class ChartEncoder {
 public:
  virtual ~ChartEncoder() = default;
  // The GIF file of the record's subtest 1..4, as the window's "Chart" saves it.
  virtual std::string Gif(const analysis::RecordData& record, int subtest) = 0;
  // The PNG file of the record's subtest drawn at `scale` (1, 2 or 4) times the GIF's size.
  virtual std::string Png(const analysis::RecordData& record, int subtest, int scale) = 0;
  // The PDF report: the report's CP1251 lines and the record's four charts.
  virtual std::string Pdf(const analysis::RecordData& record,
                          const std::vector<std::string>& reportLines) = 0;
};
using ChartEncoderFactory = std::function<std::unique_ptr<ChartEncoder>()>;

struct ExportSettings {
  std::optional<std::filesystem::path> folder;   // reports and charts go here
  std::optional<std::filesystem::path> summary;  // the group summary table
  group::CsvStyle csv;
  bool pdf = false;             // also "<code> Stroop.pdf" (with charts)
  std::optional<int> pngScale;  // also "<code> <s>.Stroop.png" at this scale (with charts)
  int jobs = 1;                 // worker threads
  bool progress = false;        // the progress line on `errors` (a terminal)
};

// Finds the records among `paths` (FindRecords), then loads them in order and writes, on
// `settings.jobs` threads, into the folder (created when missing) each record's
// "<code> Stroop.txt" and, with `charts`, its four "<code> <s>.Stroop.gif" (and, as the settings
// ask, its four "<code> <s>.Stroop.png" and "<code> Stroop.pdf"); then the summary table
// with one row per record in input order. Outputs are written whole or not at all; an output that
// is a symbolic link, or is one of the run's records, is not written and is that record's failure,
// and the record's other outputs are still written. Records whose outputs would have the name of an
// earlier record's get " (2)", " (3)"... At the end `errors` lists, in input order, "PATH: message"
// for each failure and a line for each renamed record. Returns 1 when anything failed, 0 otherwise.
int RunExport(const ExportSettings& settings, const std::vector<std::filesystem::path>& paths,
              std::ostream& errors, const ChartEncoderFactory& charts = {});

}  // namespace app
