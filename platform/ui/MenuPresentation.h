#pragma once

#include <functional>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/ColorScheme.h"
#include "platform/ui/Node.h"
#include "platform/ui/View.h"

namespace platform::ui {

// What an open menu shows (ViewHost::presentMenu lays it over the whole
// tree): the menu's entries in a panel over the view, above the menu when
// there is room, on a dimmed backdrop. A tap on an entry closes the menu and
// runs the entry's action; a tap on the backdrop only closes it. When the
// entries are taller than the view, the panel scrolls.
struct MenuPresentation {
  struct Entry {
    View label;
    std::function<void()> action;
    // A divider follows the entry.
    bool dividerAfter = false;
  };

  static constexpr double rowHeight = 40;
  static constexpr double maximumWidth = 240;
  static constexpr double fontSize = 17;
  // Between the panel and the edges of the view, and the menu it belongs to.
  static constexpr double margin = 8;

  std::vector<Entry> entries;
  // Where the menu is and the area the panel stays in, in the host's
  // coordinates.
  Rect anchor;
  Rect bounds;
  // That of the view the menu is on, which may differ from the host's.
  ColorScheme colorScheme = ColorScheme::light;
  std::function<void()> dismiss;

  // The entries of a menu node: the buttons among its items, in order, each
  // followed by a divider when one comes next.
  static std::vector<Entry> entriesOf(const Node& menu);
  // The panel's frame in the host's coordinates.
  Rect panelFrame() const;

  View body(BodyContext& context) const;
};

}  // namespace platform::ui
