#include "keyloom/views/ToggleToolbar.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/coding/DecodingError.h"
#include "platform/coding/JSONDecoder.h"
#include "platform/coding/JSONEncoder.h"
#include "platform/foundation/MainQueue.h"
#include "platform/ui/UI.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using Animation = ToggleToolbarAnimation;
using Placement = ToggleToolbar::Placement;

constexpr double kHeight = 40;

// A toggle toolbar filling a 300 × 40 host; its label names the state it is
// built for.
struct Fixture {
  std::unique_ptr<ui::ViewHost> host;
  int labelCalls = 0;

  explicit Fixture(Animation animation) {
    host = std::make_unique<ui::ViewHost>(
        ToggleToolbar(animation, ui::Text("first"), ui::Text("second"), [this](bool isToggled) {
          ++labelCalls;
          return ui::Text(isToggled ? "on" : "off");
        }));
    host->layout(platform::Size{300, kHeight});
  }

  // How a toolbar's node is drawn: its offset or opacity modifier.
  Placement placementOf(std::string_view text) const {
    auto node = host->findText(text);
    EXPECT_TRUE(node) << text;
    if (!node) return {};
    Placement placement;
    if (auto* offset = node->modifier<ui::Offset>()) {
      EXPECT_EQ(offset->x, 0);
      placement.offset = offset->y;
    }
    if (auto* opacity = node->modifier<ui::Opacity>()) placement.opacity = opacity->value;
    return placement;
  }

  void tapToggle() {
    auto button = host->findAll(ui::NodeKind::button).at(0);
    host->touches().tap({button->frame.midX(), button->frame.midY()});
    platform::MainQueue::main().runUntilIdle();
  }
};

Placement offset(double y) { return {.offset = y, .opacity = std::nullopt}; }
Placement opacity(double value) { return {.offset = std::nullopt, .opacity = value}; }

struct Row {
  Animation animation;
  Placement toolbar, toolbarToggled, toggledToolbar, toggledToolbarToggled;
};

TEST(ToggleToolbar, PlacesBothToolbarsByAnimationBeforeAndAfterAToggle) {
  const Row rows[] = {
      {Animation::opacity, opacity(1), opacity(0), opacity(0), opacity(1)},
      {Animation::flipUp, offset(0), offset(-kHeight), offset(-kHeight), offset(0)},
      {Animation::flipDown, offset(0), offset(kHeight), offset(kHeight), offset(0)},
      {Animation::slideUp, offset(0), offset(-kHeight), offset(kHeight), offset(0)},
      {Animation::slideDown, offset(0), offset(kHeight), offset(-kHeight), offset(0)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(rawValue(row.animation)));
    Fixture f(row.animation);
    EXPECT_EQ(f.placementOf("first"), row.toolbar);
    EXPECT_EQ(f.placementOf("second"), row.toggledToolbar);
    f.tapToggle();
    EXPECT_EQ(f.placementOf("first"), row.toolbarToggled);
    EXPECT_EQ(f.placementOf("second"), row.toggledToolbarToggled);
    f.tapToggle();
    EXPECT_EQ(f.placementOf("first"), row.toolbar) << "a second tap switches back";
  }
}

TEST(ToggleToolbar, LabelFollowsTheStateAndTheSwitchIsAnimated) {
  Fixture f(Animation::slideUp);
  EXPECT_TRUE(f.host->findText("off"));
  EXPECT_GT(f.labelCalls, 0);
  f.tapToggle();
  EXPECT_TRUE(f.host->findText("on"));
  EXPECT_FALSE(f.host->findText("off"));
  auto toolbar = f.host->findAllOfType<ToggleToolbar>().at(0);
  EXPECT_TRUE(toolbar->lastTransaction().isAnimated());
}

TEST(ToggleToolbar, ToolbarsShareOneClippedStackBesideTheToggle) {
  Fixture f(Animation::flipDown);
  auto stack = f.host->findAll(ui::NodeKind::zstack).at(0);
  auto* clipped = stack->modifier<ui::Clipped>();
  ASSERT_TRUE(clipped);
  EXPECT_FALSE(clipped->antialiased);
  // The hidden toolbar is moved a whole row down, out of the clip.
  EXPECT_DOUBLE_EQ(f.host->findText("second")->frame.minY() - f.host->findText("first")->frame.minY(),
                   kHeight);
  EXPECT_LT(f.host->findAll(ui::NodeKind::button).at(0)->frame.maxX(), stack->frame.minX() + 1e-9);
}

TEST(ToggleToolbarAnimation, RawValuesAndSerializedForm) {
  const auto all = allCases<Animation>();
  ASSERT_EQ(all.size(), 5u);
  EXPECT_EQ(all[0], Animation::opacity);
  EXPECT_EQ(all[4], Animation::slideDown);
  for (Animation animation : all) {
    const std::string json = platform::JSONEncoder().encode(animation);
    EXPECT_EQ(json, "\"" + std::string(rawValue(animation)) + "\"");
    EXPECT_EQ(platform::JSONDecoder().decode<Animation>(json), animation);
  }
  for (const char* raw : {"", "FlipUp", "flip", "slideup"}) {
    EXPECT_EQ(fromRawValue<Animation>(raw), std::nullopt) << raw;
  }
}

TEST(ToggleToolbarAnimation, UnknownNameIsDataCorrupted) {
  try {
    platform::JSONDecoder().decode<Animation>(R"("bounce")");
    FAIL() << "decoded an unknown animation";
  } catch (const platform::DecodingError& error) {
    EXPECT_EQ(error.kind(), platform::DecodingError::Kind::dataCorrupted);
    EXPECT_EQ(error.debugDescription(),
              "Cannot initialize ToggleToolbarAnimation from invalid String value bounce");
  }
  EXPECT_THROW(platform::JSONDecoder().decode<Animation>("3"), platform::DecodingError);
}

}  // namespace
}  // namespace keyloom
