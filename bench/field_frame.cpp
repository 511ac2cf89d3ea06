// A letter typed into the host's text field and the frame that shows it, as
// the simulator's window draws it at 1x: the field lays out only the caret's
// surroundings, so the cost stays flat however long the line, whichever way
// it runs. Arguments: the line's length in bytes, and 1 for Arabic text (0
// for English). The letters vary, so that every frame shows a text not seen
// before, as when typing; the line is put back every 64 letters, outside
// the timing.
#include <benchmark/benchmark.h>

#include <string>

#include "apps/keyboard-simulator/SimulatorSession.h"

namespace {

using keyboard_simulator::SimulatorOptions;
using keyboard_simulator::SimulatorSession;

void typedLetterFrame(benchmark::State& state) {
  SimulatorOptions options;
  const std::string words = state.range(1) != 0 ? "\u0633\u0644\u0627\u0645 \u0639\u0644\u064A\u0643\u0645 "
                                                 : "the quick brown fox ";
  while (options.text.size() < static_cast<std::size_t>(state.range(0))) options.text += words;
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

}  // namespace

BENCHMARK(typedLetterFrame)
    ->Args({20, 0})
    ->Args({1 << 10, 0})
    ->Args({1 << 20, 0})
    ->Args({20, 1})
    ->Args({1 << 10, 1})
    ->Args({1 << 20, 1})
    ->Unit(benchmark::kMicrosecond);
