#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "keyloom/state/KeyboardLocale.h"
#include "platform/foundation/Locale.h"

namespace keyloom {

// Values registered per locale identifier, such as the localized layout,
// input set and callout providers.
template <class T>
class LocaleDictionary {
 public:
  LocaleDictionary() = default;
  explicit LocaleDictionary(std::map<std::string, T> dictionary) : dictionary_(std::move(dictionary)) {}
  explicit LocaleDictionary(const std::map<KeyboardLocale, T>& dictionary) {
    for (const auto& [locale, value] : dictionary) dictionary_.emplace(localeIdentifier(locale), value);
  }

  const std::map<std::string, T>& dictionary() const { return dictionary_; }

  // The value under the locale's full identifier ("en_US"), else under its
  // language code ("en"; "" for a locale without one). Nothing else is tried.
  std::optional<T> value(const platform::Locale& locale) const {
    if (auto it = dictionary_.find(locale.identifier()); it != dictionary_.end()) return it->second;
    if (auto it = dictionary_.find(locale.languageCode().value_or("")); it != dictionary_.end())
      return it->second;
    return std::nullopt;
  }

 private:
  std::map<std::string, T> dictionary_;
};

}  // namespace keyloom
