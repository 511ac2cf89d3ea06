#include "platform/input/SimulatedHost.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/foundation/Error.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/input/ExtensionRegistry.h"

namespace platform {
namespace {

using ::testing::ElementsAre;

// A keyboard controller that logs the platform hooks it receives.
class LoggingController : public InputViewController {
 public:
  std::vector<std::string> log;
  double widthAtLayout = 0;

  void viewDidLoad() override {
    log.push_back("load");
    // What a keyboard does on load: widen to the screen.
    auto v = view();
    Rect frame = v->frame();
    frame.size.width = Screen::main().bounds().width();
    v->setFrame(frame);
  }
  void viewWillAppear(bool) override { log.push_back("willAppear"); }
  void viewDidAppear(bool) override { log.push_back("didAppear"); }
  void viewWillDisappear(bool) override { log.push_back("willDisappear"); }
  void viewDidDisappear(bool) override { log.push_back("didDisappear"); }
  void viewWillLayoutSubviews() override { log.push_back("willLayout"); }
  void viewDidLayoutSubviews() override {
    log.push_back("didLayout");
    widthAtLayout = view()->frame().width();
  }
  void viewWillTransitionToSize(Size) override { log.push_back("transition"); }
  void traitCollectionDidChange(const TraitCollection& previous) override {
    log.push_back(previous.userInterfaceStyle == UserInterfaceStyle::light ? "traits(from light)" : "traits");
  }
  void selectionWillChange(TextInput*) override { log.push_back("selectionWillChange"); }
  void selectionDidChange(TextInput*) override { log.push_back("selectionDidChange"); }
  void textWillChange(TextInput*) override { log.push_back("textWillChange"); }
  void textDidChange(TextInput* input) override {
    log.push_back("textDidChange:" + (input ? input->text() : std::string("?")));
  }
};

struct HostFixture : ::testing::Test {
  std::shared_ptr<SimulatedHost> host = SimulatedHost::make();
  std::shared_ptr<LoggingController> keyboard;

