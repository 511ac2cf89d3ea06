// The system keyboard as a person sees it: hosted by the controller in the
// simulated host, touched at clock times, and rendered as drawn.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "keyloom/controller/KeyboardHostingController.h"
#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/state/KLL10n.h"
#include "keyloom/state/KeyboardActionCaptions.h"
#include "keyloom/views/ActionCallout.h"
#include "keyloom/views/SystemKeyboard.h"
#include "keyloom/views/SystemKeyboardButtonBody.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/UI.h"
#include "testing/EmojiKeyboardTesting.h"
#include "testing/Ink.h"
#include "testing/SystemKeyboardTesting.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using ::testing::IsEmpty;

class SystemKeyboardPicture : public ::testing::Test {
 public:
  void start(platform::SimulatedHostConfiguration configuration) {
    configuration.localeIdentifier = configuration.localeIdentifier.value_or("en_US");
    host = platform::SimulatedHost::make(std::move(configuration));
    controller = std::static_pointer_cast<KeyboardInputViewController>(
        host->presentKeyboard([] { return std::make_shared<KeyboardInputViewController>(); }));
    view().setFontMetrics(ui::PangoTextMetrics::shared());
    settle();
  }
  // A phone `screenWidth` points wide, its keyboard `keyboardWidth` wide.
  void startPhone(double screenWidth, double keyboardWidth) {
    platform::SimulatedHostConfiguration configuration;
    configuration.screenSize = {screenWidth, 568};
    configuration.keyboardWidth = keyboardWidth;
    start(configuration);
  }
  void settle() {
    host->runMainQueue();
    host->layout();
    host->runMainQueue();
  }
  ui::ViewHost& view() { return controller->hostingController()->viewHost(); }
  void tap(const KeyboardAction& action) {
    auto node = view().findAttached(action);
    ASSERT_TRUE(node) << action.caseName();
    host->advanceTime(0.5);
    auto touch = view().touches().down({node->frame.midX(), node->frame.midY()});
    host->advanceTime(0.05);
    view().touches().up(touch);
    settle();
  }
  static std::filesystem::path renderedPath(const std::string& name) {
    return std::filesystem::path(::testing::TempDir()) / ("keyloom-picture-" + name + ".png");
  }
  ui::RenderReport render(const std::string& name, double scale = 2) {
    return ui::renderPNG(view(), renderedPath(name).string(), scale);
  }

  std::shared_ptr<platform::SimulatedHost> host;
  std::shared_ptr<KeyboardInputViewController> controller;
};

TEST_F(SystemKeyboardPicture, NarrowKeysShrinkTheirTextRatherThanCutIt) {
  for (double width : {320.0, 300.0}) {
    SCOPED_TRACE(width);
    startPhone(320, width);
    ASSERT_TRUE(view().findAttached(KeyboardAction::character("w")));
    ASSERT_TRUE(view().findAttached(KeyboardAction::character("m")));
    ASSERT_TRUE(view().findText("123"));
    EXPECT_THAT(render("lower").cutTexts, IsEmpty());
    tap(KeyboardAction::shift(KeyboardCase::lowercased));
    ASSERT_TRUE(view().findAttached(KeyboardAction::character("W")));
    EXPECT_THAT(render("upper").cutTexts, IsEmpty());
  }
}

TEST_F(SystemKeyboardPicture, TheKeyboardFillsExactlyTheFrameTheHostGivesIt) {
  struct Case {
    platform::UserInterfaceIdiom idiom;
    platform::Size screen;
    bool landscape;
  };
  for (const Case& c : {Case{platform::UserInterfaceIdiom::phone, {390, 844}, false},
                        Case{platform::UserInterfaceIdiom::phone, {390, 844}, true},
                        Case{platform::UserInterfaceIdiom::phone, {320, 568}, false},
                        Case{platform::UserInterfaceIdiom::pad, {820, 1180}, false}}) {
    platform::SimulatedHostConfiguration configuration;
    configuration.idiom = c.idiom;
    configuration.screenSize = c.screen;
    if (c.landscape) configuration.orientation = platform::ScreenOrientation::landscapeLeft;
    start(configuration);
    const platform::Rect bounds(platform::Point{}, host->keyboardFrame().size);
    SCOPED_TRACE(::testing::Message() << bounds.width() << " x " << bounds.height());
    const auto keyboards = view().findAllOfType<SystemKeyboard>();
    ASSERT_EQ(keyboards.size(), 1u);
    EXPECT_EQ(view().root()->frame, bounds);
    EXPECT_EQ(keyboards[0]->frame, bounds);
    // The bottom row's keys end where the keyboard does, less their inset.
    const auto space = view().findAttached(KeyboardAction::space());
    ASSERT_TRUE(space);
    const auto body = space->findAllOfType<SystemKeyboardButtonBody>().at(0);
    EXPECT_LE(body->frame.maxY(), bounds.maxY());
    EXPECT_GE(body->frame.maxY(), bounds.maxY() - 8);
  }
}

