#include "keyloom/state/KeyboardImageReader.h"

namespace keyloom {

namespace {
KeyboardImage symbol(const char* name) { return KeyboardImage::systemSymbol(name); }
}  // namespace

bool isLeftToRight(const platform::Locale& locale) {
  const std::string language = locale.languageCode().value_or("");
  return platform::Locale::characterDirection(language) == platform::LanguageDirection::leftToRight;
}

KeyboardImage KeyboardImageReader::keyboard() { return symbol("keyboard"); }
KeyboardImage KeyboardImageReader::keyboardBackspace() { return symbol("delete.left"); }
KeyboardImage KeyboardImageReader::keyboardBackspaceRtl() { return symbol("delete.right"); }
KeyboardImage KeyboardImageReader::keyboardCommand() { return symbol("command"); }
KeyboardImage KeyboardImageReader::keyboardControl() { return symbol("control"); }
KeyboardImage KeyboardImageReader::keyboardDictation() { return symbol("mic"); }
KeyboardImage KeyboardImageReader::keyboardDismiss() { return symbol("keyboard.chevron.compact.down"); }
KeyboardImage KeyboardImageReader::keyboardEmail() { return symbol("envelope"); }
KeyboardImage KeyboardImageReader::keyboardEmoji() { return KeyboardImage::libraryAsset("keyboardEmoji"); }
KeyboardImage KeyboardImageReader::keyboardEmojiSymbol() { return symbol("face.smiling"); }
KeyboardImage KeyboardImageReader::keyboardGlobe() { return symbol("globe"); }
KeyboardImage KeyboardImageReader::keyboardImages() { return symbol("photo"); }
KeyboardImage KeyboardImageReader::keyboardLeft() { return symbol("arrow.left"); }
KeyboardImage KeyboardImageReader::keyboardNewline() { return symbol("arrow.turn.down.left"); }
KeyboardImage KeyboardImageReader::keyboardNewlineRtl() { return symbol("arrow.turn.down.right"); }
KeyboardImage KeyboardImageReader::keyboardOption() { return symbol("option"); }
KeyboardImage KeyboardImageReader::keyboardRedo() { return symbol("arrow.uturn.right"); }
KeyboardImage KeyboardImageReader::keyboardRight() { return symbol("arrow.right"); }
KeyboardImage KeyboardImageReader::keyboardSettings() { return symbol("gearshape"); }
KeyboardImage KeyboardImageReader::keyboardShiftCapslocked() { return symbol("capslock.fill"); }
KeyboardImage KeyboardImageReader::keyboardShiftLowercased() { return symbol("shift"); }
KeyboardImage KeyboardImageReader::keyboardShiftUppercased() { return symbol("shift.fill"); }
KeyboardImage KeyboardImageReader::keyboardTab() { return symbol("arrow.right.to.line"); }
KeyboardImage KeyboardImageReader::keyboardUndo() { return symbol("arrow.uturn.left"); }
KeyboardImage KeyboardImageReader::keyboardZeroWidthSpace() { return symbol("circle.dotted"); }

KeyboardImage KeyboardImageReader::keyboardBackspace(const platform::Locale& locale) {
  return isLeftToRight(locale) ? keyboardBackspace() : keyboardBackspaceRtl();
}

KeyboardImage KeyboardImageReader::keyboardNewline(const platform::Locale& locale) {
  return isLeftToRight(locale) ? keyboardNewline() : keyboardNewlineRtl();
}

}  // namespace keyloom
