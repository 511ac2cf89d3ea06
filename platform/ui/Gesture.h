#pragma once

#include <array>
#include <string>
#include <string_view>

namespace platform::ui {

// A gesture attached to a view. The tree keeps gestures as data; recognising
// them from touches is the touch pipeline's work, which derives concrete
// gestures (drag, tap) from this class.
class Gesture {
 public:
  virtual ~Gesture();
  virtual std::string description() const;
};

// Which gestures stay enabled when a gesture is attached: its own, those of
// the views below it, both, or none.
enum class GestureMask { none, gesture, subviews, all };
inline constexpr std::array<std::string_view, 4> gestureMaskNames = {"none", "gesture", "subviews",
                                                                     "all"};

// How an attached gesture ranks against the gestures of the views below.
enum class GesturePriority { normal, simultaneous, high };
inline constexpr std::array<std::string_view, 3> gesturePriorityNames = {"normal", "simultaneous",
                                                                         "high"};

}  // namespace platform::ui
