#include "keyloom/views/SystemKeyboard.h"

#include "keyloom/autocomplete/EmojiKeyboardStyle.h"
#include "keyloom/services/KeyboardServicesController.h"
#include "keyloom/state/EmojiCategory.h"
#include "keyloom/views/ActionCallout.h"
#include "keyloom/views/AutocompleteToolbar.h"
#include "keyloom/views/EmojiCategoryKeyboard.h"
#include "keyloom/views/InputCallout.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

namespace ui = platform::ui;

namespace {

std::vector<EmojiCategory> allEmojiCategories() {
  std::vector<EmojiCategory> result;
  for (std::size_t i = 0; i < RawValueTable<EmojiCategory>::names.size(); ++i) {
    result.push_back(static_cast<EmojiCategory>(i));
  }
  return result;
}

// The callouts' feet take the inset of the drawn keys.
template <class Style>
Style withKeyInset(Style style, const KeyboardLayoutConfiguration& config) {
  style.callout.buttonInset = platform::Size{config.buttonInsets.leading, config.buttonInsets.top};
  return style;
}

}  // namespace

SystemKeyboard::SystemKeyboard(std::shared_ptr<KeyboardLayout> layout,
                               std::shared_ptr<const KeyboardAppearance> appearance,
                               std::shared_ptr<KeyboardActionHandler> actionHandler,
                               std::shared_ptr<AutocompleteContext> autocompleteContext,
                               AutocompleteToolbarMode autocompleteToolbar,
                               SuggestionAction autocompleteToolbarAction,
                               std::shared_ptr<KeyboardContext> keyboardContext,
                               std::shared_ptr<KeyboardCalloutContext> calloutContext, double width,
                               bool renderBackground, ButtonViewBuilder buttonView)
    : actionHandler_(std::move(actionHandler)),
      appearance_(std::move(appearance)),
      autocompleteToolbarMode_(autocompleteToolbar),
      autocompleteToolbarAction_(std::move(autocompleteToolbarAction)),
      buttonView_(std::move(buttonView)),
      keyboardWidth_(width),
      renderBackground_(renderBackground),
      layout_(std::move(layout)),
      autocompleteContext_(std::move(autocompleteContext)),
      keyboardContext_(std::move(keyboardContext)) {
  layoutConfig_ = KeyboardLayoutConfiguration::standard(*keyboardContext_);
  // Both widths are for the whole keyboard, not less the edge insets that
  // pad the rows; a row that then overflows is centred (see KeyboardLayout).
  inputWidth_ = layout_->inputWidth(width);
  hasCalloutContext_ = calloutContext != nullptr;
  if (calloutContext) {
    calloutContext_ = calloutContext;
    actionCalloutContext_ = calloutContext->action();
    inputCalloutContext_ = calloutContext->input();
  } else {
    calloutContext_ = KeyboardCalloutContext::disabled();
    actionCalloutContext_ = ActionCalloutContext::disabled();
    inputCalloutContext_ = InputCalloutContext::disabled();
  }
}

SystemKeyboard::SystemKeyboard(std::shared_ptr<KeyboardLayout> layout,
                               std::shared_ptr<const KeyboardAppearance> appearance,
                               std::shared_ptr<KeyboardActionHandler> actionHandler,
                               std::shared_ptr<AutocompleteContext> autocompleteContext,
                               AutocompleteToolbarMode autocompleteToolbar,
                               SuggestionAction autocompleteToolbarAction,
                               std::shared_ptr<KeyboardContext> keyboardContext,
                               std::shared_ptr<KeyboardCalloutContext> calloutContext, double width,
                               bool renderBackground, ButtonContentBuilder buttonContent)
    : SystemKeyboard(
          std::move(layout), appearance, actionHandler, std::move(autocompleteContext), autocompleteToolbar,
          std::move(autocompleteToolbarAction), keyboardContext, calloutContext, width, renderBackground,
          rowItems(appearance, actionHandler, keyboardContext, calloutContext, std::move(buttonContent))) {}

SystemKeyboard::SystemKeyboard(
    std::shared_ptr<KeyboardLayout> layout, std::shared_ptr<const KeyboardAppearance> appearance,
    std::shared_ptr<KeyboardActionHandler> actionHandler,
    std::shared_ptr<AutocompleteContext> autocompleteContext, AutocompleteToolbarMode autocompleteToolbar,
    SuggestionAction autocompleteToolbarAction, std::shared_ptr<KeyboardContext> keyboardContext,
    std::shared_ptr<KeyboardCalloutContext> calloutContext, double width, bool renderBackground)
    : SystemKeyboard(std::move(layout), appearance, actionHandler, std::move(autocompleteContext),
                     autocompleteToolbar, std::move(autocompleteToolbarAction), keyboardContext,
                     calloutContext, width, renderBackground,
                     ButtonContentBuilder([appearance, keyboardContext](const KeyboardLayoutItem& item) {
                       return ui::View(standardButtonContent(item, appearance, keyboardContext));
                     })) {}

