#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/input/TextInput.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/State.h"
#include "platform/ui/ViewRepresentable.h"

namespace keyloom {

class KeyboardServicesController;

// How an in-keyboard text input looks. The toolkit draws platform views from
// these attributes; the representables set them as the platform's field and
// text view expect.
struct KeyboardInputAppearance {
  enum class BorderStyle { none, line, bezel, roundedRect };

  BorderStyle borderStyle = BorderStyle::none;
  std::optional<platform::ui::Color> backgroundColor;
  double cornerRadius = 0;
  std::optional<platform::ui::Font> font;
  // How strongly the input resists being made narrower than its content:
  // 750 is the platform's default ("high"), 250 its "low".
  double horizontalCompressionResistance = 750;

  bool operator==(const KeyboardInputAppearance&) const = default;
};

// The platform's adaptive background of primary content: white in the light
// scheme, black in the dark one.
platform::ui::Color systemBackgroundColor();

// A text input shown inside the keyboard that the keyboard's own keys type
// into. While it is first responder, the controller's text input proxy is a
// TextInputProxy over it, so every key action, autocomplete and context sync
// works on it; when it resigns, typing goes back to the host.
//
// Taking over the input happens on a later turn of the main queue, and only
// if the input is still first responder then: an input that gains and loses
// focus within one turn, or whose focus request is refused, never becomes the
// keyboard's input. Giving it back is immediate, and only when the installed
// proxy is this input's, so resigning one field never takes the typing away
// from another.
//
// Always owned by std::shared_ptr. Main thread only.
class KeyboardInputComponent : public platform::TextInput, public platform::ui::PlatformView {
 public:
  // The platform's editing action that fills a field from the camera.
  static constexpr std::string_view kCaptureTextFromCameraAction = "captureTextFromCamera:";

  // An input that goes away while it holds the typing gives it back.
  ~KeyboardInputComponent() override;

  // Whether a line feed alone ends editing instead of being inserted.
  bool resignOnReturn() const { return resignOnReturn_; }
  void setResignOnReturn(bool value) { resignOnReturn_ = value; }

  // The controller whose input path the input takes over; held weakly.
  std::shared_ptr<KeyboardServicesController> controller() const { return controller_.lock(); }
  void setController(const std::shared_ptr<KeyboardServicesController>& controller) { controller_ = controller; }

  // Written true and false as the input gains and loses focus; it reports
  // focus and never moves it.
  const platform::ui::Binding<bool>& hasFocus() const { return hasFocus_; }
  void setHasFocus(platform::ui::Binding<bool> binding) { hasFocus_ = std::move(binding); }

  // A focus value the surrounding view owns (see KeyboardInputView::focused):
  // written like hasFocus, and followed by applyFocusState().
  void setFocusState(std::optional<platform::ui::Binding<bool>> binding) { focusState_ = std::move(binding); }
  // Becomes or resigns first responder to match the focus value, if any.
  void applyFocusState();

  KeyboardInputAppearance& appearance() { return appearance_; }
  const KeyboardInputAppearance& appearance() const { return appearance_; }

  // Keeps the representable's coordinator alive as long as the input.
  void setCoordinator(std::shared_ptr<void> coordinator) { coordinator_ = std::move(coordinator); }

  // ---- Focus and return-key logic shared by the field and the text view

  // Schedules the takeover of the controller's input path.
  void handleBecomeFirstResponder();
  // Gives the input path back to the host at once.
  void handleResignFirstResponder();
  // Whether `text` should be inserted: a line feed alone with resignOnReturn
  // resigns instead.
  bool handleInsertText(const std::string& text);

  // ---- Platform overrides
  bool becomeFirstResponder() override;
  bool resignFirstResponder() override;
  void insertText(const std::string& text) override;
  // Never offers filling the input from the camera.
  bool canPerformAction(std::string_view action) const override;

  // ---- As a platform view in a view tree
  void setLayoutFrame(platform::Rect frame) override { setFrame(frame); }
  // A touch that ends on the input gives it focus, as a tap does.
  void touch(platform::ui::TouchPhase phase, platform::Point location) override;

 protected:
  KeyboardInputComponent() = default;

  // Whether focus changes are written inside an animation.
  virtual bool animatesFocusChanges() const = 0;

 private:
  void writeFocus(bool focused);
  // The in-keyboard input whose proxy the controller holds, when it is
  // another one that still has focus: focusing this one resigns it.
  std::shared_ptr<KeyboardInputComponent> otherFocusedInput() const;
  bool holdsControllerInput(KeyboardServicesController& controller) const;

  std::weak_ptr<KeyboardServicesController> controller_;
  bool resignOnReturn_ = true;
  platform::ui::Binding<bool> hasFocus_ = platform::ui::Binding<bool>::constant(false);
  std::optional<platform::ui::Binding<bool>> focusState_;
  // Counts focus changes, so a takeover scheduled before a later change is dropped.
  std::uint64_t focusGeneration_ = 0;
  // The proxy this input last handed to the controller.
  std::weak_ptr<platform::TextDocumentProxy> installedProxy_;
  KeyboardInputAppearance appearance_;
  std::shared_ptr<void> coordinator_;
};

// The single-line field.
class KeyboardInputTextField : public KeyboardInputComponent {
 public:
  KeyboardInputTextField() = default;

 protected:
  bool animatesFocusChanges() const override { return true; }
};

// The multi-line text view.
class KeyboardInputTextView : public KeyboardInputComponent {
 public:
  KeyboardInputTextView() = default;

 protected:
  bool animatesFocusChanges() const override { return false; }
};

}  // namespace keyloom
