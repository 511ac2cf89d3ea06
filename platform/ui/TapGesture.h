#pragma once

#include <functional>
#include <string>

#include "platform/ui/Gesture.h"

namespace platform::ui {

// Recognises `count` taps in a row: touches that lift inside the view
// without moving more than a small slop, each starting within
// TouchPipeline::multiTapInterval of the previous one's end. With count 2,
// `onEnded` runs at the second tap (and the fourth, ...).
class TapGesture : public Gesture {
 public:
  explicit TapGesture(int count = 1);

  TapGesture onEnded(std::function<void()> action) const;

  int count() const { return count_; }
  void ended() const;

  std::string description() const override;

 private:
  int count_;
  std::function<void()> onEnded_;
};

}  // namespace platform::ui
