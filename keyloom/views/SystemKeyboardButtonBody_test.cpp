#include "keyloom/views/SystemKeyboardButtonBody.h"

#include <gtest/gtest.h>

#include "keyloom/views/SystemKeyboardButton.h"
#include "keyloom/views/SystemKeyboardButtonContent.h"
#include "keyloom/views/SystemKeyboardButtonShadow.h"
#include "keyloom/views/SystemKeyboardButtonStyle.h"
#include "keyloom/views/SystemKeyboardSpaceContent.h"
#include "testing/SystemKeyboardTesting.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using ui::Color;

TEST(SystemKeyboardButtonBody, EmptyStyleIsAClearSquareKeyWithoutBorder) {
  SystemKeyboardButtonBody body(KeyboardButtonStyle(), true);
  EXPECT_EQ(body.cornerRadius(), 0);
  EXPECT_EQ(body.backgroundColor(), Color::clear());
  EXPECT_EQ(body.borderColor(), Color::clear());
  EXPECT_EQ(body.borderLineWidth(), 0);
}

TEST(SystemKeyboardButtonBody, BorderNeedsColourAndSize) {
  // The style's setters complete half pairs; the constructor keeps them half.
  KeyboardButtonStyle colourOnly(std::nullopt, std::nullopt, std::nullopt, 4,
                                 KeyboardButtonBorderStyle(Color::red(), 0), std::nullopt, std::nullopt);
  KeyboardButtonStyle both(Color::white(), std::nullopt, std::nullopt, 4,
                           KeyboardButtonBorderStyle(Color::red(), 2), std::nullopt, std::nullopt);
  EXPECT_EQ(SystemKeyboardButtonBody(both, false).borderColor(), Color::red());
  EXPECT_EQ(SystemKeyboardButtonBody(both, false).borderLineWidth(), 2);
  EXPECT_EQ(SystemKeyboardButtonBody(both, false).cornerRadius(), 4);
  EXPECT_EQ(SystemKeyboardButtonBody(colourOnly, false).borderLineWidth(), 0);
}

TEST(SystemKeyboardButtonBody, OverlayOnlyWhilePressedAndShadowBehind) {
  KeyboardButtonStyle style;
  style.setBackgroundColor(Color::white());
  style.setPressedOverlayColor(Color::red());
  auto overlayOf = [&](bool pressed) {
    ui::ViewHost host(ui::View(SystemKeyboardButtonBody(style, pressed)));
    host.layout(platform::Size{40, 40});
    return host.dump();
  };
  EXPECT_NE(overlayOf(true).find("red"), std::string::npos) << overlayOf(true);
  EXPECT_EQ(overlayOf(false).find("red"), std::string::npos) << overlayOf(false);
  ui::ViewHost host(ui::View(SystemKeyboardButtonBody(style, false)));
  host.layout(platform::Size{40, 40});
  EXPECT_EQ(host.findAllOfType<SystemKeyboardButtonShadow>().size(), 1u);
}

TEST(SystemKeyboardButtonStyle, AppliesColourAndFontOnlyWhenTheStyleHasThem) {
  auto count = [](const ui::View& view, const std::string& name) {
    ui::ViewHost host(view);
    int found = 0;
    for (const auto& m : host.root()->modifiers()) {
      if (auto* write = m.as<ui::EnvironmentWrite>(); write && write->name == name) ++found;
    }
    return found;
  };
  const ui::View empty = systemKeyboardButtonStyle(ui::Text("a"), KeyboardButtonStyle(), false);
  EXPECT_EQ(count(empty, "foregroundColor"), 0);
  EXPECT_EQ(count(empty, "font"), 0);
  KeyboardButtonStyle full;
  full.setForegroundColor(Color::red());
  full.setFont(KeyboardFont::body());
  const ui::View styled = systemKeyboardButtonStyle(ui::Text("a"), full, false);
  EXPECT_EQ(count(styled, "foregroundColor"), 1);
  EXPECT_EQ(count(styled, "font"), 1);
}

