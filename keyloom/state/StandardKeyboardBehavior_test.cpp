#include "keyloom/state/StandardKeyboardBehavior.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "keyloom/state/StaticKeyboardBehavior.h"
#include "keyloom/text/TextDocumentProxyOperations.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/MainQueue.h"
#include "platform/input/InMemoryTextDocumentProxy.h"

namespace keyloom {
namespace {

using platform::InMemoryTextDocumentProxy;

constexpr KeyboardGesture release = KeyboardGesture::release;

KeyboardType alphabetic(KeyboardCase casing) { return KeyboardType::alphabetic(casing); }

void wait(platform::TimeInterval seconds) { platform::currentManualClock()->advance(seconds); }

class StandardKeyboardBehaviorTest : public ::testing::Test {
 protected:
  StandardKeyboardBehaviorTest() {
    proxy->input().setTraits({});  // the field does not capitalize
    context->textDocumentProxy = proxy;
    context->locale = platform::Locale("en");
  }

  // The handler asks after the key's own action has run.
  bool typeSpace() {
    proxy->insertText(" ");
    return behavior.shouldEndSentence(release, KeyboardAction::space());
  }
  // What the handler would make of a released shift: the shift key itself has
  // already switched the casing.
  KeyboardType releaseShift() {
    return behavior.preferredKeyboardType(release, KeyboardAction::shift(KeyboardCase::lowercased));
  }