  void present() {
    host->presentKeyboard([this] {
      keyboard = std::make_shared<LoggingController>();
      return keyboard;
    });
    keyboard->log.clear();
  }
};

TEST_F(HostFixture, PresentsTheControllerInPlatformOrder) {
  host->presentKeyboard([this] {
    keyboard = std::make_shared<LoggingController>();
    return keyboard;
  });
  EXPECT_THAT(keyboard->log, ElementsAre("load", "willAppear", "willLayout", "didLayout", "didAppear"));
  EXPECT_EQ(host->keyboard(), keyboard);
  EXPECT_TRUE(host->isKeyboardVisible());
  ASSERT_NE(keyboard->view()->window(), nullptr);
  EXPECT_EQ(&keyboard->view()->window()->screen(), &Screen::main());
  EXPECT_EQ(keyboard->view()->frame(), Rect(0, 844 - 260, 390, 260));
}

TEST_F(HostFixture, HideAndShowAgainRunTheAppearanceHooks) {
  present();
  host->hideKeyboard();
  EXPECT_EQ(keyboard->view()->window(), nullptr);
  host->showKeyboard();
  EXPECT_THAT(keyboard->log, ElementsAre("willDisappear", "didDisappear", "willAppear", "willLayout", "didLayout",
                                         "didAppear"));
}

TEST_F(HostFixture, HostEditsFireTextCallbacksAndProxyEditsDoNot) {
  present();
  auto proxy = keyboard->textDocumentProxy();
  proxy->insertText("abc");
  proxy->deleteBackward();
  proxy->adjustTextPosition(-1);
  EXPECT_TRUE(keyboard->log.empty());

  host->insertText("Z");
  host->deleteBackward();
  host->setText("new");
  EXPECT_THAT(keyboard->log, ElementsAre("textWillChange", "textDidChange:aZb", "textWillChange",
                                         "textDidChange:ab", "textWillChange", "textDidChange:new"));
}

TEST_F(HostFixture, HostCursorMovesFireSelectionCallbacks) {
  present();
  host->setText("hello");
  keyboard->log.clear();
  host->moveCursor(2);
  EXPECT_THAT(keyboard->log, ElementsAre("selectionWillChange", "selectionDidChange"));
  EXPECT_EQ(keyboard->textDocumentProxy()->documentContextBeforeInput(), "he");
}

TEST_F(HostFixture, TheControllersProxyIsTheHostFieldsProxy) {
  present();
  EXPECT_EQ(keyboard->textDocumentProxy(), host->hostProxy());
  TextInputTraits traits;
  traits.keyboardType = KeyboardType::numberPad;
  const UUID before = host->hostProxy()->documentIdentifier();
  host->beginNewDocument("42", traits);
  EXPECT_EQ(keyboard->textDocumentProxy()->keyboardType(), KeyboardType::numberPad);
  EXPECT_EQ(keyboard->textDocumentProxy()->documentContextBeforeInput(), "42");
  EXPECT_NE(host->hostProxy()->documentIdentifier(), before);
}

// Another field taking the input shows a shown keyboard again on it, so it
// reads the new traits as it appears; a hidden one is not shown. Both hear
// of the text.
TEST_F(HostFixture, ANewDocumentShowsAShownKeyboardAgainOnIt) {
  present();
  keyboard->log.clear();
  host->beginNewDocument("a@b", {});
  EXPECT_THAT(keyboard->log,
              ElementsAre("willDisappear", "didDisappear", "textWillChange", "textDidChange:a@b",
                          "willAppear", "willLayout", "didLayout", "didAppear"));
  EXPECT_TRUE(host->isKeyboardVisible());

  host->hideKeyboard();
  keyboard->log.clear();
  host->beginNewDocument("x", {});
  EXPECT_THAT(keyboard->log, ElementsAre("textWillChange", "textDidChange:x"));
  EXPECT_FALSE(host->isKeyboardVisible());
}

TEST_F(HostFixture, RotationSwapsTheScreenAndRunsALayoutPass) {
  present();
  host->rotate(ScreenOrientation::landscapeLeft);
  EXPECT_EQ(Screen::main().bounds(), Rect(0, 0, 844, 390));
  EXPECT_THAT(keyboard->log, ElementsAre("transition", "willLayout", "didLayout"));
  EXPECT_EQ(keyboard->widthAtLayout, 844);
  EXPECT_EQ(keyboard->view()->frame().height(), 200);

  keyboard->log.clear();
  host->rotate(ScreenOrientation::landscapeLeft);  // no turn, no layout
  EXPECT_TRUE(keyboard->log.empty());
  host->rotate(ScreenOrientation::portrait);
  EXPECT_EQ(Screen::main().bounds(), Rect(0, 0, 390, 844));
  EXPECT_EQ(keyboard->widthAtLayout, 390);
}

TEST_F(HostFixture, AStyleChangeReachesTraitCollectionDidChange) {
  present();
  EXPECT_EQ(keyboard->traitCollection().userInterfaceStyle, UserInterfaceStyle::light);
  host->setUserInterfaceStyle(UserInterfaceStyle::dark);
  host->setUserInterfaceStyle(UserInterfaceStyle::dark);
  EXPECT_THAT(keyboard->log, ElementsAre("traits(from light)"));
  EXPECT_EQ(keyboard->traitCollection().userInterfaceStyle, UserInterfaceStyle::dark);
}

TEST_F(HostFixture, DismissalIsRecordedAndHidesTheKeyboardOnALaterTurn) {
  present();
  keyboard->dismissKeyboard();
  EXPECT_EQ(host->records().dismissals, 1);
  EXPECT_TRUE(host->isKeyboardVisible());
  host->runMainQueue();
  EXPECT_FALSE(host->isKeyboardVisible());
  EXPECT_THAT(keyboard->log, ElementsAre("willDisappear", "didDisappear"));
}

TEST_F(HostFixture, TheNextKeyboardButtonReachesTheInputModeList) {
  present();
  auto button = Button::make(Rect(0, 0, 40, 40));
  button->addTarget(keyboard, std::string(InputViewController::kHandleInputModeListSelector),
                    ControlEvent::allTouchEvents);
  button->sendActions(ControlEvent::touchDown, TouchEvent{1.5, Point{3, 4}});
  button->sendActions(ControlEvent::touchUpInside, TouchEvent{1.6, Point{3, 4}});
  ASSERT_EQ(host->records().inputModeListCalls.size(), 2u);
  EXPECT_EQ(host->records().inputModeListCalls[0].from, button);
  EXPECT_EQ(host->records().inputModeListCalls[1].event, (TouchEvent{1.6, Point{3, 4}}));

  keyboard->advanceToNextInputMode();
  EXPECT_EQ(host->records().inputModeAdvances, 1);
}

TEST_F(HostFixture, AButtonDoesNotKeepItsTargetAlive) {
  auto button = Button::make();
  {
    auto controller = std::make_shared<InputViewController>();
    button->addTarget(controller, std::string(InputViewController::kHandleInputModeListSelector),
                      ControlEvent::allTouchEvents);
  }
  button->sendActions(ControlEvent::touchUpInside, TouchEvent{});
  EXPECT_TRUE(host->records().inputModeListCalls.empty());
}

TEST_F(HostFixture, TheResponderChainOpensURLsThroughTheHost) {
  present();
  auto opener = firstResponderAnswering(keyboard, kOpenURLSelector);
  ASSERT_NE(opener, nullptr);
  auto url = URL::fromString("https://example.com/a");
  ASSERT_TRUE(url.has_value());
  opener->perform(kOpenURLSelector, {std::any(*url)});
  opener->perform(kOpenURLSelector, {std::any()});
  EXPECT_THAT(host->records().openedURLs, ElementsAre(url, std::nullopt));

  host->setOpensURLs(false);
  EXPECT_EQ(firstResponderAnswering(keyboard, kOpenURLSelector), nullptr);
}

TEST_F(HostFixture, PrimaryLanguageWritesAreRecorded) {
  present();
  keyboard->setPrimaryLanguage("de-DE");
  keyboard->setPrimaryLanguage(std::nullopt);
  EXPECT_THAT(host->records().primaryLanguageWrites, ElementsAre("de-DE", std::nullopt));
  EXPECT_EQ(keyboard->primaryLanguage(), std::nullopt);
}

TEST_F(HostFixture, GrantsComeFromTheHost) {
  present();
  EXPECT_FALSE(keyboard->hasFullAccess());
  // A phone without a home button: the platform shows its own switch key.
  EXPECT_FALSE(keyboard->needsInputModeSwitchKey());
  EXPECT_EQ(keyboard->textInputMode(), (TextInputMode{"en-US", {}}));
  host->setHasFullAccess(true);
  host->setHasDictationKey(true);
  EXPECT_TRUE(keyboard->hasFullAccess());
  EXPECT_TRUE(keyboard->hasDictationKey());
  // A controller made only to ask the platform answers from the current host.
  EXPECT_TRUE(std::make_shared<InputViewController>()->hasFullAccess());
}

TEST_F(HostFixture, ReleasingTheControllerLeavesNothingBehind) {
  present();
  std::weak_ptr<LoggingController> weak = keyboard;
  keyboard.reset();
  host->releaseKeyboard();
  EXPECT_TRUE(weak.expired());
  EXPECT_EQ(host->keyboard(), nullptr);
}

TEST(SimulatedHostTest, OnlyADeviceWithAHomeButtonNeedsTheKeyboardsOwnSwitchKey) {
  struct Case {
    UserInterfaceIdiom idiom;
    bool hasHomeButton;
    std::optional<bool> needsInputModeSwitchKey;
    bool expected;
  };
  const Case cases[] = {
      {UserInterfaceIdiom::phone, false, std::nullopt, false},
      {UserInterfaceIdiom::pad, false, std::nullopt, false},
      {UserInterfaceIdiom::phone, true, std::nullopt, true},
      {UserInterfaceIdiom::pad, true, std::nullopt, true},
      // Said outright, it holds whatever the device.
      {UserInterfaceIdiom::phone, false, true, true},
      {UserInterfaceIdiom::phone, true, false, false},
  };
  for (const auto& kase : cases) {
    SimulatedHostConfiguration configuration;
    configuration.idiom = kase.idiom;
    configuration.hasHomeButton = kase.hasHomeButton;
    configuration.needsInputModeSwitchKey = kase.needsInputModeSwitchKey;
    auto host = SimulatedHost::make(configuration);
    auto keyboard = host->presentKeyboard([] { return std::make_shared<InputViewController>(); });
    EXPECT_EQ(keyboard->needsInputModeSwitchKey(), kase.expected) << kase.hasHomeButton;
    EXPECT_EQ(Device::current().hasHomeButton(), kase.hasHomeButton);
    host->releaseKeyboard();
  }
}

TEST(SimulatedHostTest, ConfiguresDeviceScreenAndLocale) {
  SimulatedHostConfiguration configuration;
  configuration.idiom = UserInterfaceIdiom::pad;
  configuration.screenSize = Size{1024, 1366};
  configuration.orientation = ScreenOrientation::landscapeRight;
  configuration.localeIdentifier = "de_CH";
  configuration.keyboardWidth = 320;
  configuration.text = "Gr\u00FCezi";
  auto host = SimulatedHost::make(configuration);
  EXPECT_EQ(Device::current().userInterfaceIdiom(), UserInterfaceIdiom::pad);
  EXPECT_EQ(Screen::main().bounds(), Rect(0, 0, 1366, 1024));
  EXPECT_EQ(Locale::current().identifier(), "de_CH");
  EXPECT_EQ(host->keyboardFrame().width(), 320);
  EXPECT_EQ(host->hostProxy()->documentContextBeforeInput(), "Gr\u00FCezi");
}

// A view whose content is of a fixed height, pinned into a controller's
// view as a keyboard's hosted content is.
class FixedHeightView : public View {
 public:
  static std::shared_ptr<FixedHeightView> make(double height) {
    return std::shared_ptr<FixedHeightView>(new FixedHeightView(height));
  }
  void setHeight(double height) {
    height_ = height;
    invalidateIntrinsicContentSize();
  }
  Size systemLayoutSizeFitting(Size target) override { return Size{target.width, height_}; }

