#include "keyloom/resources/KeyloomBundle.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>

#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace fs = std::filesystem;

namespace {

struct KeyloomBundleState {
  // Replaced by the process reset, so tests can search again; never while a
  // first use is in progress.
  std::unique_ptr<std::once_flag> once = std::make_unique<std::once_flag>();
  std::optional<platform::Bundle> bundle;
  std::optional<KeyloomBundleCandidates> candidates;
};

KeyloomBundleState& state() {
  static KeyloomBundleState* made = [] {
    auto* fresh = new KeyloomBundleState;
    platform::registerProcessReset([fresh] {
      fresh->once = std::make_unique<std::once_flag>();
      fresh->bundle.reset();
      fresh->candidates.reset();
    });
    return fresh;
  }();
  return *made;
}

fs::path removingLastComponents(fs::path path, int count) {
  path = path.lexically_normal();
  if (!path.has_filename() && path != path.root_path()) path = path.parent_path();
  for (int i = 0; i < count; ++i) path = path.parent_path();
  return path;
}

[[noreturn]] void stopForMissingBundle() {
  std::fprintf(stderr, "Keyloom/Bundle+Keyloom: Fatal error: %.*s\n",
               static_cast<int>(keyloomBundleMissingMessage.size()), keyloomBundleMissingMessage.data());
  std::fflush(stderr);
  std::abort();
}

}  // namespace

KeyloomBundleCandidates keyloomBundleCandidates(const std::optional<fs::path>& mainResources,
                                                const std::optional<fs::path>& codeResources,
                                                const std::optional<fs::path>& mainBundle,
                                                const std::optional<fs::path>& installedResources) {
  KeyloomBundleCandidates candidates{mainResources, codeResources, mainBundle,
                                     std::nullopt,  std::nullopt,  installedResources};
  if (codeResources) {
    candidates[3] = removingLastComponents(*codeResources, 3);
    candidates[4] = removingLastComponents(*codeResources, 2);
  }
  return candidates;
}

std::optional<fs::path> keyloomInstalledResources() {
#ifdef KEYLOOM_INSTALLED_RESOURCES
  return fs::path(KEYLOOM_INSTALLED_RESOURCES);
#else
  return std::nullopt;
#endif
}

KeyloomBundleCandidates keyloomBundleCandidates() {
  if (state().candidates) return *state().candidates;
  const platform::Bundle& main = platform::Bundle::main();
  // Last, so a bundle beside the program (a build tree, a packaged app) wins
  // over the installed one.
  return keyloomBundleCandidates(main.resourcePath(), platform::Bundle::libraryCode().resourcePath(),
                                 main.bundlePath(), keyloomInstalledResources());
}

void setKeyloomBundleCandidates(KeyloomBundleCandidates candidates) { state().candidates = std::move(candidates); }

std::optional<platform::Bundle> findKeyloomBundle(const KeyloomBundleCandidates& candidates) {
  for (const std::optional<fs::path>& candidate : candidates) {
    if (!candidate) continue;
    if (std::optional<platform::Bundle> bundle = platform::Bundle::atPath(*candidate / keyloomBundleName)) {
      return bundle;
    }
  }
  return std::nullopt;
}

const platform::Bundle& keyloomBundle() {
  KeyloomBundleState& current = state();
  std::call_once(*current.once, [&current] { current.bundle = findKeyloomBundle(keyloomBundleCandidates()); });
  if (!current.bundle) stopForMissingBundle();
  return *current.bundle;
}

std::optional<fs::path> bundlePath(const platform::Bundle& bundle, const platform::Locale& locale) {
  // pathForResource refuses names that could leave the bundle.
  if (std::optional<fs::path> folder = bundle.pathForResource(locale.identifier(), "lproj")) return folder;
  return bundle.pathForResource(locale.languageCode().value_or(""), "lproj");
}

}  // namespace keyloom
