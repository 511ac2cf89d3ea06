#include "keyloom/state/KeyboardAction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keyloom {
namespace {

// The predicates of an action as a set of flags, so one row states them all.
enum Flag : unsigned {
  input = 1 << 0,
  system = 1 << 1,
  character = 1 << 2,
  emoji = 1 << 3,
  primary = 1 << 4,
  shift = 1 << 5,
  uppercasedShift = 1 << 6,
  spacer = 1 << 7,
  alphabeticType = 1 << 8,
};

unsigned flagsOf(const KeyboardAction& a) {
  return (a.isInputAction() ? input : 0u) | (a.isSystemAction() ? system : 0u) |
         (a.isCharacterAction() ? character : 0u) | (a.isEmojiAction() ? emoji : 0u) |
         (a.isPrimaryAction() ? primary : 0u) | (a.isShiftAction() ? shift : 0u) |
         (a.isUppercasedShiftAction() ? uppercasedShift : 0u) | (a.isSpacer() ? spacer : 0u) |
         (a.isAlphabeticKeyboardTypeAction() ? alphabeticType : 0u);
}

std::string names(unsigned flags) {
  static const char* const kNames[] = {"input", "system",          "character", "emoji",         "primary",
                                       "shift", "uppercasedShift", "spacer",    "alphabeticType"};
  std::string out;
  for (unsigned i = 0; i < 9; ++i) {
    if (flags & (1u << i)) out += std::string(kNames[i]) + " ";
  }
  return out.empty() ? "(none)" : out;
}

struct PredicateRow {
  KeyboardAction action;
  unsigned flags;
};

TEST(KeyboardAction, PredicatesOfEveryCase) {
  const std::vector<PredicateRow> rows = {
      {KeyboardAction::backspace(), system},
      {KeyboardAction::character("a"), input | character},
      {KeyboardAction::characterMargin("a"), input | spacer},
      {KeyboardAction::command(), system},
      {KeyboardAction::control(), system},
      {KeyboardAction::custom("x"), 0},
      {KeyboardAction::dictation(), system},
      {KeyboardAction::dismissKeyboard(), system},
      {KeyboardAction::emoji(Emoji("\U0001F600")), input | emoji},
      {KeyboardAction::emojiCategory(EmojiCategory::smileys), system},
      {KeyboardAction::escape(), system},
      {KeyboardAction::function(), system},
      {KeyboardAction::image("d", "k", "i"), input},
      {KeyboardAction::keyboardType(KeyboardType::alphabetic(KeyboardCase::auto_)), system | alphabeticType},
      {KeyboardAction::keyboardType(KeyboardType::numeric()), system},
      {KeyboardAction::keyboardType(KeyboardType::custom("alphabetic")), system},
      {KeyboardAction::moveCursorBackward(), system},
      {KeyboardAction::moveCursorForward(), system},
      {KeyboardAction::nextKeyboard(), system},
      {KeyboardAction::nextLocale(), system},
      {KeyboardAction::none(), spacer},
      {KeyboardAction::option(), system},
      // Only the return and new-line kinds make the return key a system key.
      {KeyboardAction::primary(KeyboardReturnKeyType::return_()), system | primary},
      {KeyboardAction::primary(KeyboardReturnKeyType::newLine()), system | primary},
      {KeyboardAction::primary(KeyboardReturnKeyType::done()), primary},
      {KeyboardAction::primary(KeyboardReturnKeyType::custom("return")), primary},
      {KeyboardAction::settings(), system},
      {KeyboardAction::shift(KeyboardCase::auto_), system | shift},
      {KeyboardAction::shift(KeyboardCase::lowercased), system | shift},
      {KeyboardAction::shift(KeyboardCase::capsLocked), system | shift | uppercasedShift},
      {KeyboardAction::shift(KeyboardCase::uppercased), system | shift | uppercasedShift},
      {KeyboardAction::space(), input},
      {KeyboardAction::systemImage("d", "k", "i"), input},
      {KeyboardAction::systemSettings(), 0},
      {KeyboardAction::tab(), system},
      {KeyboardAction::url(std::nullopt), 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(names(flagsOf(row.action)), names(row.flags)) << row.action;
  }
}

TEST(KeyboardAction, KeyboardTypeActionMatchesExactType) {
  const auto upper = KeyboardAction::keyboardType(KeyboardType::alphabetic(KeyboardCase::uppercased));
  EXPECT_TRUE(upper.isKeyboardTypeAction(KeyboardType::alphabetic(KeyboardCase::uppercased)));
  EXPECT_FALSE(upper.isKeyboardTypeAction(KeyboardType::alphabetic(KeyboardCase::lowercased)));
  EXPECT_FALSE(KeyboardAction::custom("numeric").isKeyboardTypeAction(KeyboardType::numeric()));
}

TEST(KeyboardAction, EqualityComparesEveryPayloadField) {
  const auto url = platform::URL::fromString("https://example.com");
  EXPECT_EQ(KeyboardAction::url(std::nullopt, std::nullopt), KeyboardAction::url(std::nullopt, std::nullopt));
  EXPECT_NE(KeyboardAction::url(std::nullopt, std::nullopt), KeyboardAction::url(std::nullopt, "a"));
  EXPECT_NE(KeyboardAction::url(url, "a"), KeyboardAction::url(std::nullopt, "a"));
  EXPECT_EQ(KeyboardAction::url(url, "a"),
            KeyboardAction::url(platform::URL::fromString("https://example.com"), "a"));

  EXPECT_NE(KeyboardAction::custom("a"), KeyboardAction::custom("b"));
  EXPECT_NE(KeyboardAction::image("d", "k", "i"), KeyboardAction::systemImage("d", "k", "i"));
  EXPECT_NE(KeyboardAction::image("d", "k", "i"), KeyboardAction::image("d", "k", "j"));
  EXPECT_NE(KeyboardAction::character("a"), KeyboardAction::characterMargin("a"));
  EXPECT_EQ(KeyboardAction::emoji(Emoji("\U0001F600")), KeyboardAction::emoji(Emoji("\U0001F600")));
  EXPECT_NE(KeyboardAction::shift(KeyboardCase::auto_), KeyboardAction::shift(KeyboardCase::lowercased));
  EXPECT_NE(KeyboardAction::primary(KeyboardReturnKeyType::done()),
            KeyboardAction::primary(KeyboardReturnKeyType::custom("done")));
  EXPECT_NE(KeyboardAction::emojiCategory(EmojiCategory::flags),
            KeyboardAction::emojiCategory(EmojiCategory::foods));
  EXPECT_NE(KeyboardAction::space(), KeyboardAction::tab());
}

TEST(KeyboardAction, InputCalloutTextOnlyForCharactersAndEmojis) {
  EXPECT_EQ(KeyboardAction::character("a").inputCalloutText(), "a");
  EXPECT_EQ(KeyboardAction::emoji(Emoji("\U0001F44D\U0001F3FD")).inputCalloutText(), "\U0001F44D\U0001F3FD");
  EXPECT_EQ(KeyboardAction::characterMargin("a").inputCalloutText(), std::nullopt);
  EXPECT_EQ(KeyboardAction::space().inputCalloutText(), std::nullopt);
}

TEST(KeyboardAction, PlatformReturnKeyMapsToPrimaryAction) {
  using Platform = platform::ReturnKeyType;
  EXPECT_EQ(keyboardAction(Platform::default_), KeyboardAction::primary(KeyboardReturnKeyType::return_()));
  EXPECT_EQ(keyboardAction(Platform::continue_),
            KeyboardAction::primary(KeyboardReturnKeyType::custom("continue")));
  EXPECT_EQ(keyboardAction(Platform::search), KeyboardAction::primary(KeyboardReturnKeyType::search()));
}

}  // namespace
}  // namespace keyloom
