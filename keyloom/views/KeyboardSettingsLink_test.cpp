#include "keyloom/views/KeyboardSettingsLink.h"

#include <gtest/gtest.h>

#include <memory>

#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/services/KeyboardUrlOpener.h"
#include "keyloom/views/NavigationLinkArrow.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/Modifier.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/TouchPipeline.h"
#include "platform/ui/ViewHost.h"

namespace keyloom {
namespace {

using namespace platform::ui;
using platform::EdgeInsets;
using platform::Point;
using platform::Rect;
using platform::Size;

class Controller : public KeyboardInputViewController {
 public:
  void insertAutocompleteSuggestion(const AutocompleteSuggestion&) override {}
  void performAutocomplete() override {}
  void performDictation() override {}
  void resetAutocomplete() override {}
};

// A keyboard on the simulated host, registered with the URL opener.
struct KeyboardOnHost {
  std::shared_ptr<platform::SimulatedHost> host = platform::SimulatedHost::make();
  std::shared_ptr<KeyboardInputViewController> controller = std::dynamic_pointer_cast<KeyboardInputViewController>(
      host->presentKeyboard([] { return std::make_shared<Controller>(); }));
  KeyboardOnHost() { KeyboardUrlOpener::shared().setController(controller); }
};

EnvironmentValues keyboardEnvironment() {
  EnvironmentValues environment;
  environment.set(openURLKey, openURLThroughKeyboard());
  return environment;
}

void tap(ViewHost& host, Point point) { host.touches().up(host.touches().down(point), point); }

TEST(KeyboardSettingsLink, PointsAtTheAppsSettingsPage) {
  ASSERT_TRUE(keyboardSettingsURL());
  EXPECT_EQ(keyboardSettingsURL()->absoluteString(), platform::settingsURLString());
  EXPECT_EQ(KeyboardSettingsLink("Settings", Image::system("gear")).url(), keyboardSettingsURL());
}

TEST(KeyboardSettingsLink, WithoutAUrlTakesNoSpaceAndIgnoresTaps) {
  KeyboardOnHost keyboard;
  ViewHost host(KeyboardSettingsLink(std::nullopt, true, [] { return Text("Settings"); }), keyboardEnvironment());
  host.layout(Size{300, 44});
  EXPECT_TRUE(host.findAll(NodeKind::link).empty());
  EXPECT_FALSE(host.findText("Settings"));
  tap(host, {150, 22});
  EXPECT_TRUE(keyboard.host->records().openedURLs.empty());
}

TEST(KeyboardSettingsLink, TheGapBeforeTheArrowOpensTheUrlThroughTheKeyboard) {
  KeyboardOnHost keyboard;
  ViewHost host(KeyboardSettingsLink(keyboardSettingsURL(), true, [] { return Text("Settings"); }),
                keyboardEnvironment());
  host.layout(Size{300, 44});
  auto links = host.findAll(NodeKind::link);
  ASSERT_EQ(links.size(), 1u);
  auto row = host.findAll(NodeKind::hstack);
  ASSERT_EQ(row.size(), 1u);
  EXPECT_TRUE(row[0]->modifier<ContentShape>()) << "the whole row is the tap target";
  auto children = row[0]->layoutChildren();
  ASSERT_EQ(children.size(), 3u);
  EXPECT_EQ(children[0]->text(), "Settings");
  EXPECT_EQ(children[1]->kind(), NodeKind::spacer);
  EXPECT_EQ(host.findAllOfType<NavigationLinkArrow>().size(), 1u);

  const Rect gap = children[1]->frame;
  ASSERT_GT(gap.size.width, 0);
  tap(host, {gap.origin.x + gap.size.width / 2, 22});
  EXPECT_EQ(keyboard.host->records().openedURLs, (std::vector<std::optional<platform::URL>>{keyboardSettingsURL()}));
}

TEST(KeyboardSettingsLink, TitledLinkHasALabelAndNoArrow) {
  KeyboardOnHost keyboard;
  KeyboardSettingsLink link("Keyboard settings", Image::system("keyboard"));
  EXPECT_FALSE(link.addNavigationArrow());
  ViewHost host(link, keyboardEnvironment());
  host.layout(Size{300, 44});
  EXPECT_EQ(host.findAll(NodeKind::label).size(), 1u);
  EXPECT_TRUE(host.findText("Keyboard settings"));
  EXPECT_TRUE(host.findAllOfType<NavigationLinkArrow>().empty());
  host.findAll(NodeKind::link).at(0)->tap();
  EXPECT_EQ(keyboard.host->records().openedURLs.size(), 1u);
}

TEST(NavigationLinkArrow, IsAFaintSlightlyEnlargedChevron) {
  ViewHost host(NavigationLinkArrow{});
  auto images = host.findAll(NodeKind::image);
  ASSERT_EQ(images.size(), 1u);
  const auto& arrow = *images[0];
  EXPECT_EQ(arrow.content<ImageContent>()->image.name(), "chevron.right");
  ASSERT_TRUE(arrow.modifier<Padding>());
  EXPECT_EQ(arrow.modifier<Padding>()->insets, (EdgeInsets{0, 2, 0, 0}));
  EXPECT_EQ(arrow.resolvedFont(), Font::footnote().weight(FontWeight::semibold));
  ASSERT_TRUE(arrow.modifier<Opacity>());
  EXPECT_EQ(arrow.modifier<Opacity>()->value, 0.3);
  ASSERT_TRUE(arrow.modifier<ScaleEffect>());
  EXPECT_EQ(arrow.modifier<ScaleEffect>()->scale, (Size{1.05, 1.05}));
}

}  // namespace
}  // namespace keyloom
