#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "apps/keyboard-simulator/SimulatorFinger.h"
#include "apps/keyboard-simulator/SimulatorKey.h"
#include "apps/keyboard-simulator/SimulatorOptions.h"
#include "apps/keyboard-simulator/SimulatorReport.h"
#include "apps/keyboard-simulator/SimulatorScript.h"
#include "apps/keyboard-simulator/SimulatorTypist.h"
#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/layout/KeyboardLayout.h"
#include "keyloom/state/EmojiCategory.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/HostRenderer.h"
#include "platform/ui/TouchPipeline.h"

namespace keyboard_simulator {

// A key the current layout does not have, a character no layout can type,
// or a step the keyboard cannot do in its state (a slide with no finger
// down). The program reports it and exits with 2.
class SimulatorKeyError : public platform::Error {
 public:
  using platform::Error::Error;
};

// A result that could not be written (a screenshot). The program reports it
// and exits with 1.
class SimulatorOutputError : public platform::Error {
 public:
  using platform::Error::Error;
};

// The keyboard in a simulated host app, operated by one finger. The host
// starts the keyboard as the platform does (the product keyboard's
// extension, or the library's controller). To press a key the simulator
// finds it on the layout the keyboard shows at that moment and touches its
// frame in the keyboard's view: down, moves and up through the view's touch
// pipeline, so the keyboard's own gestures, callouts, action handler and
// views decide what happens. The process clock becomes a manual clock: time
// passes only through waits, holds, slides and the short pause after each
// key.
// The layouts a simulator looks ahead at while it types, for one keyboard
// context, dropped when the context publishes a change.
struct TypingLayouts {
  const keyloom::KeyboardContext* context = nullptr;
  platform::Cancellable subscription;
  std::vector<std::pair<keyloom::KeyboardType, std::shared_ptr<keyloom::KeyboardLayout>>> layouts;
};

// An emoji as the emoji keyboard lists it, and the category that shows it.
struct ListedEmoji {
  keyloom::EmojiCategory category;
  keyloom::Emoji emoji;
};

class Simulator {
 public:
  // Between two keys of typed text or script steps: quick enough that two
  // spaces count as a double tap to end a sentence.
  static constexpr platform::TimeInterval keyInterval = 0.15;
  // Between the two taps of a double tap.
  static constexpr platform::TimeInterval doubleTapInterval = 0.1;
  // How long a tap keeps the finger down.
  static constexpr platform::TimeInterval kPressDuration = 0.05;
  // Farthest a finger slides along a callout looking for an entry.
  static constexpr double kMaximumCalloutSlide = 600;
  // Most drags of the font bar to bring a font's name into view.
  static constexpr int kMaximumFontBarDrags = 20;
  // Most drags of the emoji grid to bring an emoji into view: enough to
  // cross the largest category.
  static constexpr int kMaximumEmojiDrags = 400;
  // Most drags of an open menu to bring an entry into view: enough to cross
  // a menu of every locale.
  static constexpr int kMaximumMenuDrags = 40;

  explicit Simulator(const SimulatorOptions& options);
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  void run(const SimulatorStep& step);
  // Steps that fail throw SimulatorKeyError naming the script and line.
  void run(const SimulatorScript& script);

  // Throw SimulatorKeyError when the current layout has no such key.
  void tap(const SimulatorKey& key);
  void doubleTap(const SimulatorKey& key);
  void hold(const SimulatorKey& key, platform::TimeInterval seconds);
  void wait(platform::TimeInterval seconds);
  // Presses the key and keeps the finger down; slide moves it, lift ends it.
  void longPress(const SimulatorKey& key, platform::TimeInterval seconds);
  void slide(double dx, double dy);
  void lift();
  void dragSpace(double points);
  void tapSuggestion(int index);
  void tapFont(int index);
  // Lifts a finger still down, then taps the open menu's entry of that text.
  void tapMenu(const std::string& entry);
  void setTheme(int index);
  void hide();
  void show();
  void rotate();
  void setDark(bool dark);
  void setFullAccess(bool granted);
  void setLocale(const std::string& identifier);
  // How many themes the host app can choose from; 0 for a keyboard without.
  int themeCount() const;
  // Renders the screen to a PNG at the options' scale.
  void screenshot(const std::string& path);

  // A finger down on a key, as a computer's key pressed and held: the
  // character's key after any switches of layout it needs. lift() ends it.
  void press(const SimulatorKey& key);
  void pressCharacter(const std::string& character);
  bool isFingerDown() const { return finger_.isDown(); }

