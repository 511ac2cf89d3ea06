#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "apps/keyloom-previews/GalleryOptions.h"
#include "apps/keyloom-previews/PreviewGallery.h"
#include "platform/foundation/ProcessState.h"

namespace {

using namespace keyloom_previews;

constexpr int kExitFailure = 1;
constexpr int kExitBadInput = 2;

int run(const std::vector<std::string>& arguments) {
  const GalleryOptions options = parseGalleryOptions(arguments);
  if (options.help) {
    std::cout << usageText();
    return 0;
  }
  std::vector<const GalleryPreview*> chosen;
  if (options.only) {
    const GalleryPreview* preview = findGalleryPreview(*options.only);
    if (!preview) throw GalleryUsageError("no preview named '" + *options.only + "' (see --list)");
    chosen.push_back(preview);
  } else {
    for (const auto& preview : galleryPreviews()) chosen.push_back(&preview);
  }

  if (options.list) {
    for (const auto* preview : chosen) std::cout << preview->name << "\n";
  }
  if (!options.out) return 0;

  const std::filesystem::path directory(*options.out);
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error || !std::filesystem::is_directory(directory)) {
    std::cerr << "keyloom-previews: cannot make the directory " << directory.string() << "\n";
    return kExitFailure;
  }
  int failures = 0;
  for (const auto* preview : chosen) {
    const auto file = directory / (preview->name + ".png");
    const auto report = renderGalleryPreview(*preview, file, options.scale);
    if (report.pixelWidth == 0 || !std::filesystem::exists(file)) {
      std::cerr << "keyloom-previews: " << preview->name << ": could not write " << file.string() << "\n";
      ++failures;
    } else if (report.unknownGlyphs > 0) {
      std::cerr << "keyloom-previews: " << preview->name << ": " << report.unknownGlyphs
                << " characters drawn without a glyph\n";
      ++failures;
    } else if (!report.unknownSymbols.empty()) {
      std::cerr << "keyloom-previews: " << preview->name << ": no picture for the symbol "
                << report.unknownSymbols.front() << "\n";
      ++failures;
    }
    std::cout << file.string() << " " << report.pixelWidth << "x" << report.pixelHeight << "\n";
  }
  return failures == 0 ? 0 : kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
  // A preview is a picture of a moment: its clock moves only when its
  // preparation moves it, as in the tests.
  platform::enableTestMode();
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  try {
    return run(arguments);
  } catch (const GalleryUsageError& error) {
    std::cerr << "keyloom-previews: " << error.what() << "\n(see keyloom-previews --help)\n";
    return kExitBadInput;
  } catch (const std::exception& error) {
    std::cerr << "keyloom-previews: " << error.what() << "\n";
    return kExitFailure;
  }
}
