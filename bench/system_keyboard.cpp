// The real English phone keyboard: every key with its gestures, the
// callout overlays and the suggestion toolbar. Aims: built, laid out and
// hit-tested under 500 µs; re-evaluated after a casing change under 500 µs;
// rendered at 3x under 4 ms.
#include <benchmark/benchmark.h>

#include <cairo.h>

#include <memory>
#include <vector>

#include "keyloom/appearance/StandardKeyboardAppearance.h"
#include "keyloom/autocomplete/AutocompleteContext.h"
#include "keyloom/controller/ActionCalloutContext.h"
#include "keyloom/controller/InputCalloutContext.h"
#include "keyloom/controller/KeyboardCalloutContext.h"
#include "keyloom/controller/KeyboardRootView.h"
#include "keyloom/controller/PreviewKeyboardActionHandler.h"
#include "keyloom/controller/StandardCalloutActionProvider.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/text/StandardInputSetProvider.h"
#include "keyloom/text/StandardKeyboardLayoutProvider.h"
#include "keyloom/views/SystemKeyboard.h"
#include "platform/foundation/MainQueue.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/UI.h"

namespace {

using namespace keyloom;
namespace ui = platform::ui;

const platform::Size keyboardSize{390, 260};

struct Services {
  std::shared_ptr<KeyboardContext> context = std::make_shared<KeyboardContext>();
  std::shared_ptr<KeyboardActionHandler> handler = std::make_shared<PreviewKeyboardActionHandler>();
  std::shared_ptr<StandardKeyboardAppearance> appearance = std::make_shared<StandardKeyboardAppearance>(context);
  std::shared_ptr<StandardKeyboardLayoutProvider> layoutProvider = std::make_shared<StandardKeyboardLayoutProvider>(
      context, std::make_shared<StandardInputSetProvider>(context, std::vector<std::shared_ptr<LocalizedInputSetProvider>>{}),
      std::vector<std::shared_ptr<LocalizedKeyboardLayoutProvider>>{});
  std::shared_ptr<KeyboardCalloutContext> callouts = std::make_shared<KeyboardCalloutContext>(
      std::make_shared<ActionCalloutContext>(
          handler, std::make_shared<StandardCalloutActionProvider>(
                       context, std::vector<std::shared_ptr<LocalizedCalloutActionProvider>>{
                                    StandardCalloutActionProvider::standardProvider()})),
      std::make_shared<InputCalloutContext>(true));
  std::shared_ptr<AutocompleteContext> autocomplete = std::make_shared<AutocompleteContext>();

  Services() { context->screenSize.set(platform::Size{390, 844}); }

  ui::View keyboard() const {
    return ui::View(SystemKeyboard(layoutProvider->keyboardLayout(*context), appearance, handler, autocomplete,
                                   SystemKeyboard::AutocompleteToolbarMode::automatic, nullptr, context, callouts,
                                   keyboardSize.width, true));
  }

  // As the controller hosts it: a root that builds the keyboard anew at
  // every change of the contexts it observes.
  ui::View root() const {
    const Services* self = this;
    return ui::View(KeyboardRootView([self] { return self->keyboard(); }))
        .environmentObject(autocomplete)
        .environmentObject(callouts)
        .environmentObject(context);
  }
};

void BM_BuildLayoutAndHitTest(benchmark::State& state) {
  Services services;
  auto metrics = ui::PangoTextMetrics::shared();
  for (auto _ : state) {
    ui::ViewHost host(services.keyboard());
    host.setFontMetrics(metrics);
    host.layout(keyboardSize);
    benchmark::DoNotOptimize(host.hitTest(platform::Point{30, 150}));
  }
}
BENCHMARK(BM_BuildLayoutAndHitTest)->Unit(benchmark::kMicrosecond);

void BM_CasingChange(benchmark::State& state) {
  Services services;
  ui::ViewHost host(services.root());
  host.setFontMetrics(ui::PangoTextMetrics::shared());
  host.layout(keyboardSize);
  bool upper = false;
  for (auto _ : state) {
    upper = !upper;
    services.context->keyboardType.set(
        KeyboardType::alphabetic(upper ? KeyboardCase::uppercased : KeyboardCase::lowercased));
    host.update();
    benchmark::DoNotOptimize(host.root()->frame);
  }
  platform::MainQueue::main().runUntilIdle();
}
BENCHMARK(BM_CasingChange)->Unit(benchmark::kMicrosecond);

void BM_Render3x(benchmark::State& state) {
  Services services;
  ui::ViewHost host(services.keyboard());
  host.setFontMetrics(ui::PangoTextMetrics::shared());
  host.layout(keyboardSize);
  const double scale = 3;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(keyboardSize.width * scale),
                                                        static_cast<int>(keyboardSize.height * scale));
  for (auto _ : state) {
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    ui::Renderer(cr).draw(*host.root());
    cairo_destroy(cr);
    cairo_surface_flush(surface);
  }
  cairo_surface_destroy(surface);
}
BENCHMARK(BM_Render3x)->Unit(benchmark::kMicrosecond);

}  // namespace
