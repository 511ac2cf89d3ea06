// What it costs to show the keyboard: the controller made and loaded, its
// contexts and services made, its view hosted, synced and laid out (the
// deferred syncs included), and showing it again after it was hidden.
#include <benchmark/benchmark.h>

#include <memory>

#include "keyloom/controller/KeyboardInputViewController.h"
#include "platform/input/SimulatedHost.h"

namespace {

using keyloom::KeyboardInputViewController;
using platform::SimulatedHost;

std::shared_ptr<platform::InputViewController> makeController() {
  return std::make_shared<KeyboardInputViewController>();
}

std::shared_ptr<SimulatedHost> makeHost() {
  platform::SimulatedHostConfiguration configuration;
  configuration.text = "Hello there, how are";
  return SimulatedHost::make(configuration);
}

// Load, first appearance (setup, sync), layout, did appear, and the turn of
// the main queue that runs the syncs.
void BM_PresentKeyboard(benchmark::State& state) {
  auto host = makeHost();
  for (auto _ : state) {
    auto controller = host->presentKeyboard(makeController);
    host->runMainQueue();
    benchmark::DoNotOptimize(controller.get());
    state.PauseTiming();
    host->releaseKeyboard();
    controller.reset();
    host->runMainQueue();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PresentKeyboard)->Unit(benchmark::kMicrosecond);

// The keyboard shown again: a new hosted view, sync, layout.
void BM_ShowKeyboardAgain(benchmark::State& state) {
  auto host = makeHost();
  auto controller = host->presentKeyboard(makeController);
  host->runMainQueue();
  for (auto _ : state) {
    state.PauseTiming();
    host->hideKeyboard();
    host->runMainQueue();
    state.ResumeTiming();
    host->showKeyboard();
    host->runMainQueue();
  }
  benchmark::DoNotOptimize(controller.get());
}
BENCHMARK(BM_ShowKeyboardAgain)->Unit(benchmark::kMicrosecond);

}  // namespace
