#include "platform/foundation/MainQueue.h"

#include <algorithm>
#include <cassert>
#include <chrono>

#include "platform/foundation/Clock.h"
#include "platform/foundation/ProcessState.h"

namespace platform {

MainQueue& MainQueue::main() {
  static MainQueue* queue = [] {
    auto* q = new MainQueue;  // lives for the whole process; work may be posted during exit
    registerProcessReset([q] { q->clear(); });
    return q;
  }();
  return *queue;
}

void MainQueue::async(Task task) { asyncAt(Clock::current().now(), std::move(task)); }

void MainQueue::asyncAfter(TimeInterval delay, Task task) {
  asyncAt(Clock::current().now().addingTimeInterval(delay), std::move(task));
}

void MainQueue::asyncAt(Date deadline, Task task) {
  {
    std::lock_guard lock(mutex_);
    entries_.push_back(Entry{deadline, nextSequence_++, std::move(task)});
  }
  posted_.notify_all();
}

bool MainQueue::popDue(Task& task) {
  std::lock_guard lock(mutex_);
  Date now = Clock::current().now();
  auto best = entries_.end();
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->deadline > now) continue;
    if (best == entries_.end() || it->deadline < best->deadline ||
        (it->deadline == best->deadline && it->sequence < best->sequence)) {
      best = it;
    }
  }
  if (best == entries_.end()) return false;
  task = std::move(best->task);
  entries_.erase(best);
  return true;
}

std::size_t MainQueue::runUntilIdle() {
  std::size_t count = 0;
  Task task;
  while (popDue(task)) {
    task();
    // Destroy the task here, outside the lock: its captures may post again.
    task = nullptr;
    ++count;
  }
  return count;
}

void MainQueue::advance(TimeInterval seconds) {
  auto clock = currentManualClock();
  assert(clock && "MainQueue::advance needs a ManualClock");
  if (!clock) return;
  Date end = clock->now().addingTimeInterval(seconds);
  runUntilIdle();
  Date next;
  while (nextDeadline(next) && next <= end) {
    if (next > clock->now()) clock->set(next);
    runUntilIdle();
  }
  clock->set(end);
  runUntilIdle();
}

bool MainQueue::runUntil(const std::function<bool()>& condition, double timeoutSeconds) {
  using namespace std::chrono;
  auto limit = steady_clock::now() + duration_cast<steady_clock::duration>(duration<double>(timeoutSeconds));
  while (true) {
    runUntilIdle();
    if (condition()) return true;
    std::unique_lock lock(mutex_);
    if (steady_clock::now() >= limit) return false;
    // Wake for new posts; deadlines in the future of a manual clock never come by waiting.
    posted_.wait_until(lock, std::min(limit, steady_clock::now() + milliseconds(10)));
  }
}

bool MainQueue::runOnce(double maxWaitSeconds) {
  using namespace std::chrono;
  if (runUntilIdle() > 0) return true;
  {
    std::unique_lock lock(mutex_);
    double wait = maxWaitSeconds;
    if (!entries_.empty()) {
      Date earliest = entries_.front().deadline;
      for (const auto& e : entries_) earliest = std::min(earliest, e.deadline);
      wait = std::clamp(earliest.timeIntervalSince(Clock::current().now()), 0.0, maxWaitSeconds);
    }
    posted_.wait_for(lock, duration<double>(wait));
  }
  return runUntilIdle() > 0;
}

std::size_t MainQueue::pendingCount() const {
  std::lock_guard lock(mutex_);
  return entries_.size();
}

bool MainQueue::nextDeadline(Date& deadline) const {
  std::lock_guard lock(mutex_);
  if (entries_.empty()) return false;
  deadline = entries_.front().deadline;
  for (const auto& e : entries_) deadline = std::min(deadline, e.deadline);
  return true;
}

void MainQueue::clear() {
  std::vector<Entry> dropped;
  {
    std::lock_guard lock(mutex_);
    dropped.swap(entries_);
  }
  // Destroy the tasks outside the lock: their captures may post again.
}

}  // namespace platform
