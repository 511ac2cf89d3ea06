#include "keyloom/appearance/KeyboardAppearanceViewModifier.h"

namespace keyloom {

namespace ui = platform::ui;

ui::View KeyboardAppearanceViewModifier::body(ui::BodyContext& context, ui::View content) const {
  const ui::ColorScheme surrounding = context.environment().colorScheme();
  const ui::Color foreground = surrounding == ui::ColorScheme::dark ? ui::Color::white() : ui::Color::black();
  return content.foregroundColor(foreground).colorScheme(appearance_);
}

ui::View keyboardAppearance(const ui::View& view, ui::ColorScheme appearance) {
  return view.modifier(KeyboardAppearanceViewModifier(appearance));
}

}  // namespace keyloom