 private:
  explicit FixedHeightView(double height) : View(Rect()), height_(height) {}
  double height_;
};

class FixedHeightController : public InputViewController {
 public:
  std::shared_ptr<FixedHeightView> content = FixedHeightView::make(300);
  void viewDidLoad() override {
    view()->addSubview(content);
    for (LayoutAttribute edge :
         {LayoutAttribute::leading, LayoutAttribute::trailing, LayoutAttribute::top, LayoutAttribute::bottom}) {
      view()->addConstraint(LayoutConstraint{content, edge, view(), edge, 0});
    }
  }
};

TEST(SimulatedHostTest, TheKeyboardGetsTheHeightItsViewAsksForUnlessTheHostFixesOne) {
  auto host = SimulatedHost::make();
  auto keyboard = std::make_shared<FixedHeightController>();
  host->presentKeyboard([&] { return keyboard; });
  EXPECT_EQ(host->keyboardFrame(), Rect(0, 844 - 300, 390, 300));
  EXPECT_EQ(keyboard->content->frame().height(), 300);
  EXPECT_FALSE(keyboard->hasFixedHeight());
  // Asking again is answered on a later turn, with a layout pass.
  keyboard->content->setHeight(240);
  EXPECT_EQ(host->keyboardFrame().height(), 300);
  host->runMainQueue();
  EXPECT_EQ(host->keyboardFrame(), Rect(0, 844 - 240, 390, 240));
  EXPECT_EQ(keyboard->content->frame().height(), 240);
  // Never taller than the screen.
  keyboard->content->setHeight(2000);
  host->runMainQueue();
  EXPECT_EQ(host->keyboardFrame(), Rect(0, 0, 390, 844));
  // Another field taking the input shows it again at the height it asks for.
  keyboard->content->setHeight(240);
  host->beginNewDocument("", {});
  host->runMainQueue();
  EXPECT_EQ(host->keyboardFrame(), Rect(0, 844 - 240, 390, 240));

  SimulatedHostConfiguration fixed;
  fixed.keyboardHeight = 260;
  host = SimulatedHost::make(fixed);
  keyboard = std::make_shared<FixedHeightController>();
  host->presentKeyboard([&] { return keyboard; });
  keyboard->content->setHeight(240);
  host->runMainQueue();
  EXPECT_EQ(host->keyboardFrame().height(), 260);
  EXPECT_EQ(keyboard->content->frame().height(), 260);
  EXPECT_TRUE(keyboard->hasFixedHeight());
  host->beginNewDocument("", {});
  host->runMainQueue();
  EXPECT_EQ(host->keyboardFrame().height(), 260) << "a new document keeps the host's height";
}

TEST(SimulatedHostTest, AnUnhostedControllerHasADocumentOfItsOwn) {
  auto controller = std::make_shared<InputViewController>();
  auto proxy = controller->textDocumentProxy();
  ASSERT_NE(proxy, nullptr);
  EXPECT_EQ(controller->textDocumentProxy(), proxy);
  EXPECT_FALSE(controller->hasFullAccess());
  EXPECT_EQ(controller->textInputMode(), std::nullopt);
  controller->dismissKeyboard();  // nobody to ask: nothing happens
  EXPECT_EQ(firstResponderAnswering(controller, kOpenURLSelector), nullptr);
}

TEST(SimulatedHostTest, AControllerWhoseHostIsGoneStaysUnhosted) {
  auto first = SimulatedHost::make();
  auto controller = first->presentKeyboard(nullptr);
  first.reset();
  auto second = SimulatedHost::make();
  second->setHasFullAccess(true);
  EXPECT_FALSE(controller->hasFullAccess());
  controller->dismissKeyboard();
  EXPECT_EQ(second->records().dismissals, 0);
}

TEST(SimulatedHostTest, ParentPropertiesAreReadByKey) {
  SimulatedHostConfiguration configuration;
  configuration.parentProperties.set("_hostBundleID", std::string("com.example.notes"));
  auto host = SimulatedHost::make(configuration);
  auto controller = host->presentKeyboard(nullptr);
  EXPECT_EQ(controller->parentProperty("_hostBundleID"), PropertyValue(std::string("com.example.notes")));
  EXPECT_EQ(controller->parentProperty("_hostPID"), PropertyValue());
}

// ---- Starting an extension

// An extension whose principal controller logs its hooks and reads a setting
// of its app group at every appearance, as a product keyboard does.
class SettingsReadingController : public LoggingController {
 public:
  std::vector<std::optional<std::int64_t>> settingsSeen;

