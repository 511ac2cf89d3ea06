#pragma once

#include "keyloom/state/KeyboardActions.h"
#include "platform/input/InputTraits.h"

namespace keyloom {

class KeyboardContext;

// Helpers shared by the phone and pad layout providers.

// leading + middle + trailing, as one row.
KeyboardActions joinedRow(const KeyboardActions& leading, const KeyboardActions& middle,
                          const KeyboardActions& trailing);

// The host field's traits that shape the bottom row; a trait the field does
// not answer counts as the default.
struct HostFieldTraits {
  platform::KeyboardType keyboardType = platform::KeyboardType::default_;
  platform::ReturnKeyType returnKeyType = platform::ReturnKeyType::default_;
};
HostFieldTraits hostFieldTraits(const KeyboardContext& context);

}  // namespace keyloom
