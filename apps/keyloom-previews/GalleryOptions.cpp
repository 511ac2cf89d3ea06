#include "apps/keyloom-previews/GalleryOptions.h"

#include <charconv>
#include <cmath>

namespace keyloom_previews {

namespace {

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

double parseScale(const std::string& text) {
  double scale = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, scale);
  if (text.empty() || error != std::errc() || stop != end || !std::isfinite(scale) || scale <= 0 ||
      scale > kMaxScale) {
    throw GalleryUsageError("--scale: " + quoted(text) + " is not a number above 0 and at most 8");
  }
  return scale;
}

}  // namespace

GalleryOptions parseGalleryOptions(const std::vector<std::string>& arguments) {
  GalleryOptions options;
  keyloom_apps::ArgumentReader reader(arguments);
  while (reader.next()) {
    const std::string& argument = reader.argument();
    const std::string& name = reader.name();

    if (name == "--help" || name == "-h") {
      reader.noValue();
      options.help = true;
    } else if (name == "--list") {
      reader.noValue();
      options.list = true;
    } else if (name == "--out") {
      options.out = reader.value();
      if (options.out->empty()) throw GalleryUsageError("--out needs a directory");
    } else if (name == "--only") {
      options.only = reader.value();
      if (options.only->empty()) throw GalleryUsageError("--only needs a preview name (see --list)");
    } else if (name == "--scale") {
      options.scale = parseScale(reader.value());
    } else {
      throw GalleryUsageError("unknown option " + quoted(argument));
    }
  }
  if (!options.help && !options.list && !options.out) {
    throw GalleryUsageError("nothing to do: give --list or --out DIR");
  }
  return options;
}

std::string usageText() {
  return "usage: keyloom-previews [--list] [--out DIR] [--only NAME] [--scale N]\n"
         "\n"
         "Renders the library's component previews to pictures.\n"
         "\n"
         "  --list        print the name of every preview, one a line\n"
         "  --out DIR     render each preview to DIR/NAME.png (DIR is created)\n"
         "  --only NAME   list or render only this preview\n"
         "  --scale N     pixels per point, above 0 and at most 8 (default 2)\n"
         "  --help        show this text\n"
         "\n"
         "Exit status: 0 done, 1 a preview could not be rendered, 2 bad command line.\n";
}

}  // namespace keyloom_previews
