#include "keyloom/views/AutocompleteToolbar.h"

#include "platform/ui/ButtonStyle.h"
#include "platform/ui/UI.h"

namespace keyloom {

namespace ui = platform::ui;

std::string AutocompleteToolbarItemTitle::displayText() const {
  if (!suggestion.isUnknown) return suggestion.title;
  const std::string begin = locale.quotationBeginDelimiter().value_or("\"");
  const std::string end = locale.quotationEndDelimiter().value_or("\"");
  return begin + suggestion.title + end;
}

ui::View AutocompleteToolbarItemTitle::body() const {
  return ui::Text(displayText())
      .lineLimit(1)
      .font(style.titleFont.font())
      .foregroundColor(style.titleColor)
      .frame(ui::FlexibleFrame{.maxWidth = ui::infinity});
}

ui::View AutocompleteToolbarItemSubtitle::body() const {
  return ui::Text(text).lineLimit(1).font(style.subtitleFont.font()).foregroundColor(style.subtitleColor);
}

ui::View AutocompleteToolbarItem::body() const {
  std::vector<ui::View> rows{AutocompleteToolbarItemTitle(suggestion, locale, style)};
  if (suggestion.subtitle) rows.emplace_back(AutocompleteToolbarItemSubtitle(*suggestion.subtitle, style));
  return ui::VStack(ui::HorizontalAlignment::center, 0, std::move(rows));
}

ui::View AutocompleteToolbarSeparator::body() const {
  return ui::Rectangle().fill(style.color).frame(style.width, std::nullopt).frame(std::nullopt, style.height);
}

namespace {

std::vector<AutocompleteToolbar::BarItem> makeItems(const std::vector<AutocompleteSuggestion>& suggestions) {
  std::vector<AutocompleteToolbar::BarItem> items;
  items.reserve(suggestions.size());
  // A fresh id per build: equal suggestions are still separate items.
  for (const auto& suggestion : suggestions) items.push_back({platform::UUID::random(), suggestion});
  return items;
}

}  // namespace

AutocompleteToolbar::AutocompleteToolbar(const std::vector<AutocompleteSuggestion>& suggestions,
                                         platform::Locale locale, AutocompleteToolbarStyle style,
                                         ItemViewBuilder itemView, SeparatorViewBuilder separatorView,
                                         SuggestionAction suggestionAction)
    : items_(makeItems(suggestions)),
      locale_(std::move(locale)),
      style_(std::move(style)),
      suggestionAction_(std::move(suggestionAction)),
      itemView_(std::move(itemView)),
      separatorView_(std::move(separatorView)) {
  if (!itemView_) {
    itemView_ = [](const AutocompleteSuggestion& suggestion, const AutocompleteToolbarStyle& style,
                   const platform::Locale& locale) { return ui::View(standardItemView(suggestion, style, locale)); };
  }
  if (!separatorView_) {
    separatorView_ = [](const AutocompleteSuggestion& suggestion, const AutocompleteToolbarStyle& style) {
      return ui::View(standardSeparatorView(suggestion, style));
    };
  }
}

AutocompleteToolbar::AutocompleteToolbar(const std::vector<AutocompleteSuggestion>& suggestions,
                                         platform::Locale locale, AutocompleteToolbarStyle style,
                                         SuggestionAction suggestionAction)
    : AutocompleteToolbar(suggestions, std::move(locale), std::move(style), nullptr, nullptr,
                          std::move(suggestionAction)) {}

AutocompleteToolbarItem AutocompleteToolbar::standardItemView(const AutocompleteSuggestion& suggestion,
                                                              const AutocompleteToolbarStyle& style,
                                                              const platform::Locale& locale) {
  return AutocompleteToolbarItem(suggestion, locale, style.item);
}

AutocompleteToolbarSeparator AutocompleteToolbar::standardSeparatorView(const AutocompleteSuggestion&,
                                                                        const AutocompleteToolbarStyle& style) {
  return AutocompleteToolbarSeparator(style.separator);
}

bool AutocompleteToolbar::hasSeparatorAfter(std::size_t index) const {
  if (index >= items_.size()) return false;
  if (items_[index].suggestion.isAutocomplete) return false;
  if (index + 1 == items_.size()) return false;
  return !items_[index + 1].suggestion.isAutocomplete;
}

ui::View AutocompleteToolbar::body() const {
  std::vector<std::pair<ui::ViewId, ui::View>> groups;
  groups.reserve(items_.size());
  for (std::size_t index = 0; index < items_.size(); ++index) {
    const BarItem& item = items_[index];
    const auto& background = style_.autocompleteBackground;
    // The nearly invisible fill makes the whole padded area respond to taps.
    const ui::Color fill = item.suggestion.isAutocomplete ? background.color : ui::Color::white(1, 0.001);
    auto action = suggestionAction_;
    auto suggestion = item.suggestion;
    ui::View label = itemView_(item.suggestion, style_, locale_)
                         .padding(ui::EdgeSet::horizontal(), 4)
                         .padding(ui::EdgeSet::vertical(), 10)
                         .background(ui::View(fill))
                         .clipShape(ui::RoundedRectangle(background.cornerRadius));
    ui::View button = ui::Button(
                          [action, suggestion] {
                            if (action) action(suggestion);
                          },
                          label)
                          .buttonStyle(ui::ButtonStyle::plain())
                          .attach(item.id, "autocomplete item");
    std::vector<ui::View> group{button};
    if (hasSeparatorAfter(index)) group.push_back(separatorView_(item.suggestion, style_));
    groups.emplace_back(ui::ViewId(item.id.uuidString()), ui::Group(std::move(group)));
  }
  ui::View stack = ui::HStack(ui::VerticalAlignment::center, std::nullopt, {ui::ForEach(std::move(groups))});
  if (style_.height) return stack.frame(std::nullopt, *style_.height);
  return stack;
}

}  // namespace keyloom
