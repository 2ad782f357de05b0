// The worker pool: results in submission order whichever worker finishes first, a bounded number
// in flight, one context per worker made and destroyed on its own thread.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>

#include "app/OrderedPool.h"

namespace app {
namespace {

struct Context {
  std::thread::id madeOn = std::this_thread::get_id();
  int tasks = 0;
};

TEST(OrderedPool, ResultsInSubmissionOrderWithABoundedBacklog) {
  for (int workers : {1, 2, 5}) {
    std::vector<int> delivered;
    std::atomic<int> running{0};
    std::atomic<int> mostRunning{0};
    std::set<std::thread::id> threads;
    std::mutex threadsMutex;
    size_t mostUndelivered = 0;
    int submitted = 0;
    {
      OrderedPool<Context, int> pool(
          workers, [] { return std::make_unique<Context>(); },
          [&](int& result) { delivered.push_back(result); }, 3);
      for (int i = 0; i < 60; ++i) {
        if (i % 10 == 4) {
          pool.SubmitResult(i);
        } else {
          pool.Submit([&, i](Context& context) {
            EXPECT_EQ(context.madeOn, std::this_thread::get_id());
            ++context.tasks;
            mostRunning = std::max(mostRunning.load(), ++running);
            // Early tasks take longest, so later ones finish first.
            std::this_thread::sleep_for(std::chrono::microseconds((60 - i) * 30));
            --running;
            const std::lock_guard lock(threadsMutex);
            threads.insert(std::this_thread::get_id());
            return i;
          });
        }
        ++submitted;
        mostUndelivered =
            std::max(mostUndelivered, static_cast<size_t>(submitted) - delivered.size());
      }
      pool.Finish();
    }
    std::vector<int> expected(60);
    for (int i = 0; i < 60; ++i) expected[static_cast<size_t>(i)] = i;
    EXPECT_EQ(delivered, expected) << workers;
    EXPECT_LE(mostUndelivered, 3u) << workers;
    EXPECT_LE(mostRunning.load(), workers) << workers;
    EXPECT_LE(threads.size(), static_cast<size_t>(workers));
  }
}

}  // namespace
}  // namespace app
