#include "platform/reactive/Signal.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {
namespace {

TEST(Signal, DeliversToEverySubscriberInSubscriptionOrder) {
  Signal<int, std::string> signal;
  std::vector<std::string> log;
  auto a = signal.sink([&](const int& n, const std::string& s) { log.push_back("a" + std::to_string(n) + s); });
  auto b = signal.sink([&](const int& n, const std::string& s) { log.push_back("b" + std::to_string(n) + s); });
  signal.send(1, "x");
  EXPECT_EQ(log, (std::vector<std::string>{"a1x", "b1x"}));
  EXPECT_EQ(signal.subscriberCount(), 2u);
}

TEST(Signal, CancelAndTokenDestructionEndTheSubscription) {
  Signal<> signal;
  int count = 0;
  auto token = signal.sink([&] { ++count; });
  {
    auto scoped = signal.sink([&] { count += 10; });
    signal.send();
  }
  signal.send();
  token.cancel();
  token.cancel();  // idempotent
  signal.send();
  EXPECT_EQ(count, 12);
  EXPECT_EQ(signal.subscriberCount(), 0u);
  EXPECT_FALSE(token.isActive());
}

TEST(Signal, MovedTokenKeepsTheSubscriptionAndAssignmentCancelsTheOldOne) {
  Signal<> signal;
  int first = 0, second = 0;
  Cancellable token = signal.sink([&] { ++first; });
  Cancellable moved = std::move(token);
  signal.send();
  moved = signal.sink([&] { ++second; });
  signal.send();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
  std::vector<Cancellable> bag;
  std::move(moved).store(bag);
  signal.send();
  EXPECT_EQ(second, 2);
  bag.clear();
  signal.send();
  EXPECT_EQ(second, 2);
}

TEST(Signal, TokenOutlivingItsSignalIsSafe) {
  Cancellable token;
  {
    Signal<int> signal;
    token = signal.sink([](const int&) {});
  }
  token.cancel();
  SUCCEED();
}

TEST(Signal, SignalDestroyedWithLiveSubscribersReleasesTheirCallbacks) {
  auto payload = std::make_shared<int>(0);
  Cancellable token;
  {
    Signal<> signal;
    token = signal.sink([payload] {});
    EXPECT_EQ(payload.use_count(), 2);
  }
  EXPECT_EQ(payload.use_count(), 1);
}

TEST(Signal, SubscriberMayCancelItselfDuringSend) {
  Signal<> signal;
  int count = 0;
  Cancellable token;
  token = signal.sink([&] {
    ++count;
    token.cancel();  // destroys nothing that is still running: the send holds the callback
  });
  signal.send();
  signal.send();
  EXPECT_EQ(count, 1);
}

TEST(Signal, SubscriberCancellingALaterOneDuringSendStopsItAtOnce) {
  Signal<> signal;
  std::vector<std::string> log;
  Cancellable second;
  auto first = signal.sink([&] {
    log.push_back("first");
    second.cancel();
  });
  second = signal.sink([&] { log.push_back("second"); });
  signal.send();
  EXPECT_EQ(log, std::vector<std::string>{"first"});
}

TEST(Signal, SubscriberAddedDuringSendHearsOnlyTheNextSend) {
  Signal<int> signal;
  std::vector<int> late;
  std::optional<Cancellable> added;
  auto token = signal.sink([&](const int&) {
    if (!added) added = signal.sink([&](const int& n) { late.push_back(n); });
  });
  signal.send(1);
  signal.send(2);
  EXPECT_EQ(late, std::vector<int>{2});
}

TEST(Signal, NestedSendDeliversInOrder) {
  Signal<int> signal;
  std::vector<int> log;
  auto token = signal.sink([&](const int& n) {
    log.push_back(n);
    if (n == 1) signal.send(2);
  });
  signal.send(1);
  EXPECT_EQ(log, (std::vector<int>{1, 2}));
}

TEST(Signal, MovedSignalKeepsItsSubscribers) {
  Signal<int> source;
  int received = 0;
  auto token = source.sink([&](const int& n) { received = n; });
  Signal<int> target = std::move(source);
  target.send(7);
  source.send(9);  // the moved-from signal is empty but usable
  EXPECT_EQ(received, 7);
  EXPECT_EQ(source.subscriberCount(), 0u);
}

TEST(PassthroughSubject, ForwardsValues) {
  PassthroughSubject<std::string> subject;
  std::string last;
  auto token = subject.sink([&](const std::string& s) { last = s; });
  subject.send("hello");
  EXPECT_EQ(last, "hello");
}

}  // namespace
}  // namespace platform
