#pragma once

#include <memory>
#include <optional>
#include <string>

#include "keyloom/autocomplete/DictationConfiguration.h"
#include "keyloom/autocomplete/DictationService.h"
#include "keyloom/autocomplete/KeyboardDictationConfiguration.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/reactive/Cancellable.h"
#include "platform/reactive/ObservableObject.h"
#include "platform/reactive/Published.h"
#include "platform/ui/State.h"

namespace keyloom {

class KeyboardDictationService;

// The dictation state shared by the keyboard and its host app.
//
// The app-group identifier lives in the standard user defaults; the store it
// names (the app-group suite) holds the dictated text, the locale, the silence
// limit and the started-by-keyboard flag, which both sides read and write.
// Once connected, every assignment of those four fields is published and then
// written through to the store. Main thread only.
class DictationContext : public platform::ObservableObject {
 public:
  // Keys, each the library key prefix + ".dictation." + the raw value.
  enum class PersistedKey { appGroupId, isDictationStartedByKeyboard, localeId, silenceLimit, text };
  static std::string key(PersistedKey key);

  static constexpr double defaultSilenceLimit = 30.0;

  // Initial values, then connects to the store the standard store names.
  DictationContext();
  // Initial values with the configuration's locale; does not connect.
  explicit DictationContext(const DictationConfiguration& config);
  // Initial values, then setup(with: config).
  explicit DictationContext(const KeyboardDictationConfiguration& config);

  // The identifier kept in the standard store, read anew at each call; a value
  // that is not a string reads as absent (and is left as it is).
  std::optional<std::string> appGroupId() const;
  // Stores the identifier (absent removes it) and connects to its store.
  void setAppGroupId(std::optional<std::string> appGroupId);
  // A two-way binding for settings views: writes only the standard store and
  // does not connect. The context must outlive the binding.
  platform::ui::Binding<std::optional<std::string>> appGroupIdBinding();

  // Plain field; the deep link that opens the host app for dictation.
  std::optional<std::string> appDeepLink;

  platform::Published<std::string> dictatedText{*this, ""};
  platform::Published<bool> isDictating{*this, false};
  platform::Published<bool> isDictationStartedByKeyboard{*this, false};
  platform::Published<DictationError> lastError{*this, nullptr};
  platform::Published<std::optional<std::string>> lastInsertedText{*this, std::nullopt};
  platform::Published<std::string> localeId;
  // Not owned by anyone else necessarily: a service that holds this context
  // must not be stored here, or the two keep each other alive.
  platform::Published<std::shared_ptr<KeyboardDictationService>> service{*this, nullptr};
  platform::Published<double> silenceLimit{*this, defaultSilenceLimit};

  // Sets the deep link, then the app-group identifier (which connects).
  void setup(const KeyboardDictationConfiguration& config);

  // isDictating false, isDictationStartedByKeyboard false, dictatedText "" (the
  // last two written through); nothing else changes.
  virtual void reset();

  // Assigns isDictating inside an animation, so bound views animate.
  void setIsDictating(bool value);

 private:
  void observePersistedFields();
  void connectToAppGroupStore();
  // The open store, only while it is still the one the identifier names.
  std::shared_ptr<platform::UserDefaults> currentStore() const;
  void write(PersistedKey key, platform::UserDefaultsValue value);

  std::shared_ptr<platform::UserDefaults> userDefaults_;
  platform::Cancellable dictatedTextWrite_;
  platform::Cancellable startedByKeyboardWrite_;
  platform::Cancellable localeIdWrite_;
  platform::Cancellable silenceLimitWrite_;
};

}  // namespace keyloom
