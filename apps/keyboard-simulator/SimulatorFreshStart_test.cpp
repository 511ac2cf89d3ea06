// What changes while the keyboard runs (the window's device key turning a
// phone into a pad in one process, the host moving the input to a field of
// other traits) must leave the keyboard a fresh start there would show: the
// same rows and the same pixels, on every page and on both keyboards.
#include <cairo.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "apps/keyboard-simulator/SimulatorReport.h"
#include "apps/keyboard-simulator/SimulatorScript.h"
#include "apps/keyboard-simulator/SimulatorSession.h"
#include "apps/keyboard-simulator/SimulatorWholeFrame_testing.h"
#include "platform/foundation/ProcessState.h"
#include "testing/SurfaceDifference.h"

namespace keyboard_simulator {
namespace {

using Command = SimulatorSession::Command;
using keyloom::DeviceType;
using keyloom::InterfaceOrientation;

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// What one page of the keyboard shows: the report with its rows, and the
// screen drawn whole.
struct Page {
  std::string report;
  Surface picture;
};

// The page shown, once what the keyboard animates when it appears (the
// locale's name on the space bar, shown once a locale) has settled.
Page shownPage(SimulatorSession& session) {
  session.advance(5);
  return {formatText(session.simulator().report(true)), Surface(wholeFrame(session))};
}

// Each page in turn, from the letters: the numbers, the symbols, and the
// emojis where the letters have a key for them.
std::vector<Page> everyPage(SimulatorSession& session) {
  std::vector<Page> pages;
  for (const char* script : {"", "tap 123\n", "tap #+=\n", "tap ABC\n"}) {
    session.simulator().run(parseSimulatorScript(script));
    pages.push_back(shownPage(session));
  }
  if (pages.back().report.find("keyboardType(emojis)") != std::string::npos) {
    session.simulator().run(parseSimulatorScript("tap emoji\n"));
    pages.push_back(shownPage(session));
  }
  return pages;
}

void expectSamePages(const std::vector<Page>& pages, const std::vector<Page>& fresh) {
  ASSERT_EQ(pages.size(), fresh.size());
  for (std::size_t page = 0; page < pages.size(); ++page) {
    SCOPED_TRACE("page " + std::to_string(page));
    EXPECT_EQ(pages[page].report, fresh[page].report);
    EXPECT_EQ(
        keyloom::testing::differingPixels(pages[page].picture.get(), fresh[page].picture.get(), 0x00FFFFFF),
        0);
  }
}

// The pages of a keyboard started in a process that saw nothing before.
std::vector<Page> freshPages(const SimulatorOptions& options) {
  platform::resetProcessState();
  SimulatorSession session(options, 1);
  return everyPage(session);
}

SimulatorOptions on(SimulatorKeyboard keyboard, DeviceType device, InterfaceOrientation orientation) {
  SimulatorOptions options;
  options.keyboard = keyboard;
  options.device = device;
  options.orientation = orientation;
  options.scale = 1;
  return options;
}

std::string where(SimulatorKeyboard keyboard, DeviceType device, InterfaceOrientation orientation) {
  return std::string(keyboard == SimulatorKeyboard::zandorelle ? "product" : "standard") +
         (device == DeviceType::phone ? ", phone " : ", pad ") +
         (keyloom::isLandscape(orientation) ? "landscape" : "portrait");
}

// The window's keys that change the device, its turn and the locale, alone
// and after one another, on both keyboards and devices; the device key from
// every page.
TEST(SimulatorFreshStartTest, TheWindowsKeysLeaveWhatAFreshStartInTheirStateShows) {
  using Change = std::function<void(SimulatorOptions&)>;
  const Change otherDevice = [](SimulatorOptions& o) {
    o.device = o.device == DeviceType::phone ? DeviceType::pad : DeviceType::phone;
  };
  const Change turned = [](SimulatorOptions& o) { o.orientation = InterfaceOrientation::landscape; };
  const Change german = [](SimulatorOptions& o) { o.locale = "de"; };
  struct Keys {
    const char* name;
    std::vector<Command> commands;
    std::vector<Change> changes;  // what a fresh start is given for them
    std::vector<const char*> startPages;
  };
  const Keys cases[] = {
      {"F1", {Command::nextDevice}, {otherDevice}, {"", "tap 123\n", "tap 123\ntap #+=\n", "emoji"}},
      {"F1 twice", {Command::nextDevice, Command::nextDevice}, {}, {""}},
      {"F2 then F1", {Command::rotate, Command::nextDevice}, {turned, otherDevice}, {""}},
      {"F1 then F2", {Command::nextDevice, Command::rotate}, {otherDevice, turned}, {"tap 123\n"}},
      {"F3 then F1", {Command::nextLocale, Command::nextDevice}, {german, otherDevice}, {""}},
      {"F1 then F3", {Command::nextDevice, Command::nextLocale}, {otherDevice, german}, {"tap 123\n"}},
  };
  for (const auto keyboard : {SimulatorKeyboard::zandorelle, SimulatorKeyboard::standard}) {
    for (const auto device : {DeviceType::phone, DeviceType::pad}) {
      const SimulatorOptions start = on(keyboard, device, InterfaceOrientation::portrait);
      for (const Keys& keys : cases) {
        SimulatorOptions state = start;
        for (const Change& change : keys.changes) change(state);
        const std::vector<Page> fresh = freshPages(state);
        for (const char* startPage : keys.startPages) {
          SCOPED_TRACE(std::string(keys.name) + " from " +
                       where(keyboard, device, InterfaceOrientation::portrait) + " on the page of '" +
                       startPage + "'");
          platform::resetProcessState();
          SimulatorSession session(start, 1);
          if (std::string(startPage) != "emoji") {
            session.simulator().run(parseSimulatorScript(startPage));
          } else if (formatText(session.simulator().report(true)).find("keyboardType(emojis)") !=
                     std::string::npos) {
            session.simulator().run(parseSimulatorScript("tap emoji\n"));
          } else {
            continue;
          }
          session.frame();
          for (const Command command : keys.commands) {
            session.perform(command);
            session.frame();
          }
          // The keyboard's page is kept by a turn or a locale (the fresh
          // start is on the letters): back to the letters first.
          if (session.simulator().report(false).keyboard.rfind("alphabetic", 0) != 0) {
            session.simulator().run(parseSimulatorScript("tap ABC\n"));
          }
          expectSamePages(everyPage(session), fresh);
        }
      }
    }
  }
}

// A field's traits as the simulator's options give them.
struct Field {
  const char* name;
  std::function<void(SimulatorOptions&)> traits;
};

const Field kFields[] = {
    {"plain", [](SimulatorOptions&) {}},
    {"e-mail", [](SimulatorOptions& o) { o.keyboardType = platform::KeyboardType::emailAddress; }},
    {"web address, go",
     [](SimulatorOptions& o) {
       o.keyboardType = platform::KeyboardType::URL;
       o.returnKeyType = platform::ReturnKeyType::go;
     }},
    {"no capitals, send",
     [](SimulatorOptions& o) {
       o.autocapitalization = platform::AutocapitalizationType::none;
       o.returnKeyType = platform::ReturnKeyType::send;
     }},
    {"number pad", [](SimulatorOptions& o) { o.keyboardType = platform::KeyboardType::numberPad; }},
};

platform::TextInputTraits traitsOf(const Field& field) {
  SimulatorOptions options;
  field.traits(options);
  return fieldTraits(options);
}
// From a field of some traits to one of others, with the keyboard shown and
// hidden at the time, from the letters and from the numbers (the keyboard
// keeps its page as it does whenever it is shown again): the keyboard on the
// new field is the one a fresh start on it shows on that page.
TEST(SimulatorFreshStartTest, ANewDocumentOfOtherTraitsShowsWhatAFreshStartOnItShows) {
  struct Move {
    int from;
    int to;
    const char* page;
    bool hidden;
  };
  const Move moves[] = {{0, 1, "", false},          {1, 0, "", false},        {0, 2, "", false},
                        {2, 3, "", false},          {3, 0, "", false},        {1, 4, "", false},
                        {4, 0, "", false},          {0, 1, "", true},         {1, 0, "", true},
                        {0, 1, "tap 123\n", false}, {1, 0, "tap 123\n", true}};
  for (const auto keyboard : {SimulatorKeyboard::zandorelle, SimulatorKeyboard::standard}) {
    for (const auto device : {DeviceType::phone, DeviceType::pad}) {
      for (const Move& move : moves) {
        SCOPED_TRACE(where(keyboard, device, InterfaceOrientation::portrait) + ": from a " +
                     kFields[move.from].name + " field to a " + kFields[move.to].name + " one" +
                     (move.hidden ? ", the keyboard hidden" : "") + ", on the page of '" + move.page + "'");
        SimulatorOptions fresh = on(keyboard, device, InterfaceOrientation::portrait);
        kFields[move.to].traits(fresh);
        // At a sentence's start, so capitals follow the field; on the
        // numbers, where a space would turn back to the letters, without.
        const std::string text = *move.page ? "Sent." : "Sent. ";
        fresh.text = text;
        const Page expected = [&] {
          platform::resetProcessState();
          SimulatorSession session(fresh, 1);
          session.simulator().run(parseSimulatorScript(move.page));
          return shownPage(session);
        }();

        platform::resetProcessState();
        SimulatorOptions options = on(keyboard, device, InterfaceOrientation::portrait);
        kFields[move.from].traits(options);
        SimulatorSession session(options, 1);
        session.simulator().type("hi");
        session.simulator().run(parseSimulatorScript(move.page));
        session.frame();
        if (move.hidden) session.simulator().hide();
        session.simulator().host()->beginNewDocument(text, traitsOf(kFields[move.to]));
        session.simulator().host()->runMainQueue();
        if (move.hidden) session.simulator().show();
        const Page shown = shownPage(session);
        EXPECT_EQ(shown.report, expected.report);
        EXPECT_EQ(keyloom::testing::differingPixels(shown.picture.get(), expected.picture.get(), 0x00FFFFFF),
                  0);
      }
    }
  }
}

}  // namespace
}  // namespace keyboard_simulator
