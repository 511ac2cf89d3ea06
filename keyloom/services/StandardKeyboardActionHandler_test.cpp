#include "keyloom/services/StandardKeyboardActionHandler.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "keyloom/autocomplete/DisabledAutocompleteProvider.h"
#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/gestures/SpaceCursorDragGestureHandler.h"
#include "keyloom/gestures/StandardKeyboardFeedbackHandler.h"
#include "keyloom/state/EmojiCategory.h"
#include "keyloom/state/RepeatGestureTimer.h"
#include "keyloom/state/StandardKeyboardBehavior.h"
#include "keyloom/text/ProxyState.h"
#include "platform/feedback/FeedbackLog.h"
#include "platform/input/InMemoryTextDocumentProxy.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/Primitives.h"
#include "testing/RecordingKeyboardController.h"

namespace keyloom {
namespace {

using platform::SimulatedHost;
using platform::SimulatedHostConfiguration;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Log = std::vector<std::string>;

// A controller that only logs the two calls that close a run.
class LoggingController : public RecordingKeyboardController {
 public:
  explicit LoggingController(Log& log) : log_(log) {}
  void performAutocomplete() override { log_.push_back("performAutocomplete"); }
  void performTextContextSync() override { log_.push_back("performTextContextSync"); }

 private:
  Log& log_;
};

// Logs every step as the pipeline calls it, then runs the handler's own.
class SpyHandler : public StandardKeyboardActionHandler {
 public:
  SpyHandler(Log& log, const std::shared_ptr<KeyboardController>& controller,
             const std::shared_ptr<KeyboardContext>& context)
      : StandardKeyboardActionHandler(
            controller, context, std::make_shared<StandardKeyboardBehavior>(context, 0.5, 3.0, RepeatGestureTimer::shared()),
            std::make_shared<StandardKeyboardFeedbackHandler>(KeyboardFeedbackSettings::standard()),
            std::make_shared<AutocompleteContext>(), nullptr, SpaceDragSensitivity::medium()),
        log_(log) {}

  bool tryHandleReplacementAction(KeyboardGesture g, const KeyboardAction& a) override {
    log_.push_back("replacement");
    return StandardKeyboardActionHandler::tryHandleReplacementAction(g, a);
  }
  void triggerFeedback(KeyboardGesture g, const KeyboardAction& a) override {
    log_.push_back(shouldTriggerFeedback(g, a) ? "feedback" : "noFeedback");
    StandardKeyboardActionHandler::triggerFeedback(g, a);
  }
  void tryUpdateSpaceDragState(KeyboardGesture g, const KeyboardAction& a) override {
    log_.push_back("spaceDrag");
    StandardKeyboardActionHandler::tryUpdateSpaceDragState(g, a);
  }
  KeyboardActionClosure action(KeyboardGesture g, const KeyboardAction& a) override {
    if (quiet_) return StandardKeyboardActionHandler::action(g, a);
    log_.push_back("lookup");
    auto closure = StandardKeyboardActionHandler::action(g, a);
    if (!closure) return closure;
    return [this, closure](KeyboardController* controller) {
      log_.push_back("closure");
      closure(controller);
    };
  }
  bool shouldTriggerFeedback(KeyboardGesture g, const KeyboardAction& a) override {
    quiet_ = true;  // its closure lookups are not pipeline steps
    const bool result = StandardKeyboardActionHandler::shouldTriggerFeedback(g, a);
    quiet_ = false;
    return result;
  }
  void tryRemoveAutocompleteInsertedSpace(KeyboardGesture g, const KeyboardAction& a) override {
    log_.push_back("removeSpace");
    StandardKeyboardActionHandler::tryRemoveAutocompleteInsertedSpace(g, a);
  }
  void tryApplyAutocompleteSuggestion(KeyboardGesture g, const KeyboardAction& a) override {
    log_.push_back("suggestion");
    StandardKeyboardActionHandler::tryApplyAutocompleteSuggestion(g, a);
  }
  void tryReinsertAutocompleteRemovedSpace(KeyboardGesture g, const KeyboardAction& a) override {
    log_.push_back("reinsertSpace");
    StandardKeyboardActionHandler::tryReinsertAutocompleteRemovedSpace(g, a);
  }
  void tryEndSentence(KeyboardGesture g, const KeyboardAction& a) override {
    log_.push_back("endSentence");
    StandardKeyboardActionHandler::tryEndSentence(g, a);
  }
  void tryChangeKeyboardType(KeyboardGesture g, const KeyboardAction& a) override {
    log_.push_back("keyboardType");
    StandardKeyboardActionHandler::tryChangeKeyboardType(g, a);
  }
  void tryRegisterEmoji(KeyboardGesture g, const KeyboardAction& a) override {
    log_.push_back("emoji");
    StandardKeyboardActionHandler::tryRegisterEmoji(g, a);
  }

