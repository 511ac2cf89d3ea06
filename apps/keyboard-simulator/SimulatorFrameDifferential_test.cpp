// Seeded random sequences of what a person does at the window, at several
// scales and on both keyboards: after every step the frame repainted only
// where its drawing changed must have exactly the pixels of the same screen
// drawn in one piece. KEYLOOM_DIFFERENTIAL_SECONDS=N keeps drawing new
// sequences for N seconds (CI runs a longer round); KEYLOOM_DIFFERENTIAL_FRAMES
// names a folder for the first differing frame of each sequence.
#include <gtest/gtest.h>

#include <cairo.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "apps/keyboard-simulator/SimulatorSession.h"
#include "apps/keyboard-simulator/SimulatorWholeFrame_testing.h"
#include "testing/SurfaceDifference.h"

namespace keyboard_simulator {
namespace {

using Command = SimulatorSession::Command;
using Kind = SimulatorKey::Kind;

struct Tally {
  long sequences = 0;
  long steps = 0;
  long differingSteps = 0;
  long differingPixels = 0;
};

// One random sequence: each step acts on the session, and the frame is
// compared with the screen drawn whole after it.
class Sequence {
 public:
  Sequence(SimulatorKeyboard keyboard, double scale, std::uint32_t seed)
      : session_(options(keyboard), scale), random_(seed), seed_(seed), keyboard_(keyboard) {}

  void run(int steps, Tally& tally) {
    compare("first", tally);
    for (int i = 0; i < steps; ++i) step(tally);
    session_.keyUp();
    compare("end", tally);
    ++tally.sequences;
  }

  std::string where() const {
    return std::string(keyboard_ == SimulatorKeyboard::standard ? "standard" : "zandorelle") + " at " +
           std::to_string(session_.scale()) + ", seed " + std::to_string(seed_);
  }

 private:
  static SimulatorOptions options(SimulatorKeyboard keyboard) {
    SimulatorOptions options;
    options.keyboard = keyboard;
    return options;
  }

  int below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  double between(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }

  // A random point of the keyboard, in window pixels.
  platform::Point keyboardPixel() {
    const auto host = session_.simulator().host();
    const platform::Rect frame = host->keyboardFrame();
    return pixel({between(frame.minX(), frame.maxX()), between(frame.minY(), frame.maxY())});
  }
  platform::Point pixel(platform::Point point) const {
    return {point.x * session_.scale(), point.y * session_.scale()};
  }
  std::optional<platform::Point> keyPixel(const SimulatorKey& key) {
    if (!session_.simulator().host()->isKeyboardVisible()) return std::nullopt;
    const auto point = session_.simulator().keyOnScreen(key);
    if (!point) return std::nullopt;
    return pixel(*point);
  }

  void compare(const std::string& step, Tally& tally) {
    session_.advance(0.05);
    cairo_surface_t* incremental = session_.frame();
    cairo_surface_t* whole = wholeFrame(session_);
    const int differing = keyloom::testing::differingPixels(incremental, whole, 0x00FFFFFF);
    ++tally.steps;
    if (differing != 0) {
      ++tally.differingSteps;
      tally.differingPixels += differing < 0 ? 1 : differing;
      if (failures_++ == 0) {
        ADD_FAILURE() << where() << ": after step " << steps_ << " (" << step << ") " << differing
                      << " pixels differ from the screen drawn whole";
        if (const char* folder = std::getenv("KEYLOOM_DIFFERENTIAL_FRAMES")) {
          const std::string name = std::string(folder) + "/" + std::to_string(seed_) + "-" +
                                   std::to_string(session_.scale()) + "-" + std::to_string(steps_);
          cairo_surface_write_to_png(incremental, (name + "-incremental.png").c_str());
          cairo_surface_write_to_png(whole, (name + "-whole.png").c_str());
        }
      }
    }
    ++steps_;
    cairo_surface_destroy(whole);
  }

  void press(platform::Point at, const std::string& name, Tally& tally) {
    session_.pointerDown(at);
    compare(name + " down", tally);
    session_.pointerUp(at);
    compare(name + " up", tally);
  }

