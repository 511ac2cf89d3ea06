#pragma once

#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input/CharacterBoundaries.h"
#include "platform/input/InputTraits.h"
#include "platform/input/TextDocumentProxy.h"
#include "platform/input/TextInputMode.h"
#include "platform/input/View.h"
#include "platform/reactive/Signal.h"

namespace platform {

// A place in a text input's document, in characters (grapheme clusters) from
// its beginning.
struct TextPosition {
  std::size_t offset = 0;
  auto operator<=>(const TextPosition&) const = default;
};

// A range of a document from `start` to `end` (start <= end).
struct TextRange {
  TextPosition start;
  TextPosition end;
  bool isEmpty() const { return start == end; }
  std::size_t length() const { return end.offset - start.offset; }
  bool operator==(const TextRange&) const = default;
};

// An editable text field held in memory: UTF-8 text, a selection (or none),
// marked text and input traits, with the platform's text-input operations.
// Positions count grapheme clusters, and the selection is kept on cluster
// boundaries even when an edit merges clusters.
//
// Subclasses may override the operations (a field that refuses a line feed
// overrides insertText). A field is also a view and a responder: it can become
// and resign first responder.
class TextInput : public View, public TextInputTraitsSource {
 public:
  TextInput();

  // ---- Document and selection
  TextPosition beginningOfDocument() const { return TextPosition{0}; }
  TextPosition endOfDocument() const;
  // Absent while the field has no selection at all (it is not being edited).
  virtual std::optional<TextRange> selectedTextRange() const;
  // Clamped to the document; absent removes the selection.
  virtual void setSelectedTextRange(std::optional<TextRange> range);
  virtual std::optional<TextRange> markedTextRange() const;
  // The range between two positions in either order; absent when either lies
  // outside the document.
  virtual std::optional<TextRange> textRange(TextPosition from, TextPosition to) const;
  // Absent when the range lies outside the document.
  virtual std::optional<std::string> text(TextRange range) const;
  // The position `offset` characters away; absent outside the document.
  virtual std::optional<TextPosition> position(TextPosition from, int offset) const;

  // ---- Key input
  virtual bool hasText() const;
  // Replaces the marked text, else the selection, and puts the caret after it.
  // Does nothing without a selection.
  virtual void insertText(const std::string& text);
  // Deletes the selection, else the character before the caret. Marked text is
  // accepted first.
  virtual void deleteBackward();
  // Replaces the marked text (else the selection) with `markedText` and marks
  // it; `selectedRange` is the selection inside it. An empty or absent text
  // removes the marked text.
  virtual void setMarkedText(const std::optional<std::string>& markedText, CharacterRange selectedRange);
  // Accepts the marked text as ordinary text; the selection stays.
  virtual void unmarkText();
  virtual std::optional<TextInputMode> textInputMode() const { return inputMode_; }

  // ---- Model access (not editing events: editingChanged does not fire)
  const std::string& text() const { return text_; }
  // Replaces the whole text and puts the caret at its end.
  void setText(std::string text);
  std::size_t characterCount() const;
  // The caret (the selection's start) in characters; 0 without a selection.
  std::size_t cursorOffset() const;
  // The same caret as a byte offset into text(), found without counting.
  std::size_t cursorByteOffset() const { return hasSelection_ ? selectionStart_ : 0; }
  // The byte offset of the character boundary nearest `byte` on its side:
  // at or before it (0 at least), at or after it (text().size() at most).
  std::size_t characterBoundaryAtOrBefore(std::size_t byte) const;
  std::size_t characterBoundaryAtOrAfter(std::size_t byte) const;
  // The byte offset of the character boundary `characters` characters before
  // or after the boundary at `boundary`: the text's start or end when there
  // are fewer. Found without counting the characters in between.
  std::size_t characterBoundaryBefore(std::size_t boundary, std::size_t characters) const;
  std::size_t characterBoundaryAfter(std::size_t boundary, std::size_t characters) const;
  // Selects [start, start + length) in characters, clamped.
  void select(std::size_t start, std::size_t length = 0);
  std::optional<std::string> markedText() const;
  // Shown while the field is empty; never part of the text.
  const std::optional<std::string>& placeholder() const { return placeholder_; }
  void setPlaceholder(std::optional<std::string> placeholder) { placeholder_ = std::move(placeholder); }

