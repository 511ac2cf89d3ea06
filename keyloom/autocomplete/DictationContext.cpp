#include "keyloom/autocomplete/DictationContext.h"

#include <cmath>

#include "keyloom/autocomplete/KeyboardDictationService.h"
#include "keyloom/autocomplete/LibraryKeyPrefix.h"
#include "platform/foundation/Locale.h"
#include "platform/ui/Transaction.h"

namespace keyloom {

namespace {

using Value = platform::UserDefaultsValue;

// A stored value as the context reads it: absent, usable, or of the wrong
// kind. A value of the wrong kind belongs to whoever wrote it (the host app
// shares these keys), so the context neither uses nor overwrites it.
template <class T>
struct StoredValue {
  std::optional<T> value;
  bool malformed = false;
};

StoredValue<std::string> readString(const platform::UserDefaults& store, const std::string& key) {
  auto object = store.object(key);
  if (!object) return {};
  if (const std::string* text = object->asString()) return {*text, false};
  return {std::nullopt, true};
}

// Booleans, and numbers as the platform reads them (non-zero is true).
StoredValue<bool> readBool(const platform::UserDefaults& store, const std::string& key) {
  auto object = store.object(key);
  if (!object) return {};
  if (auto flag = object->asBool()) return {*flag, false};
  if (auto number = object->asDouble()) return {*number != 0, false};
  if (auto number = object->asInteger()) return {*number != 0, false};
  return {std::nullopt, true};
}

StoredValue<double> readNumber(const platform::UserDefaults& store, const std::string& key) {
  auto object = store.object(key);
  if (!object) return {};
  if (auto number = object->asDouble()) return {*number, false};
  if (auto number = object->asInteger()) return {static_cast<double>(*number), false};
  return {std::nullopt, true};
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
  return readString(platform::UserDefaults::standard(), key(PersistedKey::appGroupId)).value;
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

  // Each value is assigned (and so written back) unless the store holds a
  // value of the wrong kind, which stays untouched.
  const auto storedLocale = readString(*store, key(PersistedKey::localeId));
  if (!storedLocale.malformed) localeId = storedLocale.value.value_or(localeId.get());

  const auto storedText = readString(*store, key(PersistedKey::text));
  if (!storedText.malformed) dictatedText = storedText.value.value_or(dictatedText.get());

  const auto storedFlag = readBool(*store, key(PersistedKey::isDictationStartedByKeyboard));
  suspendWrites_ = storedFlag.malformed;
  isDictationStartedByKeyboard = storedFlag.value.value_or(false);
  suspendWrites_ = false;

  // Only a positive limit is usable; anything else falls back to the default.
  const auto storedLimit = readNumber(*store, key(PersistedKey::silenceLimit));
  const bool usable = storedLimit.value && std::isfinite(*storedLimit.value) && *storedLimit.value > 0;
  suspendWrites_ = storedLimit.malformed;
  silenceLimit = usable ? *storedLimit.value : defaultSilenceLimit;
  suspendWrites_ = false;
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
  if (suspendWrites_) return;
  if (auto store = currentStore()) store->set(key(persistedKey), std::move(value));
}

}  // namespace keyloom