  void step(Tally& tally) {
    const int choice = below(100);
    if (choice < 30) {
      press(keyboardPixel(), "tap", tally);
    } else if (choice < 40) {
      // Another finger down before the last one is lifted.
      session_.pointerDown(keyboardPixel());
      compare("down", tally);
    } else if (choice < 45) {
      session_.pointerUp(keyboardPixel());
      compare("up", tally);
    } else if (choice < 55) {
      // Held until its callout opens, slid about and lifted.
      const platform::Point at = keyboardPixel();
      session_.pointerDown(at);
      session_.advance(between(0.3, 1.2));
      compare("held", tally);
      platform::Point to = at;
      for (int i = below(5); i >= 0; --i) {
        to = {to.x + between(-40, 40) * session_.scale(), to.y + between(-20, 10) * session_.scale()};
        session_.pointerMove(to);
        compare("slid", tally);
      }
      session_.pointerUp(to);
      compare("lifted", tally);
    } else if (choice < 62) {
      if (const auto space = keyPixel(SimulatorKey::named(Kind::space))) {
        session_.pointerDown(*space);
        session_.advance(0.6);
        compare("space held", tally);
        platform::Point to = *space;
        for (int i = below(4); i >= 0; --i) {
          to.x += between(-30, 30) * session_.scale();
          session_.pointerMove(to);
          compare("space dragged", tally);
        }
        session_.pointerUp(to);
        compare("space lifted", tally);
      }
    } else if (choice < 70) {
      static const std::vector<std::string> words{"hello ", "word", "Typing. ", "a", "quiet brown fox ", "x"};
      session_.keyUp();
      try {
        session_.simulator().type(words[below(static_cast<int>(words.size()))]);
      } catch (const SimulatorKeyError&) {
        // A keyboard that cannot type it now: what it did type stays.
      }
      session_.setNeedsRedraw();  // typed past the session
      compare("typed", tally);
    } else if (choice < 76) {
      static const std::vector<std::string> characters{"a", "k", "%", ";", "7", "Q", "."};
      session_.characterDown(characters[below(static_cast<int>(characters.size()))]);
      compare("computer key down", tally);
      session_.keyUp();
      compare("computer key up", tally);
    } else if (choice < 84) {
      static const std::vector<Kind> switches{Kind::numeric, Kind::symbolic, Kind::alphabetic, Kind::shift,
                                              Kind::backspace, Kind::return_};
      if (const auto key = keyPixel(SimulatorKey::named(switches[below(static_cast<int>(switches.size()))]))) {
        press(*key, "named key", tally);
      }
    } else if (choice < 88) {
      session_.advance(between(0.1, 2));
      compare("waited", tally);
    } else {
      static const std::vector<Command> commands{Command::nextTheme,  Command::toggleDark,     Command::rotate,
                                                 Command::nextDevice, Command::toggleKeyboard, Command::nextLocale};
      session_.perform(commands[below(static_cast<int>(commands.size()))]);
      compare("command", tally);
    }
  }

  SimulatorSession session_;
  std::mt19937 random_;
  std::uint32_t seed_;
  SimulatorKeyboard keyboard_;
  int steps_ = 0;
  int failures_ = 0;
};

double differentialSeconds() {
  const char* seconds = std::getenv("KEYLOOM_DIFFERENTIAL_SECONDS");
  return seconds ? std::atof(seconds) : 0;
}

TEST(FrameDifferential, RandomSequencesRepaintExactlyTheWholeFramesPixels) {
  const std::vector<double> scales{0.5, 0.83, 1, 2};
  const std::vector<SimulatorKeyboard> keyboards{SimulatorKeyboard::zandorelle, SimulatorKeyboard::standard};
  const double seconds = differentialSeconds();
  const auto start = std::chrono::steady_clock::now();
  std::map<double, Tally> tallies;
  for (std::uint32_t round = 0;; ++round) {
    for (double scale : scales) {
      for (SimulatorKeyboard keyboard : keyboards) {
        // Short sequences at 2x, where a frame costs four times as much.
        const int steps = scale > 1 ? 6 : 12;
        Sequence sequence(keyboard, scale, 1000 * round + static_cast<std::uint32_t>(scale * 100) +
                                               (keyboard == SimulatorKeyboard::standard ? 7 : 0));
        sequence.run(seconds > 0 ? 4 * steps : steps, tallies[scale]);
      }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (elapsed.count() >= seconds) break;
  }
  for (const auto& [scale, tally] : tallies) {
    std::cout << "scale " << scale << ": " << tally.differingPixels << " differing pixels in "
              << tally.differingSteps << " of " << tally.steps << " frames, " << tally.sequences << " sequences\n";
    EXPECT_EQ(tally.differingPixels, 0) << "at scale " << scale;
  }
}

}  // namespace
}  // namespace keyboard_simulator
