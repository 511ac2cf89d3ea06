#include "keyloom/views/NextKeyboardButton.h"

#include <cassert>
#include <cstdlib>
#include <string>

#include "platform/foundation/Clock.h"
#include "platform/foundation/ProcessState.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

namespace {

void assertMissingController([[maybe_unused]] std::string_view description) {
  assert(false && "NextKeyboardButton was made without a controller");
}

std::function<void(std::string_view)>& missingControllerHandler() {
  static auto* slot = [] {
    static std::function<void(std::string_view)> handler = assertMissingController;
    platform::registerProcessReset([] { handler = assertMissingController; });
    return &handler;
  }();
  return *slot;
}

bool isRunningForPreviews() {
  // Set to "1" by the tool that shows views in isolation at design time.
  const char* value = std::getenv("KEYLOOM_RUNNING_FOR_PREVIEWS");
  return value && std::string(value) == "1";
}

// The platform button as a view of the tree: always the same button, which
// receives every touch on the key as the platform's control events.
class ButtonPlatformView : public platform::ui::PlatformView {
 public:
  explicit ButtonPlatformView(std::shared_ptr<platform::Button> button) : button_(std::move(button)) {}

  const std::shared_ptr<platform::Button>& button() const { return button_; }

  std::string description() const override { return "NextKeyboardButton"; }

  void touch(platform::ui::TouchPhase phase, platform::Point location) override {
    using platform::ui::TouchPhase;
    std::uint32_t event = platform::ControlEvent::touchCancel;
    switch (phase) {
      case TouchPhase::began:
        event = platform::ControlEvent::touchDown;
        break;
      case TouchPhase::moved:
        event = platform::ControlEvent::touchDragInside;
        break;
      case TouchPhase::ended:
        event = platform::ControlEvent::touchUpInside;
        break;
      case TouchPhase::cancelled:
        event = platform::ControlEvent::touchCancel;
        break;
    }
    button_->sendActions(event, platform::TouchEvent{platform::Clock::current().now().timeIntervalSinceReferenceDate(),
                                                     location});
  }

 private:
  std::shared_ptr<platform::Button> button_;
};

class NextKeyboardButtonOverlay : public platform::ui::ViewRepresentable {
 public:
  explicit NextKeyboardButtonOverlay(std::shared_ptr<platform::Button> button)
      : view_(std::make_shared<ButtonPlatformView>(std::move(button))) {}

  std::shared_ptr<platform::ui::PlatformView> makeView() const override { return view_; }
  void updateView(platform::ui::PlatformView&) const override {}
  std::string description() const override { return "NextKeyboardButtonOverlay"; }

 private:
  std::shared_ptr<ButtonPlatformView> view_;
};

}  // namespace

NextKeyboardButton::NextKeyboardButton(const std::shared_ptr<platform::InputViewController>& controller,
                                       bool throwAssertionForMissingController,
                                       std::function<platform::ui::View()> content)
    : content_(std::move(content)),
      button_(platform::Button::make()),
      throwAssertionForMissingController_(throwAssertionForMissingController) {
  if (controller) {
    button_->addTarget(controller, std::string(platform::InputViewController::kHandleInputModeListSelector),
                       platform::ControlEvent::allTouchEvents);
  } else if (throwAssertionForMissingController_ && !isRunningForPreviews()) {
    missingControllerHandler()("NextKeyboardButton was made without a controller, so it cannot switch keyboards.");
  }
  overlay_ = std::make_shared<NextKeyboardButtonOverlay>(button_);
}

void NextKeyboardButton::setMissingControllerHandler(std::function<void(std::string_view)> handler) {
  missingControllerHandler() = handler ? std::move(handler) : assertMissingController;
}

platform::ui::View NextKeyboardButton::body(platform::ui::BodyContext&) const {
  return content_().overlay(platform::ui::Representable(overlay_), platform::ui::Alignment::center());
}

}  // namespace keyloom
