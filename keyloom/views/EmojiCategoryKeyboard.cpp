#include "keyloom/views/EmojiCategoryKeyboard.h"

#include <algorithm>

#include "keyloom/core/LibraryKeyPrefix.h"
#include "keyloom/views/EmojiKeyboard.h"
#include "keyloom/views/KeyboardButtonGestures.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/ui/ButtonStyle.h"
#include "platform/ui/UI.h"

namespace keyloom {

namespace ui = platform::ui;

namespace {

// The frequent category is empty until an emoji has been used.
std::vector<EmojiCategory> withEmojis(const std::vector<EmojiCategory>& categories) {
  std::vector<EmojiCategory> result;
  for (EmojiCategory category : categories) {
    if (!emojis(category).empty()) result.push_back(category);
  }
  return result;
}

}  // namespace

ui::View EmojiCategoryTitle::body() const {
  ui::View text = ui::Text(title).font(style.categoryTitleFont).bold().textCase(ui::TextCase::uppercase);
  // A colour of its own is chosen to be read on what is behind it; dimmed
  // it would no longer be.
  text = color ? std::move(text).foregroundColor(color) : std::move(text).opacity(0.4);
  return ui::HStack(ui::VerticalAlignment::center, std::nullopt, {text, ui::Spacer()});
}

EmojiCategoryKeyboardMenu::EmojiCategoryKeyboardMenu(ui::Binding<EmojiCategory> selection,
                                                     const std::vector<EmojiCategory>& categories,
                                                     std::shared_ptr<KeyboardContext> keyboardContext,
                                                     std::shared_ptr<KeyboardActionHandler> actionHandler,
                                                     std::shared_ptr<const KeyboardAppearance> appearance,
                                                     EmojiKeyboardStyle style)
    : selection_(std::move(selection)),
      categories_(withEmojis(categories)),
      keyboardContext_(std::move(keyboardContext)),
      actionHandler_(std::move(actionHandler)),
      appearance_(std::move(appearance)),
      style_(std::move(style)) {}

std::string EmojiCategoryKeyboardMenu::abcText() const {
  const auto action = KeyboardAction::keyboardType(KeyboardType::alphabetic(KeyboardCase::lowercased));
  if (appearance_) {
    if (auto text = appearance_->buttonText(action)) return *text;
  }
  return "ABC";
}

ui::View EmojiCategoryKeyboardMenu::body() const {
  std::vector<ui::View> items;
  // The menu keys have no size of their own; these give them room to hit.
  const ui::View abcLabel = ui::Text(abcText()).font(style_.abcFont).padding(ui::EdgeSet::horizontal(), 8).padding(
      ui::EdgeSet::vertical(), 8);
  const auto notPressed = ui::Binding<bool>::constant(false);
  items.push_back(keyboardButtonGestures(abcLabel,
                                         KeyboardAction::keyboardType(KeyboardType::alphabetic(KeyboardCase::lowercased)),
                                         actionHandler_, nullptr, notPressed, false, 1.0)
                      .accessibilityIdentifier("emoji.abc"));
  const EmojiCategory selected = selection_.get();
  for (EmojiCategory category : categories_) {
    auto selection = selection_;
    const ui::Color background = category == selected ? style_.selectedCategoryColor : ui::Color::clear();
    ui::View label = ui::Text(fallbackDisplayEmoji(category).char_())
                         .font(style_.categoryEmojiFont)
                         .padding(6)
                         .background(ui::View(background))
                         .padding(ui::EdgeSet::vertical(), 5);
    items.push_back(ui::Button([selection, category] { selection.set(category); }, label)
                        .buttonStyle(ui::ButtonStyle::plain())
                        .attach(category, std::string(rawValue(category))));
  }
  const ui::View backspaceLabel = ui::View(style_.backspaceIcon)
                                      .font(style_.backspaceFont)
                                      .padding(ui::EdgeSet::horizontal(), 8)
                                      .padding(ui::EdgeSet::vertical(), 8);
  items.push_back(keyboardButtonGestures(backspaceLabel, KeyboardAction::backspace(), actionHandler_, nullptr,
                                         notPressed, false, 1.0)
                      .accessibilityIdentifier("emoji.backspace"));
  return ui::HStack(ui::VerticalAlignment::center, 0, std::move(items));
}

EmojiCategoryKeyboard::EmojiCategoryKeyboard(std::optional<EmojiCategory> selection,
                                             const std::vector<EmojiCategory>& categories,
                                             std::shared_ptr<KeyboardActionHandler> actionHandler,
                                             std::shared_ptr<KeyboardContext> keyboardContext,
                                             std::shared_ptr<KeyboardCalloutContext> calloutContext,
                                             std::shared_ptr<const KeyboardAppearance> appearance,
                                             EmojiKeyboardStyle style, CategoryTitle categoryTitle)
    : initialSelection_(selection),
      categories_(withEmojis(categories)),
      actionHandler_(std::move(actionHandler)),
      keyboardContext_(std::move(keyboardContext)),
      calloutContext_(std::move(calloutContext)),
      appearance_(std::move(appearance)),
      style_(std::move(style)),
      categoryTitle_(std::move(categoryTitle)) {}

std::string EmojiCategoryKeyboard::standardCategoryTitle(EmojiCategory category) {
  return std::string(title(category));
}

std::string EmojiCategoryKeyboard::defaultsKey() { return libraryDefaultsKey(".EmojiCategoryKeyboard.category"); }

EmojiCategory EmojiCategoryKeyboard::rememberedCategory() const {
  // Anything but the raw value of an offered category falls back to smileys.
  const auto stored = platform::UserDefaults::standard().string(defaultsKey());
  if (stored) {
    for (EmojiCategory category : categories_) {
      if (rawValue(category) == *stored) return category;
    }
  }
  return EmojiCategory::smileys;
}

ui::View EmojiCategoryKeyboard::body(ui::BodyContext& context) const {
  auto isInitialized = context.state(false);
  auto query = context.state(std::string());
  auto selection = context.state(EmojiCategory::smileys);

  const EmojiCategory current = selection.get();
  const auto all = emojis(current);
  std::vector<Emoji> shown =
      query.get().empty() ? all : matching(all, query.get(), keyboardContext_->locale.get());

  const auto labelColor = appearance_ ? appearance_->foregroundColor() : std::nullopt;
  ui::View title = ui::View(EmojiCategoryTitle(std::string(keyloom::title(current)), style_, labelColor))
                       .padding(ui::EdgeSet::horizontal())
                       .padding(style_.categoryTitlePadding);
  const auto actionHandler = actionHandler_;
  const auto calloutContext = calloutContext_;
  const ui::ViewId categoryId(std::string(rawValue(current)));
  // As tall as the grid's rows, so the keyboard asks for the room they need
  // and none of them hides under the title or the menu (three rows overflow
  // the grid's own height by two points at each edge); a category starts at
  // its first emoji, not at the offset the last one was left at.
  auto gridOf = [shown, actionHandler, calloutContext, categoryId](const EmojiKeyboardStyle& style) {
    // A drag that starts between two emojis still scrolls the grid.
    ui::View emojiGrid = ui::View(EmojiKeyboard(shown, actionHandler, calloutContext, style,
                                                [](const Emoji& emoji, const EmojiKeyboardStyle& style) {
                                                  return ui::View(EmojiKeyboard::standardEmojiView(emoji, style));
                                                }))
                             .contentShape(ui::Rectangle());
    return ui::ScrollView(ui::Axis::horizontal, false, std::move(emojiGrid))
        .frame(std::nullopt, std::max(EmojiKeyboard::height(style), EmojiKeyboard::rowsHeight(style)))
        .id(categoryId);
  };
  ui::View grid = gridOf(style_);
  if (context.environment(keyboardHeightIsFixedKey)) {
    const auto style = style_;
    const double wanted = std::max(EmojiKeyboard::height(style_), EmojiKeyboard::rowsHeight(style_));
    grid = ui::GeometryReader([gridOf, style](const ui::GeometryProxy& proxy) {
             return gridOf(EmojiKeyboard::fitting(style, proxy.size().height))
                 .frame(ui::FlexibleFrame{.maxWidth = ui::infinity, .maxHeight = ui::infinity});
           }).frame(ui::FlexibleFrame{.minHeight = 0, .idealHeight = wanted, .maxHeight = ui::infinity});
  }
  ui::View menu = ui::View(EmojiCategoryKeyboardMenu(selection.binding(), categories_, keyboardContext_, actionHandler_,
                                                     appearance_, style_));

  auto self = *this;
  return ui::VStack(ui::HorizontalAlignment::center, style_.verticalCategoryStackSpacing, {title, grid, menu})
      .foregroundColor(labelColor)
      .onAppear([self, isInitialized, selection] {
        if (isInitialized.get()) return;
        selection.set(self.initialSelection_ ? *self.initialSelection_ : self.rememberedCategory());
        isInitialized.set(true);
      })
      .onChange<EmojiCategory>(current, [isInitialized](const EmojiCategory& category) {
        if (!isInitialized.get()) return;
        platform::UserDefaults::standard().set(defaultsKey(), std::string(rawValue(category)));
      });
}

}  // namespace keyloom
