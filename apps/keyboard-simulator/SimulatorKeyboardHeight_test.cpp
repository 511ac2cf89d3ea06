// The keyboard's frame after every step that can change the height its
// content asks for equals the frame of a keyboard started fresh in that state
// and opened on the same page: each step taken as the simulator takes it (the
// host's own step, then its main queue), on both keyboards, phone and pad,
// from portrait and from landscape.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "apps/keyboard-simulator/Simulator.h"
#include "apps/keyboard-simulator/SimulatorScript.h"
#include "keyloom/controller/KeyboardHostingController.h"
#include "platform/input/Screen.h"
#include "platform/ui/FontMetrics.h"
#include "platform/ui/PangoTextMetrics.h"
#include "testing/GeometryPrinting.h"

namespace keyboard_simulator {
namespace {

struct Page {
  const char* name;
  const char* open;  // from the letters
  const char* back;  // to the letters
};
const Page kLetters{"letters", "", ""};
const Page kNumbers{"numbers", "tap 123\n", "tap ABC\n"};
const Page kEmojis{"emojis", "tap emoji\n", "tap ABC\n"};

// What a fresh keyboard needs to be in the state a step leaves.
struct State {
  SimulatorOptions options;
  std::string setup;  // script steps before the page is opened

  std::string key(const Page& page) const {
    std::ostringstream out;
    out << static_cast<int>(options.keyboard) << '|' << static_cast<int>(options.device) << '|'
        << static_cast<int>(options.orientation) << '|' << options.locale << '|' << setup << '|' << page.name;
    return out.str();
  }
};

void runScript(Simulator& simulator, const std::string& text) {
  if (!text.empty()) simulator.run(parseSimulatorScript(text));
}

platform::Rect frameOf(Simulator& simulator) {
  const platform::Rect frame = simulator.host()->keyboardFrame();
  // The keyboard's tree was laid out in that frame, not in an earlier one.
  const auto bounds = simulator.controller()->hostingController()->viewHost().layoutBounds();
  EXPECT_TRUE(bounds && bounds->size == frame.size) << "laid out in another size than its frame";
  return frame;
}

class KeyboardHeightTest : public ::testing::Test {
 protected:
  platform::Rect freshFrame(const State& state, const Page& page) {
    const std::string key = state.key(page);
    if (auto found = fresh_.find(key); found != fresh_.end()) return found->second;
    Simulator simulator(state.options);
    runScript(simulator, state.setup + page.open);
    const platform::Rect frame = frameOf(simulator);
    fresh_.emplace(key, frame);
    return frame;
  }

  std::map<std::string, platform::Rect> fresh_;
};

struct Step {
  const char* name;
  bool productOnly;
  std::function<void(Simulator&, State&)> take;
};

const std::vector<Step>& steps() {
  static const std::vector<Step> all{
      {"a turn", false,
       [](Simulator& simulator, State& state) {
         simulator.rotate();
         state.options.orientation = keyloom::isLandscape(state.options.orientation)
                                         ? keyloom::InterfaceOrientation::portrait
                                         : keyloom::InterfaceOrientation::landscape;
       }},
      {"dark mode", false,
       [](Simulator& simulator, State& state) {
         simulator.setDark(true);
         state.setup += "dark\n";
       }},
      {"hidden and shown again", false,
       [](Simulator& simulator, State&) {
         simulator.hide();
         simulator.show();
       }},
      {"another locale", false,
       [](Simulator& simulator, State& state) {
         simulator.setLocale("de");
         state.options.locale = "de";
       }},
      {"other text measuring and back", false,
       [](Simulator& simulator, State&) {
         auto& view = simulator.controller()->hostingController()->viewHost();
         view.setFontMetrics(std::shared_ptr<const platform::ui::FontMetrics>(
             &platform::ui::FixedFontMetrics::shared(), [](const platform::ui::FontMetrics*) {}));
         simulator.host()->runMainQueue();
         // Fitted to the content as now measured: a layout pass of the host's
         // own finds nothing to change.
         const platform::Rect fixed = simulator.host()->keyboardFrame();
         simulator.host()->layout();
         EXPECT_EQ(simulator.host()->keyboardFrame(), fixed) << "not fitted to the fixed metric";
         view.setFontMetrics(platform::ui::PangoTextMetrics::shared());
         simulator.host()->runMainQueue();
       }},
      {"another theme, shown again", true,
       [](Simulator& simulator, State& state) {
         simulator.setTheme(2);
         simulator.hide();
         simulator.show();
         state.setup += "set-theme 2\nhide\nshow\n";
       }},
      {"another font", true,
       [](Simulator& simulator, State& state) {
         simulator.tapFont(1);
         state.setup += "tap-font 1\n";
       }},
  };
  return all;
}

// The page a keyboard shows, by what its report calls its type.
const Page& pageShown(Simulator& simulator, const Page& opened) {
  const std::string type = simulator.report(false).keyboard;
  if (type.rfind("alphabetic", 0) == 0) return kLetters;
  return opened;
}

TEST_F(KeyboardHeightTest, EveryStepLeavesTheFrameOfAKeyboardStartedInItsState) {
  for (const auto keyboard : {SimulatorKeyboard::zandorelle, SimulatorKeyboard::standard}) {
    for (const auto device : {keyloom::DeviceType::phone, keyloom::DeviceType::pad}) {
      // The pad shows the globe, not the emoji key.
      std::vector<Page> pages{kLetters, kNumbers};
      if (device == keyloom::DeviceType::phone) pages.push_back(kEmojis);
      for (const auto orientation : {keyloom::InterfaceOrientation::portrait, keyloom::InterfaceOrientation::landscape}) {
        for (const Page& page : pages) {
          for (const Step& step : steps()) {
            if (step.productOnly && keyboard != SimulatorKeyboard::zandorelle) continue;
            State state;
            state.options.keyboard = keyboard;
            state.options.device = device;
            state.options.orientation = orientation;
            std::ostringstream where;
            where << (keyboard == SimulatorKeyboard::zandorelle ? "product" : "standard") << " keyboard, "
                  << (device == keyloom::DeviceType::phone ? "phone" : "pad") << ", from "
                  << (keyloom::isLandscape(orientation) ? "landscape" : "portrait") << ", on the " << page.name
                  << ": " << step.name;
            SCOPED_TRACE(where.str());
            Simulator simulator(state.options);
            runScript(simulator, page.open);
            step.take(simulator, state);
            const Page& shown = pageShown(simulator, page);
            EXPECT_EQ(frameOf(simulator), freshFrame(state, shown));
            // All of it is on screen, the way back to the letters with it,
            // which leads to the letters' height.
            const auto& tree = simulator.controller()->hostingController()->viewHost();
            EXPECT_LE(tree.root()->frame.height(), frameOf(simulator).height()) << "the content leaves its frame";
            if (shown.back[0] == '\0') continue;
            runScript(simulator, shown.back);
            EXPECT_EQ(frameOf(simulator), freshFrame(state, kLetters)) << "back on the letters";
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace keyboard_simulator
