#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/Locale.h"

namespace keyloom {

// The library's own resources (string tables per language, named colours, the
// emoji key image) live in a directory bundle of this name. The build copies it
// beside every program, and the install rules into the installed resources
// folder (<prefix>/share/keyloom).
inline constexpr std::string_view keyloomBundleName = "Keyloom_Keyloom.bundle";

// The fatal message when no candidate directory holds the bundle.
inline constexpr std::string_view keyloomBundleMissingMessage = "Can't find custom bundle. See Bundle+Keyloom";

// The directories searched for the bundle, in order; an absent entry is skipped.
using KeyloomBundleCandidates = std::array<std::optional<std::filesystem::path>, 6>;

// The six candidates: the main bundle's resources, the resources of the
// bundle that holds the library's code, the main bundle's own directory, the
// library code's resources without their last three, then last two, path
// components, and last the installed resources folder. The fourth and fifth
// are absent when the library code's resources are.
KeyloomBundleCandidates keyloomBundleCandidates(
    const std::optional<std::filesystem::path>& mainResources,
    const std::optional<std::filesystem::path>& codeResources,
    const std::optional<std::filesystem::path>& mainBundle,
    const std::optional<std::filesystem::path>& installedResources);

// Where `make install` puts the bundle: <prefix>/share/keyloom, fixed when the
// library is configured. Absent when the library was built without it.
std::optional<std::filesystem::path> keyloomInstalledResources();

// The candidates of this process, from the platform's main and library-code
// bundles and the installed resources, unless set otherwise with
// setKeyloomBundleCandidates.
KeyloomBundleCandidates keyloomBundleCandidates();

// Replaces the candidates searched by the next first read of keyloomBundle()
// (tests and unusual installations). The process reset puts back the platform's.
void setKeyloomBundleCandidates(KeyloomBundleCandidates candidates);

// The bundle named keyloomBundleName in the first present candidate that holds
// one; later candidates are not tried. Absent when none does.
std::optional<platform::Bundle> findKeyloomBundle(const KeyloomBundleCandidates& candidates);

// The library bundle, searched for once, on first use (safe when first used
// from several threads), and kept. Without it the installation is broken: the
// process stops with keyloomBundleMissingMessage.
const platform::Bundle& keyloomBundle();

// The language folder of `bundle` for `locale`: the "<identifier>.lproj"
// folder, else the "<language code>.lproj" one. An identifier or language code
// that could leave the bundle ("/", "..", NUL) names no folder.
std::optional<std::filesystem::path> bundlePath(const platform::Bundle& bundle, const platform::Locale& locale);

}  // namespace keyloom
