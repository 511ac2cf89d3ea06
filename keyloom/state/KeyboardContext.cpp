#include "keyloom/state/KeyboardContext.h"

#include <cassert>
#include <utility>

#include "keyloom/state/LocaleDirectionAnalyzer.h"
#include "keyloom/state/PrefersAutocompleteResolver.h"
#include "keyloom/state/PreviewTextDocumentProxy.h"
#include "keyloom/state/SyncableInputViewController.h"
#include "keyloom/text/TextDocumentProxyOperations.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/ProcessState.h"
#include "platform/foundation/Text.h"
#include "platform/input/Screen.h"
#include "platform/input/View.h"

namespace keyloom {

namespace {

bool& tempIsPreviewModeStorage() {
  static bool value = [] {
    platform::registerProcessReset([] { tempIsPreviewModeStorage() = false; });
    return false;
  }();
  return value;
}

// The screen the controller's view is shown on; none while it is in no window.
const platform::Screen* screenOf(SyncableInputViewController& controller) {
  const auto window = controller.view()->window();
  return window ? &window->screen() : nullptr;
}

InterfaceOrientation orientationOf(SyncableInputViewController& controller) {
  const platform::Screen* screen = screenOf(controller);
  return screen ? interfaceOrientation(*screen) : InterfaceOrientation::portrait;
}

platform::Size screenSizeOf(SyncableInputViewController& controller) {
  const platform::Screen* screen = screenOf(controller);
  return screen ? screen->bounds().size : platform::Size{};
}

// Exactly one space ends the text: "12 " but not "12  ".
bool endsWithSingleSpace(const std::string& text) {
  return platform::text::lastGrapheme(text) == " " && platform::text::lastGraphemes(text, 2) != "  ";
}

}  // namespace

KeyboardContext::KeyboardContext()
    : deviceType(*this, currentDeviceType()),
      locale(*this, platform::Locale::current()),
      locales(*this, {platform::Locale::current()}),
      mainTextDocumentProxy(*this, std::make_shared<PreviewTextDocumentProxy>()),
      textDocumentProxy(*this, std::make_shared<PreviewTextDocumentProxy>()) {}

std::shared_ptr<KeyboardContext> KeyboardContext::make(
    const std::shared_ptr<SyncableInputViewController>& controller) {
  auto context = std::make_shared<KeyboardContext>();
  if (controller) context->sync(controller);
  return context;
}

bool KeyboardContext::tempIsPreviewMode() { return tempIsPreviewModeStorage(); }

void KeyboardContext::setTempIsPreviewMode(bool value) { tempIsPreviewModeStorage() = value; }

// ---- Derived values

KeyboardType KeyboardContext::preferredKeyboardType() {
  const KeyboardType current = keyboardType.get();
  if (current.isAlphabetic(KeyboardCase::capsLocked)) return current;
  if (auto autocapitalized = autocapitalizedKeyboardType()) return *autocapitalized;
  if (current.isAlphabetic()) return KeyboardType::alphabetic(KeyboardCase::lowercased);
  if (current == KeyboardType::numeric() || current == KeyboardType::symbolic()) {
    const auto before = textDocumentProxy.get()->documentContextBeforeInput();
    if (before && endsWithSingleSpace(*before)) {
      keyboardType = KeyboardType::alphabetic(KeyboardCase::lowercased);
      if (auto autocapitalized = autocapitalizedKeyboardType()) return *autocapitalized;
    }
  }
  return keyboardType.get();
}

std::optional<KeyboardType> KeyboardContext::autocapitalizedKeyboardType() {
  if (!isAutoCapitalizationEnabled.get()) return std::nullopt;
  const auto type = autocapitalizationType();
  if (!type || !keyboardType->isAlphabetic()) return std::nullopt;
  if (isRightToLeft(locale.get())) return KeyboardType::alphabetic(KeyboardCase::lowercased);
  const auto& proxy = *textDocumentProxy.get();
  bool upper = false;
  switch (*type) {
    case KeyboardAutocapitalizationType::allCharacters:
      upper = true;
      break;
    case KeyboardAutocapitalizationType::sentences:
      upper = isCursorAtNewSentenceWithTrailingWhitespace(proxy);
      break;
    case KeyboardAutocapitalizationType::words:
      upper = isCursorAtNewWord(proxy);
      break;
    case KeyboardAutocapitalizationType::none:
      upper = false;
      break;
  }
  return KeyboardType::alphabetic(upper ? KeyboardCase::uppercased : KeyboardCase::lowercased);
}

std::optional<KeyboardAutocapitalizationType> KeyboardContext::autocapitalizationType() const {
  if (autocapitalizationTypeOverride.get()) return autocapitalizationTypeOverride.get();
  if (auto platformType = textDocumentProxy.get()->autocapitalizationType())
    return keyloom::keyboardType(*platformType);
  return std::nullopt;
}

platform::ui::ColorScheme KeyboardContext::colorScheme() const {
  return traitCollection->userInterfaceStyle == platform::UserInterfaceStyle::dark
             ? platform::ui::ColorScheme::dark
             : platform::ui::ColorScheme::light;
}

bool KeyboardContext::hasDarkColorScheme() const { return colorScheme() == platform::ui::ColorScheme::dark; }

platform::KeyboardAppearance KeyboardContext::keyboardAppearance() const {
  return textDocumentProxy.get()->keyboardAppearance().value_or(platform::KeyboardAppearance::default_);
}

std::optional<KeyboardLocale> KeyboardContext::keyboardLocale() const {
  return keyloom::keyboardLocale(locale->identifier());
}

bool KeyboardContext::hasMultipleLocales() const { return locales->size() > 1; }

bool KeyboardContext::hasKeyboardLocale(KeyboardLocale keyboardLocale) const {
  return locale->identifier() == localeIdentifier(keyboardLocale);
}

bool KeyboardContext::hasKeyboardType(const KeyboardType& type) const { return keyboardType.get() == type; }

// ---- Operations

void KeyboardContext::selectNextLocale() {
  const auto& all = locales.get();
  platform::Locale next = all.empty() ? locale.get() : all.front();
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i] == locale.get()) {
      if (i + 1 < all.size()) next = all[i + 1];
      break;
    }
  }
  locale = std::move(next);
}

