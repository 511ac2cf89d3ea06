#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace platform::ui {

enum class FontWeight { ultraLight, thin, light, regular, medium, semibold, bold, heavy, black };
inline constexpr std::array<std::string_view, 9> fontWeightNames = {
    "ultraLight", "thin", "light", "regular", "medium", "semibold", "bold", "heavy", "black"};

enum class FontDesign { default_, serif, rounded, monospaced };
inline constexpr std::array<std::string_view, 4> fontDesignNames = {"default", "serif", "rounded",
                                                                    "monospaced"};

// The platform's text styles, which scale with the user's text size.
enum class TextStyle {
  largeTitle,
  title,
  title2,
  title3,
  headline,
  body,
  callout,
  subheadline,
  footnote,
  caption,
  caption2
};
inline constexpr std::array<std::string_view, 11> textStyleNames = {
    "largeTitle", "title",    "title2",   "title3",  "headline", "body",
    "callout",    "subheadline", "footnote", "caption", "caption2"};

// A font as a structural value: which face (system, a named custom face, or a
// text style), at which size, and with which weight and design. Nothing is
// loaded here; the renderer maps it to a real face.
class Font {
 public:
  enum class Kind { system, custom, customFixed, textStyle };

  static Font system(double size, std::optional<FontWeight> weight = std::nullopt,
                     FontDesign design = FontDesign::default_);
  static Font system(TextStyle style, FontDesign design = FontDesign::default_);
  // A named face whose size follows the user's text size.
  static Font custom(std::string name, double size);
  // A named face of fixed size.
  static Font customFixed(std::string name, double size);

  static Font largeTitle() { return system(TextStyle::largeTitle); }
  static Font title() { return system(TextStyle::title); }
  static Font title2() { return system(TextStyle::title2); }
  static Font title3() { return system(TextStyle::title3); }
  static Font headline() { return system(TextStyle::headline); }
  static Font body() { return system(TextStyle::body); }
  static Font callout() { return system(TextStyle::callout); }
  static Font subheadline() { return system(TextStyle::subheadline); }
  static Font footnote() { return system(TextStyle::footnote); }
  static Font caption() { return system(TextStyle::caption); }
  static Font caption2() { return system(TextStyle::caption2); }

  Font weight(FontWeight weight) const;
  Font bold() const { return weight(FontWeight::bold); }
  Font italic() const;

  Kind kind() const { return kind_; }
  // The point size; for a text style, its size at the default text size.
  double pointSize() const;
  const std::optional<std::string>& name() const { return name_; }
  std::optional<TextStyle> textStyle() const { return textStyle_; }
  // An absent weight is the face's own (regular, semibold for headline).
  std::optional<FontWeight> fontWeight() const { return weight_; }
  FontWeight effectiveWeight() const;
  FontDesign design() const { return design_; }
  bool isItalic() const { return italic_; }

  // "system(17, weight: bold)", "body", "custom(Menlo, 12)".
  std::string description() const;

  bool operator==(const Font&) const = default;

 private:
  Kind kind_ = Kind::system;
  std::optional<std::string> name_;
  double size_ = 17;
  std::optional<TextStyle> textStyle_;
  std::optional<FontWeight> weight_;
  FontDesign design_ = FontDesign::default_;
  bool italic_ = false;
};

// Point size of a text style at the default text size.
double pointSize(TextStyle style);

}  // namespace platform::ui
