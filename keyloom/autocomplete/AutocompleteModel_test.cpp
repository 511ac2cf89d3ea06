#include <gtest/gtest.h>

#include <vector>

#include "keyloom/autocomplete/AutocompleteContext.h"
#include "keyloom/autocomplete/DisabledAutocompleteProvider.h"

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
