// Threads that write a run's files. Each write waits for the disk on a thread of its own, so the
// waits overlap each other and the drawing; the threads are made once for the run, not once per
// file (making a thread costs as much as a twentieth of a record's whole export).
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace app {

class FileWriters {
 public:
  explicit FileWriters(int threads);
  // Finishes every write given.
  ~FileWriters();

  FileWriters(const FileWriters&) = delete;
  FileWriters& operator=(const FileWriters&) = delete;

  // Runs `write` on one of the threads; the future holds what it threw.
  std::future<void> Start(std::function<void()> write);

 private:
  void Work();

  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<std::packaged_task<void()>> queue_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace app
