#include "platform/ui/State.h"

#include "platform/ui/Node.h"

namespace platform::ui {

StateSlotBase::~StateSlotBase() = default;

void StateSlotBase::didChange() const {
  if (auto owner = owner_.lock()) owner->setNeedsEvaluation();
}

}  // namespace platform::ui
