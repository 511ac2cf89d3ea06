#include "keyloom/views/EmojiCategoryKeyboard.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "keyloom/appearance/StandardKeyboardAppearance.h"
#include "keyloom/state/MostRecentEmojiProvider.h"
#include "keyloom/views/EmojiKeyboard.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/UI.h"
#include "testing/EmojiKeyboardTesting.h"

#include <filesystem>

namespace keyloom {
namespace {

namespace ui = platform::ui;
using platform::UserDefaults;

platform::Point center(const platform::Rect& r) { return {r.midX(), r.midY()}; }

// An appearance that has no text for any key.
class TextlessAppearance : public StandardKeyboardAppearance {
 public:
  using StandardKeyboardAppearance::StandardKeyboardAppearance;
  std::optional<std::string> buttonText(const KeyboardAction&) const override { return std::nullopt; }
};

std::vector<EmojiCategory> allCategories() {
  std::vector<EmojiCategory> result;
  for (std::size_t i = 0; i < RawValueTable<EmojiCategory>::names.size(); ++i) {
    result.push_back(static_cast<EmojiCategory>(i));
  }
  return result;
}

struct Keyboard {
  std::shared_ptr<RecordingEmojiActionHandler> handler = std::make_shared<RecordingEmojiActionHandler>();
  std::shared_ptr<KeyboardContext> context = std::make_shared<KeyboardContext>();
  std::unique_ptr<ui::ViewHost> host;

  explicit Keyboard(std::optional<EmojiCategory> initial = std::nullopt,
                    std::shared_ptr<const KeyboardAppearance> appearance = nullptr) {
    if (!appearance) appearance = std::make_shared<StandardKeyboardAppearance>(context);
    host = std::make_unique<ui::ViewHost>(ui::View(EmojiCategoryKeyboard(
        initial, allCategories(), handler, context, nullptr, appearance, EmojiKeyboardStyle::standardPhonePortrait())));
    host->layout(platform::Size{390, 300});
    platform::MainQueue::main().runUntilIdle();
  }

