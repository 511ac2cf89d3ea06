#include "keyloom/state/KeyboardActions.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/foundation/Bundle.h"

namespace keyloom {
namespace {

KeyboardAction c(const char* text) { return KeyboardAction::character(text); }

TEST(KeyboardActions, FromCharactersKeepsOrderAndEmptyRows) {
  EXPECT_EQ(keyboardActionsFromCharacters({"a", "b"}), (KeyboardActions{c("a"), c("b")}));
  EXPECT_TRUE(keyboardActionsFromCharacters({}).empty());
  EXPECT_EQ(keyboardActionRowsFromCharacters({{"a"}, {}, {"b", "c"}}),
            (KeyboardActionRows{{c("a")}, {}, {c("b"), c("c")}}));
}

TEST(KeyboardActions, FromImageNamesNamesTheAssetAndLooksUpTheDescription) {
  namespace fs = std::filesystem;
  const fs::path bundle = fs::temp_directory_path() / ("keyloom-image-names-" + std::to_string(::getpid()));
  fs::create_directories(bundle / "en.lproj");
  std::ofstream(bundle / "en.lproj" / "Localizable.strings") << "\"img.cat.desc\" = \"A cat\";\n";
  platform::Bundle::setMainBundlePath(bundle);

  const auto actions = keyboardActionsFromImageNames({"cat", "dog"}, "kb-", "-1", "img.", ".desc");
  EXPECT_EQ(actions, (KeyboardActions{KeyboardAction::image("A cat", "kb-cat-1", "cat"),
                                      // A missing text gives the key, as the platform's lookup does.
                                      KeyboardAction::image("img.dog.desc", "kb-dog-1", "dog")}));
  fs::remove_all(bundle);
}

TEST(KeyboardActions, EvenedPadsWithNoneToTheGrid) {
  const KeyboardActions five(5, c("x"));
  const auto evened8 = evened(five, 4);
  ASSERT_EQ(evened8.size(), 8u);
  EXPECT_EQ(evened8[4], c("x"));
  EXPECT_EQ(evened8[5], KeyboardAction::none());
  EXPECT_EQ(evened8[7], KeyboardAction::none());

  EXPECT_EQ(evened(KeyboardActions(8, c("x")), 4).size(), 8u);
  EXPECT_TRUE(evened({}, 4).empty());
  EXPECT_EQ(evened(five, 1).size(), 5u);
}

TEST(KeyboardActions, EvenedWithoutGridLeavesTheListAlone) {
  EXPECT_EQ(evened(KeyboardActions(5, c("x")), 0).size(), 5u);
  EXPECT_EQ(evened(KeyboardActions(5, c("x")), -3).size(), 5u);
}

TEST(KeyboardActions, CharacterMarginTypesOnlyBesideCharacters) {
  EXPECT_EQ(characterMarginAction(c("a")), KeyboardAction::characterMargin("a"));
  EXPECT_EQ(characterMarginAction(KeyboardAction::space()), KeyboardAction::none());
  EXPECT_EQ(characterMarginAction(std::nullopt), KeyboardAction::none());
}

TEST(KeyboardActions, MarginsComeFromTheOutermostInputActions) {
  const KeyboardActions row{KeyboardAction::shift(KeyboardCase::lowercased), c("a"), c("b"),
                            KeyboardAction::backspace()};
  EXPECT_EQ(leadingCharacterMarginAction(row), KeyboardAction::characterMargin("a"));
  EXPECT_EQ(trailingCharacterMarginAction(row), KeyboardAction::characterMargin("b"));

  // The search stops at the first input action of any kind.
  const KeyboardActions spaceFirst{KeyboardAction::space(), c("a")};
  EXPECT_EQ(leadingCharacterMarginAction(spaceFirst), KeyboardAction::none());
  EXPECT_EQ(trailingCharacterMarginAction(spaceFirst), KeyboardAction::characterMargin("a"));
  const KeyboardActions marginFirst{KeyboardAction::characterMargin("a"), c("b")};
  EXPECT_EQ(leadingCharacterMarginAction(marginFirst), KeyboardAction::none());

  EXPECT_EQ(leadingCharacterMarginAction({}), KeyboardAction::none());
  EXPECT_EQ(trailingCharacterMarginAction({KeyboardAction::backspace()}), KeyboardAction::none());
}

}  // namespace
}  // namespace keyloom
