#pragma once

#include <string>

#include "keyloom/state/KeyboardAction.h"
#include "platform/ui/View.h"

namespace keyloom {

// A key's text label on one line. Lowercase text on an input key is lifted
// 2 points so it sits optically centred. Font and colour come from the key.
struct SystemKeyboardButtonText {
  std::string text;
  bool isInputAction = false;

  SystemKeyboardButtonText(std::string text, const KeyboardAction& action)
      : text(std::move(text)), isInputAction(action.isInputAction()) {}

  // Lowercase: lowercasing changes nothing and uppercasing changes something,
  // so caseless text (digits, emoji) is not lowercase.
  static bool isLowercase(const std::string& text);
  double verticalOffset() const;

  bool operator==(const SystemKeyboardButtonText&) const = default;

  platform::ui::View body() const;
};

}  // namespace keyloom
