// The system keyboard as a person uses it: hosted by the controller in the
// simulated host, touched at clock times, typing into the host's text field.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "keyloom/autocomplete/DisabledAutocompleteProvider.h"
#include "keyloom/controller/KeyboardHostingController.h"
#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/layout/LocaleContextMenu.h"
#include "keyloom/layout/StaticKeyboardLayoutProvider.h"
#include "keyloom/services/StandardCalloutActionProvider.h"
#include "keyloom/state/EmojiCategory.h"
#include "keyloom/state/SpaceLongPressBehavior.h"
#include "keyloom/views/ActionCallout.h"
#include "keyloom/views/AutocompleteToolbar.h"
#include "keyloom/views/InputCallout.h"
#include "keyloom/views/SystemKeyboard.h"
#include "platform/foundation/MainQueue.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/MenuPresentation.h"
#include "platform/ui/UI.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using platform::Point;

KeyboardAction ch(const char* text) { return KeyboardAction::character(text); }

class SystemKeyboardEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override { present(false); }

  void present(bool homeButton) {
    if (host) host->releaseKeyboard();
    platform::SimulatedHostConfiguration configuration;
    configuration.localeIdentifier = "en_US";
    configuration.hasHomeButton = homeButton;
    host = platform::SimulatedHost::make(configuration);
    controller = std::static_pointer_cast<KeyboardInputViewController>(
        host->presentKeyboard([] { return std::make_shared<KeyboardInputViewController>(); }));
    settle();
  }

  void settle() {
    host->runMainQueue();
    host->layout();
    host->runMainQueue();
  }
  ui::ViewHost& view() { return controller->hostingController()->viewHost(); }
  std::shared_ptr<ui::Node> key(const KeyboardAction& action) { return view().findAttached(action); }
  Point center(const std::shared_ptr<ui::Node>& node) {
    EXPECT_TRUE(node);
    return node ? Point{node->frame.midX(), node->frame.midY()} : Point{};
  }
  Point center(const KeyboardAction& action) { return center(key(action)); }
  void tap(Point point) {
    auto touch = view().touches().down(point);
    host->advanceTime(0.05);
    view().touches().up(touch);
    host->advanceTime(0.3);
    settle();
  }
  std::string text() const { return host->textField().text(); }

  void useLocaleKey(const std::vector<std::string>& locales);
  // A long press on the locale key, then the finger lifts.
  void openLocaleMenu() {
    auto touch = view().touches().down(center(KeyboardAction::nextLocale()));
    host->advanceTime(0.7);
    view().touches().up(touch);
    host->advanceTime(0.3);
    settle();
    ASSERT_TRUE(view().presentedMenu());
  }
  std::shared_ptr<ui::Node> menuPanel() {
    auto presentations = view().findAllOfType<ui::MenuPresentation>();
    EXPECT_EQ(presentations.size(), 1u);
    return presentations.empty() ? nullptr : presentations.front()->findAll(ui::NodeKind::scrollView).at(0);
  }
  // The texts of the open menu's entries, top to bottom.
  std::vector<std::string> menuEntries() {
    std::vector<std::string> entries;
    if (auto panel = menuPanel()) {
      for (const auto& node : panel->findAll(ui::NodeKind::text)) entries.push_back(node->text().value_or(""));
    }
    return entries;
  }

  std::shared_ptr<platform::SimulatedHost> host;
  std::shared_ptr<KeyboardInputViewController> controller;
};

TEST_F(SystemKeyboardEndToEnd, TheDefaultRootViewIsTheSystemKeyboardWithItsToolbar) {
  EXPECT_EQ(view().findAllOfType<SystemKeyboard>().size(), 1u);
  EXPECT_TRUE(key(ch("q")));
  EXPECT_TRUE(key(KeyboardAction::space()));
  EXPECT_FALSE(view().findAllOfType<AutocompleteToolbar>().empty());
}

TEST_F(SystemKeyboardEndToEnd, FromTheControllerWithoutAWidthTakesItsViewsWidth) {
  SystemKeyboard keyboard(controller, SystemKeyboard::AutocompleteToolbarMode::none, nullptr, std::nullopt,
                          true);
  EXPECT_DOUBLE_EQ(keyboard.keyboardWidth(), controller->view()->frame().width());
  EXPECT_DOUBLE_EQ(keyboard.keyboardWidth(), 390);
  SystemKeyboard narrow(controller, SystemKeyboard::AutocompleteToolbarMode::none, nullptr, 300.0, true);
  EXPECT_DOUBLE_EQ(narrow.keyboardWidth(), 300);
}

