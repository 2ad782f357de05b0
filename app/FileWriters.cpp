#include "app/FileWriters.h"

#include <utility>

namespace app {

FileWriters::FileWriters(int threads) {
  for (int i = 0; i < threads; ++i) threads_.emplace_back([this] { Work(); });
}

FileWriters::~FileWriters() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  ready_.notify_all();
  for (std::thread& t : threads_) t.join();
}

std::future<void> FileWriters::Start(std::function<void()> write) {
  std::packaged_task<void()> task(std::move(write));
  std::future<void> done = task.get_future();
  {
    const std::lock_guard lock(mutex_);
    queue_.push_back(std::move(task));
  }
  ready_.notify_one();
  return done;
}

void FileWriters::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    ready_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (queue_.empty()) return;
    std::packaged_task<void()> task = std::move(queue_.front());
    queue_.pop_front();
    lock.unlock();
    task();
    lock.lock();
  }
}

}  // namespace app
