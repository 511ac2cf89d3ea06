#include "platform/ui/Font.h"

#include "platform/ui/Color.h"

namespace platform::ui {

namespace {
constexpr std::array<double, 11> textStyleSizes = {34, 28, 22, 20, 17, 17, 16, 15, 13, 12, 11};

template <class E, std::size_t N>
std::string nameOf(const std::array<std::string_view, N>& names, E value) {
  return std::string(names[static_cast<std::size_t>(value)]);
}
}  // namespace

double pointSize(TextStyle style) { return textStyleSizes[static_cast<std::size_t>(style)]; }

Font Font::system(double size, std::optional<FontWeight> weight, FontDesign design) {
  Font font;
  font.kind_ = Kind::system;
  font.size_ = size;
  font.weight_ = weight;
  font.design_ = design;
  return font;
}

Font Font::system(TextStyle style, FontDesign design) {
  Font font;
  font.kind_ = Kind::textStyle;
  font.textStyle_ = style;
  font.size_ = ui::pointSize(style);
  font.design_ = design;
  return font;
}

Font Font::custom(std::string name, double size) {
  Font font;
  font.kind_ = Kind::custom;
  font.name_ = std::move(name);
  font.size_ = size;
  return font;
}

Font Font::customFixed(std::string name, double size) {
  Font font = custom(std::move(name), size);
  font.kind_ = Kind::customFixed;
  return font;
}

Font Font::weight(FontWeight weight) const {
  Font font = *this;
  font.weight_ = weight;
  return font;
}

Font Font::italic() const {
  Font font = *this;
  font.italic_ = true;
  return font;
}

double Font::pointSize() const { return size_; }

FontWeight Font::effectiveWeight() const {
  if (weight_) return *weight_;
  return textStyle_ == TextStyle::headline ? FontWeight::semibold : FontWeight::regular;
}

std::string Font::description() const {
  std::string text;
  switch (kind_) {
    case Kind::system:
      text = "system(" + formatNumber(size_);
      break;
    case Kind::custom:
      text = "custom(" + *name_ + ", " + formatNumber(size_);
      break;
    case Kind::customFixed:
      text = "customFixed(" + *name_ + ", " + formatNumber(size_);
      break;
    case Kind::textStyle:
      text = nameOf(textStyleNames, *textStyle_) + "(";
      break;
  }
  std::string extras;
  auto add = [&](const std::string& item) {
    if (!extras.empty() || text.back() != '(') extras += ", ";
    extras += item;
  };
  if (weight_) add("weight: " + nameOf(fontWeightNames, *weight_));
  if (design_ != FontDesign::default_) add("design: " + nameOf(fontDesignNames, design_));
  if (italic_) add("italic");
  text += extras;
  if (text.back() == '(') {
    text.pop_back();
    return text;
  }
  return text + ")";
}

}  // namespace platform::ui
