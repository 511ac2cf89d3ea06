#pragma once

#include <optional>
#include <string>

#include "keyloom/state/KeyboardType.h"
#include "keyloom/text/AutocompleteSuggestion.h"
#include "platform/foundation/URL.h"

namespace keyloom {

// What key actions may ask of the keyboard's controller. Text operations go to
// the controller's current text document proxy. None returns a value or fails.
class KeyboardController {
 public:
  virtual ~KeyboardController() = default;

  // Moves the cursor by this many characters (negative: backward).
  virtual void adjustTextPosition(int byCharacterOffset) = 0;
  // Deletes the range the keyboard behaviour asks for at this moment.
  virtual void deleteBackward() = 0;
  virtual void deleteBackward(int times) = 0;
  virtual void dismissKeyboard() = 0;
  virtual void insertAutocompleteSuggestion(const AutocompleteSuggestion& suggestion) = 0;
  virtual void insertText(const std::string& text) = 0;
  virtual void performAutocomplete() = 0;
  // Starts dictation and returns at once.
  virtual void performDictation() = 0;
  virtual void performTextContextSync() = 0;
  virtual void resetAutocomplete() = 0;
  // Both make the context's next locale current; switching to another system
  // keyboard is the next-keyboard button's job, not this one's.
  virtual void selectNextKeyboard() = 0;
  virtual void selectNextLocale() = 0;
  virtual void setKeyboardType(const KeyboardType& type) = 0;
  // An absent URL is passed on as it is.
  virtual void openUrl(const std::optional<platform::URL>& url) = 0;
};

}  // namespace keyloom