// Every row of the emoji keyboard that replaces the keys shows whole, in the
// height the keyboard asks the host for.
TEST_F(SystemKeyboardPicture, EveryEmojiRowShowsWholeBetweenTheTitleAndTheMenu) {
  for (const auto& device : emojiKeyboardDevices()) {
    start(device.configuration());
    SCOPED_TRACE(::testing::Message() << (device.landscape ? "landscape " : "portrait ") << device.rows << " rows");
    const auto emojis = KeyboardAction::keyboardType(KeyboardType::emojis());
    if (view().findAttached(emojis)) {
      tap(emojis);
    } else {  // a pad shows the globe in its place
      controller->setKeyboardType(KeyboardType::emojis());
      settle();
    }
    const platform::Rect frame = host->keyboardFrame();
    EXPECT_EQ(view().root()->frame, platform::Rect(platform::Point{}, frame.size));
    expectWholeEmojiRows(view(), platform::Rect(platform::Point{}, frame.size), device.rows);
  }
}

// A host that fixes the keyboard's height keeps it, and every keyboard fills
// it: the bottom row's keys or the emoji menu end at its bottom edge, the
// emoji title starts at its top.
TEST_F(SystemKeyboardPicture, EveryKeyboardFillsAHeightTheHostFixes) {
  for (const auto& c : fixedHeightCases()) {
    start(c.configuration());
    for (const auto& type : keyboardTypesFillingTheHost()) {
      SCOPED_TRACE(c.name() + " " + type.id());
      controller->setKeyboardType(type);
      settle();
      const platform::Rect bounds(platform::Point{}, host->keyboardFrame().size);
      ASSERT_EQ(bounds.height(), c.height);
      EXPECT_EQ(view().root()->frame, bounds);
      EXPECT_EQ(view().findAllOfType<SystemKeyboard>().at(0)->frame, bounds);
      if (!type.is<keyboard_type::Emojis>()) {
        const auto body = view().findAttached(KeyboardAction::space())->findAllOfType<SystemKeyboardButtonBody>().at(0);
        EXPECT_LE(body->frame.maxY(), bounds.maxY());
        EXPECT_GE(body->frame.maxY(), bounds.maxY() - 12);
        continue;
      }
      expectEmojiKeyboardInside(view(), bounds);
      // The way back to the letters is drawn, and close to the bottom edge.
      const auto abc = view().findByAccessibilityIdentifier("emoji.abc");
      EXPECT_GE(abc->frame.maxY(), bounds.maxY() - 16);
      render("fixed", 1);
      EXPECT_GT(testing::inkIn(renderedPath("fixed").string(), abc->frame, ui::Rgba{0, 0, 0, 1}).inColor, 10);
    }
  }
}

// The emoji keyboard in a phone's host fixed shorter than it asks for: two
// rows of emojis between the whole title and the whole menu.
TEST_F(SystemKeyboardPicture, EmojisInAShortFixedHeightLookRight) {
  platform::SimulatedHostConfiguration configuration;
  configuration.keyboardHeight = 216;
  start(configuration);
  controller->setKeyboardType(KeyboardType::emojis());
  settle();
  testing::expectMatchesGolden(view(), "phone-portrait-emojis-fixed-216", 2, ui::Color::rgba(0.82, 0.83, 0.86));
}

// The texts drawn inside the key of `action`, empty ones left out.
std::vector<std::string> shownTexts(ui::ViewHost& view, const KeyboardAction& action) {
  std::vector<std::string> texts;
  auto key = view.findAttached(action);
  if (!key) return texts;
  for (const auto& node : key->findAll(ui::NodeKind::text)) {
    const std::string& text = node->content<ui::TextContent>()->text;
    if (!text.empty()) texts.push_back(text);
  }
  return texts;
}

TEST_F(SystemKeyboardPicture, EveryLocaleShowsCaptionsOnTheSpaceBarAndTheTextKeys) {
  start({});
  const auto space = KeyboardAction::space();
  const auto primary = KeyboardAction::primary(KeyboardReturnKeyType::return_());
  const auto numeric = KeyboardAction::keyboardType(KeyboardType::numeric());
  ASSERT_TRUE(view().findAttached(primary));
  for (KeyboardLocale locale : allCases<KeyboardLocale>()) {
    controller->keyboardContext()->setLocale(locale);
    settle();
    // A locale without texts of its own shows the English ones.
    const bool own = !text(KLL10n::space, locale).empty();
    for (const auto& action : {space, primary, numeric}) {
      const auto texts = shownTexts(view(), action);
      EXPECT_FALSE(texts.empty()) << localeIdentifier(locale) << " " << action;
      if (!own && !texts.empty()) {
        EXPECT_EQ(texts.front(), standardButtonText(action, platform::Locale("en")))
            << localeIdentifier(locale);
      }
    }
  }
}

