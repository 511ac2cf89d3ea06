#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "keyloom/state/KeyboardContext.h"
#include "platform/foundation/Locale.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/View.h"

namespace keyloom {

// A menu of the keyboard context's locales on a key. A tap on the key still
// runs the key's own action (the tap action); a long press opens the menu,
// which lists the current locale first, a divider, then the other locales in
// the order the context holds them. Picking an entry makes its locale the
// context's locale, and does not run the tap action.
//
// A view modifier: every build reads the context anew and observes it, so a
// change of locale rebuilds the menu with the new locale first. With fewer
// than two locales there is no menu: the content is returned unchanged.
class LocaleContextMenu {
 public:
  using TapAction = std::function<void()>;
  // Builds the label of one entry.
  using MenuItem = std::function<platform::ui::View(const platform::Locale&)>;

  // Entries labelled with the standard label.
  LocaleContextMenu(std::shared_ptr<KeyboardContext> keyboardContext, TapAction tapAction);
  LocaleContextMenu(std::shared_ptr<KeyboardContext> keyboardContext, TapAction tapAction, MenuItem menuItem);

  platform::ui::View body(platform::ui::BodyContext& context, platform::ui::View content) const;

  // The locales the menu lists: the current one, then the context's locales
  // in stored order without any that has the current one's identifier.
  static std::vector<platform::Locale> menuLocales(const KeyboardContext& keyboardContext);
  // The locale's name in the context's presentation locale, else in the
  // locale's own language; empty when the platform has no name for it.
  static std::string standardTitle(const KeyboardContext& keyboardContext, const platform::Locale& locale);
  // Verbatim text of the standard title; holds the context.
  static MenuItem standardMenuItem(std::shared_ptr<KeyboardContext> keyboardContext);

 private:
  platform::ui::View menuEntries() const;

  std::shared_ptr<KeyboardContext> keyboardContext_;
  TapAction tapAction_;
  MenuItem menuItem_;
};

// `view` with a LocaleContextMenu applied.
platform::ui::View localeContextMenu(const platform::ui::View& view, std::shared_ptr<KeyboardContext> keyboardContext,
                                     LocaleContextMenu::TapAction tapAction);
platform::ui::View localeContextMenu(const platform::ui::View& view, std::shared_ptr<KeyboardContext> keyboardContext,
                                     LocaleContextMenu::TapAction tapAction, LocaleContextMenu::MenuItem menuItem);

}  // namespace keyloom
