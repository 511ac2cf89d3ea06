#include "apps/keyboard-simulator/SimulatorOptions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "keyloom/state/KeyboardLocale.h"
#include "platform/foundation/Text.h"
#include "platform/ui/PngFile.h"

namespace keyboard_simulator {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

template <class E, std::size_t N>
std::optional<E> caseNamed(const std::array<platform::EnumCase<E>, N>& cases, std::string_view name) {
  for (const auto& entry : cases) {
    if (equalsIgnoringCase(entry.name, name)) return entry.value;
  }
  return std::nullopt;
}

// Shown in messages: quoted, so empty or blank values are visible.
std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// Letters, digits, "_" and "-" only: enough for every locale identifier, and
// keeps stray text out of the keyboard's locale.
bool isLocaleIdentifier(std::string_view identifier) {
  return !identifier.empty() && identifier.size() <= 64 && std::all_of(identifier.begin(), identifier.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
  });
}

std::string knownLocales() {
  std::string list;
  for (const auto name : keyloom::RawValueTable<keyloom::KeyboardLocale>::names) {
    list += (list.empty() ? "" : " ") + std::string(name);
  }
  return list;
}

std::string checkedLocale(std::string_view option, std::string_view identifier) {
  if (!isLocaleIdentifier(identifier)) {
    throw SimulatorUsageError(std::string(option) + ": " + quoted(identifier) +
                              " is not a locale identifier (letters, digits, '_' and '-', like en or de_CH)");
  }
  if (!keyloom::keyboardLocale(identifier)) {
    throw SimulatorUsageError(std::string(option) + ": " + quoted(identifier) + " is not one of the " +
                              std::to_string(keyloom::RawValueTable<keyloom::KeyboardLocale>::names.size()) +
                              " locales the keyboard knows: " + knownLocales());
  }
  return std::string(identifier);
}

std::vector<std::string> splitLocales(std::string_view option, std::string_view list) {
  std::vector<std::string> locales;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = list.find(',', start);
    const std::string_view part = list.substr(start, comma == std::string_view::npos ? list.npos : comma - start);
    locales.push_back(checkedLocale(option, part));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return locales;
}

std::string checkedText(std::string_view option, const std::string& text) {
  if (!platform::text::isValidUtf8(text)) throw SimulatorUsageError(std::string(option) + ": the text is not valid UTF-8");
  return text;
}

}  // namespace

std::optional<platform::KeyboardType> keyboardTypeNamed(std::string_view name) {
  if (equalsIgnoringCase(name, "email")) return platform::KeyboardType::emailAddress;
  if (equalsIgnoringCase(name, "search")) return platform::KeyboardType::webSearch;
  return caseNamed(platform::kKeyboardTypeCases, name);
}

std::optional<platform::ReturnKeyType> returnKeyTypeNamed(std::string_view name) {
  if (equalsIgnoringCase(name, "return")) return platform::ReturnKeyType::default_;
  return caseNamed(platform::kReturnKeyTypeCases, name);
}

std::optional<platform::AutocapitalizationType> autocapitalizationNamed(std::string_view name) {
  if (equalsIgnoringCase(name, "all")) return platform::AutocapitalizationType::allCharacters;
  return caseNamed(platform::kAutocapitalizationTypeCases, name);
}

bool opensWindow(const SimulatorOptions& options, const std::function<bool()>& displayAvailable) {
  if (options.window) return *options.window;
  const bool asksForResult =
      !options.inputs.empty() || options.screenshot || options.json || options.printLayout;
  return (options.demonstration || !asksForResult) && displayAvailable();
}

SimulatorOptions windowOptions(SimulatorOptions options) {
  if (options.demonstration) {
    options.inputs.clear();
    options.printLayout = false;
  }
  return options;
}

platform::TextInputTraits fieldTraits(const SimulatorOptions& options) {
  platform::TextInputTraits traits;
  traits.autocapitalizationType = options.autocapitalization;
  traits.keyboardType = options.keyboardType;
  traits.returnKeyType = options.returnKeyType;
  return traits;
}

std::string demonstrationText() { return "Hello there. This is Keyloom typing on a simulated phone, 24/7."; }

