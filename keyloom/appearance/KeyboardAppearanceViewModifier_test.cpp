#include "keyloom/appearance/KeyboardAppearanceViewModifier.h"

#include <gtest/gtest.h>

#include "platform/ui/Environment.h"
#include "platform/ui/Node.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/ViewHost.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using ui::ColorScheme;

struct Seen {
  ColorScheme scheme;
  ui::Color foreground;
};

Seen textEnvironment(ui::View root, ColorScheme surrounding) {
  ui::EnvironmentValues environment;
  environment.set(ui::colorSchemeKey, surrounding);
  ui::ViewHost host(std::move(root), environment);
  host.update();
  auto text = host.root()->findText("a");
  EXPECT_NE(text, nullptr);
  return {text->environment().colorScheme(), text->resolvedForegroundColor()};
}

TEST(KeyboardAppearanceViewModifier, ForcesTheSchemeAndColoursForTheSurrounding) {
  struct Row {
    ColorScheme surrounding;
    ColorScheme forced;
    ui::Color foreground;
  };
  const Row rows[] = {
      {ColorScheme::light, ColorScheme::dark, ui::Color::black()},
      {ColorScheme::dark, ColorScheme::light, ui::Color::white()},
      {ColorScheme::light, ColorScheme::light, ui::Color::black()},
      {ColorScheme::dark, ColorScheme::dark, ui::Color::white()},
  };
  for (const auto& row : rows) {
    const auto seen = textEnvironment(keyboardAppearance(ui::Text("a"), row.forced), row.surrounding);
    EXPECT_EQ(seen.scheme, row.forced);
    EXPECT_EQ(seen.foreground, row.foreground);
  }
}

TEST(KeyboardAppearanceViewModifier, InnerModifierReadsTheOuterForcedScheme) {
  const auto view = keyboardAppearance(keyboardAppearance(ui::Text("a"), ColorScheme::light), ColorScheme::dark);
  const auto seen = textEnvironment(view, ColorScheme::light);
  EXPECT_EQ(seen.scheme, ColorScheme::light);
  EXPECT_EQ(seen.foreground, ui::Color::white());  // the inner one saw dark around it
}

}  // namespace
}  // namespace keyloom
