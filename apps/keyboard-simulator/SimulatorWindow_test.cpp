// The window's event handling, on SDL's off-screen video driver: events are
// queued as a desktop would send them, then the window's loop runs them.
#include "apps/keyboard-simulator/SimulatorWindow.h"

#include <SDL.h>
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "apps/keyboard-simulator/SimulatorScript.h"
#include "apps/keyboard-simulator/SimulatorWholeFrame_testing.h"
#include "keyloom/controller/KeyboardHostingController.h"
#include "keyloom/controller/KeyboardInputViewController.h"
#include "platform/ui/MenuPresentation.h"
#include "testing/EmojiKeyboardTesting.h"
#include "testing/GeometryPrinting.h"
#include "testing/SurfaceDifference.h"
// Last: it brings in Xlib, whose macros would clash with names above.
#include <SDL_syswm.h>

namespace keyboard_simulator {
namespace {

class SimulatorWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { setenv("SDL_VIDEODRIVER", "offscreen", 1); }

  void SetUp() override {
#if defined(__SANITIZE_ADDRESS__)
    // SDL loads and unloads desktop libraries whose allocations the leak
    // checker reports without a name to suppress them by.
    GTEST_SKIP() << "not under the leak checker";
#endif
    try {
      open();
    } catch (const platform::Error& error) {
      GTEST_SKIP() << "no off-screen video driver: " << error.what();
    }
  }

  // A new window on a new session, at one pixel a point.
  void open(SimulatorOptions options = {}) {
    window_.reset();
    session_.reset();
    options.scale = 1;
    session_ = std::make_unique<SimulatorSession>(options, 1);
    window_ = std::make_unique<SimulatorWindow>(*session_);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }

  static void push(SDL_Event event) { SDL_PushEvent(&event); }
  static void mouse(Uint32 type, platform::Point at) {
    SDL_Event event{};
    event.type = type;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = static_cast<int>(at.x);
    event.button.y = static_cast<int>(at.y);
    if (type == SDL_MOUSEMOTION) {
      event.motion.x = event.button.x;
      event.motion.y = event.button.y;
    }
    push(event);
  }
  static void key(Uint32 type, SDL_Keycode code, SDL_Scancode scancode) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = code;
    event.key.keysym.scancode = scancode;
    push(event);
  }
  static void text(const char* characters) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, characters, sizeof event.text.text);
    push(event);
  }
  // Runs the window's loop over what is queued, then closes it.
  void runQueued() {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    window_->run();
  }
  std::string typed() { return session_->simulator().host()->textField().text(); }
  // The X server's event of `type` (KeyRelease, FocusOut), told of as SDL
  // tells of each one it takes in, before the events it makes of it; a
  // focus change of `mode` (NotifyGrab) and `detail` (NotifyInferior).
  static void serverEvent(int type, int mode = NotifyNormal, int detail = NotifyNonlinear) {
    SDL_SysWMmsg message{};
    SDL_VERSION(&message.version);
    message.subsystem = SDL_SYSWM_X11;
    message.msg.x11.event.type = type;
    if (type == FocusIn || type == FocusOut) {
      message.msg.x11.event.xfocus.mode = mode;
      message.msg.x11.event.xfocus.detail = detail;
    }
    SDL_Event event{};
    event.type = SDL_SYSWMEVENT;
    event.syswm.msg = &message;
    push(event);
  }
  static void altDown() {
    serverEvent(KeyPress);
    key(SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT);
  }
  static void altUp() { key(SDL_KEYUP, SDLK_LALT, SDL_SCANCODE_LALT); }
  // What a window manager's switcher does on alt+Tab: it takes the keyboard
  // as Tab goes down (SDL keeps the focus), and lets it go once alt is up;
  // SDL then makes up the releases of the keys the server no longer has down.
  static void switcherTakesTheKeyboard() { serverEvent(FocusOut, NotifyGrab, NotifyAncestor); }
  static void switcherLetsItGo() {
    serverEvent(FocusIn, NotifyUngrab, NotifyNonlinear);
    serverEvent(KeymapNotify);
  }
  static void focusLost() {
    SDL_Event lost{};
    lost.type = SDL_WINDOWEVENT;
    lost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    push(lost);
  }

  std::unique_ptr<SimulatorSession> session_;
  std::unique_ptr<SimulatorWindow> window_;
};

TEST_F(SimulatorWindowTest, AClickOnAKeyTypesIt) {
  const auto point = session_->simulator().keyOnScreen(SimulatorKey::characterKey("k"));
  ASSERT_TRUE(point);
  mouse(SDL_MOUSEBUTTONDOWN, *point);
  mouse(SDL_MOUSEBUTTONUP, *point);
  runQueued();
  EXPECT_EQ(typed(), "K");
}

