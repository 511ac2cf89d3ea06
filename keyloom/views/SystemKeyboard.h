#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "keyloom/appearance/KeyboardAppearance.h"
#include "keyloom/autocomplete/AutocompleteContext.h"
#include "keyloom/layout/KeyboardLayout.h"
#include "keyloom/layout/KeyboardLayoutConfiguration.h"
#include "keyloom/layout/KeyboardLayoutItem.h"
#include "keyloom/services/ActionCalloutContext.h"
#include "keyloom/services/InputCalloutContext.h"
#include "keyloom/services/KeyboardActionHandler.h"
#include "keyloom/services/KeyboardCalloutContext.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/text/AutocompleteSuggestion.h"
#include "keyloom/views/SystemKeyboardButtonContent.h"
#include "keyloom/views/SystemKeyboardButtonRowItem.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/View.h"

namespace keyloom {

class KeyboardServicesController;

// A complete system-style keyboard: the suggestion toolbar on top, then the
// rows of keys of a layout (or the emoji keyboard for the emoji keyboard
// type), with the action and input callouts over the keys and the
// appearance's background behind it all.
//
// The rows and both widths are fixed when it is made; a new layout reaches
// the screen by making a new keyboard view (the root view does so on every
// change of the contexts it observes). Its own body follows the keyboard
// type, locale, autocomplete preference and suggestions. Rows and keys are
// identified by index, so an evaluation with the same layout keeps each key
// (and its pressed state); a change of locale renews them all.
class SystemKeyboard {
 public:
  enum class AutocompleteToolbarMode { automatic, none };
  static constexpr std::array<std::string_view, 2> autocompleteToolbarModeNames = {"automatic", "none"};

  using SuggestionAction = std::function<void(const AutocompleteSuggestion&)>;
  // The view of one key from its item, the keyboard width and the input width.
  using ButtonViewBuilder = std::function<platform::ui::View(const KeyboardLayoutItem& item,
                                                             double keyboardWidth, double inputWidth)>;
  // The content of one key, which is then made a row item.
  using ButtonContentBuilder = std::function<platform::ui::View(const KeyboardLayoutItem& item)>;

  // Keys drawn by `buttonView`. An absent callout context gives the view
  // inert callouts that never show.
  SystemKeyboard(std::shared_ptr<KeyboardLayout> layout, std::shared_ptr<const KeyboardAppearance> appearance,
                 std::shared_ptr<KeyboardActionHandler> actionHandler,
                 std::shared_ptr<AutocompleteContext> autocompleteContext,
                 AutocompleteToolbarMode autocompleteToolbar, SuggestionAction autocompleteToolbarAction,
                 std::shared_ptr<KeyboardContext> keyboardContext,
                 std::shared_ptr<KeyboardCalloutContext> calloutContext, double width, bool renderBackground,
                 ButtonViewBuilder buttonView);
  // Keys that are row items around `buttonContent(item)`; they get the
  // callout context as given (none when absent).
  SystemKeyboard(std::shared_ptr<KeyboardLayout> layout, std::shared_ptr<const KeyboardAppearance> appearance,
                 std::shared_ptr<KeyboardActionHandler> actionHandler,
                 std::shared_ptr<AutocompleteContext> autocompleteContext,
                 AutocompleteToolbarMode autocompleteToolbar, SuggestionAction autocompleteToolbarAction,
                 std::shared_ptr<KeyboardContext> keyboardContext,
                 std::shared_ptr<KeyboardCalloutContext> calloutContext, double width, bool renderBackground,
                 ButtonContentBuilder buttonContent);
  // The standard keys.
  SystemKeyboard(std::shared_ptr<KeyboardLayout> layout, std::shared_ptr<const KeyboardAppearance> appearance,
                 std::shared_ptr<KeyboardActionHandler> actionHandler,
                 std::shared_ptr<AutocompleteContext> autocompleteContext,
                 AutocompleteToolbarMode autocompleteToolbar, SuggestionAction autocompleteToolbarAction,
                 std::shared_ptr<KeyboardContext> keyboardContext,
                 std::shared_ptr<KeyboardCalloutContext> calloutContext, double width, bool renderBackground);