SystemKeyboard::SystemKeyboard(const std::shared_ptr<KeyboardServicesController>& controller,
                               AutocompleteToolbarMode autocompleteToolbarMode,
                               SuggestionAction autocompleteToolbarAction, std::optional<double> width,
                               bool renderBackground, ButtonViewBuilder buttonView)
    : SystemKeyboard(servicesOf(controller, std::move(autocompleteToolbarAction), width),
                     autocompleteToolbarMode, renderBackground, std::move(buttonView)) {}

SystemKeyboard::SystemKeyboard(const std::shared_ptr<KeyboardServicesController>& controller,
                               AutocompleteToolbarMode autocompleteToolbarMode,
                               SuggestionAction autocompleteToolbarAction, std::optional<double> width,
                               bool renderBackground, ButtonContentBuilder buttonContent)
    : SystemKeyboard(
          controller, autocompleteToolbarMode, std::move(autocompleteToolbarAction), width, renderBackground,
          rowItems(controller->keyboardAppearance(), controller->keyboardActionHandler(),
                   controller->keyboardContext(), controller->calloutContext(), std::move(buttonContent))) {}

SystemKeyboard::SystemKeyboard(const std::shared_ptr<KeyboardServicesController>& controller,
                               AutocompleteToolbarMode autocompleteToolbar,
                               SuggestionAction autocompleteToolbarAction, std::optional<double> width,
                               bool renderBackground)
    : SystemKeyboard(
          controller, autocompleteToolbar, std::move(autocompleteToolbarAction), width, renderBackground,
          ButtonContentBuilder(
              [appearance = std::shared_ptr<const KeyboardAppearance>(controller->keyboardAppearance()),
               keyboardContext = controller->keyboardContext()](const KeyboardLayoutItem& item) {
                return ui::View(standardButtonContent(item, appearance, keyboardContext));
              })) {}

SystemKeyboard::SystemKeyboard(ControllerServices services, AutocompleteToolbarMode mode,
                               bool renderBackground, ButtonViewBuilder buttonView)
    : SystemKeyboard(std::move(services.layout), std::move(services.appearance),
                     std::move(services.actionHandler), std::move(services.autocompleteContext), mode,
                     std::move(services.suggestionAction), std::move(services.keyboardContext),
                     std::move(services.calloutContext), services.width, renderBackground,
                     std::move(buttonView)) {}

SystemKeyboard::ControllerServices SystemKeyboard::servicesOf(
    const std::shared_ptr<KeyboardServicesController>& controller, SuggestionAction action,
    std::optional<double> width) {
  ControllerServices services;
  services.layout = controller->keyboardLayoutProvider()->keyboardLayout(*controller->keyboardContext());
  services.appearance = controller->keyboardAppearance();
  services.actionHandler = controller->keyboardActionHandler();
  services.autocompleteContext = controller->autocompleteContext();
  if (action) {
    services.suggestionAction = std::move(action);
  } else {
    // The view never keeps the controller alive.
    std::weak_ptr<KeyboardServicesController> weakController = controller;
    services.suggestionAction = [weakController](const AutocompleteSuggestion& suggestion) {
      if (auto controller = weakController.lock()) controller->insertAutocompleteSuggestion(suggestion);
    };
  }
  services.keyboardContext = controller->keyboardContext();
  services.calloutContext = controller->calloutContext();
  services.width = width ? *width : controller->view()->frame().width();
  return services;
}

SystemKeyboard::ButtonViewBuilder SystemKeyboard::rowItems(
    std::shared_ptr<const KeyboardAppearance> appearance,
    std::shared_ptr<KeyboardActionHandler> actionHandler, std::shared_ptr<KeyboardContext> keyboardContext,
    std::shared_ptr<KeyboardCalloutContext> calloutContext, ButtonContentBuilder buttonContent) {
  return [=](const KeyboardLayoutItem& item, double keyboardWidth, double inputWidth) {
    return ui::View(SystemKeyboardButtonRowItem(buttonContent(item), item, actionHandler, keyboardContext,
                                                calloutContext, keyboardWidth, inputWidth, appearance));
  };
}

