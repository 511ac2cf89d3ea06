#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/ui/Color.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewHost.h"

namespace keyloom_previews {

// One picture of the gallery: a component shown on its own.
struct GalleryPreview {
  // The file name without ".png": lower case words joined by "-".
  std::string name;
  // In points.
  platform::Size size;
  // Shown on a pad instead of a phone.
  bool onPad = false;
  // Under the view; transparent when absent.
  std::optional<platform::ui::Color> background;
  // Made anew for every rendering.
  std::function<platform::ui::View()> view;
  // Run after the first layout, to touch the view into the state shown.
  std::function<void(platform::ui::ViewHost&)> prepare;
};

// Every preview, in the order --list prints them. Names are unique.
const std::vector<GalleryPreview>& galleryPreviews();
// The preview of that name; null when there is none.
const GalleryPreview* findGalleryPreview(const std::string& name);

// Lays the preview out with the renderer's font metrics, prepares it and
// renders it to `file` at `scale` pixels per point. Every preview starts from
// the process's initial state (device, screen, presets, an empty main queue),
// so no preview depends on those before it; time moves only when its
// preparation moves it, which needs the manual clock of
// platform::enableTestMode(). Throws platform::ui::MissingFontError when a
// font the renderer needs is missing.
platform::ui::RenderReport renderGalleryPreview(const GalleryPreview& preview,
                                                const std::filesystem::path& file, double scale);

}  // namespace keyloom_previews
