#include "platform/feedback/FeedbackLog.h"

#include <deque>

#include "platform/foundation/ProcessState.h"

namespace platform {

namespace {

// A deque, so dropping the oldest of a full log on every key costs nothing.
std::deque<FeedbackEvent>& events() {
  static std::deque<FeedbackEvent>* log = [] {
    static std::deque<FeedbackEvent> instance;
    registerProcessReset([] { instance.clear(); });
    return &instance;
  }();
  return *log;
}

}  // namespace

std::string FeedbackEvent::description() const {
  switch (kind) {
    case Kind::systemSound:
      return "sound " + std::to_string(soundId);
    case Kind::notificationOccurred:
      return "notification " + detail;
    case Kind::impactOccurred:
      return "impact " + detail;
    case Kind::selectionChanged:
      return "selection";
    case Kind::prepared:
      return "prepare " + detail;
  }
  return {};
}

std::vector<FeedbackEvent> FeedbackLog::played() { return {events().begin(), events().end()}; }

std::vector<std::string> FeedbackLog::playedDescriptions() {
  std::vector<std::string> result;
  for (const FeedbackEvent& event : events()) result.push_back(event.description());
  return result;
}

void FeedbackLog::record(FeedbackEvent event) {
  auto& log = events();
  if (log.size() >= capacity) log.pop_front();
  log.push_back(std::move(event));
}

void FeedbackLog::clear() { events().clear(); }

}  // namespace platform
