// Tasks on worker threads, results back in the order the tasks were given: a run on several cores
// writes its table rows and messages exactly as a run on one does.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace app {

// Each worker makes its own Context (a chart and its canvas, say) on its thread and destroys it
// there. Tasks report their failures in their Result and throw nothing. Results are handed to
// `deliver` on the thread that submits, in submission order; at most `maxPending` tasks are given
// but not yet delivered, so memory stays the same however many tasks a run has.
template <typename Context, typename Result>
class OrderedPool {
 public:
  using Task = std::function<Result(Context&)>;

  OrderedPool(int workers, std::function<std::unique_ptr<Context>()> makeContext,
              std::function<void(Result&)> deliver, size_t maxPending)
      : deliver_(std::move(deliver)), maxPending_(maxPending < 1 ? 1 : maxPending) {
    for (int i = 0; i < workers; ++i)
      threads_.emplace_back([this, makeContext] { Work(makeContext); });
  }

  ~OrderedPool() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    taskReady_.notify_all();
    for (std::thread& t : threads_) t.join();
  }

  OrderedPool(const OrderedPool&) = delete;
  OrderedPool& operator=(const OrderedPool&) = delete;

  // Queues the task, first delivering finished results until there is room for it.
  void Submit(Task task) {
    std::unique_lock lock(mutex_);
    for (;;) {
      DeliverReady(lock);
      if (submitted_ - delivered_ < maxPending_) break;
      resultReady_.wait(lock);
    }
    tasks_.push_back({submitted_++, std::move(task)});
    lock.unlock();
    taskReady_.notify_one();
  }

  // A result that needs no worker (a record that failed to load), delivered in its turn.
  void SubmitResult(Result result) {
    Submit([r = std::make_shared<Result>(std::move(result))](Context&) { return std::move(*r); });
  }

  // Waits for and delivers every result.
  void Finish() {
    std::unique_lock lock(mutex_);
    for (;;) {
      DeliverReady(lock);
      if (delivered_ == submitted_) break;
      resultReady_.wait(lock);
    }
  }

 private:
  struct Queued {
    size_t index;
    Task task;
  };

  void Work(const std::function<std::unique_ptr<Context>()>& makeContext) {
    std::unique_ptr<Context> context = makeContext();
    std::unique_lock lock(mutex_);
    for (;;) {
      taskReady_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
      if (tasks_.empty()) return;
      Queued queued = std::move(tasks_.front());
      tasks_.pop_front();
      lock.unlock();
      Result result = queued.task(*context);
      lock.lock();
      done_.emplace(queued.index, std::move(result));
      resultReady_.notify_all();
    }
  }

  // Hands over, outside the lock, each result whose predecessors are all delivered.
  void DeliverReady(std::unique_lock<std::mutex>& lock) {
    for (auto next = done_.find(delivered_); next != done_.end(); next = done_.find(delivered_)) {
      Result result = std::move(next->second);
      done_.erase(next);
      lock.unlock();
      deliver_(result);
      lock.lock();
      ++delivered_;
    }
  }

  std::function<void(Result&)> deliver_;
  const size_t maxPending_;
  std::mutex mutex_;
  std::condition_variable taskReady_;
  std::condition_variable resultReady_;
  std::deque<Queued> tasks_;
  std::map<size_t, Result> done_;
  size_t submitted_ = 0;
  size_t delivered_ = 0;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace app