  std::shared_ptr<KeyboardContext> context = std::make_shared<KeyboardContext>();
  std::shared_ptr<InMemoryTextDocumentProxy> proxy = std::make_shared<InMemoryTextDocumentProxy>();
  std::shared_ptr<RepeatGestureTimer> timer = std::make_shared<RepeatGestureTimer>();
  StandardKeyboardBehavior behavior{context, 0.5, 3.0, timer};
};

TEST_F(StandardKeyboardBehaviorTest, StandardValues) {
  StandardKeyboardBehavior standard(context);
  EXPECT_EQ(standard.doubleTapThreshold(), 0.5);
  EXPECT_EQ(standard.endSentenceThreshold(), 3.0);
  EXPECT_EQ(standard.repeatGestureTimer(), RepeatGestureTimer::shared());
  EXPECT_EQ(standard.lastShiftCheck(), platform::Date::distantPast());
  EXPECT_EQ(standard.lastSpaceTap(), platform::Date::distantPast());
}

TEST_F(StandardKeyboardBehaviorTest, BackspaceDeletesWordsAfterThreeSecondsOfRepeat) {
  EXPECT_EQ(behavior.backspaceRange(), DeleteBackwardRange::character);
  timer->start([] {});
  wait(3.0);
  EXPECT_EQ(behavior.backspaceRange(), DeleteBackwardRange::character);
  wait(0.001);
  EXPECT_EQ(behavior.backspaceRange(), DeleteBackwardRange::word);
  timer->stop();
  EXPECT_EQ(behavior.backspaceRange(), DeleteBackwardRange::character);
}

TEST_F(StandardKeyboardBehaviorTest, TheWordDelayIgnoresTheEndSentenceThreshold) {
  StandardKeyboardBehavior quick(context, 0.5, 1.0, timer);
  timer->start([] {});
  wait(2.0);
  EXPECT_EQ(quick.backspaceRange(), DeleteBackwardRange::character);
}

TEST_F(StandardKeyboardBehaviorTest, TheFirstSpaceAfterAppearingIsASingleTap) {
  proxy->insertText("Hello ");
  EXPECT_FALSE(typeSpace());
  EXPECT_EQ(behavior.lastSpaceTap(), platform::Date::now());
}

TEST_F(StandardKeyboardBehaviorTest, QuickDoubleSpaceEndsTheSentence) {
  proxy->insertText("Hello");
  EXPECT_FALSE(typeSpace());
  wait(0.4);
  ASSERT_TRUE(typeSpace());
  endSentence(*proxy);
  EXPECT_EQ(proxy->documentContextBeforeInput(), "Hello. ");
}

TEST_F(StandardKeyboardBehaviorTest, SlowDoubleSpaceDoesNotEndTheSentence) {
  proxy->insertText("Hello");
  typeSpace();
  wait(3.0);
  EXPECT_FALSE(typeSpace()) << "exactly the threshold is too slow";
  EXPECT_EQ(proxy->documentContextBeforeInput(), "Hello  ");
}

TEST_F(StandardKeyboardBehaviorTest, EndingNeedsTwoSpacesAfterAWordInOneSentence) {
  proxy->insertText("Hello. ");
  wait(0.1);
  EXPECT_FALSE(typeSpace()) << "already at a new sentence";

  auto single = std::make_shared<InMemoryTextDocumentProxy>();
  context->textDocumentProxy = single;
  single->insertText("Hello ");
  behavior.setLastSpaceTap(platform::Date::now());
  EXPECT_FALSE(behavior.shouldEndSentence(release, KeyboardAction::space())) << "only one space";
}

TEST_F(StandardKeyboardBehaviorTest, TwoSpacesEndASentenceOnlyRightAfterItsWord) {
  const struct {
    const char* before;
    bool ends;
  } cases[] = {
      {"Hello  ", true},       {"Hello\n  ", false},  {"Hello\n\n  ", false},
      {"Hello   ", false},     {"Hello\t  ", false},  {"  ", false},
      {"Grüße  ", true},       {"Hello\u00A0  ", false},
  };
  for (const auto& c : cases) {
    auto text = std::make_shared<InMemoryTextDocumentProxy>();
    text->input().setTraits({});
    context->textDocumentProxy = text;
    text->insertText(c.before);
    behavior.setLastSpaceTap(platform::Date::now());
    EXPECT_EQ(behavior.shouldEndSentence(release, KeyboardAction::space()), c.ends) << c.before;
  }
}

TEST_F(StandardKeyboardBehaviorTest, OnlyAReleasedSpaceCountsAsATap) {
  proxy->insertText("Hello  ");
  behavior.setLastSpaceTap(platform::Date::now());
  const platform::Date before = behavior.lastSpaceTap();
  wait(0.2);
  EXPECT_FALSE(behavior.shouldEndSentence(KeyboardGesture::longPress, KeyboardAction::space()));
  EXPECT_FALSE(behavior.shouldEndSentence(release, KeyboardAction::character(" ")));
  EXPECT_EQ(behavior.lastSpaceTap(), before);
  EXPECT_TRUE(behavior.shouldEndSentence(release, KeyboardAction::space()));
}

TEST_F(StandardKeyboardBehaviorTest, QuickDoubleShiftLocksCapitals) {
  context->keyboardType = alphabetic(KeyboardCase::uppercased);
  EXPECT_EQ(releaseShift(), alphabetic(KeyboardCase::uppercased))
      << "the first tap after appearing is single";
  wait(0.3);
  EXPECT_EQ(releaseShift(), alphabetic(KeyboardCase::capsLocked));
  context->keyboardType = alphabetic(KeyboardCase::capsLocked);
  wait(0.3);
  EXPECT_FALSE(behavior.shouldSwitchToCapsLock(release, KeyboardAction::shift(KeyboardCase::capsLocked)))
      << "a third quick tap is measured from a second back";
}

TEST_F(StandardKeyboardBehaviorTest, ShiftTapsExactlyAtTheThresholdAreSingle) {
  const auto shift = KeyboardAction::shift(KeyboardCase::lowercased);
  EXPECT_FALSE(behavior.shouldSwitchToCapsLock(release, shift));
  wait(0.5);
  EXPECT_FALSE(behavior.shouldSwitchToCapsLock(release, shift));
}

TEST_F(StandardKeyboardBehaviorTest, ShiftOffLettersNeverLocks) {
  const auto shift = KeyboardAction::shift(KeyboardCase::lowercased);
  behavior.setLastShiftCheck(platform::Date::now());
  const platform::Date before = behavior.lastShiftCheck();
  for (const KeyboardType& type :
       {KeyboardType::numeric(), KeyboardType::symbolic(), KeyboardType::emojis()}) {
    context->keyboardType = type;
    wait(0.1);
    EXPECT_FALSE(behavior.shouldSwitchToCapsLock(release, shift));
  }
  EXPECT_EQ(behavior.lastShiftCheck(), before);
  EXPECT_FALSE(behavior.shouldSwitchToCapsLock(release, KeyboardAction::character("a")));
}

TEST_F(StandardKeyboardBehaviorTest, BackToLettersAfterASpaceFollowingANumber) {
  context->keyboardType = KeyboardType::numeric();
  proxy->insertText("Call 12");
  EXPECT_FALSE(behavior.shouldSwitchToPreferredKeyboardType(KeyboardGesture::press, KeyboardAction::space()));
  proxy->insertText(" ");
  EXPECT_EQ(context->keyboardType.get(), KeyboardType::numeric()) << "nothing is read on a press";

  ASSERT_TRUE(behavior.shouldSwitchToPreferredKeyboardType(release, KeyboardAction::space()));
  EXPECT_EQ(behavior.preferredKeyboardType(release, KeyboardAction::space()),
            alphabetic(KeyboardCase::lowercased));
  EXPECT_EQ(context->keyboardType.get(), alphabetic(KeyboardCase::lowercased));
}

TEST_F(StandardKeyboardBehaviorTest, NumbersStayWithoutASingleSpace) {
  context->keyboardType = KeyboardType::numeric();
  proxy->insertText("12");
  EXPECT_FALSE(behavior.shouldSwitchToPreferredKeyboardType(release, KeyboardAction::character("2")));
  proxy->insertText("  ");
  EXPECT_FALSE(behavior.shouldSwitchToPreferredKeyboardType(release, KeyboardAction::space()));
  EXPECT_EQ(behavior.preferredKeyboardType(release, KeyboardAction::space()), KeyboardType::numeric());
}

TEST_F(StandardKeyboardBehaviorTest, KeyboardTypeActionsSwitchOnlyForAutomaticLetters) {
  EXPECT_TRUE(behavior.shouldSwitchToPreferredKeyboardType(
      KeyboardGesture::press, KeyboardAction::keyboardType(alphabetic(KeyboardCase::auto_))));
  EXPECT_FALSE(behavior.shouldSwitchToPreferredKeyboardType(
      release, KeyboardAction::keyboardType(alphabetic(KeyboardCase::uppercased))));
  EXPECT_FALSE(behavior.shouldSwitchToPreferredKeyboardType(
      release, KeyboardAction::keyboardType(KeyboardType::numeric())));
  EXPECT_TRUE(behavior.shouldSwitchToPreferredKeyboardType(KeyboardGesture::longPress,
                                                           KeyboardAction::shift(KeyboardCase::lowercased)));
}

TEST_F(StandardKeyboardBehaviorTest, CharacterReleaseSwitchesOnlyWhenTypesDiffer) {
  platform::TextInputTraits traits;
  traits.autocapitalizationType = platform::AutocapitalizationType::sentences;
  proxy->input().setTraits(traits);
  proxy->insertText("Hi. ");
  context->keyboardType = alphabetic(KeyboardCase::lowercased);
  const auto a = KeyboardAction::character("a");
  EXPECT_FALSE(behavior.shouldSwitchToPreferredKeyboardType(KeyboardGesture::press, a));
  EXPECT_FALSE(behavior.shouldSwitchToPreferredKeyboardType(KeyboardGesture::longPress, a));
  EXPECT_TRUE(behavior.shouldSwitchToPreferredKeyboardType(release, a));
  EXPECT_EQ(behavior.preferredKeyboardType(release, a), alphabetic(KeyboardCase::uppercased));
  EXPECT_TRUE(behavior.shouldSwitchToPreferredKeyboardTypeAfterTextDidChange());
  context->keyboardType = alphabetic(KeyboardCase::uppercased);
  EXPECT_FALSE(behavior.shouldSwitchToPreferredKeyboardType(release, a));
  EXPECT_FALSE(behavior.shouldSwitchToPreferredKeyboardTypeAfterTextDidChange());
}

TEST_F(StandardKeyboardBehaviorTest, AlternateQuotationMarksGiveLowerCase) {
  platform::TextInputTraits traits;
  traits.autocapitalizationType = platform::AutocapitalizationType::allCharacters;
  proxy->input().setTraits(traits);
  context->locale = platform::Locale("de").withQuotationDelimiters({"\u201E", "\u201C", "\u201A", "\u2018"});
  EXPECT_EQ(context->preferredKeyboardType(), alphabetic(KeyboardCase::uppercased));
  EXPECT_EQ(behavior.preferredKeyboardType(release, KeyboardAction::character("\u201A")),
            alphabetic(KeyboardCase::lowercased));
  EXPECT_EQ(behavior.preferredKeyboardType(release, KeyboardAction::character("\u2018")),
            alphabetic(KeyboardCase::lowercased));
  EXPECT_EQ(behavior.preferredKeyboardType(release, KeyboardAction::character("\u201E")),
            alphabetic(KeyboardCase::uppercased));
  context->locale = platform::Locale("de").withQuotationDelimiters({});
  EXPECT_EQ(behavior.preferredKeyboardType(release, KeyboardAction::character("\u201A")),
            alphabetic(KeyboardCase::uppercased))
      << "a locale without the marks matches nothing";
}

// A subclass that turns the switch off keeps the current type.
class NeverSwitching : public StandardKeyboardBehavior {
 public:
  using StandardKeyboardBehavior::StandardKeyboardBehavior;
  bool shouldSwitchToPreferredKeyboardType(KeyboardGesture, const KeyboardAction&) override { return false; }
};

TEST_F(StandardKeyboardBehaviorTest, PreferredTypeAsksTheOverriddenRules) {
  context->keyboardType = KeyboardType::numeric();
  proxy->insertText("12 ");
  NeverSwitching never(context, 0.5, 3.0, timer);
  EXPECT_EQ(never.preferredKeyboardType(release, KeyboardAction::space()), KeyboardType::numeric());
}

TEST(StaticKeyboardBehaviorTest, KeepsEverythingAsItIs) {
  auto context = std::make_shared<KeyboardContext>();
  context->keyboardType = KeyboardType::numeric();
  auto proxy = platform::InMemoryTextDocumentProxy::make("12 ");
  context->textDocumentProxy = proxy;
  StaticKeyboardBehavior behavior(context);
  RepeatGestureTimer::shared()->start([] {});
  platform::currentManualClock()->advance(10);
  EXPECT_EQ(behavior.backspaceRange(), DeleteBackwardRange::character);
  const auto space = KeyboardAction::space();
  EXPECT_EQ(behavior.preferredKeyboardType(release, space), KeyboardType::numeric());
  EXPECT_FALSE(behavior.shouldEndSentence(release, space));
  EXPECT_FALSE(behavior.shouldSwitchToCapsLock(release, KeyboardAction::shift(KeyboardCase::lowercased)));
  EXPECT_FALSE(behavior.shouldSwitchToPreferredKeyboardType(release, space));
  EXPECT_FALSE(behavior.shouldSwitchToPreferredKeyboardTypeAfterTextDidChange());
  EXPECT_EQ(context->keyboardType.get(), KeyboardType::numeric());
}

}  // namespace
}  // namespace keyloom