 private:
  Log& log_;
  bool quiet_ = false;
};

const Log kFullRun{"replacement", "noFeedback", "spaceDrag",   "lookup",       "removeSpace",
                   "suggestion",  "closure",    "reinsertSpace", "endSentence", "keyboardType",
                   "emoji",       "performAutocomplete", "performTextContextSync"};

class PipelineTest : public ::testing::Test {
 protected:
  PipelineTest() {
    proxy = platform::InMemoryTextDocumentProxy::make("Hi ");
    context = std::make_shared<KeyboardContext>();
    context->textDocumentProxy = proxy;
    controller = std::make_shared<LoggingController>(log);
    handler = std::make_shared<SpyHandler>(log, controller, context);
  }
  Log run(KeyboardGesture gesture, const KeyboardAction& action) {
    log.clear();
    handler->handle(gesture, action);
    return log;
  }

  Log log;
  std::shared_ptr<platform::InMemoryTextDocumentProxy> proxy;
  std::shared_ptr<KeyboardContext> context;
  std::shared_ptr<LoggingController> controller;
  std::shared_ptr<SpyHandler> handler;
};

TEST_F(PipelineTest, APressOnACharacterOnlyGivesFeedback) {
  EXPECT_THAT(run(KeyboardGesture::press, KeyboardAction::character("a")),
              ElementsAre("replacement", "feedback", "spaceDrag", "lookup"));
  EXPECT_THAT(controller->calls, IsEmpty());
}

TEST_F(PipelineTest, AReleaseRunsEveryStepInOrderWithoutFeedback) {
  EXPECT_EQ(run(KeyboardGesture::release, KeyboardAction::character("a")), kFullRun);
  EXPECT_EQ(controller->calls.front(), RecordingKeyboardController::Call::insertText("a"));
}

TEST_F(PipelineTest, LongPressRepeatAndDoubleTapSkipNothingButTheirOwnClosures) {
  Log longPress = kFullRun;
  longPress[1] = "feedback";
  EXPECT_EQ(run(KeyboardGesture::longPress, KeyboardAction::space()), longPress);
  Log repeat = kFullRun;
  repeat[1] = "feedback";
  EXPECT_EQ(run(KeyboardGesture::repeatPress, KeyboardAction::backspace()), repeat);
  EXPECT_THAT(run(KeyboardGesture::doubleTap, KeyboardAction::shift(KeyboardCase::lowercased)),
              ElementsAre("replacement", "noFeedback", "spaceDrag", "lookup"));
}

TEST_F(PipelineTest, BackspaceActsOnPress) {
  Log press = kFullRun;
  press[1] = "feedback";
  EXPECT_EQ(run(KeyboardGesture::press, KeyboardAction::backspace()), press);
  EXPECT_EQ(controller->calls.front(), RecordingKeyboardController::Call::of(
                                           RecordingKeyboardController::Operation::deleteBackward));
  EXPECT_THAT(run(KeyboardGesture::release, KeyboardAction::backspace()),
              ElementsAre("replacement", "noFeedback", "spaceDrag", "lookup"));
}

TEST_F(PipelineTest, AnActionWithoutClosuresEndsAfterTheFeedbackDecision) {
  for (KeyboardGesture gesture : {KeyboardGesture::press, KeyboardGesture::release, KeyboardGesture::longPress}) {
    EXPECT_THAT(run(gesture, KeyboardAction::none()), ElementsAre("replacement", "noFeedback", "spaceDrag", "lookup"));
  }
  EXPECT_THAT(controller->calls, IsEmpty());
}

TEST_F(PipelineTest, AReplacementRunsInPlaceOfTheActionAndIsNeverReplacedAgain) {
  proxy->sharedInput()->setText("");
  context->setLocale(platform::Locale("en"));
  // A closing mark with no quotation open becomes the opening one.
  const Log got = run(KeyboardGesture::release, KeyboardAction::character("\u201D"));
  ASSERT_FALSE(got.empty());
  EXPECT_EQ(got[0], "replacement");
  EXPECT_EQ(std::count(got.begin(), got.end(), "replacement"), 1) << "the replacement is not asked again";
  EXPECT_EQ(std::count(got.begin(), got.end(), "closure"), 1);
  ASSERT_EQ(controller->calls.size(), 1u);
  EXPECT_EQ(controller->calls[0], RecordingKeyboardController::Call::insertText("\u201C"));
}

TEST_F(PipelineTest, CentralKurdishWritesHehForTheDoachashmeeForm) {
  const std::pair<const char*, const char*> cases[] = {
      {"ckb", "\u0647"}, {"ckb_IQ", "\u0647"}, {"en", "\u06BE"}, {"ar", "\u06BE"}};
  for (const auto& [locale, inserted] : cases) {
    SCOPED_TRACE(locale);
    context->setLocale(platform::Locale(locale));
    controller->calls.clear();
    run(KeyboardGesture::release, KeyboardAction::character("\u06BE"));
    ASSERT_EQ(controller->calls.size(), 1u);
    EXPECT_EQ(controller->calls[0], RecordingKeyboardController::Call::insertText(inserted));
  }
}

TEST_F(PipelineTest, OnlyAReleaseGetsReplacementsSuggestionsSpaceEditsAndEmojis) {
  handler->autocompleteContext()->suggestions = {AutocompleteSuggestion("Hello", std::nullopt, true)};
  const KeyboardAction actions[] = {KeyboardAction::character("."), KeyboardAction::character("\""),
                                    KeyboardAction::space(), KeyboardAction::emoji(Emoji("\U0001F600"))};
  for (KeyboardGesture gesture : {KeyboardGesture::doubleTap, KeyboardGesture::longPress, KeyboardGesture::repeatPress,
                                  KeyboardGesture::press}) {
    for (const auto& action : actions) {
      SCOPED_TRACE(action);
      proxy->sharedInput()->setText("Hi hel ");
      setAutocompleteSpaceState(AutocompleteSpaceState::autoInserted);
      EXPECT_EQ(handler->replacementAction(gesture, action), std::nullopt);
      handler->tryRemoveAutocompleteInsertedSpace(gesture, action);
      handler->tryApplyAutocompleteSuggestion(gesture, action);
      handler->tryRegisterEmoji(gesture, action);
      EXPECT_EQ(proxy->documentContextBeforeInput(), "Hi hel ");
      EXPECT_EQ(autocompleteSpaceState(), AutocompleteSpaceState::autoInserted);
    }
  }
  EXPECT_THAT(frequentEmojiProvider()->emojis(), IsEmpty());
}

TEST_F(PipelineTest, TheSystemReturnKeyAppliesTheSuggestionAndDoneDoesNot) {
  handler->autocompleteContext()->suggestions = {AutocompleteSuggestion("hi"),
                                                 AutocompleteSuggestion("hello", std::nullopt, true)};
  const std::pair<KeyboardReturnKeyType, const char*> cases[] = {
      {KeyboardReturnKeyType::return_(), "Hi hello"},
      {KeyboardReturnKeyType::newLine(), "Hi hello"},
      {KeyboardReturnKeyType::done(), "Hi helo"},
      {KeyboardReturnKeyType::search(), "Hi helo"}};
  for (const auto& [type, text] : cases) {
    SCOPED_TRACE(text);
    proxy->sharedInput()->setText("Hi helo");
    handler->tryApplyAutocompleteSuggestion(KeyboardGesture::release, KeyboardAction::primary(type));
    EXPECT_EQ(proxy->documentContextBeforeInput(), text);
  }
  proxy->sharedInput()->setText("Hi ");
  handler->tryApplyAutocompleteSuggestion(KeyboardGesture::release, KeyboardAction::space());
  EXPECT_EQ(proxy->documentContextBeforeInput(), "Hi ") << "the cursor is at a new word";
}

TEST_F(PipelineTest, AGoneControllerStillRunsTheProxySteps) {
  handler->autocompleteContext()->suggestions = {AutocompleteSuggestion("hello", std::nullopt, true)};
  proxy->sharedInput()->setText("Hi helo");
  controller.reset();
  EXPECT_EQ(handler->keyboardController(), nullptr);
  Log expected(kFullRun.begin(), kFullRun.end() - 2);
  EXPECT_EQ(run(KeyboardGesture::release, KeyboardAction::space()), expected);
  EXPECT_EQ(proxy->documentContextBeforeInput(), "Hi hello") << "applied, but nothing typed the space";
}

TEST_F(PipelineTest, HandleRunsOnlyTheStandardClosure) {
  EXPECT_TRUE(handler->canHandle(KeyboardGesture::release, KeyboardAction::character("a")));
  EXPECT_FALSE(handler->canHandle(KeyboardGesture::press, KeyboardAction::character("a")));
  log.clear();
  handler->handle(KeyboardAction::character("a"));
  handler->handle(KeyboardAction::backspace());
  EXPECT_THAT(log, IsEmpty());
  EXPECT_EQ(controller->calls.size(), 2u);
}

TEST_F(PipelineTest, FeedbackAtPressForKeysThatActAndNeverAtRelease) {
  struct Case {
    KeyboardGesture gesture;
    KeyboardAction action;
    bool feedback;
  };
  const Case cases[] = {
      {KeyboardGesture::press, KeyboardAction::character("a"), true},
      {KeyboardGesture::press, KeyboardAction::backspace(), true},
      {KeyboardGesture::press, KeyboardAction::none(), false},
      {KeyboardGesture::release, KeyboardAction::character("a"), false},
      {KeyboardGesture::release, KeyboardAction::character(""), false},
      {KeyboardGesture::longPress, KeyboardAction::space(), true},
      {KeyboardGesture::longPress, KeyboardAction::character("a"), false},
      {KeyboardGesture::repeatPress, KeyboardAction::backspace(), true},
      {KeyboardGesture::doubleTap, KeyboardAction::space(), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.action);
    EXPECT_EQ(handler->shouldTriggerFeedback(c.gesture, c.action), c.feedback);
  }
}

// ---- End to end: the hosted controller's handler, gestures at clock times

// Suggests the capitalised or corrected word, marked to be applied.
class CorrectingProvider : public DisabledAutocompleteProvider {
 public:
  void autocompleteSuggestions(const std::string& text, const AutocompleteCompletion& completion) override {
    std::vector<AutocompleteSuggestion> suggestions;
    if (auto it = corrections.find(text); it != corrections.end()) {
      suggestions.emplace_back(text, std::nullopt, false, true);
      suggestions.emplace_back(it->second, std::nullopt, true);
    }
    completion(suggestions);
  }
  std::map<std::string, std::string> corrections{{"hello", "Hello"}, {"teh", "the"}};
};

class TypingTest : public ::testing::Test {
 protected:
  void present(const std::string& text = "") {
    SimulatedHostConfiguration configuration;
    configuration.text = text;
    host = SimulatedHost::make(configuration);
    controller = std::static_pointer_cast<KeyboardInputViewController>(
        host->presentKeyboard([] { return std::make_shared<KeyboardInputViewController>(); }));
    controller->setAutocompleteProvider(std::make_shared<CorrectingProvider>());
    host->runMainQueue();
    handler = controller->keyboardActionHandler();
  }
  void tap(const KeyboardAction& action) {
    handler->handle(KeyboardGesture::press, action);
    host->advanceTime(0.05);
    handler->handle(KeyboardGesture::release, action);
    host->advanceTime(0.1);
  }
  void type(const std::string& letters) {
    for (char letter : letters) tap(KeyboardAction::character(std::string(1, letter)));
  }
  // Holds the space bar, drags it by `steps` cursor steps (5 points each,
  // negative to the left) and lets go.
  void dragSpace(int steps, platform::Point anchor = {100, 20}) {
    handler->handle(KeyboardGesture::press, KeyboardAction::space());
    host->advanceTime(0.5);
    handler->handle(KeyboardGesture::longPress, KeyboardAction::space());
    handler->handleDrag(KeyboardAction::space(), anchor, anchor);
    handler->handleDrag(KeyboardAction::space(), anchor, {anchor.x + 5.0 * steps, anchor.y});
    host->advanceTime(0.2);
    handler->handle(KeyboardGesture::release, KeyboardAction::space());
    host->advanceTime(0.1);
  }
  std::string text() const { return host->textField().text(); }

