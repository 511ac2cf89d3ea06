#pragma once

#include <string>

#include "platform/foundation/Locale.h"

namespace keyloom {

// The flag of a platform locale: its region as regional indicator symbols
// ("pt_BR" gives the Brazilian flag). Empty when the locale has no region.
// The region is upper-cased first; a numeric region such as "419" maps by the
// same rule to scalars that are no letters.
std::string flag(const platform::Locale& locale);

}  // namespace keyloom