  bool shows(EmojiCategory category) const { return host->findText(std::string(title(category))) != nullptr; }
  std::optional<std::string> stored() const {
    return UserDefaults::standard().string(EmojiCategoryKeyboard::defaultsKey());
  }
  std::shared_ptr<ui::Node> categoryButton(EmojiCategory category) const { return host->findAttached(category); }
  void tap(const std::shared_ptr<ui::Node>& node) {
    auto touch = host->touches().down(center(node->frame));
    host->touches().up(touch);
    platform::MainQueue::main().runUntilIdle();
  }
};

TEST(EmojiCategoryKeyboardTest, FirstAppearanceShowsSmileysAndStoresNothing) {
  Keyboard keyboard;
  EXPECT_TRUE(keyboard.shows(EmojiCategory::smileys));
  EXPECT_FALSE(keyboard.stored());
  EXPECT_EQ(keyboard.host->findAllOfType<EmojiKeyboardItem>().size(), emojis(EmojiCategory::smileys).size());
}

TEST(EmojiCategoryKeyboardTest, FrequentIsOfferedOnlyOnceAnEmojiWasUsed) {
  UserDefaults::standard().set(EmojiCategoryKeyboard::defaultsKey(), std::string("frequent"));
  Keyboard keyboard;
  EXPECT_TRUE(keyboard.shows(EmojiCategory::smileys));
  EXPECT_EQ(keyboard.categoryButton(EmojiCategory::frequent), nullptr);
  auto categoryButtons = keyboard.host->findAll([](const ui::Node& node) { return node.attached<EmojiCategory>(); });
  EXPECT_EQ(categoryButtons.size(), 8u);
}

TEST(EmojiCategoryKeyboardTest, StoredFrequentIsShownOnceAnEmojiWasUsed) {
  MostRecentEmojiProvider().registerEmoji(Emoji("\U0001F43B"));
  UserDefaults::standard().set(EmojiCategoryKeyboard::defaultsKey(), std::string("frequent"));
  Keyboard keyboard;
  EXPECT_TRUE(keyboard.shows(EmojiCategory::frequent));
  EXPECT_EQ(keyboard.host->findAllOfType<EmojiKeyboardItem>().size(), 1u);
}

TEST(EmojiCategoryKeyboardTest, StoredValuesThatAreNoOfferedCategoryFallBackToSmileys) {
  for (auto value : {UserDefaults::Value(std::int64_t{3}), UserDefaults::Value(std::string("plants"))}) {
    UserDefaults::standard().set(EmojiCategoryKeyboard::defaultsKey(), value);
    Keyboard keyboard;
    EXPECT_TRUE(keyboard.shows(EmojiCategory::smileys));
  }
}

TEST(EmojiCategoryKeyboardTest, InitialSelectionWinsAndIsStored) {
  UserDefaults::standard().set(EmojiCategoryKeyboard::defaultsKey(), std::string("animals"));
  Keyboard keyboard(EmojiCategory::flags);
  EXPECT_TRUE(keyboard.shows(EmojiCategory::flags));
  EXPECT_EQ(keyboard.stored(), "flags");
}

TEST(EmojiCategoryKeyboardTest, TappingACategoryShowsItMarksItAndIsRestoredNextTime) {
  {
    Keyboard keyboard;
    auto bear = keyboard.categoryButton(EmojiCategory::animals);
    ASSERT_NE(bear, nullptr);
    keyboard.tap(bear);
    EXPECT_TRUE(keyboard.shows(EmojiCategory::animals));
    EXPECT_EQ(keyboard.stored(), "animals");
    EXPECT_EQ(keyboard.host->findAllOfType<EmojiKeyboardItem>().size(), emojis(EmojiCategory::animals).size());
    auto filled = [&](EmojiCategory category) {
      auto colour = keyboard.categoryButton(category)->find([](const ui::Node& node) {
        return node.kind() == ui::NodeKind::color;
      });
      return colour->content<ui::ColorContent>()->color;
    };
    EXPECT_EQ(filled(EmojiCategory::animals), EmojiKeyboardStyle::standardPhonePortrait().selectedCategoryColor);
    EXPECT_EQ(filled(EmojiCategory::smileys), ui::Color::clear());
  }
  Keyboard again;
  EXPECT_TRUE(again.shows(EmojiCategory::animals));
}

TEST(EmojiCategoryKeyboardTest, AbcKeyTextComesFromTheAppearanceElseAbc) {
  Keyboard standard;
  auto context = std::make_shared<KeyboardContext>();
  Keyboard textless(std::nullopt, std::make_shared<TextlessAppearance>(context));
  EXPECT_NE(textless.host->findText("ABC"), nullptr);
  auto menu = EmojiCategoryKeyboardMenu(ui::Binding<EmojiCategory>::constant(EmojiCategory::smileys), allCategories(),
                                        context, nullptr, std::make_shared<StandardKeyboardAppearance>(context),
                                        EmojiKeyboardStyle::standardPhonePortrait());
  EXPECT_NE(standard.host->findText(menu.abcText()), nullptr);
}

TEST(EmojiCategoryKeyboardTest, AbcAndBackspaceKeysReachTheHandler) {
  Keyboard keyboard;
  keyboard.tap(keyboard.host->findByAccessibilityIdentifier("emoji.abc"));
  keyboard.tap(keyboard.host->findByAccessibilityIdentifier("emoji.backspace"));
  std::vector<KeyboardAction> released;
  for (const auto& call : keyboard.handler->calls) {
    if (call.gesture == "release") released.push_back(call.action);
  }
  EXPECT_THAT(released, ::testing::ElementsAre(
                            KeyboardAction::keyboardType(KeyboardType::alphabetic(KeyboardCase::lowercased)),
                            KeyboardAction::backspace()));
}

TEST(EmojiCategoryKeyboardTest, TapOnAnEmojiCellReachesTheHandler) {
  Keyboard keyboard;
  auto first = keyboard.host->findAllOfType<EmojiKeyboardItem>().at(0);
  keyboard.tap(first);
  ASSERT_FALSE(keyboard.handler->calls.empty());
  EXPECT_EQ(keyboard.handler->calls.back().action, KeyboardAction::emoji(emojis(EmojiCategory::smileys).front()));
}

TEST(EmojiCategoryKeyboardTest, RendersWithRealFontsWithoutMissingGlyphs) {
  Keyboard keyboard;
  keyboard.host->setFontMetrics(ui::PangoTextMetrics::shared());
  keyboard.host->layout(platform::Size{390, 260});
  const auto path = std::filesystem::temp_directory_path() / "emoji-category-keyboard.png";
  const auto report = ui::renderPNG(*keyboard.host, path.string(), 2, ui::Color::white(0.82));
  EXPECT_EQ(report.unknownGlyphs, 0);
  EXPECT_TRUE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace keyloom
