#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace platform {

// The character (grapheme cluster) boundaries of a text as byte offsets, kept
// up to date edit by edit: an edit segments only the text around it, so its
// cost does not grow with the text.
//
// The boundaries sit in a gap buffer split at the last edit: those before the
// gap as offsets from the start, those after it as distances from the end,
// which an edit before them leaves unchanged. Moving the gap costs the number
// of boundaries it passes, so edits at one place (typing) are constant time.
class CharacterBoundaries {
 public:
  // Segments all of `text`.
  void reset(std::string_view text);
  // Follows an edit that replaced bytes [from, from + removed) of the previous
  // text by `inserted` bytes, giving `text`.
  void replace(std::string_view text, std::size_t from, std::size_t removed, std::size_t inserted);

  // The number of boundaries: characters + 1, as 0 and the end are boundaries.
  std::size_t count() const { return before_.size() + after_.size(); }
  // The byte offset of boundary `index` (< count()).
  std::size_t offset(std::size_t index) const;
  // The index of the first boundary at or after `byte`; the last one when none is.
  std::size_t indexAtOrAfter(std::size_t byte) const;

 private:
  // Leaves in before_ exactly the boundaries before `byte`.
  void moveGapTo(std::size_t byte);

  std::vector<std::size_t> before_;  // ascending offsets
  std::vector<std::size_t> after_;   // ascending distances from the end; back() is nearest the gap
  std::size_t size_ = 0;             // of the text
};

}  // namespace platform
