#include "keyloom/state/KLL10n.h"

#include <map>
#include <memory>
#include <mutex>

#include "keyloom/resources/KeyloomBundle.h"
#include "keyloom/state/KeyboardContext.h"
#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

struct Language {
  std::optional<platform::Bundle> bundle;  // absent: the bundle has no folder for it
  std::map<std::string, std::string, std::less<>> texts;
};

struct TextBundleState {
  std::unique_ptr<std::once_flag> once = std::make_unique<std::once_flag>();
  std::optional<platform::Bundle> bundle;
  // The texts looked up so far, by locale identifier and key: finding the
  // language folder and its table looks at the file system, and keys show
  // their texts on every build of the keyboard.
  std::mutex languagesMutex;
  std::map<std::string, Language, std::less<>> languages;
};

TextBundleState& state() {
  static TextBundleState* made = [] {
    auto* fresh = new TextBundleState;
    platform::registerProcessReset([fresh] {
      fresh->once = std::make_unique<std::once_flag>();
      fresh->bundle.reset();
      std::lock_guard lock(fresh->languagesMutex);
      fresh->languages.clear();
    });
    return fresh;
  }();
  return *made;
}

}  // namespace

const platform::Bundle& kll10nBundle() {
  TextBundleState& current = state();
  // A bundle set before the first read is kept; the library bundle is not searched then.
  std::call_once(*current.once, [&current] {
    if (!current.bundle) current.bundle = keyloomBundle();
  });
  return *current.bundle;
}

void setKLL10nBundle(platform::Bundle bundle) {
  TextBundleState& current = state();
  current.bundle = std::move(bundle);
  std::lock_guard lock(current.languagesMutex);
  current.languages.clear();
}

namespace {

// The text of `key` in the locale's language folder of kll10nBundle().
std::string languageText(std::string_view key, const platform::Locale& locale) {
  const platform::Bundle& bundle = kll10nBundle();
  TextBundleState& current = state();
  std::lock_guard lock(current.languagesMutex);
  auto [language, isNew] = current.languages.try_emplace(locale.identifier());
  if (isNew) {
    if (const std::optional<std::filesystem::path> folder = bundlePath(bundle, locale)) {
      language->second.bundle = platform::Bundle::atPath(*folder);
    }
  }
  if (!language->second.bundle) return "";
  auto& texts = language->second.texts;
  auto found = texts.find(key);
  if (found == texts.end()) {
    found = texts.emplace(std::string(key), language->second.bundle->localizedString(key)).first;
  }
  return found->second;
}

}  // namespace

std::string text(KLL10n key) { return kll10nBundle().localizedString(rawValue(key)); }

std::string text(KLL10n key, const platform::Locale& locale) { return textForKey(rawValue(key), locale); }

std::string text(KLL10n key, KeyboardLocale locale) { return textForKey(rawValue(key), locale); }

std::string text(KLL10n key, const KeyboardContext& context) { return text(key, context.locale.get()); }

std::string textForKey(std::string_view key, const platform::Locale& locale) {
  return languageText(key, locale);
}

std::string textForKey(std::string_view key, KeyboardLocale locale) {
  return textForKey(key, keyloom::locale(locale));
}

}  // namespace keyloom
