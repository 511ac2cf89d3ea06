#include "keyloom/resources/KLL10n.h"

#include <memory>
#include <mutex>

#include "keyloom/resources/KeyloomBundle.h"
#include "keyloom/state/KeyboardContext.h"
#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

struct TextBundleState {
  std::unique_ptr<std::once_flag> once = std::make_unique<std::once_flag>();
  std::optional<platform::Bundle> bundle;
};

TextBundleState& state() {
  static TextBundleState* made = [] {
    auto* fresh = new TextBundleState;
    platform::registerProcessReset([fresh] {
      fresh->once = std::make_unique<std::once_flag>();
      fresh->bundle.reset();
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

void setKLL10nBundle(platform::Bundle bundle) { state().bundle = std::move(bundle); }

std::string text(KLL10n key) { return kll10nBundle().localizedString(rawValue(key)); }

std::string text(KLL10n key, const platform::Locale& locale) { return textForKey(rawValue(key), locale); }

std::string text(KLL10n key, KeyboardLocale locale) { return textForKey(rawValue(key), locale); }

std::string text(KLL10n key, const KeyboardContext& context) { return text(key, context.locale.get()); }

std::string textForKey(std::string_view key, const platform::Locale& locale) {
  const std::optional<std::filesystem::path> folder = bundlePath(kll10nBundle(), locale);
  if (!folder) return "";
  const std::optional<platform::Bundle> language = platform::Bundle::atPath(*folder);
  if (!language) return "";
  return language->localizedString(key);
}

std::string textForKey(std::string_view key, KeyboardLocale locale) {
  return textForKey(key, keyloom::locale(locale));
}

}  // namespace keyloom
