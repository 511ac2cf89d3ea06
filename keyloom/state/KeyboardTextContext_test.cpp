#include "keyloom/state/KeyboardTextContext.h"

#include <gtest/gtest.h>

#include <vector>

#include "keyloom/state/PreviewTextDocumentProxy.h"
#include "platform/foundation/MainQueue.h"

namespace keyloom {
namespace {

class StagedController : public platform::InputViewController {
 public:
  std::shared_ptr<PreviewTextDocumentProxy> proxy = PreviewTextDocumentProxy::preview();
  std::shared_ptr<platform::TextDocumentProxy> textDocumentProxy() override { return proxy; }
};

struct Recorder {
  explicit Recorder(KeyboardTextContext& context)
      : willChange(context.objectWillChange().sink([this] { log.push_back("willChange"); })),
        before(context.documentContextBeforeInput.willSet().sink(
            [this](const auto&) { log.push_back("before"); })),
        after(context.documentContextAfterInput.willSet().sink(
            [this](const auto&) { log.push_back("after"); })),
        selected(context.selectedText.willSet().sink([this](const auto&) { log.push_back("selected"); })) {}
  std::vector<std::string> log;
  platform::Cancellable willChange, before, after, selected;
};

TEST(KeyboardTextContext, StartsAbsent) {
  const auto context = KeyboardTextContext::create();
  EXPECT_EQ(context->documentContextBeforeInput.get(), std::nullopt);
  EXPECT_EQ(context->documentContextAfterInput.get(), std::nullopt);
  EXPECT_EQ(context->selectedText.get(), std::nullopt);
  EXPECT_EQ(context->documentContext(), "");  // present, empty
}

TEST(KeyboardTextContext, CopiesOnALaterTurnOfTheMainQueue) {
  const auto context = KeyboardTextContext::create();
  const auto controller = std::make_shared<StagedController>();
  controller->proxy->setDocumentContextBeforeInput("Hello ");
  controller->proxy->setDocumentContextAfterInput("world");
  controller->proxy->setSelectedText("x");

  context->sync(controller);
  EXPECT_EQ(context->documentContextBeforeInput.get(), std::nullopt);

  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(context->documentContextBeforeInput.get(), "Hello ");
  EXPECT_EQ(context->documentContextAfterInput.get(), "world");
  EXPECT_EQ(context->selectedText.get(), "x");
  EXPECT_EQ(context->documentContext(), "Hello world");
}

TEST(KeyboardTextContext, PublishesOnlyTheFieldsThatChanged) {
  const auto context = KeyboardTextContext::create();
  const auto controller = std::make_shared<StagedController>();
  controller->proxy->setDocumentContextBeforeInput("Hi");
  context->sync(controller);
  platform::MainQueue::main().runUntilIdle();

  Recorder recorder(*context);
  context->sync(controller);
  platform::MainQueue::main().runUntilIdle();
  EXPECT_TRUE(recorder.log.empty());

  controller->proxy->setSelectedText("Hi");
  context->sync(controller);
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(recorder.log, (std::vector<std::string>{"willChange", "selected"}));

  // A text the proxy no longer gives becomes absent.
  recorder.log.clear();
  controller->proxy->setDocumentContextBeforeInput(std::nullopt);
  context->sync(controller);
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(recorder.log, (std::vector<std::string>{"willChange", "before"}));
  EXPECT_EQ(context->documentContextBeforeInput.get(), std::nullopt);
}

TEST(KeyboardTextContext, EachCopyReadsTheProxyWhenItRunsSoTheLastWins) {
  const auto context = KeyboardTextContext::create();
  const auto controller = std::make_shared<StagedController>();
  controller->proxy->setDocumentContextBeforeInput("one");
  context->sync(controller);
  controller->proxy->setDocumentContextBeforeInput("two");
  context->sync(controller);
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(context->documentContextBeforeInput.get(), "two");
}

TEST(KeyboardTextContext, TheScheduledCopyKeepsContextAndControllerAlive) {
  std::weak_ptr<KeyboardTextContext> weakContext;
  std::weak_ptr<StagedController> weakController;
  std::optional<std::string> copied;
  platform::Cancellable token;
  {
    auto context = KeyboardTextContext::create();
    auto controller = std::make_shared<StagedController>();
    controller->proxy->setDocumentContextBeforeInput("kept");
    token = context->documentContextBeforeInput.didSet().sink([&](const auto& value) { copied = value; });
    weakContext = context;
    weakController = controller;
    context->sync(controller);
  }
  EXPECT_FALSE(weakContext.expired());
  EXPECT_FALSE(weakController.expired());
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(copied, "kept");
  EXPECT_TRUE(weakContext.expired());
  EXPECT_TRUE(weakController.expired());
}

}  // namespace
}  // namespace keyloom