TEST_F(SimulatorWindowTest, ARightToLeftLineTypedIntoInsideAWordShowsAsTheScreenDrawnWhole) {
  const auto& host = session_->simulator().host();
  host->setText("\u0633\u0644\u0627\u0645 \u0639\u0644\u064A\u0643\u0645");
  host->moveCursor(8);
  session_->setNeedsRedraw();
  const auto point = session_->simulator().keyOnScreen(SimulatorKey::characterKey("k"));
  ASSERT_TRUE(point);
  mouse(SDL_MOUSEBUTTONDOWN, *point);
  mouse(SDL_MOUSEBUTTONUP, *point);
  runQueued();
  EXPECT_EQ(typed(), "\u0633\u0644\u0627\u0645 \u0639\u0644\u064Ak\u0643\u0645");
  cairo_surface_t* whole = wholeFrame(*session_);
  EXPECT_EQ(keyloom::testing::differingPixels(session_->frame(), whole, 0x00FFFFFF), 0);
  cairo_surface_destroy(whole);
}

TEST_F(SimulatorWindowTest, ComputerKeysPressTheOnScreenKeys) {
  key(SDL_KEYDOWN, SDLK_h, SDL_SCANCODE_H);
  text("h");
  key(SDL_KEYUP, SDLK_h, SDL_SCANCODE_H);
  key(SDL_KEYDOWN, SDLK_i, SDL_SCANCODE_I);
  text("i");
  key(SDL_KEYUP, SDLK_i, SDL_SCANCODE_I);
  key(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE);
  key(SDL_KEYUP, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE);
  key(SDL_KEYDOWN, SDLK_o, SDL_SCANCODE_O);
  text("o");
  key(SDL_KEYUP, SDLK_o, SDL_SCANCODE_O);
  runQueued();
  EXPECT_EQ(typed(), "Ho");
}

// Shift, control and alt change what a key types but press no on-screen key:
// a letter held across one is let go at its own release.
TEST_F(SimulatorWindowTest, AModifierPressedOrLetGoWhileALetterIsHeldLeavesItsPress) {
  key(SDL_KEYDOWN, SDLK_q, SDL_SCANCODE_Q);
  text("q");
  key(SDL_KEYDOWN, SDLK_LSHIFT, SDL_SCANCODE_LSHIFT);
  runQueued();
  EXPECT_TRUE(session_->simulator().isFingerDown());
  key(SDL_KEYUP, SDLK_q, SDL_SCANCODE_Q);
  runQueued();
  EXPECT_EQ(typed(), "Q");
  EXPECT_FALSE(session_->simulator().isFingerDown());
  key(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A);
  text("A");
  key(SDL_KEYUP, SDLK_LSHIFT, SDL_SCANCODE_LSHIFT);
  key(SDL_KEYDOWN, SDLK_LCTRL, SDL_SCANCODE_LCTRL);
  key(SDL_KEYUP, SDLK_LCTRL, SDL_SCANCODE_LCTRL);
  runQueued();
  EXPECT_TRUE(session_->simulator().isFingerDown()) << "a held after shift was let go";
  key(SDL_KEYUP, SDLK_a, SDL_SCANCODE_A);
  runQueued();
  EXPECT_EQ(typed(), "QA");
}

TEST_F(SimulatorWindowTest, WindowKeysRotateAndSwitchAppearance) {
  key(SDL_KEYDOWN, SDLK_F2, SDL_SCANCODE_F2);
  key(SDL_KEYUP, SDLK_F2, SDL_SCANCODE_F2);
  key(SDL_KEYDOWN, SDLK_F5, SDL_SCANCODE_F5);
  key(SDL_KEYUP, SDLK_F5, SDL_SCANCODE_F5);
  runQueued();
  EXPECT_EQ(session_->status(), "phone, landscape, en, dark, theme 0");
  EXPECT_EQ(session_->pixelWidth(), 844);
}