SimulatorOptions parseSimulatorOptions(const std::vector<std::string>& arguments) {
  SimulatorOptions options;
  if (arguments.empty()) {
    options.demonstration = true;
    options.printLayout = true;
    options.inputs.push_back({SimulatorInput::Kind::typeText, demonstrationText()});
    return options;
  }

  bool localeGiven = false;
  keyloom_apps::ArgumentReader reader(arguments);
  while (reader.next()) {
    const std::string& argument = reader.argument();
    const std::string& name = reader.name();

    if (name == "--help" || name == "-h") {
      reader.noValue();
      options.help = true;
    } else if (name == "--keyboard") {
      const std::string keyboard = reader.value();
      if (keyboard == "zandorelle") {
        options.keyboard = SimulatorKeyboard::zandorelle;
      } else if (keyboard == "standard") {
        options.keyboard = SimulatorKeyboard::standard;
      } else {
        throw SimulatorUsageError("--keyboard: " + quoted(keyboard) + " is not zandorelle or standard");
      }
    } else if (name == "--word-list") {
      const std::string path = reader.value();
      if (path.empty()) throw SimulatorUsageError("--word-list needs a file name");
      options.wordList = path;
    } else if (name == "--device") {
      const std::string device = reader.value();
      if (device == "phone") {
        options.device = keyloom::DeviceType::phone;
      } else if (device == "pad") {
        options.device = keyloom::DeviceType::pad;
      } else {
        throw SimulatorUsageError("--device: " + quoted(device) + " is not phone or pad");
      }
    } else if (name == "--home-button") {
      reader.noValue();
      options.homeButton = true;
    } else if (name == "--orientation") {
      const std::string orientation = reader.value();
      if (orientation == "portrait") {
        options.orientation = keyloom::InterfaceOrientation::portrait;
      } else if (orientation == "landscape") {
        options.orientation = keyloom::InterfaceOrientation::landscape;
      } else {
        throw SimulatorUsageError("--orientation: " + quoted(orientation) + " is not portrait or landscape");
      }
    } else if (name == "--locale") {
      options.locale = checkedLocale(name, reader.value());
      localeGiven = true;
    } else if (name == "--locales") {
      options.locales = splitLocales(name, reader.value());
    } else if (name == "--space-long-press") {
      const std::string behavior = reader.value();
      if (behavior == "cursor") {
        options.spaceLongPress = keyloom::SpaceLongPressBehavior::moveInputCursor;
      } else if (behavior == "menu") {
        options.spaceLongPress = keyloom::SpaceLongPressBehavior::openLocaleContextMenu;
      } else {
        throw SimulatorUsageError("--space-long-press: " + quoted(behavior) + " is not cursor or menu");
      }
    } else if (name == "--text") {
      options.text = checkedText(name, reader.value());
    } else if (name == "--keyboard-type") {
      const std::string type = reader.value();
      options.keyboardType = keyboardTypeNamed(type);
      if (!options.keyboardType) {
        throw SimulatorUsageError("--keyboard-type: " + quoted(type) +
                                  " is not a keyboard type (default, email, url, numberPad, ...)");
      }
    } else if (name == "--return-key") {
      const std::string key = reader.value();
      options.returnKeyType = returnKeyTypeNamed(key);
      if (!options.returnKeyType) {
        throw SimulatorUsageError("--return-key: " + quoted(key) +
                                  " is not a return key type (default, go, search, send, done, ...)");
      }
    } else if (name == "--autocapitalization") {
      const std::string kind = reader.value();
      auto autocapitalization = autocapitalizationNamed(kind);
      if (!autocapitalization) {
        throw SimulatorUsageError("--autocapitalization: " + quoted(kind) + " is not none, words, sentences or all");
      }
      options.autocapitalization = *autocapitalization;
    } else if (name == "--type") {
      options.inputs.push_back({SimulatorInput::Kind::typeText, checkedText(name, reader.value())});
    } else if (name == "--script") {
      const std::string path = reader.value();
      if (path.empty()) throw SimulatorUsageError("--script needs a file name, or - for standard input");
      options.inputs.push_back({SimulatorInput::Kind::scriptFile, path});
    } else if (name == "--screenshot") {
      const std::string path = reader.value();
      if (path.empty()) throw SimulatorUsageError("--screenshot needs a file name");
      if (auto problem = platform::ui::pictureNameProblem(path)) {
        throw SimulatorUsageError("--screenshot " + path + ": " + *problem);
      }
      options.screenshot = path;
    } else if (name == "--scale") {
      const std::string text = reader.value();
      double scale = 0;
      const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale);
      if (error != std::errc() || end != text.data() + text.size() || !(scale >= 0.25 && scale <= 8)) {
        throw SimulatorUsageError("--scale: " + quoted(text) + " is not a number from 0.25 to 8");
      }
      options.scale = scale;
    } else if (name == "--window" || name == "--no-window") {
      reader.noValue();
      options.window = name == "--window";
    } else if (name == "--print-layout") {
      reader.noValue();
      options.printLayout = true;
    } else if (name == "--json") {
      reader.noValue();
      options.json = true;
    } else if (argument.rfind("-", 0) == 0 && argument != "-") {
      throw SimulatorUsageError("unknown option " + quoted(name));
    } else {
      throw SimulatorUsageError("unexpected argument " + quoted(argument) + " (text to type goes after --type)");
    }
  }
  if (!localeGiven && !options.locales.empty()) options.locale = options.locales.front();
  return options;
}

