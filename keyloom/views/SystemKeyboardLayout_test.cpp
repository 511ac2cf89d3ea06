// The keyboard laid out after each update reusing the last pass ends up
// exactly where a full pass puts it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/SystemKeyboardTesting.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using testing::HostedKeyboard;

KeyboardAction ch(const char* text) { return KeyboardAction::character(text); }

struct NodeFrames {
  std::string name;
  std::vector<platform::Rect> frames;
  platform::Point scrollOffset;
};

void collect(const ui::Node& node, std::vector<NodeFrames>& out) {
  NodeFrames entry{node.description(), {node.levelFrames.begin(), node.levelFrames.end()}, node.scrollOffset};
  entry.frames.push_back(node.frame);
  entry.frames.push_back(node.contentFrame);
  out.push_back(std::move(entry));
  for (const auto& child : node.children()) collect(*child, out);
}

std::vector<NodeFrames> framesOf(const ui::ViewHost& host) {
  std::vector<NodeFrames> result;
  collect(*host.root(), result);
  return result;
}

// Compares the frames the updates left with those of a full pass, then lets
// the next update start from an incremental pass's memory again.
void expectSameAsAFullPass(HostedKeyboard& keyboard, const std::string& step) {
  const auto incremental = framesOf(*keyboard.host);
  keyboard.host->setIncrementalLayout(false);
  keyboard.host->relayout();
  const auto full = framesOf(*keyboard.host);
  keyboard.host->setIncrementalLayout(true);
  keyboard.host->relayout();
  ASSERT_EQ(incremental.size(), full.size()) << step;
  ASSERT_GT(full.size(), 100u) << "a whole keyboard";
  int differences = 0;
  for (std::size_t i = 0; i < full.size() && differences < 5; ++i) {
    const bool same = incremental[i].name == full[i].name && incremental[i].frames == full[i].frames &&
                      incremental[i].scrollOffset == full[i].scrollOffset;
    if (!same) ++differences;
    EXPECT_TRUE(same) << step << ": node " << i << " " << full[i].name;
  }
  EXPECT_EQ(framesOf(*keyboard.host).size(), full.size()) << step;
}

void tap(HostedKeyboard& keyboard, const KeyboardAction& action) {
  auto touch = keyboard.host->touches().down(keyboard.center(action));
  testing::advance(0.05);
  keyboard.host->touches().up(touch);
  testing::advance(0.3);
}

TEST(SystemKeyboardLayout, UpdatesLaidOutIncrementallyMatchAFullPass) {
  HostedKeyboard keyboard;
  keyboard.show({390, 262});
  expectSameAsAFullPass(keyboard, "shown");

  auto touch = keyboard.host->touches().down(keyboard.center(ch("a")));
  platform::MainQueue::main().runUntilIdle();
  ASSERT_TRUE(keyboard.callouts->input()->isActive());
  expectSameAsAFullPass(keyboard, "a pressed, callout shown");
  keyboard.host->touches().up(touch);
  testing::advance(1);
  expectSameAsAFullPass(keyboard, "a released");

  // Several updates in a row, each reusing the one before.
  for (const char* key : {"q", "w", "e", "r", "t", "y"}) tap(keyboard, ch(key));
  expectSameAsAFullPass(keyboard, "typed a word");

  // A long press shows the accents' callout, a slide selects one.
  const platform::Point e = keyboard.center(ch("e"));
  touch = keyboard.host->touches().down(e);
  testing::advance(0.6);
  ASSERT_TRUE(keyboard.callouts->action()->isActive());
  expectSameAsAFullPass(keyboard, "accents shown");
  keyboard.host->touches().move(touch, {e.x + 40, e.y});
  platform::MainQueue::main().runUntilIdle();
  expectSameAsAFullPass(keyboard, "accent selected");
  keyboard.host->touches().up(touch);
  testing::advance(1);
  expectSameAsAFullPass(keyboard, "accent typed");

  keyboard.context->keyboardType.set(KeyboardType::numeric());
  platform::MainQueue::main().runUntilIdle();
  expectSameAsAFullPass(keyboard, "numeric");
  tap(keyboard, KeyboardAction::backspace());
  expectSameAsAFullPass(keyboard, "deleted");

  keyboard.context->keyboardType.set(KeyboardType::emojis());
  platform::MainQueue::main().runUntilIdle();
  expectSameAsAFullPass(keyboard, "emojis");

  keyboard.context->keyboardType.set(KeyboardType::alphabetic(KeyboardCase::uppercased));
  platform::MainQueue::main().runUntilIdle();
  expectSameAsAFullPass(keyboard, "uppercased");
  tap(keyboard, KeyboardAction::space());
  expectSameAsAFullPass(keyboard, "typed a space");

  keyboard.host->layout(platform::Size{600, 262});
  expectSameAsAFullPass(keyboard, "wider");
}

}  // namespace
}  // namespace keyloom
