// The real English phone keyboard: every key with its gestures, the
// callout overlays and the suggestion toolbar. Aims: built, laid out and
// hit-tested under 500 µs; re-evaluated after a casing change under 500 µs;
// rendered at 3x under 4 ms.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <memory>

#include "keyloom/controller/KeyboardRootView.h"
#include "keyloom/services/PreviewKeyboardActionHandler.h"
#include "keyloom/views/SystemKeyboardServices.h"
#include "platform/foundation/MainQueue.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/UI.h"

namespace {

using namespace keyloom;
namespace ui = platform::ui;

const platform::Size keyboardSize{390, 260};

struct Services : SystemKeyboardServices {
  Services() : SystemKeyboardServices(std::make_shared<PreviewKeyboardActionHandler>()) {
    context->screenSize.set(platform::Size{390, 844});
  }

  ui::View view() const { return ui::View(keyboard(keyboardSize.width)); }

  // As the controller hosts it: a root that builds the keyboard anew at
  // every change of the contexts it observes.
  ui::View root() const {
    const Services* self = this;
    return ui::View(KeyboardRootView([self] { return self->view(); }))
        .environmentObject(autocomplete)
        .environmentObject(callouts)
        .environmentObject(context);
  }
};

void BM_BuildLayoutAndHitTest(benchmark::State& state) {
  Services services;
  auto metrics = ui::PangoTextMetrics::shared();
  for (auto _ : state) {
    ui::ViewHost host(services.view());
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
  ui::ViewHost host(services.view());
  host.setFontMetrics(ui::PangoTextMetrics::shared());
  host.layout(keyboardSize);
  const double scale = 3;
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(keyboardSize.width * scale),
                                 static_cast<int>(keyboardSize.height * scale));
  auto draw = [&] {
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    ui::Renderer(cr).draw(*host.root());
    cairo_destroy(cr);
    cairo_surface_flush(surface);
  };
  draw();  // loads the fonts, once per process, outside the timing
  for (auto _ : state) draw();
  cairo_surface_destroy(surface);
}
BENCHMARK(BM_Render3x)->Unit(benchmark::kMicrosecond);

}  // namespace
