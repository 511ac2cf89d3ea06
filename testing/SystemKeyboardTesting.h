#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "keyloom/services/KeyboardActionHandler.h"
#include "keyloom/views/SystemKeyboard.h"
#include "keyloom/views/SystemKeyboardServices.h"
#include "platform/foundation/MainQueue.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/UI.h"
#include "platform/ui/ViewHost.h"
#include "testing/GoldenImage.h"

namespace keyloom::testing {

// Records what reaches the action handler, for views tested without the
// controller.
class RecordingActionHandler : public KeyboardActionHandler {
 public:
  std::vector<std::pair<KeyboardGesture, KeyboardAction>> handled;
  std::vector<KeyboardAction> drags;

  bool canHandle(KeyboardGesture, const KeyboardAction&) override { return true; }
  void handle(const KeyboardAction& action) override { handled.emplace_back(KeyboardGesture::press, action); }
  void handle(KeyboardGesture gesture, const KeyboardAction& action) override {
    handled.emplace_back(gesture, action);
  }
  void handleDrag(const KeyboardAction& on, platform::Point, platform::Point) override {
    drags.push_back(on);
  }

  std::vector<KeyboardAction> actions(KeyboardGesture gesture) const {
    std::vector<KeyboardAction> result;
    for (const auto& [g, action] : handled) {
      if (g == gesture) result.push_back(action);
    }
    return result;
  }
};

// The standard services with a recording handler, hosted in a ViewHost.
struct HostedKeyboard : SystemKeyboardServices {
  // The services' handler, as what it records.
  std::shared_ptr<RecordingActionHandler> recorded;
  std::unique_ptr<platform::ui::ViewHost> host;
  platform::Size size{390, 262};

  HostedKeyboard() : HostedKeyboard(std::make_shared<RecordingActionHandler>()) {}

  SystemKeyboard makeKeyboard(
      SystemKeyboard::AutocompleteToolbarMode mode = SystemKeyboard::AutocompleteToolbarMode::automatic,
      bool withCallouts = true) {
    return keyboard(
        size.width,
        [this](const AutocompleteSuggestion& suggestion) { tappedSuggestions.push_back(suggestion.text); },
        mode, withCallouts);
  }

  // Hosts a keyboard at `size`, measuring text as the renderer draws it.
  void show(platform::Size hostSize, SystemKeyboard keyboard) {
    size = hostSize;
    host = std::make_unique<platform::ui::ViewHost>(platform::ui::View(std::move(keyboard)));
    host->setFontMetrics(platform::ui::PangoTextMetrics::shared());
    host->layout(size);
    platform::MainQueue::main().runUntilIdle();
  }
  void show(platform::Size hostSize) {
    size = hostSize;
    show(hostSize, makeKeyboard());
  }

  std::shared_ptr<platform::ui::Node> key(const KeyboardAction& action) const {
    return host->findAttached(action);
  }
  platform::Point center(const KeyboardAction& action) const {
    auto node = key(action);
    EXPECT_TRUE(node) << "no key for the action";
    return node ? platform::Point{node->frame.midX(), node->frame.midY()} : platform::Point{};
  }

  std::vector<std::string> tappedSuggestions;

 private:
  explicit HostedKeyboard(std::shared_ptr<RecordingActionHandler> recording)
      : SystemKeyboardServices(recording), recorded(std::move(recording)) {}
};

inline void advance(double seconds) {
  platform::MainQueue::main().advance(seconds);
  platform::MainQueue::main().runUntilIdle();
}

// Renders the host and compares it with the golden image of the same name
// beside these tests (goldens/<name>.png, or in `folder`); see GoldenImage.h
// for the tolerance and for writing the goldens anew.
inline void expectMatchesGolden(const platform::ui::ViewHost& host, const std::string& name, double scale = 3,
                                std::optional<platform::ui::Color> background = std::nullopt,
                                const std::filesystem::path& folder =
                                    std::filesystem::path(KEYLOOM_SOURCE_DIR) / "keyloom" / "views" / "goldens") {
  const std::filesystem::path rendered = std::filesystem::path(::testing::TempDir()) / ("keyloom-" + name + ".png");
  const auto report = platform::ui::renderPNG(host, rendered.string(), scale, background);
  EXPECT_EQ(report.unknownGlyphs, 0) << name;
  EXPECT_TRUE(report.unknownSymbols.empty()) << name << ": no picture for " << report.unknownSymbols.front();
  expectMatchesGoldenFile(rendered, folder / (name + ".png"));
}

}  // namespace keyloom::testing
