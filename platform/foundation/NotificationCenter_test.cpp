#include "platform/foundation/NotificationCenter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/MainQueue.h"

namespace platform {
namespace {

TEST(NotificationCenter, DeliversOnlyToObserversOfTheName) {
  NotificationCenter center;
  std::vector<std::string> log;
  auto a = center.addObserver("A", [&](const Notification& n) { log.push_back("a:" + n.name); });
  auto b = center.addObserver("B", [&](const Notification& n) { log.push_back("b:" + n.name); });
  auto all = center.addObserver("", [&](const Notification& n) { log.push_back("*:" + n.name); });
  center.post("A", std::string("sender"));
  EXPECT_EQ(log, (std::vector<std::string>{"a:A", "*:A"}));
}

TEST(NotificationCenter, CarriesObjectAndUserInfo) {
  NotificationCenter center;
  std::string sender;
  int count = 0;
  auto token = center.addObserver("N", [&](const Notification& n) {
    sender = std::any_cast<std::string>(n.object);
    count = std::any_cast<int>(n.userInfo.at("count"));
  });
  center.post(Notification{"N", std::string("me"), {{"count", 3}}});
  EXPECT_EQ(sender, "me");
  EXPECT_EQ(count, 3);
}

TEST(NotificationCenter, RemovingTheTokenStopsDelivery) {
  NotificationCenter center;
  int count = 0;
  auto token = center.addObserver("N", [&](const Notification&) { ++count; });
  center.post("N");
  token.remove();
  token.remove();
  center.post("N");
  {
    auto scoped = center.addObserver("N", [&](const Notification&) { count += 10; });
  }
  center.post("N");
  EXPECT_EQ(count, 1);
  EXPECT_EQ(center.observerCount(), 0u);
}

TEST(NotificationCenter, ObserversChangedDuringDeliveryAreSafe) {
  NotificationCenter center;
  std::vector<std::string> log;
  ObserverToken second;
  std::optional<ObserverToken> added;
  ObserverToken first = center.addObserver("N", [&](const Notification&) {
    log.push_back("first");
    first.remove();   // itself
    second.remove();  // a later one
    if (!added) added = center.addObserver("N", [&](const Notification&) { log.push_back("added"); });
  });
  second = center.addObserver("N", [&](const Notification&) { log.push_back("second"); });
  center.post("N");
  center.post("N");
  EXPECT_EQ(log, (std::vector<std::string>{"first", "added"}));
}

TEST(NotificationCenter, TokenOutlivingItsCenterAndQueuedPostAfterItAreSafe) {
  ObserverToken token;
  {
    NotificationCenter center;
    token = center.addObserver("N", [](const Notification&) {});
    center.postOnMainQueue(Notification{"N", {}, {}});
  }
  MainQueue::main().runUntilIdle();
  token.remove();
  SUCCEED();
}

TEST(NotificationCenter, PostOnMainQueueDeliversLaterEvenFromAnotherThread) {
  auto& center = NotificationCenter::defaultCenter();
  int count = 0;
  auto token = center.addObserver("N", [&](const Notification&) { ++count; });
  center.postOnMainQueue(Notification{"N", {}, {}});
  std::thread([&] { center.postOnMainQueue(Notification{"N", {}, {}}); }).join();
  EXPECT_EQ(count, 0);
  MainQueue::main().runUntilIdle();
  EXPECT_EQ(count, 2);
}

TEST(NotificationCenter, DefaultCenterIsResetBetweenTests) {
  EXPECT_EQ(NotificationCenter::defaultCenter().observerCount(), 0u);
}

TEST(NotificationCenter, ReleasedRemovalCanBeOwnedElsewhere) {
  NotificationCenter center;
  auto token = center.addObserver("N", [](const Notification&) {});
  auto removal = token.release();
  EXPECT_FALSE(token.isActive());
  EXPECT_EQ(center.observerCount(), 1u);
  removal();
  EXPECT_EQ(center.observerCount(), 0u);
}

}  // namespace
}  // namespace platform
