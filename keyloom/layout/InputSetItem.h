#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "keyloom/state/DeviceType.h"
#include "keyloom/state/KeyboardCase.h"

namespace keyloom {

// One input key: its text without casing, and what it types when the keyboard
// is upper-cased and otherwise.
struct InputSetItem {
  std::string neutral;
  std::string uppercased;
  std::string lowercased;

  InputSetItem(std::string neutral, std::string uppercased, std::string lowercased)
      : neutral(std::move(neutral)), uppercased(std::move(uppercased)), lowercased(std::move(lowercased)) {}

  // The cases derived by the locale-independent Unicode case mapping.
  explicit InputSetItem(std::string_view character);

  // uppercased for capsLocked and uppercased, lowercased for auto and lowercased.
  const std::string& character(KeyboardCase casing) const;

  // The item is its own row identity (see KeyboardRowEditing.h): keys are the
  // same when all three texts are.
  const InputSetItem& rowId() const { return *this; }

  bool operator==(const InputSetItem&) const = default;
};

using InputSetRow = std::vector<InputSetItem>;
using InputSetRows = std::vector<InputSetRow>;

// The texts of a row's keys, one string per key: a list is taken as it is, and
// a single string is split into its characters (grapheme clusters).
class InputSetChars {
 public:
  InputSetChars(std::string_view text);
  InputSetChars(const char* text) : InputSetChars(std::string_view(text)) {}
  InputSetChars(const std::string& text) : InputSetChars(std::string_view(text)) {}
  InputSetChars(std::vector<std::string> keys) : keys_(std::move(keys)) {}
  InputSetChars(std::initializer_list<std::string> keys) : keys_(keys) {}

  const std::vector<std::string>& keys() const { return keys_; }

 private:
  std::vector<std::string> keys_;
};

// Row builders.
// One key per text, its cases derived.
InputSetRow inputSetRow(const InputSetChars& chars);
// Key i types lowercased[i] and uppercased[i], with lowercased[i] as its
// neutral text. Extra uppercased texts are ignored; a lowercased text without
// an uppercased partner keeps its own form in both cases.
InputSetRow inputSetRow(const InputSetChars& lowercased, const InputSetChars& uppercased);
// The pad texts on a pad, the phone texts on every other device type.
InputSetRow inputSetRow(const InputSetChars& phone, const InputSetChars& pad, DeviceType deviceType);
InputSetRow inputSetRow(const InputSetChars& phoneLowercased, const InputSetChars& phoneUppercased,
                        const InputSetChars& padLowercased, const InputSetChars& padUppercased,
                        DeviceType deviceType);

// What each key types in the casing, row by row.
std::vector<std::string> characters(const InputSetRow& row, KeyboardCase casing);
std::vector<std::vector<std::string>> characters(const InputSetRows& rows, KeyboardCase casing);

}  // namespace keyloom
