#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "keyloom/text/TextInputProxy.h"
#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/text/ProxyState.h"
#include "platform/foundation/MainQueue.h"
#include "platform/input/InMemoryTextDocumentProxy.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/Primitives.h"

namespace keyloom {
namespace {

using platform::ScreenOrientation;
using platform::SimulatedHost;
using platform::SimulatedHostConfiguration;

// Counts the context's change notifications.
struct ChangeCounter {
  explicit ChangeCounter(const KeyboardContext& context)
      : subscription(context.objectWillChange().sink([this] { ++count; })) {}
  int count = 0;
  platform::Cancellable subscription;
};

// Shows nothing, so the main queue holds only the syncs these tests count,
// not the updates of a keyboard view.
class ViewlessController : public KeyboardInputViewController {
 public:
  platform::ui::View makeDefaultRootView() override { return platform::ui::EmptyView(); }
};

class KeyboardContextSyncTest : public ::testing::Test {
 protected:
  void present(SimulatedHostConfiguration configuration = {}) {
    host = SimulatedHost::make(std::move(configuration));
    controller = std::static_pointer_cast<KeyboardInputViewController>(
        host->presentKeyboard([] { return std::make_shared<ViewlessController>(); }));
    context = controller->keyboardContext();
  }

  std::shared_ptr<SimulatedHost> host;
  std::shared_ptr<KeyboardInputViewController> controller;
  std::shared_ptr<KeyboardContext> context;
};

TEST_F(KeyboardContextSyncTest, FollowsTheHostOnALaterTurn) {
  SimulatedHostConfiguration configuration;
  configuration.hasFullAccess = true;
  configuration.hasDictationKey = true;
  configuration.needsInputModeSwitchKey = true;
  configuration.inputMode = platform::TextInputMode{"de-CH", {}};
  configuration.userInterfaceStyle = platform::UserInterfaceStyle::dark;
  present(configuration);

  EXPECT_FALSE(context->hasFullAccess.get()) << "nothing is copied during the call";
  EXPECT_EQ(context->screenSize.get(), (platform::Size{0, 0}));
  host->runMainQueue();

  EXPECT_TRUE(context->hasFullAccess.get());
  EXPECT_TRUE(context->hasDictationKey.get());
  EXPECT_TRUE(context->needsInputModeSwitchKey.get());
  EXPECT_EQ(context->interfaceOrientation.get(), InterfaceOrientation::portrait);
  EXPECT_EQ(context->screenSize.get(), (platform::Size{390, 844}));
  EXPECT_EQ(context->mainTextDocumentProxy.get(), host->hostProxy());
  EXPECT_EQ(context->textDocumentProxy.get(), host->hostProxy());
  EXPECT_EQ(context->textInputMode.get(), (platform::TextInputMode{"de-CH", {}}));
  EXPECT_TRUE(context->hasDarkColorScheme());
  EXPECT_TRUE(context->prefersAutocomplete.get());
}

TEST_F(KeyboardContextSyncTest, WritesOnlyWhatChanged) {
  present();
  host->runMainQueue();
  ChangeCounter changes(*context);
  controller->viewWillSyncWithContext();
  host->runMainQueue();
  EXPECT_EQ(changes.count, 0) << "a sync that finds nothing new publishes nothing";

  host->setHasFullAccess(true);
  controller->setPrimaryLanguage("de");
  controller->viewWillSyncWithContext();
  host->runMainQueue();
  EXPECT_EQ(changes.count, 2);
  EXPECT_TRUE(context->hasFullAccess.get());
  EXPECT_EQ(context->primaryLanguage.get(), "de");

  controller->setPrimaryLanguage(std::nullopt);
  controller->viewWillSyncWithContext();
  host->runMainQueue();
  EXPECT_EQ(context->primaryLanguage.get(), std::nullopt);
  EXPECT_EQ(changes.count, 3);
}

TEST_F(KeyboardContextSyncTest, FollowsTraitChanges) {
  present();
  host->runMainQueue();
  host->setUserInterfaceStyle(platform::UserInterfaceStyle::dark);
  EXPECT_FALSE(context->hasDarkColorScheme());
  host->runMainQueue();
  EXPECT_TRUE(context->hasDarkColorScheme());
}

TEST_F(KeyboardContextSyncTest, NumberPadFieldTurnsAutocompleteOff) {
  present();
  host->runMainQueue();
  platform::TextInputTraits traits;
  traits.keyboardType = platform::KeyboardType::numberPad;
  host->beginNewDocument("", traits);
  ChangeCounter changes(*context);
  controller->viewWillSyncWithContext();
  host->runMainQueue();
  EXPECT_FALSE(context->prefersAutocomplete.get());
  EXPECT_EQ(changes.count, 1);
}

TEST_F(KeyboardContextSyncTest, AutocompleteFollowsANewTargetFieldInTheSameRun) {
  present();
  host->runMainQueue();
  auto input = platform::InMemoryTextDocumentProxy::make()->sharedInput();
  platform::TextInputTraits traits;
  traits.keyboardType = platform::KeyboardType::emailAddress;
  input->setTraits(traits);
  auto field = std::make_shared<TextInputProxy>(input);
  controller->setTextInputProxy(field);
  host->runMainQueue();
  EXPECT_EQ(context->textDocumentProxy.get(), field);
  EXPECT_FALSE(context->prefersAutocomplete.get());
  controller->setTextInputProxy(nullptr);
  host->runMainQueue();
  EXPECT_TRUE(context->prefersAutocomplete.get());
}

TEST_F(KeyboardContextSyncTest, SpecialKeyboardsNeverPreferAutocomplete) {
  present();
  context->keyboardType = KeyboardType::emojis();
  controller->viewWillSyncWithContext();
  host->runMainQueue();
  EXPECT_FALSE(context->prefersAutocomplete.get());
}

TEST_F(KeyboardContextSyncTest, RotationSyncsAfterLayoutOnALaterTurn) {
  present();
  host->runMainQueue();
  host->layout();
  EXPECT_EQ(platform::MainQueue::main().pendingCount(), 0u) << "same orientation schedules nothing";

  host->rotate(ScreenOrientation::landscapeLeft);
  EXPECT_EQ(context->interfaceOrientation.get(), InterfaceOrientation::portrait);
  host->layout();  // each pass until the sync has run schedules one
  EXPECT_EQ(platform::MainQueue::main().pendingCount(), 2u);
  host->runMainQueue();
  EXPECT_EQ(context->interfaceOrientation.get(), InterfaceOrientation::landscapeLeft);
  EXPECT_EQ(context->screenSize.get(), (platform::Size{844, 390}));
  host->layout();
  EXPECT_EQ(platform::MainQueue::main().pendingCount(), 0u);
}

TEST_F(KeyboardContextSyncTest, ALayoutBeforeTheFirstSyncComparesWithPortrait) {
  SimulatedHostConfiguration configuration;
  configuration.orientation = ScreenOrientation::landscapeRight;
  present(configuration);
  EXPECT_EQ(context->interfaceOrientation.get(), InterfaceOrientation::portrait);
  host->runMainQueue();
  EXPECT_EQ(context->interfaceOrientation.get(), InterfaceOrientation::landscapeRight);
}

TEST_F(KeyboardContextSyncTest, FloatingBelowHalfTheScreenWidth) {
  const std::pair<double, bool> cases[] = {{300, true}, {600, false}, {512, false}};
  for (const auto& [width, floating] : cases) {
    SCOPED_TRACE(width);
    SimulatedHostConfiguration configuration;
    configuration.idiom = platform::UserInterfaceIdiom::pad;
    configuration.screenSize = {1024, 1366};
    configuration.keyboardWidth = width;
    present(configuration);
    EXPECT_FALSE(context->isKeyboardFloating.get()) << "no screen size before the first sync";
    host->runMainQueue();
    host->layout();
    EXPECT_EQ(context->isKeyboardFloating.get(), floating) << "written at once after layout";
  }
}

TEST_F(KeyboardContextSyncTest, SyncNeverChangesTypeOrLocales) {
  present();
  context->keyboardType = KeyboardType::numeric();
  context->setLocale(KeyboardLocale::swedish);
  context->setLocales(std::vector{KeyboardLocale::swedish, KeyboardLocale::german});
  host->setHasFullAccess(true);
  host->rotate(ScreenOrientation::landscapeLeft);
  controller->viewWillSyncWithContext();
  host->runMainQueue();
  EXPECT_EQ(context->keyboardType.get(), KeyboardType::numeric());
  EXPECT_EQ(context->locale.get(), platform::Locale("sv"));
  EXPECT_EQ(context->locales.get(), (std::vector{platform::Locale("sv"), platform::Locale("de")}));
}

TEST_F(KeyboardContextSyncTest, NoSyncWhileTheFullDocumentIsRead) {
  present();
  host->runMainQueue();
  setReadingFullDocumentContext(true);
  host->setHasFullAccess(true);
  controller->viewWillSyncWithContext();
  host->setUserInterfaceStyle(platform::UserInterfaceStyle::dark);
  EXPECT_EQ(platform::MainQueue::main().pendingCount(), 0u);

  host->rotate(ScreenOrientation::landscapeLeft);  // the layout sync is not gated
  host->runMainQueue();
  EXPECT_EQ(context->interfaceOrientation.get(), InterfaceOrientation::landscapeLeft);
}

TEST_F(KeyboardContextSyncTest, AViewInNoWindowIsPortraitWithoutAScreen) {
  present();
  host->rotate(ScreenOrientation::landscapeLeft);
  host->runMainQueue();
  host->hideKeyboard();
  controller->viewWillSyncWithContext();
  host->runMainQueue();
  EXPECT_EQ(context->interfaceOrientation.get(), InterfaceOrientation::portrait);
  EXPECT_EQ(context->screenSize.get(), (platform::Size{0, 0}));
}

TEST_F(KeyboardContextSyncTest, AScheduledSyncKeepsContextAndControllerAlive) {
  present();
  host->runMainQueue();
  std::weak_ptr<KeyboardInputViewController> weakController = controller;
  std::weak_ptr<KeyboardContext> weakContext = context;
  host->setHasFullAccess(true);
  context->sync(controller);
  host->releaseKeyboard();
  controller.reset();
  context.reset();
  ASSERT_FALSE(weakController.expired());
  ASSERT_FALSE(weakContext.expired());
  host->runMainQueue();
  EXPECT_TRUE(weakController.expired());
  EXPECT_TRUE(weakContext.expired());
}

TEST_F(KeyboardContextSyncTest, MakeWithAControllerSyncsLater) {
  present();
  auto made = KeyboardContext::make(controller);
  EXPECT_EQ(made->screenSize.get(), (platform::Size{0, 0}));
  host->runMainQueue();
  EXPECT_EQ(made->screenSize.get(), (platform::Size{390, 844}));
  EXPECT_EQ(KeyboardContext::make(nullptr)->screenSize.get(), (platform::Size{0, 0}));
}

}  // namespace
}  // namespace keyloom