  // A finger on the screen at points of the screen (a mouse in the window).
  void touchDown(platform::Point point);
  void touchMove(platform::Point point);
  void touchUp(platform::Point point);
  // The finger's touch ends without a lift (the window lost it): it types
  // nothing and commits no callout entry.
  void cancelTouch() { finger_.cancel(); }

  // Where the key is on screen now; absent when the keyboard's view does
  // not show it.
  std::optional<platform::Point> keyOnScreen(const SimulatorKey& key);

  // The keyboard's view trees as the screen shows them, for rendering.
  std::vector<platform::ui::ShownViewHost> shownViews() const;
  // Types each character with the keys of the layouts; throws
  // SimulatorKeyError naming the first character no layout can type.
  void type(std::string_view text);

  // The layout the keyboard shows now, and the one it would show for
  // another keyboard type in the same state.
  std::shared_ptr<keyloom::KeyboardLayout> currentLayout();
  std::shared_ptr<keyloom::KeyboardLayout> layout(const keyloom::KeyboardType& type);

  SimulatorReport report(bool withLayout);

  const std::shared_ptr<platform::SimulatedHost>& host() const { return host_; }
  const std::shared_ptr<keyloom::KeyboardInputViewController>& controller() const { return controller_; }

 private:
  // Where a finger presses the key now: a key of the current layout, or on
  // the emoji keyboard one of its own keys; throws SimulatorKeyError when the
  // keyboard shows no such key.
  platform::Point keyPoint(const SimulatorKey& key);
  // The emoji keyboard's ABC, backspace and category keys, and the emojis of
  // the category shown (the grid dragged until the emoji is in view).
  platform::Point emojiKeyPoint(const SimulatorKey& key);
  // The category whose emojis the emoji keyboard shows; absent without one.
  std::optional<keyloom::EmojiCategory> shownEmojiCategory() const;
  keyloom::KeyboardAction keyOnLayout(const SimulatorKey& key);
  std::shared_ptr<keyloom::KeyboardLayout> probeLayout(const keyloom::KeyboardType& type);
  void typeCharacter(const std::string& character);
  // On the emoji keyboard: the emoji's category, the grid dragged until the
  // emoji is in view, then a tap on it.
  void typeEmoji(const std::string& character, const ListedEmoji& listed);
  // Drags the shown category's grid until the emoji's cell is in view, and
  // answers where a touch lands on it; a SimulatorKeyError starting with
  // `failure` when it never comes into view.
  platform::Point emojiCellPoint(const keyloom::Emoji& emoji, keyloom::EmojiCategory category,
                                 const std::string& failure);
  // Before a space typed right after another: waits until the keyboard no
  // longer takes the second space as a double tap that ends the sentence.
  void waitForLiteralSpace();
  // For text the keys cannot type because they type a styled font: what to
  // type instead. Empty otherwise.
  std::string fontHint(std::string_view text) const;
  void afterKey(platform::TimeInterval pause);
  // The centre of the key's frame on screen, and a finger down there; throw
  // SimulatorKeyError when the keyboard's view does not show the key.
  platform::Point keyCenter(const keyloom::KeyboardAction& action) const;
  void pressAction(const keyloom::KeyboardAction& action);
  void tapAction(const keyloom::KeyboardAction& action, platform::TimeInterval pause);
  void tapAtViewNode(const platform::ui::Node& node);
  // A tap at a point of the screen, and the pause after it.
  void tapAt(platform::Point point, platform::TimeInterval pause);
  // Long press on `key`, slide to `entry` in its callout, lift.
  void pickFromCallout(const keyloom::KeyboardAction& key, const keyloom::KeyboardAction& entry,
                       const std::string& character);
  void requireVisibleKeyboard(std::string_view step) const;
  void requireFingerUp(std::string_view step) const;
  void requireFingerDown(std::string_view step) const;

  std::shared_ptr<platform::SimulatedHost> host_;
  std::shared_ptr<keyloom::KeyboardInputViewController> controller_;
  SimulatorKeyboard keyboard_;
  SimulatorTypist typist_;
  // While text is typed, the layouts looked ahead at, until the keyboard's
  // context changes.
  std::optional<TypingLayouts> typingLayouts_;
  std::optional<double> scale_;
  SimulatorFinger finger_;
};

}  // namespace keyboard_simulator
