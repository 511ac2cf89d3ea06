#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "keyloom/services/KeyboardActionHandler.h"
#include "keyloom/state/KeyboardType.h"
#include "keyloom/views/EmojiCategoryKeyboard.h"
#include "keyloom/views/EmojiKeyboard.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/ViewHost.h"

namespace keyloom {

// Records every call it gets, for the emoji keyboard tests.
class RecordingEmojiActionHandler : public KeyboardActionHandler {
 public:
  struct Call {
    std::string gesture;  // "drag" for handleDrag
    KeyboardAction action;
  };
  std::vector<Call> calls;

  bool canHandle(KeyboardGesture, const KeyboardAction&) override { return true; }
  void handle(const KeyboardAction& action) override { calls.push_back({"handle", action}); }
  void handle(KeyboardGesture gesture, const KeyboardAction& action) override {
    calls.push_back({std::string(rawValue(gesture)), action});
  }
  void handleDrag(const KeyboardAction& on, platform::Point, platform::Point) override {
    calls.push_back({"drag", on});
  }

  std::vector<std::string> gestures() const {
    std::vector<std::string> result;
    for (const auto& call : calls) result.push_back(call.gesture);
    return result;
  }
};

// A device and orientation, with the rows its emoji grid shows and the
// platform's standard keyboard height there (the letters' height).
struct EmojiKeyboardDevice {
  platform::UserInterfaceIdiom idiom;
  bool landscape;
  int rows;
  double standardHeight;

  platform::SimulatedHostConfiguration configuration() const {
    platform::SimulatedHostConfiguration configuration;
    configuration.idiom = idiom;
    if (idiom == platform::UserInterfaceIdiom::pad) configuration.screenSize = {820, 1180};
    if (landscape) configuration.orientation = platform::ScreenOrientation::landscapeLeft;
    return configuration;
  }
};

inline std::vector<EmojiKeyboardDevice> emojiKeyboardDevices() {
  using platform::UserInterfaceIdiom;
  return {{UserInterfaceIdiom::phone, false, 5, 260},
          {UserInterfaceIdiom::phone, true, 3, 200},
          {UserInterfaceIdiom::pad, false, 3, 320},
          {UserInterfaceIdiom::pad, true, 5, 400}};
}

// The scroll view of the emoji grid shown in `view`; null when none is shown.
inline std::shared_ptr<platform::ui::Node> emojiGrid(const platform::ui::ViewHost& view) {
  for (const auto& scroll : view.findAll(platform::ui::NodeKind::scrollView)) {
    if (!scroll->findAllOfType<EmojiKeyboard>().empty()) return scroll;
  }
  return nullptr;
}

// Every emoji cell in sight is whole, in one of `rows` rows that lie between
// the category title and the menu, and all of them inside `bounds` (the
// keyboard's frame, in the view's coordinates).
inline void expectWholeEmojiRows(const platform::ui::ViewHost& view, platform::Rect bounds, int rows) {
  const auto grid = emojiGrid(view);
  const auto titles = view.findAllOfType<EmojiCategoryTitle>();
  const auto menus = view.findAllOfType<EmojiCategoryKeyboardMenu>();
  ASSERT_TRUE(grid && titles.size() == 1 && menus.size() == 1) << "no emoji keyboard shown";
  const platform::Rect shown = grid->frame;
  EXPECT_LE(titles[0]->frame.maxY(), shown.minY()) << "the title covers the top row";
  EXPECT_GE(menus[0]->frame.minY(), shown.maxY()) << "the menu covers the bottom row";
  EXPECT_GE(titles[0]->frame.minY(), bounds.minY());
  EXPECT_LE(menus[0]->frame.maxY(), bounds.maxY());
  std::set<long> rowTops;
  int cut = 0;
  for (const auto& cell : grid->findAll(platform::ui::NodeKind::text)) {
    const platform::Rect frame = cell->frame;
    if (frame.maxX() <= shown.minX() || frame.minX() >= shown.maxX()) continue;
    if (frame.minY() < shown.minY() || frame.maxY() > shown.maxY()) ++cut;
    rowTops.insert(std::lround(frame.minY()));
  }
  EXPECT_EQ(cut, 0) << "emojis cut at the top or bottom of the grid " << shown.minY() << "..." << shown.maxY();
  EXPECT_EQ(rowTops.size(), static_cast<std::size_t>(rows));
}

// The devices and orientations a host may fix the keyboard's height on, and
// the heights it may fix, from short to tall.
struct FixedHeightCase {
  EmojiKeyboardDevice device;
  double height;

  platform::SimulatedHostConfiguration configuration() const {
    auto configuration = device.configuration();
    configuration.keyboardHeight = height;
    return configuration;
  }

  // E.g. "phone landscape 216", for a test's trace.
  std::string name() const {
    return std::string(device.idiom == platform::UserInterfaceIdiom::pad ? "pad " : "phone ") +
           (device.landscape ? "landscape " : "portrait ") + std::to_string(static_cast<int>(height));
  }
};

// Every type of keyboard a host of fixed height must be filled by.
inline std::vector<KeyboardType> keyboardTypesFillingTheHost() {
  return {KeyboardType::alphabetic(KeyboardCase::lowercased), KeyboardType::numeric(), KeyboardType::symbolic(),
          KeyboardType::emojis()};
}

inline std::vector<FixedHeightCase> fixedHeightCases() {
  std::vector<FixedHeightCase> cases;
  for (const auto& device : emojiKeyboardDevices()) {
    for (double height : {180.0, 216.0, 336.0, 380.0}) cases.push_back({device, height});
  }
  return cases;
}

// The emoji keyboard shown in `view` lies whole inside `bounds`: the title at
// the top, the menu at the bottom, and between them the grid with at least
// one row, none of its emojis cut.
inline void expectEmojiKeyboardInside(const platform::ui::ViewHost& view, platform::Rect bounds) {
  const auto grid = emojiGrid(view);
  const auto titles = view.findAllOfType<EmojiCategoryTitle>();
  const auto menus = view.findAllOfType<EmojiCategoryKeyboardMenu>();
  ASSERT_TRUE(grid && titles.size() == 1 && menus.size() == 1) << "no emoji keyboard shown";
  const platform::Rect shown = grid->frame;
  EXPECT_GE(titles[0]->frame.minY(), bounds.minY()) << "the title is cut at the top";
  EXPECT_LE(menus[0]->frame.maxY(), bounds.maxY()) << "the menu is cut at the bottom";
  EXPECT_LE(titles[0]->frame.maxY(), shown.minY() + 0.01) << "the title covers the grid";
  EXPECT_GE(menus[0]->frame.minY(), shown.maxY() - 0.01) << "the menu covers the grid";
  std::set<long> rowTops;
  int cut = 0;
  for (const auto& cell : grid->findAll(platform::ui::NodeKind::text)) {
    const platform::Rect frame = cell->frame;
    if (frame.maxX() <= shown.minX() || frame.minX() >= shown.maxX()) continue;
    if (frame.minY() < shown.minY() - 0.01 || frame.maxY() > shown.maxY() + 0.01) ++cut;
    rowTops.insert(std::lround(frame.minY()));
  }
  EXPECT_EQ(cut, 0) << "emojis cut at the top or bottom of the grid " << shown.minY() << "..." << shown.maxY();
  EXPECT_GE(rowTops.size(), 1u);
}

}  // namespace keyloom
