#include "platform/input/ViewController.h"

#include <cmath>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/input/Device.h"
#include "platform/input/InputTraits.h"
#include "platform/input/Screen.h"

namespace platform {
namespace {

using ::testing::ElementsAre;

TEST(ViewTest, EdgeConstraintsPinASubviewToItsSuperview) {
  auto container = View::make(Rect(0, 0, 390, 260));
  auto content = View::make();
  container->addSubview(content);
  content->setTranslatesAutoresizingMaskIntoConstraints(false);
  container->addConstraint({content, LayoutAttribute::leading, container, LayoutAttribute::leading, 0});
  container->addConstraint({content, LayoutAttribute::trailing, container, LayoutAttribute::trailing, 0});
  container->addConstraint({content, LayoutAttribute::top, container, LayoutAttribute::top, 8});
  container->addConstraint({content, LayoutAttribute::bottom, container, LayoutAttribute::bottom, 0});
  container->layoutIfNeeded();
  EXPECT_EQ(content->frame(), Rect(0, 8, 390, 252));

  container->setFrame(Rect(0, 0, 844, 200));
  container->layoutIfNeeded();
  EXPECT_EQ(content->frame(), Rect(0, 8, 844, 192));
}

TEST(ViewTest, AConstraintDoesNotKeepItsViewAlive) {
  auto container = View::make(Rect(0, 0, 100, 100));
  std::weak_ptr<View> weak;
  {
    auto content = View::make();
    weak = content;
    container->addSubview(content);
    container->addConstraint({content, LayoutAttribute::width, container, LayoutAttribute::width, -10});
    content->removeFromSuperview();
  }
  EXPECT_TRUE(weak.expired());
  container->layoutIfNeeded();  // the dangling constraint does nothing
  EXPECT_TRUE(container->subviews().empty());
}

TEST(ViewTest, AddingASubviewMovesItFromItsOldSuperview) {
  auto a = View::make();
  auto b = View::make();
  auto child = View::make();
  a->addSubview(child);
  b->addSubview(child);
  EXPECT_TRUE(a->subviews().empty());
  EXPECT_EQ(child->superview(), b.get());
  EXPECT_EQ(child->nextResponder(), b);
  b.reset();
  EXPECT_EQ(child->superview(), nullptr);
}

TEST(ViewTest, TheWindowIsTheRootsWindow) {
  auto root = View::make();
  auto leaf = View::make();
  root->addSubview(leaf);
  EXPECT_EQ(leaf->window(), nullptr);
  auto window = std::make_shared<Window>(Screen::main());
  root->setWindow(window);
  EXPECT_EQ(leaf->window(), window);
}

class RecordingController : public ViewController {
 public:
  explicit RecordingController(std::vector<std::string>* log, std::string name) : log_(log), name_(std::move(name)) {}
  void viewDidLoad() override { log_->push_back(name_ + ".load"); }
  void viewWillAppear(bool) override { log_->push_back(name_ + ".willAppear"); }
  void willMoveToParent(ViewController* parent) override {
    log_->push_back(name_ + (parent ? ".willMove" : ".willMove(nil)"));
  }
  void didMoveToParent(ViewController* parent) override {
    log_->push_back(name_ + (parent ? ".didMove" : ".didMove(nil)"));
  }
  void viewDidLayoutSubviews() override { log_->push_back(name_ + ".didLayout"); }

