#pragma once

#include <memory>

#include "keyloom/services/ActionCalloutContext.h"
#include "keyloom/services/InputCalloutContext.h"
#include "platform/reactive/ObservableObject.h"

namespace keyloom {

// The keyboard's two callouts, handed together to the keys and the callout
// views. Replacing a member announces a change, so the views that observe
// this pair rebuild and their callout overlays follow the new member.
class KeyboardCalloutContext : public platform::ObservableObject {
 public:
  KeyboardCalloutContext(std::shared_ptr<ActionCalloutContext> action, std::shared_ptr<InputCalloutContext> input)
      : action_(std::move(action)), input_(std::move(input)) {}

  // A new pair on every call: an action callout that never opens nor acts,
  // and a disabled input callout.
  static std::shared_ptr<KeyboardCalloutContext> disabled() {
    return std::make_shared<KeyboardCalloutContext>(ActionCalloutContext::disabled(),
                                                    InputCalloutContext::disabled());
  }
  // One pair for previews, made on first read with the action context that
  // ActionCalloutContext::preview() then holds and a new enabled input
  // context; settable.
  static std::shared_ptr<KeyboardCalloutContext>& preview();

  virtual const std::shared_ptr<ActionCalloutContext>& action() const { return action_; }
  virtual void setAction(std::shared_ptr<ActionCalloutContext> action) {
    objectWillChange().send();
    action_ = std::move(action);
  }
  virtual const std::shared_ptr<InputCalloutContext>& input() const { return input_; }
  virtual void setInput(std::shared_ptr<InputCalloutContext> input) {
    objectWillChange().send();
    input_ = std::move(input);
  }

 private:
  std::shared_ptr<ActionCalloutContext> action_;
  std::shared_ptr<InputCalloutContext> input_;
};

}  // namespace keyloom
