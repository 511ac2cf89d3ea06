#include "keyloom/layout/StandardInputSetProvider.h"

#include <cassert>
#include <map>
#include <string>

#include "keyloom/layout/EnglishInputSetProvider.h"

namespace keyloom {

namespace {

LocaleDictionary<std::shared_ptr<InputSetProvider>> registry(
    const std::vector<std::shared_ptr<LocalizedInputSetProvider>>& providers) {
  std::map<std::string, std::shared_ptr<InputSetProvider>> byKey;
  for (const std::shared_ptr<LocalizedInputSetProvider>& provider : providers) {
    if (provider) byKey[provider->localeKey()] = provider;
  }
  return LocaleDictionary<std::shared_ptr<InputSetProvider>>(std::move(byKey));
}

}  // namespace

StandardInputSetProvider::StandardInputSetProvider(
    std::shared_ptr<KeyboardContext> keyboardContext,
    const std::vector<std::shared_ptr<LocalizedInputSetProvider>>& localizedProviders)
    : keyboardContext_(std::move(keyboardContext)), localizedProviders_(registry(localizedProviders)) {
  assert(keyboardContext_ && "a standard input set provider needs a keyboard context");
}

std::shared_ptr<InputSetProvider> StandardInputSetProvider::provider(const KeyboardContext& context) const {
  if (std::optional<std::shared_ptr<InputSetProvider>> found = localizedProviders_.value(context.locale.get())) {
    return *found;
  }
  return std::make_shared<EnglishInputSetProvider>(AlphabeticInputSet::english(), "$", "\u00A3");
}

AlphabeticInputSet StandardInputSetProvider::alphabeticInputSet() const {
  return provider(*keyboardContext_)->alphabeticInputSet();
}

NumericInputSet StandardInputSetProvider::numericInputSet() const {
  return provider(*keyboardContext_)->numericInputSet();
}

SymbolicInputSet StandardInputSetProvider::symbolicInputSet() const {
  return provider(*keyboardContext_)->symbolicInputSet();
}

}  // namespace keyloom
