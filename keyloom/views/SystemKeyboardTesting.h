#pragma once

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "keyloom/controller/KeyboardActionHandler.h"
#include "keyloom/views/SystemKeyboard.h"
#include "keyloom/views/SystemKeyboardServices.h"
#include "platform/foundation/MainQueue.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/UI.h"
#include "platform/ui/ViewHost.h"

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

// Compares a rendering with the golden image of the same name beside these
// tests (goldens/<name>.png, or in `folder`), allowing a small difference per
// pixel for font rasterisation. Run with KEYLOOM_UPDATE_GOLDENS=1 to write the
// goldens anew after an intended change, then look at them before committing.
inline void expectMatchesGolden(const platform::ui::ViewHost& host, const std::string& name, double scale = 3,
                                std::optional<platform::ui::Color> background = std::nullopt,
                                const std::filesystem::path& folder =
                                    std::filesystem::path(KEYLOOM_SOURCE_DIR) / "keyloom" / "views" / "goldens") {
  namespace fs = std::filesystem;
  const fs::path golden = folder / (name + ".png");
  const fs::path rendered = fs::path(::testing::TempDir()) / ("keyloom-" + name + ".png");
  const auto report = platform::ui::renderPNG(host, rendered.string(), scale, background);
  EXPECT_EQ(report.unknownGlyphs, 0) << name;
  if (const char* update = std::getenv("KEYLOOM_UPDATE_GOLDENS"); update && std::string(update) == "1") {
    fs::create_directories(golden.parent_path());
    fs::copy_file(rendered, golden, fs::copy_options::overwrite_existing);
    return;
  }
  cairo_surface_t* expected = cairo_image_surface_create_from_png(golden.c_str());
  cairo_surface_t* actual = cairo_image_surface_create_from_png(rendered.c_str());
  const bool loaded = cairo_surface_status(expected) == CAIRO_STATUS_SUCCESS &&
                      cairo_surface_status(actual) == CAIRO_STATUS_SUCCESS;
  EXPECT_TRUE(loaded) << "missing golden " << golden << " (rendered " << rendered << ")";
  if (loaded) {
    const int width = cairo_image_surface_get_width(actual);
    const int height = cairo_image_surface_get_height(actual);
    EXPECT_EQ(width, cairo_image_surface_get_width(expected)) << name;
    EXPECT_EQ(height, cairo_image_surface_get_height(expected)) << name;
    if (width == cairo_image_surface_get_width(expected) &&
        height == cairo_image_surface_get_height(expected)) {
      cairo_surface_flush(expected);
      cairo_surface_flush(actual);
      const unsigned char* a = cairo_image_surface_get_data(actual);
      const unsigned char* e = cairo_image_surface_get_data(expected);
      const int stride = cairo_image_surface_get_stride(actual);
      long differing = 0;
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width * 4; x += 4) {
          for (int c = 0; c < 4; ++c) {
            if (std::abs(a[y * stride + x + c] - e[y * stride + x + c]) > 32) {
              ++differing;
              break;
            }
          }
        }
      }
      // A few antialiased edge pixels may differ between font builds.
      EXPECT_LE(differing, static_cast<long>(width) * height / 500)
          << name << ": " << differing << " pixels differ; rendered " << rendered;
    }
  }
  cairo_surface_destroy(expected);
  cairo_surface_destroy(actual);
}

}  // namespace keyloom::testing
