// Kept subtrees: a publish re-evaluates the views that read the changed
// object, and the comparable views handed equal values keep their nodes.
#include "platform/ui/ViewTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/MainQueue.h"
#include "platform/reactive/Published.h"
#include "platform/ui/UI.h"

namespace platform::ui {
namespace {

class Words : public ObservableObject {
 public:
  Published<std::vector<std::string>> shown{*this, {"a"}};
};

class Casing : public ObservableObject {
 public:
  Published<bool> upper{*this, false};
};

void runMainQueue() { MainQueue::main().runUntilIdle(); }

// Shows the words it is given: they are its value.
struct Bar {
  std::vector<std::string> words;
  bool operator==(const Bar&) const = default;
  View body() const {
    std::vector<View> texts;
    for (const auto& word : words) texts.push_back(Text(word));
    return HStack(texts);
  }
};

// Reads the casing object, so observes it.
struct Letter {
  std::string letter;
  std::shared_ptr<Casing> casing;
  bool operator==(const Letter&) const = default;
  View body(BodyContext& context) const {
    context.observe(casing);
    auto pressed = context.state(false);
    std::string shown = letter;
    if (casing->upper.get()) shown[0] = static_cast<char>(shown[0] - 'a' + 'A');
    return Text(shown).opacity(pressed.get() ? 0.5 : 1).onTapGesture([pressed] { pressed.set(true); });
  }
};

// The same without operator==: evaluated with its parent, as it always was.
struct PlainLetter {
  std::string letter;
  View body() const { return Text(letter); }
};

// Like a keyboard's root: observes both objects and builds everything anew.
struct Keyboard {
  std::shared_ptr<Words> words;
  std::shared_ptr<Casing> casing;
  View body(BodyContext& context) const {
    context.observe(words);
    context.observe(casing);
    std::vector<View> keys;
    for (const char* letter : {"q", "w", "e"}) keys.push_back(Letter{letter, casing});
    keys.push_back(PlainLetter{"x"});
    return VStack({Bar{words->shown.get()}, HStack(keys)}).foregroundColor(Color::red());
  }
};

struct KeptSubtrees : ::testing::Test {
  std::shared_ptr<Words> words = std::make_shared<Words>();
  std::shared_ptr<Casing> casing = std::make_shared<Casing>();
  ViewHost host{Keyboard{words, casing}};

  std::size_t evaluations(const std::shared_ptr<Node>& node) { return node->evaluationCount(); }
  std::shared_ptr<Node> bar() { return host.root()->findAllOfType<Bar>().at(0); }
  std::vector<std::shared_ptr<Node>> letters() { return host.root()->findAllOfType<Letter>(); }
  std::shared_ptr<Node> plain() { return host.root()->findAllOfType<PlainLetter>().at(0); }
};

TEST_F(KeptSubtrees, NewWordsReEvaluateTheBarAndKeepEveryLetter) {
  const auto letterNodes = letters();
  ASSERT_EQ(letterNodes.size(), 3u);
  const auto letterText = letterNodes[0]->findText("q");
  ASSERT_NE(letterText, nullptr);
  const std::size_t root = evaluations(host.root());
  const std::size_t barBefore = evaluations(bar());
  const std::size_t textBefore = evaluations(letterText);
  const std::size_t plainBefore = evaluations(plain());

  words->shown.set({"b", "c"});
  runMainQueue();

  EXPECT_EQ(evaluations(host.root()), root + 1);
  EXPECT_EQ(evaluations(bar()), barBefore + 1);
  EXPECT_NE(host.findText("c"), nullptr);
  EXPECT_EQ(letters(), letterNodes) << "the same nodes";
  for (const auto& letter : letterNodes) EXPECT_EQ(evaluations(letter), 1u);
  EXPECT_EQ(evaluations(letterText), textBefore) << "nothing below a kept view is visited";
  EXPECT_EQ(evaluations(plain()), plainBefore + 1) << "a view without operator== cannot be kept";
}

TEST_F(KeptSubtrees, ACasingChangeReEvaluatesTheLettersAndKeepsTheBar) {
  const std::size_t barBefore = evaluations(bar());
  casing->upper.set(true);
  runMainQueue();
  EXPECT_EQ(evaluations(bar()), barBefore) << "handed equal words again";
  for (const auto& letter : letters()) EXPECT_EQ(evaluations(letter), 2u) << "each observes the casing";
  EXPECT_NE(host.findText("Q"), nullptr);
  EXPECT_EQ(host.findText("q"), nullptr);
}

TEST_F(KeptSubtrees, AKeptViewStillFollowsItsOwnState) {
  words->shown.set({"z"});
  runMainQueue();
  auto q = letters()[0];
  ASSERT_EQ(evaluations(q), 1u) << "kept";
  const std::size_t rootBefore = evaluations(host.root());

  q->findText("q")->tap();  // writes the letter's state
  runMainQueue();

  EXPECT_EQ(evaluations(q), 2u);
  EXPECT_EQ(evaluations(host.root()), rootBefore) << "only the marked view";
  EXPECT_EQ(q->findText("q")->modifier<Opacity>()->value, 0.5);
  EXPECT_EQ(evaluations(letters()[1]), 1u);
}

// A parent whose environment for its children follows a state value.
struct Tinted {
  bool dark;
  View body() const {
    return VStack({Bar{{"a"}}}).foregroundColor(dark ? Color::white() : Color::black());
  }
};

TEST(KeptSubtreesEnvironment, AChangedEnvironmentReEvaluatesAnEqualView) {
  ViewHost host(Tinted{false});
  auto barNode = host.root()->findAllOfType<Bar>().at(0);
  host.setRootView(Tinted{false});
  EXPECT_EQ(barNode->evaluationCount(), 1u) << "an equal colour written anew is an equal environment";
  host.setRootView(Tinted{true});
  EXPECT_EQ(barNode->evaluationCount(), 2u);
  EXPECT_EQ(host.root()->findText("a")->resolvedForegroundColor(), Color::white());
}

// Reads the words, so observes them.
struct WordCount {
  std::shared_ptr<Words> words;
  bool operator==(const WordCount&) const = default;
  View body(BodyContext& context) const {
    context.observe(words);
    return Text(std::to_string(words->shown.get().size()) + " words");
  }
};
// Reads nothing itself.
struct Holder {
  std::shared_ptr<Words> words;
  bool operator==(const Holder&) const = default;
  View body() const { return VStack({WordCount{words}}); }
};
struct WordsRoot {
  std::shared_ptr<Words> words;
  View body(BodyContext& context) const {
    context.observe(words);
    return Holder{words};
  }
};

TEST(KeptSubtreesBelow, AMarkedViewBelowAKeptOneIsStillEvaluated) {
  auto words = std::make_shared<Words>();
  ViewHost host(WordsRoot{words});
  auto holder = host.root()->findAllOfType<Holder>().at(0);
  words->shown.set({"a", "b", "c"});
  runMainQueue();
  EXPECT_EQ(holder->evaluationCount(), 1u) << "kept: handed the same value";
  EXPECT_NE(host.findText("3 words"), nullptr);
}

}  // namespace
}  // namespace platform::ui
