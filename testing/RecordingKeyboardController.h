#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "keyloom/state/KeyboardController.h"

namespace keyloom {

// A test double that does nothing but record each operation and its argument,
// in call order.
class RecordingKeyboardController : public KeyboardController {
 public:
  enum class Operation {
    adjustTextPosition,
    deleteBackward,
    deleteBackwardTimes,
    dismissKeyboard,
    insertAutocompleteSuggestion,
    insertText,
    performAutocomplete,
    performDictation,
    performTextContextSync,
    resetAutocomplete,
    selectNextKeyboard,
    selectNextLocale,
    setKeyboardType,
    openUrl,
  };

  // One recorded call. Only the argument of the operation is set: `text` for
  // insertText and for a suggestion's text, `number` for offsets and counts.
  struct Call {
    Operation operation;
    std::string text;
    int number = 0;
    std::optional<KeyboardType> keyboardType;
    std::optional<platform::URL> url;

    static Call of(Operation operation) { return {operation, {}, 0, {}, {}}; }
    static Call adjustTextPosition(int offset) { return {Operation::adjustTextPosition, {}, offset, {}, {}}; }
    static Call deleteBackwardTimes(int times) { return {Operation::deleteBackwardTimes, {}, times, {}, {}}; }
    static Call insertText(std::string text) { return {Operation::insertText, std::move(text), 0, {}, {}}; }
    static Call insertAutocompleteSuggestion(std::string text) {
      return {Operation::insertAutocompleteSuggestion, std::move(text), 0, {}, {}};
    }
    static Call setKeyboardType(KeyboardType type) {
      return {Operation::setKeyboardType, {}, 0, std::move(type), {}};
    }
    static Call openUrl(std::optional<platform::URL> url) {
      return {Operation::openUrl, {}, 0, {}, std::move(url)};
    }

    bool operator==(const Call&) const = default;
  };

  std::vector<Call> calls;

  void adjustTextPosition(int byCharacterOffset) override {
    calls.push_back(Call::adjustTextPosition(byCharacterOffset));
  }
  void deleteBackward() override { calls.push_back(Call::of(Operation::deleteBackward)); }
  void deleteBackward(int times) override { calls.push_back(Call::deleteBackwardTimes(times)); }
  void dismissKeyboard() override { calls.push_back(Call::of(Operation::dismissKeyboard)); }
  void insertAutocompleteSuggestion(const AutocompleteSuggestion& suggestion) override {
    calls.push_back(Call::insertAutocompleteSuggestion(suggestion.text));
  }
  void insertText(const std::string& text) override { calls.push_back(Call::insertText(text)); }
  void performAutocomplete() override { calls.push_back(Call::of(Operation::performAutocomplete)); }
  void performDictation() override { calls.push_back(Call::of(Operation::performDictation)); }
  void performTextContextSync() override { calls.push_back(Call::of(Operation::performTextContextSync)); }
  void resetAutocomplete() override { calls.push_back(Call::of(Operation::resetAutocomplete)); }
  void selectNextKeyboard() override { calls.push_back(Call::of(Operation::selectNextKeyboard)); }
  void selectNextLocale() override { calls.push_back(Call::of(Operation::selectNextLocale)); }
  void setKeyboardType(const KeyboardType& type) override { calls.push_back(Call::setKeyboardType(type)); }
  void openUrl(const std::optional<platform::URL>& url) override { calls.push_back(Call::openUrl(url)); }
};

inline std::ostream& operator<<(std::ostream& out, const RecordingKeyboardController::Call& call) {
  using Operation = RecordingKeyboardController::Operation;
  switch (call.operation) {
    case Operation::adjustTextPosition:
      return out << "adjustTextPosition(" << call.number << ")";
    case Operation::deleteBackward:
      return out << "deleteBackward()";
    case Operation::deleteBackwardTimes:
      return out << "deleteBackward(times: " << call.number << ")";
    case Operation::dismissKeyboard:
      return out << "dismissKeyboard()";
    case Operation::insertAutocompleteSuggestion:
      return out << "insertAutocompleteSuggestion(\"" << call.text << "\")";
    case Operation::insertText:
      return out << "insertText(\"" << call.text << "\")";
    case Operation::performAutocomplete:
      return out << "performAutocomplete()";
    case Operation::performDictation:
      return out << "performDictation()";
    case Operation::performTextContextSync:
      return out << "performTextContextSync()";
    case Operation::resetAutocomplete:
      return out << "resetAutocomplete()";
    case Operation::selectNextKeyboard:
      return out << "selectNextKeyboard()";
    case Operation::selectNextLocale:
      return out << "selectNextLocale()";
    case Operation::setKeyboardType:
      return call.keyboardType ? out << "setKeyboardType(" << *call.keyboardType << ")"
                               : out << "setKeyboardType(?)";
    case Operation::openUrl:
      return out << "openUrl(" << (call.url ? call.url->absoluteString() : "nil") << ")";
  }
  return out;
}

}  // namespace keyloom
