// From a press event in the simulator's window to the rendered frame that
// shows the pressed key, headless: the window's own code path (the session)
// without the window. A mouse press on the "l" key and a press of the
// computer's "l" key, each with the frame drawn at 1x and 2x; the key is
// lifted and the letter deleted outside the timing. And one frame of a
// finger sliding across the open callout of "e", from entry to entry.
#include <benchmark/benchmark.h>

#include "apps/keyboard-simulator/SimulatorSession.h"

namespace {

using keyboard_simulator::SimulatorKey;
using keyboard_simulator::SimulatorOptions;
using keyboard_simulator::SimulatorSession;

void resetBetweenPresses(benchmark::State& state, SimulatorSession& session) {
  state.PauseTiming();
  session.keyUp();
  session.pointerUp({0, 0});
  session.advance(0.2);
  session.frame();
  session.simulator().host()->deleteBackward();
  session.advance(0.2);
  session.frame();
  state.ResumeTiming();
}

void mousePress(benchmark::State& state) {
  SimulatorSession session(SimulatorOptions{}, static_cast<double>(state.range(0)));
  session.simulator().type("Hello wor");
  session.frame();
  const auto key = session.simulator().keyOnScreen(SimulatorKey::characterKey("l"));
  if (!key) {
    state.SkipWithError("the keyboard's view shows no keys");
    return;
  }
  const platform::Point pixel{key->x * session.scale(), key->y * session.scale()};
  for (auto _ : state) {
    session.pointerDown(pixel);
    benchmark::DoNotOptimize(session.frame());
    resetBetweenPresses(state, session);
  }
}

void computerKeyPress(benchmark::State& state) {
  SimulatorSession session(SimulatorOptions{}, static_cast<double>(state.range(0)));
  session.simulator().type("Hello wor");
  session.frame();
  for (auto _ : state) {
    session.characterDown("l");
    benchmark::DoNotOptimize(session.frame());
    resetBetweenPresses(state, session);
  }
}

// Arguments: the scale, and 0 to draw every frame whole (for comparison).
void calloutSlide(benchmark::State& state) {
  SimulatorSession session(SimulatorOptions{}, static_cast<double>(state.range(0)));
  session.setIncrementalDrawing(state.range(1) != 0);
  session.simulator().type("Hello");
  session.frame();
  const auto key = session.simulator().keyOnScreen(SimulatorKey::characterKey("e"));
  if (!key) {
    state.SkipWithError("the keyboard's view shows no keys");
    return;
  }
  const double scale = session.scale();
  session.pointerDown({key->x * scale, key->y * scale});
  session.advance(1);  // the callout opens
  session.frame();
  if (session.simulator().report(false).callout.empty()) {
    state.SkipWithError("the callout did not open");
    return;
  }
  // Back and forth over four entries, from the middle of one to the middle
  // of the next each frame.
  const double firstEntry = 20, entryWidth = 35;
  int entry = 0, step = 1, unchanged = 0;
  for (auto _ : state) {
    if (entry + step < 0 || entry + step > 3) step = -step;
    entry += step;
    session.pointerMove({(key->x + firstEntry + entry * entryWidth) * scale, (key->y - 4) * scale});
    benchmark::DoNotOptimize(session.frame());
    unchanged += session.repainted().empty();
  }
  // Each frame shows another entry chosen: none should be left as it was.
  // (A whole frame is repainted whole either way.)
  state.counters["unchangedFrames"] = static_cast<double>(unchanged);
}

}  // namespace

BENCHMARK(calloutSlide)->Args({1, 1})->Args({2, 1})->Args({1, 0})->Unit(benchmark::kMicrosecond);
BENCHMARK(mousePress)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(computerKeyPress)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