TEST_F(SystemKeyboardEndToEnd, ASuggestionTappedAfterTheControllerIsGoneDoesNothing) {
  ui::ViewHost detached(ui::View(SystemKeyboard(
      controller, SystemKeyboard::AutocompleteToolbarMode::automatic, nullptr, std::nullopt, true)));
  detached.layout(platform::Size{390, 260});
  controller->autocompleteContext()->suggestions.set({AutocompleteSuggestion("hello")});
  host->runMainQueue();
  host->releaseKeyboard();
  controller.reset();
  auto suggestion = detached.findText("hello");
  ASSERT_TRUE(suggestion);
  detached.touches().tap(center(suggestion));
  host->runMainQueue();
  EXPECT_EQ(text(), "");
}

TEST_F(SystemKeyboardEndToEnd, TapOnATypesItAndShowsTheInputCalloutWhilePressed) {
  auto touch = view().touches().down(center(ch("a")));
  host->advanceTime(0.05);
  const auto input = controller->calloutContext()->input();
  EXPECT_EQ(input->input(), std::optional<std::string>("a"));
  EXPECT_TRUE(input->isActive());
  view().touches().up(touch);
  host->advanceTime(0.3);
  settle();
  EXPECT_EQ(text(), "a");
  EXPECT_FALSE(input->isActive());
}

TEST_F(SystemKeyboardEndToEnd, ACalloutShownAndHiddenRedrawsItsOverlayNotEveryKey) {
  tap(center(ch("a")));  // the casing settles after the first letter
  const auto keyboard = view().findAllOfType<SystemKeyboard>().at(0);
  const auto overlay = view().findAllOfType<InputCallout>().at(0);
  const std::size_t keyboardEvaluations = keyboard->evaluationCount();
  const std::size_t overlayEvaluations = overlay->evaluationCount();
  tap(center(ch("s")));
  EXPECT_EQ(text(), "as");
  EXPECT_GT(overlay->evaluationCount(), overlayEvaluations);
  EXPECT_EQ(keyboard->evaluationCount(), keyboardEvaluations);
}

TEST_F(SystemKeyboardEndToEnd, LongPressOnESlideAndReleaseTypesTheSelectedAccent) {
  const Point e = center(ch("e"));
  auto touch = view().touches().down(e);
  host->advanceTime(0.7);
  const auto action = controller->calloutContext()->action();
  ASSERT_TRUE(action->isActive());
  EXPECT_EQ(action->actions.get(),
            (std::vector<KeyboardAction>{ch("e"), ch("\u00E8"), ch("\u00E9"), ch("\u00EA"), ch("\u00EB"),
                                         ch("\u0113"), ch("\u0117"), ch("\u0119")}));
  view().touches().move(touch, {e.x + 40, e.y});
  host->advanceTime(0.05);
  view().touches().move(touch, {e.x + 80, e.y});
  host->advanceTime(0.05);
  view().touches().up(touch);
  settle();
  EXPECT_EQ(text(), "\u00E9");
  EXPECT_FALSE(action->isActive());
}

TEST_F(SystemKeyboardEndToEnd, ReplacingTheCalloutProviderKeepsLongPressCallouts) {
  controller->setCalloutActionProvider(std::make_shared<StandardCalloutActionProvider>(
      controller->keyboardContext(), std::vector<std::shared_ptr<LocalizedCalloutActionProvider>>{
                                         StandardCalloutActionProvider::standardProvider()}));
  settle();
  const Point e = center(ch("e"));
  auto touch = view().touches().down(e);
  host->advanceTime(0.7);
  settle();
  ASSERT_TRUE(controller->calloutContext()->action()->isActive());
  // The overlay shows the entries of the context the keys now fill.
  EXPECT_TRUE(view().findAttached(ActionCalloutEntry{ch("\u00E9")}));
  view().touches().up(touch);
  settle();
}

