#include "platform/input/Button.h"

namespace platform {

std::shared_ptr<Button> Button::make(Rect frame) { return std::shared_ptr<Button>(new Button(frame)); }

void Button::addTarget(const std::shared_ptr<Responder>& target, std::string selector, std::uint32_t events) {
  actions_.push_back(TargetAction{target, std::move(selector), events});
}

void Button::sendActions(std::uint32_t event, const TouchEvent& touch) {
  // A target may change this button's actions while handling one: walk a copy.
  auto actions = actions_;
  std::shared_ptr<View> sender = shared_from_this();
  for (const auto& action : actions) {
    if ((action.events & event) == 0) continue;
    auto target = action.target.lock();
    if (!target || !target->respondsToSelector(action.selector)) continue;
    target->perform(action.selector, {std::any(sender), std::any(touch)});
  }
}

}  // namespace platform
