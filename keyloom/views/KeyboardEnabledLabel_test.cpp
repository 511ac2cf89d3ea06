#include "keyloom/views/KeyboardEnabledLabel.h"

#include <gtest/gtest.h>

#include "platform/ui/Primitives.h"
#include "platform/ui/ViewHost.h"

namespace keyloom {
namespace {

using namespace platform::ui;

struct Shown {
  std::string text;
  Color textColor;
  Font textFont;
  std::string icon;
  Color iconColor;
  Font iconFont;
};

Shown show(const KeyboardEnabledLabel& label) {
  EnvironmentValues environment;
  environment.set(foregroundColorKey, std::optional<Color>(Color::blue()));
  environment.set(fontKey, std::optional<Font>(Font::body()));
  ViewHost host(label, environment);
  auto labels = host.findAll(NodeKind::label);
  EXPECT_EQ(labels.size(), 1u);
  auto texts = host.findAll(NodeKind::text);
  auto images = host.findAll(NodeKind::image);
  EXPECT_EQ(texts.size(), 1u);
  EXPECT_EQ(images.size(), 1u);
  return {texts.at(0)->text().value_or(""),    texts.at(0)->resolvedForegroundColor(),
          texts.at(0)->resolvedFont(),         images.at(0)->content<ImageContent>()->image.name(),
          images.at(0)->resolvedForegroundColor(), images.at(0)->resolvedFont()};
}

KeyboardEnabledLabel label(bool isEnabled, KeyboardEnabledLabelStyle style) {
  return KeyboardEnabledLabel(isEnabled, View(Image::system("checkmark")), "Enabled",
                              View(Image::system("exclamationmark")), "Not enabled", style);
}

TEST(KeyboardEnabledLabel, StandardStyleColoursOnlyTheIcons) {
  auto enabled = show(label(true, KeyboardEnabledLabelStyle::standard()));
  EXPECT_EQ(enabled.text, "Enabled");
  EXPECT_EQ(enabled.icon, "checkmark");
  EXPECT_EQ(enabled.iconColor, Color::green());
  EXPECT_EQ(enabled.textColor, Color::blue()) << "inherited";
  EXPECT_EQ(enabled.textFont, Font::body());
  EXPECT_EQ(enabled.iconFont, Font::body());

  auto disabled = show(label(false, KeyboardEnabledLabelStyle::standard()));
  EXPECT_EQ(disabled.text, "Not enabled");
  EXPECT_EQ(disabled.icon, "exclamationmark");
  EXPECT_EQ(disabled.iconColor, Color::orange());
  EXPECT_EQ(disabled.textColor, Color::blue());
}

TEST(KeyboardEnabledLabel, UsesTheComponentsOfTheShownState) {
  KeyboardEnabledLabelStyle style{{Color::green(), Font::title()},
                                  {Color::white(), Font::caption()},
                                  {Color::red(), Font::headline()},
                                  {Color::black(), Font::footnote()}};
  auto disabled = show(label(false, style));
  EXPECT_EQ(disabled.iconColor, Color::red());
  EXPECT_EQ(disabled.iconFont, Font::headline());
  EXPECT_EQ(disabled.textColor, Color::black());
  EXPECT_EQ(disabled.textFont, Font::footnote());
  auto enabled = show(label(true, style));
  EXPECT_EQ(enabled.iconFont, Font::title());
  EXPECT_EQ(enabled.textColor, Color::white());
}

TEST(KeyboardEnabledLabelStyle, StandardIsSettableAndEqualityComparesComponents) {
  EXPECT_EQ(KeyboardEnabledLabelStyle::standard().enabledIcon,
            (KeyboardEnabledLabelStyle::ComponentStyle{Color::green(), std::nullopt}));
  EXPECT_EQ(KeyboardEnabledLabelStyle::standard().enabledText, KeyboardEnabledLabelStyle::ComponentStyle{});
  EXPECT_NE((KeyboardEnabledLabelStyle::ComponentStyle{Color::green(), std::nullopt}),
            KeyboardEnabledLabelStyle::ComponentStyle{});
  KeyboardEnabledLabelStyle::standard().enabledIcon.color = Color::red();
  EXPECT_EQ(show(label(true, KeyboardEnabledLabelStyle::standard())).iconColor, Color::red());
}

}  // namespace
}  // namespace keyloom
