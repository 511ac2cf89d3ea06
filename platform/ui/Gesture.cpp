#include "platform/ui/Gesture.h"

#include "platform/ui/TypeName.h"

namespace platform::ui {

Gesture::~Gesture() = default;

std::string Gesture::description() const { return readableTypeName(typeid(*this)); }

}  // namespace platform::ui
