#include "keyloom/views/NavigationLinkArrow.h"

#include "platform/ui/Image.h"

namespace keyloom {

platform::ui::View NavigationLinkArrow::body() const {
  using namespace platform::ui;
  return View(Image::system("chevron.right"))
      .padding(Edge::leading, 2)
      .font(Font::footnote().weight(FontWeight::semibold))
      .opacity(0.3)
      .scaleEffect(1.05);
}

}  // namespace keyloom