  std::shared_ptr<SimulatedHost> host;
  std::shared_ptr<KeyboardInputViewController> controller;
  std::shared_ptr<KeyboardActionHandler> handler;
};

TEST_F(TypingTest, TheDefaultHandlerIsTheStandardOneOnThisController) {
  present();
  auto standard = std::dynamic_pointer_cast<StandardKeyboardActionHandler>(handler);
  ASSERT_TRUE(standard);
  EXPECT_EQ(standard->keyboardController(), controller);
  EXPECT_EQ(standard->keyboardContext(), controller->keyboardContext());
  EXPECT_EQ(standard->autocompleteContext(), controller->autocompleteContext());
  EXPECT_EQ(standard->keyboardBehavior(), controller->keyboardBehavior());
  EXPECT_EQ(standard->keyboardFeedbackHandler(), controller->keyboardFeedbackHandler());
  auto drag = std::dynamic_pointer_cast<SpaceCursorDragGestureHandler>(standard->spaceDragGestureHandler());
  ASSERT_TRUE(drag);
  EXPECT_EQ(drag->sensitivity(), SpaceDragSensitivity::medium());
  EXPECT_EQ(drag->verticalThreshold(), 50);
}

TEST_F(TypingTest, ASpaceAppliesTheSuggestionForTheTypedWord) {
  present();
  platform::FeedbackLog::clear();
  type("hello");
  EXPECT_EQ(platform::FeedbackLog::played().size(), 5u) << "one click per press, none per release";
  tap(KeyboardAction::space());
  EXPECT_EQ(text(), "Hello ");
  EXPECT_EQ(autocompleteSpaceState(), AutocompleteSpaceState::none) << "the space bar typed that space";

  // A suggestion picked from the toolbar adds the space, which a delimiter
  // typed next goes before.
  type("wor");
  controller->insertAutocompleteSuggestion(AutocompleteSuggestion("world"));
  EXPECT_EQ(text(), "Hello world ");
  tap(KeyboardAction::character(","));
  EXPECT_EQ(text(), "Hello world, ");
}

TEST_F(TypingTest, TypingWithAProviderThatNeverSuggestsDoesNotRebuildTheKeyboard) {
  present("So ");
  controller->setAutocompleteProvider(std::make_shared<DisabledAutocompleteProvider>());
  int builds = 0;
  controller->setup([&] {
    ++builds;
    return platform::ui::EmptyView();
  });
  type("abc");
  EXPECT_EQ(text(), "So abc");
  EXPECT_EQ(builds, 1);
}

TEST_F(TypingTest, AQuickDoubleSpaceEndsTheSentence) {
  present();
  type("hi");
  tap(KeyboardAction::space());
  tap(KeyboardAction::space());
  EXPECT_EQ(text(), "hi. ");
  type("yo");
  tap(KeyboardAction::space());
  host->advanceTime(3.5);
  tap(KeyboardAction::space());
  EXPECT_EQ(text(), "hi. yo  ") << "too slow";
}

TEST_F(TypingTest, ANumberThenSpaceReturnsToLetters) {
  present("I have");
  tap(KeyboardAction::space());
  tap(KeyboardAction::keyboardType(KeyboardType::numeric()));
  EXPECT_EQ(controller->keyboardContext()->keyboardType.get(), KeyboardType::numeric());
  tap(KeyboardAction::character("2"));
  EXPECT_EQ(controller->keyboardContext()->keyboardType.get(), KeyboardType::numeric());
  tap(KeyboardAction::space());
  EXPECT_EQ(text(), "I have 2 ");
  EXPECT_TRUE(controller->keyboardContext()->keyboardType->isAlphabetic());
}

TEST_F(TypingTest, ATappedEmojiIsRegisteredAsRecent) {
  present();
  tap(KeyboardAction::emoji(Emoji("\U0001F600")));
  tap(KeyboardAction::emoji(Emoji("\U0001F43B\u200D\u2744\uFE0F")));
  EXPECT_EQ(text(), "\U0001F600\U0001F43B\u200D\u2744\uFE0F");
  const auto recent = frequentEmojiProvider()->emojis();
  ASSERT_GE(recent.size(), 2u);
  EXPECT_EQ(recent[0].char_(), "\U0001F43B\u200D\u2744\uFE0F");
  EXPECT_EQ(recent[1].char_(), "\U0001F600");
}

TEST_F(TypingTest, ASpaceDragMovesTheCursorAndTheNextSpaceStillAutocorrects) {
  present("one two");
  dragSpace(-4);  // to just after "one"
  EXPECT_EQ(text(), "one  two") << "the drag's release applies nothing, then types its space";
  type("teh");
  tap(KeyboardAction::space());
  EXPECT_EQ(text(), "one the  two");

  // A new drag from the old anchor point starts from nothing.
  host->advanceTime(4);
  dragSpace(0);
  EXPECT_EQ(text(), "one the   two");
  EXPECT_EQ(host->textField().cursorOffset(), 9u);
}

TEST_F(TypingTest, DragsMoveTheCursorOnlyWhenArmedAndSetToMoveIt) {
  present("abcdef");
  auto space = KeyboardAction::space();
  handler->handleDrag(space, {100, 20}, {80, 20});
  EXPECT_EQ(host->textField().cursorOffset(), 6u) << "not armed";

  handler->handle(KeyboardGesture::press, space);
  handler->handle(KeyboardGesture::longPress, space);
  controller->keyboardContext()->spaceLongPressBehavior = SpaceLongPressBehavior::openLocaleContextMenu;
  handler->handleDrag(space, {100, 20}, {80, 20});
  EXPECT_EQ(host->textField().cursorOffset(), 6u) << "the locale menu owns the long press";

  controller->keyboardContext()->spaceLongPressBehavior = SpaceLongPressBehavior::moveInputCursor;
  handler->handleDrag(space, {0, 0}, {80, 20});
  EXPECT_EQ(host->textField().cursorOffset(), 6u) << "the first event only sets the anchor";
  handler->handleDrag(space, {0, 0}, {70, 20});
  EXPECT_EQ(host->textField().cursorOffset(), 4u);
  handler->handleDrag(KeyboardAction::character("a"), {0, 0}, {10, 20});
  EXPECT_EQ(host->textField().cursorOffset(), 4u) << "only the space bar drags";
}

}  // namespace
}  // namespace keyloom
