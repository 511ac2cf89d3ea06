#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "keyloom/views/KeyboardInputComponent.h"
#include "keyloom/views/KeyboardInputView.h"
#include "platform/reactive/Cancellable.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/State.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewRepresentable.h"

namespace keyloom {

class KeyboardServicesController;

// A multi-line text view inside the keyboard, typed into with the keyboard's
// own keys while it has focus. Its text follows the `text` binding both ways;
// its focus is reported through `hasFocus`. A tap on it gives it focus.
//
// As a view it is a representable node holding a KeyboardInputTextView.
class KeyboardTextView : public platform::ui::ViewRepresentable, public KeyboardInputView {
 public:
  using Config = std::function<void(KeyboardInputTextView&)>;

  // The text view's delegate: writes its text into the text binding after
  // each edit.
  class Coordinator {
   public:
    explicit Coordinator(platform::ui::Binding<std::string> text) : text_(std::move(text)) {}
    const platform::ui::Binding<std::string>& text() const { return text_; }
    void textViewDidChange(const KeyboardInputTextView& view);
    // Listens to the view's edits until the coordinator goes.
    void observe(KeyboardInputTextView& view);

   private:
    platform::ui::Binding<std::string> text_;
    platform::Cancellable editingChanged_;
  };

  // The controller is held weakly. `config` runs last on the new view.
  KeyboardTextView(platform::ui::Binding<std::string> text,
                   const std::shared_ptr<KeyboardServicesController>& controller,
                   platform::ui::Binding<bool> hasFocus = platform::ui::Binding<bool>::constant(false),
                   bool resignOnReturn = true, Config config = {});

  bool resignOnReturn() const { return resignOnReturn_; }

  // ---- The platform view's life
  std::shared_ptr<Coordinator> makeCoordinator() const;
  // A new text view with this value's delegate, controller, focus binding and
  // return-key rule, configured.
  std::shared_ptr<KeyboardInputTextView> makeUIView() const;
  // System background, the default field font, corner radius 5, then the
  // caller's config.
  void configureUIView(KeyboardInputTextView& view) const;
  // Gives the view the binding's text (and follows a bound focus value).
  void updateUIView(KeyboardInputTextView& view) const;

  // ---- ViewRepresentable
  std::shared_ptr<platform::ui::PlatformView> makeView() const override;
  void updateView(platform::ui::PlatformView& view) const override;

  // ---- As a view
  platform::ui::View body(platform::ui::BodyContext& context) const;
  platform::ui::View focusedView(platform::ui::Binding<bool> focus) const override;

 private:
  std::weak_ptr<KeyboardServicesController> controller_;
  platform::ui::Binding<std::string> text_;
  platform::ui::Binding<bool> hasFocus_;
  Config config_;
  bool resignOnReturn_;
  std::optional<platform::ui::Binding<bool>> focusState_;
  std::shared_ptr<KeyboardInputSlot> slot_;
};

}  // namespace keyloom
