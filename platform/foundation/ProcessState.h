#pragma once

#include <functional>

namespace platform {

// Process-wide values (shared instances, settable presets, the main queue)
// register a reset here so that a test run can put all of them back to their
// initial state between tests. Register from the file that owns the value.
void registerProcessReset(std::function<void()> reset);

// Runs every registered reset, in registration order.
void resetProcessState();

// Test mode: the process clock starts as a manual clock that only moves when a
// test moves it. Set once by the test runner before any test runs.
void enableTestMode();
bool isTestMode();

}  // namespace platform