SystemKeyboardButtonRowItem SystemKeyboard::standardButtonView(
    const KeyboardLayoutItem& item, std::shared_ptr<const KeyboardAppearance> appearance,
    std::shared_ptr<KeyboardActionHandler> actionHandler, std::shared_ptr<KeyboardContext> keyboardContext,
    std::shared_ptr<KeyboardCalloutContext> calloutContext, double keyboardWidth, double inputWidth) {
  return SystemKeyboardButtonRowItem(ui::View(standardButtonContent(item, appearance, keyboardContext)), item,
                                     std::move(actionHandler), keyboardContext, std::move(calloutContext),
                                     keyboardWidth, inputWidth, appearance);
}

SystemKeyboardButtonContent SystemKeyboard::standardButtonContent(
    const KeyboardLayoutItem& item, std::shared_ptr<const KeyboardAppearance> appearance,
    std::shared_ptr<KeyboardContext> keyboardContext) {
  return SystemKeyboardButtonContent(item.action, std::move(appearance), std::move(keyboardContext));
}

ui::View SystemKeyboard::toolbar() const {
  const bool shown = autocompleteToolbarMode_ == AutocompleteToolbarMode::automatic &&
                     !keyboardContext_->keyboardType.get().is<keyboard_type::Emojis>();
  if (!shown) return ui::View();
  // A hidden toolbar keeps its place, so the keys do not jump.
  return ui::View(AutocompleteToolbar(autocompleteContext_->suggestions.get(), keyboardContext_->locale.get(),
                                      appearance_->autocompleteToolbarStyle(), autocompleteToolbarAction_))
      .opacity(keyboardContext_->prefersAutocomplete.get() ? 1 : 0);
}

ui::View SystemKeyboard::rows() const {
  std::vector<std::pair<ui::ViewId, ui::View>> rows;
  const auto& itemRows = layout_->itemRows();
  const std::string localeId = keyboardContext_->locale.get().identifier();
  for (std::size_t r = 0; r < itemRows.size(); ++r) {
    std::vector<std::pair<ui::ViewId, ui::View>> keys;
    for (std::size_t k = 0; k < itemRows[r].size(); ++k) {
      keys.emplace_back(ui::ViewId(k), buttonView_(itemRows[r][k], keyboardWidth_, inputWidth_));
    }
    // Each row takes exactly the width it is offered; a row of fixed keys
    // wider than that is centred on it.
    ui::View row =
        ui::HStack(ui::VerticalAlignment::center, 0, {ui::ForEach(std::move(keys)).id(ui::ViewId(localeId))})
            .frame(ui::FlexibleFrame{.minWidth = 0, .maxWidth = ui::infinity});
    rows.emplace_back(ui::ViewId(r), row);
  }
  // The stacks always run left to right, whatever the locale's direction.
  return ui::VStack(ui::HorizontalAlignment::center, 0, {ui::ForEach(std::move(rows))})
      .padding(appearance_->keyboardEdgeInsets());
}

ui::View SystemKeyboard::keys() const {
  if (!keyboardContext_->keyboardType.get().is<keyboard_type::Emojis>()) return rows();
  return ui::View(EmojiCategoryKeyboard(std::nullopt, allEmojiCategories(), actionHandler_, keyboardContext_,
                                        calloutContext_, appearance_,
                                        EmojiKeyboardStyle::standard(*keyboardContext_),
                                        EmojiCategoryKeyboard::standardCategoryTitle))
      .padding(ui::EdgeSet::top());
}

ui::View SystemKeyboard::body(ui::BodyContext& context) const {
  // The overlays follow the pair's current members: the pair announces when
  // one is replaced, and the keys fill whichever member it holds then. What
  // the two callout contexts publish reaches only the overlays, which observe
  // them; nothing here reads it, and rebuilding every key for each callout
  // shown or hidden would triple the cost of a key press.
  const auto actionCallout = hasCalloutContext_ ? calloutContext_->action() : actionCalloutContext_;
  const auto inputCallout = hasCalloutContext_ ? calloutContext_->input() : inputCalloutContext_;
  context.observe(autocompleteContext_);
  context.observe(calloutContext_);
  context.observe(keyboardContext_);

  ui::View keysWithCallouts = keyboardInputCallout(
      keyboardActionCallout(keys(), actionCallout, keyboardContext_,
                            withKeyInset(appearance_->actionCalloutStyle(), layoutConfig_),
                            EmojiKeyboardStyle::standard(*keyboardContext_)),
      inputCallout, keyboardContext_, withKeyInset(appearance_->inputCalloutStyle(), layoutConfig_));
  ui::View keyboard = ui::VStack(ui::HorizontalAlignment::center, 0, {toolbar(), keysWithCallouts})
                          .foregroundColor(appearance_->foregroundColor());
  if (!renderBackground_) return keyboard;
  return std::move(keyboard).background(appearance_->backgroundStyle().backgroundView());
}

}  // namespace keyloom
