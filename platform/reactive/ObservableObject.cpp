#include "platform/reactive/ObservableObject.h"

namespace platform {

ObservableObject::~ObservableObject() = default;

}  // namespace platform