  void viewWillAppear(bool animated) override {
    LoggingController::viewWillAppear(animated);
    auto store = UserDefaults::suite("group.app.example");
    settingsSeen.push_back(store ? std::optional(store->integer("setting")) : std::nullopt);
  }
};

struct ExtensionFixture : ::testing::Test {
  std::vector<std::shared_ptr<SettingsReadingController>> made;

  void SetUp() override {
    ExtensionRegistry::install({"app.example.keyboard", "group.app.example", [this] {
                                  made.push_back(std::make_shared<SettingsReadingController>());
                                  return made.back();
                                }});
  }
};

TEST_F(ExtensionFixture, StartsThePrincipalControllerInPlatformOrder) {
  auto host = SimulatedHost::make();
  auto controller = host->startExtension("app.example.keyboard");
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(controller, made[0]);
  EXPECT_EQ(host->keyboard(), controller);
  EXPECT_TRUE(host->isKeyboardVisible());
  EXPECT_THAT(made[0]->log, ElementsAre("load", "willAppear", "willLayout", "didLayout", "didAppear"));
  EXPECT_EQ(host->appGroupIdentifier(), "group.app.example");
}

TEST_F(ExtensionFixture, EachStartMakesANewControllerAndReleasesTheOld) {
  auto host = SimulatedHost::make();
  host->startExtension("app.example.keyboard");
  std::weak_ptr<SettingsReadingController> first = made[0];
  host->startExtension("app.example.keyboard");
  ASSERT_EQ(made.size(), 2u);
  EXPECT_THAT(made[0]->log, ElementsAre("load", "willAppear", "willLayout", "didLayout", "didAppear",
                                        "willDisappear", "didDisappear"));
  EXPECT_EQ(host->keyboard(), made[1]);
  made.clear();
  EXPECT_TRUE(first.expired());
}

TEST_F(ExtensionFixture, TheContainingAppsSettingsReachTheKeyboardAtItsNextAppearance) {
  auto host = SimulatedHost::make();
  host->startExtension("app.example.keyboard");
  auto store = host->appGroupStore();
  ASSERT_NE(store, nullptr);
  EXPECT_EQ(store->suiteName(), "group.app.example");
  store->set("setting", 3);
  host->hideKeyboard();
  host->showKeyboard();
  EXPECT_THAT(made[0]->settingsSeen, ElementsAre(std::optional<std::int64_t>(0), std::optional<std::int64_t>(3)));
}

TEST_F(ExtensionFixture, AnUnavailableAppGroupCannotBeOpened) {
  SimulatedHostConfiguration configuration;
  configuration.appGroupAvailable = false;
  auto host = SimulatedHost::make(configuration);
  host->startExtension("app.example.keyboard");
  EXPECT_EQ(host->appGroupStore(), nullptr);
  EXPECT_THAT(made[0]->settingsSeen, ElementsAre(std::nullopt));
  host->setAppGroupAvailable(true);
  host->hideKeyboard();
  host->showKeyboard();
  EXPECT_THAT(made[0]->settingsSeen, ElementsAre(std::nullopt, std::optional<std::int64_t>(0)));
}

TEST_F(ExtensionFixture, UnknownExtensionsAndBadRegistrationsAreErrors) {
  auto host = SimulatedHost::make();
  EXPECT_THROW(host->startExtension("app.example.other"), Error);
  EXPECT_EQ(host->keyboard(), nullptr);
  EXPECT_THROW(ExtensionRegistry::install({"", std::nullopt, [] { return std::make_shared<InputViewController>(); }}),
               Error);
  EXPECT_THROW(ExtensionRegistry::install({"app.example.empty", std::nullopt, nullptr}), Error);
  ExtensionRegistry::install({"app.example.null", std::nullopt, [] { return nullptr; }});
  EXPECT_THROW(host->startExtension("app.example.null"), Error);
  EXPECT_THAT(ExtensionRegistry::identifiers(), ElementsAre("app.example.keyboard", "app.example.null"));
}

TEST_F(ExtensionFixture, InstallingAgainReplacesTheExtension) {
  ExtensionRegistry::install({"app.example.keyboard", std::nullopt, [] { return std::make_shared<LoggingController>(); }});
  EXPECT_THAT(ExtensionRegistry::identifiers(), ElementsAre("app.example.keyboard"));
  auto host = SimulatedHost::make();
  host->startExtension("app.example.keyboard");
  EXPECT_TRUE(made.empty());
  EXPECT_EQ(host->appGroupIdentifier(), std::nullopt);
  EXPECT_EQ(host->appGroupStore(), nullptr);
  ExtensionRegistry::uninstall("app.example.keyboard");
  EXPECT_EQ(ExtensionRegistry::extension("app.example.keyboard"), std::nullopt);
}

}  // namespace
}  // namespace platform
