#pragma once

#include <cstdint>

namespace platform {

// Plays the system sound with this id. Any id is accepted (0 included); what
// the device makes of it is final and nothing is reported back. Here the
// request is recorded in the FeedbackLog.
void playSystemSound(std::uint32_t soundId);

}  // namespace platform