std::string usageText() {
  return R"(usage: keyboard-simulator [options]

Shows the keyboard in a simulated host app and types into its text field by
pressing the keys of the current layout. With a display it opens the keyboard
in a window, with an empty text field (or --text), unless the command line
asks for a result (--type, --script, --screenshot, --json, --print-layout) or
says --no-window. With no options and no display it types a demonstration
sentence and prints the result and the layout.

The keyboard:
  --keyboard zandorelle|standard       Zandorelle Keyboard (default), or the
                                       library's own standard keyboard
  --word-list FILE                     suggests words from FILE (one a line)
                                       with the word-list provider; the
                                       standard keyboard shows them
The device:
  --device phone|pad                   (default phone)
  --orientation portrait|landscape     (default portrait)
  --home-button                        a device with a home button: the
                                       keyboard shows the globe; without one
                                       (the default) the platform shows its
                                       own below the keyboard, and the
                                       keyboard the emoji key in its place
  --locale ID                          the keyboard's locale (default en), one
                                       of the 61 locales: a wrong ID prints
                                       them all, and the README lists them.
                                       Each has the English letter keys, with
                                       its own captions and callouts
  --locales ID,ID,...                  the locales the keyboard offers
  --space-long-press cursor|menu       what holding the space bar does: moves
                                       the cursor as it slides (default), or
                                       opens the menu of the --locales, named
                                       each in its own language
The host's text field:
  --text TEXT                          initial text, the cursor at its end
  --keyboard-type NAME                 default, email, url, numberPad, ...
  --return-key NAME                    default, go, search, send, done, ...
  --autocapitalization none|words|sentences|all   (default sentences)
Typing, in the order given:
  --type TEXT                          types TEXT key by key, exactly (it
                                       waits between two spaces, so they do
                                       not end a sentence); emojis through
                                       the emoji keyboard, each as its key
                                       lists it, with or without U+FE0F
  --script FILE                        runs FILE, or standard input for -
Output:
  --screenshot FILE.png                renders the screen when done: the host's
                                       text field and the keyboard
  --scale N                            pixels a point, 0.25 to 8 (default: the
                                       device's; in a window: what fits)
  --print-layout                       adds the rows of the current layout
  --json                               prints one JSON object
  --help                               shows this text
The window:
  --window                             shows the keyboard in a desktop window
                                       even with --type, --script and the
                                       like: they run in it first, and with
                                       --screenshot the window closes once it
                                       has taken a picture of itself
  --no-window                          never opens a window
  In the window the mouse is a finger (press, hold, slide); the computer's
  keys press the matching on-screen keys. F1 switches phone and pad, F2
  rotates, F3 cycles the locales, F4 the themes, F5 dark mode, F6 hides or
  shows the keyboard; Ctrl+Q or closing the window quits. The window keeps
  to the display: it takes the scale that fits (unless --scale) at start and
  after each change of device, orientation or display, below 1 where the
  display is small. It prints the result when it closes, and
  when the display goes away (then with exit code 1).

A script has one step a line ('#' starts a comment line):
  tap KEY                    taps a key
  double-tap KEY             taps it twice quickly
  hold KEY SECONDS           holds a key down, then lifts
  long-press KEY SECONDS     holds a key down and keeps the finger there
  slide DX DY                moves the finger that is down by DX, DY points
  lift                       lifts the finger that is down
  drag-space POINTS          drags the space bar sideways (moves the cursor)
  wait SECONDS               lets time pass
  type TEXT                  types TEXT key by key
  tap-suggestion N           taps the Nth suggestion shown, from 0
  tap-menu NAME              taps the entry NAME of the open menu (after
                             long-press space 1 with --space-long-press
                             menu: tap-menu Deutsch), lifting the finger
                             that opened it first
  tap-font N                 taps the Nth font of the font bar, from 0; the
                             letter keys then type that font's letters, so
                             type them as the keys show them: after
                             tap-font 1 (Fraktur), "type ℌ𝔢𝔩𝔩𝔬", not
                             "type Hello" (or tap-font 0 first)
  set-theme N                the host app stores theme N (-1: the default);
                             the keyboard shows it when it next appears
  hide | show                hides or shows the keyboard
  rotate                     turns the device (portrait and landscape)
  dark | light               switches dark mode
  full-access on|off         grants or takes away full access
  screenshot FILE.png        renders the screen now
KEY is a character or one of space, backspace, shift, return, emoji, globe,
123, #+=, ABC. The emoji keyboard has ABC, backspace, a key for each category
(frequent, smileys, animals, foods, activities, travels, objects, symbols,
flags) and the emojis of the category shown, each found with or without
U+FE0F (the finger drags the grid to it first). TEXT runs to the end of the line, or is a JSON string in double
quotes ("a\n b"). Time passes only by waits, holds and 0.15 s after each
key: two taps of space end a sentence ("tap space" twice, "double-tap space").
Lines may end in LF, CR LF or CR; a UTF-8 byte-order mark is skipped.

Exit codes: 0 done, 2 bad options, bad script, or a key, character or step
the keyboard cannot do (with the script's line number), 1 any other failure
(the result could not be written, the window's display went away).
)";
}

}  // namespace keyboard_simulator
