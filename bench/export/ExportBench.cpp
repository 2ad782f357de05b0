// Runs the shipped stroop-analyser over generated 140-stimulus records as a lab would, with
// "--export DIR --summary FILE --jobs N FOLDER": records per second with one and two threads
// (interleaved rounds, medians; the machine is shared), and the peak resident memory of runs over
// 1,000 and 10,000 records, which must stay flat.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/make-sample-records/SampleRecord.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct RunFigures {
  double seconds;
  double cpuSeconds;     // user and system time of the whole process, all threads
  double systemSeconds;  // the system part of it
  long peakKiB;
};

// Subjects that differ in code, speed, spread and errors, as a study's would.
void MakeRecords(const fs::path& folder, int count) {
  fs::create_directories(folder);
  for (int i = 0; i < count; ++i) {
    samples::Subject subject{"S" + std::to_string(10000 + i),
                             "Испытуемый " + std::to_string(i),
                             "12.03.2004 10:15:00",
                             140,
                             {0.70 + 0.001 * (i % 50), 0.62, 0.74 + 0.002 * (i % 30), 0.95},
                             0.25 + 0.01 * (i % 10),
                             {0.02, 0.01, 0.03, 0.08},
                             static_cast<uint32_t>(i + 1),
                             0};
    std::ofstream(folder / (subject.code + ".txt"), std::ios::binary)
        << samples::MakeRecord(subject);
  }
}

// Each run writes into a new folder, and no output is deleted before the end. ext4 without a
// journal (as on the machines we measure on) passes over the inodes freed in the last minutes
// each time it makes a file: deleting a run's 5,000 files would make the next run's every file
// cost more, which a lab exporting a study into a new folder does not meet. For the same reason a
// run of this benchmark within minutes of the last one (which deletes its folder at the end) reads
// a higher system time.
RunFigures Export(const fs::path& records, const fs::path& out, int jobs) {
  const std::string program = STROOP_ANALYSER;
  std::vector<std::string> args = {program,
                                   "--export",
                                   (out / "results").native(),
                                   "--summary",
                                   (out / "summary.csv").native(),
                                   "--jobs",
                                   std::to_string(jobs),
                                   records.native()};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
    std::perror("posix_spawn");
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  ::wait4(pid, &status, 0, &usage);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "the export failed (status %d)\n", status);
    std::exit(1);
  }
  const auto toSeconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return {seconds, toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime), toSeconds(usage.ru_stime),
          usage.ru_maxrss};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
  const bool memory = !(argc > 2 && std::string(argv[2]) == "--no-memory");
  const fs::path work =
      fs::temp_directory_path() / ("stroop-export-bench-" + std::to_string(::getpid()));
  const fs::path thousand = work / "records-1000";
  MakeRecords(thousand, 1000);

  // Speed: jobs 1 and 2 alternate, the first of each round swapping, so slow phases of the shared
  // machine fall on both.
  std::vector<double> rate[2];
  std::vector<double> ratio;
  std::vector<double> cpuMs, systemMs;  // per record, --jobs 1
  for (int round = 0; round < rounds; ++round) {
    double seconds[2];
    for (int k = 0; k < 2; ++k) {
      const int jobs = (round + k) % 2 + 1;
      const RunFigures run = Export(
          thousand, work / ("out-" + std::to_string(round) + "-" + std::to_string(jobs)), jobs);
      seconds[jobs - 1] = run.seconds;
      if (jobs == 1) {
        cpuMs.push_back(run.cpuSeconds * 1e3 / 1000);
        systemMs.push_back(run.systemSeconds * 1e3 / 1000);
      }
      rate[jobs - 1].push_back(1000 / seconds[jobs - 1]);
    }
    ratio.push_back(seconds[0] / seconds[1]);
    std::printf("round %d: --jobs 1 %.1f records/s, --jobs 2 %.1f records/s\n", round + 1,
                1000 / seconds[0], 1000 / seconds[1]);
  }
  std::printf("1,000 records, report + 4 GIFs + summary row each, median of %d rounds:\n", rounds);
  std::printf("  --jobs 1: %.1f records/s\n  --jobs 2: %.1f records/s (target 200)\n",
              Median(rate[0]), Median(rate[1]));
  std::printf("  speed-up with two threads: %.2f (median of the rounds' ratios)\n", Median(ratio));
  std::printf(
      "  CPU per record, --jobs 1, whole process: %.2f ms (target 8), of which system %.2f ms\n",
      Median(cpuMs), Median(systemMs));

  if (memory) {
    const RunFigures small = Export(thousand, work / "out-memory-1000", 2);
    const fs::path tenThousand = work / "records-10000";
    MakeRecords(tenThousand, 10000);
    const RunFigures large = Export(tenThousand, work / "out-memory-10000", 2);
    std::printf(
        "Peak resident memory, --jobs 2: 1,000 records %ld KiB, 10,000 records %ld KiB "
        "(%+.1f %%, target within 10 %%); 10,000 records took %.0f s\n",
        small.peakKiB, large.peakKiB, 100.0 * (large.peakKiB - small.peakKiB) / small.peakKiB,
        large.seconds);
  }
  fs::remove_all(work);
  return 0;
}
