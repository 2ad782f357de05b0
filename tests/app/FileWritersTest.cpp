// The run's writer threads: writes overlap up to the number of threads, each future carries what
// its write threw, and the end of the run waits for every write given.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "app/FileWriters.h"

namespace app {
namespace {

TEST(FileWriters, WritesOverlapUpToTheThreadsAndFailuresComeBackThroughTheirFutures) {
  for (int threads : {1, 3}) {
    std::atomic<int> running{0};
    std::atomic<int> mostRunning{0};
    std::atomic<int> finished{0};
    std::vector<std::future<void>> done;
    {
      FileWriters writers(threads);
      for (int i = 0; i < 9; ++i) {
        done.push_back(writers.Start([&, i] {
          mostRunning = std::max(mostRunning.load(), ++running);
          std::this_thread::sleep_for(std::chrono::milliseconds(50));
          --running;
          ++finished;
          if (i % 4 == 1) throw std::runtime_error("disk full " + std::to_string(i));
        }));
      }
    }  // the writers end here, after the last write
    EXPECT_EQ(finished, 9) << threads << " threads";
    EXPECT_EQ(mostRunning, threads);
    for (int i = 0; i < 9; ++i) {
      if (i % 4 == 1) {
        try {
          done[static_cast<size_t>(i)].get();
          ADD_FAILURE() << "write " << i << " reported no failure";
        } catch (const std::runtime_error& e) {
          EXPECT_EQ(e.what(), "disk full " + std::to_string(i));
        }
      } else {
        EXPECT_NO_THROW(done[static_cast<size_t>(i)].get()) << "write " << i;
      }
    }
  }
}

}  // namespace
}  // namespace app