  // From a controller: the rows its layout provider gives for its keyboard
  // context now, its appearance, action handler and contexts. Without an
  // action a tap on a suggestion inserts it through the controller (nothing
  // once the controller is gone); without a width the keyboard is as wide
  // as the controller's view is now.
  SystemKeyboard(const std::shared_ptr<KeyboardServicesController>& controller,
                 AutocompleteToolbarMode autocompleteToolbarMode, SuggestionAction autocompleteToolbarAction,
                 std::optional<double> width, bool renderBackground, ButtonViewBuilder buttonView);
  SystemKeyboard(const std::shared_ptr<KeyboardServicesController>& controller,
                 AutocompleteToolbarMode autocompleteToolbarMode, SuggestionAction autocompleteToolbarAction,
                 std::optional<double> width, bool renderBackground, ButtonContentBuilder buttonContent);
  SystemKeyboard(const std::shared_ptr<KeyboardServicesController>& controller,
                 AutocompleteToolbarMode autocompleteToolbar, SuggestionAction autocompleteToolbarAction,
                 std::optional<double> width, bool renderBackground);

  static SystemKeyboardButtonRowItem standardButtonView(
      const KeyboardLayoutItem& item, std::shared_ptr<const KeyboardAppearance> appearance,
      std::shared_ptr<KeyboardActionHandler> actionHandler, std::shared_ptr<KeyboardContext> keyboardContext,
      std::shared_ptr<KeyboardCalloutContext> calloutContext, double keyboardWidth, double inputWidth);
  static SystemKeyboardButtonContent standardButtonContent(
      const KeyboardLayoutItem& item, std::shared_ptr<const KeyboardAppearance> appearance,
      std::shared_ptr<KeyboardContext> keyboardContext);

  const std::shared_ptr<KeyboardLayout>& layout() const { return layout_; }
  double keyboardWidth() const { return keyboardWidth_; }
  double inputWidth() const { return inputWidth_; }
  const KeyboardLayoutConfiguration& layoutConfig() const { return layoutConfig_; }
  const std::shared_ptr<KeyboardCalloutContext>& calloutContext() const { return calloutContext_; }
  const std::shared_ptr<ActionCalloutContext>& actionCalloutContext() const { return actionCalloutContext_; }
  const std::shared_ptr<InputCalloutContext>& inputCalloutContext() const { return inputCalloutContext_; }

  platform::ui::View body(platform::ui::BodyContext& context) const;

 private:
  // What the controller forms take from the controller.
  struct ControllerServices {
    std::shared_ptr<KeyboardLayout> layout;
    std::shared_ptr<const KeyboardAppearance> appearance;
    std::shared_ptr<KeyboardActionHandler> actionHandler;
    std::shared_ptr<AutocompleteContext> autocompleteContext;
    SuggestionAction suggestionAction;
    std::shared_ptr<KeyboardContext> keyboardContext;
    std::shared_ptr<KeyboardCalloutContext> calloutContext;
    double width = 0;
  };
  static ControllerServices servicesOf(const std::shared_ptr<KeyboardServicesController>& controller,
                                       SuggestionAction action, std::optional<double> width);
  SystemKeyboard(ControllerServices services, AutocompleteToolbarMode mode, bool renderBackground,
                 ButtonViewBuilder buttonView);
  // Keys that are row items around the content the builder makes.
  static ButtonViewBuilder rowItems(std::shared_ptr<const KeyboardAppearance> appearance,
                                    std::shared_ptr<KeyboardActionHandler> actionHandler,
                                    std::shared_ptr<KeyboardContext> keyboardContext,
                                    std::shared_ptr<KeyboardCalloutContext> calloutContext,
                                    ButtonContentBuilder buttonContent);

  platform::ui::View toolbar() const;
  platform::ui::View keys() const;
  platform::ui::View rows() const;

  std::shared_ptr<KeyboardActionHandler> actionHandler_;
  std::shared_ptr<const KeyboardAppearance> appearance_;
  AutocompleteToolbarMode autocompleteToolbarMode_;
  SuggestionAction autocompleteToolbarAction_;
  ButtonViewBuilder buttonView_;
  double keyboardWidth_ = 0;
  double inputWidth_ = 0;
  bool renderBackground_ = true;
  std::shared_ptr<KeyboardLayout> layout_;
  KeyboardLayoutConfiguration layoutConfig_;
  std::shared_ptr<ActionCalloutContext> actionCalloutContext_;
  std::shared_ptr<AutocompleteContext> autocompleteContext_;
  std::shared_ptr<KeyboardCalloutContext> calloutContext_;
  std::shared_ptr<InputCalloutContext> inputCalloutContext_;
  std::shared_ptr<KeyboardContext> keyboardContext_;
  bool hasCalloutContext_ = false;
};

}  // namespace keyloom
