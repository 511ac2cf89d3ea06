#pragma once

#include "keyloom/state/KeyboardImage.h"
#include "platform/foundation/Locale.h"

namespace keyloom {

// The library's fixed vocabulary of key images. Each call makes a new value.
struct KeyboardImageReader {
  static KeyboardImage keyboard();
  static KeyboardImage keyboardBackspace();
  static KeyboardImage keyboardBackspaceRtl();
  static KeyboardImage keyboardCommand();
  static KeyboardImage keyboardControl();
  static KeyboardImage keyboardDictation();
  static KeyboardImage keyboardDismiss();
  static KeyboardImage keyboardEmail();
  static KeyboardImage keyboardEmoji();  // an asset of the library bundle, not a symbol
  static KeyboardImage keyboardEmojiSymbol();
  static KeyboardImage keyboardGlobe();
  static KeyboardImage keyboardImages();
  static KeyboardImage keyboardLeft();
  static KeyboardImage keyboardNewline();
  static KeyboardImage keyboardNewlineRtl();
  static KeyboardImage keyboardOption();
  static KeyboardImage keyboardRedo();
  static KeyboardImage keyboardRight();
  static KeyboardImage keyboardSettings();
  static KeyboardImage keyboardShiftCapslocked();
  static KeyboardImage keyboardShiftLowercased();
  static KeyboardImage keyboardShiftUppercased();
  static KeyboardImage keyboardTab();
  static KeyboardImage keyboardUndo();
  static KeyboardImage keyboardZeroWidthSpace();

  // The arrows point against the writing direction of the locale's language.
  // Only a language known to be written left to right gets the left-to-right
  // picture; right to left, vertical and unknown (no language code) get the other.
  static KeyboardImage keyboardBackspace(const platform::Locale& locale);
  static KeyboardImage keyboardNewline(const platform::Locale& locale);
};

// Whether the locale's language is known to be written left to right.
bool isLeftToRight(const platform::Locale& locale);

}  // namespace keyloom
