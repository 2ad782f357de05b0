// The run: records found and loaded in order, written on worker threads, results listed in order.
#include "app/RunExport.h"

#include <sys/stat.h>

#include <algorithm>
#include <exception>
#include <future>
#include <system_error>
#include <utility>

#include "analysis/RecordLoader.h"
#include "analysis/ReportFile.h"
#include "analysis/SaveNames.h"
#include "app/ExportNames.h"
#include "app/FileWriters.h"
#include "app/OrderedPool.h"
#include "app/Progress.h"
#include "app/RecordScan.h"
#include "app/SummaryFile.h"
#include "app/TerminalText.h"
#include "runtime/AtomicFile.h"
#include "runtime/Cp1251.h"
#include "runtime/Errors.h"

namespace app {
namespace {

namespace fs = std::filesystem;

// The files the run reads, by device and inode: a path that reaches one of them, under any name,
// hard link or symbolic link, is never written.
class InputFiles {
 public:
  explicit InputFiles(const RunInputs& inputs) {
    for (const RunInput& input : inputs) {
      struct stat file {};
      if (::stat(input.path.c_str(), &file) == 0) ids_.push_back({file.st_dev, file.st_ino});
    }
    std::sort(ids_.begin(), ids_.end());
  }

  bool Reached(const fs::path& path) const {
    struct stat file {};
    if (::lstat(path.c_str(), &file) == 0 && Holds(file)) return true;
    return ::stat(path.c_str(), &file) == 0 && Holds(file);
  }

 private:
  bool Holds(const struct stat& file) const {
    return std::binary_search(ids_.begin(), ids_.end(), std::pair{file.st_dev, file.st_ino});
  }

  std::vector<std::pair<dev_t, ino_t>> ids_;  // sorted
};

std::string ReachesInput(const fs::path& path) {
  return "Cannot create file " + runtime::Cp1251FromUtf8(path.native()) +
         ": it is one of the records of this run";
}

fs::path Utf8Name(const std::string& name) {
  return fs::path(std::u8string(name.begin(), name.end()));
}

// A file being written on a writer thread, or the reason its write could not be started.
struct PendingWrite {
  fs::path target;
  std::future<void> written;
  std::exception_ptr failed;
};

// What one record gives: its table row and its lines for the list at the end. A worker hands it
// over while the record's files are still being written, and goes on with the next record; the
// row is made once the writes are done, when the outcome is delivered in its turn.
struct Outcome {
  std::string row;
  std::vector<std::string> lines;
  bool failed = false;
  std::string shownPath;
  std::vector<PendingWrite> writes;
  std::function<std::string(const std::string& failures)> makeRow;
};

struct Worker {
  std::unique_ptr<ChartEncoder> charts;
};

class RecordExport {
 public:
  RecordExport(const ExportSettings& settings, const InputFiles& inputs, FileWriters& writers)
      : settings_(settings), inputs_(inputs), writers_(writers) {}

  Outcome Failed(const fs::path& path, const std::string& message) const {
    Outcome outcome;
    outcome.failed = true;
    outcome.lines.push_back(TerminalSafe(path.native()) + ": " + message);
    if (settings_.summary) outcome.row = group::CsvFailedRow(path.native(), message, settings_.csv);
    return outcome;
  }

  Outcome Export(const fs::path& path, std::shared_ptr<const analysis::LoadedRecord> record,
                 const OutputStem& stem, Worker& worker) const {
    const analysis::LoadedRecord& loaded = *record;
    Outcome outcome;
    outcome.shownPath = TerminalSafe(path.native());
    if (stem.numbered || stem.shortened)
      outcome.lines.push_back(outcome.shownPath + ": " + RenameNotice(stem));
    // Each file is written on a writer thread: the waits for the disk overlap each other, the
    // drawing of the next chart and the next records.
    std::vector<PendingWrite>& pending = outcome.writes;
    auto write = [&](const std::string& name, const auto& bytes) {
      const fs::path target = *settings_.folder / Utf8Name(name);
      try {
        if (inputs_.Reached(target)) throw runtime::EFCreateError(ReachesInput(target));
        pending.push_back({target, writers_.Start([target, data = bytes()] {
                             runtime::SaveFileAtomically(target, data,
                                                         runtime::LinkPolicy::RefuseLinks);
                           }),
                           nullptr});
      } catch (...) {
        pending.push_back({target, {}, std::current_exception()});
      }
    };
    if (settings_.folder) {
      write(analysis::ReportFileName(stem.stem),
            [&] { return analysis::ReportFileBytes(loaded.Report); });
      for (int s = 1; worker.charts && s <= analysis::kSubtestCount; ++s) {
        write(analysis::ChartFileName(stem.stem, s),
              [&] { return worker.charts->Gif(loaded.Record, s); });
      }
      for (int s = 1; worker.charts && settings_.pngScale && s <= analysis::kSubtestCount; ++s) {
        write(ExportChartFileName(stem.stem, s, "png"),
              [&] { return worker.charts->Png(loaded.Record, s, *settings_.pngScale); });
      }
      if (worker.charts && settings_.pdf) {
        write(ExportReportFileName(stem.stem, "pdf"),
              [&] { return worker.charts->Pdf(loaded.Record, loaded.Report); });
      }
    }
    if (settings_.summary) {
      outcome.makeRow = [path, record, csv = settings_.csv](const std::string& failures) {
        return group::CsvRecordRow(path.native(), *record, failures, csv);
      };
    }
    return outcome;
  }

