#pragma once

#include <functional>
#include <string>
#include <vector>

#include "keyloom/appearance/AutocompleteToolbarStyle.h"
#include "keyloom/text/AutocompleteSuggestion.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/UUID.h"
#include "platform/ui/View.h"

namespace keyloom {

// The title of a suggestion; an unknown word is shown between the locale's
// quotation marks so the user sees it would be kept as typed.
struct AutocompleteToolbarItemTitle {
  AutocompleteSuggestion suggestion;
  platform::Locale locale;
  AutocompleteToolbarItemStyle style;

  AutocompleteToolbarItemTitle(AutocompleteSuggestion suggestion, platform::Locale locale,
                               AutocompleteToolbarItemStyle style)
      : suggestion(std::move(suggestion)), locale(std::move(locale)), style(std::move(style)) {}

  // The text shown: the title, quoted when the suggestion is unknown.
  std::string displayText() const;
  platform::ui::View body() const;
};

struct AutocompleteToolbarItemSubtitle {
  std::string text;
  AutocompleteToolbarItemStyle style;

  AutocompleteToolbarItemSubtitle(std::string text, AutocompleteToolbarItemStyle style)
      : text(std::move(text)), style(std::move(style)) {}

  platform::ui::View body() const;
};

// The standard suggestion: its title, with the subtitle under it if any.
struct AutocompleteToolbarItem {
  AutocompleteSuggestion suggestion;
  platform::Locale locale;
  AutocompleteToolbarItemStyle style;

  AutocompleteToolbarItem(AutocompleteSuggestion suggestion, platform::Locale locale,
                          AutocompleteToolbarItemStyle style)
      : suggestion(std::move(suggestion)), locale(std::move(locale)), style(std::move(style)) {}

  platform::ui::View body() const;
};

struct AutocompleteToolbarSeparator {
  AutocompleteToolbarSeparatorStyle style;

  explicit AutocompleteToolbarSeparator(AutocompleteToolbarSeparatorStyle style) : style(std::move(style)) {}

  platform::ui::View body() const;
};

// A row of tappable suggestions. It holds no state and never changes the
// suggestions: it draws them and reports taps. The item and separator views
// can be replaced by the caller.
class AutocompleteToolbar {
 public:
  struct BarItem {
    platform::UUID id;
    AutocompleteSuggestion suggestion;
  };

  using SuggestionAction = std::function<void(const AutocompleteSuggestion&)>;
  using ItemViewBuilder = std::function<platform::ui::View(
      const AutocompleteSuggestion&, const AutocompleteToolbarStyle&, const platform::Locale&)>;
  using SeparatorViewBuilder =
      std::function<platform::ui::View(const AutocompleteSuggestion&, const AutocompleteToolbarStyle&)>;

  // Absent builders mean the standard item and separator views.
  AutocompleteToolbar(const std::vector<AutocompleteSuggestion>& suggestions, platform::Locale locale,
                      AutocompleteToolbarStyle style, ItemViewBuilder itemView, SeparatorViewBuilder separatorView,
                      SuggestionAction suggestionAction);
  AutocompleteToolbar(const std::vector<AutocompleteSuggestion>& suggestions, platform::Locale locale,
                      AutocompleteToolbarStyle style, SuggestionAction suggestionAction);

  static AutocompleteToolbarItem standardItemView(const AutocompleteSuggestion& suggestion,
                                                  const AutocompleteToolbarStyle& style,
                                                  const platform::Locale& locale);
  static AutocompleteToolbarSeparator standardSeparatorView(const AutocompleteSuggestion& suggestion,
                                                            const AutocompleteToolbarStyle& style);

  const std::vector<BarItem>& items() const { return items_; }
  const platform::Locale& locale() const { return locale_; }
  const AutocompleteToolbarStyle& style() const { return style_; }

  // Whether a separator follows the item at `index`: only between two
  // neighbours that are both not highlighted.
  bool hasSeparatorAfter(std::size_t index) const;

  platform::ui::View body() const;

 private:
  std::vector<BarItem> items_;
  platform::Locale locale_;
  AutocompleteToolbarStyle style_;
  SuggestionAction suggestionAction_;
  ItemViewBuilder itemView_;
  SeparatorViewBuilder separatorView_;
};

}  // namespace keyloom
