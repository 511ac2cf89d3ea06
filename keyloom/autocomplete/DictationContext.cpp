#include "keyloom/autocomplete/DictationContext.h"

#include <cmath>

#include "keyloom/autocomplete/KeyboardDictationService.h"
#include "keyloom/core/LibraryKeyPrefix.h"
#include "platform/foundation/Locale.h"
#include "platform/ui/Transaction.h"

namespace keyloom {

namespace {

using Value = platform::UserDefaultsValue;

// Each reads a value of the wrong kind as absent.
std::optional<std::string> readString(const platform::UserDefaults& store, const std::string& key) {
  auto object = store.object(key);
  if (!object) return {};
  if (const std::string* text = object->asString()) return *text;
  return std::nullopt;
}

// Booleans, and numbers as the platform reads them (non-zero is true).
std::optional<bool> readBool(const platform::UserDefaults& store, const std::string& key) {
  auto object = store.object(key);
  if (!object) return {};
  if (auto flag = object->asBool()) return *flag;
  if (auto number = object->asDouble()) return *number != 0;
  if (auto number = object->asInteger()) return *number != 0;
  return std::nullopt;
}

std::optional<double> readNumber(const platform::UserDefaults& store, const std::string& key) {
  auto object = store.object(key);
  if (!object) return {};
  if (auto number = object->asDouble()) return *number;
  if (auto number = object->asInteger()) return static_cast<double>(*number);
  return std::nullopt;
}

std::string_view rawValue(DictationContext::PersistedKey key) {
  switch (key) {
    case DictationContext::PersistedKey::appGroupId:
      return "appGroupId";
    case DictationContext::PersistedKey::isDictationStartedByKeyboard:
      return "isDictationStartedByKeyboard";
    case DictationContext::PersistedKey::localeId:
      return "localeId";
    case DictationContext::PersistedKey::silenceLimit:
      return "silenceLimit";
    case DictationContext::PersistedKey::text:
      return "text";
  }
  return {};
}

}  // namespace

std::string DictationContext::key(PersistedKey key) {
  return libraryDefaultsKey(".dictation.") + std::string(rawValue(key));
}

DictationContext::DictationContext() : localeId(*this, platform::Locale::current().identifier()) {
  observePersistedFields();
  connectToAppGroupStore();
}

DictationContext::DictationContext(const DictationConfiguration& config)
    : localeId(*this, platform::Locale::current().identifier()) {
  observePersistedFields();
  localeId = config.localeId;
}

DictationContext::DictationContext(const KeyboardDictationConfiguration& config)
    : localeId(*this, platform::Locale::current().identifier()) {
  observePersistedFields();
  setup(config);
}

void DictationContext::observePersistedFields() {
  dictatedTextWrite_ =
      dictatedText.didSet().sink([this](const std::string& value) { write(PersistedKey::text, value); });
  startedByKeyboardWrite_ = isDictationStartedByKeyboard.didSet().sink(
      [this](const bool& value) { write(PersistedKey::isDictationStartedByKeyboard, value); });
  localeIdWrite_ = localeId.didSet().sink([this](const std::string& value) { write(PersistedKey::localeId, value); });
  silenceLimitWrite_ =
      silenceLimit.didSet().sink([this](const double& value) { write(PersistedKey::silenceLimit, value); });
}

std::optional<std::string> DictationContext::appGroupId() const {
  return readString(platform::UserDefaults::standard(), key(PersistedKey::appGroupId));
}

void DictationContext::setAppGroupId(std::optional<std::string> appGroupId) {
  appGroupIdBinding().set(std::move(appGroupId));
  connectToAppGroupStore();
}

platform::ui::Binding<std::optional<std::string>> DictationContext::appGroupIdBinding() {
  return platform::ui::Binding<std::optional<std::string>>(
      [this] { return appGroupId(); },
      [](std::optional<std::string> value) {
        const std::string storeKey = key(PersistedKey::appGroupId);
        if (value) {
          platform::UserDefaults::standard().set(storeKey, std::move(*value));
        } else {
          platform::UserDefaults::standard().removeObject(storeKey);
        }
      });
}

void DictationContext::setup(const KeyboardDictationConfiguration& config) {
  appDeepLink = config.appDeepLink;
  setAppGroupId(config.appGroupId);
}

void DictationContext::reset() {
  isDictating = false;
  isDictationStartedByKeyboard = false;
  dictatedText = "";
}

void DictationContext::setIsDictating(bool value) {
  platform::ui::withAnimation([this, value] { isDictating = value; });
}

void DictationContext::connectToAppGroupStore() {
  const std::optional<std::string> id = appGroupId();
  if (!id) return;
  std::shared_ptr<platform::UserDefaults> store = platform::UserDefaults::suite(*id);
  if (!store) {
    // Keeping the earlier store would send this context's writes to an app
    // group the identifier no longer names.
    userDefaults_.reset();
    return;
  }
  userDefaults_ = store;

  // Each value is assigned, and so written back. The keys are the keyboard's
  // own: a stored value of the wrong kind is damage, repaired with the
  // context's value.
  localeId = readString(*store, key(PersistedKey::localeId)).value_or(localeId.get());
  dictatedText = readString(*store, key(PersistedKey::text)).value_or(dictatedText.get());
  isDictationStartedByKeyboard = readBool(*store, key(PersistedKey::isDictationStartedByKeyboard)).value_or(false);

  // Only a positive limit is usable; anything else falls back to the default.
  const auto storedLimit = readNumber(*store, key(PersistedKey::silenceLimit));
  const bool usable = storedLimit && std::isfinite(*storedLimit) && *storedLimit > 0;
  silenceLimit = usable ? *storedLimit : defaultSilenceLimit;
}

std::shared_ptr<platform::UserDefaults> DictationContext::currentStore() const {
  if (!userDefaults_) return nullptr;
  // The binding can rename the app group without connecting; until a connect,
  // the old store is no longer this context's to write.
  const std::optional<std::string> id = appGroupId();
  if (!id || *id != userDefaults_->suiteName()) return nullptr;
  return userDefaults_;
}

void DictationContext::write(PersistedKey persistedKey, platform::UserDefaultsValue value) {
  if (auto store = currentStore()) store->set(key(persistedKey), std::move(value));
}

}  // namespace keyloom
