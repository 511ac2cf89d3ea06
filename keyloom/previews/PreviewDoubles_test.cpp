#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <latch>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/layout/KeyboardLayout.h"
#include "keyloom/previews/KeyboardPreviewModifier.h"
#include "keyloom/previews/PreviewAutocompleteProvider.h"
#include "keyloom/previews/PreviewCalloutActionProvider.h"
#include "keyloom/previews/PreviewInputSetProvider.h"
#include "keyloom/previews/PreviewKeyboardAppearance.h"
#include "keyloom/previews/PreviewKeyboardLayoutProvider.h"
#include "keyloom/services/ActionCalloutContext.h"
#include "keyloom/services/InputCalloutContext.h"
#include "keyloom/services/KeyboardCalloutContext.h"
#include "keyloom/services/KeyboardUrlOpener.h"
#include "keyloom/services/NextKeyboardController.h"
#include "keyloom/state/KeyboardContext.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/MainQueue.h"
#include "platform/input/Device.h"
#include "platform/ui/UI.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using ::testing::ElementsAre;

std::string rowText(const KeyboardLayoutItemRow& row) {
  std::string text;
  for (const auto& item : row) {
    if (item.action.isCharacterAction()) text += item.action.inputCalloutText().value_or("");
  }
  return text;
}

TEST(PreviewFactories, ContextsAreNewEachTimeButTheActionCalloutIsShared) {
  EXPECT_NE(KeyboardContext::preview(), KeyboardContext::preview());
  EXPECT_NE(KeyboardInputViewController::preview(), KeyboardInputViewController::preview());
  EXPECT_NE(InputCalloutContext::preview(), InputCalloutContext::preview());
  EXPECT_TRUE(InputCalloutContext::preview()->isEnabled.get());

  const auto action = ActionCalloutContext::preview();
  EXPECT_EQ(ActionCalloutContext::preview(), action);
  EXPECT_FALSE(action->actionHandler()->canHandle(KeyboardGesture::release, KeyboardAction::character("a")))
      << "preview callouts never act";

  // The pair keeps the action context it was made with.
  const auto pair = KeyboardCalloutContext::preview();
  EXPECT_EQ(pair->action(), action);
  EXPECT_TRUE(pair->input()->isEnabled.get());
  ActionCalloutContext::preview() = ActionCalloutContext::disabled();
  EXPECT_NE(ActionCalloutContext::preview(), action);
  EXPECT_EQ(KeyboardCalloutContext::preview()->action(), action);
}

TEST(PreviewFactories, TheActionCalloutIsMadeOnceWhenFirstAskedForFromManyThreads) {
  constexpr int threads = 8;
  std::latch start(threads);
  std::vector<std::shared_ptr<ActionCalloutContext>> seen(threads);
  std::vector<std::thread> workers;
  for (int i = 0; i < threads; ++i) {
    workers.emplace_back([&, i] {
      start.arrive_and_wait();
      seen[i] = ActionCalloutContext::preview();
    });
  }
  for (auto& worker : workers) worker.join();
  for (const auto& context : seen) EXPECT_EQ(context, seen[0]);
  EXPECT_EQ(ActionCalloutContext::preview(), seen[0]);
}

TEST(PreviewFactories, AskingForPreviewsLeavesTheKeyboardsRegistrationsAlone) {
  // The running keyboard registers itself when its view loads.
  auto keyboard = std::make_shared<KeyboardInputViewController>();
  keyboard->view();
  platform::MainQueue::main().runUntilIdle();
  ASSERT_EQ(NextKeyboardController::shared(), keyboard);
  ASSERT_EQ(KeyboardUrlOpener::shared().controller(), keyboard);

  auto context = KeyboardContext::preview();
  auto appearance = PreviewKeyboardAppearance::preview();
  auto layout = KeyboardLayout::preview();
  auto callouts = KeyboardCalloutContext::preview();
  auto provider = PreviewCalloutActionProvider::preview();
  EXPECT_EQ(platform::MainQueue::main().runUntilIdle(), 0u) << "a preview schedules no sync";

  EXPECT_EQ(NextKeyboardController::shared(), keyboard);
  EXPECT_EQ(KeyboardUrlOpener::shared().controller(), keyboard);
}

TEST(PreviewFactories, LayoutIsEnglishForTheDeviceOfAFreshContext) {
  platform::Locale::setCurrent(platform::Locale("de_DE"));
  auto phone = KeyboardLayout::preview();
  ASSERT_EQ(phone->itemRows().size(), 4u);
  EXPECT_EQ(rowText(phone->itemRows()[0]), "qwertyuiop") << "English letters whatever the current locale";
  EXPECT_EQ(rowText(phone->itemRows()[2]), "zxcvbnm");

  platform::Device::current().setUserInterfaceIdiom(platform::UserInterfaceIdiom::pad);
  auto pad = KeyboardLayout::preview();
  EXPECT_EQ(rowText(pad->itemRows()[0]), "qwertyuiop");
  EXPECT_EQ(pad->itemRows()[0].back().action, KeyboardAction::backspace()) << "the pad's top row";
}

