#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/ui/Node.h"

namespace platform::ui {

// Bytes that are the same for two laid-out nodes exactly when what they draw
// inside their first `levels` modifiers is the same, in the same place: the
// content, those modifiers, the layers and children with theirs, their frames
// and what they read from the environment. Nothing for a drawing the key
// cannot describe (pictures made from data, platform views).
std::optional<std::string> drawingKey(const Node& node, std::size_t levels);

}  // namespace platform::ui