// A quick drag of the mouse (pressed, one move, released, all in one turn
// of the window's loop) scrolls the emoji grid as far as the mouse went,
// every time.
TEST_F(SimulatorWindowTest, EveryQuickDragScrollsTheEmojiGrid) {
  session_->simulator().type("\U0001F600");
  const auto host = session_->simulator().host();
  auto& view = std::static_pointer_cast<keyloom::KeyboardInputViewController>(host->keyboard())
                   ->hostingController()
                   ->viewHost();
  const auto grid = keyloom::emojiGrid(view);
  ASSERT_NE(grid, nullptr);
  // On an emoji of the middle row, the sixth column, at first.
  const auto cell = grid->findAll(platform::ui::NodeKind::text).at(27);
  const platform::Rect frame = host->keyboardFrame();
  const double scale = session_->scale();
  const platform::Point from{(frame.minX() + cell->frame.midX()) * scale, (frame.minY() + cell->frame.midY()) * scale};
  for (int drag = 1; drag <= 3; ++drag) {
    mouse(SDL_MOUSEBUTTONDOWN, from);
    mouse(SDL_MOUSEMOTION, {from.x - 150, from.y});
    mouse(SDL_MOUSEBUTTONUP, {from.x - 150, from.y});
    runQueued();
    EXPECT_NEAR(grid->scrollOffset.x, 150 * drag / scale, 1) << "drag " << drag;
  }
}

// How a press under way is cut short: a window key, Escape, or the focus
// going to another window.
struct Interruption {
  const char* name;
  Uint32 type;
  SDL_Keycode key;
  SDL_Scancode scancode;
};

constexpr Interruption kInterruptions[] = {
    {"F6 hides the keyboard", SDL_KEYDOWN, SDLK_F6, SDL_SCANCODE_F6},
    {"F1 changes the device", SDL_KEYDOWN, SDLK_F1, SDL_SCANCODE_F1},
    {"F2 turns the device", SDL_KEYDOWN, SDLK_F2, SDL_SCANCODE_F2},
    {"Escape", SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE},
    {"the focus is lost", SDL_WINDOWEVENT, 0, SDL_SCANCODE_UNKNOWN},
};

void interrupt(const Interruption& interruption) {
  SDL_Event event{};
  event.type = interruption.type;
  if (interruption.type == SDL_WINDOWEVENT) {
    event.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  } else {
    event.key.keysym.sym = interruption.key;
    event.key.keysym.scancode = interruption.scancode;
  }
  SDL_PushEvent(&event);
}

// A press (the mouse, or a computer key that presses its on-screen key) is
// under way when something cuts it short: its release types nothing and
// commits no callout entry, and the keyboard types as before afterwards.
TEST_F(SimulatorWindowTest, APressCutShortTypesNothingWhenReleased) {
  struct Press {
    const char* name;
    std::function<void()> down;
    std::function<void()> up;
  };
  const auto pointOf = [this](const char* character) {
    return session_->simulator().keyOnScreen(SimulatorKey::characterKey(character)).value_or(platform::Point{});
  };
  platform::Point released;
  const Press presses[] = {
      {"the mouse held on q",
       [&] {
         released = pointOf("q");
         mouse(SDL_MOUSEBUTTONDOWN, released);
         runQueued();
       },
       [&] { mouse(SDL_MOUSEBUTTONUP, released); }},
      {"the mouse on the callout of e with \u00C8 selected",
       [&] {
         const platform::Point e = pointOf("e");
         mouse(SDL_MOUSEBUTTONDOWN, e);
         runQueued();
         session_->advance(1);
         const auto callout = session_->simulator().controller()->calloutContext()->action();
         const auto grave = keyloom::KeyboardAction::character("\u00C8");
         released = e;
         for (int step = 1; step <= 60 && callout->selectedAction() != grave; ++step) {
           released = {e.x + 2 * step, e.y};
           mouse(SDL_MOUSEMOTION, released);
           runQueued();
         }
         ASSERT_EQ(callout->selectedAction(), grave);
       },
       [&] { mouse(SDL_MOUSEBUTTONUP, released); }},
      {"the computer's q held",
       [this] {
         key(SDL_KEYDOWN, SDLK_q, SDL_SCANCODE_Q);
         text("q");
         runQueued();
       },
       [] { key(SDL_KEYUP, SDLK_q, SDL_SCANCODE_Q); }},
      {"the computer's e held until its callout opened",
       [this] {
         key(SDL_KEYDOWN, SDLK_e, SDL_SCANCODE_E);
         text("e");
         runQueued();
         session_->advance(1);
         ASSERT_TRUE(session_->simulator().controller()->calloutContext()->action()->hasSelectedAction());
       },
       [] { key(SDL_KEYUP, SDLK_e, SDL_SCANCODE_E); }},
  };
  for (const auto& press : presses) {
    for (const auto& interruption : kInterruptions) {
      SCOPED_TRACE(std::string(press.name) + ", then " + interruption.name);
      open();
      press.down();
      ASSERT_TRUE(session_->simulator().isFingerDown());
      interrupt(interruption);
      runQueued();
      press.up();
      runQueued();
      session_->advance(1);
      EXPECT_EQ(typed(), "");
      EXPECT_FALSE(session_->simulator().isFingerDown());
      EXPECT_TRUE(session_->simulator().report(false).callout.empty());

      if (!session_->simulator().host()->isKeyboardVisible()) {
        key(SDL_KEYDOWN, SDLK_F6, SDL_SCANCODE_F6);
        runQueued();
      }
      const auto k = session_->simulator().keyOnScreen(SimulatorKey::characterKey("k"));
      ASSERT_TRUE(k);
      mouse(SDL_MOUSEBUTTONDOWN, *k);
      mouse(SDL_MOUSEBUTTONUP, *k);
      runQueued();
      EXPECT_EQ(typed(), "K") << "the next click types";
    }
  }
}

