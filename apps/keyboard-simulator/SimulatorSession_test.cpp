// The window's code path without a window: events in, frames out.
#include "apps/keyboard-simulator/SimulatorSession.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace keyboard_simulator {
namespace {

using Command = SimulatorSession::Command;

std::uint32_t pixel(cairo_surface_t* frame, int x, int y) {
  const unsigned char* data = cairo_image_surface_get_data(frame);
  return *reinterpret_cast<const std::uint32_t*>(data + y * cairo_image_surface_get_stride(frame) + x * 4);
}

TEST(SimulatorSessionTest, DrawsOnlyWhenSomethingChanged) {
  SimulatorSession session({}, 1);
  EXPECT_TRUE(session.needsRedraw());
  cairo_surface_t* first = session.frame();
  EXPECT_EQ(cairo_image_surface_get_width(first), 390);
  EXPECT_EQ(cairo_image_surface_get_height(first), 844);
  EXPECT_FALSE(session.needsRedraw());
  session.advance(2);
  session.frame();
  session.advance(2);
  EXPECT_FALSE(session.needsRedraw()) << "time passing with nothing to do changes nothing";

  session.characterDown("h");
  EXPECT_TRUE(session.needsRedraw());
  session.frame();
  session.keyUp();
  EXPECT_TRUE(session.needsRedraw());
  EXPECT_EQ(session.simulator().host()->textField().text(), "H");
}

TEST(SimulatorSessionTest, AComputerKeyHeldDownRepeatsOnTheKeyboardsOwnTimer) {
  SimulatorSession session({}, 1);
  session.simulator().type("Hello there");
  session.keyDown(SimulatorKey::named(SimulatorKey::Kind::backspace));
  session.frame();
  EXPECT_GT(session.timeToNextWork(), 0) << "the repeat is scheduled";
  session.advance(1);  // repeats from 0.5 s, every 0.1 s
  EXPECT_TRUE(session.needsRedraw());
  session.keyUp();
  EXPECT_EQ(session.simulator().host()->textField().text(), "Hello") << "the press and five repeats";
}

TEST(SimulatorSessionTest, WindowKeysTurnTheDeviceAndKeepTheText) {
  SimulatorSession session({}, 0.5);
  session.simulator().type("Kept");
  session.perform(Command::rotate);
  EXPECT_EQ(session.pixelWidth(), 422);
  EXPECT_EQ(session.pixelHeight(), 195);
  cairo_surface_t* landscape = session.frame();
  EXPECT_EQ(cairo_image_surface_get_width(landscape), 422);

  session.perform(Command::nextDevice);
  EXPECT_EQ(session.simulator().host()->textField().text(), "Kept");
  EXPECT_EQ(session.status(), "pad, landscape, en, light, theme 0");
  EXPECT_EQ(session.pixelWidth(), 590);

  const std::uint32_t light = pixel(session.frame(), 2, 2);
  session.perform(Command::toggleDark);
  EXPECT_NE(pixel(session.frame(), 2, 2), light) << "the host app turned dark";
  session.perform(Command::nextLocale);
  EXPECT_EQ(session.status(), "pad, landscape, de, dark, theme 0");
  EXPECT_EQ(session.simulator().report(false).locale, "de");

  session.perform(Command::nextTheme);
  EXPECT_EQ(session.simulator().report(false).theme, 1) << "shown at once";
  session.perform(Command::nextTheme);
  EXPECT_EQ(session.status(), "pad, landscape, de, dark, theme 2");

  session.perform(Command::toggleKeyboard);
  EXPECT_FALSE(session.simulator().host()->isKeyboardVisible());
  session.characterDown("x");
  EXPECT_NE(session.status().find("the keyboard is hidden"), std::string::npos) << "shown, not fatal";
  session.perform(Command::toggleKeyboard);
  EXPECT_TRUE(session.simulator().host()->isKeyboardVisible());
}

// The window's pixel for the key's centre.
platform::Point pixelOf(SimulatorSession& session, const SimulatorKey& key) {
  const auto point = session.simulator().keyOnScreen(key);
  EXPECT_TRUE(point) << nameOf(key);
  return point ? platform::Point{point->x * session.scale(), point->y * session.scale()} : platform::Point{};
}

TEST(SimulatorSessionTest, TheMouseIsAFingerOnTheKeys) {
  SimulatorSession session({}, 2);
  const platform::Point h = pixelOf(session, SimulatorKey::characterKey("h"));
  const std::uint32_t before = pixel(session.frame(), static_cast<int>(h.x), static_cast<int>(h.y) - 100);
  session.pointerDown(h);
  EXPECT_TRUE(session.needsRedraw());
  EXPECT_NE(pixel(session.frame(), static_cast<int>(h.x), static_cast<int>(h.y) - 100), before)
      << "the pressed key's callout shows above it";
  session.advance(0.05);
  session.pointerUp(h);
  EXPECT_EQ(session.simulator().host()->textField().text(), "H");

  // Hold, wait for the callout, slide along it and let go.
  const platform::Point e = pixelOf(session, SimulatorKey::characterKey("e"));
  session.pointerDown(e);
  session.advance(1);
  EXPECT_FALSE(session.simulator().report(false).callout.empty());
  for (int step = 1; step <= 20; ++step) session.pointerMove({e.x + 6 * step, e.y});
  session.pointerUp({e.x + 120, e.y});
  const std::string text = session.simulator().host()->textField().text();
  EXPECT_EQ(text.size(), 3u) << text << ": H and an accented e";
  EXPECT_TRUE(session.simulator().report(false).callout.empty());
}

TEST(SimulatorSessionTest, HoldingTheSpaceBarAndSlidingMovesTheCursor) {
  SimulatorOptions options;
  options.text = "hello world";
  SimulatorSession session(options, 1);
  const platform::Point space = pixelOf(session, SimulatorKey::named(SimulatorKey::Kind::space));
  session.pointerDown(space);
  session.advance(1);
  for (int step = 1; step <= 10; ++step) {
    session.pointerMove({space.x - 3 * step, space.y});
    session.advance(0.02);
  }
  session.pointerUp({space.x - 30, space.y});
  EXPECT_EQ(session.simulator().host()->textField().text(), "hello world");
  EXPECT_LT(session.simulator().host()->textField().cursorOffset(), 11u);
}

TEST(SimulatorSessionTest, ClicksOutsideTheKeyboardTouchNothing) {
  SimulatorSession session({}, 1);
  session.pointerDown({100, 80});
  session.pointerUp({100, 80});
  EXPECT_FALSE(session.simulator().isFingerDown());
  EXPECT_EQ(session.simulator().host()->textField().text(), "");
}

}  // namespace
}  // namespace keyboard_simulator