// The pictures in the key of `action`.
std::vector<std::shared_ptr<ui::Node>> pictures(ui::ViewHost& view, const KeyboardAction& action) {
  auto key = view.findAttached(action);
  return key ? key->findAll(ui::NodeKind::image) : std::vector<std::shared_ptr<ui::Node>>{};
}

// In the right-to-left locales the backspace key (and the pad's return key)
// shows a picture of its own direction; every picture on their keyboards
// draws in its key's colour.
TEST_F(SystemKeyboardPicture, RightToLeftKeyboardsDrawEveryKeyPicture) {
  const auto backspace = KeyboardAction::backspace();
  // The pad's return key makes a new line; the phone's says "return".
  const auto newLine = KeyboardAction::primary(KeyboardReturnKeyType::newLine());
  for (const auto idiom : {platform::UserInterfaceIdiom::phone, platform::UserInterfaceIdiom::pad}) {
    const bool pad = idiom == platform::UserInterfaceIdiom::pad;
    for (const char* locale : {"ar", "he_IL", "fa", "ckb", "ckb_IQ", "ckb_PC"}) {
      platform::SimulatedHostConfiguration configuration;
      configuration.idiom = idiom;
      if (pad) configuration.screenSize = {820, 1180};
      configuration.localeIdentifier = locale;
      start(configuration);
      ASSERT_EQ(controller->keyboardContext()->locale.get().identifier(), locale);
      const auto expectPictures = [&] {
        SCOPED_TRACE(::testing::Message() << locale << (pad ? " pad " : " phone ")
                                          << controller->keyboardContext()->keyboardType.get());
        const auto report = render("right-to-left", 1);
        EXPECT_THAT(report.unknownSymbols, IsEmpty());
        EXPECT_FALSE(pictures(view(), backspace).empty());
        if (pad) {
          EXPECT_FALSE(pictures(view(), newLine).empty());
        }
        for (const auto& picture : view().findAll(ui::NodeKind::image)) {
          const auto ink =
              testing::inkIn(renderedPath("right-to-left").string(), picture->frame.insetBy(-4, -4),
                             picture->resolvedForegroundColor().resolved(picture->colorScheme()));
          // At one pixel a point the globe's thin lines leave the fewest.
          EXPECT_GE(ink.inColor, 5) << picture->content<ui::ImageContent>()->image.description();
        }
      };
      expectPictures();
      tap(KeyboardAction::keyboardType(KeyboardType::numeric()));
      expectPictures();
      tap(KeyboardAction::keyboardType(KeyboardType::symbolic()));
      expectPictures();
    }
  }
}

// Holds a finger on the key until its callout opens, and returns the frame
// of the callout's entry for `entry`, in the hosted view.
platform::Rect calloutEntryFrame(SystemKeyboardPicture& test, const char* key, const char* entry) {
  auto node = test.view().findAttached(KeyboardAction::character(key));
  EXPECT_TRUE(node) << key;
  if (!node) return {};
  auto touch = test.view().touches().down({node->frame.midX(), node->frame.midY()});
  test.host->advanceTime(0.7);
  test.settle();
  auto shown = test.view().findAttached(ActionCalloutEntry{KeyboardAction::character(entry)});
  const platform::Rect frame = shown ? shown->frame : platform::Rect();
  EXPECT_TRUE(shown) << entry;
  test.view().touches().up(touch);
  test.settle();
  return frame;
}

TEST_F(SystemKeyboardPicture, APadKeyboardInAProcessThatStartedAsAPhoneKeepsItsTopRowCalloutsInView) {
  start({});
  calloutEntryFrame(*this, "e", "\u00E9");
  platform::SimulatedHostConfiguration pad;
  pad.idiom = platform::UserInterfaceIdiom::pad;
  pad.screenSize = {820, 1180};
  start(pad);
  ASSERT_EQ(controller->keyboardContext()->deviceType.get(), DeviceType::pad);
  const platform::Rect entry = calloutEntryFrame(*this, "e", "\u00E9");
  EXPECT_GE(entry.minY(), 0) << "cut by the top of the keyboard";
}

}  // namespace
}  // namespace keyloom