// A computer key the person let go types, however soon after it the keys go
// elsewhere (the focus leaves, a switcher takes the keyboard) and however
// late the window gets to the events; only a release SDL makes once they
// went is none of the person's. Each case is what SDL queues for "q" pressed
// and let go, then the keys gone, all before the window handles any of it.
TEST_F(SimulatorWindowTest, AComputerKeyLetGoJustBeforeTheFocusLeavesTypes) {
  struct Order {
    const char* name;
    bool fromServer;  // whether SDL tells of the server's events
    std::function<void()> events;
    const char* typed;
  };
  const auto qUp = [] { key(SDL_KEYUP, SDLK_q, SDL_SCANCODE_Q); };
  const Order orders[] = {
      {"the server's release, then its loss of focus", true,
       [&] {
         serverEvent(KeyRelease);
         qUp();
         serverEvent(FocusOut);
         focusLost();
       },
       "keptq"},
      {"a release with no server's event behind it, as other drivers queue it", false,
       [&] {
         qUp();
         focusLost();
       },
       "keptq"},
      {"the server's release, then alt+Tab takes the keyboard", true,
       [&] {
         serverEvent(KeyRelease);
         qUp();
         altDown();
         switcherTakesTheKeyboard();
         switcherLetsItGo();
         altUp();
         serverEvent(FocusOut);
         focusLost();
       },
       "keptq"},
      {"alt down, the server's release, then Tab takes the keyboard", true,
       [&] {
         altDown();
         serverEvent(KeyRelease);
         qUp();
         switcherTakesTheKeyboard();
         serverEvent(FocusOut, NotifyWhileGrabbed, NotifyNonlinear);
         altUp();
         focusLost();
       },
       "keptq"},
      {"the pointer come in, and the release SDL makes to match the server's key map before the server's", true,
       [&] {
         serverEvent(EnterNotify);
         serverEvent(KeymapNotify);
         qUp();
         serverEvent(KeyRelease);
       },
       "keptq"},
      {"the server's release of an auto-repeat, then the key still down at the loss of focus", true,
       [&] {
         serverEvent(KeyRelease);
         serverEvent(KeyPress);
         SDL_Event repeat{};
         repeat.type = SDL_KEYDOWN;
         repeat.key.keysym.sym = SDLK_q;
         repeat.key.keysym.scancode = SDL_SCANCODE_Q;
         repeat.key.repeat = 1;
         push(repeat);
         text("q");
         serverEvent(FocusOut);
         qUp();
         focusLost();
       },
       "kept"},
  };
  for (const auto& order : orders) {
    SCOPED_TRACE(order.name);
    SimulatorOptions options;
    options.text = "kept";
    open(options);
    const auto fromServer = [&](int type) {
      if (order.fromServer) serverEvent(type);
    };
    fromServer(KeyPress);
    key(SDL_KEYDOWN, SDLK_q, SDL_SCANCODE_Q);
    text("q");
    order.events();
    runQueued();
    session_->advance(1);
    EXPECT_EQ(typed(), order.typed);
    EXPECT_FALSE(session_->simulator().isFingerDown());
    // The focus back, and a key pressed and let go.
    fromServer(FocusIn);
    fromServer(KeyPress);
    key(SDL_KEYDOWN, SDLK_w, SDL_SCANCODE_W);
    text("w");
    fromServer(KeyRelease);
    key(SDL_KEYUP, SDLK_w, SDL_SCANCODE_W);
    runQueued();
    EXPECT_EQ(typed(), std::string(order.typed) + "w");
  }
}

