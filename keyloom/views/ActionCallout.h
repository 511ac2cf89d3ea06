#pragma once

#include <memory>

#include "keyloom/appearance/KeyboardActionCalloutStyle.h"
#include "keyloom/autocomplete/EmojiKeyboardStyle.h"
#include "keyloom/services/ActionCalloutContext.h"
#include "keyloom/state/KeyboardContext.h"
#include "platform/foundation/Geometry.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/ButtonStyle.h"
#include "platform/ui/View.h"

namespace keyloom {

// The bubble of secondary actions over a long-pressed key, growing towards
// the side the context chose. It draws what its context holds and is shown
// only by its opacity: visible while there are actions. A tap on it closes it.
struct ActionCallout {
  std::shared_ptr<ActionCalloutContext> calloutContext;
  std::shared_ptr<KeyboardContext> keyboardContext;
  KeyboardActionCalloutStyle style;
  EmojiKeyboardStyle emojiKeyboardStyle;

  ActionCallout(std::shared_ptr<ActionCalloutContext> calloutContext,
                std::shared_ptr<KeyboardContext> keyboardContext, KeyboardActionCalloutStyle style,
                EmojiKeyboardStyle emojiKeyboardStyle)
      : calloutContext(std::move(calloutContext)),
        keyboardContext(std::move(keyboardContext)),
        style(std::move(style)),
        emojiKeyboardStyle(std::move(emojiKeyboardStyle)) {}

  // The pressed key's frame, less the style's inset unless the first action
  // is an emoji; zero while there is no key frame to inset.
  platform::Rect keyFrame() const;
  // One entry: 1.2 key widths for a single action, one key width for more,
  // capped by the style's largest button.
  platform::Size entrySize() const;
  bool isPad() const;
  // Where the callout's centre goes, in the callout's coordinate space,
  // before the style's vertical offset.
  platform::Point position() const;

  platform::ui::View body(platform::ui::BodyContext& context) const;
};

// Marks each entry of the callout, for tools and tests to find it by.
struct ActionCalloutEntry {
  KeyboardAction action;
  bool operator==(const ActionCalloutEntry&) const = default;
};

// Shows a callout's label as it is: pressing it gives no pressed look.
class ActionCalloutButtonStyle : public platform::ui::ButtonStyle {
 public:
  platform::ui::View makeBody(const platform::ui::ButtonStyleConfiguration& configuration,
                              platform::ui::BodyContext& context) const override;
  std::string description() const override;
};

// Lays the action callout over `view`, which becomes the coordinate space the
// keys measure their frames in for it.
platform::ui::View keyboardActionCallout(const platform::ui::View& view,
                                         std::shared_ptr<ActionCalloutContext> calloutContext,
                                         std::shared_ptr<KeyboardContext> keyboardContext,
                                         const KeyboardActionCalloutStyle& style,
                                         const EmojiKeyboardStyle& emojiKeyboardStyle);

}  // namespace keyloom
