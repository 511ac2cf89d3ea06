#pragma once

namespace zandorelle {

// Installs the product keyboard with the platform: its identifier and app
// group (ProductConfiguration.h) and its principal controller,
// KeyboardViewController. Call it once before a host starts the keyboard;
// calling it again changes nothing.
//
//   zandorelle::installKeyboardExtension();
//   auto host = platform::SimulatedHost::make();
//   host->startExtension(std::string(zandorelle::keyboardExtensionIdentifier));
//   // The host app's theme choice, read when the keyboard next appears:
//   zandorelle::storeThemeIndex(*host->appGroupStore(), 3);
void installKeyboardExtension();

}  // namespace zandorelle
