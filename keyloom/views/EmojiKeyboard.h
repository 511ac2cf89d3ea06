#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "keyloom/autocomplete/EmojiKeyboardStyle.h"
#include "keyloom/services/KeyboardActionHandler.h"
#include "keyloom/services/KeyboardCalloutContext.h"
#include "keyloom/state/Emoji.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewDefinition.h"

namespace keyloom {

// One emoji as grid cell content.
struct EmojiKeyboardItem {
  Emoji emoji;
  EmojiKeyboardStyle style;

  EmojiKeyboardItem(Emoji emoji, EmojiKeyboardStyle style) : emoji(std::move(emoji)), style(std::move(style)) {}

  platform::ui::View body() const;
};

// A plain button for callers that want a tap closure instead of the action
// handler.
struct EmojiKeyboardButton {
  Emoji emoji;
  EmojiKeyboardStyle style;
  std::function<void(const Emoji&)> action;

  EmojiKeyboardButton(Emoji emoji, EmojiKeyboardStyle style, std::function<void(const Emoji&)> action)
      : emoji(std::move(emoji)), style(std::move(style)), action(std::move(action)) {}

  platform::ui::View body() const;
};

// A horizontally scrolling grid of emojis with a fixed number of rows. Every
// cell is a key bound like any other key: its gestures reach the action
// handler as the `emoji` action of its emoji and drive the callouts.
class EmojiKeyboard {
 public:
  using ButtonBuilder = std::function<platform::ui::View(const Emoji&, const EmojiKeyboardStyle&)>;

  // `style.rows` must not be negative. An absent builder means the
  // standard emoji view; an absent callout context means no callouts.
  EmojiKeyboard(std::vector<Emoji> emojis, std::shared_ptr<KeyboardActionHandler> actionHandler,
                std::shared_ptr<KeyboardCalloutContext> calloutContext, EmojiKeyboardStyle style,
                ButtonBuilder button = nullptr);

  static EmojiKeyboardItem standardEmojiView(const Emoji& emoji, const EmojiKeyboardStyle& style);
  // The height the grid is given: its rows less the 8 points by which five
  // rows overlap.
  static double height(const EmojiKeyboardStyle& style) { return style.totalHeight() - 8; }
  // The height its rows take, each overlapping the one before by the spacing
  // between them; more than `height` for fewer than five rows.
  static double rowsHeight(const EmojiKeyboardStyle& style) {
    if (style.rows <= 0) return 0;
    return style.rows * style.itemSize + (style.rows - 1) * (style.verticalItemSpacing - 8);
  }
  // The style for a grid `height` points tall: as many of the style's rows
  // as fit whole, at least one; a height below one row shrinks that row and
  // its emojis to it.
  static EmojiKeyboardStyle fitting(const EmojiKeyboardStyle& style, double height);

  const std::vector<Emoji>& emojis() const { return emojis_; }
  const std::vector<platform::ui::GridItem>& rows() const { return rows_; }
  const EmojiKeyboardStyle& style() const { return style_; }
  const std::shared_ptr<KeyboardCalloutContext>& calloutContext() const { return calloutContext_; }

  platform::ui::View body() const;

 private:
  std::vector<Emoji> emojis_;
  std::vector<platform::ui::GridItem> rows_;
  std::shared_ptr<KeyboardActionHandler> actionHandler_;
  std::shared_ptr<KeyboardCalloutContext> calloutContext_;
  EmojiKeyboardStyle style_;
  ButtonBuilder buttonBuilder_;
};

}  // namespace keyloom
