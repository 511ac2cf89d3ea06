#include "keyloom/views/ActionCallout.h"

#include <algorithm>

#include "keyloom/appearance/CustomRoundedRectangle.h"
#include "keyloom/state/DeviceType.h"
#include "keyloom/views/CalloutButtonArea.h"
#include "keyloom/views/EmojiKeyboard.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

namespace ui = platform::ui;

platform::Rect ActionCallout::keyFrame() const {
  const auto& actions = calloutContext->actions.get();
  const platform::Rect frame = calloutContext->buttonFrame.get();
  if (!actions.empty() && actions.front().is<keyboard_action::Emoji>()) return frame;
  const auto inset = style.callout.buttonInset;
  const platform::Rect inner = frame.insetBy(inset.width, inset.height);
  // Without a key frame there is nothing to show; keep the position finite.
  return inner.isNull() ? platform::Rect() : inner;
}

platform::Size ActionCallout::entrySize() const {
  const platform::Rect key = keyFrame();
  const double width = calloutContext->actions.get().size() == 1 ? key.width() * 1.2 : key.width();
  return {std::min(width, style.maxButtonSize.width), std::min(key.height(), style.maxButtonSize.height)};
}

bool ActionCallout::isPad() const { return keyboardContext->deviceType.get() == DeviceType::pad; }

platform::Point ActionCallout::position() const {
  const platform::Rect key = keyFrame();
  const platform::Size entry = entrySize();
  const double half = entry.width * static_cast<double>(calloutContext->actions.get().size()) * 0.5;
  const double x = calloutContext->isTrailing() ? key.maxX() - half : key.minX() + half;
  return {x, key.minY() - style.verticalTextPadding};
}

ui::View ActionCallout::body(ui::BodyContext& context) const {
  context.observe(calloutContext);
  context.observe(keyboardContext);
  const auto& callout = style.callout;
  const auto& actions = calloutContext->actions.get();
  const platform::Size entry = entrySize();
  const int selected = calloutContext->selectedIndex.get();
  const bool trailing = calloutContext->isTrailing();

  std::vector<std::pair<ui::ViewId, ui::View>> entries;
  for (std::size_t i = 0; i < actions.size(); ++i) {
    const KeyboardAction& action = actions[i];
    ui::View content;
    if (auto* character = action.get<keyboard_action::Character>()) {
      content = ui::Text(character->text);
    } else if (auto* emoji = action.get<keyboard_action::Emoji>()) {
      content = ui::View(EmojiKeyboardItem(emoji->emoji, emojiKeyboardStyle));
    }
    const bool isSelected = static_cast<int>(i) == selected;
    entries.emplace_back(
        ui::ViewId(i),
        content.frame(entry.width, entry.height)
            .background(ui::View(isSelected ? style.selectedBackgroundColor : ui::Color::clear()))
            .foregroundColor(isSelected ? style.selectedForegroundColor : callout.textColor)
            .clipShape(ui::RoundedRectangle(callout.cornerRadius, ui::RoundedCornerStyle::continuous))
            .padding(ui::EdgeSet::vertical(), style.verticalTextPadding)
            .attach(ActionCalloutEntry{action}, "callout entry"));
  }
  // The small corner is the one that meets the foot over the key.
  const double bottomLeft = !isPad() && !trailing ? 2 : callout.cornerRadius;
  const double bottomRight = !isPad() && trailing ? 2 : callout.cornerRadius;
  ui::View bubble = ui::HStack(ui::VerticalAlignment::center, 0, {ui::ForEach(std::move(entries))})
                        .padding(ui::EdgeSet::horizontal(), callout.curveSize.width)
                        .background(CustomRoundedRectangle(callout.cornerRadius, callout.cornerRadius,
                                                           bottomLeft, bottomRight)
                                        .shape()
                                        .fill(callout.backgroundColor));
  ui::View foot = ui::View(CalloutButtonArea(keyFrame(), callout)).opacity(isPad() ? 0 : 1);
  ui::View stack = ui::VStack(trailing ? ui::HorizontalAlignment::trailing : ui::HorizontalAlignment::leading,
                              0, {bubble, foot});
  auto calloutContext = this->calloutContext;
  ui::View button = ui::Button([calloutContext] { calloutContext->reset(); }, stack)
                        .buttonStyle(std::make_shared<const ActionCalloutButtonStyle>())
                        .font(style.font.font())
                        .compositingGroup()
                        .opacity(actions.empty() ? 0 : 1);
  const platform::Point center = position();
  return keyboardCalloutShadow(button, callout).position(center.x, center.y).offset(0, style.verticalOffset);
}

ui::View ActionCalloutButtonStyle::makeBody(const ui::ButtonStyleConfiguration& configuration,
                                            ui::BodyContext&) const {
  return configuration.label;
}

std::string ActionCalloutButtonStyle::description() const { return "ActionCalloutButtonStyle"; }

ui::View keyboardActionCallout(const ui::View& view, std::shared_ptr<ActionCalloutContext> calloutContext,
                               std::shared_ptr<KeyboardContext> keyboardContext,
                               const KeyboardActionCalloutStyle& style,
                               const EmojiKeyboardStyle& emojiKeyboardStyle) {
  return view
      .overlay(ui::View(
          ActionCallout(std::move(calloutContext), std::move(keyboardContext), style, emojiKeyboardStyle)))
      .coordinateSpace(ActionCalloutContext::coordinateSpace());
}

}  // namespace keyloom
