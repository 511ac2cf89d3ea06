#include "platform/input/CharacterBoundaries.h"

#include <algorithm>

#include "platform/foundation/Text.h"

namespace platform {

namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

void CharacterBoundaries::reset(std::string_view text) {
  before_ = text::graphemeBoundaries(text);
  after_.clear();
  size_ = text.size();
}

void CharacterBoundaries::moveGapTo(std::size_t byte) {
  while (!before_.empty() && before_.back() >= byte) {
    after_.push_back(size_ - before_.back());
    before_.pop_back();
  }
  while (!after_.empty() && size_ - after_.back() < byte) {
    before_.push_back(size_ - after_.back());
    after_.pop_back();
  }
}

void CharacterBoundaries::replace(std::string_view text, std::size_t from, std::size_t removed, std::size_t inserted) {
  if (text.empty()) {
    before_.assign(1, 0);
    after_.clear();
    size_ = 0;
    return;
  }
  const std::size_t oldSize = size_;
  moveGapTo(from);
  // Boundaries inside the replaced bytes are gone; one at their end may stay,
  // which the scan below decides.
  while (!after_.empty() && oldSize - after_.back() < from + removed) after_.pop_back();
  size_ = text.size();
  const std::size_t editEnd = from + inserted;

  // The edit can join the character before it (a combining mark, an emoji
  // modifier, a second regional indicator), so segment again from a boundary
  // before it: whether a boundary comes there depends on nothing after it.
  // That boundary must also begin a scalar the edit cannot reach: an edit
  // that cuts a UTF-8 sequence changes how the bytes before it decode.
  constexpr std::size_t longestSequence = 4;
  while (!before_.empty() && before_.back() + longestSequence > from) before_.pop_back();
  if (before_.empty()) before_.push_back(0);
  // Segmenting ends where a new boundary past the edit meets an old one; from
  // there on the text and so its boundaries are as they were.
  const std::size_t start = before_.back();
  const std::size_t kept = before_.size();
  for (std::size_t window = 32;; window *= 2) {
    std::size_t end = std::min(text.size(), editEnd + window);
    while (end < text.size() && isContinuationByte(text[end])) ++end;
    before_.resize(kept);
    std::size_t pending = after_.size();  // after_[pending - 1] is the next old boundary ahead
    bool met = false;
    const auto found = text::graphemeBoundaries(text.substr(start, end - start));
    for (std::size_t i = 1; i < found.size(); ++i) {
      const std::size_t boundary = start + found[i];
      if (boundary == end && end < text.size()) break;  // cut by the window, not a real boundary
      while (pending > 0 && size_ - after_[pending - 1] < boundary) --pending;
      if (boundary >= editEnd && pending > 0 && size_ - after_[pending - 1] == boundary) {
        met = true;
        break;
      }
      before_.push_back(boundary);
    }
    if (met || end == text.size()) {
      after_.resize(pending);
      return;
    }
  }
}

std::size_t CharacterBoundaries::offset(std::size_t index) const {
  if (index < before_.size()) return before_[index];
  return size_ - after_[after_.size() - 1 - (index - before_.size())];
}

std::size_t CharacterBoundaries::indexAtOrAfter(std::size_t byte) const {
  if (!before_.empty() && byte <= before_.back()) {
    return static_cast<std::size_t>(std::lower_bound(before_.begin(), before_.end(), byte) - before_.begin());
  }
  if (byte > size_) return count() - 1;
  // Along after_ the offsets descend: find the smallest offset >= byte, that
  // is the largest distance <= size_ - byte.
  const auto it = std::upper_bound(after_.begin(), after_.end(), size_ - byte);
  if (it == after_.begin()) return count() - 1;
  const auto k = static_cast<std::size_t>(it - after_.begin()) - 1;
  return before_.size() + (after_.size() - 1 - k);
}

}  // namespace platform