 private:
  std::vector<std::string>* log_;
  std::string name_;
};

TEST(ViewControllerTest, TheViewLoadsOnceOnFirstAccess) {
  std::vector<std::string> log;
  RecordingController controller(&log, "c");
  EXPECT_FALSE(controller.isViewLoaded());
  auto view = controller.view();
  EXPECT_EQ(controller.view(), view);
  EXPECT_THAT(log, ElementsAre("c.load"));
}

TEST(ViewControllerTest, ContainmentFollowsThePlatformsCallbacks) {
  std::vector<std::string> log;
  RecordingController parent(&log, "p");
  auto child = std::make_shared<RecordingController>(&log, "c");
  parent.addChild(child);
  EXPECT_EQ(child->parent(), &parent);
  parent.driveWillAppear(false);
  parent.driveLayout();
  child->removeFromParent();
  EXPECT_TRUE(parent.children().empty());
  EXPECT_EQ(child->parent(), nullptr);
  EXPECT_THAT(log, ElementsAre("c.willMove", "p.load", "p.willAppear", "c.load", "c.willAppear", "c.didLayout",
                               "p.didLayout", "c.didMove(nil)"));
}

TEST(ViewControllerTest, AChildOutlivingItsParentHasNoParent) {
  std::vector<std::string> log;
  auto child = std::make_shared<RecordingController>(&log, "c");
  {
    RecordingController parent(&log, "p");
    parent.addChild(child);
  }
  EXPECT_EQ(child->parent(), nullptr);
  child->removeFromParent();  // harmless
}

TEST(ScreenTest, TheFixedSpaceOriginTellsTheOrientation) {
  struct Case {
    ScreenOrientation orientation;
    bool xIsZero;
    bool yIsZero;
  };
  for (const auto& c : {Case{ScreenOrientation::portrait, true, true},
                        Case{ScreenOrientation::portraitUpsideDown, false, false},
                        Case{ScreenOrientation::landscapeLeft, true, false},
                        Case{ScreenOrientation::landscapeRight, false, true}}) {
    Screen screen(Size{390, 844}, 3, c.orientation);
    const Point origin = screen.convertToFixedCoordinateSpace(Point{});
    EXPECT_EQ(origin.x == 0, c.xIsZero) << static_cast<int>(c.orientation);
    EXPECT_EQ(origin.y == 0, c.yIsZero) << static_cast<int>(c.orientation);
    // The far corner of the turned screen is the far corner of the fixed one.
    const Rect bounds = screen.bounds();
    const Point corner = screen.convertToFixedCoordinateSpace(Point{bounds.width(), bounds.height()});
    EXPECT_EQ(origin.x + corner.x, 390);
    EXPECT_EQ(origin.y + corner.y, 844);
  }
  Screen unknown(Size{390, 844}, 3, ScreenOrientation::unknown);
  EXPECT_TRUE(std::isnan(unknown.convertToFixedCoordinateSpace(Point{}).x));
}

TEST(ScreenTest, MainScreenAndDeviceAreResetBetweenTests) {
  // Runs twice in different orders under shuffling; each run starts clean.
  EXPECT_EQ(Screen::main().bounds(), Rect(0, 0, 390, 844));
  EXPECT_EQ(Device::current().userInterfaceIdiom(), UserInterfaceIdiom::phone);
  Screen::main().setOrientation(ScreenOrientation::landscapeLeft);
  Device::current().setUserInterfaceIdiom(UserInterfaceIdiom::pad);
}

TEST(ScreenTest, MainScreenAndDeviceAreResetBetweenTestsAgain) {
  EXPECT_EQ(Screen::main().bounds(), Rect(0, 0, 390, 844));
  EXPECT_EQ(Device::current().userInterfaceIdiom(), UserInterfaceIdiom::phone);
}

TEST(InputTraitsTest, RawValuesAreThePlatforms) {
  EXPECT_EQ(rawValue(ReturnKeyType::continue_), 11);
  EXPECT_EQ(name(ReturnKeyType::continue_), "continue");
  EXPECT_EQ(rawValue(KeyboardType::twitter), 9);
  EXPECT_EQ(name(KeyboardType::asciiCapableNumberPad), "asciiCapableNumberPad");
  EXPECT_EQ(rawValue(AutocapitalizationType::allCharacters), 3);
  EXPECT_EQ(rawValue(KeyboardAppearance::light), 2);
  EXPECT_EQ(name(SpellCheckingType::yes), "yes");
  // A newer kind from the host is kept as its number and has no name.
  EXPECT_EQ(name(static_cast<KeyboardType>(13)), "");
  EXPECT_EQ(rawValue(static_cast<ReturnKeyType>(12)), 12);
  for (std::size_t i = 0; i < kKeyboardTypeCases.size(); ++i) {
    EXPECT_EQ(rawValue(kKeyboardTypeCases[i].value), static_cast<int>(i));
  }
}

}  // namespace
}  // namespace platform
