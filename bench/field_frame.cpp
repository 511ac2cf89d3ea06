// A letter typed into the host's text field and the frame that shows it, as
// the simulator's window draws it at 1x: the field lays out only the caret's
// surroundings, so the cost stays flat however long the line, whichever way
// it runs and however many bytes its characters take. Arguments: the line's
// length in bytes, and what it is made of: 0 English words, 1 Arabic words,
// 2 joined family emoji (25 bytes each), 3 letters with twelve combining
// marks each (25 bytes). typedLetterFrame types on the phone upright,
// typedLetterFramePadLandscape into the widest field. The letters vary, so
// that every frame shows a text not seen before, as when typing; the line is
// put back every 64 letters, outside the timing.
#include <benchmark/benchmark.h>

#include <string>

#include "apps/keyboard-simulator/SimulatorSession.h"

namespace {

using keyboard_simulator::SimulatorOptions;
using keyboard_simulator::SimulatorSession;

std::string lineUnit(long kind) {
  switch (kind) {
    case 1: return "\u0633\u0644\u0627\u0645 \u0639\u0644\u064A\u0643\u0645 ";
    case 2: return "\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466";
    case 3: {
      std::string letter = "a";
      for (int mark = 0; mark < 12; ++mark) letter += mark % 2 == 0 ? "\u0301" : "\u0323";
      return letter;
    }
    default: return "the quick brown fox ";
  }
}

void typeIntoField(benchmark::State& state, bool padLandscape) {
  SimulatorOptions options;
  if (padLandscape) {
    options.device = keyloom::DeviceType::pad;
    options.orientation = keyloom::InterfaceOrientation::landscape;
  }
  const std::string unit = lineUnit(state.range(1));
  while (options.text.size() < static_cast<std::size_t>(state.range(0))) options.text += unit;
  SimulatorSession session(options, 1);
  session.frame();
  unsigned random = 1;
  int typed = 0;
  for (auto _ : state) {
    random = random * 1103515245 + 12345;
    session.characterDown(std::string(1, static_cast<char>('a' + (random >> 16) % 26)));
    session.keyUp();
    benchmark::DoNotOptimize(session.frame());
    state.PauseTiming();
    session.advance(0.2);
    if (++typed % 64 == 0) session.simulator().host()->setText(options.text);
    session.frame();
    state.ResumeTiming();
  }
}

void typedLetterFrame(benchmark::State& state) { typeIntoField(state, false); }
void typedLetterFramePadLandscape(benchmark::State& state) { typeIntoField(state, true); }

}  // namespace

BENCHMARK(typedLetterFrame)
    ->Args({20, 0})
    ->Args({1 << 10, 0})
    ->Args({1 << 20, 0})
    ->Args({20, 1})
    ->Args({1 << 10, 1})
    ->Args({1 << 20, 1})
    ->Args({1 << 20, 2})
    ->Args({1 << 20, 3})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(typedLetterFramePadLandscape)
    ->Args({20, 0})
    ->Args({1 << 20, 0})
    ->Args({1 << 20, 1})
    ->Args({1 << 20, 2})
    ->Args({1 << 20, 3})
    ->Unit(benchmark::kMicrosecond);
