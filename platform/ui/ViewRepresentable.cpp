#include "platform/ui/ViewRepresentable.h"

#include "platform/ui/TypeName.h"

namespace platform::ui {

PlatformView::~PlatformView() = default;
std::string PlatformView::description() const { return readableTypeName(typeid(*this)); }
void PlatformView::setLayoutFrame(Rect) {}
void PlatformView::touch(TouchPhase, Point) {}

ViewRepresentable::~ViewRepresentable() = default;
void ViewRepresentable::updateView(PlatformView&) const {}
std::string ViewRepresentable::description() const { return readableTypeName(typeid(*this)); }

}  // namespace platform::ui
