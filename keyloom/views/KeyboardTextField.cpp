#include "keyloom/views/KeyboardTextField.h"

#include <utility>

#include "keyloom/services/KeyboardServicesController.h"

namespace keyloom {

namespace ui = platform::ui;

namespace {

// The platform's "low" priority.
constexpr double kLowCompressionResistance = 250;

}  // namespace

void KeyboardTextField::Coordinator::textFieldDidChange(const KeyboardInputTextField& field) {
  text_.set(field.text());
}

void KeyboardTextField::Coordinator::observe(KeyboardInputTextField& field) {
  // The field owns this coordinator, so it outlives every call.
  KeyboardInputTextField* source = &field;
  editingChanged_ = field.editingChanged().sink([this, source] { textFieldDidChange(*source); });
}

KeyboardTextField::KeyboardTextField(std::optional<std::string> placeholder, ui::Binding<std::string> text,
                                     const std::shared_ptr<KeyboardServicesController>& controller,
                                     ui::Binding<bool> hasFocus, bool resignOnReturn, Config config)
    : controller_(controller),
      text_(std::move(text)),
      hasFocus_(std::move(hasFocus)),
      placeholder_(std::move(placeholder)),
      config_(std::move(config)),
      resignOnReturn_(resignOnReturn) {}

std::shared_ptr<KeyboardTextField::Coordinator> KeyboardTextField::makeCoordinator() const {
  return std::make_shared<Coordinator>(text_);
}

std::shared_ptr<KeyboardInputTextField> KeyboardTextField::makeUIView() const {
  auto field = std::make_shared<KeyboardInputTextField>();
  field->setController(controller_.lock());
  field->setPlaceholder(placeholder_);
  auto coordinator = makeCoordinator();
  coordinator->observe(*field);
  field->setCoordinator(coordinator);
  field->setHasFocus(hasFocus_);
  field->setResignOnReturn(resignOnReturn_);
  field->appearance().horizontalCompressionResistance = kLowCompressionResistance;
  configureUIView(*field);
  return field;
}

void KeyboardTextField::configureUIView(KeyboardInputTextField& field) const {
  field.appearance().backgroundColor = systemBackgroundColor();
  field.appearance().borderStyle = KeyboardInputAppearance::BorderStyle::roundedRect;
  if (config_) config_(field);
}

void KeyboardTextField::updateUIView(KeyboardInputTextField& field) const {
  // Setting equal text would only move the caret to the end.
  std::string text = text_.get();
  if (text != field.text()) field.setText(std::move(text));
  field.setFocusState(focusState_);
  field.applyFocusState();
}

std::shared_ptr<ui::PlatformView> KeyboardTextField::makeView() const {
  auto field = makeUIView();
  if (slot_) slot_->component = field;
  updateUIView(*field);
  return field;
}

void KeyboardTextField::updateView(ui::PlatformView& view) const {
  if (auto* field = dynamic_cast<KeyboardInputTextField*>(&view)) updateUIView(*field);
}

ui::View KeyboardTextField::body(ui::BodyContext& context) const {
  auto slot = context.stateMadeBy([] { return std::make_shared<KeyboardInputSlot>(); }).get();
  auto representable = std::make_shared<KeyboardTextField>(*this);
  representable->slot_ = slot;
  return tapToFocus(std::move(representable), std::move(slot));
}

ui::View KeyboardTextField::focusedView(ui::Binding<bool> focus) const {
  KeyboardTextField bound = *this;
  bound.focusState_ = std::move(focus);
  return ui::View(std::move(bound));
}

}  // namespace keyloom
