#include "platform/ui/Color.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace platform::ui {

double relativeLuminance(Rgba color) {
  auto linear = [](double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(color.red) + 0.7152 * linear(color.green) + 0.0722 * linear(color.blue);
}

double contrastRatio(Rgba a, Rgba b) {
  const double la = relativeLuminance(a);
  const double lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string formatNumber(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

Color::Color(Rgba light, std::optional<Rgba> dark, std::string name)
    : light_(light), dark_(dark), name_(std::move(name)) {}

Color Color::rgba(double red, double green, double blue, double alpha) {
  return Color(Rgba{red, green, blue, alpha});
}

Color Color::white(double white, double alpha) { return Color(Rgba{white, white, white, alpha}); }

Color Color::adaptive(Color light, Color dark) {
  return Color(light.light_, dark.resolved(ColorScheme::dark), "");
}

Color Color::clear() { return Color({0, 0, 0, 0}, std::nullopt, "clear"); }
Color Color::black() { return Color({0, 0, 0, 1}, std::nullopt, "black"); }
Color Color::white() { return Color({1, 1, 1, 1}, std::nullopt, "white"); }
Color Color::gray() { return Color({0.56, 0.56, 0.58, 1}, std::nullopt, "gray"); }
Color Color::red() { return Color({1, 0.23, 0.19, 1}, std::nullopt, "red"); }
Color Color::green() { return Color({0.2, 0.78, 0.35, 1}, std::nullopt, "green"); }
Color Color::blue() { return Color({0, 0.48, 1, 1}, std::nullopt, "blue"); }
Color Color::orange() { return Color({1, 0.58, 0, 1}, std::nullopt, "orange"); }
Color Color::yellow() { return Color({1, 0.8, 0, 1}, std::nullopt, "yellow"); }
Color Color::primary() { return Color({0, 0, 0, 1}, Rgba{1, 1, 1, 1}, "primary"); }
Color Color::secondary() {
  return Color({0.24, 0.24, 0.26, 0.6}, Rgba{0.92, 0.92, 0.96, 0.6}, "secondary");
}
Color Color::accentColor() { return Color({0, 0.48, 1, 1}, Rgba{0.04, 0.52, 1, 1}, "accentColor"); }

Color Color::opacity(double opacity) const {
  Color result = *this;
  result.light_.alpha *= opacity;
  if (result.dark_) result.dark_->alpha *= opacity;
  if (!name_.empty()) result.name_ = name_ + ".opacity(" + formatNumber(opacity) + ")";
  return result;
}

Rgba Color::resolved(ColorScheme scheme) const {
  return scheme == ColorScheme::dark && dark_ ? *dark_ : light_;
}

std::string Color::description() const {
  if (!name_.empty()) return name_;
  auto text = [](const Rgba& c) {
    return "rgba(" + formatNumber(c.red) + ", " + formatNumber(c.green) + ", " +
           formatNumber(c.blue) + ", " + formatNumber(c.alpha) + ")";
  };
  if (dark_) return "adaptive(" + text(light_) + ", " + text(*dark_) + ")";
  return text(light_);
}

bool Color::operator==(const Color& other) const {
  return light_ == other.light_ && dark_ == other.dark_;
}

}  // namespace platform::ui
