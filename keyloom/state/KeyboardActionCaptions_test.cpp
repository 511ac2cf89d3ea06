#include "keyloom/state/KeyboardActionCaptions.h"

#include <gtest/gtest.h>

#include "keyloom/state/KLL10n.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/KeyboardImageReader.h"

namespace keyloom {
namespace {

using Image = std::optional<KeyboardImage>;
using Text = std::optional<std::string>;

KeyboardImage symbol(const char* name) { return KeyboardImage::systemSymbol(name); }

// What a key shows for an English and an Arabic keyboard. The library bundle
// has English texts and no Arabic folder, so the Arabic words are empty.
struct Expected {
  KeyboardAction action;
  Text englishText;
  Text arabicText;
  Image englishImage;
  Image arabicImage;
};

std::vector<Expected> expectations() {
  using RK = KeyboardReturnKeyType;
  const Image newline = symbol("arrow.turn.down.left");
  const Image newlineRtl = symbol("arrow.turn.down.right");
  const Text none;
  const Image noImage;
  const std::string smiley = fallbackDisplayEmoji(EmojiCategory::smileys).char_();
  return {
      {KeyboardAction::backspace(), none, none, symbol("delete.left"), symbol("delete.right")},
      {KeyboardAction::character("a"), "a", "a", noImage, noImage},
      {KeyboardAction::character("\u200B"), "\u205E", "\u205E", noImage, noImage},
      {KeyboardAction::character("\u21B5"), "\u21B5", "\u21B5", newline, newlineRtl},
      {KeyboardAction::character("\u21B3"), "\u21B3", "\u21B3", newline, newlineRtl},
      {KeyboardAction::character("x\u21B5"), "x\u21B5", "x\u21B5", noImage, noImage},
      {KeyboardAction::characterMargin("a"), none, none, noImage, noImage},
      {KeyboardAction::command(), none, none, symbol("command"), symbol("command")},
      {KeyboardAction::control(), none, none, symbol("control"), symbol("control")},
      {KeyboardAction::custom("x"), none, none, noImage, noImage},
      {KeyboardAction::dictation(), none, none, symbol("mic"), symbol("mic")},
      {KeyboardAction::dismissKeyboard(), none, none, symbol("keyboard.chevron.compact.down"),
       symbol("keyboard.chevron.compact.down")},
      {KeyboardAction::emoji(Emoji("\U0001F600")), "\U0001F600", "\U0001F600", noImage, noImage},
      {KeyboardAction::emojiCategory(EmojiCategory::smileys), smiley, smiley, noImage, noImage},
      {KeyboardAction::escape(), none, none, noImage, noImage},
      {KeyboardAction::function(), none, none, noImage, noImage},
      {KeyboardAction::image("A cat", "kb-cat", "cat"), none, none, KeyboardImage::mainBundleAsset("kb-cat"),
       KeyboardImage::mainBundleAsset("kb-cat")},
      {KeyboardAction::keyboardType(KeyboardType::alphabetic(KeyboardCase::uppercased)), "ABC", "", noImage, noImage},
      {KeyboardAction::keyboardType(KeyboardType::numeric()), "123", "", noImage, noImage},
      {KeyboardAction::keyboardType(KeyboardType::symbolic()), "#+=", "", noImage, noImage},
      {KeyboardAction::keyboardType(KeyboardType::email()), none, none, symbol("envelope"), symbol("envelope")},
      {KeyboardAction::keyboardType(KeyboardType::emojis()), none, none, KeyboardImage::libraryAsset("keyboardEmoji"),
       KeyboardImage::libraryAsset("keyboardEmoji")},
      {KeyboardAction::keyboardType(KeyboardType::images()), none, none, symbol("photo"), symbol("photo")},
      {KeyboardAction::keyboardType(KeyboardType::custom("x")), none, none, noImage, noImage},
      {KeyboardAction::moveCursorBackward(), none, none, symbol("arrow.left"), symbol("arrow.left")},
      {KeyboardAction::moveCursorForward(), none, none, symbol("arrow.right"), symbol("arrow.right")},
      {KeyboardAction::nextKeyboard(), none, none, symbol("globe"), symbol("globe")},
      {KeyboardAction::nextLocale(), "EN", "AR", noImage, noImage},
      {KeyboardAction::none(), none, none, noImage, noImage},
      {KeyboardAction::option(), none, none, symbol("option"), symbol("option")},
      {KeyboardAction::primary(RK::return_()), "return", "", noImage, noImage},
      {KeyboardAction::primary(RK::done()), "done", "", noImage, noImage},
      {KeyboardAction::primary(RK::go()), "go", "", noImage, noImage},
      {KeyboardAction::primary(RK::join()), "join", "", noImage, noImage},
      {KeyboardAction::primary(RK::newLine()), none, none, newline, newlineRtl},
      {KeyboardAction::primary(RK::next()), "next", "", noImage, noImage},
      {KeyboardAction::primary(RK::ok()), "OK", "", noImage, noImage},
      {KeyboardAction::primary(RK::search()), "search", "", noImage, noImage},
      {KeyboardAction::primary(RK::send()), "send", "", noImage, noImage},
      {KeyboardAction::primary(RK::custom("Post")), "Post", "Post", noImage, noImage},
      {KeyboardAction::primary(RK::custom("")), "", "", noImage, noImage},
      {KeyboardAction::primary(RK::custom("\u21B5")), "\u21B5", "\u21B5", newline, newlineRtl},
      {KeyboardAction::settings(), none, none, symbol("gearshape"), symbol("gearshape")},
      {KeyboardAction::shift(KeyboardCase::auto_), none, none, symbol("shift"), symbol("shift")},
      {KeyboardAction::shift(KeyboardCase::lowercased), none, none, symbol("shift"), symbol("shift")},
      {KeyboardAction::shift(KeyboardCase::uppercased), none, none, symbol("shift.fill"), symbol("shift.fill")},
      {KeyboardAction::shift(KeyboardCase::capsLocked), none, none, symbol("capslock.fill"),
       symbol("capslock.fill")},
      {KeyboardAction::space(), "space", "", noImage, noImage},
      {KeyboardAction::systemImage("Star", "star.fill", "star"), none, none, symbol("star.fill"),
       symbol("star.fill")},
      {KeyboardAction::systemSettings(), none, none, symbol("gearshape"), symbol("gearshape")},
      {KeyboardAction::tab(), none, none, symbol("arrow.right.to.line"), symbol("arrow.right.to.line")},
      {KeyboardAction::url(platform::URL::fromString("https://example.com"), "id"), none, none, noImage, noImage},
  };
}

TEST(KeyboardActionCaptions, EveryKeysCaptionAndImageForLeftToRightAndRightToLeftLocales) {
  auto context = std::make_shared<KeyboardContext>();
  for (const Expected& expected : expectations()) {
    context->setLocale(KeyboardLocale::english_us);
    EXPECT_EQ(standardButtonText(expected.action, *context), expected.englishText) << expected.action;
    EXPECT_EQ(standardButtonImage(expected.action, *context), expected.englishImage) << expected.action;

    context->setLocale(KeyboardLocale::arabic);
    EXPECT_EQ(standardButtonText(expected.action, *context), expected.arabicText) << expected.action;
    EXPECT_EQ(standardButtonImage(expected.action, *context), expected.arabicImage) << expected.action;
  }
}

TEST(KeyboardActionCaptions, TheNewlinePictureReplacesOnlyAnArrowCaption) {
  auto context = std::make_shared<KeyboardContext>();
  context->setLocale(platform::Locale("he_IL"));
  EXPECT_EQ(standardButtonTextImageReplacement(KeyboardAction::character("\u21B5"), *context),
            symbol("arrow.turn.down.right"));
  EXPECT_EQ(standardButtonTextImageReplacement(KeyboardAction::primary(KeyboardReturnKeyType::newLine()), *context),
            std::nullopt);
  EXPECT_EQ(standardButtonTextImageReplacement(KeyboardAction::backspace(), *context), std::nullopt);
}

TEST(KeyboardActionCaptions, ALocaleWithoutLanguageHasNoLocaleCaptionAndRightToLeftArrows) {
  const platform::Locale unknown("");
  EXPECT_EQ(standardButtonText(KeyboardAction::nextLocale(), unknown), std::nullopt);
  EXPECT_EQ(standardButtonText(KeyboardAction::space(), unknown), "");
  EXPECT_EQ(standardButtonImage(KeyboardAction::backspace(), unknown), symbol("delete.right"));
  EXPECT_EQ(standardButtonText(KeyboardAction::nextLocale(), platform::Locale("de_CH")), "DE");
}

TEST(KeyboardActionCaptions, CaptionsFollowTheLanguageFolderOfTheLocale) {
  auto context = std::make_shared<KeyboardContext>();
  context->setLocale(KeyboardLocale::german_switzerland);
  EXPECT_EQ(standardButtonText(KeyboardAction::space(), *context), "Leerzeichen");
  EXPECT_EQ(standardButtonText(KeyboardType::numeric(), *context), "123");
  EXPECT_EQ(standardButtonText(KeyboardType::email(), *context), std::nullopt);
  EXPECT_EQ(text(KLL10n::done, *context), "Fertig");
  EXPECT_EQ(standardButtonText(KeyboardReturnKeyType::send(), platform::Locale("fr")), "Envoyer");
  EXPECT_EQ(standardButtonText(KeyboardReturnKeyType::newLine(), platform::Locale("fr")), std::nullopt);
}

TEST(KeyboardActionCaptions, ImageActionsCarryTheirPictures) {
  EXPECT_EQ(image(KeyboardAction::image("A cat", "kb-cat", "cat")), KeyboardImage::libraryAsset("kb-cat"));
  EXPECT_EQ(image(KeyboardAction::systemImage("Star", "star.fill", "star")), symbol("star.fill"));
  EXPECT_EQ(image(KeyboardAction::backspace()), std::nullopt);
  EXPECT_EQ(image(KeyboardAction::character("a")), std::nullopt);
}

}  // namespace
}  // namespace keyloom
