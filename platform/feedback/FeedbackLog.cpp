#include "platform/feedback/FeedbackLog.h"

#include "platform/foundation/ProcessState.h"

namespace platform {

namespace {

std::vector<FeedbackEvent>& events() {
  static std::vector<FeedbackEvent>* log = [] {
    static std::vector<FeedbackEvent> instance;
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

const std::vector<FeedbackEvent>& FeedbackLog::played() { return events(); }

std::vector<std::string> FeedbackLog::playedDescriptions() {
  std::vector<std::string> result;
  for (const FeedbackEvent& event : events()) result.push_back(event.description());
  return result;
}

void FeedbackLog::record(FeedbackEvent event) {
  auto& log = events();
  if (log.size() >= capacity) log.erase(log.begin());
  log.push_back(std::move(event));
}

void FeedbackLog::clear() { events().clear(); }

}  // namespace platform
