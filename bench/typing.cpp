// Typing through the simulator, as `--type` does: each character is a touch
// down and up on its key of Zandorelle Keyboard's view, at clock times, with
// the view updated and laid out after each, but not drawn. One iteration types
// "the quick brown fox " (20 characters) after text of the length given, so
// the figure per character is the time shown divided by 20, and the lengths
// show that it does not grow with the text.
#include <benchmark/benchmark.h>

#include <string>

#include "apps/keyboard-simulator/Simulator.h"

namespace {

using keyboard_simulator::Simulator;
using keyboard_simulator::SimulatorOptions;

void typeASentence(benchmark::State& state) {
  SimulatorOptions options;
  options.window = false;
  Simulator simulator(options);
  std::string before;
  while (before.size() < static_cast<std::size_t>(state.range(0))) before += "the quick brown fox ";
  simulator.type(before);
  for (auto _ : state) simulator.type("the quick brown fox ");
  state.SetItemsProcessed(state.iterations() * 20);
}

}  // namespace

BENCHMARK(typeASentence)->Arg(0)->Arg(10000)->Unit(benchmark::kMicrosecond);
