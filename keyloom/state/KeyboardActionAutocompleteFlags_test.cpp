#include "keyloom/state/KeyboardActionAutocompleteFlags.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

TEST(KeyboardActionAutocompleteFlags, Table) {
  struct Case {
    KeyboardAction action;
    bool apply;
    bool removeAndReinsert;
  } cases[] = {
      {KeyboardAction::character("."), true, true},
      {KeyboardAction::character(","), true, true},
      {KeyboardAction::character(" "), true, true},
      {KeyboardAction::character("\n"), true, true},
      {KeyboardAction::character("a"), false, false},
      {KeyboardAction::character("\t"), false, false},
      {KeyboardAction::characterMargin("."), false, false},
      {KeyboardAction::space(), true, false},
      {KeyboardAction::primary(KeyboardReturnKeyType::return_()), true, false},
      {KeyboardAction::primary(KeyboardReturnKeyType::newLine()), true, false},
      {KeyboardAction::primary(KeyboardReturnKeyType::done()), false, false},
      {KeyboardAction::primary(KeyboardReturnKeyType::custom("Go")), false, false},
      {KeyboardAction::backspace(), false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.action.caseName()));
    EXPECT_EQ(shouldApplyAutocompleteSuggestion(c.action), c.apply);
    EXPECT_EQ(shouldRemoveAutocompleteInsertedSpace(c.action), c.removeAndReinsert);
    EXPECT_EQ(shouldReinsertAutocompleteInsertedSpace(c.action), c.removeAndReinsert);
  }
}

}  // namespace
}  // namespace keyloom
