#include "keyloom/views/EmojiKeyboard.h"

#include <algorithm>
#include <cassert>

#include "keyloom/views/KeyboardButtonGestures.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UI.h"

namespace keyloom {

namespace ui = platform::ui;

// Some emojis are listed without the selector that asks for emoji
// presentation; the cell adds it, so none is drawn as a text glyph, while
// the emoji and what it types stay as listed.
ui::View EmojiKeyboardItem::body() const {
  return ui::Text(platform::text::withEmojiPresentation(emoji.char_())).font(style.itemFont);
}

ui::View EmojiKeyboardButton::body() const {
  auto tap = action;
  auto value = emoji;
  return ui::Button(
      [tap, value] {
        if (tap) tap(value);
      },
      ui::View(EmojiKeyboardItem(emoji, style)));
}

EmojiKeyboard::EmojiKeyboard(std::vector<Emoji> emojis, std::shared_ptr<KeyboardActionHandler> actionHandler,
                             std::shared_ptr<KeyboardCalloutContext> calloutContext, EmojiKeyboardStyle style,
                             ButtonBuilder button)
    : emojis_(std::move(emojis)),
      actionHandler_(std::move(actionHandler)),
      calloutContext_(std::move(calloutContext)),
      style_(std::move(style)),
      buttonBuilder_(std::move(button)) {
  assert(style_.rows >= 0);
  if (!buttonBuilder_) {
    buttonBuilder_ = [](const Emoji& emoji, const EmojiKeyboardStyle& style) {
      return ui::View(standardEmojiView(emoji, style));
    };
  }
  // The rows overlap slightly: the emoji glyphs have room to spare above and
  // below, and the grid would otherwise look loose.
  for (int row = 0; row < style_.rows; ++row) {
    rows_.push_back(ui::GridItem::fixed(style_.itemSize, style_.verticalItemSpacing - 8));
  }
}

EmojiKeyboardItem EmojiKeyboard::standardEmojiView(const Emoji& emoji, const EmojiKeyboardStyle& style) {
  return EmojiKeyboardItem(emoji, style);
}

EmojiKeyboardStyle EmojiKeyboard::fitting(const EmojiKeyboardStyle& style, double height) {
  EmojiKeyboardStyle fitted = style;
  while (fitted.rows > 1 && std::max(EmojiKeyboard::height(fitted), rowsHeight(fitted)) > height) --fitted.rows;
  if (fitted.rows == 1 && fitted.itemSize > height && height > 0) {
    const double scale = height / fitted.itemSize;
    fitted.itemSize = height;
    fitted.itemFont = ui::Font::system(fitted.itemFont.pointSize() * scale);
  }
  return fitted;
}

ui::View EmojiKeyboard::body() const {
  std::vector<std::pair<ui::ViewId, ui::View>> entries;
  for (const Emoji& emoji : emojis_) {
    ui::View content = buttonBuilder_(emoji, style_)
                           .accessibilityLabel(emoji.unicodeName().value_or(""))
                           .accessibilityIdentifier(emoji.unicodeIdentifier().value_or(""));
    // The cells show no pressed look of their own: the input callout does.
    ui::View cell = keyboardButtonGestures(content, KeyboardAction::emoji(emoji), actionHandler_, calloutContext_,
                                           ui::Binding<bool>::constant(false), true, 1.0)
                        .attach(emoji.id(), "emoji cell");
    entries.emplace_back(ui::ViewId(emoji.id()), cell);
  }
  return ui::LazyHGrid(rows_, ui::VerticalAlignment::center, style_.horizontalItemSpacing,
                       {ui::ForEach(std::move(entries))})
      .padding(ui::EdgeSet::horizontal())
      .frame(std::nullopt, height(style_));
}

}  // namespace keyloom
