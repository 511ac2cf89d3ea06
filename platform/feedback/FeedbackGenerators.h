#pragma once

namespace platform {

// The device's haptic generators. Each request is recorded in the FeedbackLog.

class NotificationFeedbackGenerator {
 public:
  enum class FeedbackType { success, warning, error };

  void prepare();
  void notificationOccurred(FeedbackType type);
};

class ImpactFeedbackGenerator {
 public:
  enum class Style { light, medium, heavy };

  explicit ImpactFeedbackGenerator(Style style) : style_(style) {}

  Style style() const { return style_; }
  void prepare();
  void impactOccurred();

 private:
  Style style_;
};

class SelectionFeedbackGenerator {
 public:
  void prepare();
  void selectionChanged();
};

}  // namespace platform
