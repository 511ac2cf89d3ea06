#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "apps/common/ArgumentReader.h"
#include "keyloom/state/DeviceType.h"
#include "keyloom/state/InterfaceOrientation.h"
#include "keyloom/state/SpaceLongPressBehavior.h"
#include "platform/input/InputTraits.h"

namespace keyboard_simulator {

// A command line the program cannot run (see ArgumentReader.h).
using SimulatorUsageError = keyloom_apps::UsageError;

// Where keys come from, in command-line order: text to type, or a script
// file ("-" for standard input).
struct SimulatorInput {
  enum class Kind { typeText, scriptFile };
  Kind kind = Kind::typeText;
  std::string value;

  bool operator==(const SimulatorInput&) const = default;
};

// Which keyboard the host shows: the product keyboard, started as the
// platform starts an installed extension, or the library's own controller.
enum class SimulatorKeyboard { zandorelle, standard };

struct SimulatorOptions {
  SimulatorKeyboard keyboard = SimulatorKeyboard::zandorelle;
  keyloom::DeviceType device = keyloom::DeviceType::phone;
  keyloom::InterfaceOrientation orientation = keyloom::InterfaceOrientation::portrait;
  // A device with a home button has no switch key of the platform's below
  // the keyboard, so the keyboard shows the globe; without one (the default,
  // as on current phones and pads) it shows the emoji key in its place.
  bool homeButton = false;
  // The keyboard's locale; when only --locales is given, its first entry.
  std::string locale = "en";
  std::vector<std::string> locales;
  // What a long press on the space bar leads to: moving the cursor, or the
  // menu of the keyboard's locales (with two locales or more).
  keyloom::SpaceLongPressBehavior spaceLongPress = keyloom::SpaceLongPressBehavior::moveInputCursor;

  // The host's text field: its text (cursor at the end) and traits.
  std::string text;
  std::optional<platform::KeyboardType> keyboardType;
  std::optional<platform::ReturnKeyType> returnKeyType;
  platform::AutocapitalizationType autocapitalization = platform::AutocapitalizationType::sentences;

  // A file of words the keyboard suggests from, with the word-list
  // suggestion provider.
  std::optional<std::string> wordList;

  std::vector<SimulatorInput> inputs;
  // Renders the screen to this PNG when done, at `scale` pixels a point
  // (the device's own when absent).
  std::optional<std::string> screenshot;
  std::optional<double> scale;
  // Whether to show the keyboard in a desktop window: --window, --no-window;
  // absent: see opensWindow().
  std::optional<bool> window;
  bool printLayout = false;
  bool json = false;
  bool help = false;
  // No arguments at all: type a demonstration sentence and show the layout.
  bool demonstration = false;
};

// Reads the arguments after the program name. Options take their value as
// the next argument or after "=" (--locale=de). Throws SimulatorUsageError.
SimulatorOptions parseSimulatorOptions(const std::vector<std::string>& arguments);

// Whether the keyboard is shown in a window: as --window or --no-window say;
// else when there is a display and the command line asks for no result
// (no typing, script, screenshot, JSON or layout). Options that only
// configure the keyboard (--device, --locale, ...) configure the window.
// `displayAvailable` is asked only when that decides.
bool opensWindow(const SimulatorOptions& options, const std::function<bool()>& displayAvailable);

// The options the window starts with: no demonstration typed, the field
// empty (or --text) and the letters shown.
SimulatorOptions windowOptions(SimulatorOptions options);

// Trait names as the platform spells them ("emailAddress", "URL", "done"),
// in any letter case, plus the short names people type ("email", "url").
std::optional<platform::KeyboardType> keyboardTypeNamed(std::string_view name);
std::optional<platform::ReturnKeyType> returnKeyTypeNamed(std::string_view name);
std::optional<platform::AutocapitalizationType> autocapitalizationNamed(std::string_view name);

// The traits of the host's text field the options ask for.
platform::TextInputTraits fieldTraits(const SimulatorOptions& options);

// The text the demonstration types.
std::string demonstrationText();

std::string usageText();

}  // namespace keyboard_simulator