// The keys go elsewhere while a computer key is down in the window: another
// window takes the focus (SDL lets go of the keys still down as it takes in
// the server's loss of focus, then tells that the focus is gone), or one of
// the paths SDL treats apart. Each case is what SDL queues then, from the
// server's events, for a key held (q; e until its callout opened) and let
// go where the window does not get it. Its press is cut short where the keys
// went: it types nothing and commits no callout entry, whatever SDL makes up
// later, and the next key types.
TEST_F(SimulatorWindowTest, AComputerKeyHeldAsTheKeysGoElsewhereTypesNothing) {
  struct Hold {
    const char* name;
    SDL_Keycode key;
    SDL_Scancode scancode;
    const char* text;
    double seconds;  // held before the keys go
  };
  const Hold holds[] = {
      {"q", SDLK_q, SDL_SCANCODE_Q, "q", 0.1},
      {"e until its callout opened", SDLK_e, SDL_SCANCODE_E, "e", 1},
  };
  const Hold* held = nullptr;
  const auto heldUp = [&] { key(SDL_KEYUP, held->key, held->scancode); };
  struct Path {
    const char* name;
    std::function<void()> events;
  };
  const Path paths[] = {
      {"another window takes the focus, let go there",
       [&] {
         serverEvent(FocusOut);
         heldUp();
         focusLost();
       }},
      {"alt+Tab to another window, let go there",
       [&] {
         altDown();
         switcherTakesTheKeyboard();
         switcherLetsItGo();
         altUp();
         serverEvent(FocusOut);
         heldUp();
         focusLost();
       }},
      {"alt+Tab, let go while the switcher shows",
       [&] {
         altDown();
         switcherTakesTheKeyboard();
         switcherLetsItGo();
         heldUp();
         altUp();
         serverEvent(FocusOut);
         focusLost();
       }},
      {"alt+Tab and back to the window, let go in it",
       [&] {
         altDown();
         switcherTakesTheKeyboard();
         switcherLetsItGo();
         altUp();
         serverEvent(KeyRelease);
         heldUp();
       }},
      {"a switcher that gives the focus before it lets the keyboard go",
       [&] {
         altDown();
         switcherTakesTheKeyboard();
         serverEvent(FocusOut, NotifyWhileGrabbed, NotifyNonlinear);
         heldUp();
         altUp();
         focusLost();
       }},
      {"the focus to a window inside the window's own, let go there",
       [&] {
         serverEvent(FocusOut, NotifyNormal, NotifyInferior);
         serverEvent(FocusIn, NotifyNormal, NotifyInferior);
         serverEvent(KeymapNotify);
         heldUp();
       }},
      {"keys that followed the pointer into the window gone elsewhere",
       [&] {
         serverEvent(FocusOut, NotifyNormal, NotifyPointer);
         serverEvent(FocusIn, NotifyNormal, NotifyPointer);
         serverEvent(KeymapNotify);
         heldUp();
       }},
      {"a loss of focus SDL tells late (after a change of display mode)",
       [&] {
         serverEvent(FocusOut);
         serverEvent(PropertyNotify);
         heldUp();
         focusLost();
       }},
  };
  for (const auto device : {keyloom::DeviceType::phone, keyloom::DeviceType::pad}) {
    for (const auto& hold : holds) {
      held = &hold;
      for (const auto& path : paths) {
        SCOPED_TRACE(std::string(device == keyloom::DeviceType::pad ? "pad, " : "phone, ") + hold.name + ", " +
                     path.name);
        SimulatorOptions options;
        options.text = "kept";
        options.device = device;
        open(options);
        serverEvent(KeyPress);
        key(SDL_KEYDOWN, hold.key, hold.scancode);
        text(hold.text);
        runQueued();
        session_->advance(hold.seconds);
        ASSERT_TRUE(session_->simulator().isFingerDown());
        path.events();
        runQueued();
        session_->advance(1);
        EXPECT_EQ(typed(), "kept");
        EXPECT_FALSE(session_->simulator().isFingerDown());
        EXPECT_TRUE(session_->simulator().report(false).callout.empty());
        // The keys back, and a key pressed and let go.
        serverEvent(FocusIn);
        serverEvent(KeyPress);
        key(SDL_KEYDOWN, SDLK_w, SDL_SCANCODE_W);
        text("w");
        serverEvent(KeyRelease);
        key(SDL_KEYUP, SDLK_w, SDL_SCANCODE_W);
        runQueued();
        EXPECT_EQ(typed(), "keptw");
      }
    }
  }
}

// The on-screen key repeats by itself while the computer's key is down; a
// cancelled press repeats no more.
TEST_F(SimulatorWindowTest, ACancelledHeldKeyStopsRepeating) {
  session_->simulator().type("Hello there");
  key(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE);
  runQueued();
  session_->advance(0.7);
  const std::string repeated = typed();
  ASSERT_LT(repeated.size(), std::string("Hello ther").size()) << "the press and a repeat";
  key(SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE);
  runQueued();
  session_->advance(2);
  key(SDL_KEYUP, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE);
  runQueued();
  EXPECT_EQ(typed(), repeated);
}

