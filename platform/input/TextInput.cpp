#include "platform/input/TextInput.h"

#include <algorithm>

#include "platform/foundation/Text.h"

namespace platform {

TextInput::TextInput() : View(Rect{}) {}

// ---- Boundaries

const CharacterBoundaries& TextInput::boundaries() const {
  if (!boundariesValid_) {
    boundaries_.reset(text_);
    boundariesValid_ = true;
  }
  return boundaries_;
}

std::size_t TextInput::indexOfByte(std::size_t byte) const { return boundaries().indexAtOrAfter(byte); }

std::size_t TextInput::byteOfIndex(std::size_t index) const {
  const auto& all = boundaries();
  return all.offset(std::min(index, all.count() - 1));
}

std::size_t TextInput::snapToBoundary(std::size_t byte) const { return byteOfIndex(indexOfByte(byte)); }

std::size_t TextInput::characterBoundaryAtOrAfter(std::size_t byte) const { return snapToBoundary(byte); }

std::size_t TextInput::characterBoundaryAtOrBefore(std::size_t byte) const {
  const std::size_t index = indexOfByte(byte);
  const std::size_t at = byteOfIndex(index);
  return at <= byte || index == 0 ? at : byteOfIndex(index - 1);
}

std::size_t TextInput::characterBoundaryBefore(std::size_t boundary, std::size_t characters) const {
  const std::size_t index = indexOfByte(boundary);
  return byteOfIndex(index > characters ? index - characters : 0);
}

std::size_t TextInput::characterBoundaryAfter(std::size_t boundary, std::size_t characters) const {
  const std::size_t index = indexOfByte(boundary);
  // byteOfIndex stops at the text's end.
  return byteOfIndex(index + std::min(characters, boundaries().count()));
}

std::size_t TextInput::replaceBytes(std::size_t from, std::size_t to, std::string_view replacement) {
  text_.replace(from, to - from, replacement);
  if (boundariesValid_) boundaries_.replace(text_, from, to - from, replacement.size());
  return from + replacement.size();
}

// ---- Document and selection

TextPosition TextInput::endOfDocument() const { return TextPosition{boundaries().count() - 1}; }

std::size_t TextInput::characterCount() const { return boundaries().count() - 1; }

std::optional<TextRange> TextInput::selectedTextRange() const {
  if (!hasSelection_) return std::nullopt;
  return TextRange{TextPosition{indexOfByte(selectionStart_)}, TextPosition{indexOfByte(selectionEnd_)}};
}

void TextInput::setSelectedTextRange(std::optional<TextRange> range) {
  if (!range) {
    hasSelection_ = false;
    selectionStart_ = selectionEnd_ = 0;
    return;
  }
  const std::size_t count = characterCount();
  std::size_t start = std::min(range->start.offset, count);
  std::size_t end = std::min(range->end.offset, count);
  if (end < start) std::swap(start, end);
  hasSelection_ = true;
  selectionStart_ = byteOfIndex(start);
  selectionEnd_ = byteOfIndex(end);
}

std::optional<TextRange> TextInput::markedTextRange() const {
  if (!marked_) return std::nullopt;
  return TextRange{TextPosition{indexOfByte(marked_->first)}, TextPosition{indexOfByte(marked_->second)}};
}

std::optional<TextRange> TextInput::textRange(TextPosition from, TextPosition to) const {
  const std::size_t count = characterCount();
  if (from.offset > count || to.offset > count) return std::nullopt;
  if (to < from) std::swap(from, to);
  return TextRange{from, to};
}

std::optional<std::string> TextInput::text(TextRange range) const {
  const std::size_t count = characterCount();
  if (range.start.offset > count || range.end.offset > count || range.end < range.start) return std::nullopt;
  const std::size_t from = byteOfIndex(range.start.offset);
  const std::size_t to = byteOfIndex(range.end.offset);
  return text_.substr(from, to - from);
}

std::optional<TextPosition> TextInput::position(TextPosition from, int offset) const {
  const auto count = static_cast<long long>(characterCount());
  const long long target = static_cast<long long>(from.offset) + offset;
  if (static_cast<long long>(from.offset) > count || target < 0 || target > count) return std::nullopt;
  return TextPosition{static_cast<std::size_t>(target)};
}

std::size_t TextInput::cursorOffset() const {
  if (!hasSelection_) return 0;
  return indexOfByte(selectionStart_);
}

void TextInput::select(std::size_t start, std::size_t length) {
  setSelectedTextRange(TextRange{TextPosition{start}, TextPosition{start + length}});
}

std::optional<std::string> TextInput::markedText() const {
  if (!marked_) return std::nullopt;
  return text_.substr(marked_->first, marked_->second - marked_->first);
}

void TextInput::setText(std::string text) {
  text_ = std::move(text);
  boundariesValid_ = false;
  marked_.reset();
  hasSelection_ = true;
  selectionStart_ = selectionEnd_ = text_.size();
}

// ---- Key input

bool TextInput::hasText() const { return !text_.empty(); }

void TextInput::insertText(const std::string& text) {
  if (!hasSelection_) return;
  std::size_t from = selectionStart_;
  std::size_t to = selectionEnd_;
  if (marked_) {
    from = marked_->first;
    to = marked_->second;
    marked_.reset();
  }
  const std::size_t after = replaceBytes(from, to, text);
  // Text that joins the character after it (a combining mark before its base
  // is rare, but an emoji modifier is not) moves the caret past the merged
  // cluster rather than into it.
  selectionStart_ = selectionEnd_ = snapToBoundary(after);
  editingChanged_.send();
}

void TextInput::deleteBackward() {
  if (!hasSelection_) return;
  marked_.reset();
  std::size_t from = selectionStart_;
  std::size_t to = selectionEnd_;
  if (from == to) {
    const std::size_t index = indexOfByte(from);
    if (index == 0) return;
    from = byteOfIndex(index - 1);
  }
  replaceBytes(from, to, "");
  selectionStart_ = selectionEnd_ = snapToBoundary(from);
  editingChanged_.send();
}

void TextInput::setMarkedText(const std::optional<std::string>& markedText, CharacterRange selectedRange) {
  if (!hasSelection_) return;
  std::size_t from = selectionStart_;
  std::size_t to = selectionEnd_;
  if (marked_) {
    from = marked_->first;
    to = marked_->second;
  }
  const std::string replacement = markedText.value_or("");
  const std::size_t after = replaceBytes(from, to, replacement);
  if (replacement.empty()) {
    marked_.reset();
    selectionStart_ = selectionEnd_ = snapToBoundary(from);
  } else {
    const std::size_t markStart = snapToBoundary(from) == from ? from : byteOfIndex(indexOfByte(from) - 1);
    const std::size_t markEnd = snapToBoundary(after);
    marked_ = std::make_pair(markStart, markEnd);
    const std::size_t startIndex = indexOfByte(markStart);
    const std::size_t markLength = indexOfByte(markEnd) - startIndex;
    const std::size_t selectionFrom = std::min(selectedRange.location, markLength);
    const std::size_t selectionTo = std::min(selectedRange.location + selectedRange.length, markLength);
    selectionStart_ = byteOfIndex(startIndex + selectionFrom);
    selectionEnd_ = byteOfIndex(startIndex + selectionTo);
  }
  editingChanged_.send();
}

void TextInput::unmarkText() { marked_.reset(); }

// ---- First responder

bool TextInput::becomeFirstResponder() {
  if (!canBecomeFirstResponder()) return false;
  isFirstResponder_ = true;
  return true;
}

bool TextInput::resignFirstResponder() {
  isFirstResponder_ = false;
  return true;
}

bool TextInput::canPerformAction(std::string_view) const { return true; }

}  // namespace platform
