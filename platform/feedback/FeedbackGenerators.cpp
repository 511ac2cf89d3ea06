#include "platform/feedback/FeedbackGenerators.h"

#include <string>

#include "platform/feedback/FeedbackLog.h"

namespace platform {

namespace {

std::string name(NotificationFeedbackGenerator::FeedbackType type) {
  switch (type) {
    case NotificationFeedbackGenerator::FeedbackType::success:
      return "success";
    case NotificationFeedbackGenerator::FeedbackType::warning:
      return "warning";
    case NotificationFeedbackGenerator::FeedbackType::error:
      return "error";
  }
  return {};
}

std::string name(ImpactFeedbackGenerator::Style style) {
  switch (style) {
    case ImpactFeedbackGenerator::Style::light:
      return "light";
    case ImpactFeedbackGenerator::Style::medium:
      return "medium";
    case ImpactFeedbackGenerator::Style::heavy:
      return "heavy";
  }
  return {};
}

void recordPrepared(std::string generator) {
  FeedbackLog::record({FeedbackEvent::Kind::prepared, 0, std::move(generator)});
}

}  // namespace

void NotificationFeedbackGenerator::prepare() { recordPrepared("notification"); }

void NotificationFeedbackGenerator::notificationOccurred(FeedbackType type) {
  FeedbackLog::record({FeedbackEvent::Kind::notificationOccurred, 0, name(type)});
}

void ImpactFeedbackGenerator::prepare() { recordPrepared("impact " + name(style_)); }

void ImpactFeedbackGenerator::impactOccurred() {
  FeedbackLog::record({FeedbackEvent::Kind::impactOccurred, 0, name(style_)});
}

void SelectionFeedbackGenerator::prepare() { recordPrepared("selection"); }

void SelectionFeedbackGenerator::selectionChanged() {
  FeedbackLog::record({FeedbackEvent::Kind::selectionChanged, 0, {}});
}

}  // namespace platform
