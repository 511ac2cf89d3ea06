#pragma once

#include <optional>
#include <string>

#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardImage.h"
#include "keyloom/state/KeyboardReturnKeyType.h"
#include "keyloom/state/KeyboardType.h"
#include "platform/foundation/Locale.h"

namespace keyloom {

class KeyboardContext;

// Default captions and pictures of keys. Words come from the library's string
// tables in the language of the keyboard's locale; where the tables have no
// folder for that language the caption is empty (present, not absent). The
// context forms read the context's current locale and change nothing.

// The return key's caption; none for newLine, which shows a picture; a
// custom type's title as it is.
std::optional<std::string> standardButtonText(const KeyboardReturnKeyType& type, const platform::Locale& locale);

// The caption of a key that switches to this keyboard type: alphabetic,
// numeric and symbolic only.
std::optional<std::string> standardButtonText(const KeyboardType& type, const platform::Locale& locale);
std::optional<std::string> standardButtonText(const KeyboardType& type, const KeyboardContext& context);

// The caption of a key: the character (a zero-width space as "⁞"), the emoji,
// a category's emoji, the localized words of return, space and keyboard-type
// keys, and the upper-cased language code on the next-locale key. Absent for
// keys that show only a picture.
std::optional<std::string> standardButtonText(const KeyboardAction& action, const platform::Locale& locale);
std::optional<std::string> standardButtonText(const KeyboardAction& action, const KeyboardContext& context);

// The newline picture for a caption that is exactly "↵" or "↳"; absent otherwise.
std::optional<KeyboardImage> standardButtonTextImageReplacement(const KeyboardAction& action,
                                                                const platform::Locale& locale);
std::optional<KeyboardImage> standardButtonTextImageReplacement(const KeyboardAction& action,
                                                                const KeyboardContext& context);

// The picture of a key: the text replacement above, else the key's own picture
// (image actions name an asset of the application's main bundle). Absent for
// keys that show only a caption.
std::optional<KeyboardImage> standardButtonImage(const KeyboardAction& action, const platform::Locale& locale);
std::optional<KeyboardImage> standardButtonImage(const KeyboardAction& action, const KeyboardContext& context);

// The picture an image action carries, as an asset of the library bundle, or
// a system image action's symbol; absent for every other action.
std::optional<KeyboardImage> image(const KeyboardAction& action);

}  // namespace keyloom
