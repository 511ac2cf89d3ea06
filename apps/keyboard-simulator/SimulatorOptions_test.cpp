#include "apps/keyboard-simulator/SimulatorOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keyboard_simulator {
namespace {

using Arguments = std::vector<std::string>;

TEST(SimulatorOptionsTest, NoArgumentsMeanTheDemonstration) {
  const auto options = parseSimulatorOptions({});
  EXPECT_TRUE(options.demonstration);
  EXPECT_TRUE(options.printLayout);
  ASSERT_EQ(options.inputs.size(), 1u);
  EXPECT_EQ(options.inputs[0].value, demonstrationText());
}

TEST(SimulatorOptionsTest, DefaultsAreAPhoneInPortraitTypingEnglishSentences) {
  const auto options = parseSimulatorOptions({"--json"});
  EXPECT_FALSE(options.demonstration);
  EXPECT_EQ(options.device, keyloom::DeviceType::phone);
  EXPECT_EQ(options.orientation, keyloom::InterfaceOrientation::portrait);
  EXPECT_EQ(options.locale, "en");
  EXPECT_TRUE(options.locales.empty());
  EXPECT_EQ(options.autocapitalization, platform::AutocapitalizationType::sentences);
  EXPECT_FALSE(options.keyboardType);
  EXPECT_FALSE(options.returnKeyType);
  EXPECT_TRUE(options.json);
}

TEST(SimulatorOptionsTest, ReadsEveryOptionInBothForms) {
  const auto options = parseSimulatorOptions({"--device", "pad", "--orientation=landscape", "--locale", "de_CH",
                                              "--locales=en,fr", "--text", "Hi", "--keyboard-type", "URL",
                                              "--return-key=DONE", "--autocapitalization", "all", "--type", "a",
                                              "--script", "-", "--type=b", "--print-layout"});
  EXPECT_EQ(options.device, keyloom::DeviceType::pad);
  EXPECT_EQ(options.orientation, keyloom::InterfaceOrientation::landscape);
  EXPECT_EQ(options.locale, "de_CH");
  EXPECT_EQ(options.locales, (std::vector<std::string>{"en", "fr"}));
  EXPECT_EQ(options.text, "Hi");
  EXPECT_EQ(options.keyboardType, platform::KeyboardType::URL);
  EXPECT_EQ(options.returnKeyType, platform::ReturnKeyType::done);
  EXPECT_EQ(options.autocapitalization, platform::AutocapitalizationType::allCharacters);
  EXPECT_EQ(options.inputs, (std::vector<SimulatorInput>{{SimulatorInput::Kind::typeText, "a"},
                                                         {SimulatorInput::Kind::scriptFile, "-"},
                                                         {SimulatorInput::Kind::typeText, "b"}}));
  EXPECT_TRUE(options.printLayout);
  EXPECT_FALSE(options.homeButton);
  EXPECT_TRUE(parseSimulatorOptions({"--home-button"}).homeButton);
  EXPECT_EQ(options.spaceLongPress, keyloom::SpaceLongPressBehavior::moveInputCursor);
  EXPECT_EQ(parseSimulatorOptions({"--space-long-press", "menu"}).spaceLongPress,
            keyloom::SpaceLongPressBehavior::openLocaleContextMenu);
  EXPECT_EQ(parseSimulatorOptions({"--space-long-press=cursor"}).spaceLongPress,
            keyloom::SpaceLongPressBehavior::moveInputCursor);
}

TEST(SimulatorOptionsTest, TheLocalesAloneChooseTheirFirstAsTheLocale) {
  EXPECT_EQ(parseSimulatorOptions({"--locales", "fr,de"}).locale, "fr");
  EXPECT_EQ(parseSimulatorOptions({"--locales", "fr,de", "--locale", "en"}).locale, "en");
}

TEST(SimulatorOptionsTest, TraitNamesAreThePlatformsOrTheShortOnes) {
  EXPECT_EQ(keyboardTypeNamed("email"), platform::KeyboardType::emailAddress);
  EXPECT_EQ(keyboardTypeNamed("emailAddress"), platform::KeyboardType::emailAddress);
  EXPECT_EQ(keyboardTypeNamed("url"), platform::KeyboardType::URL);
  EXPECT_EQ(keyboardTypeNamed("numberPad"), platform::KeyboardType::numberPad);
  EXPECT_EQ(keyboardTypeNamed("search"), platform::KeyboardType::webSearch);
  EXPECT_FALSE(keyboardTypeNamed(""));
  EXPECT_EQ(returnKeyTypeNamed("search"), platform::ReturnKeyType::search);
  EXPECT_EQ(returnKeyTypeNamed("continue"), platform::ReturnKeyType::continue_);
  EXPECT_EQ(returnKeyTypeNamed("return"), platform::ReturnKeyType::default_);
  EXPECT_FALSE(returnKeyTypeNamed("enter"));
  EXPECT_EQ(autocapitalizationNamed("words"), platform::AutocapitalizationType::words);
  EXPECT_FALSE(autocapitalizationNamed("some"));
}

TEST(SimulatorOptionsTest, WithADisplayTheWindowOpensUnlessAResultIsAskedFor) {
  struct Case {
    Arguments arguments;
    bool display;
    bool window;
  };
  const Case cases[] = {
      {{}, true, true},
      {{}, false, false},
      {{"--device", "pad"}, true, true},
      {{"--locale", "de", "--orientation", "landscape", "--text", "Hi", "--home-button"}, true, true},
      {{"--device", "pad"}, false, false},
      {{"--type", "hi"}, true, false},
      {{"--script", "-"}, true, false},
      {{"--screenshot", "a.png"}, true, false},
      {{"--json"}, true, false},
      {{"--print-layout"}, true, false},
      {{"--device", "pad", "--no-window"}, true, false},
      {{"--type", "hi", "--window"}, true, true},
      // Asked for outright, it is tried (and fails) without a display.
      {{"--window"}, false, true},
  };
  for (const auto& [arguments, display, window] : cases) {
    int asked = 0;
    const bool opens = opensWindow(parseSimulatorOptions(arguments), [&, display = display] {
      ++asked;
      return display;
    });
    EXPECT_EQ(opens, window) << ::testing::PrintToString(arguments) << " display " << display;
    EXPECT_LE(asked, 1);
  }
}

TEST(SimulatorOptionsTest, TheWindowStartsEmptyOnTheLetters) {
  const auto demonstration = windowOptions(parseSimulatorOptions({}));
  EXPECT_TRUE(demonstration.inputs.empty());
  EXPECT_FALSE(demonstration.printLayout);
  // What the command line asks for is kept.
  const auto asked = windowOptions(parseSimulatorOptions({"--window", "--text", "Hi", "--type", "x"}));
  EXPECT_EQ(asked.text, "Hi");
  EXPECT_EQ(asked.inputs.size(), 1u);
}

TEST(SimulatorOptionsTest, BadCommandLinesSayWhatIsWrong) {
  struct Case {
    Arguments arguments;
    std::string message;
  };
  const Case cases[] = {
      {{"--nope"}, "unknown option '--nope'"},
      {{"-x"}, "unknown option '-x'"},
      {{"--nope=1"}, "unknown option '--nope'"},
      {{"words"}, "unexpected argument 'words' (text to type goes after --type)"},
      {{"-"}, "unexpected argument '-'"},
      {{"--locale"}, "--locale needs a value"},
      {{"--json=yes"}, "--json takes no value"},
      {{"--orientation", "sideways"}, "--orientation: 'sideways' is not portrait or landscape"},
      {{"--locales", "en,,de"}, "--locales: '' is not a locale identifier"},
      {{"--locale", "../etc"}, "--locale: '../etc' is not a locale identifier"},
      {{"--locale", "klingon"},
       "--locale: 'klingon' is not one of the 61 locales the keyboard knows: en sq ar"},
      {{"--locale", "EN"}, "--locale: 'EN' is not one of the 61 locales"},
      {{"--locales", "de,de_DE"}, "--locales: 'de_DE' is not one of the 61 locales"},
      {{"--home-button=yes"}, "--home-button takes no value"},
      {{"--space-long-press", "locales"}, "--space-long-press: 'locales' is not cursor or menu"},
      {{"--return-key", "enter"}, "--return-key: 'enter' is not a return key type"},
      {{"--autocapitalization", "some"}, "--autocapitalization: 'some' is not none, words, sentences or all"},
      {{"--script", ""}, "--script needs a file name, or - for standard input"},
      {{"--text", "\xC3"}, "--text: the text is not valid UTF-8"},
      {{"--type", "\xFF"}, "--type: the text is not valid UTF-8"},
      {{"--screenshot", "x.jpg"}, "--screenshot x.jpg: pictures are written as PNG, not JPEG (name the file .png)"},
      {{"--screenshot=shots/x.TIFF"}, "--screenshot shots/x.TIFF: pictures are written as PNG, not TIFF"},
  };
  for (const auto& [arguments, message] : cases) {
    try {
      parseSimulatorOptions(arguments);
      ADD_FAILURE() << "accepted: " << message;
    } catch (const SimulatorUsageError& error) {
      EXPECT_EQ(std::string(error.what()).substr(0, message.size()), message);
    }
  }
}

}  // namespace
}  // namespace keyboard_simulator