  // ---- Traits and input mode (an absent trait is not answered)
  const TextInputTraits& traits() const { return traits_; }
  void setTraits(TextInputTraits traits) { traits_ = std::move(traits); }
  void setTextInputMode(std::optional<TextInputMode> mode) { inputMode_ = std::move(mode); }

  std::optional<AutocapitalizationType> autocapitalizationType() const override { return traits_.autocapitalizationType; }
  std::optional<AutocorrectionType> autocorrectionType() const override { return traits_.autocorrectionType; }
  std::optional<SpellCheckingType> spellCheckingType() const override { return traits_.spellCheckingType; }
  std::optional<SmartQuotesType> smartQuotesType() const override { return traits_.smartQuotesType; }
  std::optional<SmartDashesType> smartDashesType() const override { return traits_.smartDashesType; }
  std::optional<SmartInsertDeleteType> smartInsertDeleteType() const override { return traits_.smartInsertDeleteType; }
  std::optional<KeyboardType> keyboardType() const override { return traits_.keyboardType; }
  std::optional<KeyboardAppearance> keyboardAppearance() const override { return traits_.keyboardAppearance; }
  std::optional<ReturnKeyType> returnKeyType() const override { return traits_.returnKeyType; }
  std::optional<bool> enablesReturnKeyAutomatically() const override { return traits_.enablesReturnKeyAutomatically; }
  std::optional<bool> isSecureTextEntry() const override { return traits_.isSecureTextEntry; }
  std::optional<std::string> textContentType() const override { return traits_.textContentType; }

  // ---- First responder
  virtual bool canBecomeFirstResponder() const { return canBecomeFirstResponder_; }
  void setCanBecomeFirstResponder(bool can) { canBecomeFirstResponder_ = can; }
  // Returns whether the field took (kept) focus; a field that cannot become
  // first responder refuses.
  virtual bool becomeFirstResponder();
  virtual bool resignFirstResponder();
  bool isFirstResponder() const { return isFirstResponder_; }
  // Whether an editing action such as "paste:" is offered.
  virtual bool canPerformAction(std::string_view action) const;

  // Fires after each edit made through the key-input operations (insert,
  // delete, marked text), as the platform's editing-changed event.
  Signal<>& editingChanged() { return editingChanged_; }

 protected:
  // Replaces bytes [from, to) and returns the byte offset after the insertion.
  // Only the characters around the edit are segmented again.
  std::size_t replaceBytes(std::size_t from, std::size_t to, std::string_view replacement);

 private:
  // Every cluster boundary, 0 and text().size() included; segmented on first use.
  const CharacterBoundaries& boundaries() const;
  std::size_t indexOfByte(std::size_t byte) const;  // cluster index at or after a byte offset
  std::size_t byteOfIndex(std::size_t index) const;
  std::size_t snapToBoundary(std::size_t byte) const;

  std::string text_;
  bool hasSelection_ = true;
  std::size_t selectionStart_ = 0;  // byte offsets on cluster boundaries
  std::size_t selectionEnd_ = 0;
  std::optional<std::pair<std::size_t, std::size_t>> marked_;  // byte offsets
  std::optional<std::string> placeholder_;
  TextInputTraits traits_;
  std::optional<TextInputMode> inputMode_;
  bool canBecomeFirstResponder_ = true;
  bool isFirstResponder_ = false;
  Signal<> editingChanged_;
  mutable CharacterBoundaries boundaries_;
  mutable bool boundariesValid_ = false;
};

}  // namespace platform