TEST_F(SystemKeyboardEndToEnd, LongPressAndDragOnTheSpaceBarMovesTheCursor) {
  host->setText("hello world");
  settle();
  const Point space = center(KeyboardAction::space());
  auto touch = view().touches().down(space);
  host->advanceTime(0.7);
  for (int step = 1; step <= 10; ++step) {
    view().touches().move(touch, {space.x - 12.0 * step, space.y});
    host->advanceTime(0.02);
  }
  view().touches().up(touch);
  settle();
  EXPECT_EQ(text(), "hello world") << "no space is typed after a long press";
  const auto before = host->hostProxy()->documentContextBeforeInput();
  ASSERT_TRUE(before);
  EXPECT_LT(before->size(), std::string("hello world").size()) << "the cursor moved left";
}

TEST_F(SystemKeyboardEndToEnd, WithoutAHomeButtonTheEmojiKeyStandsWhereTheGlobeWould) {
  // The platform shows its own globe below the keyboard.
  EXPECT_FALSE(key(KeyboardAction::nextKeyboard()));
  tap(center(KeyboardAction::keyboardType(KeyboardType::emojis())));
  EXPECT_EQ(controller->keyboardContext()->keyboardType.get(), KeyboardType::emojis());
  EXPECT_TRUE(view().findAttached(EmojiCategory::animals));
}

TEST_F(SystemKeyboardEndToEnd, TheGlobeKeyHandsItsTouchToTheInputModeSwitch) {
  present(true);
  EXPECT_FALSE(key(KeyboardAction::keyboardType(KeyboardType::emojis())));
  auto globe = key(KeyboardAction::nextKeyboard());
  ASSERT_TRUE(globe);
  tap(center(globe));
  EXPECT_FALSE(host->records().inputModeListCalls.empty());
}

TEST_F(SystemKeyboardEndToEnd, TapOnASuggestionReplacesTheCurrentWord) {
  host->setText("hel");
  settle();
  controller->autocompleteContext()->suggestions.set(
      {AutocompleteSuggestion("hello"), AutocompleteSuggestion("help")});
  settle();
  auto suggestion = view().findText("hello");
  ASSERT_TRUE(suggestion);
  tap(center(suggestion));
  EXPECT_EQ(text(), "hello ");
}

TEST_F(SystemKeyboardEndToEnd, EmojiCategoryThenEmojiTypesIt) {
  controller->keyboardContext()->keyboardType.set(KeyboardType::emojis());
  settle();
  EXPECT_FALSE(key(ch("q")));
  auto animals = view().findAttached(EmojiCategory::animals);
  ASSERT_TRUE(animals);
  tap(center(animals));
  const std::string first = emojis(EmojiCategory::animals).front().char_();
  auto cell = view().findAttached(first);
  ASSERT_TRUE(cell);
  tap(center(cell));
  EXPECT_EQ(text(), first);
}

TEST_F(SystemKeyboardEndToEnd, KeyboardTypeAndLocaleChangesRedrawTheRows) {
  tap(center(KeyboardAction::keyboardType(KeyboardType::numeric())));
  EXPECT_FALSE(key(ch("q")));
  EXPECT_TRUE(key(ch("1")));
  tap(center(view().findText("ABC")));
  EXPECT_TRUE(key(ch("q")));
  const auto before = key(ch("q"));
  controller->keyboardContext()->setLocale(platform::Locale("en_GB"));
  settle();
  EXPECT_TRUE(key(ch("q")));
  EXPECT_NE(key(ch("q")), before) << "a new locale draws new keys";
}

// Two locales give the space bar and the locale key the locale menu; one tap
// must still be one release: two would type two spaces (a sentence end) or
// step the locale twice, back to where it was.
TEST_F(SystemKeyboardEndToEnd, OneTapOnASpaceBarWithTheLocaleMenuTypesOneSpace) {
  auto context = controller->keyboardContext();
  context->setLocales(std::vector<platform::Locale>{platform::Locale("en"), platform::Locale("de")});
  context->spaceLongPressBehavior.set(SpaceLongPressBehavior::openLocaleContextMenu);
  settle();
  ASSERT_FALSE(view().findAllOfType<LocaleContextMenu>().empty());
  for (const auto& action : {ch("h"), ch("i"), KeyboardAction::space(), ch("x")}) tap(center(action));
  EXPECT_EQ(text(), "hi x");
  // A long press is not a tap: it types nothing.
  auto touch = view().touches().down(center(KeyboardAction::space()));
  host->advanceTime(0.7);
  view().touches().up(touch);
  settle();
  EXPECT_EQ(text(), "hi x");
}

