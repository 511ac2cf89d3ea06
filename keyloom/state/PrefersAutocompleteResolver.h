#pragma once

#include "keyloom/state/KeyboardType.h"
#include "platform/input/InputTraits.h"

namespace keyloom {

// Whether word suggestions are wanted, asked of the keyboard's own type and of
// the host field's platform keyboard type. The context wants them only when
// both do.
inline bool prefersAutocomplete(const KeyboardType& type) { return type.prefersAutocomplete(); }
// False for the number, phone, e-mail, URL and web-search pads; true for the
// text kinds and for kinds newer than this list.
bool prefersAutocomplete(platform::KeyboardType type);

}  // namespace keyloom
