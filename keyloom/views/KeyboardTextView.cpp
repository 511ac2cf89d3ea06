#include "keyloom/views/KeyboardTextView.h"

#include <utility>

#include "keyloom/services/KeyboardServicesController.h"

namespace keyloom {

namespace ui = platform::ui;

namespace {

// The platform's "low" priority.
constexpr double kLowCompressionResistance = 250;
constexpr double kCornerRadius = 5;

// The font a new platform text field starts with.
ui::Font defaultTextFieldFont() { return ui::Font::system(17); }

}  // namespace

void KeyboardTextView::Coordinator::textViewDidChange(const KeyboardInputTextView& view) {
  text_.set(view.text());
}

void KeyboardTextView::Coordinator::observe(KeyboardInputTextView& view) {
  // The view owns this coordinator, so it outlives every call.
  KeyboardInputTextView* source = &view;
  editingChanged_ = view.editingChanged().sink([this, source] { textViewDidChange(*source); });
}

KeyboardTextView::KeyboardTextView(ui::Binding<std::string> text,
                                   const std::shared_ptr<KeyboardServicesController>& controller,
                                   ui::Binding<bool> hasFocus, bool resignOnReturn, Config config)
    : controller_(controller),
      text_(std::move(text)),
      hasFocus_(std::move(hasFocus)),
      config_(std::move(config)),
      resignOnReturn_(resignOnReturn) {}

std::shared_ptr<KeyboardTextView::Coordinator> KeyboardTextView::makeCoordinator() const {
  return std::make_shared<Coordinator>(text_);
}

std::shared_ptr<KeyboardInputTextView> KeyboardTextView::makeUIView() const {
  auto view = std::make_shared<KeyboardInputTextView>();
  auto coordinator = makeCoordinator();
  coordinator->observe(*view);
  view->setCoordinator(coordinator);
  view->setController(controller_.lock());
  view->setHasFocus(hasFocus_);
  view->setResignOnReturn(resignOnReturn_);
  view->appearance().horizontalCompressionResistance = kLowCompressionResistance;
  configureUIView(*view);
  return view;
}

void KeyboardTextView::configureUIView(KeyboardInputTextView& view) const {
  view.appearance().backgroundColor = systemBackgroundColor();
  view.appearance().font = defaultTextFieldFont();
  view.appearance().cornerRadius = kCornerRadius;
  if (config_) config_(view);
}

void KeyboardTextView::updateUIView(KeyboardInputTextView& view) const {
  // Setting equal text would only move the caret to the end.
  std::string text = text_.get();
  if (text != view.text()) view.setText(std::move(text));
  view.setFocusState(focusState_);
  view.applyFocusState();
}

std::shared_ptr<ui::PlatformView> KeyboardTextView::makeView() const {
  auto view = makeUIView();
  if (slot_) slot_->component = view;
  updateUIView(*view);
  return view;
}

void KeyboardTextView::updateView(ui::PlatformView& view) const {
  if (auto* textView = dynamic_cast<KeyboardInputTextView*>(&view)) updateUIView(*textView);
}

ui::View KeyboardTextView::body(ui::BodyContext& context) const {
  auto slot = context.stateMadeBy([] { return std::make_shared<KeyboardInputSlot>(); }).get();
  auto representable = std::make_shared<KeyboardTextView>(*this);
  representable->slot_ = slot;
  return tapToFocus(std::move(representable), std::move(slot));
}

ui::View KeyboardTextView::focusedView(ui::Binding<bool> focus) const {
  KeyboardTextView bound = *this;
  bound.focusState_ = std::move(focus);
  return ui::View(std::move(bound));
}

}  // namespace keyloom
