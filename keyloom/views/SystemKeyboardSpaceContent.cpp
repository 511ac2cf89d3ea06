#include "keyloom/views/SystemKeyboardSpaceContent.h"

#include "keyloom/views/SystemKeyboardButtonText.h"
#include "keyloom/state/KeyboardAction.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/ProcessState.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/Transaction.h"

namespace keyloom {

namespace {

std::optional<std::string>& lastShownText() {
  static std::optional<std::string>* text = [] {
    auto* value = new std::optional<std::string>();
    platform::registerProcessReset([value] { value->reset(); });
    return value;
  }();
  return *text;
}

}  // namespace

std::optional<std::string> SystemKeyboardSpaceContent::lastShownLocaleText() { return lastShownText(); }

platform::ui::View SystemKeyboardSpaceContent::body(platform::ui::BodyContext& context) const {
  platform::ui::State<bool> showLocale = context.state<bool>(true);
  const bool show = showLocale.get();
  std::string text = localeText;
  return platform::ui::ZStack(
             platform::ui::Alignment::center(),
             {platform::ui::View(SystemKeyboardButtonText(localeText, KeyboardAction::space()))
                  .opacity(show ? 1 : 0),
              spaceView.opacity(show ? 0 : 1)})
      .transition(platform::ui::Transition::opacity())
      .onAppear([showLocale, text] {
        auto& last = lastShownText();
        const bool isNew = !last || *last != text;
        showLocale.set(isNew);
        if (!isNew) return;
        last = text;
        // The state handle keeps its slot alive, so the switch is safe even
        // if the space bar has gone by then.
        platform::MainQueue::main().asyncAfter(localeDuration, [showLocale] {
          platform::ui::withAnimation([&showLocale] { showLocale.set(false); });
        });
      });
}

}  // namespace keyloom
