#pragma once

#include <memory>

#include "keyloom/services/KeyboardActionHandler.h"

namespace keyloom {

// An action handler that handles nothing: for components that need one but
// whose keys must never act (inert callouts, previews).
class PreviewKeyboardActionHandler : public KeyboardActionHandler {
 public:
  // A new handler on every call.
  static std::shared_ptr<PreviewKeyboardActionHandler> preview() {
    return std::make_shared<PreviewKeyboardActionHandler>();
  }

  bool canHandle(KeyboardGesture, const KeyboardAction&) override { return false; }
  void handle(const KeyboardAction&) override {}
  void handle(KeyboardGesture, const KeyboardAction&) override {}
  void handleDrag(const KeyboardAction&, platform::Point, platform::Point) override {}
};

}  // namespace keyloom
