// The window's event handling, on SDL's off-screen video driver: events are
// queued as a desktop would send them, then the window's loop runs them.
#include "apps/keyboard-simulator/SimulatorWindow.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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
    session_ = std::make_unique<SimulatorSession>(SimulatorOptions{}, 1);
    try {
      window_ = std::make_unique<SimulatorWindow>(*session_);
    } catch (const platform::Error& error) {
      GTEST_SKIP() << "no off-screen video driver: " << error.what();
    }
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

TEST_F(SimulatorWindowTest, WindowKeysRotateAndSwitchAppearance) {
  key(SDL_KEYDOWN, SDLK_F2, SDL_SCANCODE_F2);
  key(SDL_KEYUP, SDLK_F2, SDL_SCANCODE_F2);
  key(SDL_KEYDOWN, SDLK_F5, SDL_SCANCODE_F5);
  key(SDL_KEYUP, SDLK_F5, SDL_SCANCODE_F5);
  runQueued();
  EXPECT_EQ(session_->status(), "phone, landscape, en, dark, theme 0");
  EXPECT_EQ(session_->pixelWidth(), 844);
}

}  // namespace
}  // namespace keyboard_simulator
