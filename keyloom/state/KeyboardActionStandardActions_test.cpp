#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <vector>

#include "keyloom/state/KeyboardAction.h"
#include "testing/RecordingKeyboardController.h"

namespace keyloom {
namespace {

using Call = RecordingKeyboardController::Call;
using Operation = RecordingKeyboardController::Operation;

// What a gesture does: absent (no closure) or the calls its closure makes,
// where an empty list is a closure that does nothing.
using Behaviour = std::optional<std::vector<Call>>;
const Behaviour absent = std::nullopt;
const Behaviour doesNothing = std::vector<Call>{};
Behaviour calls(Call call) { return std::vector<Call>{std::move(call)}; }
Behaviour calls(Operation operation) { return calls(Call::of(operation)); }

struct Row {
  KeyboardAction action;
  Behaviour press = absent;
  Behaviour release = absent;
  Behaviour longPress = absent;
  Behaviour repeat = absent;
  Behaviour doubleTap = absent;
};

Behaviour insert(const char* text) { return calls(Call::insertText(text)); }
Behaviour setType(KeyboardType type) { return calls(Call::setKeyboardType(std::move(type))); }

std::vector<Row> matrix() {
  const auto url = platform::URL::fromString("https://example.com/a");
  const auto settings = platform::URL::fromString(platform::settingsURLString());
  const Behaviour lowercase = setType(KeyboardType::alphabetic(KeyboardCase::lowercased));
  return {
      {.action = KeyboardAction::backspace(),
       .press = calls(Operation::deleteBackward),
       .repeat = calls(Operation::deleteBackward)},
      {.action = KeyboardAction::character("a"), .release = insert("a")},
      {.action = KeyboardAction::character(""), .release = insert("")},
      {.action = KeyboardAction::characterMargin("q"), .release = insert("q")},
      {.action = KeyboardAction::command()},
      {.action = KeyboardAction::control()},
      {.action = KeyboardAction::custom("x")},
      {.action = KeyboardAction::dictation(), .release = calls(Operation::performDictation)},
      {.action = KeyboardAction::dismissKeyboard(), .release = calls(Operation::dismissKeyboard)},
      {.action = KeyboardAction::emoji(Emoji("\U0001F600")), .release = insert("\U0001F600")},
      {.action = KeyboardAction::emojiCategory(EmojiCategory::animals)},
      {.action = KeyboardAction::escape()},
      {.action = KeyboardAction::function()},
      {.action = KeyboardAction::image("d", "k", "i")},
      {.action = KeyboardAction::keyboardType(KeyboardType::numeric()),
       .press = setType(KeyboardType::numeric())},
      {.action = KeyboardAction::keyboardType(KeyboardType::alphabetic(KeyboardCase::capsLocked)),
       .press = setType(KeyboardType::alphabetic(KeyboardCase::capsLocked))},
      {.action = KeyboardAction::moveCursorBackward(), .release = calls(Call::adjustTextPosition(-1))},
      {.action = KeyboardAction::moveCursorForward(), .release = calls(Call::adjustTextPosition(1))},
      {.action = KeyboardAction::nextKeyboard(), .release = calls(Operation::selectNextKeyboard)},
      {.action = KeyboardAction::nextLocale(), .release = calls(Operation::selectNextLocale)},
      {.action = KeyboardAction::none()},
      {.action = KeyboardAction::option()},
      // Every return key type breaks the line.
      {.action = KeyboardAction::primary(KeyboardReturnKeyType::return_()), .release = insert("\n")},
      {.action = KeyboardAction::primary(KeyboardReturnKeyType::search()), .release = insert("\n")},
      {.action = KeyboardAction::primary(KeyboardReturnKeyType::done()), .release = insert("\n")},
      {.action = KeyboardAction::primary(KeyboardReturnKeyType::custom("Go!")), .release = insert("\n")},
      {.action = KeyboardAction::settings()},
      {.action = KeyboardAction::shift(KeyboardCase::lowercased),
       .release = setType(KeyboardType::alphabetic(KeyboardCase::uppercased))},
      {.action = KeyboardAction::shift(KeyboardCase::auto_), .release = lowercase},
      {.action = KeyboardAction::shift(KeyboardCase::capsLocked), .release = lowercase},
      {.action = KeyboardAction::shift(KeyboardCase::uppercased), .release = lowercase},
      {.action = KeyboardAction::space(), .release = insert(" "), .longPress = doesNothing},
      {.action = KeyboardAction::systemImage("d", "k", "i")},
      {.action = KeyboardAction::systemSettings(), .release = calls(Call::openUrl(settings))},
      {.action = KeyboardAction::tab(), .release = insert("\t")},
      {.action = KeyboardAction::url(url, "id"), .release = calls(Call::openUrl(url))},
      // An absent URL is passed on, not dropped.
      {.action = KeyboardAction::url(std::nullopt), .release = calls(Call::openUrl(std::nullopt))},
  };
}

// Runs the closure against a fresh recorder; absent when there is no closure.
Behaviour run(const KeyboardActionClosure& closure) {
  if (!closure) return absent;
  RecordingKeyboardController controller;
  closure(&controller);
  return controller.calls;
}

std::string describe(const Behaviour& behaviour) {
  if (!behaviour) return "absent";
  std::ostringstream out;
  out << "[";
  for (const auto& call : *behaviour) out << call << ";";
  out << "]";
  return out.str();
}

TEST(StandardKeyboardActions, EveryActionAndGestureGetsItsStandardBehaviour) {
  for (const auto& row : matrix()) {
    SCOPED_TRACE(::testing::Message() << row.action);
    const auto& a = row.action;
    EXPECT_EQ(describe(run(a.standardAction(KeyboardGesture::press))), describe(row.press)) << "press";
    EXPECT_EQ(describe(run(a.standardAction(KeyboardGesture::release))), describe(row.release)) << "release";
    EXPECT_EQ(describe(run(a.standardAction(KeyboardGesture::longPress))), describe(row.longPress))
        << "long press";
    EXPECT_EQ(describe(run(a.standardAction(KeyboardGesture::repeatPress))), describe(row.repeat))
        << "repeat";
    EXPECT_EQ(describe(run(a.standardAction(KeyboardGesture::doubleTap))), describe(row.doubleTap))
        << "double tap";
    // Without a gesture: the release behaviour, else the press behaviour.
    EXPECT_EQ(describe(run(a.standardAction())), describe(row.release ? row.release : row.press))
        << "no gesture";
  }
}

TEST(StandardKeyboardActions, ClosuresDoNothingWithoutController) {
  // Must not reach through a null controller; nothing else to observe.
  for (const auto& row : matrix()) {
    for (auto gesture : allCases<KeyboardGesture>()) {
      if (auto closure = row.action.standardAction(gesture)) closure(nullptr);
    }
  }
}

TEST(StandardKeyboardActions, ClosureOutlivesItsActionAndCanRunRepeatedly) {
  KeyboardActionClosure closure;
  {
    auto action = KeyboardAction::character("long enough to live on the heap, not in the small buffer");
    closure = action.standardReleaseAction();
  }
  RecordingKeyboardController controller;
  closure(&controller);
  closure(&controller);
  EXPECT_EQ(controller.calls.size(), 2u);
  EXPECT_EQ(controller.calls[1],
            Call::insertText("long enough to live on the heap, not in the small buffer"));
}

}  // namespace
}  // namespace keyloom
