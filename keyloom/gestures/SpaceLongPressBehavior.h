#pragma once

namespace keyloom {

// What a long press on the space bar leads to: moving the text cursor by
// dragging, or the menu of keyboard locales.
enum class SpaceLongPressBehavior { moveInputCursor, openLocaleContextMenu };

}  // namespace keyloom
