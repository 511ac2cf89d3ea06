#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "keyloom/services/CalloutActionProvider.h"
#include "keyloom/services/KeyboardActionHandler.h"
#include "keyloom/state/KeyboardAction.h"
#include "platform/foundation/Geometry.h"
#include "platform/reactive/ObservableObject.h"
#include "platform/reactive/Published.h"
#include "platform/ui/Alignment.h"
#include "platform/ui/GeometryProxy.h"

namespace keyloom {

// The state of the secondary-action callout: the row of alternatives that
// opens beside a long-pressed key and follows the finger sideways. The key's
// gesture binding feeds it; the callout view draws it. The chosen action goes
// to the action handler as a release.
class ActionCalloutContext : public platform::ObservableObject {
 public:
  ActionCalloutContext(std::shared_ptr<KeyboardActionHandler> actionHandler,
                       std::shared_ptr<CalloutActionProvider> actionProvider);

  // The coordinate space that key frames are measured in for this callout.
  static std::string coordinateSpace();
  // A new context on every call that never opens and never acts.
  static std::shared_ptr<ActionCalloutContext> disabled();
  // One context for previews, made on first read with a handler that does
  // nothing and the English callout actions; settable.
  static std::shared_ptr<ActionCalloutContext>& preview();

  const std::shared_ptr<KeyboardActionHandler>& actionHandler() const { return actionHandler_; }
  const std::shared_ptr<CalloutActionProvider>& actionProvider() const { return actionProvider_; }

  // In display order: reversed for trailing alignment, so the provider's
  // first action is always the one next to the key.
  platform::Published<std::vector<KeyboardAction>> actions{*this, {}};
  platform::Published<platform::ui::HorizontalAlignment> alignment{*this,
                                                                    platform::ui::HorizontalAlignment::leading};
  // The pressed key's frame in coordinateSpace().
  platform::Published<platform::Rect> buttonFrame{*this, platform::Rect()};
  // -1: nothing selected.
  platform::Published<int> selectedIndex{*this, -1};

  virtual bool isActive() const { return !actions.get().empty(); }
  virtual bool isTrailing() const { return alignment.get() == platform::ui::HorizontalAlignment::trailing; }
  // Any alignment but trailing counts as leading.
  virtual bool isLeading() const { return !isTrailing(); }
  virtual std::optional<KeyboardAction> selectedAction() const;
  virtual bool hasSelectedAction() const { return selectedAction().has_value(); }

  // Opens the callout for a key, or closes it for no action. Without an
  // alignment, a key whose left edge lies right of the middle of the
  // callout's coordinate space opens trailing.
  virtual void updateInputs(const std::optional<KeyboardAction>& action, const platform::ui::GeometryProxy& geometry,
                            std::optional<platform::ui::HorizontalAlignment> alignment = std::nullopt);
  // Follows the drag's translation (downwards positive): every 90 % of a
  // callout button's width moves the selection by one, up to the outermost
  // entry, which stays selected further out; a drag down by more than the
  // key's height closes the callout.
  virtual void updateSelection(const std::optional<platform::Size>& translation);
  // Sends the selected action, if any, as a release; changes nothing here.
  virtual void handleSelectedAction();
  // Commits the selection, then closes.
  virtual void endDragGesture();
  // Closes the callout; the alignment is kept.
  virtual void reset();
  virtual void triggerHapticFeedbackForSelectionChange();

 protected:
  // actions.size() - 1 when trailing, else 0: the provider's first action.
  int defaultSelectedIndex() const;

 private:
  std::shared_ptr<KeyboardActionHandler> actionHandler_;
  std::shared_ptr<CalloutActionProvider> actionProvider_;
};

}  // namespace keyloom
