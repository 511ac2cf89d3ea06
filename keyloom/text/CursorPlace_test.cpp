#include "keyloom/text/CursorPlace.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/input/InMemoryTextDocumentProxy.h"

namespace keyloom {
namespace {

using Proxy = platform::InMemoryTextDocumentProxy;

TEST(CursorPlace, IsLeftByAnyMoveOrChangeAroundTheCursor) {
  struct Case {
    const char* what;
    std::function<std::shared_ptr<platform::TextDocumentProxy>(const std::shared_ptr<Proxy>&)> after;
    bool stillHere;
  };
  const Case cases[] = {
      {"nothing happened", [](const auto& proxy) { return proxy; }, true},
      {"the cursor moved", [](const auto& proxy) { proxy->adjustTextPosition(-1); return proxy; }, false},
      {"a moved cursor came back",
       [](const auto& proxy) {
         proxy->adjustTextPosition(-1);
         proxy->adjustTextPosition(1);
         return proxy;
       },
       true},
      {"text after the cursor changed",
       [](const auto& proxy) {
         proxy->input().setText("nice wea!");
         proxy->input().select(8);
         return proxy;
       },
       false},
      {"a new document with the same text",
       [](const auto& proxy) {
         proxy->renewDocumentIdentifier();
         return proxy;
       },
       false},
      {"another proxy with the same text", [](const auto&) { return Proxy::make("nice wea"); }, false},
      {"no proxy", [](const auto&) { return nullptr; }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto proxy = Proxy::make("nice wea");
    const CursorPlace place = CursorPlace::of(proxy);
    EXPECT_EQ(place.isCurrentIn(c.after(proxy)), c.stillHere);
  }
}

TEST(CursorPlace, OfAProxyThatIsGoneIsNowhere) {
  auto proxy = Proxy::make("nice wea");
  const CursorPlace place = CursorPlace::of(proxy);
  auto sameText = Proxy::make("nice wea");
  proxy.reset();
  EXPECT_FALSE(place.isCurrentIn(sameText));
  EXPECT_FALSE(CursorPlace::of(nullptr).isCurrentIn(sameText));
}

}  // namespace
}  // namespace keyloom
