#pragma once

#include <string>
#include <vector>

#include "keyloom/services/KeyboardActionHandler.h"

namespace keyloom {

// Records every call it gets, for the emoji keyboard tests.
class RecordingEmojiActionHandler : public KeyboardActionHandler {
 public:
  struct Call {
    std::string gesture;  // "drag" for handleDrag
    KeyboardAction action;
  };
  std::vector<Call> calls;

  bool canHandle(KeyboardGesture, const KeyboardAction&) override { return true; }
  void handle(const KeyboardAction& action) override { calls.push_back({"handle", action}); }
  void handle(KeyboardGesture gesture, const KeyboardAction& action) override {
    calls.push_back({std::string(rawValue(gesture)), action});
  }
  void handleDrag(const KeyboardAction& on, platform::Point, platform::Point) override {
    calls.push_back({"drag", on});
  }

  std::vector<std::string> gestures() const {
    std::vector<std::string> result;
    for (const auto& call : calls) result.push_back(call.gesture);
    return result;
  }
};

}  // namespace keyloom
