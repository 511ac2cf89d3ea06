#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "keyloom/appearance/KeyboardAppearance.h"
#include "keyloom/autocomplete/EmojiKeyboardStyle.h"
#include "keyloom/services/KeyboardActionHandler.h"
#include "keyloom/services/KeyboardCalloutContext.h"
#include "keyloom/state/EmojiCategory.h"
#include "keyloom/state/KeyboardContext.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/State.h"
#include "platform/ui/View.h"

namespace keyloom {

// Whether the keyboard is laid out in a height its host fixes rather than in
// the height it asks for. The emoji keyboard then fills what it is given
// instead of asking for room for all of its rows.
inline const platform::ui::EnvironmentKey<bool> keyboardHeightIsFixedKey{"keyboardHeightIsFixed", false};

// The title of the current category, at the leading edge: in `color` when
// given, else dimmed in the colour around it.
struct EmojiCategoryTitle {
  std::string title;
  EmojiKeyboardStyle style;
  std::optional<platform::ui::Color> color;

  EmojiCategoryTitle(std::string title, EmojiKeyboardStyle style, std::optional<platform::ui::Color> color = {})
      : title(std::move(title)), style(std::move(style)), color(std::move(color)) {}

  platform::ui::View body() const;
};

// The bottom row of the emoji keyboard: a key back to the letters, one
// button per category and a backspace key.
class EmojiCategoryKeyboardMenu {
 public:
  // Only the categories that have emojis now are offered.
  EmojiCategoryKeyboardMenu(platform::ui::Binding<EmojiCategory> selection, const std::vector<EmojiCategory>& categories,
                            std::shared_ptr<KeyboardContext> keyboardContext,
                            std::shared_ptr<KeyboardActionHandler> actionHandler,
                            std::shared_ptr<const KeyboardAppearance> appearance, EmojiKeyboardStyle style);

  const std::vector<EmojiCategory>& categories() const { return categories_; }
  // The appearance's text for the key back to the letters, else "ABC".
  std::string abcText() const;

  platform::ui::View body() const;

 private:
  platform::ui::Binding<EmojiCategory> selection_;
  std::vector<EmojiCategory> categories_;
  std::shared_ptr<KeyboardContext> keyboardContext_;
  std::shared_ptr<KeyboardActionHandler> actionHandler_;
  std::shared_ptr<const KeyboardAppearance> appearance_;
  EmojiKeyboardStyle style_;
};

// The whole emoji keyboard: the current category's title, its emojis in a
// horizontally scrolling grid and the category menu, its labels in the
// appearance's colour for the whole keyboard when it has one. The last shown category
// is remembered in the standard store. It asks for the height its rows need;
// in a height fixed for it (keyboardHeightIsFixedKey) the grid takes what the
// title and the menu leave, with fewer rows or smaller ones when that is less.
class EmojiCategoryKeyboard {
 public:
  using CategoryTitle = std::function<std::string(EmojiCategory)>;

  // An absent `selection` shows the remembered category. Only the categories
  // that have emojis now are offered. The emoji keys show the callouts of
  // `calloutContext`, none when it is absent.
  EmojiCategoryKeyboard(std::optional<EmojiCategory> selection, const std::vector<EmojiCategory>& categories,
                        std::shared_ptr<KeyboardActionHandler> actionHandler,
                        std::shared_ptr<KeyboardContext> keyboardContext,
                        std::shared_ptr<KeyboardCalloutContext> calloutContext,
                        std::shared_ptr<const KeyboardAppearance> appearance, EmojiKeyboardStyle style,
                        CategoryTitle categoryTitle = standardCategoryTitle);

  static std::string standardCategoryTitle(EmojiCategory category);
  // Where the last shown category is kept.
  static std::string defaultsKey();

  const std::vector<EmojiCategory>& categories() const { return categories_; }
  // The stored category if it is one of `categories`, else smileys.
  EmojiCategory rememberedCategory() const;

  platform::ui::View body(platform::ui::BodyContext& context) const;

 private:
  std::optional<EmojiCategory> initialSelection_;
  std::vector<EmojiCategory> categories_;
  std::shared_ptr<KeyboardActionHandler> actionHandler_;
  std::shared_ptr<KeyboardContext> keyboardContext_;
  std::shared_ptr<KeyboardCalloutContext> calloutContext_;
  std::shared_ptr<const KeyboardAppearance> appearance_;
  EmojiKeyboardStyle style_;
  CategoryTitle categoryTitle_;
};

}  // namespace keyloom
