#pragma once

#include <optional>
#include <string>
#include <vector>

#include "apps/common/ArgumentReader.h"

namespace keyloom_previews {

// A command line the program cannot run (see ArgumentReader.h).
using GalleryUsageError = keyloom_apps::UsageError;

struct GalleryOptions {
  bool list = false;
  bool help = false;
  // Where the PNGs go; created when missing.
  std::optional<std::string> out;
  // One preview by name instead of all.
  std::optional<std::string> only;
  // Pixels per point.
  double scale = 2;
};

// The largest scale accepted: a larger one makes images of hundreds of
// megabytes for nothing.
inline constexpr double kMaxScale = 8;

// Reads the arguments after the program name. Options take their value as
// the next argument or after "=" (--scale=3). Asks for --list, --out or
// --help. Throws GalleryUsageError.
GalleryOptions parseGalleryOptions(const std::vector<std::string>& arguments);

std::string usageText();

}  // namespace keyloom_previews