void KeyboardContext::setKeyboardType(const KeyboardType& type) { keyboardType = type; }

void KeyboardContext::setLocale(const platform::Locale& newLocale) { locale = newLocale; }

void KeyboardContext::setLocale(KeyboardLocale newLocale) { locale = keyloom::locale(newLocale); }

void KeyboardContext::setLocales(const std::vector<platform::Locale>& newLocales) { locales = newLocales; }

void KeyboardContext::setLocales(const std::vector<KeyboardLocale>& newLocales) {
  std::vector<platform::Locale> converted;
  converted.reserve(newLocales.size());
  for (KeyboardLocale each : newLocales) converted.push_back(keyloom::locale(each));
  locales = std::move(converted);
}

// ---- Following the controller

void KeyboardContext::sync(const std::shared_ptr<SyncableInputViewController>& controller) {
  if (!controller) return;
  auto self = weak_from_this().lock();
  assert(self && "a context that syncs must be owned by a std::shared_ptr");
  if (!self) return;
  platform::MainQueue::main().async([self, controller] { self->syncValues(*controller); });
}

void KeyboardContext::syncValues(SyncableInputViewController& controller) {
  hasDictationKey.setIfChanged(controller.hasDictationKey());
  hasFullAccess.setIfChanged(controller.hasFullAccess());
  needsInputModeSwitchKey.setIfChanged(controller.needsInputModeSwitchKey());
  primaryLanguage.setIfChanged(controller.primaryLanguage());
  interfaceOrientation.setIfChanged(orientationOf(controller));

  // Asked of the proxy this run is about to install, so a change of the
  // target field is reflected in the same run.
  const auto proxy = controller.textDocumentProxy();
  bool prefers = keyboardType->prefersAutocomplete();
  if (prefers && proxy) {
    if (auto platformType = proxy->keyboardType()) prefers = keyloom::prefersAutocomplete(*platformType);
  }
  prefersAutocomplete.setIfChanged(prefers);

  screenSize.setIfChanged(screenSizeOf(controller));
  // The platform always has a proxy; a missing one would leave readers nothing to read.
  if (auto main = controller.mainTextDocumentProxy()) mainTextDocumentProxy.setIfChanged(std::move(main));
  if (proxy) textDocumentProxy.setIfChanged(proxy);
  textInputMode.setIfChanged(controller.textInputMode());
  traitCollection.setIfChanged(controller.traitCollection());
}

void KeyboardContext::syncAfterLayout(const std::shared_ptr<SyncableInputViewController>& controller) {
  if (!controller) return;
  syncIsKeyboardFloating(*controller);
  if (orientationOf(*controller) == interfaceOrientation.get()) return;
  sync(controller);
}

void KeyboardContext::syncIsKeyboardFloating(SyncableInputViewController& controller) {
  const double width = controller.view()->frame().width();
  isKeyboardFloating.setIfChanged(width < 0.5 * screenSize->width);
}

}  // namespace keyloom
