#pragma once

#include <optional>
#include <string>

#include "platform/ui/ColorScheme.h"

namespace platform::ui {

// Red, green, blue and alpha, each nominally 0...1 (sRGB). Values outside
// that range are kept as given: styles store what they were told.
struct Rgba {
  double red = 0;
  double green = 0;
  double blue = 0;
  double alpha = 1;

  bool operator==(const Rgba&) const = default;
};

// A colour as views use it. Most colours are one Rgba; adaptive colours (the
// system's primary and secondary, asset colours) carry a second value for the
// dark scheme and are resolved against the environment's colour scheme.
//
// Two colours are equal when their components are equal in both schemes; the
// name is only for descriptions.
class Color {
 public:
  Color() : name_("clear") {}  // clear
  explicit Color(Rgba rgba) : light_(rgba) {}

  static Color rgba(double red, double green, double blue, double alpha = 1);
  static Color white(double white, double alpha = 1);
  // One value in the light scheme, another in the dark one.
  static Color adaptive(Color light, Color dark);

  static Color clear();
  static Color black();
  static Color white();
  static Color gray();
  static Color red();
  static Color green();
  static Color blue();
  static Color orange();
  static Color yellow();
  // The text colour of the scheme: black in light, white in dark.
  static Color primary();
  // A dimmed text colour of the scheme.
  static Color secondary();
  static Color accentColor();

  // The same colour with its alpha multiplied by `opacity`.
  Color opacity(double opacity) const;

  Rgba resolved(ColorScheme scheme) const;
  bool isAdaptive() const { return dark_.has_value(); }

  // "red", "white.opacity(0.5)", "rgba(0.2, 0.3, 0.4, 1)".
  std::string description() const;

  bool operator==(const Color& other) const;

 private:
  Color(Rgba light, std::optional<Rgba> dark, std::string name);

  Rgba light_{0, 0, 0, 0};
  std::optional<Rgba> dark_;
  std::string name_;
};

// The relative luminance of an opaque sRGB colour, 0 (black) to 1 (white),
// and the contrast ratio of two, 1 to 21, as readability guidelines measure
// them; alpha is ignored.
double relativeLuminance(Rgba color);
double contrastRatio(Rgba a, Rgba b);

// Shortest round-trip text of a number ("16", "0.5"), shared by descriptions.
std::string formatNumber(double value);

}  // namespace platform::ui