  // Waits for the record's files, taking their failures in the order of the files, and makes its
  // row.
  static void Complete(Outcome& outcome) {
    std::string failures;
    for (PendingWrite& p : outcome.writes) {
      try {
        if (p.failed) std::rethrow_exception(p.failed);
        p.written.get();
      } catch (const runtime::Exception& e) {
        Fail(outcome, failures, TerminalMessage(e.Message(), p.target));
      } catch (const std::exception& e) {
        Fail(outcome, failures, TerminalSafe(e.what()));
      }
    }
    outcome.writes.clear();
    if (outcome.makeRow) outcome.row = outcome.makeRow(failures);
  }

 private:
  static void Fail(Outcome& outcome, std::string& failures, const std::string& message) {
    outcome.failed = true;
    outcome.lines.push_back(outcome.shownPath + ": " + message);
    failures += (failures.empty() ? "" : "; ") + message;
  }

  static std::string RenameNotice(const OutputStem& stem) {
    std::string why;
    if (stem.shortened) why = "the subject code is too long for a file name";
    if (stem.numbered) {
      why += std::string(why.empty() ? "" : " and ") +
             "an earlier record of this run has outputs of the same name";
    }
    return "outputs named \"" + TerminalSafe(runtime::Cp1251ToUtf8(stem.stem)) +
           " Stroop.txt\" and so on: " + why;
  }

  const ExportSettings& settings_;
  const InputFiles& inputs_;
  FileWriters& writers_;
};

}  // namespace

int RunExport(const ExportSettings& settings, const std::vector<fs::path>& paths,
              std::ostream& errors, const ChartEncoderFactory& charts) {
  const RunInputs inputs = FindRecords(paths, settings.folder);
  const InputFiles inputFiles(inputs);
  if (settings.folder) {
    std::error_code ignored;
    // A folder that cannot be made shows up as "Cannot create file" for each output.
    fs::create_directories(*settings.folder, ignored);
  }
  std::optional<SummaryFile> table;
  std::string tableError;
  if (settings.summary) {
    if (inputFiles.Reached(*settings.summary)) {
      tableError = ReachesInput(*settings.summary);
    } else {
      table.emplace(*settings.summary);
      table->Append(group::kCsvByteOrderMark);
      table->Append(group::CsvHeader(settings.csv));
    }
  }
  std::vector<std::string> listing;
  bool failed = false;
  Progress progress(errors, inputs.size(), settings.progress);
  const int jobs = settings.jobs < 1 ? 1 : settings.jobs;
  const size_t maxPending = 4 * static_cast<size_t>(jobs);
  // Enough threads for the report and four charts of every record on its way.
  FileWriters writers(settings.folder ? 5 * static_cast<int>(maxPending) : 0);
  const RecordExport recordExport(settings, inputFiles, writers);
  {
    const auto makeWorker = [&] {
      auto worker = std::make_unique<Worker>();
      if (charts && settings.folder) worker->charts = charts();
      return worker;
    };
    const auto deliver = [&](Outcome& outcome) {
      RecordExport::Complete(outcome);
      if (table) table->Append(outcome.row);
      for (std::string& line : outcome.lines) listing.push_back(std::move(line));
      failed = failed || outcome.failed;
      progress.Step();
    };
    OrderedPool<Worker, Outcome> pool(jobs, makeWorker, deliver, maxPending);
    OutputNames names;
    for (const RunInput& input : inputs) {
      if (input.unreadFolder) {
        pool.SubmitResult(recordExport.Failed(
            input.path, TerminalMessage(UnreadFolderMessage(input.path), input.path)));
        continue;
      }
      // Loading and naming go in input order on this thread, so the names do not depend on which
      // worker finishes first.
      auto loaded = std::make_shared<analysis::LoadedRecord>();
      try {
        *loaded = analysis::LoadRecordFile(input.path);
      } catch (const runtime::Exception& e) {
        pool.SubmitResult(
            recordExport.Failed(input.path, TerminalMessage(e.Message(), input.path)));
        continue;
      } catch (const std::exception& e) {
        // Out of memory and the like: still one record's failure, not the whole run's.
        pool.SubmitResult(recordExport.Failed(input.path, TerminalSafe(e.what())));
        continue;
      }
      const OutputStem stem =
          settings.folder ? names.Claim(loaded->Record.SubjectCode) : OutputStem{};
      pool.Submit([&recordExport, path = input.path, loaded, stem](Worker& worker) {
        try {
          return recordExport.Export(path, loaded, stem, worker);
        } catch (const std::exception& e) {
          return recordExport.Failed(path, TerminalSafe(e.what()));
        }
      });
    }
    pool.Finish();
  }
  progress.Clear();
  for (const std::string& line : listing) errors << line << '\n';
  if (table) tableError = table->Commit();
  if (!tableError.empty()) {
    errors << "stroop-analyser: " << TerminalMessage(tableError, *settings.summary) << '\n';
    failed = true;
  }
  return failed ? 1 : 0;
}

}  // namespace app
