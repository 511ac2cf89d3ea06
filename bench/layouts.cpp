// What building a keyboard layout costs, as the keyboard does on each redraw:
// the standard layout provider over the standard input sets (English
// registered, every other locale on the English fallback), then the width of
// one input key for the screen. BM_EveryLayout walks every supported locale on
// phones and pads, portrait and landscape, letters, numbers and symbols;
// "per_layout" is the mean time of one layout.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "keyloom/layout/EnglishInputSetProvider.h"
#include "keyloom/layout/StandardInputSetProvider.h"
#include "keyloom/layout/StandardKeyboardLayoutProvider.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/KeyboardLocale.h"
#include "platform/input/Device.h"

namespace {

using keyloom::DeviceType;
using keyloom::InterfaceOrientation;
using keyloom::KeyboardType;

struct Combination {
  platform::Locale locale;
  DeviceType device;
  InterfaceOrientation orientation;
  KeyboardType type;
  platform::Size screen;
};

platform::Size screenFor(DeviceType device, InterfaceOrientation orientation) {
  const platform::Size portrait = device == DeviceType::pad ? platform::Size{820, 1180} : platform::Size{390, 844};
  if (orientation == InterfaceOrientation::portrait) return portrait;
  return {portrait.height, portrait.width};
}

std::vector<Combination> everyCombination() {
  std::vector<Combination> all;
  for (const auto keyboardLocale : keyloom::allCases<keyloom::KeyboardLocale>()) {
    for (const auto device : {DeviceType::phone, DeviceType::pad}) {
      for (const auto orientation : {InterfaceOrientation::portrait, InterfaceOrientation::landscapeLeft}) {
        for (const auto& type : {KeyboardType::alphabetic(keyloom::KeyboardCase::lowercased),
                                 KeyboardType::numeric(), KeyboardType::symbolic()}) {
          all.push_back({keyloom::locale(keyboardLocale), device, orientation, type, screenFor(device, orientation)});
        }
      }
    }
  }
  return all;
}

// The controller's context and providers.
struct Keyboard {
  std::shared_ptr<keyloom::KeyboardContext> context = std::make_shared<keyloom::KeyboardContext>();
  std::shared_ptr<keyloom::StandardInputSetProvider> inputSets = std::make_shared<keyloom::StandardInputSetProvider>(
      context, std::vector<std::shared_ptr<keyloom::LocalizedInputSetProvider>>{
                   std::make_shared<keyloom::EnglishInputSetProvider>()});
  keyloom::StandardKeyboardLayoutProvider layouts{context, inputSets, {}};

  // The state changes, then the keyboard redraws.
  void show(const Combination& c) {
    platform::Device::current().setUserInterfaceIdiom(c.device == DeviceType::pad ? platform::UserInterfaceIdiom::pad
                                                                                   : platform::UserInterfaceIdiom::phone);
    context->locale = c.locale;
    context->deviceType = c.device;
    context->interfaceOrientation = c.orientation;
    context->screenSize = c.screen;
    context->keyboardType = c.type;
  }
  double redraw(const Combination& c) {
    const auto layout = layouts.keyboardLayout(*context);
    return layout->inputWidth(c.screen.width);
  }
};

void BM_EveryLayout(benchmark::State& state) {
  const auto all = everyCombination();
  Keyboard keyboard;
  for (auto _ : state) {
    for (const auto& c : all) {
      keyboard.show(c);
      benchmark::DoNotOptimize(keyboard.redraw(c));
    }
  }
  const auto layouts = static_cast<double>(all.size());
  state.counters["layouts"] = layouts;
  state.counters["per_layout"] = benchmark::Counter(layouts, benchmark::Counter::kIsIterationInvariantRate |
                                                                 benchmark::Counter::kInvert);
}
BENCHMARK(BM_EveryLayout)->Unit(benchmark::kMillisecond);

// One layout, built again and again for an unchanged state: English on the
// registered provider, German on the fallback that builds its sets anew.
void BM_OneLayout(benchmark::State& state) {
  const bool pad = state.range(0) == 1;
  const bool german = state.range(1) == 1;
  const Combination c{platform::Locale(german ? "de" : "en_US"), pad ? DeviceType::pad : DeviceType::phone,
                      InterfaceOrientation::portrait, KeyboardType::alphabetic(keyloom::KeyboardCase::lowercased),
                      screenFor(pad ? DeviceType::pad : DeviceType::phone, InterfaceOrientation::portrait)};
  Keyboard keyboard;
  keyboard.show(c);
  for (auto _ : state) benchmark::DoNotOptimize(keyboard.redraw(c));
  state.SetLabel(std::string(pad ? "pad" : "phone") + (german ? " de (fallback sets)" : " en_US"));
}
BENCHMARK(BM_OneLayout)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);

}  // namespace
