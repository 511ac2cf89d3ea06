// The view toolkit's cost for a full keyboard: 4 rows of 10 keys, each a
// button with a background, a border, a shadow and a label.
#include <benchmark/benchmark.h>

#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/UI.h"

namespace {

using namespace platform;
using namespace platform::ui;

const Size keyboardSize{390, 216};

View key(const std::string& label) {
  return Button([] {}, Text(label).font(Font::system(22)).foregroundColor(Color::black()))
      .buttonStyle(ButtonStyle::plain())
      .frame(FlexibleFrame{.maxWidth = infinity, .maxHeight = infinity})
      .background(RoundedRectangle(5).fill(Color::white()).overlay(RoundedRectangle(5).strokeBorder(Color::gray())))
      .shadow(Color::black().opacity(0.3), 0, 0, 1)
      .padding(EdgeInsets(6, 3, 6, 3));
}

View keyboard() {
  const std::string letters = "1234567890qwertyuiopasdfghjkl;zxcvbnm,./";
  std::vector<View> rows;
  for (int row = 0; row < 4; ++row) {
    std::vector<View> keys;
    for (int column = 0; column < 10; ++column) keys.push_back(key(letters.substr(row * 10 + column, 1)));
    rows.push_back(HStack(VerticalAlignment::center, 0, keys));
  }
  return VStack(HorizontalAlignment::center, 0, rows).background(Color::white(0.82));
}

void BM_BuildAndLayout(benchmark::State& state) {
  for (auto _ : state) {
    ViewHost host(keyboard());
    host.layout(keyboardSize);
    benchmark::DoNotOptimize(host.root()->frame);
  }
}
BENCHMARK(BM_BuildAndLayout)->Unit(benchmark::kMicrosecond);

void BM_BuildAndLayoutWithPangoMetrics(benchmark::State& state) {
  auto metrics = PangoTextMetrics::shared();
  for (auto _ : state) {
    ViewHost host(keyboard());
    host.setFontMetrics(metrics);
    host.layout(keyboardSize);
    benchmark::DoNotOptimize(host.root()->frame);
  }
}
BENCHMARK(BM_BuildAndLayoutWithPangoMetrics)->Unit(benchmark::kMicrosecond);

void BM_Layout(benchmark::State& state) {
  ViewHost host(keyboard());
  host.layout(keyboardSize);
  for (auto _ : state) {
    host.relayout();
    benchmark::DoNotOptimize(host.root()->frame);
  }
}
BENCHMARK(BM_Layout)->Unit(benchmark::kMicrosecond);

void BM_HitTestEveryKey(benchmark::State& state) {
  ViewHost host(keyboard());
  host.layout(keyboardSize);
  for (auto _ : state) {
    for (int row = 0; row < 4; ++row) {
      for (int column = 0; column < 10; ++column) {
        auto chain = host.hitTest({39.0 * column + 19.5, 54.0 * row + 27});
        benchmark::DoNotOptimize(chain);
      }
    }
  }
}
BENCHMARK(BM_HitTestEveryKey)->Unit(benchmark::kMicrosecond);

// Drawing one frame at 3× into an image surface (what a window shows).
void BM_RenderAt3x(benchmark::State& state) {
  ViewHost host(keyboard());
  host.setFontMetrics(PangoTextMetrics::shared());
  host.layout(keyboardSize);
  const double scale = 3;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(keyboardSize.width * scale),
                                                        static_cast<int>(keyboardSize.height * scale));
  for (auto _ : state) {
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    Renderer renderer(cr);
    renderer.draw(*host.root());
    cairo_destroy(cr);
    cairo_surface_flush(surface);
  }
  cairo_surface_destroy(surface);
}
BENCHMARK(BM_RenderAt3x)->Unit(benchmark::kMillisecond);

// The same frame written out as a PNG file (encoding included).
void BM_RenderPNGAt3x(benchmark::State& state) {
  ViewHost host(keyboard());
  host.setFontMetrics(PangoTextMetrics::shared());
  host.layout(keyboardSize);
  for (auto _ : state) {
    auto report = renderPNG(host, "/tmp/keyloom-bench-keyboard.png", 3);
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK(BM_RenderPNGAt3x)->Unit(benchmark::kMillisecond);

}  // namespace
