#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// What the device was asked to play. There is no speaker or vibration motor
// here, so sound and haptic requests are kept in a process-wide log that tests
// and the simulator read back: the most recent ones, so a keyboard that runs
// for long does not grow with every key. Main thread only.
struct FeedbackEvent {
  enum class Kind {
    systemSound,           // a system sound by id
    notificationOccurred,  // a notification haptic: "success", "warning" or "error"
    impactOccurred,        // an impact haptic: "light", "medium" or "heavy"
    selectionChanged,      // a selection-change haptic
    prepared,              // a generator made ready: `detail` names it ("impact light")
  };

  Kind kind = Kind::systemSound;
  std::uint32_t soundId = 0;  // systemSound only
  std::string detail;         // the notification type, impact style or prepared generator

  // One line, e.g. "sound 1104", "impact light", "notification error",
  // "selection", "prepare impact light".
  std::string description() const;

  bool operator==(const FeedbackEvent&) const = default;
};

class FeedbackLog {
 public:
  // How many of the latest requests are kept.
  static constexpr std::size_t capacity = 1000;

  // The requests since the last clear, at most the latest `capacity`, oldest
  // first.
  static std::vector<FeedbackEvent> played();
  // The same as one-line descriptions.
  static std::vector<std::string> playedDescriptions();
  static void record(FeedbackEvent event);
  // Emptied by the process reset too, so tests start with an empty log.
  static void clear();
};

}  // namespace platform
