#include <gtest/gtest.h>

#include <vector>

#include "keyloom/autocomplete/AutocompleteContext.h"
#include "keyloom/autocomplete/DisabledAutocompleteProvider.h"
#include "platform/input/InMemoryTextDocumentProxy.h"

namespace keyloom {
namespace {

TEST(AutocompleteContext, ResetClearsStateButKeepsEnabled) {
  AutocompleteContext context;
  context.isEnabled = false;
  context.isLoading = true;
  context.lastError = std::make_shared<platform::Error>("offline");
  context.suggestions = {AutocompleteSuggestion("a")};

  int changes = 0;
  auto subscription = context.objectWillChange().sink([&] { ++changes; });
  context.reset();

  EXPECT_EQ(changes, 3);
  EXPECT_FALSE(context.isEnabled.get());
  EXPECT_FALSE(context.isLoading.get());
  EXPECT_EQ(context.lastError.get(), nullptr);
  EXPECT_TRUE(context.suggestions->empty());

  context.reset();
  EXPECT_EQ(changes, 3) << "a clear context does not change";
}

TEST(AutocompleteContext, SuggestionsApplyOnlyWhereTheyWereComputed) {
  auto proxy = platform::InMemoryTextDocumentProxy::make("nice wea");
  AutocompleteContext context;
  EXPECT_TRUE(context.suggestionsApplyAt(proxy)) << "nothing computed anywhere yet";

  context.publish({AutocompleteSuggestion("weather")}, CursorPlace::of(proxy));
  EXPECT_TRUE(context.suggestionsApplyAt(proxy));
  proxy->adjustTextPosition(-4);
  EXPECT_FALSE(context.suggestionsApplyAt(proxy));
  context.suggestions = {};
  EXPECT_FALSE(context.suggestionsApplyAt(proxy)) << "taken down, and still not for this place";

  context.setSuggestionsPlace(CursorPlace::of(proxy));
  EXPECT_TRUE(context.suggestionsApplyAt(proxy)) << "an answer for this place came";
  proxy->adjustTextPosition(4);
  context.suggestions = {AutocompleteSuggestion("set directly")};
  EXPECT_TRUE(context.suggestionsApplyAt(proxy)) << "set without a place, they apply anywhere";
}

TEST(DisabledAutocompleteProvider, CompletesAtOnceWithNothing) {
  DisabledAutocompleteProvider provider;
  for (const char* text : {"", "hello"}) {
    int completions = 0;
    provider.autocompleteSuggestions(text, [&](AutocompleteResult result) {
      ++completions;
      auto suggestions = std::get_if<std::vector<AutocompleteSuggestion>>(&result);
      ASSERT_NE(suggestions, nullptr);
      EXPECT_TRUE(suggestions->empty());
    });
    EXPECT_EQ(completions, 1) << "text \"" << text << "\"";
  }
}

TEST(DisabledAutocompleteProvider, WordOperationsChangeNothing) {
  DisabledAutocompleteProvider provider;
  provider.setLearnedWords({"known"});
  provider.setIgnoredWords({"skipped"});
  provider.learnWord("new");
  provider.unlearnWord("known");
  provider.ignoreWord("new");
  provider.removeIgnoredWord("skipped");
  EXPECT_EQ(provider.learnedWords(), std::vector<std::string>{"known"});
  EXPECT_EQ(provider.ignoredWords(), std::vector<std::string>{"skipped"});
  EXPECT_FALSE(provider.hasLearnedWord("known"));
  EXPECT_FALSE(provider.hasIgnoredWord("skipped"));
  EXPECT_FALSE(provider.canLearnWords());
}

TEST(DisabledAutocompleteProvider, StartsWithTheCurrentLocaleAndKeepsTheOneSet) {
  platform::Locale::setCurrent(platform::Locale("sv_SE"));
  DisabledAutocompleteProvider provider;
  EXPECT_EQ(provider.locale().identifier(), "sv_SE");
  provider.setLocale(platform::Locale("fi"));
  EXPECT_EQ(provider.locale().identifier(), "fi");
}

}  // namespace
}  // namespace keyloom
