// Golden images of the system keyboard. After an intended change to how it
// looks, run this binary with KEYLOOM_UPDATE_GOLDENS=1, look at every image
// in keyloom/views/goldens, and commit them.
#include <gtest/gtest.h>

#include "keyloom/views/SystemKeyboard.h"
#include "platform/input/SimulatedHost.h"
#include "testing/SystemKeyboardTesting.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using testing::HostedKeyboard;

// The platform draws the backdrop behind a keyboard whose appearance has none.
const ui::Color lightBackdrop = ui::Color::rgba(0.82, 0.83, 0.86);
const ui::Color darkBackdrop = ui::Color::rgba(0.17, 0.17, 0.17);

void expectMatchesGolden(const ui::ViewHost& host, const std::string& name, double scale = 3,
                         ui::Color backdrop = lightBackdrop) {
  testing::expectMatchesGolden(host, name, scale, backdrop);
}

struct Setup {
  platform::UserInterfaceIdiom idiom = platform::UserInterfaceIdiom::phone;
  bool landscape = false;
  KeyboardType type = KeyboardType::alphabetic(KeyboardCase::lowercased);
  bool dark = false;
  bool narrow = false;  // a phone 320 points wide
  std::string locale = "en_US";
};

// A keyboard in the frame the platform gives it on the device and orientation.
std::unique_ptr<HostedKeyboard> hosted(const Setup& setup) {
  platform::SimulatedHostConfiguration configuration;
  configuration.idiom = setup.idiom;
  configuration.screenSize = setup.idiom == platform::UserInterfaceIdiom::pad ? platform::Size{820, 1180}
                             : setup.narrow                                   ? platform::Size{320, 568}
                                                                              : platform::Size{390, 844};
  configuration.orientation =
      setup.landscape ? platform::ScreenOrientation::landscapeLeft : platform::ScreenOrientation::portrait;
  configuration.localeIdentifier = setup.locale;
  auto simulated = platform::SimulatedHost::make(configuration);
  auto keyboard = std::make_unique<HostedKeyboard>();
  const platform::Rect frame = simulated->keyboardFrame();
  keyboard->context->deviceType.set(setup.idiom == platform::UserInterfaceIdiom::pad ? DeviceType::pad
                                                                                     : DeviceType::phone);
  keyboard->context->screenSize.set(platform::Screen::main().bounds().size);
  keyboard->context->interfaceOrientation.set(setup.landscape ? InterfaceOrientation::landscapeLeft
                                                              : InterfaceOrientation::portrait);
  keyboard->context->keyboardType.set(setup.type);
  // In the frame the platform gives the keyboard: the height it asks for
  // when offered the standard one, which the letters fill.
  keyboard->show(frame.size);
  const double asked = keyboard->host->sizeThatFits({frame.width(), frame.height()}).height;
  if (asked != frame.height()) {
    keyboard->size = platform::Size{frame.width(), asked};
    keyboard->host->layout(keyboard->size);
  }
  if (setup.dark) {
    ui::EnvironmentValues environment = keyboard->host->environment();
    environment.set(ui::colorSchemeKey, ui::ColorScheme::dark);
    keyboard->host->setEnvironment(environment);
    keyboard->host->relayout();
  }
  keyboard->autocomplete->suggestions.set({AutocompleteSuggestion("hello"),
                                           AutocompleteSuggestion("help", std::nullopt, true),
                                           AutocompleteSuggestion("helm")});
  platform::MainQueue::main().runUntilIdle();
  return keyboard;
}

TEST(SystemKeyboardGolden, PhonePortrait) {
  expectMatchesGolden(*hosted({})->host, "phone-portrait-letters");
  expectMatchesGolden(*hosted({.type = KeyboardType::numeric()})->host, "phone-portrait-numbers");
  expectMatchesGolden(*hosted({.type = KeyboardType::symbolic()})->host, "phone-portrait-symbols");
}

TEST(SystemKeyboardGolden, NarrowPhone) {
  expectMatchesGolden(*hosted({.narrow = true})->host, "phone-320-letters");
  expectMatchesGolden(
      *hosted({.type = KeyboardType::alphabetic(KeyboardCase::uppercased), .narrow = true})->host,
      "phone-320-capitals");
}

TEST(SystemKeyboardGolden, PhoneLandscape) {
  expectMatchesGolden(*hosted({.landscape = true})->host, "phone-landscape-letters");
  expectMatchesGolden(*hosted({.landscape = true, .type = KeyboardType::numeric()})->host,
                      "phone-landscape-numbers");
  expectMatchesGolden(*hosted({.landscape = true, .type = KeyboardType::symbolic()})->host,
                      "phone-landscape-symbols");
}

// The standard input sets are made for the device of their first use in a
// test, so each device has tests of its own.
TEST(SystemKeyboardGolden, Pad) {
  expectMatchesGolden(*hosted({.idiom = platform::UserInterfaceIdiom::pad})->host, "pad-portrait-letters", 2);
  // Backspace and return point to the right.
  expectMatchesGolden(*hosted({.idiom = platform::UserInterfaceIdiom::pad, .locale = "ar"})->host,
                      "pad-portrait-right-to-left", 2);
}

TEST(SystemKeyboardGolden, DarkAndEmoji) {
  expectMatchesGolden(*hosted({.dark = true})->host, "phone-portrait-dark", 3, darkBackdrop);
  expectMatchesGolden(*hosted({.type = KeyboardType::emojis()})->host, "phone-portrait-emojis");
}

TEST(SystemKeyboardGolden, PressedKeyWithItsInputCallout) {
  auto keyboard = hosted({});
  auto touch = keyboard->host->touches().down(keyboard->center(KeyboardAction::character("g")));
  platform::MainQueue::main().runUntilIdle();
  expectMatchesGolden(*keyboard->host, "phone-portrait-pressed-g");
  keyboard->host->touches().up(touch);
}

TEST(SystemKeyboardGolden, OpenSecondaryCharacterCallout) {
  auto keyboard = hosted({});
  const platform::Point e = keyboard->center(KeyboardAction::character("e"));
  auto touch = keyboard->host->touches().down(e);
  testing::advance(0.6);
  keyboard->host->touches().move(touch, {e.x + 40, e.y});
  keyboard->host->touches().move(touch, {e.x + 80, e.y});
  platform::MainQueue::main().runUntilIdle();
  expectMatchesGolden(*keyboard->host, "phone-portrait-callout-e");
  keyboard->host->touches().up(touch);
}

}  // namespace
}  // namespace keyloom
