#include "keyloom/views/InputCallout.h"

#include <algorithm>

#include "keyloom/state/DeviceType.h"
#include "keyloom/views/CalloutButtonArea.h"
#include "platform/foundation/Text.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

namespace ui = platform::ui;

platform::Rect InputCallout::keyFrame() const {
  const auto inset = style.callout.buttonInset;
  const platform::Rect frame = calloutContext->buttonFrame.get().insetBy(inset.width, inset.height);
  // Without a key frame there is nothing to show; keep the position finite.
  return frame.isNull() ? platform::Rect() : frame;
}

bool InputCallout::isPhoneLandscape() const {
  return keyboardContext->deviceType.get() == DeviceType::phone &&
         isLandscape(keyboardContext->interfaceOrientation.get());
}

platform::Size InputCallout::bubbleSize() const {
  const platform::Rect key = keyFrame();
  const double width = std::max(style.calloutSize.width,
                                style.callout.cornerRadius + 2 * style.callout.curveSize.width + key.width());
  const double height = isPhoneLandscape() ? key.height() : style.calloutSize.height;
  return {width, height};
}

platform::Point InputCallout::position() const {
  const platform::Rect key = keyFrame();
  const auto& action = calloutContext->action.get();
  const double emojiDrop = action && action->is<keyboard_action::Emoji>() ? 5 : 0;
  return {key.minX() + key.width() * 0.5,
          key.minY() + key.height() * 0.5 - bubbleSize().height * 0.5 + emojiDrop};
}

ui::View InputCallout::body(ui::BodyContext& context) const {
  context.observe(calloutContext);
  context.observe(keyboardContext);
  const auto& callout = style.callout;
  const platform::Size bubble = bubbleSize();
  const double radius = isPhoneLandscape() ? callout.buttonCornerRadius : callout.cornerRadius;
  std::optional<std::string> input = calloutContext->input();
  // An emoji shows as its cell does, in colour however it is listed.
  const auto& action = calloutContext->action.get();
  if (input && action && action->is<keyboard_action::Emoji>()) {
    input = platform::text::withEmojiPresentation(*input);
  }
  // Without input the text draws nothing and the bubble's minimum size holds
  // it; in the callout's own font it would load that font for no glyph.
  ui::View text = ui::Text(input.value_or(""))
                      .font(input && !input->empty() ? std::optional(style.font.font()) : std::nullopt)
                      .frame(ui::FlexibleFrame{.minWidth = bubble.width, .minHeight = bubble.height})
                      .foregroundColor(callout.textColor)
                      .background(ui::View(callout.backgroundColor))
                      .clipShape(ui::RoundedRectangle(radius, ui::RoundedCornerStyle::continuous))
                      .offset(0, 1);
  ui::View foot = ui::View(CalloutButtonArea(keyFrame(), callout));
  const platform::Point center = position();
  ui::View stack = ui::VStack(ui::HorizontalAlignment::center, 0, {text, foot})
                       .compositingGroup()
                       .transition(ui::Transition::opacity())
                       .opacity(calloutContext->isActive() ? 1 : 0);
  return keyboardCalloutShadow(stack, callout).position(center.x, center.y).allowsHitTesting(false);
}

ui::View keyboardInputCallout(const ui::View& view, std::shared_ptr<InputCalloutContext> calloutContext,
                              std::shared_ptr<KeyboardContext> keyboardContext,
                              const KeyboardInputCalloutStyle& style) {
  return view.overlay(ui::View(InputCallout(std::move(calloutContext), std::move(keyboardContext), style)))
      .coordinateSpace(InputCalloutContext::coordinateSpace());
}

}  // namespace keyloom