// Sliding off the keyboard and letting go is no cancel: the touch ends as
// the keyboard's gestures say, as it does for a finger on the simulated host.
TEST_F(SimulatorWindowTest, AFingerSlidOffAndLiftedEndsAsOnTheDevice) {
  Simulator device(SimulatorOptions{});
  const auto e = session_->simulator().keyOnScreen(SimulatorKey::characterKey("e"));
  ASSERT_TRUE(e);
  ASSERT_EQ(device.keyOnScreen(SimulatorKey::characterKey("e")), e);
  mouse(SDL_MOUSEBUTTONDOWN, *e);
  runQueued();
  session_->advance(1);
  device.touchDown(*e);
  device.wait(1);
  // Along the callout and on past the window's right edge, which the
  // desktop tells the window.
  for (int step = 1; step <= 40; ++step) {
    const platform::Point at{e->x + 10 * step, e->y};
    mouse(SDL_MOUSEMOTION, at);
    if (at.x > session_->pixelWidth() && at.x - 10 <= session_->pixelWidth()) {
      SDL_Event left{};
      left.type = SDL_WINDOWEVENT;
      left.window.event = SDL_WINDOWEVENT_LEAVE;
      push(left);
    }
    runQueued();
    device.touchMove(at);
  }
  const platform::Point off{e->x + 400, e->y};
  ASSERT_GT(off.x, session_->pixelWidth());
  mouse(SDL_MOUSEBUTTONUP, off);
  runQueued();
  device.touchUp(off);
  EXPECT_NE(device.host()->textField().text(), "") << "the callout's last entry stays chosen";
  EXPECT_EQ(typed(), device.host()->textField().text());
  EXPECT_FALSE(session_->simulator().isFingerDown());
}

// The title names the keyboard's locale, and F3 steps on from it, however
// the locale changed: here by the keyboard's own menu, held open from the
// space bar and clicked.
TEST_F(SimulatorWindowTest, TheTitleAndTheLocaleKeyFollowTheLocalePickedFromTheMenu) {
  SimulatorOptions options;
  options.locales = {"en", "de", "fr"};
  options.spaceLongPress = keyloom::SpaceLongPressBehavior::openLocaleContextMenu;
  open(options);
  const auto space = session_->simulator().keyOnScreen(SimulatorKey::named(SimulatorKey::Kind::space));
  ASSERT_TRUE(space);
  mouse(SDL_MOUSEBUTTONDOWN, *space);
  runQueued();
  session_->advance(1);
  mouse(SDL_MOUSEBUTTONUP, *space);
  runQueued();
  auto* view = &std::static_pointer_cast<keyloom::KeyboardInputViewController>(session_->simulator().host()->keyboard())
                    ->hostingController()
                    ->viewHost();
  const auto menus = view->findAllOfType<platform::ui::MenuPresentation>();
  ASSERT_EQ(menus.size(), 1u);
  std::shared_ptr<platform::ui::Node> french;
  for (const auto& entry : menus.front()->findAll(platform::ui::NodeKind::text)) {
    if (entry->text() == "fran\u00E7ais") french = entry;
  }
  ASSERT_NE(french, nullptr);
  const platform::Rect frame = session_->simulator().host()->keyboardFrame();
  const platform::Point entry{frame.minX() + french->frame.midX(), frame.minY() + french->frame.midY()};
  mouse(SDL_MOUSEBUTTONDOWN, entry);
  mouse(SDL_MOUSEBUTTONUP, entry);
  runQueued();
  ASSERT_EQ(session_->simulator().report(false).locale, "fr");
  EXPECT_EQ(session_->status(), "phone, portrait, fr, light, theme 0");

  key(SDL_KEYDOWN, SDLK_F1, SDL_SCANCODE_F1);
  runQueued();
  EXPECT_EQ(session_->status(), "pad, portrait, fr, light, theme 0") << "a new device keeps the locale";
  key(SDL_KEYDOWN, SDLK_F3, SDL_SCANCODE_F3);
  runQueued();
  EXPECT_EQ(session_->simulator().report(false).locale, "en") << "the one after French, from the start again";
  EXPECT_EQ(session_->status(), "pad, portrait, en, light, theme 0");
}

