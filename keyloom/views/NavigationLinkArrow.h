#pragma once

#include "platform/ui/View.h"

namespace keyloom {

// The faint chevron at the trailing edge of a row that leads somewhere.
struct NavigationLinkArrow {
  platform::ui::View body() const;
};

}  // namespace keyloom
