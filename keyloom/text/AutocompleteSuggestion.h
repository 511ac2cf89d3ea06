#pragma once

#include <any>
#include <map>
#include <optional>
#include <string>

namespace keyloom {

// One word suggestion.
struct AutocompleteSuggestion {
  // An absent title shows the text itself.
  explicit AutocompleteSuggestion(std::string text, std::optional<std::string> title = std::nullopt,
                                  bool isAutocomplete = false, bool isUnknown = false,
                                  std::optional<std::string> subtitle = std::nullopt,
                                  std::map<std::string, std::any> additionalInfo = {})
      : text(std::move(text)),
        title(title ? std::move(*title) : this->text),
        isAutocomplete(isAutocomplete),
        isUnknown(isUnknown),
        subtitle(std::move(subtitle)),
        additionalInfo(std::move(additionalInfo)) {}

  // Replaces the current word when the suggestion is applied.
  std::string text;
  // Shown in the toolbar.
  std::string title;
  // Applied by itself at the next word delimiter; the toolbar highlights it.
  bool isAutocomplete;
  // Not in the provider's vocabulary (typically the typed text); shown in quotes.
  bool isUnknown;
  std::optional<std::string> subtitle;
  // Free data for providers and custom toolbar items.
  std::map<std::string, std::any> additionalInfo;
};

}  // namespace keyloom
