#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "keyloom/state/DeviceType.h"
#include "keyloom/state/InterfaceOrientation.h"
#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardAutocapitalizationType.h"
#include "keyloom/state/KeyboardLocale.h"
#include "keyloom/state/KeyboardType.h"
#include "keyloom/state/SpaceLongPressBehavior.h"
#include "platform/foundation/Geometry.h"
#include "platform/foundation/Locale.h"
#include "platform/input/InputTraits.h"
#include "platform/input/TextDocumentProxy.h"
#include "platform/input/TextInputMode.h"
#include "platform/input/TraitCollection.h"
#include "platform/reactive/ObservableObject.h"
#include "platform/reactive/Published.h"
#include "platform/ui/ColorScheme.h"

namespace keyloom {

class SyncableInputViewController;

// The observable state of the keyboard: the keyboard type on screen, the
// locale and the locales to cycle through, the device and screen, the text
// document proxies, the host field's traits and the platform's flags. The
// controller owns one and hands it to every service and view; a published
// change makes the observing views redraw.
//
// Always owned by std::shared_ptr: a scheduled sync keeps the context alive
// until it has run. Main thread only.
class KeyboardContext : public platform::ObservableObject,
                        public std::enable_shared_from_this<KeyboardContext> {
 public:
  // The values at creation; the device idiom and the current locale are read now.
  KeyboardContext();
  // A new context, synced with the controller when one is given.
  static std::shared_ptr<KeyboardContext> make(
      const std::shared_ptr<SyncableInputViewController>& controller);
  // A new context for previews on every call. It follows no controller, so
  // asking for one never loads a controller's view (with its process-wide
  // registrations). Defined with the other preview factories.
  static std::shared_ptr<KeyboardContext> preview();

  // ---- Published fields. Every write publishes, even an unchanged value.

  // Settings the keyboard itself never changes after creation.
  platform::Published<std::optional<KeyboardAutocapitalizationType>> autocapitalizationTypeOverride{
      *this, std::nullopt};
  // Fixed at creation: pad for the pad idiom, phone for every other.
  platform::Published<DeviceType> deviceType;
  platform::Published<bool> hasDictationKey{*this, false};
  platform::Published<bool> hasFullAccess{*this, false};
  platform::Published<InterfaceOrientation> interfaceOrientation{*this, InterfaceOrientation::portrait};
  platform::Published<bool> isAutoCapitalizationEnabled{*this, true};
  platform::Published<bool> isKeyboardFloating{*this, false};
  // Read by the layouts in place of the dictation key.
  platform::Published<std::optional<KeyboardAction>> keyboardDictationReplacement{*this, std::nullopt};
  platform::Published<KeyboardType> keyboardType{*this, KeyboardType::alphabetic(KeyboardCase::lowercased)};
  // The locale and the list of locales are independent: the locale need not
  // be in the list, and nothing keeps them in step.
  platform::Published<platform::Locale> locale;
  platform::Published<std::vector<platform::Locale>> locales;
  // The locale the locale menu writes its names in.
  platform::Published<std::optional<platform::Locale>> localePresentationLocale{*this, std::nullopt};
  platform::Published<bool> needsInputModeSwitchKey{*this, false};
  platform::Published<bool> prefersAutocomplete{*this, true};
  platform::Published<std::optional<std::string>> primaryLanguage{*this, std::nullopt};
  platform::Published<platform::Size> screenSize{*this, platform::Size{}};
  platform::Published<SpaceLongPressBehavior> spaceLongPressBehavior{*this,
                                                                     SpaceLongPressBehavior::moveInputCursor};
  // The host application's proxy. Proxies are compared by identity.
  platform::Published<std::shared_ptr<platform::TextDocumentProxy>> mainTextDocumentProxy;
  // The proxy the keyboard reads and edits through: the host's, or that of a
  // text field inside the keyboard while one has focus.
  platform::Published<std::shared_ptr<platform::TextDocumentProxy>> textDocumentProxy;
  platform::Published<std::optional<platform::TextInputMode>> textInputMode{*this, std::nullopt};
  platform::Published<platform::TraitCollection> traitCollection{*this, platform::TraitCollection{}};

  // Offered to code built on the library; the keyboard does not read it.
  static bool tempIsPreviewMode();
  static void setTempIsPreviewMode(bool value);

  // ---- Derived values, computed anew on every read

  // The keyboard type that suits the text at the cursor. Not const: when a
  // numeric or symbolic keyboard follows exactly one space after text, this
  // switches `keyboardType` to lower-case letters at once (a published
  // change). Callers that compare it with `keyboardType` read `keyboardType`
  // first.
  KeyboardType preferredKeyboardType();
  // The override when set, else the host proxy's trait when it answers one.
  std::optional<KeyboardAutocapitalizationType> autocapitalizationType() const;
  platform::ui::ColorScheme colorScheme() const;
  bool hasDarkColorScheme() const;
  // The proxy's keyboard appearance when it answers one, else the default.
  platform::KeyboardAppearance keyboardAppearance() const;
  // The supported locale whose identifier is exactly the locale's.
  std::optional<KeyboardLocale> keyboardLocale() const;
  bool hasMultipleLocales() const;
  bool hasKeyboardLocale(KeyboardLocale keyboardLocale) const;
  bool hasKeyboardType(const KeyboardType& type) const;

  // ---- Operations that always publish, even an unchanged value

  // Makes the locale after the current one in `locales` current, wrapping
  // around; the first of `locales` when the current one is not in it; the
  // current one again when `locales` is empty.
  void selectNextLocale();
  void setKeyboardType(const KeyboardType& type);
  void setLocale(const platform::Locale& locale);
  void setLocale(KeyboardLocale locale);
  void setLocales(const std::vector<platform::Locale>& locales);
  void setLocales(const std::vector<KeyboardLocale>& locales);

  // ---- Following the controller

  // Schedules syncValues on the main queue and returns at once. The scheduled
  // work keeps the context and the controller alive until it has run.
  void sync(const std::shared_ptr<SyncableInputViewController>& controller);
  // Copies the controller's flags, language, orientation, screen size,
  // proxies, input mode and traits, writing only the fields that changed.
  // Never writes the keyboard type, the locale or the locales.
  void syncValues(SyncableInputViewController& controller);
  // After a layout pass: the floating state at once, and a full sync when
  // the screen's orientation differs from the published one.
  void syncAfterLayout(const std::shared_ptr<SyncableInputViewController>& controller);
  // Floating while the controller's view is narrower than half the screen.
  void syncIsKeyboardFloating(SyncableInputViewController& controller);

 private:
  // Step 2 of preferredKeyboardType: the casing the host field asks for.
  std::optional<KeyboardType> autocapitalizedKeyboardType();
};

}  // namespace keyloom
