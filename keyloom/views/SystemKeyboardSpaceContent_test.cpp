#include "keyloom/views/SystemKeyboardSpaceContent.h"

#include <gtest/gtest.h>

#include "platform/foundation/MainQueue.h"
#include "platform/ui/Modifier.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/ViewHost.h"

namespace keyloom {
namespace {

using platform::MainQueue;
using platform::ui::Node;
using platform::ui::View;
using platform::ui::ViewHost;

double opacityOf(const std::shared_ptr<Node>& node) {
  auto* opacity = node->modifier<platform::ui::Opacity>();
  return opacity ? opacity->value : 1;
}

// The locale label's and the space label's opacities.
std::pair<double, double> opacities(const ViewHost& host, const std::string& localeText) {
  auto label = host.findText(localeText);
  auto space = host.findText("space");
  EXPECT_NE(label, nullptr);
  EXPECT_NE(space, nullptr);
  if (!label || !space || !label->parent()) return {-1, -1};
  // The opacity sits on the text view that holds the locale label.
  EXPECT_EQ(label->parent()->typeName(), "SystemKeyboardButtonText");
  return {opacityOf(label->parent()->shared_from_this()), opacityOf(space)};
}

View spaceBar(const std::string& localeText) {
  return View(SystemKeyboardSpaceContent(localeText, platform::ui::Text("space")));
}

TEST(SystemKeyboardSpaceContentTest, ShowsTheLocaleForOneSecondThenTheLabel) {
  ViewHost host(spaceBar("English"));
  MainQueue::main().runUntilIdle();
  EXPECT_EQ(opacities(host, "English"), std::make_pair(1.0, 0.0));
  EXPECT_EQ(SystemKeyboardSpaceContent::lastShownLocaleText(), "English");

  MainQueue::main().advance(0.9);
  EXPECT_EQ(opacities(host, "English"), std::make_pair(1.0, 0.0));
  MainQueue::main().advance(0.1);
  MainQueue::main().runUntilIdle();
  EXPECT_EQ(opacities(host, "English"), std::make_pair(0.0, 1.0));
  EXPECT_TRUE(host.root()->find([](const Node& node) { return node.text() == "space"; }) != nullptr);
}

TEST(SystemKeyboardSpaceContentTest, TheSameLocaleShowsOnlyOnceAndAChangeShowsItAgain) {
  auto first = std::make_unique<ViewHost>(spaceBar("English"));
  MainQueue::main().advance(1.0);
  MainQueue::main().runUntilIdle();

  ViewHost second(spaceBar("English"));
  MainQueue::main().runUntilIdle();
  EXPECT_EQ(opacities(second, "English"), std::make_pair(0.0, 1.0));

  ViewHost third(spaceBar("Svenska"));
  MainQueue::main().runUntilIdle();
  EXPECT_EQ(opacities(third, "Svenska"), std::make_pair(1.0, 0.0));
  MainQueue::main().advance(1.0);
  MainQueue::main().runUntilIdle();
  EXPECT_EQ(opacities(third, "Svenska"), std::make_pair(0.0, 1.0));
}

TEST(SystemKeyboardSpaceContentTest, BothLabelsAreLaidOutAndTheStackFadesIn) {
  ViewHost host(spaceBar("english"));
  MainQueue::main().runUntilIdle();
  auto stack = host.findAll(platform::ui::NodeKind::zstack).at(0);
  ASSERT_EQ(stack->layoutChildren().size(), 2u);
  auto* transition = stack->modifier<platform::ui::TransitionRecord>();
  ASSERT_NE(transition, nullptr);
  EXPECT_EQ(transition->transition, platform::ui::Transition::opacity());
  // The locale label counts as a space action: lowercase text is lifted.
  auto label = host.findText("english");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->modifier<platform::ui::Offset>()->y, -2);
}

TEST(SystemKeyboardSpaceContentTest, TheSwitchAfterTheBarIsGoneIsHarmless) {
  {
    ViewHost host(spaceBar("English"));
    MainQueue::main().runUntilIdle();
  }
  MainQueue::main().advance(1.0);
  MainQueue::main().runUntilIdle();
  EXPECT_EQ(SystemKeyboardSpaceContent::lastShownLocaleText(), "English");
}

}  // namespace
}  // namespace keyloom
