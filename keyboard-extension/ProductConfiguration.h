#pragma once

#include <string_view>

namespace zandorelle {

// The product's identity, in one place for the keyboard extension and its
// containing (host) app, which must agree on both.

// The keyboard extension's bundle identifier: the platform starts it by it.
inline constexpr std::string_view keyboardExtensionIdentifier = "app.zandorelle.keyboard.extension";

// The app group the keyboard shares with the host app. The host app writes
// the chosen theme there (ThemePalette.h: themeIndexKey); the keyboard reads
// it every time it is shown.
inline constexpr std::string_view appGroupIdentifier = "group.app.zandorelle.keyboard";

}  // namespace zandorelle
