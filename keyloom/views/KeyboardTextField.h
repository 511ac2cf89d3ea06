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

// A single-line text field inside the keyboard, typed into with the
// keyboard's own keys while it has focus (a search box above the keys, say).
// Its text follows the `text` binding both ways; its focus is reported
// through `hasFocus`. A tap on it gives it focus.
//
// As a view it is a representable node holding a KeyboardInputTextField.
class KeyboardTextField : public platform::ui::ViewRepresentable, public KeyboardInputView {
 public:
  using Config = std::function<void(KeyboardInputTextField&)>;

  // Writes the field's text into the text binding after each edit.
  class Coordinator {
   public:
    explicit Coordinator(platform::ui::Binding<std::string> text) : text_(std::move(text)) {}
    const platform::ui::Binding<std::string>& text() const { return text_; }
    void textFieldDidChange(const KeyboardInputTextField& field);
    // Listens to the field's editing-changed event until the coordinator goes.
    void observe(KeyboardInputTextField& field);

   private:
    platform::ui::Binding<std::string> text_;
    platform::Cancellable editingChanged_;
  };

  // The controller is held weakly. `config` runs last on the new field.
  KeyboardTextField(std::optional<std::string> placeholder, platform::ui::Binding<std::string> text,
                    const std::shared_ptr<KeyboardServicesController>& controller,
                    platform::ui::Binding<bool> hasFocus = platform::ui::Binding<bool>::constant(false),
                    bool resignOnReturn = true, Config config = {});

  const std::optional<std::string>& placeholder() const { return placeholder_; }
  bool resignOnReturn() const { return resignOnReturn_; }

  // ---- The platform view's life
  std::shared_ptr<Coordinator> makeCoordinator() const;
  // A new field with this value's controller, placeholder, coordinator,
  // focus binding and return-key rule, configured.
  std::shared_ptr<KeyboardInputTextField> makeUIView() const;
  // Rounded border on the system background, then the caller's config.
  void configureUIView(KeyboardInputTextField& field) const;
  // Gives the field the binding's text (and follows a bound focus value).
  void updateUIView(KeyboardInputTextField& field) const;

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
  std::optional<std::string> placeholder_;
  Config config_;
  bool resignOnReturn_;
  std::optional<platform::ui::Binding<bool>> focusState_;
  std::shared_ptr<KeyboardInputSlot> slot_;
};

}  // namespace keyloom