// An appearance with an image and a text for backspace, and nothing for tab.
class ImageAndTextAppearance : public StandardKeyboardAppearance {
 public:
  using StandardKeyboardAppearance::StandardKeyboardAppearance;
  std::optional<KeyboardImage> buttonImage(const KeyboardAction& action) const override {
    if (action == KeyboardAction::tab()) return std::nullopt;
    return StandardKeyboardAppearance::buttonImage(action);
  }
  std::optional<std::string> buttonText(const KeyboardAction& action) const override {
    if (action == KeyboardAction::backspace()) return "del";
    if (action == KeyboardAction::tab()) return std::nullopt;
    return StandardKeyboardAppearance::buttonText(action);
  }
  double buttonImageScaleFactor(const KeyboardAction&) const override { return 0.5; }
};

TEST(SystemKeyboardButtonContent, ImageWinsOverTextAndNeitherShowsAnEmptyText) {
  auto context = std::make_shared<KeyboardContext>();
  auto appearance = std::make_shared<ImageAndTextAppearance>(context);
  ui::ViewHost backspace(
      ui::View(SystemKeyboardButtonContent(KeyboardAction::backspace(), appearance, context)));
  EXPECT_EQ(backspace.findAll(ui::NodeKind::image).size(), 1u);
  EXPECT_FALSE(backspace.findText("del"));
  const auto image = backspace.findAll(ui::NodeKind::image).at(0);
  bool scaledBoth = false;
  for (const auto& m : image->modifiers()) {
    if (auto* scale = m.as<ui::ScaleEffect>()) scaledBoth = scale->scale == platform::Size{0.5, 0.5};
  }
  EXPECT_TRUE(scaledBoth);
  ui::ViewHost tab(ui::View(SystemKeyboardButtonContent(KeyboardAction::tab(), appearance, context)));
  EXPECT_TRUE(tab.findText(""));
}

TEST(SystemKeyboardButtonContent, SpaceShowsTheLanguageNameOnlyWithSeveralLocales) {
  auto context = std::make_shared<KeyboardContext>();
  auto appearance = std::make_shared<StandardKeyboardAppearance>(context);
  SystemKeyboardButtonContent space(KeyboardAction::space(), appearance, context);
  context->setLocales({platform::Locale("en")});
  EXPECT_EQ(space.spaceLocaleText(), appearance->buttonText(KeyboardAction::space()).value_or(""));
  context->setLocales({platform::Locale("en"), platform::Locale("de")});
  context->setLocale(platform::Locale("de"));
  EXPECT_EQ(space.spaceLocaleText(), "Deutsch");
  context->setLocale(platform::Locale("en"));
  EXPECT_EQ(space.spaceLocaleText(), "English");
}

TEST(SystemKeyboardButtonContent, SpaceSwitchesLabelsOnlyWhenThereIsALanguageToShow) {
  auto context = std::make_shared<KeyboardContext>();
  auto appearance = std::make_shared<StandardKeyboardAppearance>(context);
  auto switches = [&] {
    ui::ViewHost host(ui::View(SystemKeyboardButtonContent(KeyboardAction::space(), appearance, context)));
    return host.findAllOfType<SystemKeyboardSpaceContent>().size();
  };
  context->setLocales({platform::Locale("en")});
  EXPECT_EQ(switches(), 0u);
  EXPECT_EQ(platform::MainQueue::main().pendingCount(), 0u) << "nothing to redraw a second later";
  context->setLocales({platform::Locale("en"), platform::Locale("de")});
  EXPECT_EQ(switches(), 1u);
}

TEST(SystemKeyboardButton, StylesEveryActionThroughTheAppearanceAndTypes) {
  testing::HostedKeyboard services;
  ui::ViewHost host(ui::View(SystemKeyboardButton(KeyboardAction::none(), services.handler, services.context,
                                                  nullptr, services.appearance))
                        .frame(60, 40));
  host.layout(platform::Size{60, 40});
  auto body = host.findAllOfType<SystemKeyboardButtonBody>();
  ASSERT_EQ(body.size(), 1u);
  host.touches().tap({30, 20});
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(services.recorded->actions(KeyboardGesture::release),
            std::vector<KeyboardAction>{KeyboardAction::none()});
}

}  // namespace
}  // namespace keyloom
