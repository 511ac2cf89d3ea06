#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/foundation/Date.h"

namespace platform {

// The main thread's work queue. Work runs in deadline order, and in posting
// order for equal deadlines. Deadlines are read on Clock::current(), so tests
// can move time with advance() instead of sleeping.
//
// Posting (async, asyncAfter) is safe from any thread; running the queue is the
// main thread's job.
class MainQueue {
 public:
  using Task = std::function<void()>;

  static MainQueue& main();

  void async(Task task);
  void asyncAfter(TimeInterval delay, Task task);
  void asyncAt(Date deadline, Task task);

  // Runs every task whose deadline has come, including tasks posted while
  // running. Returns how many ran.
  std::size_t runUntilIdle();

  // Moves a manual clock forward by `seconds`, running each task when its
  // deadline is reached. Precondition: the current clock is a ManualClock.
  void advance(TimeInterval seconds);

  // Runs due tasks and waits in real time for tasks posted from other threads
  // until `condition` holds or `timeoutSeconds` of real time have passed.
  bool runUntil(const std::function<bool()>& condition, double timeoutSeconds);

  // Waits (real time) for at most `maxWaitSeconds` for a task to be due, then
  // runs the due tasks. Returns whether any ran. Used by an interactive loop.
  bool runOnce(double maxWaitSeconds);

  std::size_t pendingCount() const;
  // Deadline of the earliest pending task, if any.
  bool nextDeadline(Date& deadline) const;

  // Drops all pending work.
  void clear();

 private:
  struct Entry {
    Date deadline;
    std::uint64_t sequence;
    Task task;
  };
  bool popDue(Task& task);

  mutable std::mutex mutex_;
  std::condition_variable posted_;
  std::vector<Entry> entries_;
  std::uint64_t nextSequence_ = 0;
};

}  // namespace platform