// The locale key in the globe's place, and the given locales with the first current.
void SystemKeyboardEndToEnd::useLocaleKey(const std::vector<std::string>& locales) {
  present(true);  // the globe key, which becomes the locale key
  auto context = controller->keyboardContext();
  auto layout = std::make_shared<KeyboardLayout>(*controller->keyboardLayoutProvider()->keyboardLayout(*context));
  auto rows = layout->itemRows();
  for (auto& row : rows) {
    for (auto& item : row) {
      if (item.action == KeyboardAction::nextKeyboard()) item.action = KeyboardAction::nextLocale();
    }
  }
  layout->setItemRows(std::move(rows));
  controller->setKeyboardLayoutProvider(std::make_shared<StaticKeyboardLayoutProvider>(layout));
  std::vector<platform::Locale> all;
  for (const auto& identifier : locales) all.emplace_back(identifier);
  context->setLocales(all);
  context->setLocale(all.front());
  settle();
}

TEST_F(SystemKeyboardEndToEnd, OneTapOnTheLocaleKeyStepsToTheNextLocale) {
  useLocaleKey({"en", "de"});
  auto context = controller->keyboardContext();
  tap(center(KeyboardAction::nextLocale()));
  EXPECT_EQ(context->locale.get().identifier(), "de");
  tap(center(KeyboardAction::nextLocale()));
  EXPECT_EQ(context->locale.get().identifier(), "en");
}

// A long press on a key with the locale menu opens the menu over the keys;
// the key itself neither types nor switches, however long it is held.
TEST_F(SystemKeyboardEndToEnd, ALongPressOnAKeyWithTheLocaleMenuOpensItAndDoesNothingElse) {
  for (const bool spaceBar : {false, true}) {
    SCOPED_TRACE(spaceBar ? "space bar" : "locale key");
    useLocaleKey({"en", "de", "fr"});
    auto context = controller->keyboardContext();
    KeyboardAction key = KeyboardAction::nextLocale();
    if (spaceBar) {
      context->spaceLongPressBehavior.set(SpaceLongPressBehavior::openLocaleContextMenu);
      key = KeyboardAction::space();
      settle();
    }
    host->setText("hi");
    settle();
    auto touch = view().touches().down(center(key));
    host->advanceTime(1.5);
    view().touches().up(touch);
    host->advanceTime(0.3);
    settle();
    EXPECT_EQ(context->locale.get().identifier(), "en");
    EXPECT_EQ(text(), "hi");
    ASSERT_TRUE(view().presentedMenu());
    EXPECT_EQ(menuEntries(), (std::vector<std::string>{"English", "Deutsch", "français"}));
  }
}

TEST_F(SystemKeyboardEndToEnd, AnEntryOfTheLocaleMenuSelectsItsLocaleAndATapBesideClosesIt) {
  useLocaleKey({"en", "de", "fr"});
  auto context = controller->keyboardContext();
  ASSERT_NO_FATAL_FAILURE(openLocaleMenu());
  auto deutsch = menuPanel()->findText("Deutsch");
  ASSERT_TRUE(deutsch);
  tap(center(deutsch));
  EXPECT_EQ(context->locale.get().identifier(), "de");
  EXPECT_FALSE(view().presentedMenu());
  EXPECT_TRUE(view().findAllOfType<ui::MenuPresentation>().empty());

  ASSERT_NO_FATAL_FAILURE(openLocaleMenu());
  EXPECT_EQ(menuEntries(), (std::vector<std::string>{"Deutsch", "English", "français"})) << "the current first";
  const Point q = center(ch("q"));
  ASSERT_FALSE(menuPanel()->frame.contains(q));
  tap(q);
  EXPECT_FALSE(view().presentedMenu());
  EXPECT_EQ(context->locale.get().identifier(), "de");
  EXPECT_EQ(text(), "") << "the tap beside the menu only closes it";
  tap(q);
  EXPECT_EQ(text(), "q");
}

