#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/input/InputViewController.h"
#include "platform/reactive/ObservableObject.h"
#include "platform/reactive/Published.h"

namespace keyloom {

// The observable copy of the text around the cursor in the field the keyboard
// types into, offered to views. Brought up to date by sync(), which copies on
// a later turn of the main queue. Main thread only.
//
// Always owned by a std::shared_ptr (see create()): a scheduled copy keeps the
// context alive until it has run.
class KeyboardTextContext : public platform::ObservableObject,
                            public std::enable_shared_from_this<KeyboardTextContext> {
 public:
  static std::shared_ptr<KeyboardTextContext> create();

  // Absent until the first copy has run; then what the proxy reported.
  platform::Published<std::optional<std::string>> documentContextBeforeInput{*this, std::nullopt};
  platform::Published<std::optional<std::string>> documentContextAfterInput{*this, std::nullopt};
  platform::Published<std::optional<std::string>> selectedText{*this, std::nullopt};

  // The text before the cursor followed by the text after it; never absent.
  std::optional<std::string> documentContext() const;

  // Schedules one copy from the controller's current text document proxy (the
  // in-keyboard field's while one is active) and returns at once. The copy
  // keeps the controller alive until it has run, reads the proxy when it runs
  // and publishes only the fields that changed. The last copy to run wins.
  void sync(std::shared_ptr<platform::InputViewController> controller);

 private:
  KeyboardTextContext() = default;
  void copy(const platform::TextDocumentProxy* proxy);
};

}  // namespace keyloom
