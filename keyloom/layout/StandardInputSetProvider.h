#pragma once

#include <memory>
#include <vector>

#include "keyloom/layout/InputSetProvider.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/LocaleDictionary.h"

namespace keyloom {

// Picks the input sets of the provider registered for the context's current
// locale (its identifier, else its language code), and falls back to a new
// standard English provider. Nothing is cached: a change of locale shows at
// the next read.
class StandardInputSetProvider : public InputSetProvider {
 public:
  // Each provider is registered under its localeKey at this moment; when two
  // share a key, the later one in the list is kept.
  StandardInputSetProvider(std::shared_ptr<KeyboardContext> keyboardContext,
                           const std::vector<std::shared_ptr<LocalizedInputSetProvider>>& localizedProviders);

  const std::shared_ptr<KeyboardContext>& keyboardContext() const { return keyboardContext_; }
  const LocaleDictionary<std::shared_ptr<InputSetProvider>>& localizedProviders() const {
    return localizedProviders_;
  }

  // The registered provider for the context's locale, else a new
  // EnglishInputSetProvider with the standard arguments (never the
  // registered English one).
  virtual std::shared_ptr<InputSetProvider> provider(const KeyboardContext& context) const;

  // The sets of provider(keyboardContext()).
  AlphabeticInputSet alphabeticInputSet() const override;
  NumericInputSet numericInputSet() const override;
  SymbolicInputSet symbolicInputSet() const override;

 private:
  std::shared_ptr<KeyboardContext> keyboardContext_;
  LocaleDictionary<std::shared_ptr<InputSetProvider>> localizedProviders_;
};

}  // namespace keyloom
