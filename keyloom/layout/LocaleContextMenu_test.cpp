#include "keyloom/layout/LocaleContextMenu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/MainQueue.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/ViewHost.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using platform::Locale;

struct Key {
  std::shared_ptr<KeyboardContext> context;
  int* taps;
  ui::View body() const {
    int* counter = taps;
    return localeContextMenu(ui::Text("key"), context, [counter] { ++*counter; });
  }
};

class LocaleContextMenuTest : public ::testing::Test {
 protected:
  void show() { view = std::make_unique<ui::ViewHost>(Key{context, &taps}); }
  std::shared_ptr<ui::Node> menu() const {
    auto menus = view->findAll(ui::NodeKind::menu);
    return menus.empty() ? nullptr : menus.front();
  }
  // The entries as the menu lists them: titles, with "--" for a divider.
  std::vector<std::string> entries() const {
    std::vector<std::string> result;
    for (const auto& items : menu()->children(ui::NodeRole::menuItems)) {
      for (const auto& node : items->findAll([](const ui::Node& n) {
             return n.kind() == ui::NodeKind::button || n.kind() == ui::NodeKind::divider;
           })) {
        if (node->kind() == ui::NodeKind::divider) {
          result.push_back("--");
        } else {
          auto label = node->find([](const ui::Node& n) { return n.kind() == ui::NodeKind::text; });
          result.push_back(label ? label->text().value_or("") : "");
        }
      }
    }
    return result;
  }
  std::shared_ptr<ui::Node> entry(const std::string& title) const {
    auto label = menu()->findText(title);
    for (ui::Node* node = label.get(); node; node = node->parent()) {
      if (node->kind() == ui::NodeKind::button) return node->shared_from_this();
    }
    return nullptr;
  }

  std::shared_ptr<KeyboardContext> context = std::make_shared<KeyboardContext>();
  int taps = 0;
  std::unique_ptr<ui::ViewHost> view;
};

TEST_F(LocaleContextMenuTest, NoMenuBelowTwoLocales) {
  context->setLocale(Locale("en"));
  for (const auto& locales : {std::vector<Locale>{}, std::vector<Locale>{Locale("de")}}) {
    context->setLocales(locales);
    show();
    EXPECT_EQ(menu(), nullptr);
    auto key = view->findText("key");
    ASSERT_TRUE(key);
    key->tap();
    EXPECT_EQ(taps, 0) << "the key is returned as it was";
  }
}

TEST_F(LocaleContextMenuTest, ListsTheCurrentLocaleFirstThenTheOthersInStoredOrder) {
  context->localePresentationLocale = Locale("en");
  context->setLocales(std::vector<Locale>{Locale("en"), Locale("de"), Locale("de"), Locale("fr")});
  context->setLocale(Locale("de"));
  show();
  ASSERT_TRUE(menu());
  EXPECT_EQ(entries(), (std::vector<std::string>{"German", "--", "English", "French"}));

  // The current locale comes first even when the list does not hold it.
  context->setLocale(Locale("sv"));
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(entries(), (std::vector<std::string>{"Swedish", "--", "English", "German", "German", "French"}));
}

TEST_F(LocaleContextMenuTest, ATapRunsTheTapActionAndAnEntrySetsTheLocale) {
  context->localePresentationLocale = Locale("en");
  context->setLocales(std::vector<Locale>{Locale("en"), Locale("de")});
  context->setLocale(Locale("en"));
  show();
  menu()->tap();
  EXPECT_EQ(taps, 1);

  std::vector<std::string> published;
  auto subscription = context->locale.didSet().sink([&](const Locale& l) { published.push_back(l.identifier()); });
  entry("German")->tap();
  EXPECT_EQ(context->locale.get(), Locale("de"));
  EXPECT_EQ(taps, 1) << "picking an entry does not run the tap action";
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(entries(), (std::vector<std::string>{"German", "--", "English"}));

  entry("German")->tap();
  EXPECT_EQ(published, (std::vector<std::string>{"de", "de"})) << "the current entry sets its locale again";
}

TEST_F(LocaleContextMenuTest, LabelsAreInThePresentationLocaleElseInTheirOwnLanguage) {
  context->setLocales(std::vector<Locale>{Locale("de"), Locale("fr"), Locale("xx")});
  context->setLocale(Locale("de"));
  show();
  EXPECT_EQ(entries(), (std::vector<std::string>{"Deutsch", "--", "français", ""}));

  context->localePresentationLocale = Locale("fr");
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(entries(), (std::vector<std::string>{"allemand", "--", "français", ""}));
}

TEST_F(LocaleContextMenuTest, ACustomLabelBuilderLabelsTheEntries) {
  context->setLocales(std::vector<Locale>{Locale("en"), Locale("de")});
  context->setLocale(Locale("en"));
  view = std::make_unique<ui::ViewHost>(localeContextMenu(
      ui::Text("key"), context, [] {}, [](const Locale& locale) { return ui::Text("[" + locale.identifier() + "]"); }));
  EXPECT_EQ(entries(), (std::vector<std::string>{"[en]", "--", "[de]"}));
}

}  // namespace
}  // namespace keyloom