TEST(SimulatorWindowPlacementTest, TheScaleFitsTheUsableAreaInTwentieths) {
  struct Case {
    platform::Size points;
    platform::Rect usable;
    platform::EdgeInsets frame;
    double scale;
  };
  const platform::EdgeInsets none{};
  const platform::EdgeInsets titleBar{37, 1, 1, 1};
  const Case cases[] = {
      {{390, 844}, {0, 0, 1600, 1200}, none, 1},          // fits as it is: never larger
      {{390, 844}, {0, 0, 1600, 844}, none, 1},           // exactly
      {{820, 1180}, {0, 0, 1600, 1200}, titleBar, 0.95},  // the pad: by height, with its title bar
      {{390, 844}, {0, 0, 1024, 600}, none, 0.7},         // a small display: 0.71 down to 0.7
      {{820, 1180}, {0, 0, 1024, 600}, none, 0.5},        // 0.508
      {{1180, 820}, {0, 0, 1024, 600}, none, 0.7},        // the pad turned: 0.73 by height
      {{390, 844}, {0, 27, 1366, 741}, titleBar, 0.8},    // a laptop, a panel and a title bar: 703 / 844
      {{820, 1180}, {0, 0, 1366, 768}, none, 0.65},       // 0.651
      {{1180, 820}, {0, 0, 1024, 768}, none, 0.85},       // by width: 0.868
      {{820, 1180}, {0, 0, 100, 100}, none, 0.25},        // never smaller than a quarter
      {{390, 844}, {}, none, 1},                          // no display known
  };
  for (const auto& [points, usable, frame, scale] : cases) {
    EXPECT_DOUBLE_EQ(SimulatorWindow::fittingScale(points, usable, frame), scale)
        << points.width << "x" << points.height << " in " << usable.width() << "x" << usable.height();
  }
}

TEST(SimulatorWindowPlacementTest, TheWholeWindowStaysOnScreen) {
  struct Case {
    platform::Point origin;
    platform::Size size;
    platform::Point kept;
  };
  const platform::Rect usable{0, 30, 1600, 1170};  // a panel at the top
  const platform::EdgeInsets frame{24, 2, 2, 2};
  const Case cases[] = {
      {{605, 178}, {390, 844}, {605, 178}},   // on screen: stays
      {{605, 178}, {738, 1062}, {605, 136}},  // grew past the bottom: up
      {{1400, 300}, {844, 390}, {754, 300}},  // past the right: left
      {{-50, 0}, {390, 844}, {2, 54}},        // above and left of the area
      {{100, 100}, {2000, 1300}, {2, 54}},    // larger than the area: its start
  };
  for (const auto& [origin, size, kept] : cases) {
    EXPECT_EQ(SimulatorWindow::keptOnScreen(origin, size, usable, frame), kept)
        << origin.x << "," << origin.y;
  }
}

// What the window shows, as read back from it.
platform::Size shownSize(SimulatorWindow& window) {
  const std::string path = ::testing::TempDir() + "keyloom-window-fit.png";
  window.capture(path);
  cairo_surface_t* shown = cairo_image_surface_create_from_png(path.c_str());
  const platform::Size size{double(cairo_image_surface_get_width(shown)), double(cairo_image_surface_get_height(shown))};
  cairo_surface_destroy(shown);
  std::remove(path.c_str());
  return size;
}

