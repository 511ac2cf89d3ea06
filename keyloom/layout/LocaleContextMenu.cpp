#include "keyloom/layout/LocaleContextMenu.h"

#include <utility>

#include "keyloom/state/LocaleNameProvider.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

namespace ui = platform::ui;

LocaleContextMenu::LocaleContextMenu(std::shared_ptr<KeyboardContext> keyboardContext, TapAction tapAction)
    : LocaleContextMenu(keyboardContext, std::move(tapAction), standardMenuItem(keyboardContext)) {}

LocaleContextMenu::LocaleContextMenu(std::shared_ptr<KeyboardContext> keyboardContext, TapAction tapAction,
                                     MenuItem menuItem)
    : keyboardContext_(std::move(keyboardContext)), tapAction_(std::move(tapAction)), menuItem_(std::move(menuItem)) {}

std::vector<platform::Locale> LocaleContextMenu::menuLocales(const KeyboardContext& keyboardContext) {
  const platform::Locale& current = keyboardContext.locale.get();
  std::vector<platform::Locale> result{current};
  for (const auto& locale : keyboardContext.locales.get()) {
    if (locale.identifier() != current.identifier()) result.push_back(locale);
  }
  return result;
}

std::string LocaleContextMenu::standardTitle(const KeyboardContext& keyboardContext,
                                             const platform::Locale& locale) {
  const auto& presentation = keyboardContext.localePresentationLocale.get();
  return localizedName(locale, presentation ? *presentation : locale);
}

LocaleContextMenu::MenuItem LocaleContextMenu::standardMenuItem(std::shared_ptr<KeyboardContext> keyboardContext) {
  return [keyboardContext = std::move(keyboardContext)](const platform::Locale& locale) {
    return ui::Text(keyboardContext ? standardTitle(*keyboardContext, locale) : std::string());
  };
}

ui::View LocaleContextMenu::menuEntries() const {
  const platform::Locale current = keyboardContext_->locale.get();
  std::vector<std::pair<ui::ViewId, ui::View>> entries;
  for (const auto& locale : menuLocales(*keyboardContext_)) {
    auto context = keyboardContext_;
    ui::View button = ui::Button([context, locale] { context->setLocale(locale); },
                                 menuItem_ ? menuItem_(locale) : ui::View());
    std::optional<ui::View> divider;
    if (locale == current) divider = ui::Divider();
    entries.emplace_back(ui::ViewId(locale.identifier()), ui::Group({std::move(button), ui::OptionalView(divider)}));
  }
  return ui::ForEach(std::move(entries));
}

ui::View LocaleContextMenu::body(ui::BodyContext& context, ui::View content) const {
  if (!keyboardContext_) return content;
  context.observe(keyboardContext_);
  if (keyboardContext_->locales.get().size() < 2) return content;
  return ui::Menu(std::move(content), menuEntries(), tapAction_);
}

ui::View localeContextMenu(const ui::View& view, std::shared_ptr<KeyboardContext> keyboardContext,
                           LocaleContextMenu::TapAction tapAction) {
  return view.modifier(LocaleContextMenu(std::move(keyboardContext), std::move(tapAction)));
}

ui::View localeContextMenu(const ui::View& view, std::shared_ptr<KeyboardContext> keyboardContext,
                           LocaleContextMenu::TapAction tapAction, LocaleContextMenu::MenuItem menuItem) {
  return view.modifier(LocaleContextMenu(std::move(keyboardContext), std::move(tapAction), std::move(menuItem)));
}

}  // namespace keyloom