TEST_F(SystemKeyboardEndToEnd, TheLocaleMenuClosesWhenTheKeyboardHidesTurnsOrChangesLocaleElsewhere) {
  const std::vector<std::pair<std::string, std::function<void()>>> closers = {
      {"hidden and shown",
       [this] {
         host->hideKeyboard();
         settle();
         host->showKeyboard();
       }},
      {"locale set by the app", [this] { controller->keyboardContext()->setLocale(platform::Locale("de")); }},
      {"device turned", [this] { host->rotate(platform::ScreenOrientation::landscapeRight); }},
  };
  for (const auto& [name, close] : closers) {
    SCOPED_TRACE(name);
    useLocaleKey({"en", "de"});
    ASSERT_NO_FATAL_FAILURE(openLocaleMenu());
    close();
    settle();
    EXPECT_FALSE(view().presentedMenu());
    EXPECT_TRUE(view().findAllOfType<ui::MenuPresentation>().empty());
    tap(center(ch("q")));
    EXPECT_EQ(text(), "q");
  }
}

// A touch taken away is not lifted: the callout entry under it is not typed.
TEST_F(SystemKeyboardEndToEnd, ATouchTakenAwayFromAnOpenCalloutTypesNothingAndClosesIt) {
  const std::vector<std::pair<std::string, std::function<void(ui::TouchId)>>> takeAways = {
      {"cancelled", [this](ui::TouchId touch) { view().touches().cancel(touch); }},
      {"keyboard hidden", [this](ui::TouchId) { host->hideKeyboard(); }},
  };
  for (const auto& [name, takeAway] : takeAways) {
    SCOPED_TRACE(name);
    present(false);
    const Point e = center(ch("e"));
    auto touch = view().touches().down(e);
    host->advanceTime(0.7);
    view().touches().move(touch, {e.x + 80, e.y});
    host->advanceTime(0.05);
    const auto action = controller->calloutContext()->action();
    ASSERT_EQ(action->selectedAction(), ch("\u00E9"));
    takeAway(touch);
    host->showKeyboard();
    settle();
    EXPECT_FALSE(view().touches().isActive(touch));
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(action->isActive());
  }
}

// Answers a second after it is asked, on the main queue: by then the next
// key has been typed. It completes every word it is asked for with "her"
// and proposes that as the autocomplete.
class LateProvider : public DisabledAutocompleteProvider {
 public:
  void autocompleteSuggestions(const std::string& text, const AutocompleteCompletion& completion) override {
    const std::string word = text + "her";
    platform::MainQueue::main().asyncAfter(1.0, [completion, word] {
      completion(std::vector<AutocompleteSuggestion>{AutocompleteSuggestion(word, std::nullopt, true)});
    });
  }
};

TEST_F(SystemKeyboardEndToEnd, ASpaceTypedBeforeTheAnswerForTheNewWordAppliesNoOtherWordsSuggestion) {
  controller->setAutocompleteProvider(std::make_shared<LateProvider>());
  host->setText("Nice ");
  settle();
  for (const char* letter : {"w", "e", "a"}) tap(center(ch(letter)));
  host->advanceTime(1.0);
  settle();
  ASSERT_TRUE(view().findText("weaher")) << "the answer for \"wea\" is shown";

  tap(center(ch("t")));
  EXPECT_FALSE(view().findText("weaher")) << "computed for another word";
  EXPECT_TRUE(controller->autocompleteContext()->suggestions.get().empty());
  tap(center(KeyboardAction::space()));
  EXPECT_EQ(text(), "Nice weat ");

  host->advanceTime(2.0);  // the answers for "weat" come in after the word ended
  settle();
  EXPECT_FALSE(view().findText("weather"));
  EXPECT_EQ(text(), "Nice weat ");
}

TEST_F(SystemKeyboardEndToEnd, ALayoutWithoutRowsStillShowsTheToolbar) {
  controller->setKeyboardLayoutProvider(std::make_shared<StaticKeyboardLayoutProvider>(
      std::make_shared<KeyboardLayout>(KeyboardLayoutItemRows{})));
  controller->keyboardContext()->setLocale(platform::Locale("en_GB"));  // any change rebuilds the keyboard
  settle();
  EXPECT_FALSE(key(KeyboardAction::space()));
  EXPECT_FALSE(view().findAllOfType<AutocompleteToolbar>().empty());
  EXPECT_EQ(view().findAllOfType<SystemKeyboard>().size(), 1u);
}

}  // namespace
}  // namespace keyloom
