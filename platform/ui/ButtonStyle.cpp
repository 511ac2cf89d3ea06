#include "platform/ui/ButtonStyle.h"

#include "platform/ui/TypeName.h"

namespace platform::ui {

namespace {

class PlainButtonStyle : public ButtonStyle {
 public:
  View makeBody(const ButtonStyleConfiguration& configuration, BodyContext&) const override {
    return configuration.label;
  }
  std::string description() const override { return "plain"; }
};

class AutomaticButtonStyle : public ButtonStyle {
 public:
  View makeBody(const ButtonStyleConfiguration& configuration, BodyContext&) const override {
    return configuration.label.foregroundColor(Color::accentColor())
        .opacity(configuration.isPressed ? 0.2 : 1);
  }
  std::string description() const override { return "automatic"; }
};

}  // namespace

ButtonStyle::~ButtonStyle() = default;

std::string ButtonStyle::description() const { return readableTypeName(typeid(*this)); }

std::shared_ptr<const ButtonStyle> ButtonStyle::plain() {
  static const auto style = std::make_shared<const PlainButtonStyle>();
  return style;
}

std::shared_ptr<const ButtonStyle> ButtonStyle::automatic() {
  static const auto style = std::make_shared<const AutomaticButtonStyle>();
  return style;
}

}  // namespace platform::ui