TEST(PreviewInputSetProvider, EnglishSetsWithDollarAndPound) {
  auto context = KeyboardContext::preview();
  context->setLocale(platform::Locale("fr"));
  PreviewInputSetProvider provider(context);
  EXPECT_EQ(provider.keyboardContext(), context);
  EXPECT_EQ(provider.alphabeticInputSet(), AlphabeticInputSet::english());
  auto contains = [](const auto& set, const std::string& character) {
    for (const auto& row : set.rows) {
      for (const auto& item : row) {
        if (item.neutral == character) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(contains(provider.numericInputSet(), "$"));
  EXPECT_TRUE(contains(provider.symbolicInputSet(), "£"));
}

TEST(PreviewCalloutActionProvider, EnglishAlternativesForAnyLocale) {
  auto context = KeyboardContext::preview();
  context->setLocale(platform::Locale("de"));
  PreviewCalloutActionProvider provider(context);
  const auto actions = provider.calloutActions(KeyboardAction::character("e"));
  EXPECT_FALSE(actions.empty());
  EXPECT_EQ(actions.front(), KeyboardAction::character("e"));
  EXPECT_TRUE(PreviewCalloutActionProvider::preview()->calloutActions(KeyboardAction::backspace()).empty());
}

TEST(PreviewAutocompleteProvider, AnswersAtOnceWithItsFixedList) {
  auto answer = [](AutocompleteProvider& provider, const std::string& text) {
    std::vector<std::string> words;
    int calls = 0;
    provider.autocompleteSuggestions(text, [&](AutocompleteResult result) {
      ++calls;
      for (const auto& suggestion : std::get<std::vector<AutocompleteSuggestion>>(result)) {
        words.push_back(suggestion.text);
      }
    });
    EXPECT_EQ(calls, 1) << "completed before returning";
    return words;
  };
  EXPECT_TRUE(answer(*PreviewAutocompleteProvider::preview(), "").empty());
  EXPECT_TRUE(answer(*PreviewAutocompleteProvider::preview(), "hel").empty());
  auto provider = PreviewAutocompleteProvider::preview(PreviewAutocompleteProvider::previewSuggestions());
  EXPECT_THAT(answer(*provider, ""), ElementsAre("Hallo", "Hello", "Help"));
  EXPECT_THAT(answer(*provider, "anything"), ElementsAre("Hallo", "Hello", "Help"));
  EXPECT_TRUE(provider->ignoredWords().empty());
  EXPECT_EQ(provider->locale(), platform::Locale::current());
}

TEST(PreviewKeyboardAppearance, LoudCalloutsAndCrazyKeysAlike) {
  PreviewKeyboardAppearance appearance;
  EXPECT_EQ(appearance.inputCalloutStyle().callout, KeyboardCalloutStyle::previewStyle());
  EXPECT_EQ(appearance.inputCalloutStyle().calloutSize, (platform::Size{0, 40}));
  const auto action = appearance.actionCalloutStyle();
  EXPECT_EQ(action.callout.backgroundColor, ui::Color::red());
  EXPECT_EQ(action.selectedBackgroundColor, ui::Color::yellow());
  EXPECT_EQ(action.verticalOffset, 0) << "the phone's default offset";

  CrazyPreviewKeyboardAppearance crazy;
  const auto space = crazy.buttonStyle(KeyboardAction::space(), true);
  EXPECT_EQ(space, crazy.buttonStyle(KeyboardAction::character("a"), true));
  EXPECT_NE(space, crazy.buttonStyle(KeyboardAction::space(), false));
  EXPECT_EQ(crazy.buttonStyle(KeyboardAction::backspace(), false).cornerRadius(), 20);
}

// Reads the three environment objects a keyboard view expects.
struct EnvironmentReader {
  std::shared_ptr<KeyboardContext>* context;
  std::shared_ptr<ActionCalloutContext>* action;
  std::shared_ptr<InputCalloutContext>* input;

  ui::View body(ui::BodyContext& body) const {
    *context = body.environmentObject<KeyboardContext>();
    *action = body.environmentObject<ActionCalloutContext>();
    *input = body.environmentObject<InputCalloutContext>();
    return ui::Text("read");
  }
};

TEST(KeyboardPreviewModifier, SuppliesTheContextAndThePreviewCallouts) {
  std::shared_ptr<KeyboardContext> context;
  std::shared_ptr<ActionCalloutContext> action;
  std::shared_ptr<InputCalloutContext> input;
  auto given = KeyboardContext::preview();
  ui::ViewHost host(keyboardPreview(EnvironmentReader{&context, &action, &input}, given));
  EXPECT_EQ(context, given);
  EXPECT_EQ(action, ActionCalloutContext::preview());
  ASSERT_TRUE(input);
  EXPECT_TRUE(input->isEnabled.get());
}

}  // namespace
}  // namespace keyloom