// The window's keys on a page of its own height (the emoji page on the
// phone, the numbers on the pad), on both keyboards, from either
// orientation: after each the keyboard has the frame of one started fresh in
// the state it leaves, on the page it shows, so the way back to the letters
// is on screen.
TEST_F(SimulatorWindowTest, WindowKeysLeaveTheFrameOfAKeyboardStartedInTheirState) {
  struct Keys {
    const char* name;
    std::vector<SDL_Keycode> keys;
    bool productOnly;
    std::function<void(SimulatorOptions&, std::string&)> state;  // options and script of a fresh keyboard
  };
  const Keys cases[] = {
      {"F2", {SDLK_F2}, false,
       [](SimulatorOptions& o, std::string&) {
         o.orientation = keyloom::isLandscape(o.orientation) ? keyloom::InterfaceOrientation::portrait
                                                             : keyloom::InterfaceOrientation::landscape;
       }},
      {"F2 twice", {SDLK_F2, SDLK_F2}, false, [](SimulatorOptions&, std::string&) {}},
      {"F3", {SDLK_F3}, false, [](SimulatorOptions& o, std::string&) { o.locale = "de"; }},
      {"F4", {SDLK_F4}, true, [](SimulatorOptions&, std::string& s) { s += "set-theme 1\nhide\nshow\n"; }},
      {"F5", {SDLK_F5}, false, [](SimulatorOptions&, std::string& s) { s += "dark\n"; }},
      {"F6 twice", {SDLK_F6, SDLK_F6}, false, [](SimulatorOptions&, std::string&) {}},
  };
  for (const auto keyboard : {SimulatorKeyboard::zandorelle, SimulatorKeyboard::standard}) {
    for (const auto device : {keyloom::DeviceType::phone, keyloom::DeviceType::pad}) {
      const bool phone = device == keyloom::DeviceType::phone;
      const std::string toPage = phone ? "tap emoji\n" : "tap 123\n";
      for (const auto orientation : {keyloom::InterfaceOrientation::portrait, keyloom::InterfaceOrientation::landscape}) {
        for (const auto& keys : cases) {
          if (keys.productOnly && keyboard != SimulatorKeyboard::zandorelle) continue;
          SCOPED_TRACE(std::string(keys.name) + (keyboard == SimulatorKeyboard::zandorelle ? ", product" : ", standard") +
                       (phone ? " phone" : " pad") + (keyloom::isLandscape(orientation) ? " from landscape" : " from portrait"));
          SimulatorOptions options;
          options.keyboard = keyboard;
          options.device = device;
          options.orientation = orientation;
          open(options);
          session_->simulator().run(parseSimulatorScript(toPage));
          const std::string page = session_->simulator().report(false).keyboard;
          for (const SDL_Keycode code : keys.keys) key(SDL_KEYDOWN, code, SDL_SCANCODE_UNKNOWN);
          runQueued();
          const platform::Rect frame = session_->simulator().host()->keyboardFrame();
          const bool samePage = session_->simulator().report(false).keyboard == page;
          window_.reset();
          session_.reset();
          std::string script;
          keys.state(options, script);
          if (samePage) script += toPage;
          Simulator fresh(options);
          fresh.run(parseSimulatorScript(script));
          EXPECT_EQ(frame, fresh.host()->keyboardFrame());
        }
      }
    }
  }
}

TEST_F(SimulatorWindowTest, AFittedWindowIsWhollyOnTheDisplayAtStartAndAfterTheDeviceAndTurns) {
  SimulatorSession session(SimulatorOptions{}, 1);
  window_.reset();
  SimulatorWindow window(session);
  SDL_Rect usable{};
  ASSERT_EQ(SDL_GetDisplayUsableBounds(0, &usable), 0);
  // The off-screen display is smaller than the phone is tall, and the pad.
  ASSERT_LT(usable.h, 844);
  auto expectFits = [&] {
    const platform::Size shown = shownSize(window);
    EXPECT_LE(shown.width, usable.w) << session.status();
    EXPECT_LE(shown.height, usable.h) << session.status();
    // All of the screen, keyboard included, at the one scale.
    EXPECT_EQ(shown.width, std::ceil(session.screenSize().width * session.scale())) << session.status();
    EXPECT_EQ(shown.height, std::ceil(session.screenSize().height * session.scale())) << session.status();
    EXPECT_DOUBLE_EQ(session.scale(), SimulatorWindow::fittingScale(
                                          session.screenSize(), {0, 0, double(usable.w), double(usable.h)}));
  };
  expectFits();
  for (const SDL_Keycode key : {SDLK_F1, SDLK_F2, SDLK_F1, SDLK_F2}) {
    SDL_Event down{};
    down.type = SDL_KEYDOWN;
    down.key.keysym.sym = key;
    SDL_PushEvent(&down);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    window.run();
    expectFits();
  }
  EXPECT_EQ(session.status(), "phone, portrait, en, light, theme 0");
}

TEST_F(SimulatorWindowTest, AChangeOfDisplayFitsTheWindowAgain) {
  SimulatorSession session(SimulatorOptions{}, 1);
  window_.reset();
  SimulatorWindow window(session);
  const double fitted = session.scale();
  SDL_Event moved{};
  moved.type = SDL_WINDOWEVENT;
  moved.window.event = SDL_WINDOWEVENT_DISPLAY_CHANGED;
  SDL_Event added{};
  added.type = SDL_DISPLAYEVENT;
  added.display.event = SDL_DISPLAYEVENT_CONNECTED;
  for (const SDL_Event& change : {moved, added}) {
    session.setScale(1);  // as fitted to a larger display before
    SDL_Event event = change;
    SDL_PushEvent(&event);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    window.run();
    EXPECT_EQ(session.scale(), fitted) << change.type;
    EXPECT_EQ(shownSize(window).height, std::ceil(844 * fitted)) << change.type;
  }
}

}  // namespace
}  // namespace keyboard_simulator
