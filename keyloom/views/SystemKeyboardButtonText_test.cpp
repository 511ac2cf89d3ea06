#include "keyloom/views/SystemKeyboardButtonText.h"

#include <gtest/gtest.h>

#include "platform/ui/Modifier.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/ViewHost.h"

namespace keyloom {
namespace {

using platform::ui::NodeKind;
using platform::ui::View;
using platform::ui::ViewHost;

TEST(SystemKeyboardButtonTextTest, LowercaseInputTextIsLifted) {
  struct Case {
    std::string text;
    KeyboardAction action;
    double offset;
  };
  const std::vector<Case> cases = {
      {"a", KeyboardAction::character("a"), -2},
      {"A", KeyboardAction::character("A"), 0},
      {"7", KeyboardAction::character("7"), 0},
      {"!", KeyboardAction::character("!"), 0},
      {"Ab", KeyboardAction::character("Ab"), 0},
      {"\u24D0", KeyboardAction::character("\u24D0"), -2},  // circled a has an upper case
      {"abc", KeyboardAction::keyboardType(KeyboardType::numeric()), 0},
      {"english", KeyboardAction::space(), -2},
  };
  for (const auto& c : cases) {
    SystemKeyboardButtonText label(c.text, c.action);
    EXPECT_EQ(label.verticalOffset(), c.offset) << c.text;
    ViewHost host{View(label)};
    auto text = host.findAll(NodeKind::text).at(0);
    EXPECT_EQ(text->text(), c.text);
    auto* offset = text->modifier<platform::ui::Offset>();
    ASSERT_NE(offset, nullptr);
    EXPECT_EQ(offset->x, 0);
    EXPECT_EQ(offset->y, c.offset) << c.text;
  }
}

TEST(SystemKeyboardButtonTextTest, OneLineAndNoFontOrColourOfItsOwn) {
  ViewHost host{View(SystemKeyboardButtonText("a rather long label for one key",
                                              KeyboardAction::character("a")))};
  auto text = host.findAll(NodeKind::text).at(0);
  EXPECT_EQ(text->environment().get(platform::ui::lineLimitKey), 1);
  EXPECT_EQ(text->environment().font(), std::nullopt);
  EXPECT_EQ(text->environment().foregroundColor(), std::nullopt);
}

}  // namespace
}  // namespace keyloom
