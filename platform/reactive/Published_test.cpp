#include "platform/reactive/Published.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/reactive/CurrentValueSubject.h"

namespace platform {
namespace {

class Context : public ObservableObject {
 public:
  Published<int> count{*this, 0};
  Published<std::string> name{*this, "a"};
};

TEST(Published, WillChangeFiresBeforeTheStoreThenSubscribersGetTheNewValue) {
  Context context;
  std::vector<std::string> log;
  auto will = context.objectWillChange().sink([&] { log.push_back("willChange:" + std::to_string(context.count.get())); });
  auto willSet = context.count.willSet().sink(
      [&](const int& n) { log.push_back("willSet:" + std::to_string(n) + "/" + std::to_string(context.count.get())); });
  auto sink = context.count.sink(
      [&](const int& n) { log.push_back("sink:" + std::to_string(n) + "/" + std::to_string(context.count.get())); });
  context.count.set(5);
  EXPECT_EQ(log, (std::vector<std::string>{"sink:0/0", "willChange:0", "willSet:5/0", "sink:5/5"}));
  EXPECT_EQ(context.count.get(), 5);
  EXPECT_EQ(static_cast<const int&>(context.count), 5);
}

TEST(Published, SetAlwaysPublishesButSetIfChangedSkipsEqualValues) {
  Context context;
  int changes = 0;
  auto token = context.objectWillChange().sink([&] { ++changes; });
  context.name.set("a");
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(context.name.setIfChanged("a"));
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(context.name.setIfChanged("b"));
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(context.name.get(), "b");
  context.count = 3;
  EXPECT_EQ(changes, 3);
}

TEST(Published, SinkReplaysOnlyToTheNewSubscriber) {
  Context context;
  std::vector<int> first, second;
  auto a = context.count.sink([&](const int& n) { first.push_back(n); });
  context.count.set(1);
  auto b = context.count.sink([&](const int& n) { second.push_back(n); });
  context.count.set(2);
  EXPECT_EQ(first, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(second, (std::vector<int>{1, 2}));
}

TEST(Published, SubscriptionOutlivingItsObjectIsSafe) {
  Cancellable field, object;
  {
    auto context = std::make_unique<Context>();
    field = context->count.sink([](const int&) {});
    object = context->objectWillChange().sink([] {});
  }
  field.cancel();
  object.cancel();
  SUCCEED();
}

TEST(Published, ObserverMayDropItsOwnSubscriptionOnChange) {
  Context context;
  int calls = 0;
  Cancellable token;
  token = context.objectWillChange().sink([&] {
    ++calls;
    token = Cancellable();
  });
  context.count.set(1);
  context.count.set(2);
  EXPECT_EQ(calls, 1);
}

TEST(CurrentValueSubject, ReplaysTheLatestValue) {
  CurrentValueSubject<int> subject(1);
  subject.send(2);
  std::vector<int> received;
  auto token = subject.sink([&](const int& n) { received.push_back(n); });
  subject.send(3);
  EXPECT_EQ(received, (std::vector<int>{2, 3}));
  EXPECT_EQ(subject.value(), 3);
}

}  // namespace
}  // namespace platform
